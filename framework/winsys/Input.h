#pragma once

#include <cstdint>

#include "winsys/Messages.h"
#include "types/Rect.h"
#include "types/WinTypes.h"

class TWindow;

// One raw input event as a device (the test driver, a presenter) reports it. It becomes a
// window message only when the queue hands it out, so that capture, focus and hooks apply as
// they are at that moment.
struct TInputEvent {
  enum class TKind : uint8_t { MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char };
  TKind Kind = TKind::MouseMove;
  TPoint Point;    // screen position of the mouse at the event
  int Button = 0;  // 0 left, 1 right, 2 middle
  int Key = 0;     // virtual-key code
  int WheelDelta = 0;
  char32_t Character = 0;
  DWORD Time = 0;
  bool NoTranslate = false;  // key events whose characters arrive as separate Char events
};

// Turns raw input into window messages and keeps the input state: key states, the mouse
// position, the double-click memory.
class TInputRouter {
 public:
  TInputRouter();

  // Queues raw input (and updates the asynchronous state at once).
  void InjectMouseMove(TPoint screen);
  void InjectButton(int button, bool down);
  void InjectWheel(int delta);
  void InjectKey(int virtualKey, bool down, bool noTranslate = false);
  void InjectChar(char32_t character);

  // The message for event, or false when the event produces none (a hook swallowed it, the
  // window under the mouse refuses input, a tracking operation used it). Runs the mouse hooks,
  // WM_SETCURSOR and activation like the platform's queue does.
  bool Translate(const TInputEvent& event, MSG& message);

  BYTE KeyState(int key) const { return FKeyState[key & 0xFF]; }
  BYTE AsyncKeyState(int key) const { return FAsyncState[key & 0xFF]; }
  void SetKeyState(const BYTE* states);
  TPoint CursorPos() const { return FCursorPos; }
  void SetCursorPos(TPoint screen);
  // The MK_* flags of the current key state.
  WPARAM MouseKeyFlags() const;
  void Reset();

 private:
  bool TranslateMouse(const TInputEvent& event, MSG& message);
  bool TranslateKey(const TInputEvent& event, MSG& message);
  static void UpdateState(BYTE* states, int key, bool down);
  // Whether a button press is the second click of a double click (and remembers it if not).
  bool IsDoubleClick(const TInputEvent& event, HWND window);
  bool Activate(TWindow* window, int hitTest, UINT mouseMessage);

  BYTE FKeyState[256] = {};
  BYTE FAsyncState[256] = {};
  TPoint FCursorPos;
  struct TClick {
    UINT Message = 0;
    HWND Window = nullptr;
    TPoint Point;
    DWORD Time = 0;
  } FLastClick;
};

// The character a key gives with the US keyboard layout, or 0 for none: letters (Shift and
// Caps Lock choosing the case, Ctrl giving control characters), digits, punctuation, the
// numeric keypad, Space, Enter, Backspace, Tab and Escape.
char32_t CharacterOfKey(int virtualKey, bool shift, bool control, bool capsLock);

// Mouse buttons of the input events.
enum : int { MouseLeft = 0, MouseRight = 1, MouseMiddle = 2 };
