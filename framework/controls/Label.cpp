#include "controls/Label.h"

#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "controls/WinControl.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomLabel) {
  MESSAGE_HANDLER(CM_TEXTCHANGED, CMTextChanged);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_DIALOGCHAR, CMDialogChar);
}

IMPLEMENT_CLASS(TLabel) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(Alignment, GetAlignment, SetAlignment).Default(taLeftJustify);
  PROPERTY(AutoSize, GetAutoSize, SetAutoSize).Default(true);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(FocusControl, GetFocusControl, SetFocusControl);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(Layout, GetLayout, SetLayout).Default(tlTop);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowAccelChar, GetShowAccelChar, SetShowAccelChar).Default(true);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(Transparent, GetTransparent, SetTransparent).Default(false);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(WordWrap, GetWordWrap, SetWordWrap).Default(false);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TLabel::StaticClass()});
  return true;
}();

UINT AlignmentFormat(TAlignment alignment) {
  switch (alignment) {
    case taRightJustify:
      return DT_RIGHT;
    case taCenter:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}
}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(GetControlStyle() + TControlStyle{csOpaque, csReplicatable});
  SetBounds(GetLeft(), GetTop(), 65, 17);
}

std::string TCustomLabel::LabelText() const {
  const std::string caption = GetCaption();
  if (caption.empty() && GetComponentState().Contains(csDesigning)) return GetName();
  return caption;
}

UINT TCustomLabel::TextFormat() const {
  UINT format = DT_EXPANDTABS | AlignmentFormat(FAlignment);
  if (FWordWrap) format |= DT_WORDBREAK;
  if (!FShowAccelChar) format |= DT_NOPREFIX;
  return format;
}

void TCustomLabel::DrawLabelText(TCanvas* canvas, TRect& rect, UINT format) {
  canvas->SetFont(GetFont());
  const std::string text = LabelText();
  // An empty text measures as one line, so that an empty label keeps a line's height.
  const std::string measured = text.empty() && (format & DT_CALCRECT) ? std::string(" ") : text;
  if ((format & DT_CALCRECT) || GetEnabled()) {
    DrawCanvasText(canvas, measured, rect, format);
    return;
  }
  TRect engraved = rect.Offset(1, 1);
  canvas->GetFont()->SetColor(clBtnHighlight);
  DrawCanvasText(canvas, text, engraved, format);
  canvas->GetFont()->SetColor(clBtnShadow);
  DrawCanvasText(canvas, text, rect, format);
}

void TCustomLabel::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  if (!FTransparent) {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect(client);
  }
  TRect rect = client;
  if (FLayout != tlTop) {
    TRect measured = client;
    DrawLabelText(canvas, measured, TextFormat() | DT_CALCRECT);
    const int free = client.Height() - measured.Height();
    rect.Top += FLayout == tlBottom ? free : free / 2;
  }
  DrawLabelText(canvas, rect, TextFormat());
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || GetComponentState().Contains(csLoading)) return;
  HDC dc = CreateCompatibleDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  TRect rect = GetClientRect();
  DrawLabelText(&canvas, rect, TextFormat() | DT_CALCRECT);
  canvas.SetHandle(nullptr);
  DeleteDC(dc);
  int left = GetLeft();
  if (FAlignment == taRightJustify)
    left += GetWidth() - rect.Width();
  else if (FAlignment == taCenter)
    left += (GetWidth() - rect.Width()) / 2;
  SetBounds(left, GetTop(), rect.Width(), rect.Height());
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  TControlStyle style = GetControlStyle();
  if (value)
    style.Exclude(csOpaque);
  else
    style.Include(csOpaque);
  SetControlStyle(style);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (value == FFocusControl) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = value;
  if (value) value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& message) {
  TGraphicControl::CMFontChanged(message);
  AdjustBounds();
}

void TCustomLabel::CMDialogChar(TCMDialogChar& message) {
  if (!FFocusControl || !GetEnabled() || !FShowAccelChar ||
      !IsAccel(message.CharCode(), GetCaption()))
    return;
  if (FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    message.Result = 1;
  }
}
