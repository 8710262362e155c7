#include "fdesign/FDesigner.h"

#include "controls/DataModule.h"
#include "controls/Form.h"
#include "controls/Screen.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TFDesigner) {}

namespace {
// The component named componentName that owner owns when owner is named ownerName.
TComponent* FindIn(TComponent* owner, const std::string& ownerName,
                   const std::string& componentName) {
  if (!owner || owner->GetName() != ownerName) return nullptr;
  return owner->FindComponent(componentName);
}
}  // namespace

bool TFDesigner::IsDesignMsg(TControl*, TMessage&) {
  return false;
}

TMethod TFDesigner::CreateMethod(const std::string&, PTypeInfo) {
  return TMethod{};
}

std::string TFDesigner::GetMethodName(const TMethod& method) {
  if (!method.Data || !method.Code) return std::string();
  return method.Data->MethodName(method.Code);
}

std::string TFDesigner::GetPrivateDirectory() {
  return ExtractFilePath(ParamStr(0));
}

bool TFDesigner::MethodExists(const std::string&) {
  return false;
}

std::string TFDesigner::UniqueName(const std::string& baseName) {
  const std::string stem = baseName.empty() ? std::string() : baseName.substr(1);
  TComponent* root = GetForm();
  for (int n = 1;; ++n) {
    std::string candidate = stem + std::to_string(n);
    if (!root || !root->FindComponent(candidate)) return candidate;
  }
}

void TFDesigner::GetComponentNames(PTypeInfo classType, const TGetStrProc& proc) {
  TComponent* root = GetForm();
  if (!root || !classType || classType->Kind != tkClass) return;
  for (int i = 0; i < root->GetComponentCount(); ++i) {
    TComponent* component = root->GetComponent(i);
    if (!component->GetName().empty() && component->InheritsFrom(classType->ClassType))
      proc(component->GetName());
  }
}

TComponent* TFDesigner::GetComponent(const std::string& name) {
  if (TComponent* root = GetForm())
    if (TComponent* found = root->FindComponent(name)) return found;
  const size_t dot = name.find('.');
  if (dot == std::string::npos || !Screen) return nullptr;
  const std::string ownerName = name.substr(0, dot);
  const std::string componentName = name.substr(dot + 1);
  for (int i = 0; i < Screen->GetFormCount(); ++i)
    if (TComponent* found = FindIn(Screen->GetForm(i), ownerName, componentName)) return found;
  for (int i = 0; i < Screen->GetDataModuleCount(); ++i)
    if (TComponent* found = FindIn(Screen->GetDataModule(i), ownerName, componentName))
      return found;
  return nullptr;
}

std::string TFDesigner::GetComponentName(TComponent* component) {
  if (!component || component->GetName().empty()) return std::string();
  TComponent* owner = component->GetOwner();
  // A qualifier no lookup could resolve would only hide the name.
  if (owner == GetForm() || !owner || owner->GetName().empty()) return component->GetName();
  return owner->GetName() + "." + component->GetName();
}

TPersistent* TFDesigner::GetObject(const std::string&) {
  return nullptr;
}

std::string TFDesigner::GetObjectName(TPersistent* instance) {
  if (!instance) return std::string();
  if (auto* component = dynamic_cast<TComponent*>(instance)) return component->GetName();
  return instance->GetNamePath();
}

bool TFDesigner::MethodFromAncestor(const TMethod&) {
  return false;
}

TComponent* TFDesigner::CreateComponent(TClass, TComponent*, int, int, int, int) {
  return nullptr;
}

bool TFDesigner::IsComponentLinkable(TComponent*) {
  return false;
}

bool TFDesigner::GetIsDormant() {
  return false;
}

bool TFDesigner::HasInterface() {
  return false;
}

bool TFDesigner::HasInterfaceMember(const std::string&) {
  return false;
}
