#include "designintf/ModalResultProperty.h"

#include "controls/ModalResult.h"
#include "core/Module.h"
#include "rtti/IdentMap.h"

IMPLEMENT_CLASS(TModalResultProperty) {}

TPropertyAttributes TModalResultProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paRevertable};
}

std::string TModalResultProperty::GetValue() {
  return ModalResultToString(static_cast<TModalResult>(GetOrdValue()));
}

void TModalResultProperty::GetValues(const TGetStrProc& proc) {
  for (const TIdentMapEntry* entry = ModalResultNames(); entry->Name; ++entry)
    proc(entry->Name);
}

void TModalResultProperty::SetValue(const std::string& value) {
  SetOrdValue(StringToModalResult(value));
}
