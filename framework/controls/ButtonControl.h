#pragma once

#include "controls/CustomControl.h"

// The common behaviour of push buttons and check boxes: a caption with an accelerator, the
// pressed look while the left button or Space is held on it, and activation (Activate) when it
// is released over it, when Space is released, or when its accelerator is typed.
class TButtonControl : public TCustomControl {
  DECLARE_CLASS(TButtonControl, TCustomControl);

 public:
  explicit TButtonControl(TComponent* owner);

  // Whether the control shows pressed now.
  bool GetPressed() const { return FMousePressed || FKeyPressed; }

 protected:
  // What the user's press does: a button clicks, a check box toggles.
  virtual void Activate() = 0;
  // Draws the caption in rect with the control's font (embossed grey when disabled).
  void DrawCaption(TCanvas* canvas, TRect rect, UINT format);

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;

  void WMLButtonUp(TWMMouse& message);
  void WMCancelMode(TMessage& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMTextChanged(TMessage& message);
  void CMDialogChar(TCMDialogChar& message);

 private:
  void SetMousePressed(bool value);
  void SetKeyPressed(bool value);

  bool FMouseDown = false;
  bool FMousePressed = false;
  bool FKeyPressed = false;
};
