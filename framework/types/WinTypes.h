#pragma once

#include <cstdint>

// The scalar and handle types of the window system and drawing services, with the platform's
// names and widths. Handles are opaque: they name objects that the services look up and
// validate, so a stale or invented handle makes a call fail instead of crashing.

using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using INT_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using LONG_PTR = intptr_t;
using ULONG_PTR = uintptr_t;
using DWORD_PTR = uintptr_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using ATOM = uint16_t;
using COLORREF = uint32_t;
using HANDLE = void*;
using HGDIOBJ = void*;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

#define VM_DECLARE_HANDLE(Name) \
  struct Name##__ {             \
    int unused;                 \
  };                            \
  using Name = Name##__*

VM_DECLARE_HANDLE(HWND);
VM_DECLARE_HANDLE(HDC);
VM_DECLARE_HANDLE(HPEN);
VM_DECLARE_HANDLE(HBRUSH);
VM_DECLARE_HANDLE(HFONT);
VM_DECLARE_HANDLE(HBITMAP);
VM_DECLARE_HANDLE(HRGN);
VM_DECLARE_HANDLE(HCURSOR);
VM_DECLARE_HANDLE(HICON);
VM_DECLARE_HANDLE(HMENU);
VM_DECLARE_HANDLE(HINSTANCE);
VM_DECLARE_HANDLE(HHOOK);
VM_DECLARE_HANDLE(HPALETTE);
#undef VM_DECLARE_HANDLE
using HMODULE = HINSTANCE;

// A window procedure: answers one message sent or dispatched to a window.
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
// A hook procedure of a hook chain (see SetWindowsHookEx).
using HOOKPROC = LRESULT (*)(int code, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr WORD LOWORD(uintptr_t value) {
  return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t value) {
  return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(uintptr_t value) {
  return static_cast<BYTE>(value & 0xFF);
}
constexpr BYTE HIBYTE(uintptr_t value) {
  return static_cast<BYTE>((value >> 8) & 0xFF);
}
constexpr DWORD MAKELONG(WORD low, WORD high) {
  return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return MAKELONG(low, high);
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
  return static_cast<LPARAM>(static_cast<int32_t>(MAKELONG(low, high)));
}
constexpr LRESULT MAKELRESULT(WORD low, WORD high) {
  return MAKELPARAM(low, high);
}
// The signed coordinates packed into a mouse message's lParam.
constexpr int GET_X_LPARAM(LPARAM value) {
  return static_cast<int16_t>(LOWORD(value));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
  return static_cast<int16_t>(HIWORD(value));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM value) {
  return static_cast<int16_t>(HIWORD(value));
}

// A resource name given as a small integer (cursor identifiers, atoms) rather than a string.
inline const char* MAKEINTRESOURCE(uintptr_t id) {
  return reinterpret_cast<const char*>(id);
}
inline const char* MAKEINTATOM(ATOM atom) {
  return reinterpret_cast<const char*>(uintptr_t{atom});
}
inline bool IS_INTRESOURCE(const char* name) {
  return (reinterpret_cast<uintptr_t>(name) >> 16) == 0;
}
