#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "graphics/Surface.h"
#include "winsys/Clock.h"
#include "winsys/Hooks.h"
#include "winsys/Input.h"
#include "winsys/MessageQueue.h"
#include "winsys/NonClientTracker.h"
#include "winsys/Window.h"
#include "winsys/WindowClass.h"

// The process-wide window system: the windows and their handles, the desktop and the screen's
// framebuffer, the class registry, the message queue, input state, focus, capture, activation,
// hooks and the clock. Everything runs on one thread. Programs use the platform's calls; this
// object is what those calls share.
class TClipboardBridge;

// The clipboard's content and the bridge to a desktop clipboard (see Clipboard.h).
struct TClipboardStore {
  std::string Text;
  bool HasText = false;
  TClipboardBridge* Bridge = nullptr;
};

class TWindowSystem {
 public:
  static TWindowSystem& Instance();
  ~TWindowSystem();

  // Destroys every window and forgets all state (queue, hooks, timers, focus, key states,
  // registered classes other than the system's), keeping the screen size. Tests start here.
  void Reset();

  // The live window of handle (the desktop included), or null.
  TWindow* Find(HWND handle) const;
  TWindow* Desktop() const { return FDesktop; }
  TSurface& Screen() { return FScreen; }
  // Resizes the screen and the desktop window; everything is repainted.
  void SetScreenSize(int width, int height);

  TClassRegistry& Classes() { return FClasses; }
  TMessageQueue& Queue() { return FQueue; }
  TInputRouter& Input() { return FInput; }
  THookChain& Hooks() { return FHooks; }
  TClock& Clock() { return FClock; }
  TNonClientTracker& Tracker() { return FTracker; }
  TClipboardStore& Clipboard() { return FClipboard; }

  // Focus, activation and capture (null when none).
  TWindow* Focus() const { return Find(FFocus); }
  TWindow* Active() const { return Find(FActive); }
  TWindow* Capture() const { return Find(FCapture); }
  void SetFocusHandle(HWND window) { FFocus = window; }
  void SetActiveHandle(HWND window) { FActive = window; }
  void SetCaptureHandle(HWND window) { FCapture = window; }

  HCURSOR Cursor() const { return FCursor; }
  void SetCursorHandle(HCURSOR cursor) { FCursor = cursor; }
  int& CursorShowCount() { return FCursorShowCount; }
  int BeepCount() const { return FBeeps; }
  void Beep() { ++FBeeps; }
  DWORD DoubleClickTime() const { return FDoubleClickTime; }
  void SetDoubleClickTime(DWORD value) { FDoubleClickTime = value; }

  // Calls the window's procedure; the window stays allocated until the outermost call that
  // involves it returns, even when it is destroyed meanwhile.
  LRESULT Send(TWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // A new window with a fresh handle, not yet linked into the tree.
  TWindow* NewWindow(TWindowClass* windowClass);
  // Invalidates the handle of a destroyed window; the memory goes once no call uses it.
  void Retire(TWindow* window);

  // The last message handed out by GetMessage or PeekMessage: its time and position.
  DWORD LastMessageTime() const { return FLastMessageTime; }
  TPoint LastMessagePos() const { return FLastMessagePos; }
  void SetLastMessage(DWORD time, TPoint pos) {
    FLastMessageTime = time;
    FLastMessagePos = pos;
  }

  // How GetMessage waits for input (see SetInputWait); null without an input source.
  using TWaitFunction = bool (*)(int timeoutMs);
  TWaitFunction InputWait() const { return FInputWait; }
  void SetInputWait(TWaitFunction wait) { FInputWait = wait; }
  // The next cascade step for top-level windows placed by the system (CW_USEDEFAULT).
  int NextCascade() { return FCascade++; }

  // Windows that have something to paint (update region or frame), in tree order.
  TWindow* FindWindowToPaint(HWND filter) const;

 private:
  TWindowSystem();
  void CreateDesktop();
  void FreeRetired();

  TClassRegistry FClasses;
  std::unordered_map<uintptr_t, std::unique_ptr<TWindow>> FWindows;
  std::vector<std::unique_ptr<TWindow>> FRetired;
  uintptr_t FNextHandle = 0x20000;
  int FCallDepth = 0;
  TWindow* FDesktop = nullptr;
  TSurface FScreen;
  TMessageQueue FQueue;
  TInputRouter FInput;
  THookChain FHooks;
  TClock FClock;
  TNonClientTracker FTracker;
  TClipboardStore FClipboard;
  HWND FFocus = nullptr;
  HWND FActive = nullptr;
  HWND FCapture = nullptr;
  HCURSOR FCursor = nullptr;
  int FCursorShowCount = 0;
  int FBeeps = 0;
  DWORD FDoubleClickTime = 500;
  DWORD FLastMessageTime = 0;
  TWaitFunction FInputWait = nullptr;
  int FCascade = 0;
  TPoint FLastMessagePos;
};
