#pragma once

#include <string>

#include "designintf/PropertyEditor.h"

// Floating-point numbers as the shortest text that reads back as the same value of the
// property's precision; typed text uses a point as decimal separator.
class TFloatProperty : public TPropertyEditor {
  DECLARE_CLASS(TFloatProperty, TPropertyEditor);

 public:
  TFloatProperty() = default;

  std::string GetValue() override;
  // Raises EConvertError "'abc' is not a valid floating point value", or EPropertyError for a
  // number too large for a single-precision property.
  void SetValue(const std::string& value) override;
};
