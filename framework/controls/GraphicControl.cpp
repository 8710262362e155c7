#include "controls/GraphicControl.h"

#include "controls/ControlRef.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TGraphicControl) {
  MESSAGE_HANDLER(WM_PAINT, WMPaint);
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(new TControlCanvas()) {
  FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() {
  FCanvas->Free();
}

void TGraphicControl::WMPaint(TWMPaint& message) {
  HDC dc = message.DC();
  if (!dc || GetComponentState().Contains(csDestroying)) return;
  FCanvas->FreeHandle();
  FCanvas->SetHandle(dc);
  TControlRef<> self(this);
  try {
    Paint();
  } catch (...) {
    if (self) FCanvas->SetHandle(nullptr);
    throw;
  }
  if (self) FCanvas->SetHandle(nullptr);
}
