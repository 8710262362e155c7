#include "grids/DrawGrid.h"

#include "core/ClassRegistry.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TDrawGrid) {
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored);
  PROPERTY(ColCount, GetColCount, SetColCount).Default(5);
  PROPERTY(DefaultColWidth, GetDefaultColWidth, SetDefaultColWidth).Default(64);
  PROPERTY(DefaultRowHeight, GetDefaultRowHeight, SetDefaultRowHeight).Default(24);
  PROPERTY(DefaultDrawing, GetDefaultDrawing, SetDefaultDrawing).Default(true);
  PROPERTY(FixedColor, GetFixedColor, SetFixedColor).Default(clBtnFace);
  PROPERTY(FixedCols, GetFixedCols, SetFixedCols).Default(1);
  // The counts come before the fixed counts that must stay below them.
  PROPERTY(RowCount, GetRowCount, SetRowCount).Default(5);
  PROPERTY(FixedRows, GetFixedRows, SetFixedRows).Default(1);
  PROPERTY(GridLineWidth, GetGridLineWidth, SetGridLineWidth).Default(1);
  PROPERTY(Options, GetOptions, SetOptions)
      .Default({goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
  PROPERTY(ScrollBars, GetScrollBars, SetScrollBars).Default(ssBoth);
  PROPERTY(OnDrawCell, GetOnDrawCell, SetOnDrawCell);
  PROPERTY(OnSelectCell, GetOnSelectCell, SetOnSelectCell);
  PROPERTY(OnTopLeftChanged, GetOnTopLeftChanged, SetOnTopLeftChanged);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TDrawGrid::StaticClass()});
  return true;
}();
}  // namespace

void TDrawGrid::DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) {
  if (FOnDrawCell) FOnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int32_t col, int32_t row) {
  bool canSelect = TCustomGrid::SelectCell(col, row);
  if (FOnSelectCell) FOnSelectCell(this, col, row, canSelect);
  return canSelect;
}

void TDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (FOnTopLeftChanged) FOnTopLeftChanged(this);
}
