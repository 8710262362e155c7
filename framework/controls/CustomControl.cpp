#include "controls/CustomControl.h"

#include "controls/ControlRef.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TCustomControl) {}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(new TControlCanvas()) {
  FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() {
  FCanvas->Free();
}

void TCustomControl::PaintWindow(HDC dc) {
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

void TCustomControl::DestroyWnd() {
  FCanvas->FreeHandle();
  TWinControl::DestroyWnd();
}
