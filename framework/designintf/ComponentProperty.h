#pragma once

#include <string>

#include "designintf/PropertyEditor.h"

// References to other components, by the names the designer gives them (qualified by their
// form when they lie on another one). The designer lists the components that fit the
// property's class and finds the component behind a typed name.
class TComponentProperty : public TPropertyEditor {
  DECLARE_CLASS(TComponentProperty, TPropertyEditor);

 public:
  TComponentProperty() = default;

  TPropertyAttributes GetAttributes() override;
  int GetEditLimit() override;
  // The designer's name of the referenced component; empty for none.
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  // Empty text clears the reference. Raises EPropertyError for a name the designer does not
  // know and for a component of another class than the property's.
  void SetValue(const std::string& value) override;
};
