#include "designintf/ComponentProperty.h"

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/FormDesigner.h"

IMPLEMENT_CLASS(TComponentProperty) {}

TPropertyAttributes TComponentProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

// Room for a form-qualified name.
int TComponentProperty::GetEditLimit() {
  return 127;
}

std::string TComponentProperty::GetValue() {
  auto* component = dynamic_cast<TComponent*>(GetObjectValue());
  if (GetDesigner()) return GetDesigner()->GetComponentName(component);
  return component ? std::string(component->GetName()) : std::string();
}

void TComponentProperty::GetValues(const TGetStrProc& proc) {
  if (GetDesigner()) GetDesigner()->GetComponentNames(GetPropType(), proc);
}

void TComponentProperty::SetValue(const std::string& value) {
  const std::string name = Trim(value);
  if (name.empty()) {
    SetObjectValue(nullptr);
    return;
  }
  TComponent* component = GetDesigner() ? GetDesigner()->GetComponent(name) : nullptr;
  if (!component)
    throw EPropertyError(
        Format("Invalid value for %s: there is no component named '%s'", GetName(), name));
  const TClass wanted = GetPropType()->ClassType;
  if (!component->InheritsFrom(wanted))
    throw EPropertyError(Format("Invalid value for %s: %s is a %s, not a %s", GetName(), name,
                                component->ClassName(), wanted->ClassName()));
  SetObjectValue(component);
}
