// Scrolling and layout: the inspector keeps its vertical scroll bar itself, its rows as high as
// its font needs and its two columns filling its width.
#include <algorithm>

#include "controls/ControlRef.h"
#include "oinspect/OInplaceEdit.h"
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

namespace {
// Every capital letter: the tallest glyphs of the font without descenders.
constexpr const char* RowHeightSample = "QWERTYUIOPASDFGHJKLZXCVBNM";
}  // namespace

void TCustomObjectInspector::CreateParams(TCreateParams& params) {
  TCustomGrid::CreateParams(params);
  params.Style = (params.Style | WS_VSCROLL) & ~DWORD{WS_HSCROLL};
}

void TCustomObjectInspector::CreateWnd() {
  TCustomGrid::CreateWnd();
  UpdateScrollBar();
}

int32_t TCustomObjectInspector::MeasureRowHeight() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  return canvas->TextHeight(RowHeightSample) + 3;
}

void TCustomObjectInspector::WMSize(TWMSize& message) {
  TControlRef<TCustomObjectInspector> self(this);
  // The control's own bounds and alignment always follow the window; the grid's scroll-bar
  // handling runs only in design mode, where the inspector does not keep the bar itself.
  const bool designing = GetComponentState().Contains(csDesigning);
  if (designing)
    inherited::WMSize(message);
  else
    TWinControl::WMSize(message);
  if (!self) return;
  const int32_t height = MeasureRowHeight();
  if (height != GetDefaultRowHeight()) SetDefaultRowHeight(height);
  // The value column takes the whole change; the name column (the splitter) stays.
  FRowsLocked = true;
  const int32_t delta = GetWidth() - GetColWidths(0) - GetColWidths(1);
  SetColWidths(1, GetColWidths(1) + delta);
  FRowsLocked = false;
  UpdateScrollBar();
  if (!self) return;
  if (designing) return;
  if (FEditorActive && FInplaceEdit) {
    FInplaceEdit->SetWidth(FInplaceEdit->GetWidth() + delta);
    MoveEditor();
  }
}

void TCustomObjectInspector::WMVScroll(TWMScroll& message) {
  const int32_t old = GetTopRow();
  const int32_t page = GetVisibleRowCount();
  int32_t top = old;
  switch (message.ScrollCode()) {
    case SB_LINEUP:
      top = old - 1;
      break;
    case SB_LINEDOWN:
      top = old + 1;
      break;
    case SB_PAGEUP:
      top = old - page;
      break;
    case SB_PAGEDOWN:
      top = old + page;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The message carries 16 bits of the position; the bar holds all of it.
      SCROLLINFO info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(GetHandle(), SB_VERT, &info);
      top = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (top > GetRowCount() - page)
    top = GetRowCount() - page;
  else if (top < 0)
    top = 0;
  TControlRef<TCustomObjectInspector> self(this);
  SetTopRow(top);
  if (!self) return;
  UpdateScrollBar();
  if (!self || FReadOnly || GetComponentState().Contains(csDesigning) || !FInplaceEdit) return;
  const bool groupRow =
      !IsEmpty() && FEditRow >= 0 && FEditRow < GetInfoRecCount() && FRows[FEditRow]->IsGroup;
  if (groupRow) return;
  FInplaceEdit->SetFocus();
  if (self && GetTopRow() != old) MoveEditor();
}

void TCustomObjectInspector::TopLeftChanged() {
  DrawLines();
  // However the rows scrolled (TopRow set by a program too), the editor stays on its row.
  MoveEditor();
}

void TCustomObjectInspector::RowHeightsChanged() {
  MoveEditor();
}

void TCustomObjectInspector::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  bool onScreen = false;
  if (!IsEmpty()) onScreen = CellRect(0, GetTopRow()).Bottom != 0;
  if (!onScreen) {
    // Hidden: the range 0..0; the value column then fills the client width.
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    SetScrollInfo(GetHandle(), SB_VERT, &info, TRUE);
    SetColWidths(1, GetClientWidth() - GetColWidths(0) - 1);
    UpdateEditor();
    return;
  }
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = GetRowCount() - 1;
  info.nPage = static_cast<UINT>(GetVisibleRowCount());
  info.nPos = GetTopRow();
  SetScrollInfo(GetHandle(), SB_VERT, &info, TRUE);
}
