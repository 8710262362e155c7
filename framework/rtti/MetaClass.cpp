#include "rtti/MetaClass.h"

#include "core/Exception.h"
#include "core/SysUtils.h"

TMetaClass::TMetaClass(std::string name, TClass parent, TFactory factory, const TModule* module)
    : FName(std::move(name)), FParent(parent), FModule(module), FFactory(factory) {
  FTypeInfo = TTypeInfo::Class(FName, this);
  InheritProperties();
}

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
  if (!FParent) return;
  FProperties = FParent->FProperties;
  FPropertyIndex = FParent->FPropertyIndex;
}

void TMetaClass::AddProperty(std::unique_ptr<TPropInfo> property) {
  PPropInfo added = property.get();
  FOwnProperties.push_back(std::move(property));
  const auto found = FPropertyIndex.find(added->GetName());
  if (found != FPropertyIndex.end()) {
    // Published again: the new declaration takes the inherited place, under its own spelling.
    const size_t position = found->second;
    FPropertyIndex.erase(found);
    FProperties[position] = added;
    FPropertyIndex.emplace(added->GetName(), position);
    return;
  }
  FPropertyIndex.emplace(added->GetName(), FProperties.size());
  FProperties.push_back(added);
}

PPropInfo TMetaClass::FindProperty(std::string_view name) const {
  const auto found = FPropertyIndex.find(name);
  return found == FPropertyIndex.end() ? nullptr : FProperties[found->second];
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
