#include "rtti/MetaClass.h"

#include "core/Exception.h"
#include "core/SysUtils.h"

TMetaClass::~TMetaClass() = default;

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->FParent)
    if (c == ancestor) return true;
  return false;
}

TObject* TMetaClass::CreateInstance(TComponent* owner) const {
  if (!FFactory)
    throw EInvalidOperation(Format("Cannot create an instance of abstract class %s", FName));
  return FFactory(owner);
}

void TMetaClass::RaiseCannotCast(TClass target) const {
  throw EInvalidCast(Format("Class %s is not a %s", FName, target->ClassName()));
}

void TMetaClass::InheritProperties() {
  if (FParent) FProperties = FParent->FProperties;
}

void TMetaClass::AddProperty(std::unique_ptr<TPropInfo> property) {
  PPropInfo added = property.get();
  FOwnProperties.push_back(std::move(property));
  for (PPropInfo& existing : FProperties) {
    if (SameText(existing->GetName(), added->GetName())) {
      existing = added;
      return;
    }
  }
  FProperties.push_back(added);
}

PPropInfo TMetaClass::FindProperty(std::string_view name) const {
  for (PPropInfo property : FProperties)
    if (SameText(property->GetName(), name)) return property;
  return nullptr;
}

const TMethodCode* TMetaClass::MethodAddress(std::string_view name) const {
  for (TClass c = this; c; c = c->FParent)
    for (const TPublishedMethod& method : c->FMethods)
      if (SameText(method.Name, name)) return method.Code;
  return nullptr;
}

std::string TMetaClass::MethodName(const TMethodCode* code) const {
  if (!code) return std::string();
  for (TClass c = this; c; c = c->FParent)
    for (const TPublishedMethod& method : c->FMethods)
      if (method.Code == code) return method.Name;
  return std::string();
}

const TPublishedField* TMetaClass::FindField(std::string_view name) const {
  for (TClass c = this; c; c = c->FParent)
    for (const TPublishedField& field : c->FFields)
      if (SameText(field.Name, name)) return &field;
  return nullptr;
}

std::vector<TClass> TMetaClass::GetFieldClasses() const {
  std::vector<TClass> classes;
  for (TClass c = this; c; c = c->FParent)
    for (const TPublishedField& field : c->FFields)
      classes.push_back(field.FieldClass());
  return classes;
}
