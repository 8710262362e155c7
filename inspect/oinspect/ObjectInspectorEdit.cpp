// In-place value editing: one editor control over the value cell of the current row, rebuilt
// for each row it visits and parked outside the client area where a row gets none.
#include "controls/ControlRef.h"
#include "designintf/ComponentList.h"
#include "designintf/FormDesigner.h"
#include "designintf/PropertyEditor.h"
#include "oinspect/OInplaceEdit.h"
#include "oinspect/ObjectInspector.h"
#include "winsys/WinUser.h"

bool TCustomObjectInspector::GetInplaceEditorShown() const {
  return FInplaceEdit && FEditorActive;
}

void TCustomObjectInspector::CreateEditor(int32_t row) {
  if (GetComponentState().Contains(csDesigning) || !FInplaceEdit) return;
  TOInplaceEdit* editor = FInplaceEdit;
  const bool hadFocus = Focused() || editor->Focused();
  if (FReadOnly || !PropEditAt(row)) {
    KillEditor();
    FEditRow = row;
    FEditorActive = false;
    return;
  }
  const TInfoRec* info = FRows[static_cast<size_t>(row)].get();
  TPropertyAttributes attributes;
  std::string value;
  try {
    TCallGuard call(this);
    attributes = info->PropEdit->GetAttributes();
    value = info->PropEdit->GetValue();
  } catch (...) {
    // The property cannot be read now: the editor stays as it was.
    return;
  }
  TControlRef<TCustomObjectInspector> self(this);
  editor->SetEditorClass(info->EditorClass);
  editor->SetPopup(info->PopupClass);
  if (!self) return;
  if (attributes.Contains(paValueList) && editor->GetPopupWindow()) {
    editor->GetButton1()->SetKind(bkDropDown);
    editor->SetNumButtons(1);
    editor->SetEdit1Click(TNotifyEvent());
    editor->SetListFilled(false);
  } else if (attributes.Contains(paDialog)) {
    editor->GetButton1()->SetKind(bkDots);
    editor->SetNumButtons(1);
    editor->SetEdit1Click(MakeMethod<&TCustomObjectInspector::EditClick>(this));
  } else {
    editor->SetNumButtons(0);
  }
  // Rows that expand into sub-properties show their value but take no typing.
  editor->SetReadOnly(attributes.Contains(paSubProperties) || attributes.Contains(paReadOnly));
  editor->SetText(TCaption(value));
  editor->SetModified(false);
  FEditRow = row;
  FEditorActive = true;
  MoveEditor();
  editor->SetVisible(true);
  if (auto* inner = dynamic_cast<TWinControl*>(editor->GetEdit());
      inner && inner->HandleAllocated())
    ShowWindow(inner->GetHandle(), SW_SHOW);
  editor->SetShowTime(GetTickCount());
  if (hadFocus) editor->SetFocus();
  editor->SelectAll();
}

void TCustomObjectInspector::KillEditor() {
  if (GetComponentState().Contains(csDesigning) || !FInplaceEdit) return;
  // Moved away, not hidden: the parked editor keeps the focus, so keys typed on a row without an
  // editor still reach the grid through it.
  FInplaceEdit->MoveToRect(TRect{-200, -200, 0, 0});
  FEditorActive = false;
}

void TCustomObjectInspector::MoveEditor() {
  // A parked editor stays parked: only a built one follows its cell.
  if (IsEmpty() || GetComponentState().Contains(csDesigning) || !FInplaceEdit || !FEditorActive)
    return;
  // A cell scrolled out of sight is empty: the editor is concealed until it shows again.
  TRect cell = CellRect(GetCol(), GetRow());
  ++cell.Top;
  if (!(FOptions.Contains(oiSunkenEditor) && !FOptions.Contains(oiEditBorder))) ++cell.Bottom;
  FInplaceEdit->MoveToRect(cell);
}

void TCustomObjectInspector::UpdateEditor() {
  if (IsEmpty() || FUpdateCount > 0) return;
  if (HandleAllocated()) {
    TRect leaving = CellRect(0, FEditRow);
    if (leaving.Bottom != 0) {
      if (FOptions.Contains(oiHorzLine) || FOptions.Contains(oiSunkenEditor)) {
        DrawHorzLine(leaving.Top);
        if (!FOptions.Contains(oiHorzLine)) DrawVertLine();
      }
      leaving.Right += GetColWidths(1);
      ++leaving.Bottom;
      InvalidateRect(GetHandle(), &leaving, TRUE);
    }
  }
  TControlRef<TCustomObjectInspector> self(this);
  CreateEditor(GetRow());
  if (!self || !HandleAllocated()) return;
  TRect entering = CellRect(0, GetRow());
  if (entering.Bottom == 0) return;
  --entering.Top;
  ++entering.Bottom;
  entering.Right += GetColWidths(1);
  InvalidateRect(GetHandle(), &entering, FALSE);
}

// Writing values.

void TCustomObjectInspector::ChangeValue(TPropertyEditor* editor, std::string value) {
  TControlRef<TCustomObjectInspector> self(this);
  TCallGuard call(this);
  const uint64_t generation = FLostComponents;
  const std::string name = editor->GetName();
  if (FOnChangePropValue) {
    FOnChangePropValue(this, FComponents.get(), name, value);
    if (!self) return;
  }
  // An editor whose components were destroyed meanwhile is not asked anything more. With
  // several components whose values differ, the shown value is only the first one's: the value
  // asked for is written to all of them even when it equals that one.
  if (generation == FLostComponents) {
    const bool mixed = FComponents->GetCount() > 1 && !editor->AllEqual();
    if (mixed || editor->GetValue() != value) {
      editor->SetValue(value);
      if (!self) return;
    }
  }
  if (FOnChangedPropValue) {
    const std::string changedName = generation == FLostComponents ? editor->GetName() : name;
    FOnChangedPropValue(this, FComponents.get(), changedName, value);
  }
}

TPropertyEditor* TCustomObjectInspector::PropEditAt(int32_t row) const {
  if (IsEmpty() || row < 0 || row >= GetInfoRecCount()) return nullptr;
  return FRows[static_cast<size_t>(row)]->PropEdit;  // null for a group header
}

void TCustomObjectInspector::ShowEditorValue(TPropertyEditor* editor) {
  std::string value;
  {
    TCallGuard call(this);
    value = editor->GetValue();
  }
  FInplaceEdit->SetText(TCaption(value));
}

void TCustomObjectInspector::EditChange(TObject*) {
  const int32_t row = GetRow();
  TPropertyEditor* editor = PropEditAt(row);
  if (!FInplaceEdit || !editor) return;
  {
    TCallGuard call(this);
    if (!editor->GetAttributes().Contains(paAutoUpdate)) return;
  }
  TControlRef<TCustomObjectInspector> self(this);
  TControlRef<TOInplaceEdit> inplace(FInplaceEdit);
  ChangeValue(editor, FInplaceEdit->GetText());
  if (!self || !inplace || PropEditAt(row) != editor) return;
  ShowEditorValue(editor);
  if (FCurrentDesigner) FCurrentDesigner->Modified();
}

// The edit action.

void TCustomObjectInspector::DoEdit(int32_t row) {
  TPropertyEditor* editor = PropEditAt(row);
  if (!editor) return;
  TControlRef<TCustomObjectInspector> self(this);
  bool processed = false;
  {
    TCallGuard call(this);
    if (FOnEditButtonClick) {
      FOnEditButtonClick(this, FComponents.get(), editor, processed);
      if (!self) return;
    }
    if (processed) return;
    editor->Edit();
    if (!self) return;
  }
  if (!self || !FInplaceEdit || PropEditAt(row) != editor) return;
  ShowEditorValue(editor);
  EditChange(FInplaceEdit);
}

void TCustomObjectInspector::EditClick(TObject*) {
  DoEdit(GetRow());
}

// Finding a row by its path.

void TCustomObjectInspector::SetFocusToProperty(const std::string& path) {
  if (IsEmpty()) return;
  int32_t level = -1;
  int32_t position = 0;
  std::string rest = path;
  while (true) {
    const size_t dot = rest.find('.');
    const std::string segment = rest.substr(0, dot);
    int32_t found = -1;
    for (int32_t i = position; i < GetInfoRecCount(); ++i) {
      const TInfoRec* info = FRows[static_cast<size_t>(i)].get();
      if (info->Level <= level) break;
      if (info->DisplayName == segment) {
        found = i;
        break;
      }
    }
    if (found < 0) return;
    if (dot == std::string::npos) {
      SetRow(found);
      UpdateEditor();
      return;
    }
    level = FRows[static_cast<size_t>(found)]->Level;
    position = found + 1;
    rest = rest.substr(dot + 1);
  }
}
