#pragma once

#include "winsys/Input.h"
#include "types/Rect.h"
#include "types/WinTypes.h"

class TWindow;

// What a press on a window's non-client area started and follows until the button is
// released: dragging a scroll-bar thumb, holding an arrow or the trough (repeating), moving a
// window by its caption, pressing the close button. While it runs, mouse input goes here
// instead of to windows.
class TNonClientTracker {
 public:
  enum class TMode {
    None,
    ScrollArrowLess,
    ScrollArrowMore,
    ScrollPageLess,
    ScrollPageMore,
    ScrollThumb,
    MoveWindow,
    CloseButton
  };

  bool IsActive() const { return FMode != TMode::None; }
  HWND Window() const { return FWindow; }

  // Starts tracking for a left press at screen point on hit-test area hitTest of window;
  // false when that area tracks nothing.
  bool Begin(TWindow& window, int hitTest, TPoint screen);
  // Mouse input while tracking.
  void MouseMove(TPoint screen);
  void ButtonUp(TPoint screen);
  // Repeats arrow and page scrolling while the button is held; returns the next time due.
  void Tick(DWORD now);
  bool NextDue(DWORD& due) const;
  // Ends tracking (WM_CANCELMODE, the window going away).
  void Cancel();

 private:
  void BeginScroll(TWindow& window, int bar, TPoint screen);
  void SendScroll(int code, int position);
  void RepaintBar();
  TWindow* Target() const;

  TMode FMode = TMode::None;
  HWND FWindow = nullptr;
  int FBar = 0;
  TPoint FStart;
  TPoint FLast;
  int FThumbOffset = 0;  // from the thumb's leading edge to the pointer along the bar
  DWORD FNextRepeat = 0;
  bool FPressedInside = true;
};
