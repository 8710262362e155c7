#pragma once

#include <string>

#include "designintf/ClassProperty.h"
#include "designintf/StringProperty.h"

// Fonts (TFont): their properties as sub-properties, and a dialog to choose the whole font.
class TFontProperty : public TClassProperty {
  DECLARE_CLASS(TFontProperty, TClassProperty);

 public:
  TFontProperty() = default;

  // The class editor's attributes plus paDialog.
  TPropertyAttributes GetAttributes() override;
  // Opens the font dialog on the first object's font; OK gives every object the font chosen.
  void Edit() override;
};

// Font family names (TFontName): a sorted list of the installed families; any other name may
// be typed and is matched when the font is used.
class TFontNameProperty : public TStringProperty {
  DECLARE_CLASS(TFontNameProperty, TStringProperty);

 public:
  TFontNameProperty() = default;

  TPropertyAttributes GetAttributes() override;
  void GetValues(const TGetStrProc& proc) override;
};
