// The inspector's pointer and keyboard: choosing rows, the plus/minus glyphs, double clicks,
// the splitter between the columns, and row navigation.
//
// Outside design mode the grid base class never sees a press or a double click. Mouse:
//
//   press                              -> state afterwards
//   left, on the splitter's hot zone   -> sizing: a dotted line follows the pointer within
//                                         40 pixels of either edge; release sets the widths
//   left with the double-click flag    -> DblClick; no drag selection until the next press
//   any button on a row's glyph zone   -> DblClick (expand or collapse); no drag selection
//   on another row                     -> commit the edit, the row becomes current
//   moves with the left button held    -> the current row follows the pointer, one row per
//                                         move while it is held above or below the rows
//
// Positions come from the system's cursor rather than the message, so that the editor can hand
// its clicks on to the grid.
#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Screen.h"
#include "oinspect/OInplaceEdit.h"
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

namespace {
// The splitter keeps this far from either side of the control.
constexpr int32_t SplitterMargin = 40;
}  // namespace

bool TCustomObjectInspector::isnear(int32_t x, int32_t pos) const {
  return pos - FSplitterSize < x && x < pos + FSplitterSize;
}

TPoint TCustomObjectInspector::CursorClientPos() const {
  TPoint point;
  GetCursorPos(&point);
  return ScreenToClient(point);
}

void TCustomObjectInspector::DrawSizingLine() {
  TCanvas* canvas = GetCanvas();
  TPen saved;
  saved.Assign(canvas->GetPen());
  TPen* pen = canvas->GetPen();
  pen->SetStyle(psDot);
  pen->SetMode(pmXor);
  pen->SetWidth(1);
  canvas->MoveTo(FSizingPos, 0);
  canvas->LineTo(FSizingPos, GetClientHeight());
  canvas->SetPen(&saved);
}

bool TCustomObjectInspector::GlyphHit(int32_t row, int32_t x) const {
  if (row < 0 || row >= GetRowCount() || row >= GetInfoRecCount()) return false;
  const TInfoRec* info = FRows[static_cast<size_t>(row)].get();
  if (info->SubState == ssNoSub) return false;
  return info->Level * GlyphSize - 3 <= x && x < (info->Level + 1) * GlyphSize + 3;
}

void TCustomObjectInspector::ApplyPendingEdit() {
  if (FInplaceEdit) FInplaceEdit->CommitValue();
}

void TCustomObjectInspector::ChooseRow(int32_t row) {
  TControlRef<TCustomObjectInspector> self(this);
  ApplyPendingEdit();
  if (!self || IsEmpty() || row >= GetRowCount()) return;
  SetRow(row);
  UpdateEditor();
  if (!self) return;
  if (FInplaceEdit) FInplaceEdit->Click();
  if (self) UpdateScrollBar();
}

void TCustomObjectInspector::MouseDown(TMouseButton button, TShiftState shift, int, int) {
  if (IsEmpty()) return;
  TControlRef<TCustomObjectInspector> self(this);
  const bool designing = GetComponentState().Contains(csDesigning);
  if (!designing && CanFocus()) {
    SetFocus();
    if (!self) return;
  }
  const TPoint point = CursorClientPos();
  const TGridCoord cell = MouseCoord(point.X, point.Y);
  if (button == mbLeft && isnear(point.X, GetColWidths(0)) && cell.Y < GetRowCount()) {
    FSizing = true;
    FSizingPos = GetColWidths(0);
    DrawSizingLine();
    return;
  }
  if (designing) return;
  FPlusMinusClick = false;
  if (button == mbLeft && shift.Contains(ssDouble)) {
    FPlusMinusClick = true;
    DblClick();
    return;
  }
  if (GlyphHit(cell.Y, point.X)) {
    FPlusMinusClick = true;
    DblClick();
    return;
  }
  if (cell.Y != -1 && cell.Y < GetRowCount() && cell.Y != GetRow()) ChooseRow(cell.Y);
}

void TCustomObjectInspector::MouseMove(TShiftState shift, int x, int y) {
  const int32_t old = GetRow();
  TControlRef<TCustomObjectInspector> self(this);
  if (FSizing) {
    if (SplitterMargin < x && x < GetWidth() - SplitterMargin) {
      DrawSizingLine();
      FSizingPos = x;
      DrawSizingLine();
      if (FOnSplitterMoving) FOnSplitterMoving(this, x);
    }
  } else if (GetComponentState().Contains(csDesigning)) {
    TCustomGrid::MouseMove(shift, x, y);
  } else if (shift.Contains(ssLeft) && !FPlusMinusClick && !IsEmpty()) {
    FFrameShown = false;
    const TPoint point = CursorClientPos();
    // The name column at the pointer's height, wherever the pointer is sideways.
    int32_t row = MouseCoord(5, point.Y).Y;
    // Held above or below the rows, the selection moves one row per move.
    if (row == -1 && point.Y < 0 && GetRow() > 0)
      row = GetRow() - 1;
    else if (row == -1 && point.Y > 0 && GetRow() < GetRowCount() - 1)
      row = GetRow() + 1;
    if (row != -1 && row != GetRow()) {
      KillEditor();
      SetRow(row);
    }
  }
  if (!self) return;
  FFrameShown = true;
  if (GetRow() != old) {
    UpdateEditor();
    if (self) UpdateScrollBar();
  }
}

void TCustomObjectInspector::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FSizing) {
    DrawSizingLine();
    const int32_t width = std::min(std::max(x, SplitterMargin), GetWidth() - SplitterMargin);
    SetColWidths(0, width);
    SetColWidths(1, GetWidth() - width);
    FSizing = false;
    TControlRef<TCustomObjectInspector> self(this);
    KillEditor();
    DrawLines();
    CreateEditor(FEditRow);
    if (self && FOnSplitterMoved) FOnSplitterMoved(this, width);
  } else if (GetComponentState().Contains(csDesigning)) {
    TCustomGrid::MouseUp(button, shift, x, y);
  }
}

void TCustomObjectInspector::DblClick() {
  if (IsEmpty()) return;
  const TPoint point = CursorClientPos();
  const TGridCoord cell = MouseCoord(point.X, point.Y);
  if (cell.Y == -1) return;
  const int32_t row = GetRow();
  const int32_t count = GetRowCount();
  TControlRef<TCustomObjectInspector> self(this);
  if (cell.X == 0)
    Col0DblClick();
  else
    Col1DblClick();
  if (self && (GetRow() != row || GetRowCount() != count)) UpdateEditor();
}

void TCustomObjectInspector::Col0DblClick() {
  const TPoint point = CursorClientPos();
  const int32_t row = MouseCoord(point.X, point.Y).Y;
  if (row >= 0) DoPlusMinus(row);
}

void TCustomObjectInspector::Col1DblClick() {
  const TPoint point = CursorClientPos();
  const int32_t row = MouseCoord(point.X, point.Y).Y;
  if (row >= 0) DoEdit(row);
}

// Keys.

void TCustomObjectInspector::ExpandSubtree(int32_t row) {
  TControlRef<TCustomObjectInspector> self(this);
  DoPlusMinus(row);
  if (!self || IsEmpty() || row >= GetInfoRecCount()) return;
  // Rows inserted by an expansion are visited in turn: the whole subtree opens.
  const int32_t level = FRows[static_cast<size_t>(row)]->Level;
  for (int32_t i = row + 1; i < GetInfoRecCount() && FRows[static_cast<size_t>(i)]->Level > level;
       ++i) {
    if (FRows[static_cast<size_t>(i)]->SubState != ssCollapsed) continue;
    DoPlusMinus(i);
    if (!self || IsEmpty()) return;
  }
}

void TCustomObjectInspector::EraseEditorFrame() {
  // The sunken frame goes at once, before the editor leaves the row.
  const TRect value = CellRect(1, FEditRow);
  const TRect name = CellRect(0, FEditRow);
  TCanvas* canvas = GetCanvas();
  TPen* pen = canvas->GetPen();
  pen->SetColor(FColors->GetBackColor());
  canvas->MoveTo(0, value.Top);
  canvas->LineTo(GetWidth(), value.Top);
  canvas->MoveTo(0, value.Bottom - 1);
  canvas->LineTo(GetWidth(), value.Bottom - 1);
  pen->SetWidth(2);
  canvas->MoveTo(name.Left, name.Top + 2);
  canvas->LineTo(name.Left, name.Bottom);
  pen->SetWidth(1);
}

void TCustomObjectInspector::KeyDown(WORD& key, TShiftState shift) {
  if (IsEmpty()) return TCustomGrid::KeyDown(key, shift);
  const bool down = key == VK_DOWN || key == VK_NEXT;
  const bool up = key == VK_UP || key == VK_PRIOR;
  if ((down && GetRow() == GetRowCount() - 1) || (up && GetRow() == 0)) return;
  TControlRef<TCustomObjectInspector> self(this);
  const bool validEditRow = FEditRow >= 0 && FEditRow < GetInfoRecCount();
  const TInfoRec* editRow = validEditRow ? FRows[static_cast<size_t>(FEditRow)].get() : nullptr;
  const bool expansionKeys = shift.Contains(ssCtrl) || FReadOnly ||
                             (FInplaceEdit && FInplaceEdit->GetReadOnly()) ||
                             (editRow && editRow->IsGroup);
  if (expansionKeys && editRow) {
    if ((key == VK_ADD && editRow->SubState == ssCollapsed) ||
        (key == VK_SUBTRACT && editRow->SubState == ssExpanded)) {
      key = 0;
      DoPlusMinus(FEditRow);
      return;
    }
    if (key == VK_MULTIPLY && editRow->SubState == ssCollapsed) {
      key = 0;
      ExpandSubtree(FEditRow);
      return;
    }
  }
  if (!down && !up) {
    key = 0;
    return;
  }
  if (FOptions.Contains(oiSunkenEditor) && HandleAllocated()) EraseEditorFrame();
  if (FReadOnly) {
    TCustomGrid::KeyDown(key, shift);
    if (!self) return;
    FEditRow = GetRow();
    Invalidate();
    UpdateScrollBar();
    return;
  }
  // The row changes only when the edit could be committed; the editor is rebuilt either way.
  auto rebuild = [this] {
    FFrameShown = true;
    UpdateEditor();
    UpdateScrollBar();
  };
  try {
    ApplyPendingEdit();
    if (!self) return;
    KillEditor();
    FFrameShown = false;
    TCustomGrid::KeyDown(key, shift);
  } catch (...) {
    if (self) rebuild();
    throw;
  }
  if (self) rebuild();
}

// Cursor and design-time hit test.

void TCustomObjectInspector::WMNCHitTest(TWMNCHitTest& message) {
  INHERITED_MESSAGE(message);
  FHitPos = ScreenToClient(message.Pos());
}

void TCustomObjectInspector::WMSetCursor(TWMSetCursor& message) {
  if (message.HitTest() == HTCLIENT && !IsEmpty() &&
      (FSizing || isnear(FHitPos.X, GetColWidths(0)))) {
    ::SetCursor(Screen->GetCursors(crHSplit));
    message.Result = 1;
    return;
  }
  inherited::WMSetCursor(message);
}

void TCustomObjectInspector::CMDesignHitTest(TCMDesignHitTest& message) {
  // In a form designer the control takes the presses that drag its splitter.
  if (isnear(message.XPos(), GetColWidths(0)) || FSizing) message.Result = 1;
}
