#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "GridTestSupport.h"
#include "winsys/WinUser.h"

using namespace GridTest;
using ControlTest::Rgb;

namespace {
class CustomGridPaintTest : public ::testing::Test, public TGridFixture {
 protected:
  std::set<std::pair<int32_t, int32_t>> Cells(const std::vector<TProbeGrid::TDrawCall>& draws) {
    std::set<std::pair<int32_t, int32_t>> cells;
    for (const auto& d : draws)
      cells.insert({d.Col, d.Row});
    return cells;
  }
  const TProbeGrid::TDrawCall* Find(const std::vector<TProbeGrid::TDrawCall>& draws, int32_t col,
                                    int32_t row) {
    for (const auto& d : draws)
      if (d.Col == col && d.Row == row) return &d;
    return nullptr;
  }
};
}  // namespace

TEST_F(CustomGridPaintTest, PaintDrawsEachVisibleCellOnce) {
  auto draws = PaintAll();
  EXPECT_EQ(draws.size(), 25u);  // five by five, the last row and column in part
  EXPECT_EQ(Cells(draws).size(), 25u);
  ASSERT_NE(Find(draws, 4, 4), nullptr);
  EXPECT_EQ(Find(draws, 4, 4)->Rect, (TRect{260, 100, 324, 124}));  // the whole cell
  // Far down a million rows, only the rows on screen are drawn.
  Grid->SetRowCount(1000000);
  Grid->SetTopRow(500000);
  draws = PaintAll();
  std::set<int32_t> rows;
  for (const auto& d : draws)
    rows.insert(d.Row);
  EXPECT_EQ(rows, (std::set<int32_t>{0, 500000, 500001, 500002, 500003}));
  EXPECT_EQ(draws.size(), 25u);
  // A partial invalidation draws only the cells it touches.
  Grid->Draws.clear();
  const TRect cell = Grid->CellRect(2, 500001);
  InvalidateRect(Grid->GetHandle(), &cell, FALSE);
  Grid->Update();
  EXPECT_EQ(Cells(Grid->Draws), (std::set<std::pair<int32_t, int32_t>>{{2, 500001}}));
}

TEST_F(CustomGridPaintTest, DrawStatesMarkFixedSelectedAndFocusedCells) {
  auto draws = PaintAll();
  EXPECT_EQ(Find(draws, 0, 0)->State, TGridDrawState{gdFixed});
  EXPECT_EQ(Find(draws, 3, 0)->State, TGridDrawState{gdFixed});
  EXPECT_EQ(Find(draws, 1, 1)->State, TGridDrawState{gdSelected});
  EXPECT_EQ(Find(draws, 2, 1)->State, TGridDrawState{});
  Grid->SetFocus();
  draws = PaintAll();
  EXPECT_EQ(Find(draws, 1, 1)->State, (TGridDrawState{gdSelected, gdFocused}));
  Grid->SetOptions({goRowSelect});
  draws = PaintAll();
  EXPECT_EQ(Find(draws, 3, 1)->State, TGridDrawState{gdSelected});
}

TEST_F(CustomGridPaintTest, TheAreaOutsideTheCellsIsFilledWithColor) {
  Grid->SetDefaultDrawing(false);
  Grid->SetOptions({});
  Grid->SetRowCount(3);
  Grid->SetColCount(2);
  Grid->SetColor(clYellow);
  Grid->CellColor = clRed;
  PaintAll();
  Driver.ProcessMessages();
  // Cells cover x < 128 and y < 72; the rest of the 320 x 120 client area is Color.
  EXPECT_EQ(Pixel(Grid, 100, 30), Rgb(clRed));
  EXPECT_EQ(Pixel(Grid, 127, 71), Rgb(clRed));
  EXPECT_EQ(Pixel(Grid, 128, 10), Rgb(clYellow));
  EXPECT_EQ(Pixel(Grid, 319, 119), Rgb(clYellow));
  EXPECT_EQ(Pixel(Grid, 10, 72), Rgb(clYellow));
  EXPECT_EQ(Pixel(Grid, 100, 119), Rgb(clYellow));
  // A grid larger than its client area leaves nothing to fill.
  Grid->SetRowCount(50);
  Grid->SetColCount(20);
  PaintAll();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Grid, 319, 119), Rgb(clRed));
}

TEST_F(CustomGridPaintTest, DefaultDrawingPaintsBackgroundsLinesAndTheFocusMark) {
  Grid->SetColor(clWhite);
  Grid->SetFixedColor(clGray);
  PaintAll();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Grid, 30, 10), Rgb(clGray));        // a fixed cell
  EXPECT_EQ(Pixel(Grid, 150, 60), Rgb(clWhite));      // a plain cell
  EXPECT_EQ(Pixel(Grid, 100, 40), Rgb(clHighlight));  // the current cell, unfocused
  EXPECT_EQ(Pixel(Grid, 64, 10), Rgb(clBlack));       // the line right of a fixed cell
  EXPECT_EQ(Pixel(Grid, 129, 60), Rgb(clSilver));     // the line right of a plain cell
  EXPECT_EQ(Pixel(Grid, 150, 49), Rgb(clSilver));     // the line below it
  Grid->SetFocus();
  PaintAll();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Grid, 100, 40), Rgb(clWhite));  // focused: plain, with a dotted frame
  EXPECT_NE(Pixel(Grid, 65, 25), Pixel(Grid, 66, 25));
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goDrawFocusSelected});
  PaintAll();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Grid, 100, 40), Rgb(clHighlight));
}

TEST_F(CustomGridPaintTest, APressSelectsTheCellAndADragFollowsIt) {
  Grid->SetRowCount(20);
  ClickCell(140, 80);  // column 2, row 3
  EXPECT_TRUE(Grid->Focused());
  EXPECT_EQ(Grid->GetCol(), 2);
  EXPECT_EQ(Grid->GetRow(), 3);
  ClickCell(30, 60);  // a fixed cell selects nothing
  EXPECT_EQ(Grid->GetCol(), 2);
  EXPECT_EQ(Grid->GetRow(), 3);
  // Dragging below the client area moves the selection row by row and scrolls.
  const TPoint from = ScreenPoint(Grid, 100, 30);
  Driver.MoveTo(from.X, from.Y);
  Driver.Press();
  EXPECT_EQ(Grid->GetRow(), 1);
  for (int i = 0; i < 5; ++i)
    Driver.MoveTo(from.X, from.Y + 120 + i);
  Driver.Release();
  EXPECT_EQ(Grid->GetRow(), 6);
  EXPECT_EQ(Grid->GetTopRow(), 4);
}

TEST_F(CustomGridPaintTest, ADoubleClickReachesMouseDownWithTheDoubleFlag) {
  Grid->KeepMouseDown = true;  // a descendant that handles the mouse itself
  Grid->Events.clear();
  const TPoint p = ScreenPoint(Grid, 100, 30);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Grid->Events,
            (std::vector<std::string>{"MouseDown 0 100,30", "MouseDown 0 100,30 double"}));
  // The base class's own MouseDown turns the flag into one DblClick.
  Grid->KeepMouseDown = false;
  Grid->Events.clear();
  Driver.AdvanceClock(1000);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Grid->Events, (std::vector<std::string>{"MouseDown 0 100,30", "Select 1,1",
                                                    "MouseDown 0 100,30 double", "DblClick"}));
}

TEST_F(CustomGridPaintTest, ColumnsAreSizedByDraggingTheirLineInTheFixedRow) {
  const TPoint line = ScreenPoint(Grid, 129, 10);  // right of column 1
  Driver.Drag(line.X, line.Y, line.X + 30, line.Y);
  EXPECT_EQ(Grid->GetColWidths(1), 64);  // without goColSizing nothing happens
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goColSizing});
  Driver.MoveTo(line.X, line.Y);
  EXPECT_EQ(GetCursor(), Screen->GetCursors(crHSplit));
  Driver.Drag(line.X, line.Y, line.X + 30, line.Y);
  EXPECT_EQ(Grid->GetColWidths(1), 94);
  EXPECT_EQ(Grid->GetRow(), 1);
  const TPoint cell = ScreenPoint(Grid, 129, 60);  // the same line below the fixed row
  Driver.Drag(cell.X, cell.Y, cell.X + 30, cell.Y);
  EXPECT_EQ(Grid->GetColWidths(1), 94);
}
