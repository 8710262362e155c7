#pragma once

#include <string>

#include "controls/CustomControl.h"

// The small window that shows a hint: a pale box with a thin frame and the hint's text,
// floating above everything without taking the activation.
class THintWindow : public TCustomControl {
  DECLARE_CLASS(THintWindow, TCustomControl);

 public:
  explicit THintWindow(TComponent* owner);

  // The bounds (at 0, 0) the window needs to show hint, wrapped at maxWidth.
  TRect CalcHintRect(int maxWidth, const std::string& hint);
  // Shows hint at rect (screen coordinates).
  void ActivateHint(const TRect& rect, const std::string& hint);
  // Hides the window.
  void ReleaseHint();
  bool IsHintShowing() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};
