#pragma once

#include <string>

#include "designintf/PropertyEditor.h"

// Floating-point numbers in the platform's general format (designintf/FloatText.h): 15
// significant digits, 7 for single-precision properties, so that 0.1 + 0.2 shows as 0.3 and
// 1e20 as 1E20. Form files keep every digit; only the inspector's text is rounded. Typed text
// uses a point as decimal separator.
class TFloatProperty : public TPropertyEditor {
  DECLARE_CLASS(TFloatProperty, TPropertyEditor);

 public:
  TFloatProperty() = default;

  std::string GetValue() override;
  // A number too small for the property reads as zero. Raises EConvertError "'abc' is not a
  // valid floating point value" (also for a number too large for a double), or EPropertyError
  // for a number too large for a single-precision property.
  void SetValue(const std::string& value) override;

 protected:
  // The significant digits the property's precision shows.
  int Precision() const;
};
