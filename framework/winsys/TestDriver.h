#pragma once

#include <string_view>

#include "types/Rect.h"
#include "types/WinTypes.h"
#include "winsys/Input.h"

// Drives the window system as a user would, for tests and scripted demos: it moves the mouse
// to screen points, presses buttons and keys, types text, and advances the manual clock, and
// after each action lets the queued messages be handled. Creating a driver resets the window
// system to a fresh state with a manual clock and the given screen size; destroying it resets
// the window system again.
class TTestDriver {
 public:
  explicit TTestDriver(int screenWidth = 640, int screenHeight = 480);
  ~TTestDriver();
  TTestDriver(const TTestDriver&) = delete;
  TTestDriver& operator=(const TTestDriver&) = delete;

  void MoveTo(int x, int y);
  void Press(int button = MouseLeft);
  void Release(int button = MouseLeft);
  // Moves to (x, y), presses and releases.
  void Click(int x, int y, int button = MouseLeft);
  // Two clicks at (x, y) within the double-click time.
  void DoubleClick(int x, int y, int button = MouseLeft);
  // Presses at (fromX, fromY), moves to (toX, toY) in steps, releases.
  void Drag(int fromX, int fromY, int toX, int toY, int steps = 4);
  void KeyDown(int virtualKey);
  void KeyUp(int virtualKey);
  // Presses and releases a key, holding Shift, Ctrl or Alt around it as asked.
  void PressKey(int virtualKey, bool shift = false, bool control = false, bool alt = false);
  // Types each character of the UTF-8 text with the key (and Shift) that gives it; characters
  // without a key arrive as WM_CHAR alone, one per code point, as text input from a real
  // keyboard does.
  void Type(std::string_view text);
  void AdvanceClock(DWORD milliseconds);
  DWORD Now() const;

  // Handles every queued message, including paints and timers that are due; returns how many.
  int ProcessMessages();
  // The colour of a screen pixel (COLORREF), after handling pending messages.
  COLORREF ScreenPixel(int x, int y);

 private:
  void Settle() { ProcessMessages(); }
};
