#include "designintf/EnumProperty.h"

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TEnumProperty) {}
IMPLEMENT_CLASS(TBoolProperty) {}

TPropertyAttributes TEnumProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TEnumProperty::GetValue() {
  const int64_t value = GetOrdValue();
  const std::string name = GetEnumName(GetPropType(), value);
  return name.empty() ? IntToStr(value) : name;
}

void TEnumProperty::GetValues(const TGetStrProc& proc) {
  for (const std::string& name : GetPropType()->NameList)
    proc(name);
}

void TEnumProperty::SetValue(const std::string& value) {
  PTypeInfo type = GetPropType();
  const int64_t ordinal = GetEnumValue(type, Trim(value));
  if (type->Kind != tkEnumeration || ordinal < type->MinValue || ordinal > type->MaxValue)
    throw EPropertyError(Format("'%s' is not a valid %s value", value, type->Name));
  SetOrdValue(ordinal);
}

TPropertyAttributes TBoolProperty::GetAttributes() {
  return inherited::GetAttributes() - TPropertyAttributes{paSortList};
}
