#include <algorithm>
#include <cstring>

#include "controls/TreeNode.h"
#include "controls/TreeView.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "streaming/Filer.h"
#include "streaming/Stream.h"

// TTreeNodes: the list side of a tree's nodes, and their form-file data.

IMPLEMENT_CLASS(TTreeNodes) {}

namespace {
int SubtreeSize(const TTreeNode* node) {
  int size = 1;
  for (int i = 0; i < node->GetCount(); ++i)
    size += SubtreeSize(node->GetItem(i));
  return size;
}
}  // namespace

TTreeNodes::TTreeNodes(TCustomTreeView* owner) : FOwner(owner), FRoot(new TTreeNode(this)) {
  FRoot->FHasChildren = true;
  FRoot->FExpanded = true;
}

TTreeNodes::~TTreeNodes() {
  delete FRoot;
}

TPersistent* TTreeNodes::GetOwner() const {
  return FOwner;
}

bool TTreeNodes::Sorting() const {
  return FOwner && FOwner->GetSortType() != stNone;
}

void TTreeNodes::Changed() {
  FItemsValid = false;
  if (FOwner) FOwner->NodesChanged();
}

// The depth-first list.

TTreeNode* TTreeNodes::GetItem(int index) const {
  if (!FItemsValid) {
    FItems.clear();
    FItems.reserve(static_cast<size_t>(FCount));
    for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) {
      node->FAbsoluteIndex = static_cast<int>(FItems.size());
      FItems.push_back(node);
    }
    FItemsValid = true;
  }
  if (index < 0 || index >= static_cast<int>(FItems.size()))
    throw EListError(Format("List index out of bounds (%d)", index));
  return FItems[static_cast<size_t>(index)];
}

TTreeNode* TTreeNodes::GetFirstNode() const {
  return FRoot->GetFirstChild();
}

// Adding.

void TTreeNodes::Attach(TTreeNode* node, TTreeNode* parent, int position) {
  node->FParent = parent;
  auto& list = parent->FChildren;
  size_t at = position < 0 ? list.size() : std::min(static_cast<size_t>(position), list.size());
  if (Sorting()) {
    if (FUpdateCount > 0) {
      // Appended now, sorted once at EndUpdate.
      at = list.size();
      SortPending(parent);
    } else {
      at = static_cast<size_t>(std::upper_bound(list.begin(), list.end(), node,
                                                [this](const TTreeNode* a, const TTreeNode* b) {
                                                  return FOwner->CompareNodes(a, b) < 0;
                                                }) -
                               list.begin());
    }
  }
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), node);
  parent->Renumber(at);
  if (parent != FRoot) parent->FHasChildren = true;
  FItemsValid = false;
}

void TTreeNodes::Detach(TTreeNode* node) {
  TTreeNode* parent = node->FParent;
  if (!parent) return;
  auto& list = parent->FChildren;
  list.erase(list.begin() + node->FIndex);
  parent->Renumber(static_cast<size_t>(node->FIndex));
  if (list.empty() && parent != FRoot) {
    parent->FHasChildren = false;
    parent->FExpanded = false;
  }
  node->FParent = nullptr;
  FItemsValid = false;
}

void TTreeNodes::SortPending(TTreeNode* parent) {
  parent->FUnsorted = true;
  FSortPending = true;
}

void TTreeNodes::SortAll(TTreeNode* parent, bool onlyMarked) {
  // Iterative: depth is the file's or the user's to choose.
  std::vector<TTreeNode*> pending{parent};
  while (!pending.empty()) {
    TTreeNode* node = pending.back();
    pending.pop_back();
    if (!onlyMarked || node->FUnsorted) {
      std::stable_sort(node->FChildren.begin(), node->FChildren.end(),
                       [this](const TTreeNode* a, const TTreeNode* b) {
                         return FOwner->CompareNodes(a, b) < 0;
                       });
      node->Renumber(0);
      node->FUnsorted = false;
    }
    pending.insert(pending.end(), node->FChildren.begin(), node->FChildren.end());
  }
  FItemsValid = false;
}

TTreeNode* TTreeNodes::AddNode(TTreeNode* parent, int position, const std::string& text,
                               void* data) {
  auto* node = new TTreeNode(this);
  node->FText = text;
  node->FData = data;
  Attach(node, parent ? parent : FRoot, position);
  ++FCount;
  Changed();
  return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  return AddObject(sibling, text, nullptr);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
  return AddObjectFirst(sibling, text, nullptr);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, void* data) {
  return AddNode(sibling ? sibling->FParent : FRoot, -1, text, data);
}

TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* sibling, const std::string& text, void* data) {
  return AddNode(sibling ? sibling->FParent : FRoot, 0, text, data);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  return AddChildObject(parent, text, nullptr);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
  return AddChildObjectFirst(parent, text, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, void* data) {
  return AddNode(parent, -1, text, data);
}

TTreeNode* TTreeNodes::AddChildObjectFirst(TTreeNode* parent, const std::string& text, void* data) {
  return AddNode(parent, 0, text, data);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
  return InsertObject(sibling, text, nullptr);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* sibling, const std::string& text, void* data) {
  if (!sibling) return AddNode(FRoot, -1, text, data);
  return AddNode(sibling->FParent, sibling->FIndex, text, data);
}

// Removing.

void TTreeNodes::Unlink(TTreeNode* node) {
  const bool selectionMoved = FOwner && FOwner->NodeRemoving(node, FClearing);
  Detach(node);
  FCount -= SubtreeSize(node);
  Changed();
  if (selectionMoved && !FClearing) FOwner->Change(FOwner->GetSelected());
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (node && node->FOwner == this && node != FRoot) node->Free();
}

void TTreeNodes::Clear() {
  if (FRoot->FChildren.empty()) return;
  const bool hadSelection = FOwner && FOwner->GetSelected();
  BeginUpdate();
  FClearing = true;
  try {
    while (!FRoot->FChildren.empty())
      FRoot->FChildren.back()->Free();
  } catch (...) {
    FClearing = false;
    EndUpdate();
    throw;
  }
  FClearing = false;
  EndUpdate();
  // One change for the whole clearing: the selection is gone.
  if (hadSelection) FOwner->Change(nullptr);
}

void TTreeNodes::BeginUpdate() {
  ++FUpdateCount;
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount > 0) return;
  if (FSortPending) {
    FSortPending = false;
    if (Sorting()) SortAll(FRoot, true);
  }
  Changed();
}

void TTreeNodes::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TTreeNodes*>(source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    // Copies level by level: (copy of parent, node of other).
    std::vector<std::pair<TTreeNode*, TTreeNode*>> pending;
    for (int i = other->FRoot->GetCount() - 1; i >= 0; --i)
      pending.push_back({FRoot, other->FRoot->FChildren[static_cast<size_t>(i)]});
    while (!pending.empty()) {
      auto [parent, from] = pending.back();
      pending.pop_back();
      TTreeNode* copy = AddNode(parent, -1, from->FText, from->FData);
      copy->FImageIndex = from->FImageIndex;
      copy->FSelectedIndex = from->FSelectedIndex;
      copy->FStateIndex = from->FStateIndex;
      copy->FOverlayIndex = from->FOverlayIndex;
      copy->FHasChildren = from->FHasChildren;
      copy->FExpanded = from->FExpanded && !from->FChildren.empty();
      for (int i = from->GetCount() - 1; i >= 0; --i)
        pending.push_back({copy, from->FChildren[static_cast<size_t>(i)]});
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// Form files: "VMTN", a version, the number of top-level nodes, then each node depth first:
// flags (1 expanded, 2 has children), the image, selected, state and overlay indexes, the
// number of children, and the text (its length in bytes, then the bytes). Integers are
// little-endian, four bytes.

namespace {
constexpr char NodeSignature[4] = {'V', 'M', 'T', 'N'};
constexpr uint8_t NodeFormatVersion = 1;
constexpr uint8_t FlagExpanded = 1;
constexpr uint8_t FlagHasChildren = 2;
constexpr size_t NodeHeaderSize = 1 + 4 * 4 + 4 + 4;
constexpr int MaxDepth = 1000;

void PutInt(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>(value >> shift));
}

// Reads the data, failing with the reason, before anything in the tree changes.
class TNodeDataReader {
 public:
  explicit TNodeDataReader(std::string data) : FData(std::move(data)) {}

  struct TRecord {
    uint8_t Flags = 0;
    int32_t Indexes[4] = {};
    uint32_t ChildCount = 0;
    std::string Text;
    int Depth = 0;
  };

  std::vector<TRecord> ReadAll() {
    if (FData.size() < 9 || std::memcmp(FData.data(), NodeSignature, 4) != 0)
      Fail("no tree node signature");
    FPos = 4;
    if (Byte() != NodeFormatVersion) Fail("unknown version");
    const uint32_t top = UInt();
    std::vector<TRecord> records;
    // How many nodes each open level still expects.
    std::vector<uint32_t> expected{top};
    while (!expected.empty()) {
      if (expected.back() == 0) {
        expected.pop_back();
        continue;
      }
      --expected.back();
      TRecord record = ReadNode();
      record.Depth = static_cast<int>(expected.size()) - 1;
      if (record.ChildCount > 0) {
        if (expected.size() >= MaxDepth) Fail("nodes nested too deep");
        expected.push_back(record.ChildCount);
      }
      records.push_back(std::move(record));
    }
    if (FPos != FData.size()) Fail(Format("%zu bytes left over", FData.size() - FPos));
    return records;
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw EReadError("Tree node data is corrupt: " + why);
  }
  void Need(size_t count) const {
    if (FData.size() - FPos < count) Fail("it ends in the middle of a node");
  }
  uint8_t Byte() {
    Need(1);
    return static_cast<uint8_t>(FData[FPos++]);
  }
  uint32_t UInt() {
    Need(4);
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
      value |= uint32_t{static_cast<uint8_t>(FData[FPos + i])} << (8 * i);
    FPos += 4;
    return value;
  }
  TRecord ReadNode() {
    Need(NodeHeaderSize);
    TRecord record;
    record.Flags = Byte();
    for (int32_t& index : record.Indexes)
      index = static_cast<int32_t>(UInt());
    record.ChildCount = UInt();
    // Every child needs at least a header: a count beyond the data is a lie.
    if (record.ChildCount > (FData.size() - FPos) / NodeHeaderSize + 1)
      Fail(Format("a node claims %u children", record.ChildCount));
    const uint32_t length = UInt();
    Need(length);
    record.Text = FData.substr(FPos, length);
    FPos += length;
    return record;
  }

  std::string FData;
  size_t FPos = 0;
};
}  // namespace

void TTreeNodes::DefineProperties(TFiler* filer) {
  filer->DefineBinaryProperty(
      "Data", [this](TStream* stream) { ReadData(stream); },
      [this](TStream* stream) { WriteData(stream); }, FCount > 0);
}

void TTreeNodes::WriteData(TStream* stream) {
  std::string out(NodeSignature, 4);
  out.push_back(static_cast<char>(NodeFormatVersion));
  PutInt(out, static_cast<uint32_t>(FRoot->GetCount()));
  for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) {
    uint8_t flags = 0;
    if (node->FExpanded) flags |= FlagExpanded;
    if (node->FHasChildren) flags |= FlagHasChildren;
    out.push_back(static_cast<char>(flags));
    for (int32_t index :
         {node->FImageIndex, node->FSelectedIndex, node->FStateIndex, node->FOverlayIndex})
      PutInt(out, static_cast<uint32_t>(index));
    PutInt(out, static_cast<uint32_t>(node->GetCount()));
    PutInt(out, static_cast<uint32_t>(node->FText.size()));
    out += node->FText;
  }
  stream->WriteBuffer(out.data(), out.size());
}

void TTreeNodes::ReadData(TStream* stream) {
  TNodeDataReader reader(stream->ReadToEnd());
  const std::vector<TNodeDataReader::TRecord> records = reader.ReadAll();
  BeginUpdate();
  try {
    Clear();
    std::vector<TTreeNode*> parents{FRoot};
    for (const auto& record : records) {
      parents.resize(static_cast<size_t>(record.Depth) + 1);
      TTreeNode* node = AddNode(parents.back(), -1, record.Text, nullptr);
      node->FImageIndex = record.Indexes[0];
      node->FSelectedIndex = record.Indexes[1];
      node->FStateIndex = record.Indexes[2];
      node->FOverlayIndex = record.Indexes[3];
      node->FHasChildren = (record.Flags & FlagHasChildren) != 0 || record.ChildCount > 0;
      node->FExpanded = (record.Flags & FlagExpanded) != 0 && record.ChildCount > 0;
      parents.push_back(node);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}
