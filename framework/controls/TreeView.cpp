#include "controls/TreeView.h"

#include "controls/ControlBorder.h"
#include "controls/ControlRef.h"
#include "controls/ImageList.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomTreeView) {
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_VSCROLL, WMVScroll);
  MESSAGE_HANDLER(WM_HSCROLL, WMHScroll);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
  MESSAGE_HANDLER(CM_SYSCOLORCHANGE, CMSysColorChange);
}

IMPLEMENT_CLASS(TTreeView) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(AutoExpand, GetAutoExpand, SetAutoExpand).Default(false);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSingle);
  PROPERTY(Color, GetColor, SetColor).Default(clWindow).Stored(&TControl::IsColorStored);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Default(true).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(HideSelection, GetHideSelection, SetHideSelection).Default(true);
  PROPERTY(Images, GetImages, SetImages);
  PROPERTY(Indent, GetIndent, SetIndent);
  PROPERTY(Items, GetItems, SetItems);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ReadOnly, GetReadOnly, SetReadOnly).Default(false);
  PROPERTY(ShowButtons, GetShowButtons, SetShowButtons).Default(true);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(ShowLines, GetShowLines, SetShowLines).Default(true);
  PROPERTY(ShowRoot, GetShowRoot, SetShowRoot).Default(true);
  PROPERTY(SortType, GetSortType, SetSortType).Default(stNone);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnChange, GetOnChange, SetOnChange);
  PROPERTY(OnChanging, GetOnChanging, SetOnChanging);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnCollapsed, GetOnCollapsed, SetOnCollapsed);
  PROPERTY(OnCollapsing, GetOnCollapsing, SetOnCollapsing);
  PROPERTY(OnCompare, GetOnCompare, SetOnCompare);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDeletion, GetOnDeletion, SetOnDeletion);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnExpanded, GetOnExpanded, SetOnExpanded);
  PROPERTY(OnExpanding, GetOnExpanding, SetOnExpanding);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TTreeView::StaticClass()});
  return true;
}();
}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TCustomControl(owner), FNodes(new TTreeNodes(this)), FImageLink(new TChangeLink()) {
  SetControlStyle(GetControlStyle() - TControlStyle{csAcceptsControls} + TControlStyle{csOpaque});
  SetBounds(GetLeft(), GetTop(), 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  FImageLink->SetOnChange(MakeMethod<&TCustomTreeView::ImagesChanged>(this));
}

TCustomTreeView::~TCustomTreeView() {
  FSelected = nullptr;
  FImageLink->Free();
  // The nodes go without events: handlers may belong to components already gone.
  FNodes->FOwner = nullptr;
  FNodes->Free();
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  ApplyBorderStyle(params, FBorderStyle, GetCtl3D());
}

void TCustomTreeView::CMCtl3DChanged(TMessage& message) {
  TCustomControl::CMCtl3DChanged(message);
  if (FBorderStyle != bsNone && HandleAllocated()) RecreateWnd();
}

void TCustomTreeView::Loaded() {
  TCustomControl::Loaded();
  InvalidateLayout();
}

// Properties.

void TCustomTreeView::SetItems(TTreeNodes* value) {
  FNodes->Assign(value);
}

void TCustomTreeView::SetSortType(TSortType value) {
  if (value == FSortType) return;
  FSortType = value;
  if (value != stNone) AlphaSort();
}

void TCustomTreeView::AlphaSort() {
  FNodes->SortAll(FNodes->Root(), false);
  FNodes->Changed();
}

void TCustomTreeView::SetIndent(int32_t value) {
  if (value < 0) throw EInvalidOperation(Format("Indent must not be negative (%d)", value));
  if (value == FIndent) return;
  FIndent = value;
  InvalidateLayout();
}

void TCustomTreeView::SetShowButtons(bool value) {
  if (value == FShowButtons) return;
  FShowButtons = value;
  InvalidateLayout();
}

void TCustomTreeView::SetShowLines(bool value) {
  if (value == FShowLines) return;
  FShowLines = value;
  InvalidateLayout();
}

void TCustomTreeView::SetShowRoot(bool value) {
  if (value == FShowRoot) return;
  FShowRoot = value;
  InvalidateLayout();
}

void TCustomTreeView::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  InvalidateNode(FSelected);
}

void TCustomTreeView::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTreeView::SetImages(TCustomImageList* value) {
  if (value == FImages) return;
  if (FImages) {
    FImages->UnRegisterChanges(FImageLink);
    FImages->RemoveFreeNotification(this);
  }
  FImages = value;
  if (value) {
    value->RegisterChanges(FImageLink);
    value->FreeNotification(this);
  }
  ImagesChanged(nullptr);
}

void TCustomTreeView::ImagesChanged(TObject*) {
  FItemHeight = 0;
  InvalidateLayout();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FImages) {
    FImages = nullptr;
    ImagesChanged(nullptr);
  }
}

void TCustomTreeView::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  FItemHeight = 0;
  ForgetTextWidths(FNodes->Root());
  InvalidateLayout();
}

void TCustomTreeView::CMSysColorChange(TMessage&) {
  Invalidate();
}

// Selection.

bool TCustomTreeView::Select(TTreeNode* value) {
  if (value == FSelected) return true;
  if (value && value->GetTreeView() != this) return false;
  TControlRef<> self(this);
  if (!CanChange(value) || !self) return false;
  FSelected = value;
  Change(value);
  if (!self) return true;
  if (FSelected) MakeVisible(FSelected);
  Invalidate();
  return true;
}

bool TCustomTreeView::CanChange(TTreeNode* node) {
  bool allow = true;
  if (FOnChanging) FOnChanging(this, node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* node) {
  Invalidate();
  if (FOnChange) FOnChange(this, node);
}

void TCustomTreeView::SelectionHidden(TTreeNode* collapsed) {
  // A collapsed node takes the selection of the hidden one.
  Select(collapsed);
}

// Expanding and collapsing.

bool TCustomTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  if (FOnExpanding) FOnExpanding(this, node, allow);
  return allow;
}

void TCustomTreeView::Expand(TTreeNode* node) {
  if (FOnExpanded) FOnExpanded(this, node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* node) {
  bool allow = true;
  if (FOnCollapsing) FOnCollapsing(this, node, allow);
  return allow;
}

void TCustomTreeView::Collapse(TTreeNode* node) {
  if (FOnCollapsed) FOnCollapsed(this, node);
}

void TCustomTreeView::FullExpand() {
  FNodes->BeginUpdate();
  try {
    for (TTreeNode* node = FNodes->GetFirstNode(); node; node = node->getNextSibling())
      node->Expand(true);
  } catch (...) {
    FNodes->EndUpdate();
    throw;
  }
  FNodes->EndUpdate();
}

void TCustomTreeView::FullCollapse() {
  FNodes->BeginUpdate();
  try {
    for (TTreeNode* node = FNodes->GetFirstNode(); node; node = node->getNextSibling())
      node->Collapse(true);
  } catch (...) {
    FNodes->EndUpdate();
    throw;
  }
  FNodes->EndUpdate();
}

// Order.

int TCustomTreeView::CompareNodes(const TTreeNode* a, const TTreeNode* b) {
  const bool byEvent = (FSortType == stData || FSortType == stBoth) && FOnCompare;
  if (byEvent) {
    int32_t result = 0;
    FOnCompare(this, const_cast<TTreeNode*>(a), const_cast<TTreeNode*>(b), 0, result);
    return result;
  }
  if (FSortType == stData) {
    const auto x = reinterpret_cast<uintptr_t>(a->GetData());
    const auto y = reinterpret_cast<uintptr_t>(b->GetData());
    return x < y ? -1 : x > y ? 1 : 0;
  }
  return CompareText(a->GetText(), b->GetText());
}

// What the nodes tell.

void TCustomTreeView::NodesChanged() {
  InvalidateLayout();
}

void TCustomTreeView::NodeChanged(TTreeNode* node) {
  if (FNodes->GetUpdateCount() == 0) InvalidateNode(node);
}

void TCustomTreeView::NodeTextChanged(TTreeNode* node) {
  node->FTextWidth = -1;
  InvalidateLayout();
}

void TCustomTreeView::Delete(TTreeNode* node) {
  if (FOnDeletion) FOnDeletion(this, node);
}

bool TCustomTreeView::NodeRemoving(TTreeNode* node, bool clearing) {
  // Deepest first, so that a handler freeing a node's data finds its children's gone.
  std::vector<std::pair<TTreeNode*, bool>> pending{{node, false}};
  while (!pending.empty()) {
    auto [current, expanded] = pending.back();
    if (expanded) {
      pending.pop_back();
      Delete(current);
      continue;
    }
    pending.back().second = true;
    for (int i = current->GetCount() - 1; i >= 0; --i)
      pending.push_back({current->GetItem(i), false});
  }
  if (!FSelected || (FSelected != node && !FSelected->HasAsParent(node))) return false;
  TTreeNode* next = nullptr;
  if (!clearing) {
    next = node->getNextSibling();
    if (!next) next = node->getPrevSibling();
    if (!next) next = node->GetParent();
  }
  FSelected = next;
  return true;
}
