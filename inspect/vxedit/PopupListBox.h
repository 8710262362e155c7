#pragma once

#include "controls/CustomControl.h"

// The drop-down list of values: the popup class of every property row no registration serves
// otherwise. The composite edit gives it its popup behaviour.
class TPopupListBox : public TCustomControl {
  DECLARE_CLASS(TPopupListBox, TCustomControl);

 public:
  explicit TPopupListBox(TComponent* owner) : TCustomControl(owner) {}
};
