#pragma once

#include "designintf/ClassProperty.h"

// String lists (TStrings and descendants): a class property whose dialog edits the lines.
class TStringListProperty : public TClassProperty {
  DECLARE_CLASS(TStringListProperty, TClassProperty);

 public:
  TStringListProperty() = default;

  TPropertyAttributes GetAttributes() override;
  // Opens the lines editor on the first object's lines; OK gives every object the lines
  // edited.
  void Edit() override;
};
