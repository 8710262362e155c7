// Painting of TCustomGrid: the cells that can be seen, their lines, and the area no cell covers.
#include "grids/CustomGrid.h"

#include "controls/ControlRef.h"

namespace {
constexpr TColor FixedLineColor = clBlack;
constexpr TColor CellLineColor = clSilver;

// Calls visit(index) for the indexes below fixedCount, then for first to last, until it
// answers false; false when it did.
template <typename Visit>
bool VisitShown(int32_t fixedCount, int32_t first, int32_t last, Visit visit) {
  for (int32_t i = 0; i < fixedCount; ++i)
    if (!visit(i)) return false;
  for (int32_t i = first; i <= last; ++i)
    if (!visit(i)) return false;
  return true;
}
}  // namespace

void TCustomGrid::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  const TRect clip = canvas->GetClipRect();
  TControlRef<TCustomGrid> self(this);
  PaintCells(clip);
  if (!self) return;
  PaintBackground(VisibleCols(), VisibleRows());
}

void TCustomGrid::PaintCells(const TRect& clip) {
  const TSpan rows = VisibleRows();
  const TSpan cols = VisibleCols();
  const int32_t clientWidth = GetClientWidth();
  const int32_t clientHeight = GetClientHeight();
  TControlRef<TCustomGrid> self(this);
  VisitShown(FFixedRows, rows.First, rows.Last, [&](int32_t row) {
    const int32_t top = RowTop(row);
    if (top >= clientHeight) return true;
    const int32_t rowLine = RowLine(row);
    return VisitShown(FFixedCols, cols.First, cols.Last, [&](int32_t col) {
      const int32_t left = ColLeft(col);
      if (left >= clientWidth) return true;
      const int32_t colLine = ColLine(col);
      const TRect cell = Bounds(left, top, GetColWidths(col), FDefaultRowHeight);
      const TRect extent{left, top, cell.Right + colLine, cell.Bottom + rowLine};
      if (extent.Intersect(clip).IsEmpty()) return true;
      const TGridDrawState state = DrawStateOf(col, row);
      if (FDefaultDrawing) FillCellBackground(cell, state);
      DrawCell(col, row, cell, state);
      if (!self) return false;
      TCanvas* canvas = GetCanvas();
      if (FDefaultDrawing && state.Contains(gdFocused) && !FOptions.Contains(goRowSelect)) {
        canvas->GetBrush()->SetColor(GetColor());
        canvas->DrawFocusRect(cell);
      }
      // Each cell carries the lines right of it and below it.
      if (colLine > 0 || rowLine > 0) {
        canvas->GetBrush()->SetColor(state.Contains(gdFixed) ? FixedLineColor : CellLineColor);
        if (colLine > 0) canvas->FillRect({cell.Right, top, extent.Right, extent.Bottom});
        if (rowLine > 0) canvas->FillRect({left, cell.Bottom, cell.Right, extent.Bottom});
      }
      return true;
    });
  });
  if (!self || !FDefaultDrawing || !FOptions.Contains(goRowSelect) || !Focused()) return;
  // The focus mark of a selected row frames its scrollable cells that can be seen.
  const TRect first = CellRect(cols.First, FRow);
  const TRect last = CellRect(cols.Last, FRow);
  if (first.IsEmpty()) return;
  GetCanvas()->GetBrush()->SetColor(GetColor());
  GetCanvas()->DrawFocusRect({first.Left, first.Top, last.Right, last.Bottom});
}

void TCustomGrid::FillCellBackground(const TRect& rect, TGridDrawState state) {
  TCanvas* canvas = GetCanvas();
  const bool highlight = state.Contains(gdSelected) &&
                         (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                          FOptions.Contains(goRowSelect));
  TColor background = GetColor();
  if (state.Contains(gdFixed))
    background = FFixedColor;
  else if (highlight)
    background = clHighlight;
  canvas->GetBrush()->SetColor(background);
  canvas->GetFont()->SetColor(highlight ? clHighlightText : GetFont()->GetColor());
  canvas->FillRect(rect);
}

void TCustomGrid::PaintBackground(TSpan cols, TSpan rows) {
  const TRect client = GetClientRect();
  // The grid ends after the last column and row when they can be seen; else it fills the
  // client area on that axis.
  int32_t right = client.Right;
  const int32_t lastCol = GetColCount() - 1;
  if (cols.Last == lastCol) right = ColLeft(lastCol) + ColExtent(lastCol);
  int32_t bottom = client.Bottom;
  if (rows.Last == FRowCount - 1) bottom = RowTop(FRowCount - 1) + RowPitch();
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  if (right < client.Right) canvas->FillRect({right, 0, client.Right, client.Bottom});
  if (bottom < client.Bottom) canvas->FillRect({0, bottom, client.Right, client.Bottom});
}
