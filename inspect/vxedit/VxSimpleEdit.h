#pragma once

#include "controls/Edit.h"

// The plain inner text edit of the composite edit: a borderless one-line text edit, made
// multi-line underneath so that the formatting rectangle the composite sets takes effect. It
// never takes a line break. The edit class of every property row no registration serves
// otherwise.
class TVxSimpleEdit : public TCustomEdit {
  DECLARE_CLASS(TVxSimpleEdit, TCustomEdit);

 public:
  explicit TVxSimpleEdit(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void KeyPress(char32_t& key) override;
};
