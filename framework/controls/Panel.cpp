#include "controls/Panel.h"

#include "controls/ControlBorder.h"
#include "controls/Frame3D.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomPanel) {
  MESSAGE_HANDLER(CM_TEXTCHANGED, CMTextChanged);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
}

IMPLEMENT_CLASS(TPanel) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(Alignment, GetAlignment, SetAlignment).Default(taCenter);
  PROPERTY(BevelInner, GetBevelInner, SetBevelInner).Default(bvNone);
  PROPERTY(BevelOuter, GetBevelOuter, SetBevelOuter).Default(bvRaised);
  PROPERTY(BevelWidth, GetBevelWidth, SetBevelWidth).Default(1);
  PROPERTY(BorderWidth, GetBorderWidth, SetBorderWidth).Default(0);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsNone);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(FullRepaint, GetFullRepaint, SetFullRepaint).Default(true);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Color, GetColor, SetColor).Default(clBtnFace).Stored(&TControl::IsColorStored);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Default(true).Stored(&TControl::IsCtl3DStored);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(false);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnResize, GetOnResize, SetOnResize);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TPanel::StaticClass()});
  return true;
}();

UINT AlignmentFormat(TAlignment alignment) {
  switch (alignment) {
    case taLeftJustify:
      return DT_LEFT;
    case taRightJustify:
      return DT_RIGHT;
    default:
      return DT_CENTER;
  }
}

void BevelColors(TBevelCut cut, TColor& topLeft, TColor& bottomRight) {
  topLeft = cut == bvLowered ? clBtnShadow : clBtnHighlight;
  bottomRight = cut == bvLowered ? clBtnHighlight : clBtnShadow;
}
}  // namespace

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                   csDoubleClicks, csReplicatable});
  SetBounds(GetLeft(), GetTop(), 185, 41);
  SetColor(clBtnFace);
}

int TCustomPanel::EdgeWidth() const {
  int width = FBorderWidth;
  if (FBevelOuter != bvNone) width += FBevelWidth;
  if (FBevelInner != bvNone) width += FBevelWidth;
  return width;
}

void TCustomPanel::EdgesChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (value == FBevelInner) return;
  FBevelInner = value;
  EdgesChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (value == FBevelOuter) return;
  FBevelOuter = value;
  EdgesChanged();
}

void TCustomPanel::SetBevelWidth(int32_t value) {
  if (value < 1) throw EInvalidOperation(Format("BevelWidth must be at least 1, not %d", value));
  if (value == FBevelWidth) return;
  FBevelWidth = value;
  EdgesChanged();
}

void TCustomPanel::SetBorderWidth(int32_t value) {
  if (value < 0) throw EInvalidOperation(Format("BorderWidth must not be negative (%d)", value));
  if (value == FBorderWidth) return;
  FBorderWidth = value;
  EdgesChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  if (HandleAllocated()) RecreateWnd();
  Realign();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  ApplyBorderStyle(params, FBorderStyle, GetCtl3D());
}

void TCustomPanel::CMCtl3DChanged(TMessage& message) {
  TCustomControl::CMCtl3DChanged(message);
  if (FBorderStyle == bsSingle && HandleAllocated()) RecreateWnd();
}

void TCustomPanel::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  const int edge = EdgeWidth();
  rect = rect.Inflate(-edge, -edge);
}

void TCustomPanel::CMTextChanged(TMessage&) {
  Invalidate();
}

void TCustomPanel::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  TColor topLeft, bottomRight;
  if (FBevelOuter != bvNone) {
    BevelColors(FBevelOuter, topLeft, bottomRight);
    Frame3D(canvas, rect, topLeft, bottomRight, FBevelWidth);
  }
  Frame3D(canvas, rect, GetColor(), GetColor(), FBorderWidth);
  if (FBevelInner != bvNone) {
    BevelColors(FBevelInner, topLeft, bottomRight);
    Frame3D(canvas, rect, topLeft, bottomRight, FBevelWidth);
  }
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(rect);
  const std::string caption = GetCaption();
  if (caption.empty()) return;
  canvas->SetFont(GetFont());
  DrawCanvasText(canvas, caption, rect,
                 AlignmentFormat(FAlignment) | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}
