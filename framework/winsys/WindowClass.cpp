#include "winsys/WindowClass.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "core/SysUtils.h"
#include "winsys/WindowSystem.h"

namespace {
struct TAtomTable {
  std::map<std::string, ATOM> ByName;                  // upper-case names
  std::map<ATOM, std::pair<std::string, int>> ByAtom;  // name as added, reference count
  ATOM Next = 0xC000;
};

// "#123": the name of an integer atom.
std::string IntegerAtomName(ATOM atom) {
  std::string name(1, '#');
  name += std::to_string(atom);
  return name;
}

TAtomTable& Atoms() {
  static TAtomTable table;
  return table;
}
}  // namespace

TWindowClass* TClassRegistry::Register(const WNDCLASSEX& record, bool system) {
  if (!record.lpszClassName || IS_INTRESOURCE(record.lpszClassName) || !*record.lpszClassName ||
      !record.lpfnWndProc || record.cbWndExtra < 0 || record.cbClsExtra < 0)
    return nullptr;
  if (Find(record.lpszClassName)) return nullptr;
  auto windowClass = std::make_unique<TWindowClass>();
  windowClass->Name = record.lpszClassName;
  windowClass->Atom = FNextAtom++;
  windowClass->Style = record.style;
  windowClass->Proc = record.lpfnWndProc;
  windowClass->ClassExtra = record.cbClsExtra;
  windowClass->WindowExtra = record.cbWndExtra;
  windowClass->Instance = record.hInstance;
  windowClass->Icon = record.hIcon;
  windowClass->Cursor = record.hCursor;
  windowClass->Background = record.hbrBackground;
  if (record.lpszMenuName && !IS_INTRESOURCE(record.lpszMenuName))
    windowClass->MenuName = record.lpszMenuName;
  windowClass->System = system;
  FClasses.push_back(std::move(windowClass));
  return FClasses.back().get();
}

TWindowClass* TClassRegistry::Find(const char* name) const {
  if (!name) return nullptr;
  if (IS_INTRESOURCE(name)) {
    const auto atom = static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
    for (const auto& c : FClasses)
      if (c->Atom == atom) return c.get();
    return nullptr;
  }
  for (const auto& c : FClasses)
    if (SameText(c->Name, name)) return c.get();
  return nullptr;
}

bool TClassRegistry::Unregister(const char* name) {
  TWindowClass* target = Find(name);
  if (!target || target->System || target->WindowCount > 0) return false;
  FClasses.erase(std::find_if(FClasses.begin(), FClasses.end(),
                              [target](const auto& c) { return c.get() == target; }));
  return true;
}

void TClassRegistry::ResetToSystemClasses() {
  std::erase_if(FClasses, [](const auto& c) { return !c->System; });
}

ATOM RegisterClassEx(const WNDCLASSEX* record) {
  if (!record) return 0;
  TWindowClass* registered = TWindowSystem::Instance().Classes().Register(*record);
  return registered ? registered->Atom : 0;
}

ATOM RegisterClass(const WNDCLASS* record) {
  if (!record) return 0;
  WNDCLASSEX ex;
  ex.style = record->style;
  ex.lpfnWndProc = record->lpfnWndProc;
  ex.cbClsExtra = record->cbClsExtra;
  ex.cbWndExtra = record->cbWndExtra;
  ex.hInstance = record->hInstance;
  ex.hIcon = record->hIcon;
  ex.hCursor = record->hCursor;
  ex.hbrBackground = record->hbrBackground;
  ex.lpszMenuName = record->lpszMenuName;
  ex.lpszClassName = record->lpszClassName;
  return RegisterClassEx(&ex);
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
  return TWindowSystem::Instance().Classes().Unregister(className) ? TRUE : FALSE;
}

BOOL GetClassInfoEx(HINSTANCE, const char* className, WNDCLASSEX* record) {
  const TWindowClass* found = TWindowSystem::Instance().Classes().Find(className);
  if (!found || !record) return FALSE;
  record->style = found->Style;
  record->lpfnWndProc = found->Proc;
  record->cbClsExtra = found->ClassExtra;
  record->cbWndExtra = found->WindowExtra;
  record->hInstance = found->Instance;
  record->hIcon = found->Icon;
  record->hCursor = found->Cursor;
  record->hbrBackground = found->Background;
  record->lpszMenuName = found->MenuName.empty() ? nullptr : found->MenuName.c_str();
  record->lpszClassName = found->Name.c_str();
  return TRUE;
}

BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* record) {
  WNDCLASSEX ex;
  if (!record || !GetClassInfoEx(instance, className, &ex)) return FALSE;
  record->style = ex.style;
  record->lpfnWndProc = ex.lpfnWndProc;
  record->cbClsExtra = ex.cbClsExtra;
  record->cbWndExtra = ex.cbWndExtra;
  record->hInstance = ex.hInstance;
  record->hIcon = ex.hIcon;
  record->hCursor = ex.hCursor;
  record->hbrBackground = ex.hbrBackground;
  record->lpszMenuName = ex.lpszMenuName;
  record->lpszClassName = ex.lpszClassName;
  return TRUE;
}

ATOM GlobalAddAtom(const char* name) {
  if (!name) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
  TAtomTable& table = Atoms();
  const std::string key = UpperCase(name);
  auto found = table.ByName.find(key);
  if (found != table.ByName.end()) {
    ++table.ByAtom[found->second].second;
    return found->second;
  }
  if (table.Next == 0xFFFF) return 0;
  const ATOM atom = table.Next++;
  table.ByName[key] = atom;
  table.ByAtom[atom] = {name, 1};
  return atom;
}

ATOM GlobalFindAtom(const char* name) {
  if (!name) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
  auto found = Atoms().ByName.find(UpperCase(name));
  return found == Atoms().ByName.end() ? 0 : found->second;
}

ATOM GlobalDeleteAtom(ATOM atom) {
  TAtomTable& table = Atoms();
  auto found = table.ByAtom.find(atom);
  if (found == table.ByAtom.end()) return atom < 0xC000 ? 0 : atom;
  if (--found->second.second <= 0) {
    table.ByName.erase(UpperCase(found->second.first));
    table.ByAtom.erase(found);
  }
  return 0;
}

UINT GlobalGetAtomName(ATOM atom, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  std::string name;
  auto found = Atoms().ByAtom.find(atom);
  if (found != Atoms().ByAtom.end())
    name = found->second.first;
  else if (atom > 0 && atom < 0xC000)
    name = IntegerAtomName(atom);
  else
    return 0;
  const size_t copied = std::min(name.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, name.data(), copied);
  buffer[copied] = 0;
  return static_cast<UINT>(copied);
}

std::string AtomKey(const char* name) {
  if (!name) return std::string();
  if (!IS_INTRESOURCE(name)) return UpperCase(name);
  const auto atom = static_cast<ATOM>(reinterpret_cast<uintptr_t>(name));
  auto found = Atoms().ByAtom.find(atom);
  return found != Atoms().ByAtom.end() ? UpperCase(found->second.first) : IntegerAtomName(atom);
}
