#pragma once

#include <string>

#include "designintf/PropertyEditor.h"

class TCustomVxEdit;

// The design-time editors of the composite edit's three class-name properties. Each offers
// the class names its registry holds, in registration order and as often as they occur, and
// still takes any typed name (the composite falls back to its default class for a name no
// registry holds). A value is written to the first selected composite through its class-name
// setter, which builds the new inner edit, popup or edit source at once, and the designer is
// told that the form changed.
class TVxEditClassNameEditor : public TPropertyEditor {
  DECLARE_CLASS(TVxEditClassNameEditor, TPropertyEditor);

 public:
  TVxEditClassNameEditor() = default;

  // paValueList only: one composite at a time, the list in registration order.
  TPropertyAttributes GetAttributes() override;

 protected:
  // The first selected component as a composite edit; null for anything else.
  TCustomVxEdit* FirstEdit() const;
};

// PopupWindowClass: the classes of the popup registry's entries that have one.
class TPopupClassNameEditor : public TVxEditClassNameEditor {
  DECLARE_CLASS(TPopupClassNameEditor, TVxEditClassNameEditor);

 public:
  TPopupClassNameEditor() = default;

  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// EditSourceClass: the registered edit sources.
class TEditSourceTypeEditor : public TVxEditClassNameEditor {
  DECLARE_CLASS(TEditSourceTypeEditor, TVxEditClassNameEditor);

 public:
  TEditSourceTypeEditor() = default;

  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};

// EditClass: the classes of the inner-edit registry's entries.
class TEditClassEditor : public TVxEditClassNameEditor {
  DECLARE_CLASS(TEditClassEditor, TVxEditClassNameEditor);

 public:
  TEditClassEditor() = default;

  std::string GetValue() override;
  void GetValues(const TGetStrProc& proc) override;
  void SetValue(const std::string& value) override;
};
