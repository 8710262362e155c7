// Scrolling and layout: the inspector keeps its vertical scroll bar itself and its two columns
// filling its width.
//
// Built: the window style and UpdateScrollBar (also when the window is made). Left to build here:
// the row height measured from the font and the column widths kept on WM_SIZE, WM_VSCROLL,
// TopLeftChanged.
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

void TCustomObjectInspector::CreateParams(TCreateParams& params) {
  TCustomGrid::CreateParams(params);
  params.Style = (params.Style | WS_VSCROLL) & ~DWORD{WS_HSCROLL};
}

void TCustomObjectInspector::CreateWnd() {
  TCustomGrid::CreateWnd();
  UpdateScrollBar();
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
