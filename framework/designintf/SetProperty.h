#pragma once

#include <cstdint>
#include <string>

#include "designintf/OrdinalProperty.h"

// Sets as "[akLeft,akTop]", with one True/False sub-property per element.
class TSetProperty : public TOrdinalProperty {
  DECLARE_CLASS(TSetProperty, TOrdinalProperty);

 public:
  TSetProperty() = default;

  TPropertyAttributes GetAttributes() override;
  // A TSetElementProperty for each element of the set's element type, in element order.
  void GetProperties(const TGetPropEditProc& proc) override;
  std::string GetValue() override;
  // Takes element names separated by commas, with or without brackets; raises EPropertyError
  // naming the first name that is not an element.
  void SetValue(const std::string& value) override;
};

// One element of a set-typed property: True when the set holds it. Writing changes only this
// element of each object's set.
class TSetElementProperty : public TPropertyEditor {
  DECLARE_CLASS(TSetElementProperty, TPropertyEditor);

 public:
  TSetElementProperty() = default;

  // The editor of element of the set property that propList lists.
  static std::unique_ptr<TSetElementProperty> Create(TFormDesigner* designer,
                                                     const TInstPropList& propList, int element);

  bool AllEqual() override;
  TPropertyAttributes GetAttributes() override;
  // The element's name.
  std::string GetName() override;
  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  // Takes True or False in any letter case; raises EPropertyError for any other text.
  void SetValue(const std::string& value) override;

  // The element's ordinal in the set's element type.
  int GetElement() const { return FElement; }

 private:
  bool HoldsElement(int index) const;

  int FElement = 0;
};
