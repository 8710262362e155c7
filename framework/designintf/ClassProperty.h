#pragma once

#include <string>
#include <vector>

#include "designintf/PropertyEditor.h"

// Objects that belong to the edited component, such as a font: shown as "(TFont)", their own
// published properties editable as sub-properties. The value text cannot be typed.
class TClassProperty : public TPropertyEditor {
  DECLARE_CLASS(TClassProperty, TPropertyEditor);

 public:
  TClassProperty() = default;

  // The text is the same for every object, so the values count as equal.
  bool AllEqual() override;
  // paSubProperties only while every object holds a persistent object that publishes
  // properties.
  TPropertyAttributes GetAttributes() override;
  // An editor per property (methods excluded) that all the held objects publish.
  void GetProperties(const TGetPropEditProc& proc) override;
  // "(" + the property type's name + ")".
  std::string GetValue() override;

 protected:
  // The persistent object each edited object holds; empty when any of them holds none.
  std::vector<TPersistent*> GetHeldObjects() const;
};
