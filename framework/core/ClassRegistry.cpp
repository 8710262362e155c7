#include "core/ClassRegistry.h"

#include <algorithm>
#include <vector>

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "rtti/MetaClass.h"

static std::vector<TClass>& RegisteredClasses() {
  static std::vector<TClass> classes;
  return classes;
}

void RegisterClass(TClass aClass) {
  if (TClass existing = GetClass(aClass->ClassName())) {
    if (existing == aClass) return;
    throw EFilerError(Format("A class named %s already exists", aClass->ClassName()));
  }
  RegisteredClasses().push_back(aClass);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass aClass : classes)
    RegisterClass(aClass);
}

void UnRegisterClass(TClass aClass) {
  std::erase(RegisteredClasses(), aClass);
}

TClass GetClass(std::string_view name) {
  for (TClass aClass : RegisteredClasses())
    if (SameText(aClass->ClassName(), name)) return aClass;
  return nullptr;
}

TClass FindClass(std::string_view name) {
  TClass aClass = GetClass(name);
  if (!aClass) throw EClassNotFound(Format("Class %s not found", std::string(name)));
  return aClass;
}
