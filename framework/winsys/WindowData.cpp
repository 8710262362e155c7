#include <algorithm>
#include <cstring>

#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"
#include "winsys/WindowTree.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}

bool ExtraFits(const TWindow& window, int index, size_t size) {
  return index >= 0 && static_cast<size_t>(index) + size <= window.Extra.size();
}

void ChangeStyle(TWindow& window, int index, DWORD value) {
  STYLESTRUCT change{index == GWL_STYLE ? window.Style : window.ExStyle, value};
  System().Send(&window, WM_STYLECHANGING, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&change));
  if (index == GWL_STYLE)
    window.Style = change.styleNew;
  else
    window.ExStyle = change.styleNew;
  System().Send(&window, WM_STYLECHANGED, static_cast<WPARAM>(index),
                reinterpret_cast<LPARAM>(&change));
}
}  // namespace

LONG_PTR GetWindowLongPtr(HWND handle, int index) {
  TWindow* window = System().Find(handle);
  if (!window) return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->Proc);
    case GWLP_USERDATA:
      return window->UserData;
    case GWLP_ID:
      return window->Id;
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(window->Instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(GetParent(handle));
    case GWL_STYLE:
      return static_cast<LONG_PTR>(window->Style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(window->ExStyle);
    default:
      if (!ExtraFits(*window, index, sizeof(LONG_PTR))) return 0;
      LONG_PTR value;
      std::memcpy(&value, window->Extra.data() + index, sizeof(value));
      return value;
  }
}

LONG_PTR SetWindowLongPtr(HWND handle, int index, LONG_PTR value) {
  TWindow* window = System().Find(handle);
  if (!window) return 0;
  const LONG_PTR old = GetWindowLongPtr(handle, index);
  switch (index) {
    case GWLP_WNDPROC:
      if (!value) return 0;
      window->Proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_USERDATA:
      window->UserData = value;
      break;
    case GWLP_ID:
      window->Id = value;
      break;
    case GWLP_HINSTANCE:
      window->Instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_HWNDPARENT: {
      TWindow* owner = System().Find(reinterpret_cast<HWND>(value));
      if (!window->IsChild()) window->Owner = owner ? owner->TopLevel() : nullptr;
      break;
    }
    case GWL_STYLE:
    case GWL_EXSTYLE:
      ChangeStyle(*window, index, static_cast<DWORD>(value));
      break;
    default:
      if (!ExtraFits(*window, index, sizeof(LONG_PTR))) return 0;
      std::memcpy(window->Extra.data() + index, &value, sizeof(value));
  }
  return old;
}

LONG GetWindowLong(HWND window, int index) {
  return static_cast<LONG>(GetWindowLongPtr(window, index));
}

LONG SetWindowLong(HWND window, int index, LONG value) {
  if (index == GWL_STYLE || index == GWL_EXSTYLE)
    return static_cast<LONG>(
        SetWindowLongPtr(window, index, static_cast<LONG_PTR>(static_cast<DWORD>(value))));
  return static_cast<LONG>(SetWindowLongPtr(window, index, value));
}

ULONG_PTR GetClassLongPtr(HWND handle, int index) {
  TWindow* window = System().Find(handle);
  if (!window || !window->Class) return 0;
  const TWindowClass& c = *window->Class;
  switch (index) {
    case GCLP_HBRBACKGROUND:
      return reinterpret_cast<ULONG_PTR>(c.Background);
    case GCLP_HCURSOR:
      return reinterpret_cast<ULONG_PTR>(c.Cursor);
    case GCLP_HICON:
      return reinterpret_cast<ULONG_PTR>(c.Icon);
    case GCLP_HMODULE:
      return reinterpret_cast<ULONG_PTR>(c.Instance);
    case GCL_CBWNDEXTRA:
      return static_cast<ULONG_PTR>(c.WindowExtra);
    case GCL_CBCLSEXTRA:
      return static_cast<ULONG_PTR>(c.ClassExtra);
    case GCLP_WNDPROC:
      return reinterpret_cast<ULONG_PTR>(c.Proc);
    case GCL_STYLE:
      return c.Style;
    case GCW_ATOM:
      return c.Atom;
    default:
      return 0;
  }
}

ULONG_PTR SetClassLongPtr(HWND handle, int index, LONG_PTR value) {
  TWindow* window = System().Find(handle);
  if (!window || !window->Class) return 0;
  const ULONG_PTR old = GetClassLongPtr(handle, index);
  TWindowClass& c = *window->Class;
  switch (index) {
    case GCLP_HBRBACKGROUND:
      c.Background = reinterpret_cast<HBRUSH>(value);
      break;
    case GCLP_HCURSOR:
      c.Cursor = reinterpret_cast<HCURSOR>(value);
      break;
    case GCLP_HICON:
      c.Icon = reinterpret_cast<HICON>(value);
      break;
    case GCLP_WNDPROC:
      if (!value) return 0;
      c.Proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GCL_STYLE:
      c.Style = static_cast<UINT>(value);
      break;
    default:
      return 0;
  }
  return old;
}

int GetClassName(HWND handle, char* buffer, int size) {
  TWindow* window = System().Find(handle);
  if (!window || !window->Class || !buffer || size <= 0) return 0;
  const std::string& name = window->Class->Name;
  const size_t copied = std::min(name.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, name.data(), copied);
  buffer[copied] = 0;
  return static_cast<int>(copied);
}

BOOL SetProp(HWND handle, const char* name, HANDLE data) {
  TWindow* window = System().Find(handle);
  if (!window || !name) return FALSE;
  window->Props[AtomKey(name)] = data;
  return TRUE;
}

HANDLE GetProp(HWND handle, const char* name) {
  TWindow* window = System().Find(handle);
  if (!window || !name) return nullptr;
  auto found = window->Props.find(AtomKey(name));
  return found == window->Props.end() ? nullptr : found->second;
}

HANDLE RemoveProp(HWND handle, const char* name) {
  TWindow* window = System().Find(handle);
  if (!window || !name) return nullptr;
  auto found = window->Props.find(AtomKey(name));
  if (found == window->Props.end()) return nullptr;
  HANDLE data = found->second;
  window->Props.erase(found);
  return data;
}

int GetWindowText(HWND window, char* buffer, int size) {
  if (!System().Find(window) || !buffer || size <= 0) return 0;
  return static_cast<int>(
      SendMessage(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND window) {
  return static_cast<int>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowText(HWND window, const char* text) {
  if (!System().Find(window)) return FALSE;
  return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE
                                                                                        : FALSE;
}

BOOL EnableWindow(HWND handle, BOOL enable) {
  TWindow* window = System().Find(handle);
  if (!window) return FALSE;
  const bool wasDisabled = !window->IsEnabled();
  if (wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
  if (!enable) {
    TWindow* focus = System().Focus();
    if (focus && (focus == window || window->IsAncestorOf(focus))) SetFocus(nullptr);
    TWindow* capture = System().Capture();
    if (capture && (capture == window || window->IsAncestorOf(capture)))
      System().Send(capture, WM_CANCELMODE, 0, 0);
    window->Style |= WS_DISABLED;
  } else {
    window->Style &= ~WS_DISABLED;
  }
  System().Send(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND handle) {
  TWindow* window = System().Find(handle);
  return window && window->IsEnabled() ? TRUE : FALSE;
}

int GetDlgCtrlID(HWND handle) {
  TWindow* window = System().Find(handle);
  return window && window->IsChild() ? static_cast<int>(window->Id) : 0;
}

HWND GetDlgItem(HWND parent, int id) {
  TWindow* window = System().Find(parent);
  if (!window) return nullptr;
  for (TWindow* child : window->Children)
    if (child->Id == id) return child->Handle;
  return nullptr;
}
