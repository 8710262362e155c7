#include "vxedit/EditButton.h"

#include "controls/ControlRef.h"
#include "core/Module.h"
#include "vxedit/CustomVxEdit.h"

IMPLEMENT_CLASS(TEditButton) {}

TEditButton::TEditButton(TComponent* owner) : TSpeedButton(owner) {
  TControlStyle style = GetControlStyle();
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetVisible(true);
  if (auto* parent = dynamic_cast<TWinControl*>(owner)) SetParent(parent);
}

void TEditButton::Click() {
  const bool handled = static_cast<bool>(GetOnClick());
  TControlRef<TEditButton> self(this);
  TSpeedButton::Click();
  if (handled || !self) return;
  if (auto* edit = dynamic_cast<TCustomVxEdit*>(GetOwner()))
    edit->SetDroppedDown(!edit->GetDroppedDown());
}

void TEditButton::Paint() {
  TSpeedButton::Paint();
  TCanvas* canvas = GetCanvas();
  const int height = GetHeight();
  const int width = GetClientWidth();
  canvas->GetPen()->SetColor(clBtnFace);
  canvas->MoveTo(0, 0);
  canvas->LineTo(0, height - 1);
  canvas->MoveTo(0, 0);
  canvas->LineTo(width, 0);
  canvas->GetPen()->SetColor(clBtnHighlight);
  canvas->MoveTo(1, 1);
  canvas->LineTo(width - 2, 1);
  canvas->MoveTo(1, 1);
  canvas->LineTo(1, height - 2);
  canvas->SetPixel(width - 1, 0, clBlack);
}
