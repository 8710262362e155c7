#include "TestDesigner.h"

#include "core/Exception.h"
#include "core/SysUtils.h"

void TTestDesigner::ValidateRename(TComponent*, const std::string&, const std::string& newName) {
  if (newName == RefusedName) throw EComponentError("The designer refuses " + newName);
}

const TMethodCode* TTestDesigner::CodeOf(const std::string& name) {
  for (const auto& [code, given] : FNames)
    if (SameText(given, name)) return code;
  const TMethodCode* code = GetRoot()->MethodAddress(name);
  return code && !FNames.contains(code) ? code : nullptr;  // not renamed away
}

TMethod TTestDesigner::CreateMethod(const std::string& name, PTypeInfo eventType) {
  if (const TMethodCode* code = CodeOf(name)) return TMethod{code, GetRoot()};
  Created.push_back(name);
  if (!MakesMethods) return TMethod{};
  for (const TPublishedMethod& method : GetRoot()->ClassType()->GetMethods())
    if (*method.Code->Signature == *eventType->Signature) {
      const TMethodCode* code = &FMadeCode.emplace_back(*method.Code);
      FNames[code] = name;
      return TMethod{code, GetRoot()};
    }
  return TMethod{};
}

std::string TTestDesigner::GetMethodName(const TMethod& method) {
  if (!method.Code || !method.Data) return std::string();
  auto given = FNames.find(method.Code);
  return given != FNames.end() ? given->second : method.Data->MethodName(method.Code);
}

void TTestDesigner::GetMethods(PTypeInfo eventType, const TGetStrProc& proc) {
  for (const TPublishedMethod& method : GetRoot()->ClassType()->GetMethods())
    if (*method.Code->Signature == *eventType->Signature)
      proc(GetMethodName(TMethod{method.Code, GetRoot()}));
}

bool TTestDesigner::MethodExists(const std::string& name) {
  return CodeOf(name) != nullptr;
}

void TTestDesigner::RenameMethod(const std::string& curName, const std::string& newName) {
  Renamed.emplace_back(curName, newName);
  if (!MakesMethods) return;
  if (const TMethodCode* code = CodeOf(curName)) FNames[code] = newName;
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
