#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class ScrollBarTest : public ::testing::Test, public TFixtureBase {
 protected:
  // A 200x116 client area at the screen's top-left, without a frame.
  HWND Window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 216, 116);

  void SetRange(int max, int page, UINT extra = 0) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | extra;
    info.nMin = 0;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    SetScrollInfo(Window, SB_VERT, &info, TRUE);
  }
  int ClientWidth() {
    TRect rect;
    GetClientRect(Window, &rect);
    return rect.Width();
  }
  std::vector<int> Codes() {
    std::vector<int> codes;
    for (const TRecord& r : Find(WM_VSCROLL, Window))
      codes.push_back(LOWORD(r.WParam));
    return codes;
  }
  SCROLLINFO Info() {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Window, SB_VERT, &info);
    return info;
  }
};
}  // namespace

TEST_F(ScrollBarTest, TheBarShowsAndHidesWithRangeAndPage) {
  EXPECT_EQ(ClientWidth(), 216);
  Log().clear();
  SetRange(9, 4);  // ten rows, four visible
  EXPECT_TRUE(GetWindowLongPtr(Window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(ClientWidth(), 200);
  ASSERT_FALSE(Find(WM_SIZE, Window).empty());
  EXPECT_EQ(LOWORD(Find(WM_SIZE, Window).back().LParam), 200);
  EXPECT_EQ(Info().nMax, 9);
  EXPECT_EQ(Info().nPage, 4u);
  SetRange(9, 10);  // the page covers everything
  EXPECT_FALSE(GetWindowLongPtr(Window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(ClientWidth(), 216);
  SetRange(9, 4);
  EXPECT_TRUE(SetScrollRange(Window, SB_VERT, 0, 0, TRUE));
  EXPECT_FALSE(GetWindowLongPtr(Window, GWL_STYLE) & WS_VSCROLL);
  SetRange(9, 10, SIF_DISABLENOSCROLL);
  EXPECT_TRUE(GetWindowLongPtr(Window, GWL_STYLE) & WS_VSCROLL);  // kept, disabled
  EXPECT_EQ(GetSystemMetrics(SM_CXHTHUMB), 16);
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
}

TEST_F(ScrollBarTest, PositionsStayWithinTheRangeLessThePage) {
  SetRange(9, 4);
  EXPECT_EQ(SetScrollPos(Window, SB_VERT, 100, TRUE), 0);
  EXPECT_EQ(GetScrollPos(Window, SB_VERT), 6);
  SetScrollPos(Window, SB_VERT, -3, TRUE);
  EXPECT_EQ(GetScrollPos(Window, SB_VERT), 0);
  int min = -1, max = -1;
  EXPECT_TRUE(GetScrollRange(Window, SB_VERT, &min, &max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 9);
}

TEST_F(ScrollBarTest, ArrowsRepeatWhileHeldAndEndWithEndScroll) {
  SetRange(9, 4);
  Log().clear();
  Driver.MoveTo(208, 110);  // the down arrow: the bottom 16 pixels of the bar
  Driver.Press();
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEDOWN}));
  Driver.AdvanceClock(349);
  EXPECT_EQ(Codes().size(), 1u);
  Driver.AdvanceClock(1);
  EXPECT_EQ(Codes().size(), 2u);
  Driver.AdvanceClock(100);  // two more at the repeat rate
  EXPECT_EQ(Codes().size(), 4u);
  Driver.Release();
  EXPECT_EQ(Codes().back(), SB_ENDSCROLL);
  Log().clear();
  Driver.Click(208, 5);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL}));
  EXPECT_TRUE(Find(WM_LBUTTONDOWN).empty());  // the bar's clicks are not client clicks
  Log().clear();
  Driver.Click(208, 5);  // a quick second click is a double click: it scrolls again
  EXPECT_EQ(Codes(), (std::vector<int>{SB_LINEUP, SB_ENDSCROLL}));
  EXPECT_EQ(Find(WM_NCLBUTTONDBLCLK, Window).size(), 1u);
}

TEST_F(ScrollBarTest, HorizontalBarsWorkLikeVerticalOnes) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = 19;
  info.nPage = 5;
  info.nPos = 3;
  EXPECT_EQ(SetScrollInfo(Window, SB_HORZ, &info, TRUE), 3);
  TRect client;
  GetClientRect(Window, &client);
  EXPECT_EQ(client.Height(), 100);
  Log().clear();
  Driver.Click(211, 108);  // the right arrow
  const auto scrolls = Find(WM_HSCROLL, Window);
  ASSERT_EQ(scrolls.size(), 2u);
  EXPECT_EQ(LOWORD(scrolls[0].WParam), SB_LINERIGHT);
  EXPECT_TRUE(ShowScrollBar(Window, SB_HORZ, FALSE));
  GetClientRect(Window, &client);
  EXPECT_EQ(client.Height(), 116);
  EXPECT_FALSE(ShowScrollBar(Window, 7, TRUE));
}

TEST_F(ScrollBarTest, TroughClicksPageTowardsThePointer) {
  SetRange(9, 4);
  Log().clear();
  Driver.Click(208, 90);  // below the thumb, which sits at the top
  EXPECT_EQ(Codes(), (std::vector<int>{SB_PAGEDOWN, SB_ENDSCROLL}));
  SetScrollPos(Window, SB_VERT, 6, TRUE);
  Log().clear();
  Driver.Click(208, 20);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_PAGEUP, SB_ENDSCROLL}));
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
  SetRange(9, 4);
  // The trough is 84 pixels long (116 less two arrows); the thumb 84 * 4 / 10 = 33.
  static int trackDuringDrag = -1;
  SetWindowLongPtr(Window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     Log().push_back({w, m, wp, lp});
                     if (m == WM_VSCROLL && LOWORD(wp) == SB_THUMBTRACK) {
                       SCROLLINFO info;
                       info.fMask = SIF_TRACKPOS | SIF_POS;
                       GetScrollInfo(w, SB_VERT, &info);
                       trackDuringDrag = info.nTrackPos;
                       // The position itself stays until the program sets it.
                       EXPECT_EQ(info.nPos, 0);
                     }
                     return DefWindowProc(w, m, wp, lp);
                   }));
  Log().clear();
  Driver.Drag(208, 20, 208, 20 + 51);  // the thumb's free travel is 51 pixels: all the way
  const auto tracks = Find(WM_VSCROLL, Window);
  ASSERT_GE(tracks.size(), 3u);
  EXPECT_EQ(LOWORD(tracks.front().WParam), SB_THUMBTRACK);
  EXPECT_EQ(trackDuringDrag, 6);
  EXPECT_EQ(LOWORD(tracks[tracks.size() - 2].WParam), SB_THUMBPOSITION);
  EXPECT_EQ(HIWORD(tracks[tracks.size() - 2].WParam), 6);
  EXPECT_EQ(LOWORD(tracks.back().WParam), SB_ENDSCROLL);
  int previous = -1;
  for (const TRecord& r : tracks)
    if (LOWORD(r.WParam) == SB_THUMBTRACK) {
      EXPECT_GT(HIWORD(r.WParam), previous);
      previous = HIWORD(r.WParam);
    }
}

TEST_F(ScrollBarTest, TheFinalThumbPositionIsReadableBeyondSixteenBits) {
  SetRange(999999, 4);
  static int trackAtPosition = -1;
  SetWindowLongPtr(Window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                     if (m == WM_VSCROLL && LOWORD(wp) == SB_THUMBPOSITION) {
                       SCROLLINFO info;
                       info.fMask = SIF_TRACKPOS;
                       GetScrollInfo(w, SB_VERT, &info);
                       trackAtPosition = info.nTrackPos;
                     }
                     return DefWindowProc(w, m, wp, lp);
                   }));
  Driver.Drag(208, 20, 208, 200);  // from the thumb at the top to far below the bar
  EXPECT_EQ(trackAtPosition, 999996);
  SCROLLINFO info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(Window, SB_VERT, &info);
  EXPECT_EQ(info.nTrackPos, 0);  // tracking is over: the position the program set
}

TEST_F(ScrollBarTest, CancelModeEndsTracking) {
  SetRange(9, 4);
  Driver.MoveTo(208, 110);
  Driver.Press();
  Log().clear();
  SendMessage(Window, WM_CANCELMODE, 0, 0);
  EXPECT_EQ(Codes(), (std::vector<int>{SB_ENDSCROLL}));
  Driver.AdvanceClock(1000);
  EXPECT_EQ(Codes().size(), 1u);  // no more repeats
  Driver.Release();
}

TEST_F(ScrollBarTest, ArrowButtonsShowSevenByFourArrows) {
  SetRange(9, 4);
  // The up arrow's button is the bar's top 16x16 pixels, the down arrow's its bottom ones.
  auto glyph = [&](int left, int top) {
    std::vector<std::string> rows;
    for (int y = 2; y < 14; ++y) {  // inside the button's two-pixel bevel
      std::string row;
      for (int x = 2; x < 14; ++x)
        row += Driver.ScreenPixel(left + x, top + y) == GetSysColor(COLOR_BTNTEXT) ? '#' : '.';
      rows.push_back(row);
    }
    return rows;
  };
  const std::string blank(12, '.');
  const std::vector<std::string> up{blank,          blank,          blank,          blank,
                                    ".....#......", "....###.....", "...#####....", "..#######...",
                                    blank,          blank,          blank,          blank};
  EXPECT_EQ(glyph(200, 0), up);
  const std::vector<std::string> down{
      blank,          blank,          blank, blank, "..#######...", "...#####....",
      "....###.....", ".....#......", blank, blank, blank,          blank};
  EXPECT_EQ(glyph(200, 100), down);
}
