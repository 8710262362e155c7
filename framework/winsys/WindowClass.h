#pragma once

#include <memory>
#include <string>
#include <vector>

#include "types/WinTypes.h"

struct WNDCLASS {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;  // a brush, or a system colour index + 1
  const char* lpszMenuName = nullptr;
  const char* lpszClassName = nullptr;
};

struct WNDCLASSEX {
  UINT cbSize = sizeof(WNDCLASSEX);
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;
  const char* lpszMenuName = nullptr;
  const char* lpszClassName = nullptr;
  HICON hIconSm = nullptr;
};

// A registered window class: what windows created with its name start with.
class TWindowClass {
 public:
  std::string Name;
  ATOM Atom = 0;
  UINT Style = 0;
  WNDPROC Proc = nullptr;
  int ClassExtra = 0;
  int WindowExtra = 0;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
  std::string MenuName;
  int WindowCount = 0;
  bool System = false;  // registered by the window system itself; never unregistered
};

// The process-wide table of window classes. Names compare without regard to ASCII case.
class TClassRegistry {
 public:
  // Null when the name is taken or the record is incomplete.
  TWindowClass* Register(const WNDCLASSEX& record, bool system = false);
  // By name, or by atom when name is an integer atom.
  TWindowClass* Find(const char* name) const;
  // Fails while windows of the class exist.
  bool Unregister(const char* name);
  // Drops every class but the window system's own.
  void ResetToSystemClasses();

 private:
  std::vector<std::unique_ptr<TWindowClass>> FClasses;
  ATOM FNextAtom = 0xC000;
};

ATOM RegisterClass(const WNDCLASS* record);
ATOM RegisterClassEx(const WNDCLASSEX* record);
BOOL UnregisterClass(const char* className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* record);
BOOL GetClassInfoEx(HINSTANCE instance, const char* className, WNDCLASSEX* record);

// Atoms: integer names for strings, such as the names of window properties.
ATOM GlobalAddAtom(const char* name);
ATOM GlobalFindAtom(const char* name);
ATOM GlobalDeleteAtom(ATOM atom);
UINT GlobalGetAtomName(ATOM atom, char* buffer, int size);
// The name that property and class look-ups use for name: the atom's string for an integer
// atom, the string itself otherwise, in upper case.
std::string AtomKey(const char* name);
