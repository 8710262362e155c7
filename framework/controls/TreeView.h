#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/CustomControl.h"
#include "controls/TreeNode.h"
#include "core/Set.h"

class TCustomImageList;
class TChangeLink;

// How a tree keeps its levels in order: not at all, by OnCompare (by data without it), by
// text (case-insensitive), or by OnCompare falling back on the text.
enum TSortType : uint8_t { stNone, stData, stText, stBoth };
PUBLISHED_ENUM(TSortType, stNone, stData, stText, stBoth)

// What lies under a point of a tree view (GetHitTestInfoAt).
enum THitTest : uint8_t {
  htAbove,
  htBelow,
  htNowhere,
  htOnItem,
  htOnButton,
  htOnIcon,
  htOnIndent,
  htOnLabel,
  htOnRight,
  htOnStateIcon,
  htToLeft,
  htToRight
};
PUBLISHED_ENUM(THitTest, htAbove, htBelow, htNowhere, htOnItem, htOnButton, htOnIcon, htOnIndent,
               htOnLabel, htOnRight, htOnStateIcon, htToLeft, htToRight)
using THitTests = TSet<THitTest>;

DECLARE_EVENT(TTVChangedEvent, void(TObject* Sender, TTreeNode* Node),
              "Sender: TObject; Node: TTreeNode")
DECLARE_EVENT(TTVChangingEvent, void(TObject* Sender, TTreeNode* Node, bool& AllowChange),
              "Sender: TObject; Node: TTreeNode; var AllowChange: Boolean")
DECLARE_EVENT(TTVExpandingEvent, void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion),
              "Sender: TObject; Node: TTreeNode; var AllowExpansion: Boolean")
DECLARE_EVENT(TTVCollapsingEvent, void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse),
              "Sender: TObject; Node: TTreeNode; var AllowCollapse: Boolean")
DECLARE_EVENT(TTVExpandedEvent, void(TObject* Sender, TTreeNode* Node),
              "Sender: TObject; Node: TTreeNode")
DECLARE_EVENT(TTVCompareEvent,
              void(TObject* Sender, TTreeNode* Node1, TTreeNode* Node2, int32_t Data,
                   int32_t& Compare),
              "Sender: TObject; Node1, Node2: TTreeNode; Data: Integer; var Compare: Integer")

// A tree of nodes with expand buttons, dotted lines, images and a selected node.
//
// Mouse: a click on a node's text or image selects it, a click on its button expands or
// collapses it, a double click on a node does both (and fires OnDblClick). Keys: Up and Down
// move through the shown nodes, Home and End to the first and last, PageUp and PageDown by a
// page; Right expands (or goes to the first child), Left collapses (or goes to the parent), Add
// and '+' expand, Subtract and '-' collapse, Multiply expands everything below; typed letters
// search the shown nodes for a text that starts with them (letters typed within a second
// extend the search). Selecting asks OnChanging, which may refuse, then fires OnChange once. A
// deleted selected node hands the selection to its next sibling, its previous sibling or its
// parent, firing OnChange. Scroll bars appear when the nodes are taller or wider than the
// control. Text editing in place is not offered: ReadOnly is kept for form files.
class TCustomTreeView : public TCustomControl {
  DECLARE_CLASS(TCustomTreeView, TCustomControl);

 public:
  explicit TCustomTreeView(TComponent* owner);
  ~TCustomTreeView() override;

  TTreeNodes* GetItems() const { return FNodes; }
  void SetItems(TTreeNodes* value);
  TTreeNode* GetSelected() const { return FSelected; }
  // Selects value (null: nothing), asking OnChanging first; false when refused.
  bool Select(TTreeNode* value);
  void SetSelected(TTreeNode* value) { Select(value); }
  // The first node shown at the top; setting it scrolls.
  TTreeNode* GetTopItem();
  void SetTopItem(TTreeNode* value);

  TSortType GetSortType() const { return FSortType; }
  void SetSortType(TSortType value);
  // Sorts every level now (by the tree's order, text when SortType is stNone).
  void AlphaSort();
  // Pixels per level; raises EInvalidOperation below 0.
  int32_t GetIndent() const { return FIndent; }
  void SetIndent(int32_t value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  bool GetShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool value);
  bool GetShowLines() const { return FShowLines; }
  void SetShowLines(bool value);
  bool GetShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  bool GetAutoExpand() const { return FAutoExpand; }
  void SetAutoExpand(bool value) { FAutoExpand = value; }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  // The pictures of the nodes (ImageIndex, SelectedIndex); not owned.
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* value);

  // The node on the row under a client point, or null.
  TTreeNode* GetNodeAt(int x, int y);
  THitTests GetHitTestInfoAt(int x, int y);
  // Pixels per row: the font's height plus 3, or the images' height when taller.
  int GetItemHeight();
  // How many rows the client area shows wholly.
  int GetVisibleRowCount();
  void FullExpand();
  void FullCollapse();

  TTVChangedEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TTVChangedEvent value) { FOnChange = value; }
  TTVChangingEvent GetOnChanging() const { return FOnChanging; }
  void SetOnChanging(TTVChangingEvent value) { FOnChanging = value; }
  TTVExpandingEvent GetOnExpanding() const { return FOnExpanding; }
  void SetOnExpanding(TTVExpandingEvent value) { FOnExpanding = value; }
  TTVExpandedEvent GetOnExpanded() const { return FOnExpanded; }
  void SetOnExpanded(TTVExpandedEvent value) { FOnExpanded = value; }
  TTVCollapsingEvent GetOnCollapsing() const { return FOnCollapsing; }
  void SetOnCollapsing(TTVCollapsingEvent value) { FOnCollapsing = value; }
  TTVExpandedEvent GetOnCollapsed() const { return FOnCollapsed; }
  void SetOnCollapsed(TTVExpandedEvent value) { FOnCollapsed = value; }
  TTVExpandedEvent GetOnDeletion() const { return FOnDeletion; }
  void SetOnDeletion(TTVExpandedEvent value) { FOnDeletion = value; }
  TTVCompareEvent GetOnCompare() const { return FOnCompare; }
  void SetOnCompare(TTVCompareEvent value) { FOnCompare = value; }

 protected:
  // Whether node may expand (OnExpanding) and what follows it (OnExpanded); likewise for
  // collapsing. Overrides call the inherited ones to keep the events.
  virtual bool CanExpand(TTreeNode* node);
  virtual void Expand(TTreeNode* node);
  virtual bool CanCollapse(TTreeNode* node);
  virtual void Collapse(TTreeNode* node);
  // Whether the selection may move to node (OnChanging), and what follows a move (OnChange).
  virtual bool CanChange(TTreeNode* node);
  virtual void Change(TTreeNode* node);
  // Before node leaves the tree (OnDeletion).
  virtual void Delete(TTreeNode* node);
  // Negative, 0 or positive as a goes before, with or after b in a sorted tree.
  virtual int CompareNodes(const TTreeNode* a, const TTreeNode* b);

  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

  void WMGetDlgCode(TMessage& message);
  void WMSize(TWMSize& message);
  void WMVScroll(TWMScroll& message);
  void WMHScroll(TWMScroll& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMFontChanged(TMessage& message);
  void CMCtl3DChanged(TMessage& message);
  void CMSysColorChange(TMessage& message);

 private:
  friend class TTreeNodes;
  friend class TTreeNode;

  // Told by the nodes.
  void NodesChanged();
  void NodeChanged(TTreeNode* node);
  void NodeTextChanged(TTreeNode* node);
  // Before node leaves: OnDeletion for it and everything below it, and the selection handed
  // on (to nothing while clearing); true when the selection moved.
  bool NodeRemoving(TTreeNode* node, bool clearing);
  void SelectionHidden(TTreeNode* collapsed);
  void ImagesChanged(TObject* sender);

  // Layout: the shown nodes as rows, the widest row, the scroll bars (TreeViewLayout.cpp).
  void InvalidateLayout();
  void UpdateLayout();
  void UpdateScrollBars();
  void ForgetTextWidths(TTreeNode* node);
  int TextWidth(TTreeNode* node);
  int RowCount();
  int RowOf(TTreeNode* node);
  TTreeNode* NodeOfRow(int row);
  int IndentOf(const TTreeNode* node) const;
  int ImageWidth() const;
  TRect TextRect(TTreeNode* node, int row);
  TRect ButtonRect(const TTreeNode* node, int row);
  void ScrollTo(int topRow, int leftPos);
  void MakeVisible(TTreeNode* node);
  void InvalidateNode(TTreeNode* node);

  // Painting (TreeViewPaint.cpp).
  void PaintRow(TCanvas* canvas, TTreeNode* node, int row);
  void PaintLines(TCanvas* canvas, TTreeNode* node, const TRect& rowRect);
  void PaintButton(TCanvas* canvas, TTreeNode* node, const TRect& button);

  // Keys (TreeViewInput.cpp).
  void SelectAndShow(TTreeNode* node);
  void Search(char32_t character);
  void ToggleExpanded(TTreeNode* node);

  TTreeNodes* FNodes;
  TTreeNode* FSelected = nullptr;
  TSortType FSortType = stNone;
  int32_t FIndent = 19;
  bool FReadOnly = false;
  bool FShowButtons = true;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FHideSelection = true;
  bool FAutoExpand = false;
  TBorderStyle FBorderStyle = bsSingle;
  TCustomImageList* FImages = nullptr;
  TChangeLink* FImageLink;

  std::vector<TTreeNode*> FRows;
  bool FLayoutValid = false;
  int FMaxWidth = 0;
  int FItemHeight = 0;
  int FTopRow = 0;
  int FLeftPos = 0;
  bool FUpdatingScrollBars = false;
  std::string FSearchText;
  DWORD FSearchTime = 0;

  TTVChangedEvent FOnChange;
  TTVChangingEvent FOnChanging;
  TTVExpandingEvent FOnExpanding;
  TTVExpandedEvent FOnExpanded;
  TTVCollapsingEvent FOnCollapsing;
  TTVExpandedEvent FOnCollapsed;
  TTVExpandedEvent FOnDeletion;
  TTVCompareEvent FOnCompare;
};

// The tree view with its properties published.
class TTreeView : public TCustomTreeView {
  DECLARE_CLASS(TTreeView, TCustomTreeView);

 public:
  explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};
