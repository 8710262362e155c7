#include "controls/Button.h"

#include "controls/Form.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TButton) {
  PROPERTY(Cancel, GetCancel, SetCancel).Default(false);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Default, GetDefault, SetDefault).Default(false);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(ModalResult, GetModalResult, SetModalResult).Default(mrNone);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);

  MESSAGE_HANDLER(CM_DIALOGKEY, CMDialogKey);
  MESSAGE_HANDLER(CM_FOCUSCHANGED, CMFocusChanged);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TButton::StaticClass()});
  return true;
}();

// The focus rectangle sits this far inside the button's edges.
constexpr int FocusInset = 4;
}  // namespace

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(GetLeft(), GetTop(), 75, 25);
}

void TButton::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  Invalidate();
}

void TButton::SetDefault(bool value) {
  FDefault = value;
  TCustomForm* form = GetParentForm();
  auto* focusedButton = form ? dynamic_cast<TButton*>(form->GetActiveControl()) : nullptr;
  SetActive(focusedButton ? focusedButton == this : FDefault);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
  TButtonControl::Click();
}

void TButton::CMDialogKey(TCMDialogKey& message) {
  const uint32_t key = message.CharCode();
  const bool wanted = (key == VK_RETURN && FActive) || (key == VK_ESCAPE && FCancel);
  if (wanted && KeyDataToShiftState(message.KeyData()).Empty() && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TButtonControl::CMDialogKey(message);
}

void TButton::CMFocusChanged(TCMFocusChanged& message) {
  TWinControl* sender = message.Sender();
  SetActive(dynamic_cast<TButton*>(sender) ? sender == this : FDefault);
  TButtonControl::CMFocusChanged(message);
}

void TButton::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  const bool pressed = GetPressed();
  const bool framed = (FActive || Focused()) && GetEnabled();
  if (framed) {
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(rect);
    rect = rect.Inflate(-1, -1);
  }
  UINT state = DFCS_BUTTONPUSH;
  if (pressed) state |= DFCS_PUSHED | DFCS_FLAT;
  DrawFrameControl(canvas->GetHandle(), &rect, DFC_BUTTON, state);
  TRect text = GetClientRect();
  if (pressed) text = text.Offset(1, 1);
  DrawCaption(canvas, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (Focused()) {
    canvas->GetBrush()->SetColor(clBtnFace);
    canvas->DrawFocusRect(GetClientRect().Inflate(-FocusInset, -FocusInset));
  }
}
