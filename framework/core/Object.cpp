#include "core/Object.h"

#include "core/Module.h"
#include "rtti/MetaClass.h"

IMPLEMENT_CLASS(TObject) {}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

const std::string& TObject::ClassName() const {
  return ClassType()->ClassName();
}

TClass TObject::ClassParent() const {
  return ClassType()->ClassParent();
}

bool TObject::InheritsFrom(TClass aClass) const {
  return ClassType()->InheritsFrom(aClass);
}

const TMethodCode* TObject::MethodAddress(std::string_view name) const {
  return ClassType()->MethodAddress(name);
}

std::string TObject::MethodName(const TMethodCode* code) const {
  return ClassType()->MethodName(code);
}
