#pragma once

#include <string>
#include <vector>

#include "../controls/ControlTestSupport.h"
#include "grids/CustomGrid.h"

namespace GridTest {

// A grid that records what the base class asks of it: the cells it paints, the cells it offers
// for selection, scrolling, and the mouse calls.
class TProbeGrid : public TCustomGrid {
  DECLARE_CLASS(TProbeGrid, TCustomGrid);

 public:
  explicit TProbeGrid(TComponent* owner) : TCustomGrid(owner) {}

  struct TDrawCall {
    int32_t Col;
    int32_t Row;
    TRect Rect;
    TGridDrawState State;
  };

  using TCustomGrid::CanEditAcceptKey;
  using TCustomGrid::CanEditModify;

  std::vector<TDrawCall> Draws;
  std::vector<std::string> Events;
  // SelectCell refuses this cell.
  TGridCoord Refused{-1, -1};
  // DrawCell fills each non-fixed cell with this colour (clNone: paints nothing).
  TColor CellColor = clNone;
  // MouseDown records the call and does not pass it on to the grid.
  bool KeepMouseDown = false;

 protected:
  void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(int32_t col, int32_t row) override;
  void TopLeftChanged() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
};

// A shown form with one probe grid at (8, 8), 320 x 120, without border or scroll bars unless a
// test gives it some, so that client and cell coordinates are plain.
class TGridFixture : public ControlTest::TFixture {
 public:
  TGridFixture();

  // Paints the grid now (everything invalid) and returns the cells drawn.
  std::vector<TProbeGrid::TDrawCall> PaintAll();
  // Clicks a client point of the grid.
  void ClickCell(int x, int y) { ClickAt(Grid, x, y); }
  void Key(int virtualKey, bool shift = false, bool control = false) {
    Driver.PressKey(virtualKey, shift, control);
  }

  TForm* Form;
  TProbeGrid* Grid;
};

}  // namespace GridTest
