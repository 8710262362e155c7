#pragma once

#include <string>

#include "designintf/OrdinalProperty.h"

// Modal results (TModalResult) by name (mrOk) or, without one, by number; typed text may be a
// name or a number.
class TModalResultProperty : public TIntegerProperty {
  DECLARE_CLASS(TModalResultProperty, TIntegerProperty);

 public:
  TModalResultProperty() = default;

  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // The named results in value order.
  void GetValues(const TGetStrProc& proc) override;
  // Raises EConvertError "'xyz' is not a valid modal result" for any other text.
  void SetValue(const std::string& value) override;
};
