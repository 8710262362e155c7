#pragma once

#include "controls/ListBox.h"

class TCustomVxEdit;

// The drop-down list of values: the popup class of every property row no registration serves
// otherwise. Its owner must be the composite edit that drops it; it closes that composite's
// popup when the user picks (a click, Return) or cancels (Escape). Items are filled by its
// user before each drop, or kept in the form file.
//
// The composite hands its text over as WM_SETTEXT: the first item beginning with it (letter
// case ignored) is selected, and the list becomes one to seven items high. WM_GETTEXT answers
// the selected item, or an empty text without selection. A press selects the item under the
// mouse without taking the focus, and while the button is held the selection follows the
// mouse, one item per move beyond either end.
class TPopupListBox : public TCustomListBox {
  DECLARE_CLASS(TPopupListBox, TCustomListBox);

 public:
  explicit TPopupListBox(TComponent* owner);

 protected:
  // A bordered child window with a vertical scroll bar, topmost, that saves what it covers.
  void CreateParams(TCreateParams& params) override;
  // Return (accept) and Escape (cancel) close the owner's popup; other keys move the selection.
  void KeyDown(WORD& key, TShiftState shift) override;
  // Releasing the left button closes the owner's popup, accepting inside the client area.
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  TCustomVxEdit* OwnerEdit() const;

  void WMSetText(TWMSetText& message);
  void WMGetText(TWMGetText& message);
  void WMLButtonDown(TWMMouse& message);
  void WMMouseMove(TWMMouse& message);
};
