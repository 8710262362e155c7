#pragma once

#include <cstdint>

#include "graphics/Color.h"
#include "vxedit/PopupListBox.h"

// The drop-down list of colours: the 16 plain colours, the 25 system colours and clNone, each
// a swatch with its name (without the "cl" prefix; names can be switched off). It takes the
// owning composite's text as the colour to select, and answers the selected colour's name.
class TPopupColorBox : public TPopupListBox {
  DECLARE_CLASS(TPopupColorBox, TPopupListBox);

 public:
  // The number of colours listed.
  static constexpr int ColorCount = 42;

  explicit TPopupColorBox(TComponent* owner);

  // Fills the list with the colours, each item's object being its colour value.
  virtual void BuildList();
  // The colour last selected or taken.
  TColor GetColorValue() const { return FColorValue; }
  // Selects the first item of value and remembers it; a value not listed changes nothing.
  void SetColorValue(TColor value);
  bool GetDisplayNames() const { return FDisplayNames; }
  void SetDisplayNames(bool value);
  // The colour of item index.
  TColor ItemColor(int index) const;

 protected:
  void Click() override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

  void WMSetText(TWMSetText& message);
  void WMGetText(TWMGetText& message);
  void CMFontChanged(TMessage& message);

 private:
  // Items as high as a line of the font, and at least as high as a swatch needs.
  void ResetItemHeight();

  TColor FColorValue = clBlack;
  bool FDisplayNames = true;
};
