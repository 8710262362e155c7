#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "rtti/PropInfo.h"
#include "winsys/VirtualKeys.h"

using namespace GridTest;

namespace {
class CustomGridTest : public ::testing::Test, public TGridFixture {};

TRect R(int left, int top, int right, int bottom) {
  return {left, top, right, bottom};
}
}  // namespace

TEST_F(CustomGridTest, StartsWithTheDeclaredDefaults) {
  auto* fresh = new TProbeGrid(Form);
  EXPECT_EQ(fresh->GetRowCount(), 5);
  EXPECT_EQ(fresh->GetColCount(), 5);
  EXPECT_EQ(fresh->GetFixedRows(), 1);
  EXPECT_EQ(fresh->GetFixedCols(), 1);
  EXPECT_EQ(fresh->GetDefaultColWidth(), 64);
  EXPECT_EQ(fresh->GetDefaultRowHeight(), 24);
  EXPECT_EQ(fresh->GetGridLineWidth(), 1);
  EXPECT_EQ(fresh->GetColWidths(4), 64);
  EXPECT_EQ(fresh->GetFixedColor(), clBtnFace);
  EXPECT_EQ(fresh->GetColor(), clWindow);
  EXPECT_EQ(fresh->GetOptions(), TGridOptions({goFixedVertLine, goFixedHorzLine, goVertLine,
                                               goHorzLine, goRangeSelect}));
  EXPECT_EQ(fresh->GetScrollBars(), ssBoth);
  EXPECT_EQ(fresh->GetBorderStyle(), bsSingle);
  EXPECT_TRUE(fresh->GetDefaultDrawing());
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_EQ(fresh->GetRow(), 1);
  EXPECT_EQ(fresh->GetCol(), 1);
  EXPECT_EQ(fresh->GetTopRow(), 1);
  EXPECT_EQ(fresh->GetLeftCol(), 1);
  // Bit 14 is thumb tracking, as on the platform.
  EXPECT_EQ(TGridOptions({goThumbTracking}).Bits(), 1u << 14);
  // The published properties every grid shares, with the declared defaults.
  struct TExpected {
    const char* Name;
    int64_t Default;
  };
  for (TExpected e : {TExpected{"Align", alNone},
                      {"BorderStyle", bsSingle},
                      {"DragCursor", crDrag},
                      {"DragMode", dmManual},
                      {"Enabled", 1},
                      {"ParentColor", 0},
                      {"ParentCtl3D", 1},
                      {"ParentFont", 1},
                      {"ParentShowHint", 1},
                      {"TabOrder", -1},
                      {"TabStop", 1},
                      {"Visible", 1}}) {
    PPropInfo info = GetPropInfo(TCustomGrid::StaticClass(), e.Name);
    ASSERT_NE(info, nullptr) << e.Name;
    EXPECT_TRUE(info->HasDefault()) << e.Name;
    EXPECT_EQ(info->GetDefault(), e.Default) << e.Name;
  }
  for (const char* name :
       {"Ctl3D", "Font", "PopupMenu", "ShowHint", "OnClick", "OnDblClick", "OnDragDrop",
        "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
        "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"})
    EXPECT_NE(GetPropInfo(TCustomGrid::StaticClass(), name), nullptr) << name;
  // The grid's own size and look are published by the grids that want them, not the base.
  EXPECT_EQ(GetPropInfo(TCustomGrid::StaticClass(), "RowCount"), nullptr);
}

TEST_F(CustomGridTest, CellsFollowEachOtherWithTheirLines) {
  EXPECT_EQ(Grid->CellRect(0, 0), R(0, 0, 64, 24));
  EXPECT_EQ(Grid->CellRect(1, 0), R(65, 0, 129, 24));
  EXPECT_EQ(Grid->CellRect(1, 1), R(65, 25, 129, 49));
  EXPECT_EQ(Grid->CellRect(2, 3), R(130, 75, 194, 99));
  // The last row and column are cut at the client area's edges.
  EXPECT_EQ(Grid->CellRect(4, 4), R(260, 100, 320, 120));
  Grid->SetColWidths(2, 10);
  EXPECT_EQ(Grid->CellRect(3, 1), R(141, 25, 205, 49));
  // Lines only where their options ask for them: without lines the cells touch.
  Grid->SetOptions({});
  EXPECT_EQ(Grid->CellRect(0, 0), R(0, 0, 64, 24));
  EXPECT_EQ(Grid->CellRect(1, 2), R(64, 48, 128, 72));
  Grid->SetOptions({goFixedVertLine, goHorzLine});
  Grid->SetGridLineWidth(3);
  EXPECT_EQ(Grid->CellRect(1, 1), R(67, 24, 131, 48));
  EXPECT_EQ(Grid->CellRect(1, 2), R(67, 51, 131, 75));
}

TEST_F(CustomGridTest, CellsThatCannotBeSeenHaveAnEmptyRectangle) {
  Grid->SetRowCount(100);
  Grid->SetColCount(10);
  EXPECT_EQ(Grid->CellRect(5, 1), TRect{});  // right of the client area
  EXPECT_EQ(Grid->CellRect(1, 5), TRect{});  // below it
  EXPECT_EQ(Grid->CellRect(1, 100), TRect{});
  EXPECT_EQ(Grid->CellRect(-1, 1), TRect{});
  Grid->SetTopRow(10);
  Grid->SetLeftCol(3);
  EXPECT_EQ(Grid->CellRect(1, 1), TRect{});  // scrolled away
  EXPECT_EQ(Grid->CellRect(2, 10), TRect{});
  EXPECT_EQ(Grid->CellRect(0, 0), R(0, 0, 64, 24));  // fixed cells stay
  EXPECT_EQ(Grid->CellRect(3, 10), R(65, 25, 129, 49));
  EXPECT_EQ(Grid->CellRect(0, 11), R(0, 50, 64, 74));
}

TEST_F(CustomGridTest, MouseCoordFindsTheCellUnderAPoint) {
  EXPECT_EQ(Grid->MouseCoord(0, 0), (TGridCoord{0, 0}));
  EXPECT_EQ(Grid->MouseCoord(64, 24), (TGridCoord{0, 0}));  // a line belongs to the cell before
  EXPECT_EQ(Grid->MouseCoord(65, 25), (TGridCoord{1, 1}));
  EXPECT_EQ(Grid->MouseCoord(319, 119), (TGridCoord{4, 4}));
  EXPECT_EQ(Grid->MouseCoord(-1, 10), (TGridCoord{-1, -1}));
  EXPECT_EQ(Grid->MouseCoord(10, 120), (TGridCoord{-1, -1}));
  Grid->SetRowCount(3);
  Grid->SetColCount(2);
  EXPECT_EQ(Grid->MouseCoord(10, 80), (TGridCoord{0, -1}));   // below the last row
  EXPECT_EQ(Grid->MouseCoord(200, 10), (TGridCoord{-1, 0}));  // right of the last column
  Grid->SetRowCount(1000000);
  Grid->SetRow(999999);
  EXPECT_EQ(Grid->GetTopRow(), 999997);
  EXPECT_EQ(Grid->MouseCoord(70, 80), (TGridCoord{1, 999999}));
  EXPECT_EQ(Grid->MouseCoord(70, 30), (TGridCoord{1, 999997}));
  EXPECT_EQ(Grid->MouseCoord(70, 10), (TGridCoord{1, 0}));
  EXPECT_EQ(Grid->CellRect(1, 999999), R(65, 75, 129, 99));
}

TEST_F(CustomGridTest, VisibleCountsCountWhollyVisibleCells) {
  EXPECT_EQ(Grid->GetVisibleRowCount(), 3);  // rows 1 to 3; row 4 is cut
  EXPECT_EQ(Grid->GetVisibleColCount(), 3);
  Grid->SetRowCount(100);
  Grid->SetTopRow(98);
  EXPECT_EQ(Grid->GetTopRow(), 97);  // the last top row that fills the client area
  EXPECT_EQ(Grid->GetVisibleRowCount(), 3);
  Grid->SetOptions({});
  EXPECT_EQ(Grid->GetVisibleRowCount(), 4);  // 24 + 4 * 24 = 120 pixels
  Grid->SetHeight(119);
  EXPECT_EQ(Grid->GetVisibleRowCount(), 3);
  Grid->SetTopRow(0);
  EXPECT_EQ(Grid->GetTopRow(), 1);
}

TEST_F(CustomGridTest, RowAndColAskSelectCellAndScrollIntoView) {
  Grid->SetRowCount(50);
  Grid->SetColCount(12);
  Grid->Events.clear();
  Grid->SetRow(20);
  EXPECT_EQ(Grid->GetRow(), 20);
  EXPECT_EQ(Grid->GetTopRow(), 18);  // the row is the last wholly visible one
  EXPECT_EQ(Grid->Events, (std::vector<std::string>{"Select 1,20", "TopLeft 1,18"}));
  Grid->SetRow(5);
  EXPECT_EQ(Grid->GetTopRow(), 5);
  Grid->SetCol(11);
  EXPECT_EQ(Grid->GetLeftCol(), 9);
  EXPECT_EQ(Grid->GetCol(), 11);
  Grid->Refused = {11, 6};
  Grid->Events.clear();
  Grid->SetRow(6);
  EXPECT_EQ(Grid->GetRow(), 5);  // refused: nothing changes
  EXPECT_EQ(Grid->Events, (std::vector<std::string>{"Select 11,6"}));
  // Fixed cells and cells outside the grid are refused with the index named.
  auto message = [&](auto call) {
    try {
      call();
    } catch (const EInvalidOperation& e) {
      return e.GetMessage();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { Grid->SetRow(50); }), "Grid index out of range (row 50)");
  EXPECT_EQ(message([&] { Grid->SetRow(0); }), "Grid index out of range (row 0)");
  EXPECT_EQ(message([&] { Grid->SetCol(-2); }), "Grid index out of range (column -2)");
  EXPECT_EQ(message([&] { Grid->GetColWidths(12); }), "Grid index out of range (column 12)");
  EXPECT_EQ(Grid->GetRow(), 5);
}

TEST_F(CustomGridTest, SizesKeepTheCurrentCellAndFixedCellsInside) {
  Grid->SetRowCount(30);
  Grid->SetRow(29);
  Grid->SetRowCount(10);
  EXPECT_EQ(Grid->GetRow(), 9);
  EXPECT_EQ(Grid->GetTopRow(), 7);
  Grid->SetRowCount(0);  // at least one row remains, and no fixed one
  EXPECT_EQ(Grid->GetRowCount(), 1);
  EXPECT_EQ(Grid->GetFixedRows(), 0);
  EXPECT_EQ(Grid->GetRow(), 0);
  Grid->SetRowCount(5);
  EXPECT_THROW(Grid->SetFixedRows(5), EInvalidOperation);
  EXPECT_THROW(Grid->SetFixedCols(-1), EInvalidOperation);
  EXPECT_THROW(Grid->SetDefaultRowHeight(0), EInvalidOperation);
  EXPECT_THROW(Grid->SetGridLineWidth(-1), EInvalidOperation);
  EXPECT_EQ(Grid->GetDefaultRowHeight(), 24);
  Grid->SetFixedRows(2);
  EXPECT_EQ(Grid->GetRow(), 2);
  EXPECT_EQ(Grid->GetTopRow(), 2);
  Grid->SetColCount(3);
  Grid->SetColWidths(2, -5);
  EXPECT_EQ(Grid->GetColWidths(2), 0);
  Grid->SetColWidths(1, 100);
  Grid->SetDefaultColWidth(30);  // a new default goes to every column
  EXPECT_EQ(Grid->GetColWidths(1), 30);
  Grid->SetColCount(4);
  EXPECT_EQ(Grid->GetColWidths(3), 30);
}

TEST_F(CustomGridTest, ArrowAndPageKeysMoveTheRowAndScroll) {
  Grid->SetRowCount(100);
  Grid->SetFocus();
  Key(VK_DOWN);
  EXPECT_EQ(Grid->GetRow(), 2);
  Key(VK_UP);
  Key(VK_UP);  // the first scrollable row is as far as it goes
  EXPECT_EQ(Grid->GetRow(), 1);
  Key(VK_NEXT);  // a page is the three rows that fit
  EXPECT_EQ(Grid->GetRow(), 4);
  EXPECT_EQ(Grid->GetTopRow(), 4);
  Key(VK_NEXT);
  EXPECT_EQ(Grid->GetRow(), 7);
  EXPECT_EQ(Grid->GetTopRow(), 7);
  Key(VK_PRIOR);
  EXPECT_EQ(Grid->GetRow(), 4);
  EXPECT_EQ(Grid->GetTopRow(), 4);
  for (int i = 0; i < 3; ++i)
    Key(VK_DOWN);
  EXPECT_EQ(Grid->GetRow(), 7);
  EXPECT_EQ(Grid->GetTopRow(), 5);
  Key(VK_END, false, true);
  EXPECT_EQ(Grid->GetRow(), 99);
  EXPECT_EQ(Grid->GetCol(), 4);
  EXPECT_EQ(Grid->GetTopRow(), 97);
  Key(VK_NEXT);
  Key(VK_DOWN);
  EXPECT_EQ(Grid->GetRow(), 99);
  Key(VK_HOME);
  EXPECT_EQ(Grid->GetCol(), 1);
  EXPECT_EQ(Grid->GetRow(), 99);
  Key(VK_HOME, false, true);
  EXPECT_EQ(Grid->GetRow(), 1);
  EXPECT_EQ(Grid->GetTopRow(), 1);
}

TEST_F(CustomGridTest, LeftRightTabsAndRowSelectFollowTheOptions) {
  Grid->SetColCount(8);
  Grid->SetFocus();
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  EXPECT_EQ(Grid->GetCol(), 3);
  Key(VK_END);
  EXPECT_EQ(Grid->GetCol(), 7);
  EXPECT_EQ(Grid->GetLeftCol(), 5);
  Key(VK_LEFT);
  EXPECT_EQ(Grid->GetCol(), 6);
  // Without goTabs Tab moves the focus away; with it, it moves between cells.
  auto* other = New<TButton>(Form, 8, 200, 75, 25, "Other");
  Key(VK_TAB);
  EXPECT_TRUE(other->Focused());
  Grid->SetFocus();
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goTabs});
  Key(VK_TAB);
  EXPECT_TRUE(Grid->Focused());
  EXPECT_EQ(Grid->GetCol(), 7);
  Key(VK_TAB);  // past the last column: the next row's first
  EXPECT_EQ(Grid->GetCol(), 1);
  EXPECT_EQ(Grid->GetRow(), 2);
  Key(VK_TAB, true);
  EXPECT_EQ(Grid->GetCol(), 7);
  EXPECT_EQ(Grid->GetRow(), 1);
  // With row selection Left and Right scroll and Home and End change the row.
  Grid->SetOptions({goRowSelect});
  Grid->SetLeftCol(1);
  Key(VK_RIGHT);
  EXPECT_EQ(Grid->GetLeftCol(), 2);
  EXPECT_EQ(Grid->GetCol(), 7);
  Key(VK_END);
  EXPECT_EQ(Grid->GetRow(), 4);
  Key(VK_HOME);
  EXPECT_EQ(Grid->GetRow(), 1);
}

TEST_F(CustomGridTest, KeyHandlersSeeKeysFirstAndMaySwallowThem) {
  Grid->SetRowCount(10);
  Grid->SetOnKeyDown(MakeMethod<&ControlTest::TEventLog::KeyDown>(Log));
  Log->SwallowKey = VK_DOWN;
  Grid->SetFocus();
  Key(VK_DOWN);
  EXPECT_EQ(Grid->GetRow(), 1);
  Key(VK_NEXT);
  EXPECT_EQ(Grid->GetRow(), 4);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"KeyDown Grid 40", "KeyDown Grid 34"}));
  // The grid wants arrows (and tabs, characters when its options say so).
  EXPECT_EQ(SendMessage(Grid->GetHandle(), WM_GETDLGCODE, 0, 0), LRESULT{DLGC_WANTARROWS});
  Grid->SetOptions({goTabs, goEditing});
  EXPECT_EQ(SendMessage(Grid->GetHandle(), WM_GETDLGCODE, 0, 0),
            LRESULT{DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS});
  EXPECT_TRUE(Grid->CanEditAcceptKey(U'x'));
  EXPECT_TRUE(Grid->CanEditModify());
}
