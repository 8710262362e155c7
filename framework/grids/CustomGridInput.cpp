// Keys, mouse and scroll bars of TCustomGrid, and the scroll position they move.
#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Screen.h"
#include "grids/CustomGrid.h"
#include "winsys/WinUser.h"

namespace {
// Pixels either side of a column's right edge where a press starts sizing it.
constexpr int32_t SizingZone = 3;

// Sets a flag for the lifetime of the guard.
class TFlagGuard {
 public:
  explicit TFlagGuard(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagGuard() { FFlag = false; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;

 private:
  bool& FFlag;
};
}  // namespace

// Scroll position and scroll bars.

bool TCustomGrid::ManagesBar(int bar) const {
  if (bar == SB_VERT) return FScrollBars == ssVertical || FScrollBars == ssBoth;
  return FScrollBars == ssHorizontal || FScrollBars == ssBoth;
}

void TCustomGrid::ScrollTo(int32_t leftCol, int32_t topRow) {
  leftCol = std::clamp(leftCol, FFixedCols, MaxLeftCol());
  topRow = std::clamp(topRow, FFixedRows, MaxTopRow());
  if (leftCol == FLeftCol && topRow == FTopRow) return;
  FLeftCol = leftCol;
  FTopRow = topRow;
  Invalidate();
  UpdateScrollPos();
  TopLeftChanged();
}

void TCustomGrid::ClampScrollPosition() {
  ScrollTo(FLeftCol, FTopRow);
}

void TCustomGrid::ScrollIntoView(int32_t col, int32_t row) {
  int32_t top = FTopRow;
  const int32_t fit = std::max(RowsThatFit(), 1);
  if (row < top)
    top = row;
  else if (row >= top + fit)
    top = row - fit + 1;
  int32_t left = std::min(FLeftCol, col);
  // Move right until the column ends inside the client area (or is the leftmost one).
  const int32_t room = GetClientWidth() - FixedWidth();
  int32_t used = GetColWidths(col);
  for (int32_t i = left; i < col; ++i)
    used += ColExtent(i);
  while (left < col && used > room)
    used -= ColExtent(left++);
  ScrollTo(left, top);
}

void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated() || FUpdatingScrollBars) return;
  TFlagGuard guard(FUpdatingScrollBars);
  // Showing or hiding a bar changes the client area, and with it what the bars must show.
  for (int pass = 0; pass < 3; ++pass) {
    const TRect before = GetClientRect();
    ClampScrollPosition();
    if (ManagesBar(SB_VERT)) {
      SCROLLINFO info;
      info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      info.nMax = FRowCount - FFixedRows - 1;
      info.nPage = static_cast<UINT>(FRowCount - MaxTopRow());
      info.nPos = FTopRow - FFixedRows;
      SetScrollInfo(FHandle, SB_VERT, &info, TRUE);
    }
    if (ManagesBar(SB_HORZ)) {
      SCROLLINFO info;
      info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      info.nMax = GetColCount() - FFixedCols - 1;
      info.nPage = static_cast<UINT>(GetColCount() - MaxLeftCol());
      info.nPos = FLeftCol - FFixedCols;
      SetScrollInfo(FHandle, SB_HORZ, &info, TRUE);
    }
    if (GetClientRect() == before) break;
  }
}

void TCustomGrid::UpdateScrollPos() {
  if (!HandleAllocated()) return;
  if (ManagesBar(SB_VERT)) SetScrollPos(FHandle, SB_VERT, FTopRow - FFixedRows, TRUE);
  if (ManagesBar(SB_HORZ)) SetScrollPos(FHandle, SB_HORZ, FLeftCol - FFixedCols, TRUE);
}

int32_t TCustomGrid::TrackPosition(int bar) const {
  // The message carries only 16 bits of the position; the bar holds all of it.
  SCROLLINFO info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(FHandle, bar, &info);
  return info.nTrackPos;
}

void TCustomGrid::Scroll(int bar, int code) {
  const bool vertical = bar == SB_VERT;
  const int32_t first = vertical ? FFixedRows : FFixedCols;
  const int32_t page = std::max(vertical ? RowsThatFit() : GetVisibleColCount(), 1);
  int32_t pos = vertical ? FTopRow : FLeftCol;
  switch (code) {
    case SB_LINEUP:
      --pos;
      break;
    case SB_LINEDOWN:
      ++pos;
      break;
    case SB_PAGEUP:
      pos -= page;
      break;
    case SB_PAGEDOWN:
      pos += page;
      break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) return;
      pos = first + TrackPosition(bar);
      break;
    case SB_THUMBPOSITION:
      pos = first + TrackPosition(bar);
      break;
    case SB_TOP:
      pos = first;
      break;
    case SB_BOTTOM:
      pos = vertical ? FRowCount : GetColCount();
      break;
    default:
      return;
  }
  TControlRef<TCustomGrid> self(this);
  if (vertical)
    ScrollTo(FLeftCol, pos);
  else
    ScrollTo(pos, FTopRow);
  // A thumb let go where the grid already was still needs the bar to show the position.
  if (self) UpdateScrollPos();
}

void TCustomGrid::WMVScroll(TWMScroll& message) {
  if (!ManagesBar(SB_VERT)) return inherited::WMVScroll(message);
  Scroll(SB_VERT, message.ScrollCode());
}

void TCustomGrid::WMHScroll(TWMScroll& message) {
  if (!ManagesBar(SB_HORZ)) return inherited::WMHScroll(message);
  Scroll(SB_HORZ, message.ScrollCode());
}

void TCustomGrid::WMSize(TWMSize& message) {
  TControlRef<TCustomGrid> self(this);
  inherited::WMSize(message);
  if (self) UpdateScrollRange();
}

// Keys.

void TCustomGrid::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS;
  if (FOptions.Contains(goTabs)) message.Result |= DLGC_WANTTAB;
  if (FOptions.Contains(goEditing)) message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::MoveBy(int32_t colDelta, int32_t rowDelta) {
  const int32_t col = std::clamp(FCol + colDelta, FFixedCols, GetColCount() - 1);
  const int32_t row = std::clamp(FRow + rowDelta, FFixedRows, FRowCount - 1);
  if (col != FCol || row != FRow) MoveColRow(col, row, true);
}

void TCustomGrid::PageBy(int32_t pages) {
  const int32_t delta = std::max(RowsThatFit(), 1) * pages;
  const int32_t row = std::clamp(FRow + delta, FFixedRows, FRowCount - 1);
  if (row == FRow) return;
  const int32_t top = FTopRow + delta;
  if (!MoveColRow(FCol, row, false)) return;
  // The page turns with the selection, which stays where it was on the screen.
  ScrollTo(FLeftCol, top);
  ScrollIntoView(FCol, FRow);
}

void TCustomGrid::TabTo(bool forward) {
  int32_t col = FCol + (forward ? 1 : -1);
  int32_t row = FRow;
  if (col >= GetColCount()) {
    col = FFixedCols;
    ++row;
  } else if (col < FFixedCols) {
    col = GetColCount() - 1;
    --row;
  }
  if (row >= FFixedRows && row < FRowCount) MoveColRow(col, row, true);
}

void TCustomGrid::KeyDown(WORD& key, TShiftState shift) {
  TControlRef<TCustomGrid> self(this);
  TCustomControl::KeyDown(key, shift);
  if (!self || key == 0) return;
  const bool rowSelect = FOptions.Contains(goRowSelect);
  const int32_t lastCol = GetColCount() - 1;
  const int32_t lastRow = FRowCount - 1;
  switch (key) {
    case VK_UP:
      MoveBy(0, -1);
      break;
    case VK_DOWN:
      MoveBy(0, 1);
      break;
    case VK_PRIOR:
      PageBy(-1);
      break;
    case VK_NEXT:
      PageBy(1);
      break;
    case VK_LEFT:
      if (rowSelect)
        ScrollTo(FLeftCol - 1, FTopRow);
      else
        MoveBy(-1, 0);
      break;
    case VK_RIGHT:
      if (rowSelect)
        ScrollTo(FLeftCol + 1, FTopRow);
      else
        MoveBy(1, 0);
      break;
    case VK_HOME:
      if (shift.Contains(ssCtrl))
        MoveColRow(FFixedCols, FFixedRows, true);
      else if (rowSelect)
        MoveColRow(FCol, FFixedRows, true);
      else
        MoveColRow(FFixedCols, FRow, true);
      break;
    case VK_END:
      if (shift.Contains(ssCtrl))
        MoveColRow(lastCol, lastRow, true);
      else if (rowSelect)
        MoveColRow(FCol, lastRow, true);
      else
        MoveColRow(lastCol, FRow, true);
      break;
    case VK_TAB:
      if (FOptions.Contains(goTabs) && !shift.Contains(ssAlt)) TabTo(!shift.Contains(ssShift));
      break;
    default:
      break;
  }
}

// Mouse.

int32_t TCustomGrid::SizingColAt(int32_t x, int32_t y) const {
  if (y < 0 || y >= FixedHeight()) return -1;
  const TSpan cols = VisibleCols();
  int32_t found = -1;
  auto check = [&](int32_t col) {
    const int32_t edge = ColLeft(col) + GetColWidths(col);
    if (x >= edge - SizingZone && x < edge + ColLine(col) + SizingZone) found = col;
  };
  for (int32_t col = 0; col < FFixedCols; ++col)
    check(col);
  for (int32_t col = cols.First; col <= cols.Last; ++col)
    check(col);
  return found;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TCustomGrid> self(this);
  const bool designing = GetComponentState().Contains(csDesigning);
  if (!designing && !Focused() && CanFocus()) {
    SetFocus();
    if (!self) return;
  }
  if (button == mbLeft) {
    const int32_t sizing = FOptions.Contains(goColSizing) ? SizingColAt(x, y) : -1;
    if (sizing >= 0) {
      FSizingCol = sizing;
      FSizingOffset = ColLeft(sizing) + GetColWidths(sizing) - x;
    } else if (!designing && shift.Contains(ssDouble)) {
      DblClick();
      if (!self) return;
    } else if (!designing) {
      const TGridCoord cell = MouseCoord(x, y);
      if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
        FSelecting = true;
        MoveColRow(FOptions.Contains(goRowSelect) ? FCol : cell.X, cell.Y, true);
        if (!self) return;
      }
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  TControlRef<TCustomGrid> self(this);
  if (FSizingCol >= 0) {
    SetColWidths(FSizingCol, x + FSizingOffset - ColLeft(FSizingCol));
  } else if (FSelecting && shift.Contains(ssLeft)) {
    // Held above or below the rows, the selection moves on and the grid scrolls with it.
    const int32_t clampedY = std::clamp(y, FixedHeight(), std::max(GetClientHeight() - 1, 0));
    const int32_t clampedX = std::clamp(x, FixedWidth(), std::max(GetClientWidth() - 1, 0));
    TGridCoord cell = MouseCoord(clampedX, clampedY);
    if (y < FixedHeight())
      cell.Y = std::max(FFixedRows, FRow - 1);
    else if (y >= GetClientHeight())
      cell.Y = std::min(FRowCount - 1, FRow + 1);
    else if (cell.Y < 0)
      cell.Y = FRow;
    if (FOptions.Contains(goRowSelect) || cell.X < FFixedCols) cell.X = FCol;
    if (cell.X != FCol || cell.Y != FRow) MoveColRow(cell.X, cell.Y, true);
    if (!self) return;
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    FSizingCol = -1;
    FSelecting = false;
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::WMSetCursor(TWMSetCursor& message) {
  if (message.HitTest() == HTCLIENT && FOptions.Contains(goColSizing)) {
    TPoint point;
    GetCursorPos(&point);
    point = ScreenToClient(point);
    if (FSizingCol >= 0 || SizingColAt(point.X, point.Y) >= 0) {
      ::SetCursor(Screen->GetCursors(crHSplit));
      message.Result = 1;
      return;
    }
  }
  inherited::WMSetCursor(message);
}

void TCustomGrid::CMDesignHitTest(TCMDesignHitTest& message) {
  // In a form designer the grid takes the presses that size its columns.
  if (FOptions.Contains(goColSizing) &&
      (FSizingCol >= 0 || SizingColAt(message.XPos(), message.YPos()) >= 0)) {
    message.Result = 1;
    return;
  }
  inherited::CMDesignHitTest(message);
}

// Focus: the focus mark comes and goes with it.

void TCustomGrid::WMSetFocus(TWMSetFocus& message) {
  TControlRef<TCustomGrid> self(this);
  inherited::WMSetFocus(message);
  if (self) InvalidateRow(FRow);
}

void TCustomGrid::WMKillFocus(TWMKillFocus& message) {
  TControlRef<TCustomGrid> self(this);
  inherited::WMKillFocus(message);
  if (self) InvalidateRow(FRow);
}
