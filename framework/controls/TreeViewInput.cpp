#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/TreeView.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

// The input side of TCustomTreeView: mouse, keys, the typed search and the scroll bars.

namespace {
// Letters typed within this time extend the search.
constexpr DWORD SearchTimeout = 1000;

void AppendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool StartsText(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// Whether text is one character typed again and again ("aaa").
bool Repeated(const std::string& text) {
  return text.size() > 1 &&
         std::all_of(text.begin(), text.end(), [&](char c) { return c == text.front(); });
}
}  // namespace

void TCustomTreeView::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomTreeView::WMSetFocus(TWMSetFocus& message) {
  TCustomControl::WMSetFocus(message);
  InvalidateNode(FSelected);
}

void TCustomTreeView::WMKillFocus(TWMKillFocus& message) {
  TCustomControl::WMKillFocus(message);
  InvalidateNode(FSelected);
}

void TCustomTreeView::WMSize(TWMSize& message) {
  TCustomControl::WMSize(message);
  if (FUpdatingScrollBars) return;
  FLayoutValid = false;
  if (FNodes->GetUpdateCount() == 0) UpdateLayout();
}

// Selecting.

void TCustomTreeView::SelectAndShow(TTreeNode* node) {
  if (!node) return;
  if (node == FSelected) {
    MakeVisible(node);
    return;
  }
  Select(node);
}

void TCustomTreeView::ToggleExpanded(TTreeNode* node) {
  if (node->GetExpanded())
    node->Collapse(false);
  else
    node->Expand(false);
}

// Mouse.

void TCustomTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  if (button == mbLeft && CanFocus() && !Focused()) {
    SetFocus();
    if (!self) return;
  }
  if (button == mbLeft) {
    const THitTests hit = GetHitTestInfoAt(x, y);
    TTreeNode* node = GetNodeAt(x, y);
    if (node && hit.Contains(htOnButton)) {
      ToggleExpanded(node);
    } else if (node && hit.Contains(htOnItem)) {
      if (shift.Contains(ssDouble))
        ToggleExpanded(node);
      else
        SelectAndShow(node);
    }
    if (!self) return;
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

// Keys.

void TCustomTreeView::KeyDown(WORD& key, TShiftState shift) {
  TControlRef<> self(this);
  TCustomControl::KeyDown(key, shift);
  if (!self || key == 0) return;
  UpdateLayout();
  const int rows = static_cast<int>(FRows.size());
  if (rows == 0) return;
  TTreeNode* node = FSelected;
  const int row = node ? RowOf(node) : -1;
  const int page = std::max(1, GetVisibleRowCount() - 1);
  switch (key) {
    case VK_DOWN:
      SelectAndShow(row < 0 ? NodeOfRow(0) : NodeOfRow(std::min(row + 1, rows - 1)));
      break;
    case VK_UP:
      SelectAndShow(row < 0 ? NodeOfRow(0) : NodeOfRow(std::max(row - 1, 0)));
      break;
    case VK_HOME:
      SelectAndShow(NodeOfRow(0));
      break;
    case VK_END:
      SelectAndShow(NodeOfRow(rows - 1));
      break;
    case VK_NEXT:
      SelectAndShow(NodeOfRow(std::min(std::max(row, 0) + page, rows - 1)));
      break;
    case VK_PRIOR:
      SelectAndShow(NodeOfRow(std::max(row - page, 0)));
      break;
    case VK_RIGHT:
      if (!node) break;
      if (node->GetExpanded())
        SelectAndShow(node->GetFirstChild());
      else
        node->Expand(false);
      break;
    case VK_LEFT:
      if (!node) break;
      if (node->GetExpanded())
        node->Collapse(false);
      else
        SelectAndShow(node->GetParent());
      break;
    case VK_ADD:
      if (node) node->Expand(false);
      break;
    case VK_SUBTRACT:
      if (node) node->Collapse(false);
      break;
    case VK_MULTIPLY:
      if (node) node->Expand(true);
      break;
    default:
      return;
  }
}

void TCustomTreeView::KeyPress(char32_t& key) {
  TControlRef<> self(this);
  TCustomControl::KeyPress(key);
  if (!self || key == 0) return;
  switch (key) {
    case U'+':
      if (FSelected) FSelected->Expand(false);
      return;
    case U'-':
      if (FSelected) FSelected->Collapse(false);
      return;
    case U'*':
      if (FSelected) FSelected->Expand(true);
      return;
    default:
      if (key >= 0x20 && key != 0x7F) Search(key);
      return;
  }
}

void TCustomTreeView::Search(char32_t character) {
  const DWORD now = GetMessageTime();
  if (now - FSearchTime > SearchTimeout) FSearchText.clear();
  FSearchTime = now;
  AppendUtf8(FSearchText, character);
  UpdateLayout();
  const int rows = static_cast<int>(FRows.size());
  if (rows == 0) return;
  // A new search (or one letter typed again) looks from the next row; a longer one may stay.
  const bool repeated = Repeated(FSearchText);
  const std::string prefix = repeated ? FSearchText.substr(0, 1) : FSearchText;
  const int current = std::max(RowOf(FSelected), 0);
  const int start = FSelected && (FSearchText.size() == 1 || repeated) ? current + 1 : current;
  for (int i = 0; i < rows; ++i) {
    TTreeNode* node = FRows[static_cast<size_t>((start + i) % rows)];
    if (StartsText(node->GetText(), prefix)) {
      SelectAndShow(node);
      return;
    }
  }
}

// Scroll bars.

void TCustomTreeView::WMVScroll(TWMScroll& message) {
  UpdateLayout();
  const int page = GetVisibleRowCount();
  int top = FTopRow;
  switch (message.ScrollCode()) {
    case SB_LINEUP:
      --top;
      break;
    case SB_LINEDOWN:
      ++top;
      break;
    case SB_PAGEUP:
      top -= page;
      break;
    case SB_PAGEDOWN:
      top += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      top = message.Pos();
      break;
    case SB_TOP:
      top = 0;
      break;
    case SB_BOTTOM:
      top = static_cast<int>(FRows.size());
      break;
    default:
      return;
  }
  ScrollTo(top, FLeftPos);
}

void TCustomTreeView::WMHScroll(TWMScroll& message) {
  UpdateLayout();
  const int page = std::max(1, GetClientWidth());
  int left = FLeftPos;
  switch (message.ScrollCode()) {
    case SB_LINELEFT:
      left -= FIndent;
      break;
    case SB_LINERIGHT:
      left += FIndent;
      break;
    case SB_PAGELEFT:
      left -= page;
      break;
    case SB_PAGERIGHT:
      left += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      left = message.Pos();
      break;
    case SB_LEFT:
      left = 0;
      break;
    case SB_RIGHT:
      left = FMaxWidth;
      break;
    default:
      return;
  }
  ScrollTo(FTopRow, left);
}
