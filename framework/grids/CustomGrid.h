#pragma once

#include <cstdint>
#include <vector>

#include "controls/CustomControl.h"
#include "grids/GridTypes.h"

// The base of grid controls: cells in rows and columns, the first FixedRows rows and FixedCols
// columns fixed (they stay in place while the rest scrolls), a current cell (Row, Col) and a
// scroll position (TopRow, LeftCol). Descendants paint the cells in DrawCell.
//
// Every row has the height DefaultRowHeight, so every row position is arithmetic: finding a
// row, its rectangle or the row under a point costs the same for a million rows as for ten.
// Columns have widths of their own (ColWidths). A grid line of GridLineWidth pixels follows
// each cell on an axis whose line option is set (goVertLine, goHorzLine, and the goFixed...
// options for fixed cells); with those options off the cells lie edge to edge, rows as bands
// of DefaultRowHeight pixels from the client top.
//
// Painting calls DrawCell once for each cell that can be seen and fills the client area that
// no cell covers with Color. With DefaultDrawing the grid first fills each cell's background
// (FixedColor for fixed cells, the highlight colour for selected ones) and marks the focused
// cell; without it, it leaves the cells entirely to DrawCell.
//
// The grid keeps the scroll bars that ScrollBars names: vertical positions are rows, horizontal
// ones columns. There is no in-place editor: descendants that edit build their own.
class TCustomGrid : public TCustomControl {
  DECLARE_CLASS(TCustomGrid, TCustomControl);

 public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  // The number of rows and columns, fixed ones included; at least 1 (smaller values count as
  // 1). Fewer rows than FixedRows + 1 reduce FixedRows; the current cell and the scroll
  // position stay inside the grid.
  int32_t GetRowCount() const { return FRowCount; }
  void SetRowCount(int32_t value);
  int32_t GetColCount() const { return static_cast<int32_t>(FColWidths.size()); }
  void SetColCount(int32_t value);
  // The leading rows and columns that do not scroll. A changed value makes the first scrollable
  // row (column) the current and the top (left) one. Raises EInvalidOperation for a negative
  // value or one that leaves no scrollable row (column).
  int32_t GetFixedRows() const { return FFixedRows; }
  void SetFixedRows(int32_t value);
  int32_t GetFixedCols() const { return FFixedCols; }
  void SetFixedCols(int32_t value);

  // The width of column index; negative widths count as 0. Raises EInvalidOperation "Grid index
  // out of range" for an index outside the columns.
  int32_t GetColWidths(int32_t index) const;
  void SetColWidths(int32_t index, int32_t value);
  // The width that columns have until they are given their own; a change gives it to all.
  int32_t GetDefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int32_t value);
  // The height of every row. Raises EInvalidOperation for a value below 1.
  int32_t GetDefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int32_t value);
  // Raises EInvalidOperation for a negative width.
  int32_t GetGridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int32_t value);
  TColor GetFixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor value);
  TGridOptions GetOptions() const { return FOptions; }
  void SetOptions(TGridOptions value);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  bool GetDefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value);
  // bsSingle (the default) frames the grid, sunken when Ctl3D; bsNone leaves it bare.
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  // The current cell. Setting it asks SelectCell first (a refusal changes nothing) and scrolls
  // the cell into view. Raises EInvalidOperation "Grid index out of range" for a fixed cell or
  // one outside the grid.
  int32_t GetRow() const { return FRow; }
  void SetRow(int32_t value) { MoveColRow(FCol, value, true); }
  int32_t GetCol() const { return FCol; }
  void SetCol(int32_t value) { MoveColRow(value, FRow, true); }
  // The first scrollable row (column) shown. Values are kept between the first scrollable row
  // and the last top row that still fills the client area; a change repaints and calls
  // TopLeftChanged.
  int32_t GetTopRow() const { return FTopRow; }
  void SetTopRow(int32_t value) { ScrollTo(FLeftCol, value); }
  int32_t GetLeftCol() const { return FLeftCol; }
  void SetLeftCol(int32_t value) { ScrollTo(value, FTopRow); }
  // The scrollable rows (columns) wholly visible from TopRow (LeftCol) on.
  int32_t GetVisibleRowCount() const;
  int32_t GetVisibleColCount() const;

  // The client rectangle of a cell, cut at the client area's right and bottom edges; all zero
  // for a cell that cannot be seen (scrolled away, beyond the client area, or outside the grid).
  TRect CellRect(int32_t col, int32_t row) const;
  // The cell under a client point; X (column) and Y (row) are -1 where there is none: outside
  // the client area, beyond the last cell, or on an axis with no cell there. A grid line
  // belongs to the cell before it.
  TGridCoord MouseCoord(int32_t x, int32_t y) const;

 protected:
  // Paints one cell on Canvas. rect is the cell's whole rectangle in client coordinates (it may
  // reach beyond the client area); state tells whether the cell is fixed, selected, focused.
  // Called by Paint for every cell that can be seen, and only then.
  virtual void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) = 0;
  // Asked before a cell becomes current; false keeps the current cell. The default: true.
  virtual bool SelectCell(int32_t col, int32_t row);
  // Called after TopRow or LeftCol changed, once the grid has scrolled and its scroll bars
  // show the new position. The default does nothing.
  virtual void TopLeftChanged() {}
  // Called after a column width or DefaultColWidth changed. The default does nothing.
  virtual void ColWidthsChanged() {}
  // Called after DefaultRowHeight changed. The default does nothing.
  virtual void RowHeightsChanged() {}
  // Whether an edit of the current cell accepts the typed character key. The default: true.
  virtual bool CanEditAcceptKey(char32_t key);
  // Whether the current cell may be changed by typing or pasting. The default: true.
  virtual bool CanEditModify();

  // Makes (col, row) the current cell as SetCol and SetRow do; with show it is scrolled into
  // view. Returns false when SelectCell refused (or the grid went away meanwhile).
  bool MoveColRow(int32_t col, int32_t row, bool show);
  // Scrolls so that TopRow and LeftCol become (as near as allowed) the given ones.
  void ScrollTo(int32_t leftCol, int32_t topRow);
  // Marks cells to be painted again, through the window: the virtual Invalidate is left alone.
  void InvalidateCell(int32_t col, int32_t row);
  void InvalidateRow(int32_t row);
  // Sets the scroll bars that ScrollBars names from the rows, columns and client size.
  void UpdateScrollRange();

  void Paint() override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DefineProperties(TFiler* filer) override;
  // Up, Down, PageUp and PageDown move Row (a page moves TopRow with it); Left and Right move
  // Col (scroll with goRowSelect); Home and End go to the first and last column (row with
  // goRowSelect; with Ctrl to the first and last cell); Tab and Shift+Tab with goTabs go to the
  // next and previous cell. OnKeyDown comes first and may swallow the key.
  void KeyDown(WORD& key, TShiftState shift) override;
  // A left press makes the cell under the pointer current (a drag follows it); a left double
  // click reaches here with ssDouble and runs DblClick. With goColSizing a press on the line
  // right of a column, inside the fixed rows, sizes that column until released. OnMouseDown
  // follows.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  void WMSize(TWMSize& message);
  void WMVScroll(TWMScroll& message);
  void WMHScroll(TWMScroll& message);
  void WMGetDlgCode(TMessage& message);
  void WMSetCursor(TWMSetCursor& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMDesignHitTest(TCMDesignHitTest& message);

 private:
  struct TSpan {
    int32_t First;  // the first cell shown
    int32_t Last;   // the last cell shown, at least in part (First - 1 when none is)
  };

  // Geometry. Lines follow cells on an axis whose option for that cell is set.
  int32_t ColLine(int32_t col) const;
  int32_t RowLine(int32_t row) const;
  int32_t ColExtent(int32_t col) const { return GetColWidths(col) + ColLine(col); }
  int32_t RowPitch() const { return FDefaultRowHeight + RowLine(FFixedRows); }
  int32_t FixedWidth() const;
  int32_t FixedHeight() const;
  // Left edge of a fixed column or of a column at or after LeftCol.
  int32_t ColLeft(int32_t col) const;
  // Top edge of a fixed row or of a row at or after TopRow.
  int32_t RowTop(int32_t row) const;
  TSpan VisibleRows() const;
  TSpan VisibleCols() const;
  int32_t RowsThatFit() const;
  int32_t MaxTopRow() const;
  int32_t MaxLeftCol() const;
  // The column whose extent (cell and line) holds x, or -1.
  int32_t ColAt(int32_t x) const;
  bool IsShown(int32_t col, int32_t row) const;
  TGridDrawState DrawStateOf(int32_t col, int32_t row) const;

  // Painting (CustomGridPaint.cpp).
  void PaintCells(const TRect& clip);
  void PaintBackground(TSpan cols, TSpan rows);
  void FillCellBackground(const TRect& rect, TGridDrawState state);

  // Scrolling and navigation (CustomGridInput.cpp).
  void Scroll(int bar, int code);
  int32_t TrackPosition(int bar) const;
  void UpdateScrollPos();
  void ClampScrollPosition();
  void ScrollIntoView(int32_t col, int32_t row);
  void MoveBy(int32_t colDelta, int32_t rowDelta);
  void PageBy(int32_t pages);
  void TabTo(bool forward);
  int32_t SizingColAt(int32_t x, int32_t y) const;
  void CheckCell(int32_t col, int32_t row) const;
  bool ManagesBar(int bar) const;

  // ColWidths in form files: the widths, written when any differs from the default.
  void ReadColWidths(TReader* reader);
  void WriteColWidths(TWriter* writer);
  bool ColWidthsDiffer() const;

  int32_t FRowCount = 5;
  std::vector<int32_t> FColWidths;
  int32_t FFixedRows = 1;
  int32_t FFixedCols = 1;
  int32_t FDefaultColWidth = 64;
  int32_t FDefaultRowHeight = 24;
  int32_t FGridLineWidth = 1;
  TColor FFixedColor = clBtnFace;
  TGridOptions FOptions;
  TScrollStyle FScrollBars = ssBoth;
  bool FDefaultDrawing = true;
  TBorderStyle FBorderStyle = bsSingle;
  int32_t FRow = 1;
  int32_t FCol = 1;
  int32_t FTopRow = 1;
  int32_t FLeftCol = 1;
  // Mouse: a left press selecting cells, or the column being sized and the pointer's distance
  // from its right edge.
  bool FSelecting = false;
  int32_t FSizingCol = -1;
  int32_t FSizingOffset = 0;
  bool FUpdatingScrollBars = false;
};
