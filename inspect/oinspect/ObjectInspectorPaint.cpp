// Painting: every pixel of the cells is the inspector's; the grid base class calls DrawCell for
// each visible cell and fills what no cell covers.
//
// Built: names (indented by level, with the plus and minus glyphs) and values as text in the
// look's colours, group headers in the group font, blank values where several components
// differ, and solid grid lines. Left to build here: dotted lines, the editor row's frame,
// highlighting, OnDrawCell and OnGetCellParams, and values painted by editor controls
// (CM_PAINTTO).
#include <algorithm>

#include "designintf/ComponentList.h"
#include "designintf/PropertyEditor.h"
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

namespace {
// The value text of a row: blank where several components differ, and where the editor fails.
std::string ValueText(TPropertyEditor* editor, int componentCount) {
  try {
    if (componentCount > 1 && !editor->AllEqual()) return std::string();
    return editor->GetValue();
  } catch (...) {
    return std::string();
  }
}
}  // namespace

void TCustomObjectInspector::Invalidate() {
  if (FRowsLocked) return;
  TCustomGrid::Invalidate();
}

void TCustomObjectInspector::UpdateValues() {
  if (!HandleAllocated()) return;
  const int32_t left = GetColWidths(0) + (FOptions.Contains(oiVertLine3D) ? 2 : 0);
  const TRect values{left, 0, GetClientWidth(), GetClientHeight()};
  InvalidateRect(GetHandle(), &values, FALSE);
}

void TCustomObjectInspector::WMEraseBkgnd(TWMEraseBkgnd& message) {
  message.Result = 1;
}

bool TCustomObjectInspector::SelectCell(int32_t, int32_t) {
  return true;
}

void TCustomObjectInspector::DrawLines() {
  // Solid lines on the pixels the cells leave free: the last pixel row of each row, the last
  // pixel column of the name column, and with oiVertLine3D a white one beside it.
  TCanvas* canvas = GetCanvas();
  const int32_t rowHeight = GetDefaultRowHeight();
  const int32_t rows = std::min(GetRowCount() - GetTopRow(), GetClientHeight() / rowHeight + 1);
  const int32_t bottom = std::min(rows * rowHeight, GetClientHeight());
  canvas->GetPen()->SetColor(FOptions.Contains(oiHorzLine) ? FColors->GetHorzLineColor()
                                                           : FColors->GetBackColor());
  for (int32_t y = rowHeight; y <= bottom; y += rowHeight) {
    canvas->MoveTo(0, y - 1);
    canvas->LineTo(GetWidth(), y - 1);
  }
  const int32_t x = GetColWidths(0) - 1;
  TColor vertical = FColors->GetBackColor();
  if (FOptions.Contains(oiVertLine))
    vertical = FOptions.Contains(oiVertLine3D) ? clGray : FColors->GetVertLineColor();
  canvas->GetPen()->SetColor(vertical);
  canvas->MoveTo(x, 0);
  canvas->LineTo(x, bottom);
  if (!FOptions.Contains(oiVertLine) || !FOptions.Contains(oiVertLine3D)) return;
  canvas->GetPen()->SetColor(clWhite);
  canvas->MoveTo(x + 1, 0);
  canvas->LineTo(x + 1, bottom);
}

void TCustomObjectInspector::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(FColors->GetBackColor());
  if (IsEmpty()) {
    canvas->FillRect(GetClientRect());
    return;
  }
  canvas->SetFont(GetFont());
  TCustomGrid::Paint();
  DrawLines();
}

void TCustomObjectInspector::DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState) {
  if (IsEmpty() || row < 0 || row >= GetInfoRecCount()) return;
  TInfoRec* info = FRows[static_cast<size_t>(row)].get();
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  TRect cell = rect;
  if (col == 0)
    cell.Right -= 1;  // the column line's pixels stay free
  else if (FOptions.Contains(oiVertLine3D))
    cell.Left += 1;
  canvas->GetBrush()->SetColor(FColors->GetBackColor());
  std::string text;
  int32_t x = cell.Left + 1;
  TColor color = FColors->GetCol1Color();
  if (col == 1) {
    if (info->IsGroup || !info->PropEdit) {
      color = FColors->GetBackColor();
    } else {
      TCallGuard call(this);
      text = ValueText(info->PropEdit, FComponents->GetCount());
    }
  } else {
    color = FColors->GetCol0Color();
    if (info->IsGroup) {
      canvas->SetFont(FGroupFont.get());
      color = FGroupFont->GetColor();
    }
    text = info->DisplayName;
    x = (info->Level + 1) * GlyphSize + cell.Left + 5;
  }
  canvas->GetFont()->SetColor(color);
  canvas->TextRect({cell.Left, cell.Top, cell.Right, cell.Bottom - 1}, x, cell.Top + 1, text);
  if (col != 0 || info->SubState == ssNoSub) return;
  TBitmap* glyph = info->SubState == ssExpanded ? FMinusGlyph.get() : FPlusGlyph.get();
  canvas->Draw(info->Level * GlyphSize + cell.Left + 3,
               cell.Top + (GetDefaultRowHeight() - GlyphSize) / 2, glyph);
}
