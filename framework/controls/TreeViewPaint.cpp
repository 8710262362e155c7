#include <algorithm>

#include "controls/ImageList.h"
#include "controls/TreeView.h"
#include "winsys/WinUser.h"

// The painting side of TCustomTreeView: only the rows in view are drawn, each with its dotted
// lines, expand button, image and text.

namespace {
constexpr UINT TextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

// A dotted line in the grey of tree lines: every pixel whose coordinates (unscrolled, so that
// the dots of neighbouring rows join) add up to an even number.
void DottedLine(TCanvas* canvas, int x1, int y1, int x2, int y2, int phase) {
  const TColor color = clGray;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (((x + y + phase) & 1) == 0) canvas->SetPixel(x, y, color);
}
}  // namespace

void TCustomTreeView::Paint() {
  UpdateLayout();
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);
  canvas->SetFont(GetFont());
  const int height = GetItemHeight();
  const int last = std::min(static_cast<int>(FRows.size()), FTopRow + client.Height() / height + 1);
  for (int row = FTopRow; row < last; ++row)
    PaintRow(canvas, FRows[static_cast<size_t>(row)], row);
}

void TCustomTreeView::PaintRow(TCanvas* canvas, TTreeNode* node, int row) {
  const int height = GetItemHeight();
  const int top = (row - FTopRow) * height;
  const TRect rowRect{0, top, GetClientWidth(), top + height};
  if (FShowLines) PaintLines(canvas, node, rowRect);
  if (FShowButtons && node->FHasChildren) {
    const TRect button = ButtonRect(node, row);
    if (!button.IsEmpty()) PaintButton(canvas, node, button);
  }
  const bool selected = node == FSelected;
  if (FImages) {
    const int index = selected ? node->FSelectedIndex : node->FImageIndex;
    FImages->Draw(canvas, IndentOf(node) - FLeftPos, top + (height - FImages->GetHeight()) / 2,
                  index, GetEnabled());
  }
  TRect text = TextRect(node, row);
  const bool focused = Focused();
  const bool marked = selected && (focused || !FHideSelection);
  canvas->SetFont(GetFont());
  if (marked) {
    canvas->GetBrush()->SetColor(focused ? clHighlight : clBtnFace);
    canvas->FillRect(text);
    if (focused) canvas->GetFont()->SetColor(clHighlightText);
  }
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  TRect inside = text.Inflate(-2, 0);
  DrawCanvasText(canvas, node->GetText(), inside, TextFormat);
  if (selected && focused) {
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->DrawFocusRect(text);
  }
}

void TCustomTreeView::PaintLines(TCanvas* canvas, TTreeNode* node, const TRect& rowRect) {
  const int indent = IndentOf(node);
  if (indent == 0) return;
  const int middle = rowRect.Top + rowRect.Height() / 2;
  // Rows are laid out in whole heights: an odd height turns the phase from row to row.
  const int phase = (FTopRow * rowRect.Height() + FLeftPos) & 1;
  const int x = indent - FIndent / 2 - FLeftPos;
  const bool first = !node->GetParent() && node->GetIndex() == 0;
  DottedLine(canvas, x, first ? middle : rowRect.Top, x,
             node->getNextSibling() ? rowRect.Bottom - 1 : middle, phase);
  DottedLine(canvas, x, middle, indent - FLeftPos - 1, middle, phase);
  // The lines of the ancestors that have more siblings below pass through this row.
  int level = indent - FIndent;
  for (TTreeNode* parent = node->GetParent(); parent; parent = parent->GetParent()) {
    level -= FIndent;
    if (level < 0) break;
    if (parent->getNextSibling()) {
      const int px = level + FIndent / 2 - FLeftPos;
      DottedLine(canvas, px, rowRect.Top, px, rowRect.Bottom - 1, phase);
    }
  }
}

void TCustomTreeView::PaintButton(TCanvas* canvas, TTreeNode* node, const TRect& button) {
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(button);
  canvas->GetBrush()->SetColor(clGray);
  canvas->FrameRect(button);
  const int cx = button.Left + button.Width() / 2;
  const int cy = button.Top + button.Height() / 2;
  canvas->GetBrush()->SetColor(clWindowText);
  canvas->FillRect({cx - 2, cy, cx + 3, cy + 1});
  if (!node->FExpanded) canvas->FillRect({cx, cy - 2, cx + 1, cy + 3});
}
