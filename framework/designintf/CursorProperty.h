#pragma once

#include <string>

#include "designintf/OrdinalProperty.h"

// Cursors (TCursor) by name (crHSplit) or, without one, by number; typed text may be a name or
// a number.
class TCursorProperty : public TIntegerProperty {
  DECLARE_CLASS(TCursorProperty, TIntegerProperty);

 public:
  TCursorProperty() = default;

  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // The named cursors in the order cursor lists show them.
  void GetValues(const TGetStrProc& proc) override;
  // Raises EConvertError for text that is neither a cursor name nor a number in the cursor
  // range.
  void SetValue(const std::string& value) override;
};
