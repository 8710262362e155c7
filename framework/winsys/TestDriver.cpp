#include "winsys/TestDriver.h"

#include "core/Utf8.h"
#include "graphics/Surface.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
constexpr DWORD ManualClockStart = 100000;
// A runaway loop (a window that never validates) stops here instead of hanging the test.
constexpr int MessageLimit = 100000;

TWindowSystem& System() {
  return TWindowSystem::Instance();
}

// The key, and whether Shift is needed, that types character; false when no key does.
bool KeyForCharacter(char character, int& key, bool& shift) {
  for (int candidate = 0x08; candidate <= 0xDE; ++candidate)
    for (bool withShift : {false, true})
      if (CharacterOfKey(candidate, withShift, false, false) ==
              static_cast<unsigned char>(character) &&
          (candidate < VK_NUMPAD0 || candidate > VK_DIVIDE)) {
        key = candidate;
        shift = withShift;
        return true;
      }
  return false;
}
}  // namespace

TTestDriver::TTestDriver(int screenWidth, int screenHeight) {
  System().Reset();
  System().SetScreenSize(screenWidth, screenHeight);
  System().Clock().SetManual(ManualClockStart);
}

TTestDriver::~TTestDriver() {
  System().Reset();
}

void TTestDriver::MoveTo(int x, int y) {
  System().Input().InjectMouseMove({x, y});
  Settle();
}

void TTestDriver::Press(int button) {
  System().Input().InjectButton(button, true);
  Settle();
}

void TTestDriver::Release(int button) {
  System().Input().InjectButton(button, false);
  Settle();
}

void TTestDriver::Click(int x, int y, int button) {
  MoveTo(x, y);
  Press(button);
  Release(button);
}

void TTestDriver::DoubleClick(int x, int y, int button) {
  Click(x, y, button);
  AdvanceClock(50);
  Click(x, y, button);
}

void TTestDriver::Drag(int fromX, int fromY, int toX, int toY, int steps) {
  MoveTo(fromX, fromY);
  Press();
  steps = steps < 1 ? 1 : steps;
  for (int i = 1; i <= steps; ++i)
    MoveTo(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
  Release();
}

void TTestDriver::KeyDown(int virtualKey) {
  System().Input().InjectKey(virtualKey, true);
  Settle();
}

void TTestDriver::KeyUp(int virtualKey) {
  System().Input().InjectKey(virtualKey, false);
  Settle();
}

void TTestDriver::PressKey(int virtualKey, bool shift, bool control, bool alt) {
  if (shift) KeyDown(VK_SHIFT);
  if (control) KeyDown(VK_CONTROL);
  if (alt) KeyDown(VK_MENU);
  KeyDown(virtualKey);
  KeyUp(virtualKey);
  if (alt) KeyUp(VK_MENU);
  if (control) KeyUp(VK_CONTROL);
  if (shift) KeyUp(VK_SHIFT);
}

void TTestDriver::Type(std::string_view text) {
  for (size_t offset = 0; offset < text.size(); offset = Utf8NextChar(text, offset)) {
    const char32_t character = Utf8CodePointAt(text, offset);
    int key = 0;
    bool shift = false;
    if (character < 0x80 && KeyForCharacter(static_cast<char>(character), key, shift)) {
      PressKey(key, shift);
    } else {
      System().Input().InjectChar(character);
      Settle();
    }
  }
}

void TTestDriver::AdvanceClock(DWORD milliseconds) {
  System().Clock().Advance(milliseconds);
  Settle();
}

DWORD TTestDriver::Now() const {
  return System().Clock().Now();
}

int TTestDriver::ProcessMessages() {
  return DispatchPendingMessages(MessageLimit);
}

COLORREF TTestDriver::ScreenPixel(int x, int y) {
  ProcessMessages();
  const TSurface& screen = System().Screen();
  if (!screen.Contains(x, y)) return CLR_INVALID;
  return PixelToColorRef(screen.GetPixel(x, y));
}
