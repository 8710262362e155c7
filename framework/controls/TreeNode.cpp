#include "controls/TreeNode.h"

#include <algorithm>

#include "controls/TreeView.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TTreeNode) {}

TTreeNode::TTreeNode(TTreeNodes* owner) : FOwner(owner) {}

TTreeNode::~TTreeNode() {
  // The subtree goes with the node; the tree was told when the node was unlinked.
  for (TTreeNode* child : FChildren)
    delete child;
}

void TTreeNode::BeforeDestruction() {
  if (FParent && FOwner) FOwner->Unlink(this);
  TPersistent::BeforeDestruction();
}

void TTreeNode::Renumber(size_t from) {
  for (size_t i = from; i < FChildren.size(); ++i)
    FChildren[i]->FIndex = static_cast<int>(i);
}

// Properties.

void TTreeNode::SetText(const std::string& value) {
  if (value == FText) return;
  FText = value;
  FTextWidth = -1;
  if (FParent && FOwner->Sorting()) {
    // Back to its place among its siblings (later, while sorting is put off).
    if (FOwner->GetUpdateCount() > 0) {
      FOwner->SortPending(FParent);
    } else {
      TTreeNode* parent = FParent;
      auto& list = parent->FChildren;
      list.erase(list.begin() + FIndex);
      parent->Renumber(static_cast<size_t>(FIndex));
      FOwner->Attach(this, parent, -1);
    }
  }
  if (TCustomTreeView* view = GetTreeView()) view->NodeTextChanged(this);
}

void TTreeNode::SetImageIndex(int32_t value) {
  if (value == FImageIndex) return;
  FImageIndex = value;
  if (TCustomTreeView* view = GetTreeView()) view->NodeChanged(this);
}

void TTreeNode::SetSelectedIndex(int32_t value) {
  if (value == FSelectedIndex) return;
  FSelectedIndex = value;
  if (TCustomTreeView* view = GetTreeView()) view->NodeChanged(this);
}

void TTreeNode::SetStateIndex(int32_t value) {
  if (value == FStateIndex) return;
  FStateIndex = value;
  if (TCustomTreeView* view = GetTreeView()) view->NodeChanged(this);
}

void TTreeNode::SetOverlayIndex(int32_t value) {
  if (value == FOverlayIndex) return;
  FOverlayIndex = value;
  if (TCustomTreeView* view = GetTreeView()) view->NodeChanged(this);
}

void TTreeNode::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TTreeNode*>(source);
  if (!other) return TPersistent::Assign(source);
  FData = other->FData;
  FImageIndex = other->FImageIndex;
  FSelectedIndex = other->FSelectedIndex;
  FStateIndex = other->FStateIndex;
  FOverlayIndex = other->FOverlayIndex;
  SetText(other->FText);
  if (TCustomTreeView* view = GetTreeView()) view->NodeChanged(this);
}

// Relations.

TTreeNode* TTreeNode::GetParent() const {
  return FParent == FOwner->Root() ? nullptr : FParent;
}

int TTreeNode::GetLevel() const {
  int level = 0;
  for (const TTreeNode* node = GetParent(); node; node = node->GetParent())
    ++level;
  return level;
}

TTreeNode* TTreeNode::GetItem(int index) const {
  if (index < 0 || index >= GetCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FChildren[static_cast<size_t>(index)];
}

int TTreeNode::GetAbsoluteIndex() const {
  if (!FParent) return -1;
  FOwner->GetItem(0);  // brings the depth-first numbers up to date
  return FAbsoluteIndex;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const {
  if (!node) return false;
  for (const TTreeNode* parent = GetParent(); parent; parent = parent->GetParent())
    if (parent == node) return true;
  return false;
}

TTreeNode* TTreeNode::GetFirstChild() const {
  return FChildren.empty() ? nullptr : FChildren.front();
}

TTreeNode* TTreeNode::GetLastChild() const {
  return FChildren.empty() ? nullptr : FChildren.back();
}

TTreeNode* TTreeNode::getNextSibling() const {
  if (!FParent || FIndex + 1 >= FParent->GetCount()) return nullptr;
  return FParent->FChildren[static_cast<size_t>(FIndex + 1)];
}

TTreeNode* TTreeNode::getPrevSibling() const {
  if (!FParent || FIndex == 0) return nullptr;
  return FParent->FChildren[static_cast<size_t>(FIndex - 1)];
}

TTreeNode* TTreeNode::GetNextChild(const TTreeNode* child) const {
  return child && child->FParent == this ? child->getNextSibling() : nullptr;
}

TTreeNode* TTreeNode::GetPrevChild(const TTreeNode* child) const {
  return child && child->FParent == this ? child->getPrevSibling() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (!FChildren.empty()) return FChildren.front();
  for (const TTreeNode* node = this; node && node->FParent; node = node->GetParent())
    if (TTreeNode* sibling = node->getNextSibling()) return sibling;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
  TTreeNode* node = getPrevSibling();
  if (!node) return GetParent();
  while (!node->FChildren.empty())
    node = node->FChildren.back();
  return node;
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* parent = GetParent(); parent; parent = parent->GetParent())
    if (!parent->FExpanded) return false;
  return FParent != nullptr;
}

TTreeNode* TTreeNode::GetNextVisible() const {
  if (!IsVisible()) return nullptr;
  if (FExpanded && !FChildren.empty()) return FChildren.front();
  for (const TTreeNode* node = this; node && node->FParent; node = node->GetParent())
    if (TTreeNode* sibling = node->getNextSibling()) return sibling;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
  if (!IsVisible()) return nullptr;
  TTreeNode* node = getPrevSibling();
  if (!node) return GetParent();
  while (node->FExpanded && !node->FChildren.empty())
    node = node->FChildren.back();
  return node;
}

// Expanding and collapsing.

void TTreeNode::SetHasChildren(bool value) {
  if (value == FHasChildren) return;
  FHasChildren = value;
  if (TCustomTreeView* view = GetTreeView()) view->NodeChanged(this);
}

void TTreeNode::SetExpanded(bool value) {
  if (value)
    Expand(false);
  else
    Collapse(false);
}

void TTreeNode::Expand(bool recurse) {
  TCustomTreeView* view = GetTreeView();
  if (!FExpanded && (FHasChildren || !FChildren.empty())) {
    if (view && !view->CanExpand(this)) return;
    if (FChildren.empty()) {
      // Nothing came from OnExpanding: the button goes.
      SetHasChildren(false);
      return;
    }
    FExpanded = true;
    if (view) {
      view->NodesChanged();
      view->Expand(this);
    }
  }
  if (recurse)
    for (size_t i = 0; i < FChildren.size(); ++i)
      FChildren[i]->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  if (recurse)
    for (size_t i = 0; i < FChildren.size(); ++i)
      FChildren[i]->Collapse(true);
  if (!FExpanded) return;
  TCustomTreeView* view = GetTreeView();
  if (view && !view->CanCollapse(this)) return;
  FExpanded = false;
  if (!view) return;
  view->NodesChanged();
  if (view->GetSelected() && view->GetSelected()->HasAsParent(this)) view->SelectionHidden(this);
  view->Collapse(this);
}

void TTreeNode::MakeVisible() {
  for (TTreeNode* parent = GetParent(); parent; parent = parent->GetParent())
    if (!parent->FExpanded) parent->Expand(false);
  if (TCustomTreeView* view = GetTreeView()) view->MakeVisible(this);
}

bool TTreeNode::GetSelected() const {
  const TCustomTreeView* view = GetTreeView();
  return view && view->GetSelected() == this;
}

void TTreeNode::SetSelected(bool value) {
  TCustomTreeView* view = GetTreeView();
  if (!view) return;
  if (value)
    view->Select(this);
  else if (view->GetSelected() == this)
    view->Select(nullptr);
}

bool TTreeNode::GetFocused() const {
  const TCustomTreeView* view = GetTreeView();
  return view && view->GetSelected() == this && view->Focused();
}

TRect TTreeNode::DisplayRect(bool textOnly) const {
  TCustomTreeView* view = GetTreeView();
  if (!view || !IsVisible()) return {};
  auto* self = const_cast<TTreeNode*>(this);
  const int row = view->RowOf(self);
  if (row < 0) return {};
  if (textOnly) return view->TextRect(self, row);
  const int height = view->GetItemHeight();
  const int top = (row - view->FTopRow) * height;
  return {0, top, view->GetClientWidth(), top + height};
}

// Changing the tree.

void TTreeNode::Delete() {
  Free();
}

void TTreeNode::DeleteChildren() {
  FOwner->BeginUpdate();
  try {
    while (!FChildren.empty())
      FChildren.back()->Free();
  } catch (...) {
    FOwner->EndUpdate();
    throw;
  }
  FOwner->EndUpdate();
}

void TTreeNode::MoveTo(TTreeNode* destination, TNodeAttachMode mode) {
  if (destination == this || (destination && destination->HasAsParent(this)))
    throw EInvalidOperation("Cannot move a tree node into itself or below itself");
  TTreeNode* root = FOwner->Root();
  TTreeNode* parent = root;
  int position = -1;
  switch (mode) {
    case naAdd:
    case naAddFirst:
      parent = destination ? destination->FParent : root;
      position = mode == naAddFirst ? 0 : -1;
      break;
    case naAddChild:
    case naAddChildFirst:
      parent = destination ? destination : root;
      position = mode == naAddChildFirst ? 0 : -1;
      break;
    case naInsert:
      parent = destination ? destination->FParent : root;
      position = destination ? destination->FIndex : -1;
      if (destination && parent == FParent && FIndex < position) --position;
      break;
  }
  FOwner->Detach(this);
  FOwner->Attach(this, parent, position);
  FOwner->Changed();
}

void TTreeNode::AlphaSort(bool recurse) {
  TCustomTreeView* view = GetTreeView();
  auto order = [view](const TTreeNode* a, const TTreeNode* b) {
    return view ? view->CompareNodes(a, b) < 0 : CompareText(a->FText, b->FText) < 0;
  };
  std::stable_sort(FChildren.begin(), FChildren.end(), order);
  Renumber(0);
  FUnsorted = false;
  if (recurse)
    for (TTreeNode* child : FChildren)
      child->AlphaSort(true);
  FOwner->Changed();
}
