#include <gtest/gtest.h>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class NonClientTest : public ::testing::Test, public TFixtureBase {};

const COLORREF Client = RGB(0, 255, 0);
}  // namespace

TEST_F(NonClientTest, FramesAndCaptionsArePaintedInTheClassicColours) {
  HWND bordered = Create(WS_POPUP | WS_BORDER | WS_VISIBLE, 10, 10, 40, 30, nullptr, Client);
  EXPECT_EQ(Driver.ScreenPixel(10, 10), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(Driver.ScreenPixel(49, 39), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(Driver.ScreenPixel(11, 11), Client);
  HWND inactive =
      Create(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100, 10, 120, 80, nullptr, Client);
  HWND active = Create(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100, 120, 120, 80, nullptr, Client);
  EXPECT_EQ(GetActiveWindow(), active);
  // Caption rows start below the 3-pixel dialog frame.
  EXPECT_EQ(Driver.ScreenPixel(150, 125), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(Driver.ScreenPixel(150, 15), GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_EQ(Driver.ScreenPixel(100, 125), GetSysColor(COLOR_3DLIGHT));  // the raised frame
  SetActiveWindow(inactive);
  EXPECT_EQ(Driver.ScreenPixel(150, 15), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(Driver.ScreenPixel(150, 125), GetSysColor(COLOR_INACTIVECAPTION));
  HWND edged = Create(WS_POPUP | WS_VISIBLE, 10, 60, 30, 30, nullptr, Client, WS_EX_CLIENTEDGE);
  EXPECT_EQ(Driver.ScreenPixel(10, 60), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Driver.ScreenPixel(11, 61), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(Driver.ScreenPixel(12, 62), Client);
  (void)bordered;
  (void)edged;
}

TEST_F(NonClientTest, ScrollBarsPaintArrowsTroughAndThumb) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 116, 116, nullptr, Client);
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMax = 99;
  info.nPage = 50;
  SetScrollInfo(window, SB_VERT, &info, TRUE);
  Driver.ProcessMessages();
  EXPECT_EQ(Driver.ScreenPixel(99, 50), Client);
  EXPECT_EQ(Driver.ScreenPixel(108, 8), GetSysColor(COLOR_BTNTEXT));   // the up arrow's glyph
  EXPECT_EQ(Driver.ScreenPixel(100, 17), GetSysColor(COLOR_3DLIGHT));  // the thumb's raised edge
  EXPECT_EQ(Driver.ScreenPixel(108, 30), GetSysColor(COLOR_BTNFACE));  // inside the thumb (42 long)
  const COLORREF trough = Driver.ScreenPixel(108, 80);
  EXPECT_TRUE(trough == GetSysColor(COLOR_BTNHIGHLIGHT) || trough == GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(Driver.ScreenPixel(108, 80), Driver.ScreenPixel(109, 80));  // the dithered trough
}

TEST_F(NonClientTest, CaptionsMoveWindowsAndTheCloseButtonCloses) {
  HWND window = Create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50, 50, 150, 100);
  Driver.Drag(100, 60, 130, 90);  // grab the caption
  TRect rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.TopLeft(), (TPoint{80, 80}));
  EXPECT_TRUE(Find(WM_LBUTTONDOWN).empty());
  // The close button: pressed, moved off and released does nothing.
  const int closeX = 80 + 150 - 3 - 4, closeY = 80 + 3 + 6;
  Driver.MoveTo(closeX, closeY);
  Driver.Press();
  Driver.MoveTo(closeX - 40, closeY);
  Driver.Release();
  EXPECT_TRUE(IsWindow(window));
  Driver.Click(closeX, closeY);
  EXPECT_EQ(Find(WM_SYSCOMMAND, window).size(), 1u);
  EXPECT_EQ(Find(WM_CLOSE, window).size(), 1u);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(NonClientTest, ThickFramesAnswerSizingHitTests) {
  HWND window = Create(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 100, 100, 100, 100);
  auto hit = [window](int x, int y) {
    return static_cast<int>(SendMessage(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)));
  };
  EXPECT_EQ(hit(101, 150), HTLEFT);
  EXPECT_EQ(hit(198, 150), HTRIGHT);
  EXPECT_EQ(hit(150, 101), HTTOP);
  EXPECT_EQ(hit(150, 199), HTBOTTOM);
  EXPECT_EQ(hit(101, 101), HTTOPLEFT);
  EXPECT_EQ(hit(199, 199), HTBOTTOMRIGHT);
  Log().clear();
  Driver.MoveTo(101, 150);
  EXPECT_EQ(CursorShape(GetCursor()), TCursorShape::SizeWE);
  Driver.MoveTo(199, 199);
  EXPECT_EQ(CursorShape(GetCursor()), TCursorShape::SizeNWSE);
  Driver.MoveTo(150, 150);
  EXPECT_EQ(CursorShape(GetCursor()), TCursorShape::Arrow);
}
