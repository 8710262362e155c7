#include <gtest/gtest.h>

#include "WindowTestSupport.h"
#include "graphics/Cursor.h"
#include "winsys/Cursors.h"

using namespace WindowTest;

namespace {
class InputTest : public ::testing::Test, public TFixtureBase {};

std::vector<HHOOK> InstalledHooks;
std::vector<std::string> HookCalls;
bool SwallowClicks = false;

LRESULT FirstHook(int code, WPARAM wParam, LPARAM lParam) {
  HookCalls.push_back("first " + std::to_string(wParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT SecondHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  HookCalls.push_back("second " + std::to_string(wParam) + " " + std::to_string(info->pt.X) + "," +
                      std::to_string(info->pt.Y));
  if (SwallowClicks && wParam == WM_LBUTTONDOWN) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST_F(InputTest, TheTopmostWindowUnderTheMouseGetsTheClick) {
  HWND lower = Create(WS_POPUP | WS_VISIBLE, 10, 10, 100, 100);
  HWND upper = Create(WS_POPUP | WS_VISIBLE, 50, 50, 100, 100);
  Log().clear();
  Driver.Click(60, 70);
  ASSERT_EQ(Find(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(WM_LBUTTONDOWN).front().Window, upper);
  EXPECT_EQ(Find(WM_LBUTTONDOWN).front().LParam, MAKELPARAM(10, 20));  // client coordinates
  EXPECT_EQ(Find(WM_LBUTTONUP).front().Window, upper);
  BringWindowToTop(lower);
  Log().clear();
  Driver.Click(60, 70, MouseRight);
  ASSERT_EQ(Find(WM_RBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(WM_RBUTTONDOWN).front().Window, lower);
  EXPECT_EQ(Find(WM_RBUTTONDOWN).front().WParam, MK_RBUTTON);
  Log().clear();
  Driver.Click(120, 120, MouseMiddle);  // only the upper window is there
  EXPECT_EQ(Find(WM_MBUTTONDOWN).front().Window, upper);
}

TEST_F(InputTest, TransparentAndDisabledWindowsAndNonClientClicks) {
  HWND parent = Create(WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 200, 200);
  HWND below = Create(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, parent);
  HWND above = Create(WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, parent);
  SetWindowLongPtr(above, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     if (m == WM_NCHITTEST) return HTTRANSPARENT;
                     return DefWindowProc(w, m, wp, lp);
                   }));
  Log().clear();
  Driver.Click(20, 20);
  EXPECT_EQ(Find(WM_LBUTTONDOWN).front().Window, below);

  EnableWindow(below, FALSE);
  Log().clear();
  const int beeps = GetBeepCount();
  Driver.Click(20, 20);
  EXPECT_TRUE(Find(WM_LBUTTONDOWN).empty());
  EXPECT_EQ(GetBeepCount(), beeps + 1);

  Log().clear();
  Driver.Click(0, 100);  // on the parent's border
  ASSERT_EQ(Find(WM_NCLBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Find(WM_NCLBUTTONDOWN).front().WParam, static_cast<WPARAM>(HTBORDER));
  EXPECT_EQ(Find(WM_NCLBUTTONDOWN).front().LParam, MAKELPARAM(0, 100));  // screen coordinates
}

TEST_F(InputTest, FocusChangesNameTheOtherWindowInOrder) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND a = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  HWND b = Create(WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, top);
  SetFocus(a);
  Log().clear();
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].Window, a);
  EXPECT_EQ(Log()[0].Message, UINT{WM_KILLFOCUS});
  EXPECT_EQ(Log()[0].WParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(Log()[1].Window, b);
  EXPECT_EQ(Log()[1].Message, UINT{WM_SETFOCUS});
  EXPECT_EQ(Log()[1].WParam, reinterpret_cast<WPARAM>(a));
  EXPECT_EQ(GetFocus(), b);
  Log().clear();
  EXPECT_EQ(SetFocus(b), b);
  EXPECT_TRUE(Log().empty());  // no change, no messages
  DestroyWindow(b);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(InputTest, ClickingAnInactiveWindowActivatesItAndBringsItToTheTop) {
  HWND first = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND second = Create(WS_POPUP | WS_VISIBLE, 50, 50, 100, 100);
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(GetFocus(), second);
  Log().clear();
  Driver.Click(10, 10);
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetTopWindow(nullptr), first);
  EXPECT_EQ(GetFocus(), first);
  EXPECT_EQ(Sequence(first, {WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}),
            (std::vector<UINT>{WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN}));
  EXPECT_EQ(LOWORD(Find(WM_ACTIVATE, first).front().WParam), WA_CLICKACTIVE);
  EXPECT_EQ(LOWORD(Find(WM_ACTIVATE, second).front().WParam), WA_INACTIVE);
}

TEST_F(InputTest, CaptureTakesAllMouseInputUntilReleasedOrCancelled) {
  HWND a = Create(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
  HWND b = Create(WS_POPUP | WS_VISIBLE, 100, 100, 50, 50);
  EXPECT_EQ(SetCapture(a), nullptr);
  Log().clear();
  Driver.MoveTo(120, 110);
  ASSERT_EQ(Find(WM_MOUSEMOVE).size(), 1u);
  EXPECT_EQ(Find(WM_MOUSEMOVE).front().Window, a);
  EXPECT_EQ(Find(WM_MOUSEMOVE).front().LParam, MAKELPARAM(120, 110));
  EXPECT_TRUE(Find(WM_SETCURSOR).empty());  // captured input sets no cursor
  EXPECT_EQ(SetCapture(b), a);
  ASSERT_EQ(Find(WM_CAPTURECHANGED, a).size(), 1u);
  EXPECT_EQ(Find(WM_CAPTURECHANGED, a).front().LParam, reinterpret_cast<LPARAM>(b));
  SendMessage(b, WM_CANCELMODE, 0, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Find(WM_CAPTURECHANGED, b).size(), 1u);
  Log().clear();
  Driver.MoveTo(10, 10);
  EXPECT_EQ(Find(WM_MOUSEMOVE).front().Window, a);
}

TEST_F(InputTest, MouseHooksSeeEventsFirstAndCanSwallowThem) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HookCalls.clear();
  SwallowClicks = false;
  HHOOK first = SetWindowsHookEx(WH_MOUSE, &FirstHook, nullptr, GetCurrentThreadId());
  HHOOK second = SetWindowsHookEx(WH_MOUSE, &SecondHook, nullptr, 0);
  ASSERT_NE(first, nullptr);
  Log().clear();
  Driver.MoveTo(30, 40);
  Driver.Press();
  ASSERT_EQ(HookCalls.size(), 4u);
  EXPECT_EQ(HookCalls[0], "second " + std::to_string(WM_MOUSEMOVE) + " 30,40");  // the newest first
  EXPECT_EQ(HookCalls[1], "first " + std::to_string(WM_MOUSEMOVE));
  EXPECT_EQ(Find(WM_LBUTTONDOWN, window).size(), 1u);
  SwallowClicks = true;
  Driver.Release();
  Log().clear();
  HookCalls.clear();
  Driver.Press();
  EXPECT_EQ(HookCalls.size(), 1u);  // the second hook swallowed it: the first never saw it
  EXPECT_TRUE(Find(WM_LBUTTONDOWN).empty());
  EXPECT_TRUE(UnhookWindowsHookEx(second));
  EXPECT_FALSE(UnhookWindowsHookEx(second));
  Driver.Release();
  Driver.Press();
  EXPECT_EQ(Find(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_TRUE(UnhookWindowsHookEx(first));
  EXPECT_EQ(SetWindowsHookEx(WH_MOUSE, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(SetWindowsHookEx(WH_MOUSE, &FirstHook, nullptr, 999), nullptr);
}

TEST_F(InputTest, AHookMayUnhookItselfWhileRunning) {
  static HHOOK self = nullptr;
  static int calls = 0;
  calls = 0;
  Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HHOOK outer = SetWindowsHookEx(WH_MOUSE, &FirstHook, nullptr, 0);
  self = SetWindowsHookEx(
      WH_MOUSE,
      +[](int code, WPARAM w, LPARAM l) -> LRESULT {
        ++calls;
        UnhookWindowsHookEx(self);
        return CallNextHookEx(self, code, w, l);
      },
      nullptr, 0);
  HookCalls.clear();
  Driver.MoveTo(5, 5);
  Driver.MoveTo(6, 6);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(HookCalls.size(), 2u);  // the outer hook still saw both moves
  UnhookWindowsHookEx(outer);
}

TEST_F(InputTest, DoubleClicksFollowTheClassTheClockAndTheDistance) {
  HWND dbl = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, 0, 0, "TestDblClkWindow");
  HWND plain = Create(WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  Log().clear();
  Driver.Click(10, 10);
  Driver.AdvanceClock(GetDoubleClickTime());
  Driver.Click(11, 12);
  EXPECT_EQ(Sequence(dbl, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
  Driver.AdvanceClock(100);
  Driver.Click(11, 12);  // the third click starts anew
  EXPECT_EQ(Find(WM_LBUTTONDOWN, dbl).size(), 2u);

  Log().clear();
  Driver.AdvanceClock(1000);
  Driver.Click(10, 10);
  Driver.AdvanceClock(GetDoubleClickTime() + 1);
  Driver.Click(10, 10);  // too late
  Driver.AdvanceClock(1000);
  Driver.Click(30, 30);
  Driver.AdvanceClock(10);
  Driver.Click(33, 30);  // too far
  EXPECT_TRUE(Find(WM_LBUTTONDBLCLK).empty());

  Log().clear();
  Driver.AdvanceClock(1000);
  Driver.DoubleClick(250, 50);
  EXPECT_EQ(Find(WM_LBUTTONDOWN, plain).size(), 2u);  // no CS_DBLCLKS
  EXPECT_TRUE(Find(WM_LBUTTONDBLCLK).empty());
  Log().clear();
  Driver.AdvanceClock(1000);
  Driver.DoubleClick(50, 50, MouseRight);
  EXPECT_EQ(Find(WM_RBUTTONDBLCLK, dbl).size(), 1u);
}

TEST_F(InputTest, KeysReachTheFocusWithShiftCtrlAndAlt) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  SetFocus(window);
  static int16_t shiftDuringKey = 0;
  SetWindowLongPtr(window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     Log().push_back({w, m, wp, lp});
                     if (m == WM_KEYDOWN && wp == 'B') shiftDuringKey = GetKeyState(VK_SHIFT);
                     return DefWindowProc(w, m, wp, lp);
                   }));
  Log().clear();
  Driver.Type("aB1!");
  std::string typed;
  for (const TRecord& r : Find(WM_CHAR))
    typed += static_cast<char>(r.WParam);
  EXPECT_EQ(typed, "aB1!");
  EXPECT_LT(shiftDuringKey, 0);  // B was typed with Shift held
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);

  Log().clear();
  Driver.PressKey('X', false, true);
  ASSERT_EQ(Find(WM_CHAR).size(), 1u);
  EXPECT_EQ(Find(WM_CHAR).front().WParam, 24u);  // Ctrl+X

  Log().clear();
  Driver.PressKey(VK_DOWN, false, false, true);
  ASSERT_EQ(Find(WM_SYSKEYDOWN).size(), 2u);  // Alt, then Down
  EXPECT_EQ(Find(WM_SYSKEYDOWN).back().WParam, static_cast<WPARAM>(VK_DOWN));
  EXPECT_TRUE(Find(WM_SYSKEYDOWN).back().LParam & (1 << 29));
  EXPECT_TRUE(Find(WM_KEYDOWN).empty());

  Log().clear();
  Driver.KeyDown(VK_RETURN);
  EXPECT_EQ(Find(WM_CHAR).front().WParam, static_cast<WPARAM>('\r'));
  EXPECT_LT(GetAsyncKeyState(VK_RETURN), 0);
  Driver.KeyUp(VK_RETURN);
  EXPECT_EQ(GetAsyncKeyState(VK_RETURN), 0);
  EXPECT_TRUE(static_cast<uint32_t>(Find(WM_KEYUP).front().LParam) & 0x80000000u);
}

TEST_F(InputTest, CursorPositionMessagePositionAndCursors) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  static DWORD positionDuringClick = 0;
  SetWindowLongPtr(window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     if (m == WM_LBUTTONDOWN) positionDuringClick = GetMessagePos();
                     return DefWindowProc(w, m, wp, lp);
                   }));
  Driver.Click(33, 44);
  EXPECT_EQ(LOWORD(positionDuringClick), 33);
  EXPECT_EQ(HIWORD(positionDuringClick), 44);
  TPoint cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor, (TPoint{33, 44}));
  SetCursorPos(70, 80);
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor, (TPoint{70, 80}));

  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  Driver.MoveTo(50, 50);  // WM_SETCURSOR: the class cursor (the arrow) again
  EXPECT_EQ(CursorShape(GetCursor()), TCursorShape::Arrow);
  EXPECT_EQ(CursorShape(LoadFrameworkCursor(crHSplit)), TCursorShape::HSplit);
  EXPECT_EQ(CursorShape(LoadFrameworkCursor(crIBeam)), CursorShape(LoadCursor(nullptr, IDC_IBEAM)));
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
  ShowCursor(FALSE);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::None);
  ShowCursor(TRUE);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Arrow);
}
