#include "vxedit/VxEditPropertyEditors.h"

#include "core/Module.h"
#include "vxedit/CustomVxEdit.h"
#include "vxedit/EditRegistry.h"

IMPLEMENT_CLASS(TVxEditClassNameEditor) {}
IMPLEMENT_CLASS(TPopupClassNameEditor) {}
IMPLEMENT_CLASS(TEditSourceTypeEditor) {}
IMPLEMENT_CLASS(TEditClassEditor) {}

TPropertyAttributes TVxEditClassNameEditor::GetAttributes() {
  return {paValueList};
}

TCustomVxEdit* TVxEditClassNameEditor::FirstEdit() const {
  return dynamic_cast<TCustomVxEdit*>(GetComponent(0));
}

// Each editor reads and writes through the composite's own accessors; a property of another
// class registered with these editors is read and written as a plain string.

std::string TPopupClassNameEditor::GetValue() {
  if (TCustomVxEdit* edit = FirstEdit()) return edit->GetPopupWindowClass();
  return GetStrValue();
}

void TPopupClassNameEditor::GetValues(const TGetStrProc& proc) {
  for (const auto& entry : GetPopupClasses())
    if (entry->ControlClass) proc(entry->ControlClass->ClassName());
}

void TPopupClassNameEditor::SetValue(const std::string& value) {
  TCustomVxEdit* edit = FirstEdit();
  if (!edit) return SetStrValue(value);
  edit->SetPopupClassName(value);
  Modified();
}

std::string TEditSourceTypeEditor::GetValue() {
  if (TCustomVxEdit* edit = FirstEdit()) return edit->GetEditSourceClass();
  return GetStrValue();
}

void TEditSourceTypeEditor::GetValues(const TGetStrProc& proc) {
  for (TClass source : GetEditSources())
    proc(source->ClassName());
}

void TEditSourceTypeEditor::SetValue(const std::string& value) {
  TCustomVxEdit* edit = FirstEdit();
  if (!edit) return SetStrValue(value);
  edit->SetEditSourceType(value);
  Modified();
}

std::string TEditClassEditor::GetValue() {
  if (TCustomVxEdit* edit = FirstEdit()) return edit->GetEditClass();
  return GetStrValue();
}

void TEditClassEditor::GetValues(const TGetStrProc& proc) {
  for (const auto& entry : GetEditClasses())
    proc(entry->ControlClass->ClassName());
}

void TEditClassEditor::SetValue(const std::string& value) {
  TCustomVxEdit* edit = FirstEdit();
  if (!edit) return SetStrValue(value);
  edit->SetEditClass(value);
  Modified();
}
