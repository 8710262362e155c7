#include "designintf/SetProperty.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TSetProperty) {}
IMPLEMENT_CLASS(TSetElementProperty) {}

namespace {
constexpr int64_t MaxSetElements = 32;

uint32_t ElementBit(int element) {
  return uint32_t{1} << element;
}

// The elements a published set can hold: those of its element type below 32.
int ElementCount(PTypeInfo setType) {
  return static_cast<int>(std::min(setType->CompType->MaxValue + 1, MaxSetElements));
}

bool ParseBoolean(const std::string& text, bool& value) {
  const std::string trimmed = Trim(text);
  if (SameText(trimmed, "True"))
    value = true;
  else if (SameText(trimmed, "False"))
    value = false;
  else
    return false;
  return true;
}
}  // namespace

TPropertyAttributes TSetProperty::GetAttributes() {
  return {paMultiSelect, paSubProperties, paReadOnly, paRevertable};
}

void TSetProperty::GetProperties(const TGetPropEditProc& proc) {
  for (int element = 0; element < ElementCount(GetPropType()); ++element)
    proc(TSetElementProperty::Create(GetDesigner(), GetInstProps(), element));
}

std::string TSetProperty::GetValue() {
  return SetToString(GetPropType(), static_cast<uint32_t>(GetOrdValue()), true);
}

void TSetProperty::SetValue(const std::string& value) {
  PTypeInfo type = GetPropType();
  std::string body = Trim(value);
  if (!body.empty() && body.front() == '[' && body.back() == ']')
    body = body.substr(1, body.size() - 2);
  uint32_t bits = 0;
  for (const std::string& name : Detail::SplitNames(body)) {
    const int64_t element = GetEnumValue(type->CompType, name);
    if (element < 0 || element >= ElementCount(type))
      throw EPropertyError(Format("'%s' is not a valid %s value: %s is not one of its elements",
                                  value, type->Name, name));
    bits |= ElementBit(static_cast<int>(element));
  }
  SetOrdValue(bits);
}

std::unique_ptr<TSetElementProperty> TSetElementProperty::Create(TFormDesigner* designer,
                                                                 const TInstPropList& propList,
                                                                 int element) {
  auto editor = std::make_unique<TSetElementProperty>();
  editor->FElement = element;
  editor->Bind(designer, propList);
  editor->Initialize();
  return editor;
}

bool TSetElementProperty::HoldsElement(int index) const {
  return (GetOrdValueAt(index) & ElementBit(FElement)) != 0;
}

bool TSetElementProperty::AllEqual() {
  for (int i = 1; i < GetPropCount(); ++i)
    if (HoldsElement(i) != HoldsElement(0)) return false;
  return true;
}

TPropertyAttributes TSetElementProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList};
}

std::string TSetElementProperty::GetName() {
  return GetEnumName(GetPropType()->CompType, FElement);
}

std::string TSetElementProperty::GetValue() {
  return HoldsElement(0) ? "True" : "False";
}

void TSetElementProperty::GetValues(const TGetStrProc& proc) {
  proc("False");
  proc("True");
}

void TSetElementProperty::SetValue(const std::string& value) {
  bool include = false;
  if (!ParseBoolean(value, include))
    throw EPropertyError(Format("'%s' is not a valid Boolean value", value));
  std::vector<int64_t> sets;
  for (int i = 0; i < GetPropCount(); ++i) {
    const int64_t bits = GetOrdValueAt(i);
    sets.push_back(include ? bits | ElementBit(FElement) : bits & ~int64_t{ElementBit(FElement)});
  }
  SetOrdValues(sets);
}
