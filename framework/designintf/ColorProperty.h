#pragma once

#include <string>

#include "designintf/OrdinalProperty.h"

// Colours (TColor) by name (clBtnFace) or, without one, as $00BBGGRR; typed text may be a name
// or a number.
class TColorProperty : public TIntegerProperty {
  DECLARE_CLASS(TColorProperty, TIntegerProperty);

 public:
  TColorProperty() = default;

  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // The named colours in the order colour lists show them.
  void GetValues(const TGetStrProc& proc) override;
  // Raises EConvertError for text that is neither a colour name nor a number.
  void SetValue(const std::string& value) override;
};
