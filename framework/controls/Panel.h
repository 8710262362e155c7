#pragma once

#include <cstdint>

#include "controls/CustomControl.h"

// The cut of a bevel: none, sunk into the surface, or standing out of it.
enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised };
PUBLISHED_ENUM(TBevelCut, bvNone, bvLowered, bvRaised)

// A container with a bevelled edge and a caption: controls sit on it, align inside its edges
// and are written inside it in form files. From the outside in it draws the outer bevel
// (BevelOuter), a band of BorderWidth pixels in its colour, and the inner bevel (BevelInner),
// each bevel BevelWidth pixels wide; the caption is centred vertically and placed by Alignment.
// BorderStyle bsSingle adds a window border (a sunken client edge when Ctl3D).
class TCustomPanel : public TCustomControl {
  DECLARE_CLASS(TCustomPanel, TCustomControl);

 public:
  explicit TCustomPanel(TComponent* owner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut value);
  TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut value);
  // Raises EInvalidOperation below 1.
  int32_t GetBevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int32_t value);
  // Raises EInvalidOperation below 0.
  int32_t GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int32_t value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool GetFullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool value) { FFullRepaint = value; }
  // The width of everything the panel draws inside its client edge on each side.
  int EdgeWidth() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void CMTextChanged(TMessage& message);
  void CMCtl3DChanged(TMessage& message);

 private:
  void EdgesChanged();

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int32_t FBevelWidth = 1;
  int32_t FBorderWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
};

// The panel with its properties published.
class TPanel : public TCustomPanel {
  DECLARE_CLASS(TPanel, TCustomPanel);

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
