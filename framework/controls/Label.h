#pragma once

#include "controls/GraphicControl.h"

class TWinControl;

// A text on a form. It has no window: its parent paints it. With AutoSize it takes the size
// of its text (keeping its right edge for right-aligned text, its centre for centred text);
// with WordWrap the text wraps at its width. An '&' in the caption marks an accelerator: Alt
// and that letter (or the letter alone where the focused control takes no characters) give
// the focus to FocusControl.
class TCustomLabel : public TGraphicControl {
  DECLARE_CLASS(TCustomLabel, TGraphicControl);

 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);

 protected:
  // Sizes the label to its text when AutoSize is on.
  virtual void AdjustBounds();
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMDialogChar(TCMDialogChar& message);

 private:
  UINT TextFormat() const;
  std::string LabelText() const;
  // Draws (or with DT_CALCRECT measures) the text in rect on canvas.
  void DrawLabelText(TCanvas* canvas, TRect& rect, UINT format);

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TTextLayout FLayout = tlTop;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
  DECLARE_CLASS(TLabel, TCustomLabel);

 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
