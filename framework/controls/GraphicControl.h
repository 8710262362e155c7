#pragma once

#include "controls/Control.h"
#include "controls/ControlCanvas.h"

// A control without a window of its own: its parent paints it (Paint, on the parent's
// context) and routes mouse messages to it. It cannot take the focus.
class TGraphicControl : public TControl {
  DECLARE_CLASS(TGraphicControl, TControl);

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TCanvas* GetCanvas() const { return FCanvas; }

 protected:
  // Paints the control on Canvas, whose origin is the control's top-left corner and which is
  // clipped to the control. The default paints nothing: what lies behind shows through.
  virtual void Paint() {}
  void WMPaint(TWMPaint& message);

 private:
  TControlCanvas* FCanvas;
};
