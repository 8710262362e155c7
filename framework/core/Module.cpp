#include "core/Module.h"

#include <algorithm>

#include "core/SysUtils.h"

static std::vector<const TModule*>& LoadedModules() {
  static std::vector<const TModule*> modules;
  return modules;
}

TModule::TModule(std::string name, const TModuleResource* resources)
    : FName(std::move(name)), FResources(resources) {
  LoadedModules().push_back(this);
}

TModule::~TModule() {
  std::erase(LoadedModules(), this);
}

const TModuleResource* TModule::FindResource(std::string_view name) const {
  for (const TModuleResource* resource = FResources; resource && resource->Name; ++resource)
    if (SameText(resource->Name, name)) return resource;
  return nullptr;
}

void TModule::AddClass(TClass aClass) const {
  FClasses.push_back(aClass);
}

const std::vector<const TModule*>& TModule::GetModules() {
  return LoadedModules();
}

const TModule* TModule::FindModule(std::string_view name) {
  for (const TModule* module : LoadedModules())
    if (SameText(module->GetName(), name)) return module;
  return nullptr;
}
