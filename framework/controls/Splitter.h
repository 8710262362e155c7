#pragma once

#include <cstdint>

#include "controls/ControlRef.h"
#include "controls/GraphicControl.h"

// How a splitter shows a drag: not at all until the mouse is released, with an inverted bar,
// by resizing as the mouse moves, or with a bar of the 8 x 8 halftone pattern (the default).
enum TResizeStyle : uint8_t { rsNone, rsLine, rsUpdate, rsPattern };
PUBLISHED_ENUM(TResizeStyle, rsNone, rsLine, rsUpdate, rsPattern)

// NewSize is the size the control would get; a handler may change it or refuse (Accept false).
DECLARE_EVENT(TCanResizeEvent, void(TObject* Sender, int& NewSize, bool& Accept),
              "Sender: TObject; var NewSize: Integer; var Accept: Boolean")

// A bar between aligned controls that the user drags to resize the control before it: the
// visible control with the same Align that touches the splitter on the side Align names (on its
// left for alLeft, above it for alTop, right of it for alRight, below it for alBottom). The new
// size stays between MinSize and what leaves MinSize for the rest of the parent. While the mouse
// holds it, the bar is drawn inverted over the parent and its controls (XOR, so that drawing it
// again erases it); the control takes its new size when the mouse is released. Aligned to the
// top or bottom it splits vertically and shows the vertical split cursor.
class TSplitter : public TGraphicControl {
  DECLARE_CLASS(TSplitter, TGraphicControl);

 public:
  explicit TSplitter(TComponent* owner);
  ~TSplitter() override;

  bool GetBeveled() const { return FBeveled; }
  void SetBeveled(bool value);
  // Raises EInvalidOperation below 1.
  int32_t GetMinSize() const { return FMinSize; }
  void SetMinSize(int32_t value);
  TResizeStyle GetResizeStyle() const { return FResizeStyle; }
  void SetResizeStyle(TResizeStyle value) { FResizeStyle = value; }
  // Whether the mouse holds the splitter now.
  bool GetDragging() const { return FDragging; }

  TCanResizeEvent GetOnCanResize() const { return FOnCanResize; }
  void SetOnCanResize(TCanResizeEvent value) { FOnCanResize = value; }
  // After a drag changed the control's size.
  TNotifyEvent GetOnMoved() const { return FOnMoved; }
  void SetOnMoved(TNotifyEvent value) { FOnMoved = value; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Also follows the orientation with the cursor (crHSplit or crVSplit).
  void RequestAlign() override;
  void WMCancelMode(TMessage& message);

 private:
  bool Vertical() const { return GetAlign() != alTop && GetAlign() != alBottom; }
  TControl* FindResizeControl() const;
  int ControlSize() const;
  int MaxSize() const;
  // The size the control gets for the mouse at (x, y), or its present size when refused.
  int SizeFor(int x, int y);
  void Track(int newSize);
  void Apply(int newSize);
  void EndDrag();
  // The bar's place in the parent's client coordinates for a control of size.
  TRect BarRect(int size) const;
  // Inverts the bar (ResizeStyle rsLine or rsPattern); twice restores the pixels.
  void InvertBar(const TRect& bar);
  void ShowBar(bool visible);

  bool FBeveled = false;
  int32_t FMinSize = 30;
  TResizeStyle FResizeStyle = rsPattern;
  bool FDragging = false;
  TPoint FDownPos;
  TControlRef<> FControl;
  int FNewSize = 0;
  bool FBarVisible = false;
  TResizeStyle FBarStyle = rsPattern;
  TRect FBar;
  TCanResizeEvent FOnCanResize;
  TNotifyEvent FOnMoved;
};
