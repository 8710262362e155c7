#pragma once

#include <string>

#include "controls/ControlMessages.h"
#include "controls/CustomControl.h"

class TCanvas;

// The inner edit of the composite edit for colour values: a swatch of the colour with its name
// beside it (without the "cl" prefix). It takes no typed text; its value is exchanged as text
// (a colour name such as clRed, or a number) through WM_SETTEXT and WM_GETTEXT and chosen in
// the colour popup. CM_PAINTTO paints the value onto any canvas exactly as the control paints
// itself, which the object inspector uses for the rows it is not editing.
class TColorEdit : public TCustomControl {
  DECLARE_CLASS(TColorEdit, TCustomControl);

 public:
  // The most characters the colour text keeps.
  static constexpr size_t MaxTextLength = 255;

  explicit TColorEdit(TComponent* owner);

  const std::string& GetColorText() const { return FColorText; }

  // Paints the value onto canvas with the control's client area at (x, y): the canvas brush
  // fills the background, a black-framed swatch of the colour spans x 2 to 24, and the name
  // from x 28 on is drawn in the canvas font. Everything is drawn off screen and copied in one
  // block. A text that names no colour gets an empty swatch frame.
  void PaintToCanvas(TCanvas* canvas, int x, int y);

 protected:
  void Paint() override;

  void CMWantSpecialKey(TCMWantSpecialKey& message);
  void WMSetText(TWMSetText& message);
  void WMGetText(TWMGetText& message);
  void WMGetTextLength(TMessage& message);
  void CMPaintTo(TMessage& message);

 private:
  std::string FColorText;
};
