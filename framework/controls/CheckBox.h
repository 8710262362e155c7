#pragma once

#include "controls/ButtonControl.h"

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };
PUBLISHED_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

// A box that the user checks and unchecks, with a caption beside it. With AllowGrayed a click
// goes through a third, grayed state. Every change of State fires OnClick, whether the user
// or the program made it.
class TCustomCheckBox : public TButtonControl {
  DECLARE_CLASS(TCustomCheckBox, TButtonControl);

 public:
  explicit TCustomCheckBox(TComponent* owner);

  TCheckBoxState GetState() const { return FState; }
  void SetState(TCheckBoxState value);
  bool GetChecked() const { return FState == cbChecked; }
  void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }
  // taRightJustify (the default) puts the caption right of the box, taLeftJustify left of it.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // The next state: unchecked, (grayed,) checked, unchecked.
  virtual void Toggle();

  // Where the box and the caption are drawn, in client coordinates.
  TRect BoxRect() const;
  TRect CaptionRect() const;

 protected:
  void Activate() override { Toggle(); }
  void Paint() override;

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  DECLARE_CLASS(TCheckBox, TCustomCheckBox);

 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};
