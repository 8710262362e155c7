#include <gtest/gtest.h>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class InputRoutingTest : public ::testing::Test, public TFixtureBase {};

std::vector<UINT> HookedMessages;
std::vector<HWND> HookedWindows;
LRESULT RecordingHook(int code, WPARAM wParam, LPARAM lParam) {
  HookedMessages.push_back(static_cast<UINT>(wParam));
  HookedWindows.push_back(reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT SwallowKeyHook(int code, WPARAM wParam, LPARAM lParam) {
  if (wParam == 'Q') return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST_F(InputRoutingTest, ADroppedDownPopupSeesClicksAnywhereThroughItsHook) {
  // What a drop-down does: a child window moved to the desktop, on top, shown without
  // activation, and a mouse hook watching for clicks elsewhere.
  HWND form = Create(WS_POPUP | WS_VISIBLE, 10, 10, 200, 150);
  HWND popup = Create(WS_CHILD | WS_BORDER, 20, 20, 80, 60, form, RGB(255, 255, 0),
                      WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  SetParent(popup, GetDesktopWindow());
  SetWindowPos(popup, HWND_TOP, 150, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(WindowFromPoint({160, 110}), popup);  // above the form it overlaps
  EXPECT_EQ(Driver.ScreenPixel(160, 110), RGB(255, 255, 0));
  HookedMessages.clear();
  HookedWindows.clear();
  HHOOK hook = SetWindowsHookEx(WH_MOUSE, &RecordingHook, nullptr, GetCurrentThreadId());
  Driver.Click(160, 110);  // inside the popup: it does not take the activation
  EXPECT_EQ(GetActiveWindow(), form);
  Driver.Click(350, 250);  // on the bare desktop
  ASSERT_GE(HookedMessages.size(), 4u);
  EXPECT_EQ(HookedMessages[HookedMessages.size() - 2], UINT{WM_LBUTTONDOWN});
  EXPECT_EQ(HookedWindows.back(), GetDesktopWindow());
  UnhookWindowsHookEx(hook);
}

TEST_F(InputRoutingTest, MouseActivationAnswersCanRefuseOrEatTheClick) {
  HWND active = Create(WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  HWND refusing = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  SetActiveWindow(active);
  SetWindowLongPtr(refusing, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     Log().push_back({w, m, wp, lp});
                     if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATEANDEAT;
                     return DefWindowProc(w, m, wp, lp);
                   }));
  Log().clear();
  Driver.Click(50, 50);
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_TRUE(Find(WM_LBUTTONDOWN, refusing).empty());  // eaten
  EXPECT_EQ(Find(WM_LBUTTONUP, refusing).size(), 1u);   // the release is not
}

TEST_F(InputRoutingTest, WheelKeysWithoutFocusAndCapsLock) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top);
  SetFocus(child);
  Log().clear();
  TWindowSystem::Instance().Input().InjectWheel(-120);
  Driver.ProcessMessages();
  ASSERT_EQ(Find(WM_MOUSEWHEEL, child).size(), 1u);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(Find(WM_MOUSEWHEEL, child).front().WParam), -120);
  EXPECT_EQ(Find(WM_MOUSEWHEEL, top).size(), 1u);  // passed up by the default procedure

  SetFocus(nullptr);
  Log().clear();
  Driver.PressKey('K');
  EXPECT_EQ(Find(WM_SYSKEYDOWN, top).size(), 1u);  // no focus: the active window, as system keys
  EXPECT_TRUE(Find(WM_KEYDOWN).empty());

  SetFocus(child);
  Log().clear();
  Driver.PressKey(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  Driver.Type("a");
  Driver.PressKey('B', true);
  std::string typed;
  for (const TRecord& r : Find(WM_CHAR))
    typed += static_cast<char>(r.WParam);
  EXPECT_EQ(typed, "Ab");
  Driver.PressKey(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
  BYTE states[256];
  GetKeyboardState(states);
  states[VK_SHIFT] = 0x80;
  SetKeyboardState(states);
  EXPECT_LT(GetKeyState(VK_SHIFT), 0);
}

TEST_F(InputRoutingTest, KeyboardHooksSwallowKeysAndAltF4Closes) {
  HWND window = Create(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100);
  SetFocus(window);
  HHOOK hook = SetWindowsHookEx(WH_KEYBOARD, &SwallowKeyHook, nullptr, 0);
  Log().clear();
  Driver.Type("pq");
  EXPECT_EQ(Find(WM_KEYDOWN).size(), 1u);
  EXPECT_EQ(Find(WM_CHAR).front().WParam, static_cast<WPARAM>('p'));
  UnhookWindowsHookEx(hook);
  Driver.KeyDown('X');
  Driver.KeyDown('X');  // held: the repeat bit tells
  EXPECT_TRUE(Find(WM_KEYDOWN).back().LParam & (1 << 30));
  Driver.KeyUp('X');
  Driver.PressKey(VK_F4, false, false, true);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(InputRoutingTest, WindowsMayDestroyThemselvesWhileHandlingInput) {
  HWND parent = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);
  SetWindowLongPtr(child, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     if (m == WM_LBUTTONDOWN) {
                       DestroyWindow(GetParent(w));  // takes this window with it
                       EXPECT_FALSE(IsWindow(w));
                       return DefWindowProc(w, m, wp,
                                            lp);  // answers nothing for a dead window, without harm
                     }
                     return DefWindowProc(w, m, wp, lp);
                   }));
  SetCapture(child);
  Driver.Click(10, 10);
  EXPECT_FALSE(IsWindow(parent));
  EXPECT_EQ(GetCapture(), nullptr);
  Driver.MoveTo(20, 20);  // nothing left to reach
}

TEST_F(InputRoutingTest, FocusMovedAgainInsideKillFocusEndsOnTheLastRequest) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  static HWND a = nullptr, b = nullptr, c = nullptr;
  a = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  b = Create(WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, top);
  c = Create(WS_CHILD | WS_VISIBLE, 40, 0, 10, 10, top);
  SetFocus(a);
  SetWindowLongPtr(a, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     if (m == WM_KILLFOCUS && reinterpret_cast<HWND>(wp) == b) SetFocus(c);
                     return DefWindowProc(w, m, wp, lp);
                   }));
  SetFocus(b);
  EXPECT_EQ(GetFocus(), b);  // the outer request finishes last
  ASSERT_FALSE(Find(WM_SETFOCUS, c).empty());
  EXPECT_FALSE(Find(WM_KILLFOCUS, c).empty());
}

TEST_F(InputRoutingTest, ScrollingAWindowCanMoveItsChildren) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 40, 20, 20, top);
  Driver.ProcessMessages();
  EXPECT_TRUE(ScrollWindow(top, 0, -30, nullptr, nullptr));
  TRect rect;
  GetWindowRect(child, &rect);
  EXPECT_EQ(rect.TopLeft(), (TPoint{10, 10}));
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(top, update, FALSE);
  EXPECT_TRUE(PtInRegion(update, 50, 80));  // the strip scrolled in at the bottom
  EXPECT_TRUE(PtInRegion(update, 15, 50));  // where the child was
  EXPECT_FALSE(PtInRegion(update, 50, 5));  // moved pixels stay valid
  DeleteObject(update);
}
