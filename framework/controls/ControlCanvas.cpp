#include "controls/ControlCanvas.h"

#include <algorithm>
#include <vector>

#include "controls/WinControl.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TControlCanvas) {}

namespace {
// The canvases holding a context they made, so that all can be released at once.
std::vector<TControlCanvas*>& Holders() {
  static std::vector<TControlCanvas*> holders;
  return holders;
}
}  // namespace

TControlCanvas::~TControlCanvas() {
  FreeHandle();
}

void TControlCanvas::SetControl(TControl* value) {
  if (value == FControl) return;
  FreeHandle();
  FControl = value;
}

void TControlCanvas::CreateHandle() {
  if (!FControl) TCanvas::CreateHandle();
  HWND window = nullptr;
  const TControl* graphic = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(FControl)) {
    window = windowed->GetHandle();
  } else {
    TWinControl* parent = FControl->GetParent();
    if (!parent)
      throw EInvalidOperation(
          Format("Control '%s' has no parent window", std::string(FControl->GetName())));
    window = parent->GetHandle();
    graphic = FControl;
  }
  HDC dc = GetDC(window);
  if (!dc) throw EInvalidOperation("Canvas does not allow drawing");
  if (graphic) {
    // The graphic control's area of its parent's window, with its own origin.
    SetViewportOrgEx(dc, graphic->GetLeft(), graphic->GetTop(), nullptr);
    IntersectClipRect(dc, 0, 0, graphic->GetWidth(), graphic->GetHeight());
  }
  FDeviceContext = dc;
  FWindow = window;
  Holders().push_back(this);
  SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  const HDC dc = FDeviceContext;
  FDeviceContext = nullptr;
  std::erase(Holders(), this);
  if (HandleAllocated() && GetHandle() == dc) SetHandle(nullptr);
  ReleaseDC(FWindow, dc);
  FWindow = nullptr;
}

void TControlCanvas::FreeDeviceContexts() {
  const std::vector<TControlCanvas*> holders = Holders();
  for (TControlCanvas* canvas : holders)
    canvas->FreeHandle();
}

int DrawCanvasText(TCanvas* canvas, const std::string& text, TRect& rect, UINT format) {
  canvas->TextExtent(std::string());  // selects the font and its colour
  HDC dc = canvas->GetHandle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int height = DrawText(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  SetBkMode(dc, oldMode);
  return height;
}
