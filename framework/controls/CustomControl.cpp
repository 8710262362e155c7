#include "controls/CustomControl.h"

#include "controls/ControlRef.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TCustomControl) {}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(new TControlCanvas()) {
  FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() {
  // The control leaves its parent (handing the focus on) and its window goes while the canvas
  // still exists.
  if (TWinControl* parent = GetParent()) parent->RemoveControl(this);
  DestroyHandle();
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
