#include "TestDesigner.h"

#include "core/Exception.h"
#include "core/SysUtils.h"

void TTestDesigner::ValidateRename(TComponent*, const std::string&, const std::string& newName) {
  if (newName == RefusedName) throw EComponentError("The designer refuses " + newName);
}

TMethod TTestDesigner::CreateMethod(const std::string& name, PTypeInfo) {
  if (const TMethodCode* code = GetRoot()->MethodAddress(name)) return TMethod{code, GetRoot()};
  Created.push_back(name);
  return TMethod{};
}

std::string TTestDesigner::GetMethodName(const TMethod& method) {
  return method.Code && method.Data ? method.Data->MethodName(method.Code) : std::string();
}

void TTestDesigner::GetMethods(PTypeInfo eventType, const TGetStrProc& proc) {
  for (const TPublishedMethod& method : GetRoot()->ClassType()->GetMethods())
    if (*method.Code->Signature == *eventType->Signature) proc(method.Name);
}

bool TTestDesigner::MethodExists(const std::string& name) {
  return GetRoot()->MethodAddress(name) != nullptr;
}

void TTestDesigner::GetComponentNames(PTypeInfo classType, const TGetStrProc& proc) {
  for (int i = 0; i < GetRoot()->GetComponentCount(); ++i) {
    TComponent* component = GetRoot()->GetComponent(i);
    if (!component->GetName().empty() && component->InheritsFrom(classType->ClassType))
      proc(component->GetName());
  }
}

TComponent* TTestDesigner::GetComponent(const std::string& name) {
  if (TComponent* component = GetRoot()->FindComponent(name)) return component;
  const size_t dot = name.find('.');
  if (dot == std::string::npos) return nullptr;
  for (TComponent* form : OtherForms)
    if (form->GetName() == name.substr(0, dot)) return form->FindComponent(name.substr(dot + 1));
  return nullptr;
}

std::string TTestDesigner::GetComponentName(TComponent* component) {
  if (!component) return std::string();
  if (component->GetOwner() == GetRoot()) return component->GetName();
  return component->GetOwner()->GetName() + "." + component->GetName();
}

bool TTestDesigner::MethodFromAncestor(const TMethod& method) {
  return !AncestorMethod.empty() && GetMethodName(method) == AncestorMethod;
}
