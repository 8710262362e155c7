#include <algorithm>

#include "controls/ImageList.h"
#include "controls/TextMeasure.h"
#include "controls/TreeView.h"
#include "winsys/WinUser.h"

// The layout side of TCustomTreeView: the shown nodes as rows of one height, where each part
// of a row lies, and the scroll bars. Rows are rebuilt only when something changed and
// somebody asks (painting, a key, a hit test), so that adding many nodes costs one rebuild.

namespace {
// Space between the image and the text, and around the text inside its rectangle.
constexpr int ImageGap = 2;
constexpr int TextPadding = 2;
constexpr int ButtonHalf = 4;  // a 9 x 9 button

}  // namespace

void TCustomTreeView::InvalidateLayout() {
  FLayoutValid = false;
  if (FNodes->GetUpdateCount() == 0) Invalidate();
}

void TCustomTreeView::InvalidateNode(TTreeNode* node) {
  if (!node || !HandleAllocated()) return;
  const int row = RowOf(node);
  if (row < 0) return;
  const int height = GetItemHeight();
  const TRect rect{0, (row - FTopRow) * height, GetClientWidth(), (row - FTopRow + 1) * height};
  InvalidateRect(FHandle, &rect, FALSE);
}

void TCustomTreeView::ForgetTextWidths(TTreeNode* node) {
  std::vector<TTreeNode*> pending{node};
  while (!pending.empty()) {
    TTreeNode* current = pending.back();
    pending.pop_back();
    current->FTextWidth = -1;
    pending.insert(pending.end(), current->FChildren.begin(), current->FChildren.end());
  }
}

int TCustomTreeView::GetItemHeight() {
  if (FItemHeight > 0) return FItemHeight;
  FItemHeight = std::max(FontHeight(GetFont()) + 3, FImages ? FImages->GetHeight() : 0);
  return FItemHeight;
}

int TCustomTreeView::GetVisibleRowCount() {
  return std::max(1, GetClientHeight() / GetItemHeight());
}

int TCustomTreeView::TextWidth(TTreeNode* node) {
  if (node->FTextWidth >= 0) return node->FTextWidth;
  node->FTextWidth = MeasureText(GetFont(), node->GetText()).cx;
  return node->FTextWidth;
}

int TCustomTreeView::IndentOf(const TTreeNode* node) const {
  const bool rootColumn = FShowRoot && (FShowLines || FShowButtons);
  return (node->GetLevel() + (rootColumn ? 1 : 0)) * FIndent;
}

int TCustomTreeView::ImageWidth() const {
  return FImages ? FImages->GetWidth() + ImageGap : 0;
}

void TCustomTreeView::UpdateLayout() {
  if (FLayoutValid) return;
  FLayoutValid = true;
  FRows.clear();
  FMaxWidth = 0;
  // The shown nodes depth first: children only below expanded nodes.
  TTreeNode* node = FNodes->GetFirstNode();
  const int images = ImageWidth();
  while (node) {
    node->FRow = static_cast<int>(FRows.size());
    FRows.push_back(node);
    FMaxWidth = std::max(FMaxWidth, IndentOf(node) + images + TextWidth(node) + 2 * TextPadding);
    if (node->FExpanded && !node->FChildren.empty()) {
      node = node->FChildren.front();
      continue;
    }
    while (node && !node->getNextSibling())
      node = node->GetParent();
    if (node) node = node->getNextSibling();
  }
  UpdateScrollBars();
}

int TCustomTreeView::RowCount() {
  UpdateLayout();
  return static_cast<int>(FRows.size());
}

int TCustomTreeView::RowOf(TTreeNode* node) {
  UpdateLayout();
  if (!node || node->FRow < 0 || node->FRow >= static_cast<int>(FRows.size()) ||
      FRows[static_cast<size_t>(node->FRow)] != node)
    return -1;
  return node->FRow;
}

TTreeNode* TCustomTreeView::NodeOfRow(int row) {
  UpdateLayout();
  if (row < 0 || row >= static_cast<int>(FRows.size())) return nullptr;
  return FRows[static_cast<size_t>(row)];
}

TRect TCustomTreeView::TextRect(TTreeNode* node, int row) {
  const int left = IndentOf(node) + ImageWidth() - FLeftPos;
  const int top = (row - FTopRow) * GetItemHeight();
  return {left, top, left + TextWidth(node) + 2 * TextPadding, top + GetItemHeight()};
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* node, int row) {
  const int indent = IndentOf(node);
  if (indent == 0) return {};
  const int centreX = indent - FIndent / 2 - FLeftPos;
  const int centreY = (row - FTopRow) * GetItemHeight() + GetItemHeight() / 2;
  return {centreX - ButtonHalf, centreY - ButtonHalf, centreX + ButtonHalf + 1,
          centreY + ButtonHalf + 1};
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) {
  if (y < 0 || x < 0 || x >= GetClientWidth()) return nullptr;
  return NodeOfRow(FTopRow + y / GetItemHeight());
}

THitTests TCustomTreeView::GetHitTestInfoAt(int x, int y) {
  if (y < 0) return {htAbove};
  if (y >= GetClientHeight()) return {htBelow};
  if (x < 0) return {htToLeft};
  if (x >= GetClientWidth()) return {htToRight};
  TTreeNode* node = GetNodeAt(x, y);
  if (!node) return {htNowhere};
  const int row = node->FRow;
  const TRect text = TextRect(node, row);
  const int imageLeft = IndentOf(node) - FLeftPos;
  if (x >= text.Right) return {htOnRight};
  if (x >= text.Left) return {htOnItem, htOnLabel};
  if (FImages && x >= imageLeft) return {htOnItem, htOnIcon};
  const TRect button = ButtonRect(node, row);
  if (FShowButtons && node->FHasChildren && button.Inflate(1, 1).Contains({x, y}))
    return {htOnButton};
  return {htOnIndent};
}

void TCustomTreeView::UpdateScrollBars() {
  if (!HandleAllocated() || FUpdatingScrollBars) return;
  FUpdatingScrollBars = true;
  const int rows = static_cast<int>(FRows.size());
  // Showing one bar narrows the room for the other; two passes settle it.
  for (int pass = 0; pass < 3; ++pass) {
    const TRect client = GetClientRect();
    const int page = std::max(1, client.Height() / GetItemHeight());
    FTopRow = std::clamp(FTopRow, 0, std::max(0, rows - page));
    FLeftPos = std::clamp(FLeftPos, 0, std::max(0, FMaxWidth - client.Width()));
    SCROLLINFO vertical;
    vertical.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    vertical.nMax = rows - 1;
    vertical.nPage = static_cast<UINT>(page);
    vertical.nPos = FTopRow;
    SetScrollInfo(FHandle, SB_VERT, &vertical, TRUE);
    SCROLLINFO horizontal;
    horizontal.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    horizontal.nMax = FMaxWidth - 1;
    horizontal.nPage = static_cast<UINT>(std::max(1, client.Width()));
    horizontal.nPos = FLeftPos;
    SetScrollInfo(FHandle, SB_HORZ, &horizontal, TRUE);
    if (GetClientRect() == client) break;
  }
  FUpdatingScrollBars = false;
}

void TCustomTreeView::ScrollTo(int topRow, int leftPos) {
  UpdateLayout();
  const int rows = static_cast<int>(FRows.size());
  topRow = std::clamp(topRow, 0, std::max(0, rows - GetVisibleRowCount()));
  leftPos = std::clamp(leftPos, 0, std::max(0, FMaxWidth - GetClientWidth()));
  if (topRow == FTopRow && leftPos == FLeftPos) return;
  FTopRow = topRow;
  FLeftPos = leftPos;
  if (!HandleAllocated()) return;
  SetScrollPos(FHandle, SB_VERT, FTopRow, TRUE);
  SetScrollPos(FHandle, SB_HORZ, FLeftPos, TRUE);
  Invalidate();
}

TTreeNode* TCustomTreeView::GetTopItem() {
  return NodeOfRow(FTopRow);
}

void TCustomTreeView::SetTopItem(TTreeNode* value) {
  const int row = RowOf(value);
  if (row >= 0) ScrollTo(row, FLeftPos);
}

void TCustomTreeView::MakeVisible(TTreeNode* node) {
  const int row = RowOf(node);
  if (row < 0) return;
  int top = FTopRow;
  const int page = GetVisibleRowCount();
  if (row < top) top = row;
  if (row >= top + page) top = row - page + 1;
  // The text into view too, its start first.
  int left = FLeftPos;
  const int textLeft = IndentOf(node) + ImageWidth();
  const int textRight = textLeft + TextWidth(node) + 2 * TextPadding;
  if (textRight > left + GetClientWidth()) left = textRight - GetClientWidth();
  if (textLeft < left) left = textLeft;
  ScrollTo(top, left);
}
