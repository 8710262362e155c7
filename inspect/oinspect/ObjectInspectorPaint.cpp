// Painting: every pixel of the cells is the inspector's. The grid base class calls DrawCell for
// each visible cell and fills what no cell covers; the inspector then draws its own lines over
// the cells (DrawLines): a horizontal line on the last pixel row of each row, the column line
// on the last pixel column of the name column (with oiVertLine3D a white one beside it), and
// the frame around the row that holds the in-place editor.
#include <algorithm>

#include "controls/ControlRef.h"
#include "designintf/ComponentList.h"
#include "designintf/PropertyEditor.h"
#include "graphics/Gdi.h"
#include "oinspect/ObjectInspector.h"
#include "vxedit/VxMessages.h"
#include "vxedit/VxSimpleEdit.h"
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

void Line(TCanvas* canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas->GetPen()->SetColor(color);
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
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

void TCustomObjectInspector::SetFrameShown(bool value) {
  FFrameShown = value;
}

bool TCustomObjectInspector::PlainSunkenFrame() const {
  return FOptions.Contains(oiSunkenEditor) && !FOptions.Contains(oiEditBorder);
}

bool TCustomObjectInspector::FrameMode() const {
  return (FOptions.Contains(oiSunkenEditor) || FOptions.Contains(oiEditBorder)) && FFrameShown;
}

int32_t TCustomObjectInspector::LinesEnd() const {
  const int32_t clientHeight = GetClientHeight();
  const int32_t lastBottom = CellRect(0, GetRowCount() - 1).Bottom;
  return lastBottom > 0 && lastBottom < clientHeight ? lastBottom : clientHeight;
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

void TCustomObjectInspector::DrawHorzLine(int32_t y) {
  TCanvas* canvas = GetCanvas();
  const int32_t width = GetWidth();
  if (!FOptions.Contains(oiHorzLine) || FLineStyle == SolidLine) {
    const TColor color =
        FOptions.Contains(oiHorzLine) ? FColors->GetHorzLineColor() : FColors->GetBackColor();
    Line(canvas, color, 0, y - 1, width, y - 1);
    return;
  }
  // The dotted line is made once off screen: two pixels, then the filled prefix copied after
  // itself until the width is covered, then one copy to the screen.
  if (width <= 0) return;
  HDC dc = canvas->GetHandle();
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, 1);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SetPixelV(memory, 0, 0, ColorToRGB(FColors->GetHorzLineColor()));
  SetPixelV(memory, 1, 0, ColorToRGB(FColors->GetBackColor()));
  for (int32_t filled = 2; filled < width; filled *= 2)
    BitBlt(memory, filled, 0, std::min(filled, width - filled), 1, memory, 0, 0, SRCCOPY);
  BitBlt(dc, 0, y - 1, width, 1, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void TCustomObjectInspector::DrawVertLine() {
  TCanvas* canvas = GetCanvas();
  const int32_t gap = CellRect(0, FEditRow).Top;
  const int32_t end = LinesEnd();
  TColor color = FColors->GetVertLineColor();
  if (!FOptions.Contains(oiVertLine))
    color = FColors->GetBackColor();
  else if (FOptions.Contains(oiVertLine3D))
    color = clGray;
  // The pixel at the editor row's top edge is left out: the editor frame's corner.
  auto segments = [&](int32_t x, TColor segmentColor) {
    if (end > gap) {
      Line(canvas, segmentColor, x, 0, x, gap);
      Line(canvas, segmentColor, x, gap + 1, x, end);
    } else {
      Line(canvas, segmentColor, x, 0, x, end);
    }
  };
  const int32_t x = GetColWidths(0) - 1;
  segments(x, color);
  if (FOptions.Contains(oiVertLine) && FOptions.Contains(oiVertLine3D)) segments(x + 1, clWhite);
}

void TCustomObjectInspector::DrawLines() {
  if (!HandleAllocated()) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  const int32_t end = LinesEnd();
  const int32_t width = GetWidth();
  if (!FOptions.Contains(oiVertLine)) DrawVertLine();
  const TRect editor = CellRect(1, FEditRow);
  canvas->SetCopyMode(cmSrcCopy);
  const bool frameMode = FrameMode();
  const bool editBorder = FOptions.Contains(oiEditBorder);
  const int32_t rowHeight = GetDefaultRowHeight();
  for (int32_t y = rowHeight; y <= end || y == rowHeight; y += rowHeight) {
    if (frameMode && y == editor.Top) {
      if (!editBorder) Line(canvas, clBlack, 0, y, width, y);
    } else if (frameMode && y == editor.Bottom) {
      const TColor color = GetColor() == clWhite ? clBlack : clWhite;
      const int32_t lineY = editBorder ? y : y - 1;
      Line(canvas, color, 0, lineY, width, lineY);
    } else {
      DrawHorzLine(y);
    }
    if (rowHeight <= 0) break;
  }
  if (FOptions.Contains(oiVertLine)) DrawVertLine();
  if (FOptions.Contains(oiSunkenEditor) && FFrameShown) {
    const TColor color = editBorder ? clBlack : FColors->GetHorzLineColor();
    Line(canvas, color, 0, editor.Top - 1, width, editor.Top - 1);
  }
}

void TCustomObjectInspector::DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState) {
  if (IsEmpty() || row < 0 || row >= GetInfoRecCount()) return;
  // Handlers called from here may ask for a rebuild: it waits until the cell is done.
  TCallGuard call(this);
  TControlRef<TCustomObjectInspector> self(this);
  TInfoRec* info = FRows[static_cast<size_t>(row)].get();
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  const bool sunken = PlainSunkenFrame();
  TRect cell = rect;
  if (col == 0)
    cell.Right -= 1;  // the column line's pixel column stays free
  else if (FOptions.Contains(oiVertLine3D))
    cell.Left += 1;  // and the white line's
  bool ownerDrawn = false;
  if (!info->IsGroup && FOnDrawCell) {
    bool processed = true;
    FOnDrawCell(this, FComponents.get(), info->PropEdit, col, cell, processed);
    if (!self) return;
    canvas->GetBrush()->SetColor(FColors->GetBackColor());
    ownerDrawn = processed;
  }
  if (!ownerDrawn) {
    canvas->GetBrush()->SetColor(FColors->GetBackColor());
    if (col == 1)
      DrawValueCell(row, *info, cell);
    else
      DrawNameCell(row, *info, cell);
    if (!self) return;
  }
  if (row == FEditRow && sunken && FFrameShown) {
    DrawSunkenFrame(col, cell);
  } else if (row == FEditRow && !sunken && col == 1 && !ownerDrawn) {
    Line(canvas, GetColor(), cell.Left, cell.Top, cell.Right, cell.Top);
  }
}

void TCustomObjectInspector::DrawValueCell(int32_t row, const TInfoRec& info, const TRect& cell) {
  TControlRef<TCustomObjectInspector> self(this);
  TCanvas* canvas = GetCanvas();
  TColor textColor = info.IsGroup ? FColors->GetBackColor() : FColors->GetCol1Color();
  if (FOnGetCellParams) {
    FOnGetCellParams(this, FComponents.get(), info.PropEdit, 1, canvas->GetFont(), textColor);
    if (!self) return;
  }
  canvas->GetFont()->SetColor(textColor);
  // The in-place editor, where there is one, covers the value.
  const bool editorRow = row == FEditRow && !info.IsGroup && !FReadOnly && GetInplaceEditorShown();
  if (editorRow && FFrameShown) return;
  bool painted = false;
  if (info.PropEdit && !info.IsGroup && !FReadOnly && info.EditorClass &&
      info.EditorClass != TVxSimpleEdit::StaticClass())
    painted = PaintValueByControl(info, cell);
  if (painted || editorRow) return;
  std::string text;
  if (!info.IsGroup && info.PropEdit) text = ValueText(info.PropEdit, FComponents->GetCount());
  DrawCellText(cell, cell.Left + 1, text, row == FEditRow && info.IsGroup);
}

bool TCustomObjectInspector::PaintValueByControl(const TInfoRec& info, const TRect& cell) {
  TControl* editor = GetEditor(info.EditorClass);
  TRect bounds = cell;
  bounds.Bottom -= 1;
  if (PlainSunkenFrame()) bounds.Top += 1;
  editor->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  const std::string value = ValueText(info.PropEdit, FComponents->GetCount());
  editor->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  TCanvas* canvas = GetCanvas();
  const bool painted = editor->Perform(CM_PAINTTO, reinterpret_cast<WPARAM>(canvas),
                                       PointToLParam({cell.Left, cell.Top})) == 1;
  if (painted && PlainSunkenFrame())
    Line(canvas, editor->GetColor(), bounds.Left, bounds.Bottom - 1, bounds.Right,
         bounds.Bottom - 1);
  return painted;
}

void TCustomObjectInspector::DrawNameCell(int32_t row, const TInfoRec& info, const TRect& cell) {
  TCanvas* canvas = GetCanvas();
  TColor textColor = FColors->GetCol0Color();
  const bool highlight = row == GetRow() && (info.IsGroup || FReadOnly);
  if (info.IsGroup) {
    canvas->SetFont(FGroupFont.get());
    textColor = FGroupFont->GetColor();
  }
  if (highlight) {
    textColor = FColors->GetHighlightColor();
    canvas->GetBrush()->SetColor(FColors->GetHighlightBkgnd());
  }
  if (FOnGetCellParams) {
    TControlRef<TCustomObjectInspector> self(this);
    FOnGetCellParams(this, FComponents.get(), info.IsGroup ? nullptr : info.PropEdit, 0,
                     canvas->GetFont(), textColor);
    if (!self) return;
  }
  canvas->GetFont()->SetColor(textColor);
  const int32_t textX = (info.Level + 1) * GlyphSize + cell.Left + 5;
  DrawCellText(cell, textX, info.DisplayName, row == FEditRow);
  if (info.SubState == ssNoSub) return;
  TBitmap* glyph = info.SubState == ssExpanded ? FMinusGlyph.get() : FPlusGlyph.get();
  canvas->Draw(textX - (GlyphSize + 2), cell.Top + (GetDefaultRowHeight() - GlyphSize) / 2, glyph);
}

void TCustomObjectInspector::DrawCellText(const TRect& cell, int32_t x, const std::string& text,
                                          bool editorRowCell) {
  // Opaque and clipped: the brush fills the clip rectangle behind the text. The last pixel row
  // is left to the horizontal line, except on the editor row without the sunken frame.
  TRect clip = cell;
  if (!(editorRowCell && !FReadOnly && !PlainSunkenFrame())) clip.Bottom -= 1;
  GetCanvas()->TextRect(clip, x, cell.Top + 1, text);
}

void TCustomObjectInspector::DrawSunkenFrame(int32_t col, TRect cell) {
  TCanvas* canvas = GetCanvas();
  TPen* pen = canvas->GetPen();
  cell.Top -= 1;
  pen->SetWidth(1);
  Line(canvas, clBtnShadow, cell.Left, cell.Top, cell.Right, cell.Top);
  Line(canvas, clBlack, cell.Left, cell.Top + 1, cell.Right, cell.Top + 1);
  if (col == 0) {
    pen->SetWidth(2);
    Line(canvas, clBlack, cell.Left, cell.Top + 2, cell.Left, cell.Bottom);
    pen->SetWidth(1);
  }
  Line(canvas, clBtnHighlight, cell.Left, cell.Bottom, cell.Right, cell.Bottom);
}
