#pragma once

#include "controls/CustomControl.h"

// The plain inner text edit of the composite edit: the edit class of every property row no
// registration serves otherwise. The composite edit gives it its behaviour.
class TVxSimpleEdit : public TCustomControl {
  DECLARE_CLASS(TVxSimpleEdit, TCustomControl);

 public:
  explicit TVxSimpleEdit(TComponent* owner) : TCustomControl(owner) {}
};
