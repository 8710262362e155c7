// The inspector's selection and its rows.
//
// A rebuild (ShowInfo) runs:
//   remember the focused property -> GetComponentProperties(selection, Filter, designer,
//   GetPropEdit) -> each editor: ValueAvailable, OnShowProperty, OnGetPropEdit, registries,
//   alias -> sort by display name -> release the old rows -> arrange (groups) -> row count ->
//   expand -> column widths -> focus the remembered property -> scroll bar, editor, repaint.
// A failure of the machinery (or of a handler) before the old rows are released keeps them.
#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Form.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "designintf/ComponentList.h"
#include "designintf/ComponentProperties.h"
#include "designintf/FormDesigner.h"
#include "designintf/PropertyEditor.h"
#include "fdesign/FDesigner.h"
#include "oinspect/OInplaceEdit.h"
#include "oinspect/ObjectInspector.h"
#include "vxedit/EditRegistry.h"

TCustomObjectInspector::TCallGuard::~TCallGuard() {
  TCustomObjectInspector* inspector = FInspector.Get();
  if (!inspector || --inspector->FCallDepth > 0 || !FRunPending) return;
  if (!inspector->FRebuildPending) return;
  try {
    inspector->RunPendingRebuild();
  } catch (...) {
    // A rebuild keeps the previous rows when it fails; nothing more to do here.
  }
}

namespace {
bool SameTextLess(const std::string& a, const std::string& b) {
  return CompareText(a, b) < 0;
}
}  // namespace

// Selection.

TComponent* TCustomObjectInspector::GetControl() const {
  return FComponents->GetCount() > 0 ? FComponents->GetItem(0) : nullptr;
}

void TCustomObjectInspector::ComponentChanged() {
  if (FOnComponentChanged) FOnComponentChanged(this);
}

void TCustomObjectInspector::AddComponent(TComponent* component) {
  FComponents->Add(component);
  // Components on other forms than the inspector's tell it of their end too.
  if (component != this) FreeNotification(component);
}

void TCustomObjectInspector::ForgetComponent(TComponent* component) {
  // Still wanted: selected, behind the current rows, or the designer's root.
  if (component == this || FComponents->IndexOf(component) >= 0) return;
  if (std::find(FRowComponents.begin(), FRowComponents.end(), component) != FRowComponents.end())
    return;
  if (component == FOwnDesigner->GetForm()) return;
  RemoveFreeNotification(component);
}

void TCustomObjectInspector::ClearComponents() {
  const std::vector<TComponent*> previous(FComponents->begin(), FComponents->end());
  FComponents->Clear();
  for (TComponent* component : previous)
    ForgetComponent(component);
}

void TCustomObjectInspector::WatchDesignerRoot(TComponent* root) {
  TComponent* previous = FOwnDesigner->GetForm();
  if (previous == root) return;
  FOwnDesigner->SetForm(root);
  if (previous) ForgetComponent(previous);
  if (root && root != this) FreeNotification(root);
}

void TCustomObjectInspector::SetDesignerForm(TComponent* component) {
  if (auto* control = dynamic_cast<TControl*>(component)) {
    WatchDesignerRoot(control->GetParentForm());
  } else if (component && dynamic_cast<TCustomForm*>(component->GetOwner())) {
    WatchDesignerRoot(component->GetOwner());
  }
}

void TCustomObjectInspector::SetControl(TComponent* control) {
  if (FComponents->GetCount() == 1 && FComponents->GetItem(0) == control) return;
  TControlRef<TCustomObjectInspector> self(this);
  CommitBeforeSelectionChange();
  if (!self) return;
  ClearComponents();
  if (control) {
    AddComponent(control);
    SetDesignerForm(control);
  } else if (FUpdateCount == 0) {
    SetRowCount(1);
  }
  ShowInfo();
  if (!self) return;
  if (FUpdateCount == 0) Invalidate();
  ComponentChanged();
}

void TCustomObjectInspector::SetControls(TComponentList* list) {
  if (!list || list->GetCount() == 0) return SetControl(nullptr);
  TControlRef<TCustomObjectInspector> self(this);
  // A copy: the list may be the inspector's own.
  TComponentList selection;
  for (TComponent* component : *list)
    selection.Add(component);
  CommitBeforeSelectionChange();
  if (!self) return;
  ClearComponents();
  AddControls(&selection);
  if (self) ComponentChanged();
}

void TCustomObjectInspector::AddControls(TComponentList* list) {
  if (!list || list->GetCount() == 0) return;
  TControlRef<TCustomObjectInspector> self(this);
  // A copy: the list may be the inspector's own.
  const std::vector<TComponent*> added(list->begin(), list->end());
  SetDesignerForm(added.front());
  for (TComponent* component : added)
    AddComponent(component);
  ShowInfo();
  if (!self) return;
  Invalidate();
  ComponentChanged();
}

void TCustomObjectInspector::AddControl(TComponent* control) {
  if (!control) return;
  TControlRef<TCustomObjectInspector> self(this);
  if (FComponents->GetCount() == 0) {
    SetControl(control);
    if (self) Invalidate();
    return;
  }
  AddComponent(control);
  ShowInfo();
  if (!self) return;
  Invalidate();
  ComponentChanged();
}

void TCustomObjectInspector::DelControl(TComponent* control) {
  if (!control || FComponents->GetCount() == 0) return;
  TControlRef<TCustomObjectInspector> self(this);
  if (FComponents->Remove(control) >= 0) ForgetComponent(control);
  ShowInfo();
  if (!self) return;
  if (FUpdateCount == 0) Invalidate();
  ComponentChanged();
}

void TCustomObjectInspector::DelControls(TComponentList* list) {
  if (!list) return;
  TControlRef<TCustomObjectInspector> self(this);
  const std::vector<TComponent*> removed(list->begin(), list->end());
  BeginUpdate();
  for (TComponent* component : removed) {
    DelControl(component);
    if (!self) return;
  }
  EndUpdate();
  if (self) ComponentChanged();
}

void TCustomObjectInspector::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) ShowInfo();
}

// An inspected component goes away: it leaves the selection (with any other selected component
// that is being destroyed too) and the rows are built again from the rest.

bool TCustomObjectInspector::DropDestroyed(TComponent* component) {
  bool dropped = false;
  for (int i = FComponents->GetCount() - 1; i >= 0; --i) {
    TComponent* item = FComponents->GetItem(i);
    if (item == component || (item && item->GetComponentState().Contains(csDestroying))) {
      FComponents->Delete(i);
      dropped = true;
    }
  }
  return dropped;
}

void TCustomObjectInspector::Notification(TComponent* component, TOperation operation) {
  TCustomGrid::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FOwnDesigner->GetForm()) FOwnDesigner->SetForm(nullptr);
  if (component == FInplaceEdit) {
    FInplaceEdit = nullptr;
    FEditorActive = false;
  }
  std::erase(FEditorCache, component);
  const bool behindRows =
      std::find(FRowComponents.begin(), FRowComponents.end(), component) != FRowComponents.end();
  const bool selected = DropDestroyed(component);
  if (!selected && !behindRows) return;
  ++FLostComponents;
  if (behindRows) {
    FRowsStale = true;
    std::erase(FRowComponents, component);
  }
  if (GetComponentState().Contains(csDestroying)) return;
  TControlRef<TCustomObjectInspector> self(this);
  if (selected) ShowInfo();
  if (self) ReleaseStaleRows();
}

void TCustomObjectInspector::ReleaseStaleRows() {
  // Rows that could not be rebuilt (inside BeginUpdate, while loading, after a failed rebuild)
  // still refer to a lost component; unless an editor of theirs is running, they go now.
  if (!FRowsStale || FCallDepth > 0) return;
  ReleaseRows();
  Invalidate();
}

// Rows.

bool TCustomObjectInspector::IsEmpty() const {
  // Editors may all have been delivered and then hidden: no row is empty as well.
  return FComponents->GetCount() == 0 || FNoRows || FRowsStale || FRows.empty();
}

TInfoRec* TCustomObjectInspector::GetInfoRec(int32_t index) const {
  if (index < 0 || index >= GetInfoRecCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FRows[static_cast<size_t>(index)].get();
}

TControl* TCustomObjectInspector::GetEditor(TClass editorClass) {
  for (TControl* editor : FEditorCache)
    if (editor->ClassType() == editorClass) return editor;
  if (!editorClass || !editorClass->InheritsFrom(TControl::StaticClass()))
    throw EInvalidCast(Format("%s is not a control class",
                              editorClass ? editorClass->ClassName() : std::string("null")));
  auto* editor = editorClass->Create<TControl>(this);
  editor->SetVisible(false);
  if (auto* windowed = dynamic_cast<TWinControl*>(editor)) windowed->SetParent(this);
  FEditorCache.push_back(editor);
  return editor;
}

std::string TCustomObjectInspector::FocusedPropertyName() const {
  if (FRows.empty()) return FReleasedFocusName;
  if (FEditRow < 0 || FEditRow >= GetInfoRecCount()) return std::string();
  const TInfoRec* row = FRows[static_cast<size_t>(FEditRow)].get();
  if (row->IsGroup || !row->PropEdit) return std::string();
  return row->PropEdit->GetName();
}

TFormDesigner* TCustomObjectInspector::DesignerFor(TComponent* component) const {
  if (auto* control = dynamic_cast<TControl*>(component))
    if (TCustomForm* form = control->GetParentForm())
      if (auto* designer = dynamic_cast<TFormDesigner*>(form->GetDesigner())) return designer;
  return FOwnDesigner.get();
}

void TCustomObjectInspector::ReleaseRows() {
  // The focused property of stale rows is not asked for: their editor may refer to the dead.
  if (!FRows.empty() && !FRowsStale) FReleasedFocusName = FocusedPropertyName();
  ReplaceRows({}, {});
  FNoRows = true;
}

void TCustomObjectInspector::ReplaceRows(TRowList rows, std::vector<TComponent*> components) {
  TRowList previous = std::move(FRows);
  FRows = std::move(rows);
  FMasterRows.clear();
  previous.clear();
  std::vector<TComponent*> released = std::move(FRowComponents);
  FRowComponents = std::move(components);
  FRowsStale = false;
  for (TComponent* component : released)
    ForgetComponent(component);
}

void TCustomObjectInspector::RunPendingRebuild() {
  FRebuildPending = false;
  TControlRef<TCustomObjectInspector> self(this);
  ShowInfo();
  if (self) ReleaseStaleRows();
}

void TCustomObjectInspector::ShowInfo() {
  const TComponentState state = GetComponentState();
  if (state.Contains(csLoading) || state.Contains(csReading) || FUpdateCount > 0) return;
  if (FCallDepth > 0) {
    FRebuildPending = true;
    return;
  }
  TControlRef<TCustomObjectInspector> self(this);
  FNewRows.clear();
  KillEditor();
  if (!self) return;
  if (FComponents->GetCount() == 0) {
    // Rows of nothing are of no use; the focused property is kept for the next rows.
    ReleaseRows();
    FCurrentDesigner = FOwnDesigner.get();
    UpdateScrollBar();
    return;
  }
  const std::string focusName = FRowsStale ? FReleasedFocusName : FocusedPropertyName();
  FNewRowCount = 0;
  const std::vector<TComponent*> selection(FComponents->begin(), FComponents->end());
  TComponentList list;
  for (TComponent* component : selection)
    list.Add(component);
  const bool previousNoRows = FNoRows;
  TFormDesigner* const previousDesigner = FCurrentDesigner;
  FNoRows = true;
  FCurrentDesigner = DesignerFor(selection.front());
  FParentInfo = nullptr;
  const uint64_t generation = FLostComponents;
  bool gathered = false;
  {
    TCallGuard call(this, false);
    try {
      GetComponentProperties(list, FFilter, FCurrentDesigner,
                             [this, generation](std::unique_ptr<TPropertyEditor> editor) {
                               CheckGathering(generation);
                               GetPropEdit(std::move(editor));
                               CheckGathering(generation);
                             });
      SortNewRows();
      gathered = true;
    } catch (...) {
      // The machinery failed: the previous rows stay as they were.
    }
  }
  if (!self) return;
  FOfferedEditor = nullptr;
  if (!gathered || generation != FLostComponents) {
    // The previous model stays whole: its rows, and the designer their editors know.
    FNewRows.clear();
    FNoRows = previousNoRows;
    FCurrentDesigner = previousDesigner;
    if (FRebuildPending) RunPendingRebuild();
    return;
  }
  ReplaceRows(std::move(FNewRows), selection);
  FNewRows.clear();
  FReleasedFocusName.clear();
  const int32_t headers = FOptions.Contains(oiUseGroups) ? ArrangeGroups() : 0;
  FRowsLocked = true;
  SetRowCount(FNewRowCount + headers);
  try {
    if (FExpandMode == AutoExpand || FExpandMode == AlwaysExpand)
      ExpandAll();
    else
      ExpandAuto();
  } catch (...) {
    // A row whose sub-properties cannot be gathered stays collapsed; the rebuild goes on.
  }
  if (!self) return;
  if (GetColWidths(0) + GetColWidths(1) != GetClientWidth())
    SetColWidths(1, GetClientWidth() - GetColWidths(0));
  RestoreFocus(focusName);
  UpdateScrollBar();
  UpdateEditor();
  if (!self) return;
  FRowsLocked = false;
  Invalidate();
  if (FRebuildPending) RunPendingRebuild();
}

void TCustomObjectInspector::CheckGathering(uint64_t generation) const {
  // A selected component destroyed (or the selection's rows lost) while editors are being
  // gathered ends the gathering before the machinery touches it again.
  if (generation != FLostComponents)
    throw EAbort("An inspected component was destroyed while its properties were gathered");
}

void TCustomObjectInspector::GetPropEdit(std::unique_ptr<TPropertyEditor> prop) {
  TControlRef<TCustomObjectInspector> self(this);
  FNoRows = false;
  if (!prop->ValueAvailable()) return;
  std::string name = prop->GetName();
  if (FOnShowProperty) {
    bool show = true;
    FOfferedEditor = prop.get();
    FOnShowProperty(this, name, FComponents.get(), show);
    if (!self) throw EAbort("The inspector was destroyed by its OnShowProperty handler");
    FOfferedEditor = nullptr;
    if (!show) return;
  }
  if (FOnGetPropEdit) {
    std::unique_ptr<TPropertyEditor> replacement;
    FOfferedEditor = prop.get();
    FOnGetPropEdit(this, name, replacement);
    if (!self) throw EAbort("The inspector was destroyed by its OnGetPropEdit handler");
    FOfferedEditor = nullptr;
    if (replacement) {
      prop = std::move(replacement);
      name = prop->GetName();
    }
  }
  auto row = std::make_unique<TInfoRec>(std::move(prop));
  TPropertyEditor* editor = row->PropEdit;
  row->EditorClass = GetEditClass(editor);
  row->PopupClass = GetPopupClass(editor);
  if (FParentInfo) {
    row->Level = FParentInfo->Level + 1;
    row->Group = FParentInfo->Group;
  }
  row->SubState = editor->GetAttributes().Contains(paSubProperties) ? ssCollapsed : ssNoSub;
  if (const TPInfo* alias = FindAlias(name)) {
    row->AutoExpand = alias->AutoExpand;
    row->AlwaysExpand = alias->AlwaysExpand;
    row->Group = alias->Group;
    if (FOptions.Contains(oiUseAliases)) row->DisplayName = alias->DisplayName;
  }
  if (row->DisplayName.empty()) row->DisplayName = std::move(name);
  FNewRows.push_back(std::move(row));
  ++FNewRowCount;
}

void TCustomObjectInspector::SortRows(TRowList& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return SameTextLess(a->DisplayName, b->DisplayName);
  });
}

void TCustomObjectInspector::SortNewRows() {
  // One sort instead of a sorted insertion per row; two names equal but for letter case end
  // the rebuild as a duplicate would.
  SortRows(FNewRows);
  const auto duplicate =
      std::adjacent_find(FNewRows.begin(), FNewRows.end(), [](const auto& a, const auto& b) {
        return CompareText(a->DisplayName, b->DisplayName) == 0;
      });
  if (duplicate != FNewRows.end())
    throw EStringListError(Format("Duplicate property name %s", (*duplicate)->DisplayName));
}

void TCustomObjectInspector::RestoreFocus(const std::string& name) {
  int32_t target = 0;
  if (!name.empty()) {
    for (int32_t i = 0; i < GetInfoRecCount(); ++i) {
      const TInfoRec* row = FRows[static_cast<size_t>(i)].get();
      if (!row->IsGroup && row->PropEdit && row->PropEdit->GetName() == name) {
        target = i;
        break;
      }
    }
  }
  // A target further down than one page ends up as the last visible row.
  const int32_t visible = GetClientHeight() / (GetDefaultRowHeight() + 1);
  SetTopRow(std::max(target - visible + 1, 0));
  if (target < GetRowCount()) SetRow(target);
}

// Filters.

void TCustomObjectInspector::SetFilter(TTypeKinds value) {
  if (value == FFilter) return;
  FFilter = value;
  const TComponentState state = GetComponentState();
  if (!state.Contains(csLoading) && !state.Contains(csReading)) ShowInfo();
}

void TCustomObjectInspector::SetOnShowProperty(TOnShowProc value) {
  FOnShowProperty = value;
  TControlRef<TCustomObjectInspector> self(this);
  ShowInfo();
  if (self) Invalidate();
}

void TCustomObjectInspector::SetReadOnly(bool value) {
  FReadOnly = value;
  if (GetComponentState().Contains(csDesigning)) return;
  if (value)
    KillEditor();
  else
    CreateEditor(GetRow());
}

void TCustomObjectInspector::Loaded() {
  TCustomGrid::Loaded();
  ScanAliases();
  // The stored options of a custom look, read while the constructed look still held them back.
  if (FOptionsStreamed && FStyle == isCustom) SetGridOptions(FStreamedOptions);
  FOptionsStreamed = false;
  if (GetComponentState().Contains(csDesigning)) SetControl(this);
}

void TCustomObjectInspector::CommitBeforeSelectionChange() {
  // A refused value is reported by the editor; the new selection is shown all the same.
  if (!IsEmpty() && FInplaceEdit) FInplaceEdit->ApplyValue();
}
