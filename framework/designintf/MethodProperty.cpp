#include "designintf/MethodProperty.h"

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/FormDesigner.h"

IMPLEMENT_CLASS(TMethodProperty) {}

void TMethodProperty::Edit() {
  std::string name = GetValue();
  if (name.empty()) {
    name = DefaultHandlerName();
    AssignHandler(name, false);
  }
  if (GetDesigner()) GetDesigner()->ShowMethod(name);
}

TPropertyAttributes TMethodProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

int TMethodProperty::GetEditLimit() {
  return 63;
}

std::string TMethodProperty::GetValue() {
  return GetDesigner() ? GetDesigner()->GetMethodName(GetMethodValue()) : std::string();
}

void TMethodProperty::GetValues(const TGetStrProc& proc) {
  if (GetDesigner()) GetDesigner()->GetMethods(GetPropType(), proc);
}

void TMethodProperty::SetValue(const std::string& value) {
  AssignHandler(Trim(value), true);
}

void TMethodProperty::AssignHandler(const std::string& name, bool showNew) {
  if (name.empty()) {
    SetMethodValue(TMethod{});
    return;
  }
  if (!IsValidIdent(name)) throw EPropertyError(Format("'%s' is not a valid method name", name));
  TFormDesigner* designer = GetDesigner();
  if (!designer)
    throw EPropertyError(
        Format("Cannot assign %s to %s: there is no form designer", name, GetName()));
  const std::string current = GetValue();
  if (ShouldRename(current, name)) {
    designer->RenameMethod(current, name);
    // A designer that cannot rename (the stand-alone one) leaves the handler as it was.
    if (GetValue() == current)
      throw EPropertyError(
          Format("Cannot rename handler %s to %s: the designer did not rename it", current, name));
    Modified();
    return;
  }
  const bool isNew = !designer->MethodExists(name);
  const TMethod method = designer->CreateMethod(name, GetPropType());
  // Writing the empty reference would silently remove the handlers of the whole selection.
  if (!method)
    throw EPropertyError(Format(
        "Cannot assign handler %s to %s: the designer provides no such method", name, GetName()));
  CheckSignature(method, name);
  SetMethodValue(method);
  if (isNew && showNew) designer->ShowMethod(name);
}

bool TMethodProperty::ShouldRename(const std::string& current, const std::string& name) {
  TFormDesigner* designer = GetDesigner();
  if (current.empty() || current == name || !AllEqual()) return false;
  if (!SameText(current, name) && designer->MethodExists(name)) return false;
  return !designer->MethodFromAncestor(GetMethodValue());
}

std::string TMethodProperty::DefaultHandlerName() {
  std::string owner;
  if (auto* component = dynamic_cast<TComponent*>(GetComponent(0))) owner = component->GetName();
  if (owner.empty())
    throw EPropertyError(
        Format("Cannot name a handler for %s: the component has no name", GetName()));
  std::string event = GetName();
  if (event.size() > 2 && SameText(event.substr(0, 2), "On")) event = event.substr(2);
  return owner + event;
}

void TMethodProperty::CheckSignature(const TMethod& method, const std::string& name) const {
  PTypeInfo eventType = GetPropType();
  if (method.Code && eventType->Signature && *method.Code->Signature != *eventType->Signature)
    throw EPropertyError(Format("Method %s cannot handle %s: its parameters do not fit %s", name,
                                GetPropInfo()->GetName(), eventType->Name));
}
