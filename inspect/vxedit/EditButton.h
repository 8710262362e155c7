#pragma once

#include "controls/SpeedButton.h"

// A button of a composite edit: a speed button docked on the composite's right edge, drawn
// with flat left and top edges so that it joins the edit. A click without OnClick handler
// opens or closes the composite's popup.
class TEditButton : public TSpeedButton {
  DECLARE_CLASS(TEditButton, TSpeedButton);

 public:
  // The owner is the composite edit, which also becomes the parent.
  explicit TEditButton(TComponent* owner);

  // Fires OnClick; without a handler it toggles the owning composite's popup.
  void Click() override;

 protected:
  void Paint() override;
};
