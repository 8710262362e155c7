#include "winsys/Painting.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"
#include "winsys/WindowTree.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}
}  // namespace

HWND WindowTree::Activate(TWindow& window, WORD state) {
  TWindowSystem& system = System();
  TWindow* top = window.TopLevel();
  if (top->IsChild() || top->IsDesktop()) return nullptr;
  TWindow* old = system.Active();
  const HWND oldHandle = old ? old->Handle : nullptr;
  if (old == top) return oldHandle;
  const HWND topHandle = top->Handle;
  system.SetActiveHandle(topHandle);
  if (old) {
    system.Send(old, WM_NCACTIVATE, FALSE, 0);
    system.Send(oldHandle, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(topHandle));
  }
  if (!system.Find(topHandle)) return oldHandle;
  SetWindowPos(topHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  system.Send(topHandle, WM_NCACTIVATE, TRUE, 0);
  system.Send(topHandle, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(oldHandle));
  return oldHandle;
}

HWND SetActiveWindow(HWND handle) {
  TWindow* window = System().Find(handle);
  if (!window) return nullptr;
  return WindowTree::Activate(*window, WA_ACTIVE);
}

HWND GetActiveWindow() {
  TWindow* active = System().Active();
  return active ? active->Handle : nullptr;
}

BOOL SetForegroundWindow(HWND window) {
  if (!System().Find(window)) return FALSE;
  SetActiveWindow(window);
  return TRUE;
}

HWND GetForegroundWindow() {
  return GetActiveWindow();
}

HWND SetFocus(HWND handle) {
  TWindowSystem& system = System();
  TWindow* window = handle ? system.Find(handle) : nullptr;
  if (handle && !window) return nullptr;
  TWindow* old = system.Focus();
  const HWND oldHandle = old ? old->Handle : nullptr;
  if (window && !window->IsDesktop()) {
    TWindow* top = window->TopLevel();
    if (!top->IsChild() && system.Active() != top) {
      WindowTree::Activate(*top, WA_ACTIVE);
      if (!system.Find(handle)) return nullptr;
    }
  }
  // The window losing the focus may move it elsewhere meanwhile; whoever holds it when the
  // change happens is told, so that no window keeps believing it has the focus.
  TWindow* current = system.Focus();
  for (int attempt = 0; attempt < 8 && current && current != window; ++attempt) {
    system.Send(current, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (handle && !system.Find(handle)) return nullptr;
    TWindow* now = system.Focus();
    if (now == current) break;
    current = now;
  }
  if (current == window) return oldHandle;
  const HWND currentHandle = current ? current->Handle : nullptr;
  system.SetFocusHandle(handle);
  if (window) system.Send(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(currentHandle), 0);
  return oldHandle;
}

HWND GetFocus() {
  TWindow* focus = System().Focus();
  return focus ? focus->Handle : nullptr;
}

HWND SetCapture(HWND handle) {
  TWindowSystem& system = System();
  TWindow* window = system.Find(handle);
  if (!window) return nullptr;
  TWindow* old = system.Capture();
  const HWND oldHandle = old ? old->Handle : nullptr;
  system.SetCaptureHandle(handle);
  if (old && old != window)
    system.Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
  return oldHandle;
}

BOOL ReleaseCapture() {
  TWindowSystem& system = System();
  TWindow* old = system.Capture();
  system.SetCaptureHandle(nullptr);
  if (old) system.Send(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  TWindow* capture = System().Capture();
  return capture ? capture->Handle : nullptr;
}
