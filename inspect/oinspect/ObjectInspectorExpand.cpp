// Expanding and collapsing rows. Sub-properties are gathered from a row's editor when it is
// expanded (through the gathering callback, with the row as parent) and released when it is
// collapsed; a group header shows copies of its master rows.
//
// The whole-grid operations (ExpandAll, ExpandAuto, CollapseAll) and a group's own expansion
// rebuild the affected run of rows in one pass, visiting rows in the order a row-by-row walk
// would and opening each new row's sub-rows right after it, so their cost grows with the rows
// made, not with the rows moved.
#include <algorithm>
#include <exception>
#include <iterator>

#include "controls/ControlRef.h"
#include "designintf/PropertyEditor.h"
#include "oinspect/ObjectInspector.h"

namespace {
bool IsMarkedToExpand(const TInfoRec& row) {
  return row.AutoExpand || row.AlwaysExpand;
}
}  // namespace

void TCustomObjectInspector::SetExpandMode(TExpandMode value) {
  if (value == FExpandMode) return;
  FExpandMode = value;
  if (value == AlwaysExpand) ExpandAll();
}

void TCustomObjectInspector::GatherSubRows(TInfoRec& parent, TRowList& rows) {
  TControlRef<TCustomObjectInspector> self(this);
  const uint64_t generation = FLostComponents;
  FNewRows.clear();
  FNewRowCount = 0;
  FParentInfo = &parent;
  try {
    parent.PropEdit->GetProperties([this, generation](std::unique_ptr<TPropertyEditor> editor) {
      CheckGathering(generation);
      GetPropEdit(std::move(editor));
      CheckGathering(generation);
    });
  } catch (...) {
    if (self) {
      FParentInfo = nullptr;
      FNewRows.clear();
      FOfferedEditor = nullptr;
    }
    throw;
  }
  FParentInfo = nullptr;
  // Sub-properties whose names are shown alike (through aliases) are both kept, in the order
  // their editor gave them.
  SortRows(FNewRows);
  rows = std::move(FNewRows);
  FNewRows.clear();
}

void TCustomObjectInspector::ExpandRange(size_t begin, size_t end, bool markedOnly) {
  TControlRef<TCustomObjectInspector> self(this);
  struct TPending {
    TRowList Rows;
    size_t Next = 0;
  };
  std::vector<TPending> pending;
  pending.push_back(
      {TRowList(std::make_move_iterator(FRows.begin() + static_cast<ptrdiff_t>(begin)),
                std::make_move_iterator(FRows.begin() + static_cast<ptrdiff_t>(end))),
       0});
  TRowList walked;
  walked.reserve(end - begin);
  std::exception_ptr failure;
  while (!pending.empty()) {
    TPending& top = pending.back();
    if (top.Next == top.Rows.size()) {
      pending.pop_back();
      continue;
    }
    TInfoRec* row = top.Rows[top.Next].get();
    walked.push_back(std::move(top.Rows[top.Next++]));
    if (failure || row->SubState != ssCollapsed || (markedOnly && !IsMarkedToExpand(*row)))
      continue;
    TRowList children;
    try {
      if (row->IsGroup)
        AppendGroupMembers(row->Group, children);
      else
        GatherSubRows(*row, children);
    } catch (...) {
      // The inspector gone, nothing of it may be touched; otherwise the walk ends here and the
      // rows not yet visited stay as they were.
      if (!self) throw;
      failure = std::current_exception();
      continue;
    }
    row->SubState = ssExpanded;
    if (!children.empty()) pending.push_back({std::move(children), 0});
  }
  const auto first = FRows.begin() + static_cast<ptrdiff_t>(begin);
  FRows.erase(first, FRows.begin() + static_cast<ptrdiff_t>(end));
  FRows.insert(FRows.begin() + static_cast<ptrdiff_t>(begin),
               std::make_move_iterator(walked.begin()), std::make_move_iterator(walked.end()));
  SetRowCount(GetInfoRecCount());
  if (failure) std::rethrow_exception(failure);
}

void TCustomObjectInspector::DoPlusMinus(int32_t row) {
  if (IsEmpty() || row < 0 || row >= GetInfoRecCount()) return;
  TCallGuard call(this);
  TControlRef<TCustomObjectInspector> self(this);
  if (FRows[static_cast<size_t>(row)]->SubState == ssCollapsed)
    ExpandRow(row);
  else
    CollapseRow(row);
  if (self) UpdateScrollBar();
}

void TCustomObjectInspector::ExpandRow(int32_t row) {
  TInfoRec* info = FRows[static_cast<size_t>(row)].get();
  if (info->IsGroup) return ExpandGroup(row);
  TControlRef<TCustomObjectInspector> self(this);
  TRowList children;
  GatherSubRows(*info, children);
  const auto after = FRows.begin() + row + 1;
  FRows.insert(after, std::make_move_iterator(children.begin()),
               std::make_move_iterator(children.end()));
  info->SubState = ssExpanded;
  SetRowCount(GetInfoRecCount());
  Invalidate();
}

void TCustomObjectInspector::ExpandGroup(int32_t row) {
  if (IsEmpty() || row < 0 || row >= GetInfoRecCount()) return;
  TCallGuard call(this);
  TControlRef<TCustomObjectInspector> self(this);
  TInfoRec* header = FRows[static_cast<size_t>(row)].get();
  if (!header->IsGroup || header->SubState != ssCollapsed) return;
  TRowList members;
  AppendGroupMembers(header->Group, members);
  const size_t count = members.size();
  FRows.insert(FRows.begin() + row + 1, std::make_move_iterator(members.begin()),
               std::make_move_iterator(members.end()));
  header->SubState = ssExpanded;
  SetRowCount(GetInfoRecCount());
  // Members marked to expand open by themselves, in every mode.
  const auto first = static_cast<size_t>(row) + 1;
  ExpandRange(first, first + count, true);
  if (!self) return;
  Invalidate();
  UpdateScrollBar();
}

size_t TCustomObjectInspector::DescendantsEnd(size_t row) const {
  const int32_t level = FRows[row]->Level;
  size_t end = row + 1;
  while (end < FRows.size() && FRows[end]->Level > level)
    ++end;
  return end;
}

bool TCustomObjectInspector::CanCollapse(const TInfoRec& row) const {
  return row.SubState == ssExpanded && FExpandMode != AlwaysExpand && !row.AlwaysExpand;
}

void TCustomObjectInspector::CollapseRow(int32_t row) {
  if (IsEmpty() || row < 0 || row >= GetInfoRecCount()) return;
  TInfoRec* info = FRows[static_cast<size_t>(row)].get();
  if (!CanCollapse(*info)) return;
  const auto first = FRows.begin() + row + 1;
  FRows.erase(first, FRows.begin() + static_cast<ptrdiff_t>(DescendantsEnd(row)));
  info->SubState = ssCollapsed;
  SetRowCount(GetInfoRecCount());
  if (!FReadOnly && !info->IsGroup) MoveEditor();
  Invalidate();
}

void TCustomObjectInspector::ExpandAll() {
  ExpandEvery(false);
}

void TCustomObjectInspector::ExpandAuto() {
  ExpandEvery(true);
}

void TCustomObjectInspector::ExpandEvery(bool markedOnly) {
  if (IsEmpty()) return;
  TCallGuard call(this);
  TControlRef<TCustomObjectInspector> self(this);
  KillEditor();
  if (!self) return;
  ExpandRange(0, FRows.size(), markedOnly);
  if (!self) return;
  Invalidate();
  UpdateScrollBar();
  UpdateEditor();
}

void TCustomObjectInspector::CollapseAll() {
  if (IsEmpty()) return;
  // One pass: a collapsed row drops its descendants; a row that may not collapse keeps them,
  // and they are visited in turn.
  TRowList kept;
  kept.reserve(FRows.size());
  bool collapsed = false;
  for (size_t i = 0; i < FRows.size();) {
    TInfoRec* row = FRows[i].get();
    const bool collapse = CanCollapse(*row);
    const size_t next = collapse ? DescendantsEnd(i) : i + 1;
    kept.push_back(std::move(FRows[i]));
    if (collapse) {
      row->SubState = ssCollapsed;
      collapsed = true;
    }
    i = next;
  }
  FRows = std::move(kept);
  if (!collapsed) return;
  SetRowCount(GetInfoRecCount());
  if (!FReadOnly) MoveEditor();
  Invalidate();
  UpdateScrollBar();
}
