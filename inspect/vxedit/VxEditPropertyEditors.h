#pragma once

#include <string>

#include "designintf/StringProperty.h"

// The design-time editors of the composite edit's three class-name properties. Each offers
// the class names its registry holds, in registration order and as often as they occur, and
// still takes any typed name (the composite falls back to its default class for a name no
// registry holds). Values are read and written as strings through the property, whose setter
// is the composite's class-name setter: it builds the new inner edit, popup or edit source at
// once, and the designer is told that the form changed.
class TVxEditClassNameEditor : public TStringProperty {
  DECLARE_CLASS(TVxEditClassNameEditor, TStringProperty);

 public:
  TVxEditClassNameEditor() = default;

  // paValueList only: one composite at a time, the list in registration order.
  TPropertyAttributes GetAttributes() override;
};

// PopupWindowClass: the classes of the popup registry's entries that have one.
class TPopupClassNameEditor : public TVxEditClassNameEditor {
  DECLARE_CLASS(TPopupClassNameEditor, TVxEditClassNameEditor);

 public:
  TPopupClassNameEditor() = default;

  void GetValues(const TGetStrProc& proc) override;
};

// EditSourceClass: the registered edit sources.
class TEditSourceTypeEditor : public TVxEditClassNameEditor {
  DECLARE_CLASS(TEditSourceTypeEditor, TVxEditClassNameEditor);

 public:
  TEditSourceTypeEditor() = default;

  void GetValues(const TGetStrProc& proc) override;
};

// EditClass: the classes of the inner-edit registry's entries.
class TEditClassEditor : public TVxEditClassNameEditor {
  DECLARE_CLASS(TEditClassEditor, TVxEditClassNameEditor);

 public:
  TEditClassEditor() = default;

  void GetValues(const TGetStrProc& proc) override;
};
