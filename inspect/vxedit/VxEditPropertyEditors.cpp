#include "vxedit/VxEditPropertyEditors.h"

#include "core/Module.h"
#include "vxedit/EditRegistry.h"

IMPLEMENT_CLASS(TVxEditClassNameEditor) {}
IMPLEMENT_CLASS(TPopupClassNameEditor) {}
IMPLEMENT_CLASS(TEditSourceTypeEditor) {}
IMPLEMENT_CLASS(TEditClassEditor) {}

TPropertyAttributes TVxEditClassNameEditor::GetAttributes() {
  return {paValueList};
}

void TPopupClassNameEditor::GetValues(const TGetStrProc& proc) {
  for (const auto& entry : GetPopupClasses())
    if (entry->ControlClass) proc(entry->ControlClass->ClassName());
}

void TEditSourceTypeEditor::GetValues(const TGetStrProc& proc) {
  for (TClass source : GetEditSources())
    proc(source->ClassName());
}

void TEditClassEditor::GetValues(const TGetStrProc& proc) {
  for (const auto& entry : GetEditClasses())
    proc(entry->ControlClass->ClassName());
}
