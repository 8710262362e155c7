#include "designintf/StringProperty.h"

#include "core/Component.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/FormDesigner.h"

IMPLEMENT_CLASS(TStringProperty) {}
IMPLEMENT_CLASS(TCaptionProperty) {}
IMPLEMENT_CLASS(TComponentNameProperty) {}

namespace {
// Characters, not bytes: UTF-8 continuation bytes do not count.
int CharacterCount(std::string_view text) {
  int count = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}
}  // namespace

int TStringProperty::GetEditLimit() {
  return GetPropType()->MaxLength;
}

std::string TStringProperty::GetValue() {
  return GetStrValue();
}

void TStringProperty::SetValue(const std::string& value) {
  const int limit = GetPropType()->MaxLength;
  if (limit > 0 && CharacterCount(value) > limit)
    throw EPropertyError(
        Format("'%s' is too long for %s: at most %d characters", value, GetName(), limit));
  SetStrValue(value);
}

TPropertyAttributes TCaptionProperty::GetAttributes() {
  return inherited::GetAttributes() + TPropertyAttributes{paAutoUpdate};
}

TPropertyAttributes TComponentNameProperty::GetAttributes() {
  return inherited::GetAttributes() - TPropertyAttributes{paMultiSelect};
}

// Longer names are of no use in source code.
int TComponentNameProperty::GetEditLimit() {
  return 63;
}

void TComponentNameProperty::SetValue(const std::string& value) {
  auto* component = dynamic_cast<TComponent*>(GetComponent(0));
  if (component && GetDesigner() && component->GetName() != value)
    GetDesigner()->ValidateRename(component, component->GetName(), value);
  inherited::SetValue(value);
}
