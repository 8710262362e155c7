#include <gtest/gtest.h>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class WindowDataTest : public ::testing::Test, public TFixtureBase {};

std::vector<HWND> Enumerated;
BOOL Collect(HWND window, LPARAM stopAfter) {
  Enumerated.push_back(window);
  return static_cast<LPARAM>(Enumerated.size()) != stopAfter;
}
}  // namespace

TEST_F(WindowDataTest, StyleChangesAreAnnouncedAndTheFrameFollowsOnlyWhenAsked) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
  Log().clear();
  SetWindowLongPtr(window, GWL_STYLE, WS_POPUP | WS_VISIBLE | WS_BORDER);
  EXPECT_EQ(Sequence(window, {WM_STYLECHANGING, WM_STYLECHANGED}),
            (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
  EXPECT_EQ(Find(WM_STYLECHANGED).front().WParam, static_cast<WPARAM>(GWL_STYLE));
  TRect client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.Width(), 50);  // not before SWP_FRAMECHANGED
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  GetClientRect(window, &client);
  EXPECT_EQ(client.Width(), 48);
  EXPECT_EQ(LOWORD(Find(WM_SIZE, window).back().LParam), 48);
}

TEST_F(WindowDataTest, ExtraWindowBytesClassDataAndAtoms) {
  WNDCLASS extra;
  extra.lpfnWndProc = &DefWindowProc;
  extra.cbWndExtra = 16;
  extra.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  extra.lpszClassName = "WithExtra";
  const ATOM atom = RegisterClass(&extra);
  ASSERT_NE(atom, 0);
  HWND window = CreateWindowEx(0, MAKEINTATOM(atom), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SetWindowLongPtr(window, 8, 77), 0);
  EXPECT_EQ(GetWindowLongPtr(window, 8), 77);
  EXPECT_EQ(GetWindowLongPtr(window, 12), 0);  // would reach past the extra bytes
  EXPECT_EQ(GetClassLongPtr(window, GCL_CBWNDEXTRA), 16u);
  EXPECT_EQ(GetClassLongPtr(window, GCW_ATOM), atom);
  WNDCLASS info;
  EXPECT_TRUE(GetClassInfo(nullptr, "withextra", &info));
  EXPECT_EQ(info.cbWndExtra, 16);
  EXPECT_FALSE(UnregisterClass("WithExtra", nullptr));  // a window still uses it
  DestroyWindow(window);
  EXPECT_TRUE(UnregisterClass("WithExtra", nullptr));
  EXPECT_FALSE(GetClassInfo(nullptr, "WithExtra", &info));

  const ATOM name = GlobalAddAtom("Shared");
  EXPECT_EQ(GlobalAddAtom("SHARED"), name);
  EXPECT_EQ(GlobalFindAtom("shared"), name);
  char buffer[16];
  EXPECT_EQ(GlobalGetAtomName(name, buffer, sizeof buffer), 6u);
  EXPECT_STREQ(buffer, "Shared");
  GlobalDeleteAtom(name);
  EXPECT_EQ(GlobalFindAtom("Shared"), name);  // added twice: one reference left
  GlobalDeleteAtom(name);
  EXPECT_EQ(GlobalFindAtom("Shared"), 0);
}

TEST_F(WindowDataTest, EnumerationIdsAndOwnedWindows) {
  HWND top = Create(WS_POPUP, 0, 0, 100, 100);
  HWND a = CreateWindowEx(0, "TestWindow", "", WS_CHILD, 0, 0, 5, 5, top,
                          reinterpret_cast<HMENU>(7), nullptr, nullptr);
  HWND b = Create(WS_CHILD, 0, 0, 5, 5, top);
  HWND inner = Create(WS_CHILD, 0, 0, 2, 2, a);
  EXPECT_EQ(GetDlgCtrlID(a), 7);
  EXPECT_EQ(GetDlgItem(top, 7), a);
  Enumerated.clear();
  EnumChildWindows(top, &Collect, 0);
  EXPECT_EQ(Enumerated, (std::vector<HWND>{b, a, inner}));
  Enumerated.clear();
  EnumChildWindows(top, &Collect, 1);  // the callback stops it
  EXPECT_EQ(Enumerated.size(), 1u);
  EXPECT_EQ(GetAncestor(inner, GA_ROOT), top);
  EXPECT_EQ(FindWindow("testwindow", nullptr), top);

  HWND owned =
      CreateWindowEx(0, "TestWindow", "Owned", WS_POPUP, 0, 0, 5, 5, a, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetParent(owned), top);  // top-level windows are owned by a top-level window
  EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
  EXPECT_EQ(GetAncestor(owned, GA_PARENT), GetDesktopWindow());
  DestroyWindow(top);
  EXPECT_FALSE(IsWindow(owned));  // owned windows go with their owner
}

TEST_F(WindowDataTest, DisablingAWindowTakesFocusAndCaptureAway) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top);
  SetFocus(child);
  SetCapture(child);
  Log().clear();
  EXPECT_FALSE(EnableWindow(top, FALSE));  // it was enabled
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Find(WM_CANCELMODE, child).size(), 1u);
  EXPECT_EQ(Find(WM_ENABLE, top).front().WParam, static_cast<WPARAM>(FALSE));
  EXPECT_FALSE(IsWindowEnabled(top));
  EXPECT_TRUE(IsWindowEnabled(child));  // its own flag is untouched
  EXPECT_TRUE(EnableWindow(top, TRUE));
  EXPECT_EQ(WindowFromPoint({10, 10}), child);
}

TEST_F(WindowDataTest, ActivationFocusAndDestructionOfTheActiveWindow) {
  HWND first = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND second = Create(WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, first);
  EXPECT_EQ(GetActiveWindow(), second);
  Log().clear();
  SetFocus(child);  // a window in an inactive top-level window: that one is activated first
  EXPECT_EQ(GetActiveWindow(), first);
  EXPECT_EQ(GetFocus(), child);
  EXPECT_EQ(Find(WM_NCACTIVATE, second).front().WParam, static_cast<WPARAM>(FALSE));
  EXPECT_EQ(GetTopWindow(nullptr), first);
  DestroyWindow(first);
  EXPECT_EQ(GetActiveWindow(), second);
  EXPECT_EQ(GetFocus(), second);
  ShowWindow(second, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  HWND quiet = Create(WS_POPUP, 0, 0, 10, 10);
  ShowWindow(quiet, SW_SHOWNA);
  EXPECT_EQ(GetActiveWindow(), nullptr);  // shown without activation
  ShowWindow(quiet, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(quiet));
  TRect rect;
  GetWindowRect(quiet, &rect);
  EXPECT_EQ(rect, (TRect{0, 0, 400, 300}));
}

TEST_F(WindowDataTest, RedrawWindowInvalidatesChildrenAndPaintsAtOnce) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, top);
  Driver.ProcessMessages();
  Log().clear();
  InvalidateRect(top, nullptr, TRUE);
  TRect update;
  EXPECT_FALSE(GetUpdateRect(child, &update, FALSE));  // children clip: they stay valid
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(Find(WM_PAINT, top).size(), 1u);
  EXPECT_EQ(Find(WM_PAINT, child).size(), 1u);
  HRGN region = CreateRectRgn(0, 0, 5, 5);
  InvalidateRgn(child, region, FALSE);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(child, copy, FALSE), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(copy, region));
  ValidateRgn(child, region);
  EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
  DeleteObject(region);
  DeleteObject(copy);
  Log().clear();
  // A window that leaves WM_ERASEBKGND unanswered is told to erase itself in WM_PAINT.
  static BOOL eraseFlag = FALSE;
  SetWindowLongPtr(child, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     if (m == WM_ERASEBKGND) return 0;
                     if (m == WM_PAINT) {
                       PAINTSTRUCT paint;
                       BeginPaint(w, &paint);
                       eraseFlag = paint.fErase;
                       EndPaint(w, &paint);
                       return 0;
                     }
                     return DefWindowProc(w, m, wp, lp);
                   }));
  InvalidateRect(child, nullptr, TRUE);
  UpdateWindow(child);
  EXPECT_TRUE(eraseFlag);
}
