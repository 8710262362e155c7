#include "controls/SpeedButton.h"

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "controls/PatternBrush.h"
#include "controls/WinControl.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TSpeedButton) {
  PROPERTY(AllowAllUp, GetAllowAllUp, SetAllowAllUp).Default(false);
  PROPERTY(GroupIndex, GetGroupIndex, SetGroupIndex).Default(0);
  PROPERTY(Down, GetDown, SetDown).Default(false);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Flat, GetFlat, SetFlat).Default(false);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(Glyph, GetGlyph, SetGlyph);
  PROPERTY(Layout, GetLayout, SetLayout).Default(blGlyphLeft);
  PROPERTY(Margin, GetMargin, SetMargin).Default(-1);
  PROPERTY(NumGlyphs, GetNumGlyphs, SetNumGlyphs).Default(1);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(Spacing, GetSpacing, SetSpacing).Default(4);
  PROPERTY(Transparent, GetTransparent, SetTransparent).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);

  MESSAGE_HANDLER(WM_LBUTTONDBLCLK, WMLButtonDblClk);
  MESSAGE_HANDLER(WM_CANCELMODE, WMCancelMode);
  MESSAGE_HANDLER(CM_BUTTONPRESSED, CMButtonPressed);
  MESSAGE_HANDLER(CM_DIALOGCHAR, CMDialogChar);
  MESSAGE_HANDLER(CM_ENABLEDCHANGED, CMEnabledChanged);
  MESSAGE_HANDLER(CM_TEXTCHANGED, CMTextChanged);
  MESSAGE_HANDLER(CM_MOUSEENTER, CMMouseEnter);
  MESSAGE_HANDLER(CM_MOUSELEAVE, CMMouseLeave);
  MESSAGE_HANDLER(CM_SYSCOLORCHANGE, CMSysColorChange);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TSpeedButton::StaticClass()});
  return true;
}();

constexpr int MaxGlyphs = 4;
constexpr UINT CaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

bool IsPressed(TButtonState state) {
  return state == bsDown || state == bsExclusive;
}
}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), FGlyph(new TButtonGlyph()) {
  FGlyph->SetOnChange(MakeMethod<&TSpeedButton::GlyphChanged>(this));
  SetControlStyle({csCaptureMouse, csDoubleClicks});
  SetBounds(GetLeft(), GetTop(), 23, 22);
}

TSpeedButton::~TSpeedButton() {
  FGlyph->Free();
}

TButtonState TSpeedButton::GetState() const {
  return GetEnabled() ? FState : bsDisabled;
}

// Properties.

void TSpeedButton::SetGlyph(TBitmap* value) {
  FGlyph->SetGlyph(value);
  const TBitmap* glyph = FGlyph->GetGlyph();
  if (glyph->Empty() || glyph->GetWidth() % glyph->GetHeight() != 0) return;
  const int count = glyph->GetWidth() / glyph->GetHeight();
  SetNumGlyphs(count <= MaxGlyphs ? count : 1);
}

void TSpeedButton::GlyphChanged(TObject*) {
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TSpeedButton::SetMargin(int32_t value) {
  if (value == FMargin) return;
  FMargin = value;
  Invalidate();
}

void TSpeedButton::SetSpacing(int32_t value) {
  if (value == FSpacing) return;
  FSpacing = value;
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  if (value == FFlat) return;
  FFlat = value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool value) {
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

void TSpeedButton::SetDown(bool value) {
  if (FGroupIndex == 0) value = false;
  if (value == FDown) return;
  // The down button of a group without AllowAllUp comes up only when another goes down.
  if (FDown && !FAllowAllUp) return;
  FDown = value;
  FState = RestingState();
  Invalidate();
  if (value) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int32_t value) {
  if (value == FGroupIndex) return;
  FGroupIndex = value;
  if (FGroupIndex == 0 && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (value == FAllowAllUp) return;
  FAllowAllUp = value;
  UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  // While a form file is read the group is incomplete; Loaded settles it.
  if (FGroupIndex == 0 || !GetParent() || GetComponentState().Contains(csLoading)) return;
  TMessage message = MakeMessage(CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                                 reinterpret_cast<LPARAM>(this));
  GetParent()->Broadcast(message);
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  if (FDown) UpdateExclusive();
}

void TSpeedButton::CMButtonPressed(TMessage& message) {
  if (static_cast<int32_t>(message.WParam) != FGroupIndex) return;
  auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(message.LParam));
  if (!sender || sender == this) return;
  if (sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

// Mouse and keyboard.

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  TGraphicControl::MouseDown(button, shift, x, y);
  if (!self || button != mbLeft || !GetEnabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  TGraphicControl::MouseMove(shift, x, y);
  if (!self || !FDragging) return;
  TButtonState next = RestingState();
  if (GetClientRect().Contains({x, y}) && !FDown) next = bsDown;
  if (next == FState) return;
  FState = next;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!self || button != mbLeft || !FDragging) return;
  FDragging = false;
  const bool inside = GetClientRect().Contains({x, y});
  if (inside && FGroupIndex != 0) SetDown(!FDown);
  FState = RestingState();
  Invalidate();
  if (inside) Click();
}

void TSpeedButton::WMLButtonDblClk(TWMMouse& message) {
  TControlRef<> self(this);
  TGraphicControl::WMLButtonDblClk(message);
  // A double click on a button that stays down is an action of its own (OnDblClick).
  if (self && FDown) DblClick();
}

void TSpeedButton::WMCancelMode(TMessage& message) {
  if (FDragging) {
    FDragging = false;
    FState = RestingState();
    Invalidate();
  }
  TGraphicControl::WMCancelMode(message);
}

void TSpeedButton::CMDialogChar(TCMDialogChar& message) {
  if (!IsAccel(message.CharCode(), GetCaption()) || !GetEnabled() || !GetVisible() ||
      !GetParent() || !GetParent()->GetShowing())
    return;
  message.Result = 1;
  if (FGroupIndex != 0) SetDown(!FDown);
  Click();
}

void TSpeedButton::CMEnabledChanged(TMessage& message) {
  if (!GetEnabled()) {
    FDragging = false;
    FMouseInControl = false;
    FState = RestingState();
  }
  TGraphicControl::CMEnabledChanged(message);
}

void TSpeedButton::CMTextChanged(TMessage&) {
  Invalidate();
}

void TSpeedButton::CMMouseEnter(TMessage&) {
  if (GetEnabled()) SetMouseInControl(true);
}

void TSpeedButton::CMMouseLeave(TMessage&) {
  SetMouseInControl(false);
}

void TSpeedButton::SetMouseInControl(bool value) {
  if (value == FMouseInControl) return;
  FMouseInControl = value;
  if (FFlat) Invalidate();
}

void TSpeedButton::CMSysColorChange(TMessage&) {
  FGlyph->ClearImages();
  Invalidate();
}

// Painting.

void TSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  const TButtonState state = GetState();
  TRect inside = GetClientRect();
  PaintFace(canvas, inside, state);
  TRect content = GetClientRect();
  if (IsPressed(state)) content = content.Offset(1, 1);
  canvas->SetFont(GetFont());
  const TButtonPlacement place = PlaceButtonContent(
      content, FGlyph->ImageSize(), CaptionSize(canvas), FLayout, FMargin, FSpacing);
  FGlyph->Draw(canvas, place.GlyphPos.X, place.GlyphPos.Y, state);
  PaintCaption(canvas, place.TextBounds, state);
}

// The edge and the background; inside becomes the area within the edge.
void TSpeedButton::PaintFace(TCanvas* canvas, TRect& inside, TButtonState state) {
  HDC dc = canvas->GetHandle();
  const bool pressed = IsPressed(state);
  if (!FFlat) {
    UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (pressed) flags |= DFCS_PUSHED;
    DrawFrameControl(dc, &inside, DFC_BUTTON, flags);
  } else {
    if (!FTransparent) {
      canvas->GetBrush()->SetColor(clBtnFace);
      canvas->FillRect(inside);
    }
    const bool hot = FMouseInControl && state != bsDisabled;
    if (pressed)
      DrawEdge(dc, &inside, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (hot)
      DrawEdge(dc, &inside, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    else if (GetComponentState().Contains(csDesigning))
      canvas->DrawFocusRect(inside);  // a designer must see a flat button without a picture
    if (!pressed && !hot) inside = inside.Inflate(-1, -1);
  }
  // A button staying down shows a dithered face unless the mouse is on a flat one.
  if (state == bsExclusive && (!FFlat || !FMouseInControl)) {
    const TCheckerBrush dither(ColorToRGB(clBtnFace), ColorToRGB(clBtnHighlight));
    FillRect(dc, &inside, dither.GetHandle());
  }
}

TSize TSpeedButton::CaptionSize(TCanvas* canvas) {
  const std::string caption = GetCaption();
  if (caption.empty()) return {0, 0};
  TRect rect{0, 0, 0, 0};
  DrawCanvasText(canvas, caption, rect, CaptionFormat | DT_CALCRECT);
  return {rect.Width(), rect.Height()};
}

void TSpeedButton::PaintCaption(TCanvas* canvas, const TRect& bounds, TButtonState state) {
  const std::string caption = GetCaption();
  if (caption.empty()) return;
  TRect rect = bounds;
  if (state == bsDisabled) {
    TRect engraved = rect.Offset(1, 1);
    canvas->GetFont()->SetColor(clBtnHighlight);
    DrawCanvasText(canvas, caption, engraved, CaptionFormat);
    canvas->GetFont()->SetColor(clBtnShadow);
  }
  DrawCanvasText(canvas, caption, rect, CaptionFormat);
}
