#pragma once

#include <cstdint>

#include "controls/ButtonGlyph.h"
#include "controls/GraphicControl.h"

// A tool-bar button without a window: a picture (Glyph) and a caption on a button face.
//
// A press shows it down while the mouse holds it over the button; releasing it over the button
// clicks. Buttons with the same non-zero GroupIndex on one parent form a group in which at most
// one is Down: clicking one puts it down and the others up; a Down button clicked again comes
// up only when AllowAllUp. A Flat button shows no edge until the mouse is over it, and with
// Transparent (the default) lets its parent show through. The caption's '&' letter clicks the
// button from the keyboard.
class TSpeedButton : public TGraphicControl {
  DECLARE_CLASS(TSpeedButton, TGraphicControl);

 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  // The picture strip (see TButtonGlyph); assigning copies it. Assigning a strip whose width
  // is one to four times its height sets NumGlyphs to that ratio.
  TBitmap* GetGlyph() const { return FGlyph->GetGlyph(); }
  void SetGlyph(TBitmap* value);
  // The number of images in the strip; raises EInvalidOperation outside 1 to 4.
  int32_t GetNumGlyphs() const { return FGlyph->GetNumGlyphs(); }
  void SetNumGlyphs(int32_t value) { FGlyph->SetNumGlyphs(value); }
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout value);
  // Pixels from the edge that Layout names to the picture; -1 centres picture and caption.
  int32_t GetMargin() const { return FMargin; }
  void SetMargin(int32_t value);
  // Pixels between picture and caption; -1 centres the caption in the space left.
  int32_t GetSpacing() const { return FSpacing; }
  void SetSpacing(int32_t value);
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool value);
  // Down stays false while GroupIndex is 0; putting a button down puts its group's others up.
  bool GetDown() const { return FDown; }
  void SetDown(bool value);
  int32_t GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t value);
  // Shared by the whole group: setting it on one button sets it on the others.
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);

  // The look the button has now (bsDisabled when disabled).
  TButtonState GetState() const;
  // Whether a flat button shows its hot edge (the mouse is over it).
  bool GetMouseInControl() const { return FMouseInControl; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Loaded() override;

  void WMLButtonDblClk(TWMMouse& message);
  void WMCancelMode(TMessage& message);
  void CMButtonPressed(TMessage& message);
  void CMDialogChar(TCMDialogChar& message);
  void CMEnabledChanged(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMSysColorChange(TMessage& message);

 private:
  void GlyphChanged(TObject* sender);
  // Tells the other buttons of the group that this one changed (CM_BUTTONPRESSED).
  void UpdateExclusive();
  // The state the button rests in when the mouse does not hold it.
  TButtonState RestingState() const { return FDown ? bsExclusive : bsUp; }
  void SetMouseInControl(bool value);
  void PaintFace(TCanvas* canvas, TRect& inside, TButtonState state);
  void PaintCaption(TCanvas* canvas, const TRect& bounds, TButtonState state);
  TSize CaptionSize(TCanvas* canvas);

  TButtonGlyph* FGlyph;
  TButtonLayout FLayout = blGlyphLeft;
  int32_t FMargin = -1;
  int32_t FSpacing = 4;
  bool FFlat = false;
  bool FTransparent = true;
  bool FDown = false;
  int32_t FGroupIndex = 0;
  bool FAllowAllUp = false;
  TButtonState FState = bsUp;
  bool FDragging = false;
  bool FMouseInControl = false;
};
