#pragma once

#include "controls/ControlMessages.h"
#include "controls/CustomControl.h"

class TCanvas;

// The inner edit of the composite edit for Boolean values and the elements of sets: a check
// box. Its value is exchanged as the text "True" or "False" through WM_SETTEXT and WM_GETTEXT
// (any letter case of "true" checks it, every other text unchecks it). Space, or a click on the
// box, toggles the value and applies it at once through the owning composite. CM_PAINTTO
// paints the box onto any canvas exactly as the control paints itself, which the object
// inspector uses for the rows it is not editing. Hidden in design mode.
class TCheckEdit : public TCustomControl {
  DECLARE_CLASS(TCheckEdit, TCustomControl);

 public:
  explicit TCheckEdit(TComponent* owner);

  bool GetChecked() const { return FChecked; }

  // Paints the value onto canvas with the control's client area at (x, y): the canvas brush
  // fills the background and a flat check box, Height pixels square, sits at x 2. Drawn off
  // screen and copied in one block.
  void PaintToCanvas(TCanvas* canvas, int x, int y);
  // Toggles the value, marks it modified and has the owning composite apply it. An owner that
  // is not a composite edit (such as the inspector's cache of painters) is not told.
  void ChangeChecked();

 protected:
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  // A click toggles the value only on the box (the square at the left, Height + 2 pixels
  // wide); the OnClick event is not fired.
  void Click() override;

  void CMWantSpecialKey(TCMWantSpecialKey& message);
  void WMSetText(TWMSetText& message);
  void WMGetText(TWMGetText& message);
  void WMGetTextLength(TMessage& message);
  // EM_GETMODIFY: 1 when the user toggled the value since the text was last set.
  void GetModified(TMessage& message);
  void CMPaintTo(TMessage& message);

 private:
  bool FModified = false;
  bool FChecked = false;
};
