#pragma once

#include "controls/ControlCanvas.h"
#include "controls/WinControl.h"

// A windowed control that paints itself: Paint draws on Canvas whenever the window needs it.
class TCustomControl : public TWinControl {
  DECLARE_CLASS(TCustomControl, TWinControl);

 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  // Draws on the control's client area; during Paint on the paint's context.
  TCanvas* GetCanvas() const { return FCanvas; }

 protected:
  // Paints the control on Canvas, after the background was erased in Color. The default
  // paints nothing more.
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  void DestroyWnd() override;

 private:
  TControlCanvas* FCanvas;
};
