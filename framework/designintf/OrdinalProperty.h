#pragma once

#include <cstdint>
#include <string>

#include "designintf/PropertyEditor.h"

// The base of the editors of ordinal values: integers, characters, enumerations and sets.
class TOrdinalProperty : public TPropertyEditor {
  DECLARE_CLASS(TOrdinalProperty, TPropertyEditor);

 public:
  TOrdinalProperty() = default;

  int GetEditLimit() override;

 protected:
  // Raises EPropertyError "Value must be between min and max" for a value outside the range
  // of the property's type.
  void CheckRange(int64_t value) const;
};

// Integers as decimal text; typed text may also be hexadecimal ($FF or 0xFF).
class TIntegerProperty : public TOrdinalProperty {
  DECLARE_CLASS(TIntegerProperty, TOrdinalProperty);

 public:
  TIntegerProperty() = default;

  std::string GetValue() override;
  // Raises EConvertError "'abc' is not a valid integer value", or EPropertyError naming the
  // range for a number outside the type's range.
  void SetValue(const std::string& value) override;

 protected:
  // The number that text spells for the property's type, range checked.
  int64_t ToOrdinal(const std::string& text) const;
};

// Characters: printable ones as themselves, the others as #code (#9 is a tab); typed text is
// one character or #code.
class TCharProperty : public TOrdinalProperty {
  DECLARE_CLASS(TCharProperty, TOrdinalProperty);

 public:
  TCharProperty() = default;

  std::string GetValue() override;
  void SetValue(const std::string& value) override;
};
