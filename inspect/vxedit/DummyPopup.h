#pragma once

#include "controls/WinControl.h"

// A popup class that shows nothing: a plain windowed control. The composite edit gives it its
// popup behaviour.
class TDummyPopup : public TWinControl {
  DECLARE_CLASS(TDummyPopup, TWinControl);

 public:
  explicit TDummyPopup(TComponent* owner) : TWinControl(owner) {}
};
