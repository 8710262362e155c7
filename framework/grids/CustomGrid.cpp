#include "grids/CustomGrid.h"

#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "streaming/Reader.h"
#include "streaming/Writer.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomGrid) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSingle);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);

  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_VSCROLL, WMVScroll);
  MESSAGE_HANDLER(WM_HSCROLL, WMHScroll);
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(WM_SETCURSOR, WMSetCursor);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_DESIGNHITTEST, CMDesignHitTest);
}

namespace {
[[noreturn]] void RaiseGridIndex(const char* what, int32_t index) {
  throw EInvalidOperation(Format("Grid index out of range (%s %d)", what, index));
}
}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner), FColWidths(5, 64) {
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(GetLeft(), GetTop(), 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

// Size.

void TCustomGrid::SetRowCount(int32_t value) {
  value = std::max(value, 1);
  if (value == FRowCount) return;
  FRowCount = value;
  if (FFixedRows >= FRowCount) FFixedRows = FRowCount - 1;
  FRow = std::clamp(FRow, FFixedRows, FRowCount - 1);
  FTopRow = std::clamp(FTopRow, FFixedRows, FRowCount - 1);
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
}

void TCustomGrid::SetColCount(int32_t value) {
  value = std::max(value, 1);
  if (value == GetColCount()) return;
  FColWidths.resize(value, FDefaultColWidth);
  if (FFixedCols >= value) FFixedCols = value - 1;
  FCol = std::clamp(FCol, FFixedCols, value - 1);
  FLeftCol = std::clamp(FLeftCol, FFixedCols, value - 1);
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
}

void TCustomGrid::SetFixedRows(int32_t value) {
  if (value < 0) throw EInvalidOperation(Format("Fixed row count cannot be negative (%d)", value));
  if (value >= FRowCount)
    throw EInvalidOperation(
        Format("Fixed row count (%d) must be less than row count (%d)", value, FRowCount));
  if (value == FFixedRows) return;
  FFixedRows = value;
  FRow = FTopRow = value;
  UpdateScrollRange();
  Invalidate();
}

void TCustomGrid::SetFixedCols(int32_t value) {
  if (value < 0)
    throw EInvalidOperation(Format("Fixed column count cannot be negative (%d)", value));
  if (value >= GetColCount())
    throw EInvalidOperation(Format("Fixed column count (%d) must be less than column count (%d)",
                                   value, GetColCount()));
  if (value == FFixedCols) return;
  FFixedCols = value;
  FCol = FLeftCol = value;
  UpdateScrollRange();
  Invalidate();
}

int32_t TCustomGrid::GetColWidths(int32_t index) const {
  if (index < 0 || index >= GetColCount()) RaiseGridIndex("column", index);
  return FColWidths[index];
}

void TCustomGrid::SetColWidths(int32_t index, int32_t value) {
  if (index < 0 || index >= GetColCount()) RaiseGridIndex("column", index);
  value = std::max(value, 0);
  if (FColWidths[index] == value) return;
  FColWidths[index] = value;
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultColWidth(int32_t value) {
  value = std::max(value, 0);
  if (value == FDefaultColWidth) return;
  FDefaultColWidth = value;
  std::fill(FColWidths.begin(), FColWidths.end(), value);
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int32_t value) {
  if (value < 1) throw EInvalidOperation(Format("Row height must be at least 1 (%d)", value));
  if (value == FDefaultRowHeight) return;
  FDefaultRowHeight = value;
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int32_t value) {
  if (value < 0) throw EInvalidOperation(Format("Grid line width cannot be negative (%d)", value));
  if (value == FGridLineWidth) return;
  FGridLineWidth = value;
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value) {
  if (value == FFixedColor) return;
  FFixedColor = value;
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  if (value == FOptions) return;
  FOptions = value;
  UpdateScrollRange();
  ClampScrollPosition();
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  if (value == FScrollBars) return;
  FScrollBars = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  if (value == FDefaultDrawing) return;
  FDefaultDrawing = value;
  Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (FBorderStyle != bsNone) {
    if (GetCtl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
  if (ManagesBar(SB_VERT)) params.Style |= WS_VSCROLL;
  if (ManagesBar(SB_HORZ)) params.Style |= WS_HSCROLL;
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollRange();
}

// Geometry.

int32_t TCustomGrid::ColLine(int32_t col) const {
  const TGridOption option = col < FFixedCols ? goFixedVertLine : goVertLine;
  return FOptions.Contains(option) ? FGridLineWidth : 0;
}

int32_t TCustomGrid::RowLine(int32_t row) const {
  const TGridOption option = row < FFixedRows ? goFixedHorzLine : goHorzLine;
  return FOptions.Contains(option) ? FGridLineWidth : 0;
}

int32_t TCustomGrid::FixedWidth() const {
  int32_t width = 0;
  for (int32_t col = 0; col < FFixedCols; ++col)
    width += ColExtent(col);
  return width;
}

int32_t TCustomGrid::FixedHeight() const {
  return FFixedRows * (FDefaultRowHeight + RowLine(0));
}

int32_t TCustomGrid::ColLeft(int32_t col) const {
  int32_t x = 0;
  for (int32_t i = 0; i < col && i < FFixedCols; ++i)
    x += ColExtent(i);
  for (int32_t i = FLeftCol; i < col; ++i)
    x += ColExtent(i);
  return x;
}

int32_t TCustomGrid::RowTop(int32_t row) const {
  if (row < FFixedRows) return row * (FDefaultRowHeight + RowLine(0));
  return FixedHeight() + (row - FTopRow) * RowPitch();
}

TCustomGrid::TSpan TCustomGrid::VisibleRows() const {
  const int32_t below = GetClientHeight() - FixedHeight();
  if (below <= 0) return {FTopRow, FTopRow - 1};
  const int32_t shown = (below + RowPitch() - 1) / RowPitch();
  return {FTopRow, std::min(FRowCount - 1, FTopRow + shown - 1)};
}

TCustomGrid::TSpan TCustomGrid::VisibleCols() const {
  const int32_t width = GetClientWidth();
  int32_t x = FixedWidth();
  int32_t col = FLeftCol;
  while (col < GetColCount() && x < width)
    x += ColExtent(col++);
  return {FLeftCol, col - 1};
}

int32_t TCustomGrid::RowsThatFit() const {
  const int32_t below = GetClientHeight() - FixedHeight();
  if (below < FDefaultRowHeight) return 0;
  return (below - FDefaultRowHeight) / RowPitch() + 1;
}

int32_t TCustomGrid::GetVisibleRowCount() const {
  return std::min(RowsThatFit(), FRowCount - FTopRow);
}

int32_t TCustomGrid::GetVisibleColCount() const {
  const int32_t width = GetClientWidth();
  int32_t x = FixedWidth();
  int32_t count = 0;
  for (int32_t col = FLeftCol; col < GetColCount(); ++col) {
    if (x + GetColWidths(col) > width) break;
    x += ColExtent(col);
    ++count;
  }
  return count;
}

int32_t TCustomGrid::MaxTopRow() const {
  return std::max(FFixedRows, FRowCount - std::max(RowsThatFit(), 1));
}

int32_t TCustomGrid::MaxLeftCol() const {
  // The leftmost column from which the last column is still wholly visible.
  const int32_t room = GetClientWidth() - FixedWidth();
  int32_t col = GetColCount() - 1;
  int32_t used = GetColWidths(col);
  while (col > FFixedCols && used + ColExtent(col - 1) <= room)
    used += ColExtent(--col);
  return col;
}

int32_t TCustomGrid::ColAt(int32_t x) const {
  int32_t right = 0;
  for (int32_t col = 0; col < FFixedCols; ++col)
    if (x < (right += ColExtent(col))) return col;
  for (int32_t col = FLeftCol; col < GetColCount(); ++col)
    if (x < (right += ColExtent(col))) return col;
  return -1;
}

bool TCustomGrid::IsShown(int32_t col, int32_t row) const {
  if (col < 0 || col >= GetColCount() || row < 0 || row >= FRowCount) return false;
  if (col >= FFixedCols && col < FLeftCol) return false;
  if (row >= FFixedRows && row < FTopRow) return false;
  return ColLeft(col) < GetClientWidth() && RowTop(row) < GetClientHeight();
}

TRect TCustomGrid::CellRect(int32_t col, int32_t row) const {
  if (!IsShown(col, row)) return {};
  const int32_t left = ColLeft(col);
  const int32_t top = RowTop(row);
  return {left, top, std::min(left + GetColWidths(col), GetClientWidth()),
          std::min(top + FDefaultRowHeight, GetClientHeight())};
}

TGridCoord TCustomGrid::MouseCoord(int32_t x, int32_t y) const {
  TGridCoord cell{-1, -1};
  if (x < 0 || y < 0 || x >= GetClientWidth() || y >= GetClientHeight()) return cell;
  const int32_t fixedHeight = FixedHeight();
  const int32_t row = y < fixedHeight ? y / (FDefaultRowHeight + RowLine(0))
                                      : FTopRow + (y - fixedHeight) / RowPitch();
  if (row < FRowCount) cell.Y = row;
  cell.X = ColAt(x);
  return cell;
}

TGridDrawState TCustomGrid::DrawStateOf(int32_t col, int32_t row) const {
  TGridDrawState state;
  if (col < FFixedCols || row < FFixedRows) {
    state.Include(gdFixed);
    return state;
  }
  const bool current = row == FRow && (col == FCol || FOptions.Contains(goRowSelect));
  if (current) state.Include(gdSelected);
  if (row == FRow && col == FCol && Focused()) state.Include(gdFocused);
  return state;
}

// Current cell.

bool TCustomGrid::SelectCell(int32_t, int32_t) {
  return true;
}

bool TCustomGrid::CanEditAcceptKey(char32_t) {
  return true;
}

bool TCustomGrid::CanEditModify() {
  return true;
}

void TCustomGrid::CheckCell(int32_t col, int32_t row) const {
  if (col < FFixedCols || col >= GetColCount()) RaiseGridIndex("column", col);
  if (row < FFixedRows || row >= FRowCount) RaiseGridIndex("row", row);
}

bool TCustomGrid::MoveColRow(int32_t col, int32_t row, bool show) {
  CheckCell(col, row);
  TControlRef<TCustomGrid> self(this);
  if (!SelectCell(col, row) || !self) return false;
  if (col != FCol || row != FRow) {
    InvalidateRow(FRow);
    FCol = col;
    FRow = row;
    InvalidateRow(FRow);
  }
  if (show) ScrollIntoView(col, row);
  return self.Get() != nullptr;
}

void TCustomGrid::InvalidateCell(int32_t col, int32_t row) {
  if (!HandleAllocated()) return;
  const TRect rect = CellRect(col, row);
  if (rect.IsEmpty()) return;
  // The cell's lines and focus mark go with it.
  const TRect area = rect.Inflate(FGridLineWidth, FGridLineWidth);
  InvalidateRect(FHandle, &area, FALSE);
}

void TCustomGrid::InvalidateRow(int32_t row) {
  if (!HandleAllocated() || row < 0 || row >= FRowCount) return;
  if (row >= FFixedRows && row < FTopRow) return;
  const int32_t top = RowTop(row);
  if (top >= GetClientHeight()) return;
  const TRect area{0, top - FGridLineWidth, GetClientWidth(),
                   top + FDefaultRowHeight + FGridLineWidth};
  InvalidateRect(FHandle, &area, FALSE);
}

// Form files.

void TCustomGrid::DefineProperties(TFiler* filer) {
  TCustomControl::DefineProperties(filer);
  filer->DefineProperty(
      "ColWidths", [this](TReader* reader) { ReadColWidths(reader); },
      [this](TWriter* writer) { WriteColWidths(writer); }, ColWidthsDiffer());
}

bool TCustomGrid::ColWidthsDiffer() const {
  return std::any_of(FColWidths.begin(), FColWidths.end(),
                     [this](int32_t width) { return width != FDefaultColWidth; });
}

void TCustomGrid::ReadColWidths(TReader* reader) {
  std::vector<int32_t> widths;
  reader->ReadListBegin();
  while (!reader->EndOfList())
    widths.push_back(static_cast<int32_t>(reader->ReadInteger()));
  reader->ReadListEnd();
  if (static_cast<int32_t>(widths.size()) > GetColCount())
    throw EReadError(Format("ColWidths lists %d widths for %d columns",
                            static_cast<int32_t>(widths.size()), GetColCount()));
  for (size_t i = 0; i < widths.size(); ++i)
    SetColWidths(static_cast<int32_t>(i), widths[i]);
}

void TCustomGrid::WriteColWidths(TWriter* writer) {
  writer->WriteListBegin();
  for (int32_t width : FColWidths)
    writer->WriteInteger(width);
  writer->WriteListEnd();
}
