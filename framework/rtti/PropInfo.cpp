#include "rtti/PropInfo.h"

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "rtti/MetaClass.h"

[[noreturn]] static void RaiseWrongCategory(const char* wanted) {
  throw EPropertyError(Format("Property value is not %s value", wanted));
}

int64_t TPropAccess::GetOrd(TObject*) const {
  RaiseWrongCategory("an ordinal");
}
void TPropAccess::SetOrd(TObject*, int64_t) const {
  RaiseWrongCategory("an ordinal");
}
double TPropAccess::GetFloat(TObject*) const {
  RaiseWrongCategory("a floating point");
}
void TPropAccess::SetFloat(TObject*, double) const {
  RaiseWrongCategory("a floating point");
}
std::string TPropAccess::GetStr(TObject*) const {
  RaiseWrongCategory("a string");
}
void TPropAccess::SetStr(TObject*, const std::string&) const {
  RaiseWrongCategory("a string");
}
TObject* TPropAccess::GetObject(TObject*) const {
  RaiseWrongCategory("an object");
}
void TPropAccess::SetObject(TObject*, TObject*) const {
  RaiseWrongCategory("an object");
}
TMethod TPropAccess::GetMethod(TObject*) const {
  RaiseWrongCategory("a method");
}
void TPropAccess::SetMethod(TObject*, const TMethod&) const {
  RaiseWrongCategory("a method");
}

TPropInfo::TPropInfo(std::string name, TClass ownerClass, PTypeInfo (*typeGetter)(),
                     std::unique_ptr<TPropAccess> access)
    : FName(std::move(name)),
      FOwnerClass(ownerClass),
      FTypeGetter(typeGetter),
      FAccess(std::move(access)) {}

TPropInfo::TPropInfo(std::string name, TClass ownerClass, PTypeInfo typeInfo,
                     std::unique_ptr<TPropAccess> access)
    : FName(std::move(name)),
      FOwnerClass(ownerClass),
      FTypeInfo(typeInfo),
      FAccess(std::move(access)) {}

bool TPropInfo::IsStored(TObject* instance) const {
  return !FStored || FStored(instance);
}

PPropInfo GetPropInfo(TClass aClass, std::string_view name, TTypeKinds kinds) {
  PPropInfo info = aClass ? aClass->FindProperty(name) : nullptr;
  return info && kinds.Contains(info->GetPropType()->Kind) ? info : nullptr;
}

PPropInfo GetPropInfo(const TObject* instance, std::string_view name, TTypeKinds kinds) {
  return instance ? GetPropInfo(instance->ClassType(), name, kinds) : nullptr;
}

std::vector<PPropInfo> GetPropList(TClass aClass, TTypeKinds kinds) {
  std::vector<PPropInfo> list;
  for (PPropInfo info : aClass->GetProperties())
    if (kinds.Contains(info->GetPropType()->Kind)) list.push_back(info);
  return list;
}

std::vector<PPropInfo> GetPropList(const TObject* instance, TTypeKinds kinds) {
  return GetPropList(instance->ClassType(), kinds);
}

bool IsPublishedProp(const TObject* instance, std::string_view name) {
  return GetPropInfo(instance, name) != nullptr;
}

static PPropInfo FindPropOrRaise(const TObject* instance, std::string_view name) {
  PPropInfo info = GetPropInfo(instance, name);
  if (!info)
    throw EPropertyError(Format("Property %s does not exist in %s", std::string(name),
                                instance ? instance->ClassName() : std::string("nil")));
  return info;
}

TTypeKind PropType(const TObject* instance, std::string_view name) {
  return FindPropOrRaise(instance, name)->GetPropType()->Kind;
}

// The accessors cast the instance to the publishing class, so it must be one.
static const TPropAccess& AccessOf(TObject* instance, PPropInfo info) {
  if (!instance || !info || !instance->InheritsFrom(info->GetOwnerClass()))
    throw EPropertyError(Format("Property %s does not belong to %s",
                                info ? info->GetName() : std::string("nil"),
                                instance ? instance->ClassName() : std::string("nil")));
  return info->GetAccess();
}

bool IsStoredProp(TObject* instance, PPropInfo info) {
  AccessOf(instance, info);
  return info->IsStored(instance);
}

int64_t GetOrdProp(TObject* instance, PPropInfo info) {
  return AccessOf(instance, info).GetOrd(instance);
}

static void CheckOrdinalRange(PPropInfo info, int64_t value) {
  PTypeInfo type = info->GetPropType();
  bool valid = true;
  if (type->Kind == tkSet) {
    const int64_t count = type->CompType->MaxValue + 1;
    valid = count >= 32 || (value >= 0 && value < (int64_t{1} << count));
  } else if (type->IsOrdinal()) {
    valid = value >= type->MinValue && value <= type->MaxValue;
  }
  if (!valid)
    throw EPropertyError(Format("Value %lld is out of range for property %s",
                                static_cast<long long>(value), info->GetName()));
}

void SetOrdProp(TObject* instance, PPropInfo info, int64_t value) {
  const TPropAccess& access = AccessOf(instance, info);
  CheckOrdinalRange(info, value);
  access.SetOrd(instance, value);
}

double GetFloatProp(TObject* instance, PPropInfo info) {
  return AccessOf(instance, info).GetFloat(instance);
}
void SetFloatProp(TObject* instance, PPropInfo info, double value) {
  AccessOf(instance, info).SetFloat(instance, value);
}
std::string GetStrProp(TObject* instance, PPropInfo info) {
  return AccessOf(instance, info).GetStr(instance);
}
void SetStrProp(TObject* instance, PPropInfo info, const std::string& value) {
  AccessOf(instance, info).SetStr(instance, value);
}
TObject* GetObjectProp(TObject* instance, PPropInfo info) {
  return AccessOf(instance, info).GetObject(instance);
}
void SetObjectProp(TObject* instance, PPropInfo info, TObject* value) {
  AccessOf(instance, info).SetObject(instance, value);
}
TMethod GetMethodProp(TObject* instance, PPropInfo info) {
  return AccessOf(instance, info).GetMethod(instance);
}
void SetMethodProp(TObject* instance, PPropInfo info, const TMethod& value) {
  AccessOf(instance, info).SetMethod(instance, value);
}

std::string GetEnumProp(TObject* instance, PPropInfo info) {
  return GetEnumName(info->GetPropType(), GetOrdProp(instance, info));
}

void SetEnumProp(TObject* instance, PPropInfo info, std::string_view value) {
  const int64_t ordinal = GetEnumValue(info->GetPropType(), value);
  if (ordinal < 0 && info->GetPropType()->Kind == tkEnumeration)
    throw EPropertyError(
        Format("Invalid enumeration name %s for property %s", std::string(value), info->GetName()));
  SetOrdProp(instance, info, ordinal);
}

std::string GetSetProp(TObject* instance, PPropInfo info, bool brackets) {
  return SetToString(info->GetPropType(), static_cast<uint32_t>(GetOrdProp(instance, info)),
                     brackets);
}

void SetSetProp(TObject* instance, PPropInfo info, std::string_view value) {
  SetOrdProp(instance, info, StringToSet(info->GetPropType(), value));
}

int64_t GetOrdProp(TObject* instance, std::string_view name) {
  return GetOrdProp(instance, FindPropOrRaise(instance, name));
}
void SetOrdProp(TObject* instance, std::string_view name, int64_t value) {
  SetOrdProp(instance, FindPropOrRaise(instance, name), value);
}
double GetFloatProp(TObject* instance, std::string_view name) {
  return GetFloatProp(instance, FindPropOrRaise(instance, name));
}
void SetFloatProp(TObject* instance, std::string_view name, double value) {
  SetFloatProp(instance, FindPropOrRaise(instance, name), value);
}
std::string GetStrProp(TObject* instance, std::string_view name) {
  return GetStrProp(instance, FindPropOrRaise(instance, name));
}
void SetStrProp(TObject* instance, std::string_view name, const std::string& value) {
  SetStrProp(instance, FindPropOrRaise(instance, name), value);
}
TObject* GetObjectProp(TObject* instance, std::string_view name) {
  return GetObjectProp(instance, FindPropOrRaise(instance, name));
}
void SetObjectProp(TObject* instance, std::string_view name, TObject* value) {
  SetObjectProp(instance, FindPropOrRaise(instance, name), value);
}
TMethod GetMethodProp(TObject* instance, std::string_view name) {
  return GetMethodProp(instance, FindPropOrRaise(instance, name));
}
void SetMethodProp(TObject* instance, std::string_view name, const TMethod& value) {
  SetMethodProp(instance, FindPropOrRaise(instance, name), value);
}
