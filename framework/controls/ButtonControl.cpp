#include "controls/ButtonControl.h"

#include "controls/ControlRef.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TButtonControl) {
  MESSAGE_HANDLER(WM_LBUTTONUP, WMLButtonUp);
  MESSAGE_HANDLER(WM_CANCELMODE, WMCancelMode);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_TEXTCHANGED, CMTextChanged);
  MESSAGE_HANDLER(CM_DIALOGCHAR, CMDialogChar);
}

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner) {
  // Clicks are the control's own (Activate), and a quick second press is a second click.
  SetControlStyle({csCaptureMouse, csSetCaption, csOpaque});
  SetTabStop(true);
}

void TButtonControl::SetMousePressed(bool value) {
  if (value == FMousePressed) return;
  FMousePressed = value;
  Repaint();
}

void TButtonControl::SetKeyPressed(bool value) {
  if (value == FKeyPressed) return;
  FKeyPressed = value;
  Repaint();
}

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    TControlRef<TButtonControl> self(this);
    if (CanFocus() && !Focused()) SetFocus();
    if (!self) return;
    FMouseDown = true;
    SetMousePressed(true);
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseMove(TShiftState shift, int x, int y) {
  if (FMouseDown) SetMousePressed(GetClientRect().Contains({x, y}));
  TCustomControl::MouseMove(shift, x, y);
}

void TButtonControl::WMLButtonUp(TWMMouse& message) {
  const bool activate = FMouseDown && GetClientRect().Contains(message.Pos());
  FMouseDown = false;
  SetMousePressed(false);
  TControlRef<TButtonControl> self(this);
  if (activate) {
    Activate();
    if (!self) return;
  }
  TCustomControl::WMLButtonUp(message);
}

void TButtonControl::WMCancelMode(TMessage& message) {
  FMouseDown = false;
  SetMousePressed(false);
  SetKeyPressed(false);
  TCustomControl::WMCancelMode(message);
}

void TButtonControl::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_SPACE && shift.Empty()) SetKeyPressed(true);
  TCustomControl::KeyDown(key, shift);
}

void TButtonControl::KeyUp(WORD& key, TShiftState shift) {
  TControlRef<TButtonControl> self(this);
  if (key == VK_SPACE && FKeyPressed) {
    SetKeyPressed(false);
    Activate();
    if (!self) return;
  }
  TCustomControl::KeyUp(key, shift);
}

void TButtonControl::WMSetFocus(TWMSetFocus& message) {
  TCustomControl::WMSetFocus(message);
  Invalidate();
}

void TButtonControl::WMKillFocus(TWMKillFocus& message) {
  SetKeyPressed(false);
  TCustomControl::WMKillFocus(message);
  Invalidate();
}

void TButtonControl::CMTextChanged(TMessage&) {
  Invalidate();
}

void TButtonControl::CMDialogChar(TCMDialogChar& message) {
  if (!IsAccel(message.CharCode(), GetCaption()) || !CanFocus()) {
    TCustomControl::CMDialogChar(message);
    return;
  }
  TControlRef<TButtonControl> self(this);
  SetFocus();
  if (self) Activate();
  message.Result = 1;
}

void TButtonControl::DrawCaption(TCanvas* canvas, TRect rect, UINT format) {
  canvas->SetFont(GetFont());
  const std::string caption = GetCaption();
  if (GetEnabled()) {
    DrawCanvasText(canvas, caption, rect, format);
    return;
  }
  // Disabled: a light copy one pixel down and right under a grey one, as if engraved.
  TRect engraved = rect.Offset(1, 1);
  canvas->GetFont()->SetColor(clBtnHighlight);
  DrawCanvasText(canvas, caption, engraved, format);
  canvas->GetFont()->SetColor(clBtnShadow);
  DrawCanvasText(canvas, caption, rect, format);
}
