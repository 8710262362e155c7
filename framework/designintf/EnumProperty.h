#pragma once

#include <string>

#include "designintf/OrdinalProperty.h"

// Enumerations by the names of their values, offered as a sorted value list.
class TEnumProperty : public TOrdinalProperty {
  DECLARE_CLASS(TEnumProperty, TOrdinalProperty);

 public:
  TEnumProperty() = default;

  TPropertyAttributes GetAttributes() override;
  // The value's name; a value outside the type's names as its number.
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  // Takes a value name in any letter case; raises EPropertyError for any other text.
  void SetValue(const std::string& value) override;
};

// Booleans as False and True, offered in that order.
class TBoolProperty : public TEnumProperty {
  DECLARE_CLASS(TBoolProperty, TEnumProperty);

 public:
  TBoolProperty() = default;

  TPropertyAttributes GetAttributes() override;
};
