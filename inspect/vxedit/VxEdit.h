#pragma once

#include "vxedit/CustomVxEdit.h"

// The composite edit control as a component of forms: TCustomVxEdit with its properties
// published. A popup, edit source or inner edit chosen by class name is written into the form
// file as a child of the control and taken again when the file is read.
class TVxEdit : public TCustomVxEdit {
  DECLARE_CLASS(TVxEdit, TCustomVxEdit);

 public:
  explicit TVxEdit(TComponent* owner) : TCustomVxEdit(owner) {}

  // A stand-alone composite has nothing to commit its value to: the text is the value.
  bool ApplyValue() override { return true; }
};
