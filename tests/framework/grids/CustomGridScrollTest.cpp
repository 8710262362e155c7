#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "winsys/WinUser.h"

using namespace GridTest;

namespace {
// The probe grid with its vertical scroll bar: the client area is 304 x 120, the bar's 16
// pixels lie right of it.
class CustomGridScrollTest : public ::testing::Test, public TGridFixture {
 protected:
  CustomGridScrollTest() {
    Grid->SetScrollBars(ssVertical);
    Grid->SetRowCount(100);
    Driver.ProcessMessages();
  }
  SCROLLINFO Bar(int bar = SB_VERT) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Grid->GetHandle(), bar, &info);
    return info;
  }
  void Send(int code, int bar = SB_VERT) {
    SendMessage(Grid->GetHandle(), bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, 0),
                0);
  }
  // Drags the vertical thumb from the top of its trough to far below the bar, checking the top
  // row while it is held there.
  int32_t DragThumbToTheEnd() {
    const TPoint thumb = ScreenPoint(Grid, 311, 19);
    Driver.MoveTo(thumb.X, thumb.Y);
    Driver.Press();
    Driver.MoveTo(thumb.X, thumb.Y + 60);
    Driver.MoveTo(thumb.X, thumb.Y + 200);
    const int32_t whileHeld = Grid->GetTopRow();
    Driver.Release();
    return whileHeld;
  }
};
}  // namespace

TEST_F(CustomGridScrollTest, TheBarShowsRowsPageAndTopRow) {
  EXPECT_EQ(Grid->GetClientWidth(), 304);
  SCROLLINFO info = Bar();
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 98);  // the 99 scrollable rows
  EXPECT_EQ(info.nPage, 3u);
  EXPECT_EQ(info.nPos, 0);
  Grid->SetRow(50);
  EXPECT_EQ(Bar().nPos, 48 - 1);
  // A grid whose rows all fit hides its bar and gets its width back.
  Grid->SetRowCount(4);
  EXPECT_FALSE(GetWindowLongPtr(Grid->GetHandle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(Grid->GetClientWidth(), 320);
  Grid->SetRowCount(5);
  EXPECT_EQ(Grid->GetClientWidth(), 304);
  // Only the bars that ScrollBars names are kept.
  Grid->SetColCount(30);
  EXPECT_FALSE(GetWindowLongPtr(Grid->GetHandle(), GWL_STYLE) & WS_HSCROLL);
  Grid->SetScrollBars(ssBoth);
  EXPECT_TRUE(GetWindowLongPtr(Grid->GetHandle(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_EQ(Bar(SB_HORZ).nMax, 28);
}

TEST_F(CustomGridScrollTest, ScrollMessagesMoveTheTopRow) {
  Grid->Events.clear();
  Send(SB_LINEDOWN);
  EXPECT_EQ(Grid->GetTopRow(), 2);
  EXPECT_EQ(Grid->Events, (std::vector<std::string>{"TopLeft 1,2"}));
  Send(SB_PAGEDOWN);
  EXPECT_EQ(Grid->GetTopRow(), 5);
  EXPECT_EQ(Bar().nPos, 4);
  Send(SB_PAGEUP);
  Send(SB_LINEUP);
  Send(SB_LINEUP);  // the first scrollable row is as far as it goes
  EXPECT_EQ(Grid->GetTopRow(), 1);
  Send(SB_BOTTOM);
  EXPECT_EQ(Grid->GetTopRow(), 97);
  Send(SB_LINEDOWN);
  EXPECT_EQ(Grid->GetTopRow(), 97);
  Send(SB_TOP);
  EXPECT_EQ(Grid->GetTopRow(), 1);
  Grid->Events.clear();
  Send(SB_ENDSCROLL);
  EXPECT_TRUE(Grid->Events.empty());
  EXPECT_EQ(Grid->GetRow(), 1);  // scrolling leaves the current cell alone
}

TEST_F(CustomGridScrollTest, TheThumbScrollsWhenReleasedOrWhileDraggedWithThumbTracking) {
  EXPECT_EQ(DragThumbToTheEnd(), 1);
  EXPECT_EQ(Grid->GetTopRow(), 97);
  EXPECT_EQ(Bar().nPos, 96);
  Send(SB_TOP);
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goThumbTracking});
  EXPECT_EQ(DragThumbToTheEnd(), 97);
  EXPECT_EQ(Grid->GetTopRow(), 97);
}

TEST_F(CustomGridScrollTest, AMillionRowsScrollToTheirEndThroughTheThumb) {
  // Positions beyond 16 bits travel through the bar's tracking position.
  Grid->SetRowCount(1000000);
  EXPECT_EQ(Bar().nMax, 999998);
  EXPECT_EQ(DragThumbToTheEnd(), 1);
  EXPECT_EQ(Grid->GetTopRow(), 999997);
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goThumbTracking});
  Send(SB_TOP);
  EXPECT_EQ(DragThumbToTheEnd(), 999997);
}
