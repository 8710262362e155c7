#pragma once

#include <string>

#include "graphics/Canvas.h"
#include "types/WinTypes.h"

class TControl;

// A canvas that draws on a control: during painting on the context the paint hands over,
// otherwise on a context made for the control's client area (a graphic control's area of its
// parent's window). Contexts made outside painting are kept only briefly: they go when the
// control paints, when a window moves, and when Application becomes idle, so that a context
// never outlives the layout it was made for.
class TControlCanvas : public TCanvas {
  DECLARE_CLASS(TControlCanvas, TCanvas);

 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* value);
  // Releases the context this canvas made for itself, if any.
  void FreeHandle();
  // Releases the contexts every control canvas made for itself.
  static void FreeDeviceContexts();

 protected:
  // Raises EInvalidOperation when the control has no window to draw on.
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindow = nullptr;
};

// Draws text formatted in rect (DrawText's DT_* flags) on canvas in its font and font colour,
// leaving the background as it is. Returns the height of the text; with DT_CALCRECT it draws
// nothing and sets rect's right and bottom edges to the text's.
int DrawCanvasText(TCanvas* canvas, const std::string& text, TRect& rect, UINT format);
