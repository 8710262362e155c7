#pragma once

#include <string>

#include "designintf/PropertyEditor.h"

// Strings as they are.
class TStringProperty : public TPropertyEditor {
  DECLARE_CLASS(TStringProperty, TPropertyEditor);

 public:
  TStringProperty() = default;

  // The string type's length limit; 0 (no limit) for a type without one.
  int GetEditLimit() override;
  std::string GetValue() override;
  // Raises EPropertyError for a text longer (in characters) than the type's length limit.
  void SetValue(const std::string& value) override;
};

// Captions and texts of controls (TCaption): each change of the text is applied at once, so
// the control follows the typing.
class TCaptionProperty : public TStringProperty {
  DECLARE_CLASS(TCaptionProperty, TStringProperty);

 public:
  TCaptionProperty() = default;

  TPropertyAttributes GetAttributes() override;
};

// The Name of a component. Names are unique, so it edits one component at a time; the designer
// may refuse a new name (ValidateRename) before the component checks it.
class TComponentNameProperty : public TStringProperty {
  DECLARE_CLASS(TComponentNameProperty, TStringProperty);

 public:
  TComponentNameProperty() = default;

  TPropertyAttributes GetAttributes() override;
  int GetEditLimit() override;
  void SetValue(const std::string& value) override;
};
