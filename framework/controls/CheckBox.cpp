#include "controls/CheckBox.h"

#include <algorithm>

#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomCheckBox) {}

IMPLEMENT_CLASS(TCheckBox) {
  PROPERTY(Alignment, GetAlignment, SetAlignment).Default(taRightJustify);
  PROPERTY(AllowGrayed, GetAllowGrayed, SetAllowGrayed).Default(false);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Checked, GetChecked, SetChecked).Stored(false);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(true);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(State, GetState, SetState).Default(cbUnchecked);
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
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TCheckBox::StaticClass()});
  return true;
}();

constexpr int BoxSize = 13;
constexpr int CaptionGap = 4;
}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetBounds(GetLeft(), GetTop(), 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (value == FState) return;
  FState = value;
  Invalidate();
  if (!GetComponentState().Contains(csLoading)) Click();
}

void TCustomCheckBox::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked:
      SetState(FAllowGrayed ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
  }
}

TRect TCustomCheckBox::BoxRect() const {
  const TRect client = GetClientRect();
  const int top = (client.Height() - BoxSize) / 2;
  const int left = FAlignment == taLeftJustify ? client.Right - BoxSize : 0;
  return Bounds(left, top, BoxSize, BoxSize);
}

TRect TCustomCheckBox::CaptionRect() const {
  const TRect client = GetClientRect();
  if (FAlignment == taLeftJustify)
    return {0, 0, client.Right - BoxSize - CaptionGap, client.Bottom};
  return {BoxSize + CaptionGap, 0, client.Right, client.Bottom};
}

void TCustomCheckBox::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  TRect box = BoxRect();
  UINT state = DFCS_BUTTONCHECK;
  if (FState != cbUnchecked) state |= DFCS_CHECKED;
  if (FState == cbGrayed || !GetEnabled()) state |= DFCS_INACTIVE;
  if (GetPressed()) state |= DFCS_PUSHED;
  DrawFrameControl(canvas->GetHandle(), &box, DFC_BUTTON, state);
  const TRect area = CaptionRect();
  const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  DrawCaption(canvas, area, format);
  if (Focused() && !GetCaption().empty()) {
    // The focus frame hugs the caption.
    TRect text = area;
    canvas->SetFont(GetFont());
    DrawCanvasText(canvas, GetCaption(), text, format | DT_CALCRECT);
    const int top = (area.Height() - text.Height()) / 2;
    TRect focus{area.Left - 1, top - 1, std::min(text.Right + 1, area.Right),
                top + text.Height() + 1};
    canvas->GetBrush()->SetColor(GetColor());
    canvas->DrawFocusRect(focus);
  }
}
