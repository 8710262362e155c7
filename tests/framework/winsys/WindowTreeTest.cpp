#include <gtest/gtest.h>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class WindowTreeTest : public ::testing::Test, public TFixtureBase {};

TRect ClientOf(HWND window) {
  TRect rect;
  GetClientRect(window, &rect);
  return rect;
}
}  // namespace

TEST_F(WindowTreeTest, ChildrenKeepZOrderAndTopmostWindowsStayAbove) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  HWND a = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  HWND b = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  HWND c = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  EXPECT_EQ(GetWindow(top, GW_CHILD), c);  // the newest child is on top
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
  SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(top, GW_CHILD), b);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), c);
  SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // just below b
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(GetParent(a), top);
  EXPECT_TRUE(IsChild(top, a));
  EXPECT_FALSE(IsChild(a, top));

  HWND topmost = Create(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, 0, WS_EX_TOPMOST);
  HWND plain = Create(WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
  EXPECT_EQ(GetTopWindow(nullptr), topmost);
  BringWindowToTop(plain);
  EXPECT_EQ(GetTopWindow(nullptr), topmost);
  EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), plain);
}

TEST_F(WindowTreeTest, NonClientAreasShrinkTheClientRectangle) {
  HWND bordered = Create(WS_CHILD | WS_BORDER, 10, 20, 100, 50, GetDesktopWindow());
  EXPECT_EQ(ClientOf(bordered), (TRect{0, 0, 98, 48}));
  HWND scrolled = Create(WS_POPUP | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, 0, 100, 50);
  EXPECT_EQ(ClientOf(scrolled), (TRect{0, 0, 98 - 16, 48 - 16}));
  HWND framed = Create(WS_OVERLAPPED | WS_CAPTION, 0, 0, 200, 100);
  // A dialog frame of 3 pixels and a caption of 19.
  EXPECT_EQ(ClientOf(framed), (TRect{0, 0, 194, 100 - 6 - 19}));
  HWND edged = Create(WS_POPUP, 0, 0, 100, 100, nullptr, 0, WS_EX_CLIENTEDGE);
  EXPECT_EQ(ClientOf(edged), (TRect{0, 0, 96, 96}));
  TRect adjusted{0, 0, 194, 75};
  AdjustWindowRectEx(&adjusted, WS_CAPTION, FALSE, 0);
  EXPECT_EQ(adjusted, (TRect{-3, -22, 197, 78}));
}

TEST_F(WindowTreeTest, CoordinatesMapBetweenWindowsAndTheScreen) {
  HWND top = Create(WS_POPUP | WS_BORDER | WS_VISIBLE, 50, 40, 200, 150);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 20, 50, 50, top);
  TPoint p{1, 2};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (TPoint{50 + 1 + 10 + 1, 40 + 1 + 20 + 2}));
  ScreenToClient(top, &p);
  EXPECT_EQ(p, (TPoint{11, 22}));
  TPoint points[2] = {{0, 0}, {5, 5}};
  const int shift = MapWindowPoints(child, top, points, 2);
  EXPECT_EQ(points[1], (TPoint{15, 25}));
  EXPECT_EQ(LOWORD(shift), 10);
  EXPECT_EQ(HIWORD(shift), 20);
  TRect rect;
  GetWindowRect(child, &rect);
  EXPECT_EQ(rect, (TRect{61, 61, 111, 111}));
  EXPECT_EQ(WindowFromPoint({70, 70}), child);
  EXPECT_EQ(WindowFromPoint({52, 42}), top);
  EXPECT_EQ(ChildWindowFromPoint(top, {15, 25}), child);
}

TEST_F(WindowTreeTest, SetParentMovesAWindowToTheDesktopAndBack) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 100, 100, 200, 200);
  HWND popup = Create(WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, top);
  EXPECT_EQ(SetParent(popup, GetDesktopWindow()), top);
  EXPECT_EQ(GetAncestor(popup, GA_PARENT), GetDesktopWindow());
  TRect rect;
  GetWindowRect(popup, &rect);
  EXPECT_EQ(rect.TopLeft(), (TPoint{10, 10}));  // now in screen coordinates
  SetWindowPos(popup, HWND_TOP, 300, 200, 0, 0, SWP_NOSIZE);
  EXPECT_EQ(WindowFromPoint({305, 205}), popup);
  EXPECT_EQ(SetParent(popup, top), GetDesktopWindow());
  EXPECT_EQ(GetParent(popup), top);
  EXPECT_EQ(SetParent(top, popup), nullptr);  // no cycles
  EXPECT_EQ(SetParent(popup, popup), nullptr);
}

TEST_F(WindowTreeTest, DestroyingSendsMessagesInThePlatformsOrder) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  HWND grandchild = Create(WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, child);
  Log().clear();
  EXPECT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> order;
  for (const TRecord& r : Log())
    if (r.Message == WM_DESTROY || r.Message == WM_NCDESTROY)
      order.push_back({r.Window, r.Message});
  const std::vector<std::pair<HWND, UINT>> expected = {
      {top, WM_DESTROY},          {child, WM_DESTROY},   {grandchild, WM_DESTROY},
      {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(grandchild));
  EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WindowTreeTest, CreationSendsItsMessagesAndCanBeRefused) {
  HWND window = Create(WS_POPUP, 5, 6, 70, 80);
  EXPECT_EQ(Sequence(window, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
  EXPECT_EQ(Find(WM_SIZE, window).front().LParam, MAKELPARAM(70, 80));
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                           nullptr),
            nullptr);
  EXPECT_EQ(
      CreateWindowEx(0, "TestWindow", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
      nullptr);  // a child needs a parent

  WNDCLASS refusing;
  refusing.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    return m == WM_CREATE ? -1 : DefWindowProc(w, m, wp, lp);
  };
  refusing.lpszClassName = "Refusing";
  ASSERT_NE(RegisterClass(&refusing), 0);
  EXPECT_EQ(RegisterClass(&refusing), 0);  // the name is taken
  EXPECT_EQ(
      CreateWindowEx(0, "refusing", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
      nullptr);
}

TEST_F(WindowTreeTest, PlacementChangesAreReportedAndShowWindowAnswersThePreviousState) {
  HWND window = Create(WS_POPUP, 0, 0, 100, 100);
  EXPECT_FALSE(ShowWindow(window, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(ShowWindow(window, SW_SHOW));
  Log().clear();
  EXPECT_TRUE(MoveWindow(window, 10, 20, 30, 40, TRUE));
  EXPECT_EQ(Sequence(window, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
            (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
  EXPECT_EQ(Find(WM_MOVE, window).back().LParam, MAKELPARAM(10, 20));
  Log().clear();
  SetWindowPos(window, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(Find(WM_SIZE, window).empty());
  EXPECT_EQ(Find(WM_MOVE, window).size(), 1u);
  EXPECT_TRUE(ShowWindow(window, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(window));
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, window);
  EXPECT_FALSE(IsWindowVisible(child));  // its parent is hidden
}

TEST_F(WindowTreeTest, WindowProceduresCanBeReplacedAndChained) {
  static WNDPROC original = nullptr;
  static int seen = 0;
  HWND window = Create(WS_POPUP, 0, 0, 10, 10);
  WNDPROC subclass = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER + 1) {
      ++seen;
      return 42 + CallWindowProc(original, w, m, wp, lp);
    }
    return CallWindowProc(original, w, m, wp, lp);
  };
  original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass)));
  ASSERT_NE(original, nullptr);
  Log().clear();
  EXPECT_EQ(SendMessage(window, WM_USER + 1, 7, 8), 42);
  EXPECT_EQ(seen, 1);
  ASSERT_EQ(Find(WM_USER + 1).size(), 1u);  // the original procedure got it too
  EXPECT_EQ(Find(WM_USER + 1).front().WParam, 7u);
  SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  EXPECT_EQ(SendMessage(window, WM_USER + 1, 0, 0), 0);
  EXPECT_EQ(seen, 1);
}

TEST_F(WindowTreeTest, PropertiesUserDataAndTextBelongToTheWindow) {
  HWND window = Create(WS_POPUP | WS_CAPTION, 0, 0, 100, 100);
  int object = 0;
  EXPECT_TRUE(SetProp(window, "Control", &object));
  EXPECT_EQ(GetProp(window, "CONTROL"), &object);  // names ignore case
  ATOM atom = GlobalAddAtom("ControlAtom");
  SetProp(window, MAKEINTATOM(atom), &atom);
  EXPECT_EQ(GetProp(window, "controlatom"), &atom);
  EXPECT_EQ(RemoveProp(window, "Control"), &object);
  EXPECT_EQ(GetProp(window, "Control"), nullptr);
  SetWindowLongPtr(window, GWLP_USERDATA, 1234);
  EXPECT_EQ(GetWindowLongPtr(window, GWLP_USERDATA), 1234);
  EXPECT_EQ(GetWindowLongPtr(window, GWL_STYLE) & WS_CAPTION, static_cast<LONG_PTR>(WS_CAPTION));

  EXPECT_TRUE(SetWindowText(window, "Caption"));
  char buffer[5];
  EXPECT_EQ(GetWindowText(window, buffer, sizeof buffer), 4);
  EXPECT_STREQ(buffer, "Capt");
  EXPECT_EQ(GetWindowTextLength(window), 7);
  char name[32];
  EXPECT_EQ(GetClassName(window, name, sizeof name), 10);
  EXPECT_STREQ(name, "TestWindow");
}

TEST_F(WindowTreeTest, DefaultProcedureHitTestsTheNonClientParts) {
  HWND window =
      Create(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VSCROLL | WS_VISIBLE, 100, 100, 200, 150);
  auto hit = [window](int x, int y) {
    return static_cast<int>(SendMessage(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)));
  };
  EXPECT_EQ(hit(150, 150), HTCLIENT);
  EXPECT_EQ(hit(150, 110), HTCAPTION);
  EXPECT_EQ(hit(100 + 200 - 3 - 4, 110), HTCLOSE);
  EXPECT_EQ(hit(100 + 200 - 3 - 8, 180), HTVSCROLL);
  EXPECT_EQ(hit(101, 180), HTBORDER);
  EXPECT_EQ(hit(90, 90), HTNOWHERE);
  SendMessage(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTreeTest, MessagesAreSentAtOnceOrQueuedInOrder) {
  HWND window = Create(WS_POPUP, 0, 0, 10, 10);
  PostMessage(window, WM_USER + 1, 1, 0);
  PostMessage(window, WM_USER + 2, 2, 0);
  SendMessage(window, WM_USER + 3, 3, 0);
  EXPECT_EQ(Sequence(window, {WM_USER + 1, WM_USER + 2, WM_USER + 3}),
            (std::vector<UINT>{WM_USER + 3}));
  MSG message;
  EXPECT_TRUE(PeekMessage(&message, nullptr, WM_USER + 2, WM_USER + 2, PM_NOREMOVE));
  EXPECT_EQ(message.wParam, 2u);
  EXPECT_TRUE(PeekMessage(&message, nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE));
  PostQuitMessage(5);
  ASSERT_EQ(GetMessage(&message, nullptr, 0, 0), TRUE);
  EXPECT_EQ(message.message, UINT{WM_USER + 1});
  EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), FALSE);
  EXPECT_EQ(message.message, UINT{WM_QUIT});
  EXPECT_EQ(message.wParam, 5u);
}

TEST_F(WindowTreeTest, TimersFireByTheInjectedClock) {
  HWND window = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_EQ(SetTimer(window, 7, 100, nullptr), 7u);
  Driver.AdvanceClock(99);
  EXPECT_TRUE(Find(WM_TIMER, window).empty());
  Driver.AdvanceClock(1);
  ASSERT_EQ(Find(WM_TIMER, window).size(), 1u);
  EXPECT_EQ(Find(WM_TIMER, window).front().WParam, 7u);
  Driver.AdvanceClock(100);
  EXPECT_EQ(Find(WM_TIMER, window).size(), 2u);
  EXPECT_TRUE(KillTimer(window, 7));
  Driver.AdvanceClock(500);
  EXPECT_EQ(Find(WM_TIMER, window).size(), 2u);
  EXPECT_FALSE(KillTimer(window, 7));
}

TEST_F(WindowTreeTest, StaleAndInventedHandlesFailSafely) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  DestroyWindow(window);
  HWND invented = reinterpret_cast<HWND>(0x12345);
  for (HWND bad : {window, invented}) {
    TRect rect{1, 2, 3, 4};
    TPoint point{5, 6};
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(GetWindowRect(bad, &rect));
    EXPECT_EQ(rect, (TRect{1, 2, 3, 4}));
    EXPECT_FALSE(GetClientRect(bad, &rect));
    EXPECT_FALSE(ClientToScreen(bad, &point));
    EXPECT_EQ(SendMessage(bad, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(bad, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowPos(bad, nullptr, 0, 0, 1, 1, 0));
    EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_EQ(GetDC(bad), nullptr);
    EXPECT_EQ(SetFocus(bad), nullptr);
    EXPECT_EQ(SetCapture(bad), nullptr);
    EXPECT_EQ(SetParent(bad, nullptr), nullptr);
    EXPECT_EQ(GetWindowLongPtr(bad, GWL_STYLE), 0);
    EXPECT_FALSE(SetProp(bad, "x", nullptr));
    EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
    EXPECT_FALSE(UpdateWindow(bad));
    EXPECT_EQ(SetScrollInfo(bad, SB_VERT, nullptr, TRUE), 0);
    EXPECT_EQ(SetTimer(bad, 1, 10, nullptr), 0u);
    MSG message;
    EXPECT_EQ(GetMessage(&message, bad, 0, 0), -1);
  }
  HWND live = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_FALSE(GetWindowRect(live, nullptr));
  EXPECT_EQ(SetScrollInfo(live, SB_VERT, nullptr, TRUE), 0);
  EXPECT_EQ(SetScrollInfo(live, 9, nullptr, TRUE), 0);
}
