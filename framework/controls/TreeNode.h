#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Persistent.h"
#include "types/Rect.h"

class TTreeNode;
class TCustomTreeView;

// Where MoveTo puts a node against the destination: after its last sibling, before its first,
// as its last or first child, or just before it.
enum TNodeAttachMode : uint8_t { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };
PUBLISHED_ENUM(TNodeAttachMode, naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert)

// The nodes of a tree view, as a list in depth-first order (Item, Count) and as the operations
// that add and remove them. Adding under a sibling puts the node last among that sibling's
// siblings (the top level for null); adding under a parent puts it last among the parent's
// children. In a sorted tree (TCustomTreeView::SortType) a node goes to its place in the
// order instead. Between BeginUpdate and the matching EndUpdate the tree neither repaints nor
// sorts: nodes are appended, and each level is sorted once at the end.
//
// In form files the nodes are the binary property Data (texts, image indexes, expanded state
// and structure; data references are not stored).
class TTreeNodes : public TPersistent {
  DECLARE_CLASS(TTreeNodes, TPersistent);

 public:
  explicit TTreeNodes(TCustomTreeView* owner);
  ~TTreeNodes() override;

  // The tree view (for naming).
  TPersistent* GetOwner() const override;
  TCustomTreeView* GetTreeView() const { return FOwner; }
  // Every node, at any depth.
  int GetCount() const { return FCount; }
  // The node at index in depth-first order; raises EListError naming a bad index.
  TTreeNode* GetItem(int index) const;
  TTreeNode* operator[](int index) const { return GetItem(index); }
  TTreeNode* GetFirstNode() const;

  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
  TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, void* data);
  TTreeNode* AddObjectFirst(TTreeNode* sibling, const std::string& text, void* data);
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, void* data);
  TTreeNode* AddChildObjectFirst(TTreeNode* parent, const std::string& text, void* data);
  // Puts the node just before sibling (at the end of the top level for null).
  TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
  TTreeNode* InsertObject(TTreeNode* sibling, const std::string& text, void* data);
  // Frees node and everything below it (null: nothing).
  void Delete(TTreeNode* node);
  void Clear();

  void BeginUpdate();
  void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  // Copies the structure, texts and indexes of another node list.
  void Assign(TPersistent* source) override;

 protected:
  void DefineProperties(TFiler* filer) override;

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  // The node that holds the top level; it is no node of the list itself.
  TTreeNode* Root() const { return FRoot; }
  TTreeNode* AddNode(TTreeNode* parent, int position, const std::string& text, void* data);
  // Puts node among parent's children at position (-1: last), or at its sorted place.
  void Attach(TTreeNode* node, TTreeNode* parent, int position);
  void Detach(TTreeNode* node);
  // Whether nodes go to their sorted places, and whether sorting is put off.
  bool Sorting() const;
  void SortPending(TTreeNode* parent);
  void SortAll(TTreeNode* parent, bool onlyMarked);
  void Changed();
  // Takes node (and everything below it) out of the tree, telling the tree view.
  void Unlink(TTreeNode* node);
  void ReadData(TStream* stream);
  void WriteData(TStream* stream);

  TCustomTreeView* FOwner;
  TTreeNode* FRoot;
  int FCount = 0;
  int FUpdateCount = 0;
  bool FSortPending = false;
  bool FClearing = false;
  mutable std::vector<TTreeNode*> FItems;  // depth-first, rebuilt when FItemsValid is false
  mutable bool FItemsValid = true;
};

// One item of a tree view: a text with a data reference and image indexes, and the nodes below
// it. Nodes are made by the tree's TTreeNodes (Add, AddChild, ...) and owned by their parent
// node; Delete frees a node with everything below it.
//
// ImageIndex and SelectedIndex (the picture while selected) start at 0, StateIndex and
// OverlayIndex at -1 (none). HasChildren says whether the node shows an expand button; it
// follows the children as they come and go, and can be set ahead of them (the children are
// then added from OnExpanding).
class TTreeNode : public TPersistent {
  DECLARE_CLASS(TTreeNode, TPersistent);

 public:
  ~TTreeNode() override;

  TTreeNodes* GetOwner() const override { return FOwner; }
  TCustomTreeView* GetTreeView() const { return FOwner->GetTreeView(); }
  const std::string& GetText() const { return FText; }
  // In a sorted tree the node moves to its place among its siblings.
  void SetText(const std::string& value);
  void* GetData() const { return FData; }
  void SetData(void* value) { FData = value; }
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t value);
  int32_t GetSelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int32_t value);
  int32_t GetStateIndex() const { return FStateIndex; }
  void SetStateIndex(int32_t value);
  int32_t GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int32_t value);

  // The node above, or null at the top level.
  TTreeNode* GetParent() const;
  // 0 at the top level.
  int GetLevel() const;
  // The children; Item raises EListError naming a bad index.
  int GetCount() const { return static_cast<int>(FChildren.size()); }
  TTreeNode* GetItem(int index) const;
  // The position among the siblings; in the tree (depth first).
  int GetIndex() const { return FIndex; }
  int GetAbsoluteIndex() const;
  bool HasAsParent(const TTreeNode* node) const;

  TTreeNode* GetFirstChild() const;
  TTreeNode* GetLastChild() const;
  TTreeNode* getNextSibling() const;
  TTreeNode* getPrevSibling() const;
  TTreeNode* GetNextChild(const TTreeNode* child) const;
  TTreeNode* GetPrevChild(const TTreeNode* child) const;
  // The next and previous node depth first, and those shown (parents expanded).
  TTreeNode* GetNext() const;
  TTreeNode* GetPrev() const;
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;
  // Whether every parent is expanded.
  bool IsVisible() const;

  bool GetHasChildren() const { return FHasChildren; }
  void SetHasChildren(bool value);
  // Expanding asks OnExpanding and then OnExpanded; a node left without children after
  // OnExpanding loses its button instead. Collapsing asks OnCollapsing and OnCollapsed.
  bool GetExpanded() const { return FExpanded; }
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  // Expands the parents and scrolls the node into view.
  void MakeVisible();
  bool GetSelected() const;
  void SetSelected(bool value);
  bool GetFocused() const;
  // The row (or with textOnly the text) in the tree view's client coordinates; empty when the
  // node is not shown.
  TRect DisplayRect(bool textOnly) const;

  // Frees the node and everything below it.
  void Delete();
  void DeleteChildren();
  // Moves the node with everything below it; raises EInvalidOperation for a move into itself.
  void MoveTo(TTreeNode* destination, TNodeAttachMode mode);
  // Sorts the children (and theirs with recurse) by the tree's order.
  void AlphaSort(bool recurse = false);

  void Assign(TPersistent* source) override;

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  explicit TTreeNode(TTreeNodes* owner);
  void Renumber(size_t from);
  void BeforeDestruction() override;

  TTreeNodes* FOwner;
  TTreeNode* FParent = nullptr;
  std::vector<TTreeNode*> FChildren;
  int FIndex = 0;
  std::string FText;
  void* FData = nullptr;
  int32_t FImageIndex = 0;
  int32_t FSelectedIndex = 0;
  int32_t FStateIndex = -1;
  int32_t FOverlayIndex = -1;
  bool FExpanded = false;
  bool FHasChildren = false;
  // Children appended while sorting was put off (TTreeNodes::BeginUpdate).
  bool FUnsorted = false;
  // Position in the depth-first list, row in the tree view's list of shown nodes, and the width
  // of the text (-1: not measured); valid while the lists they come from are.
  int FAbsoluteIndex = 0;
  int FRow = -1;
  int FTextWidth = -1;
};
