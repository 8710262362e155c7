#include "controls/Control.h"

#include <algorithm>

#include "controls/Application.h"
#include "controls/ControlRef.h"
#include "controls/Form.h"
#include "controls/Menus.h"
#include "controls/WinControl.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TControl) {
  PROPERTY(Left, GetLeft, SetLeft);
  PROPERTY(Top, GetTop, SetTop);
  PROPERTY(Width, GetWidth, SetWidth);
  PROPERTY(Height, GetHeight, SetHeight);
  PROPERTY(Cursor, GetCursor, SetCursor).Default(crDefault);
  PROPERTY(Hint, GetHint, SetHint);

  MESSAGE_HANDLER(WM_LBUTTONDOWN, WMLButtonDown);
  MESSAGE_HANDLER(WM_LBUTTONDBLCLK, WMLButtonDblClk);
  MESSAGE_HANDLER(WM_LBUTTONUP, WMLButtonUp);
  MESSAGE_HANDLER(WM_RBUTTONDOWN, WMRButtonDown);
  MESSAGE_HANDLER(WM_RBUTTONDBLCLK, WMRButtonDblClk);
  MESSAGE_HANDLER(WM_RBUTTONUP, WMRButtonUp);
  MESSAGE_HANDLER(WM_MBUTTONDOWN, WMMButtonDown);
  MESSAGE_HANDLER(WM_MBUTTONDBLCLK, WMMButtonDblClk);
  MESSAGE_HANDLER(WM_MBUTTONUP, WMMButtonUp);
  MESSAGE_HANDLER(WM_MOUSEMOVE, WMMouseMove);
  MESSAGE_HANDLER(WM_CONTEXTMENU, WMContextMenu);
  MESSAGE_HANDLER(WM_CANCELMODE, WMCancelMode);
  MESSAGE_HANDLER(CM_VISIBLECHANGED, CMVisibleChanged);
  MESSAGE_HANDLER(CM_ENABLEDCHANGED, CMEnabledChanged);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_COLORCHANGED, CMColorChanged);
  MESSAGE_HANDLER(CM_PARENTFONTCHANGED, CMParentFontChanged);
  MESSAGE_HANDLER(CM_PARENTCOLORCHANGED, CMParentColorChanged);
  MESSAGE_HANDLER(CM_PARENTCTL3DCHANGED, CMParentCtl3DChanged);
  MESSAGE_HANDLER(CM_PARENTSHOWHINTCHANGED, CMParentShowHintChanged);
  MESSAGE_HANDLER(CM_HITTEST, CMHitTest);
  MESSAGE_HANDLER(CM_DESIGNHITTEST, CMDesignHitTest);
  MESSAGE_HANDLER(CM_CURSORCHANGED, CMCursorChanged);
}

namespace {
// The graphic control that holds the mouse through its parent's window capture.
TControl* CaptureControl = nullptr;
}  // namespace

TControl::TControl(TComponent* owner)
    : TComponent(owner), FLife(std::make_shared<TControl*>(this)), FFont(new TFont()) {
  FWindowProc = DefaultWindowProc();
  FFont->SetOnChange(MakeMethod<&TControl::FontChanged>(this));
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
}

TControl::~TControl() {
  *FLife = nullptr;
  ReleaseCaptureControl();
  if (FParent) FParent->RemoveControl(this);
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FFont->Free();
}

void TControl::BeforeDestruction() {
  // Whoever waits on a reference learns of the destruction before anything else happens.
  *FLife = nullptr;
  TComponent::BeforeDestruction();
}

void TControl::ReleaseCaptureControl() {
  if (CaptureControl != this) return;
  CaptureControl = nullptr;
  if (FParent && FParent->HandleAllocated() && GetCapture() == FParent->FHandle) ReleaseCapture();
}

// Parent and placement.

void TControl::SetParent(TWinControl* value) {
  if (value == FParent) return;
  for (const TControl* c = value; c; c = c->FParent)
    if (c == this)
      throw EInvalidOperation(
          Format("Control '%s' cannot be placed on itself or on a control "
                 "it contains",
                 std::string(GetName())));
  if (FParent) FParent->RemoveControl(this);
  if (value) value->InsertControl(this);
}

TComponent* TControl::GetParentComponent() const {
  return FParent;
}

void TControl::SetParentComponent(TComponent* value) {
  if (auto* parent = dynamic_cast<TWinControl*>(value)) SetParent(parent);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool resized = width != FWidth || height != FHeight;
  InvalidateControl(FVisible, false);
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Invalidate();
  RequestAlign();
  if (resized && !GetComponentState().Contains(csLoading)) Resize();
}

void TControl::SetBoundsRect(const TRect& rect) {
  SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

TRect TControl::GetClientRect() const {
  return {0, 0, FWidth, FHeight};
}

void TControl::SetClientWidth(int32_t value) {
  SetWidth(FWidth - GetClientWidth() + value);
}

void TControl::SetClientHeight(int32_t value) {
  SetHeight(FHeight - GetClientHeight() + value);
}

TPoint TControl::GetClientOrigin() const {
  if (!FParent)
    throw EInvalidOperation(Format("Control '%s' has no parent window", std::string(GetName())));
  const TPoint origin = FParent->GetClientOrigin();
  return {origin.X + FLeft, origin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint point) const {
  const TPoint origin = GetClientOrigin();
  return {point.X + origin.X, point.Y + origin.Y};
}

TPoint TControl::ScreenToClient(TPoint point) const {
  const TPoint origin = GetClientOrigin();
  return {point.X - origin.X, point.Y - origin.Y};
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  VisibleChanging();
  FVisible = value;
  Perform(CM_VISIBLECHANGED, value ? 1 : 0, 0);
  RequestAlign();
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAlign(TAlign value) {
  if (value == FAlign) return;
  FAlign = value;
  // A control that stops being aligned keeps the bounds alignment gave it; its aligned
  // siblings take the space it leaves.
  if (value == alNone) {
    if (FParent) FParent->AlignControl(this);
  } else {
    RequestAlign();
  }
}

void TControl::SetZOrder(bool topMost) {
  if (!FParent) return;
  auto& siblings = FParent->FControls;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  if (it == siblings.end()) return;
  siblings.erase(it);
  if (topMost)
    siblings.push_back(this);
  else
    siblings.insert(siblings.begin(), this);
  InvalidateControl(FVisible, true);
}

// Look.

void TControl::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == FParentColor) return;
  FParentColor = value;
  if (value && FParent && !GetComponentState().Contains(csReading)) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(TFont* value) {
  FFont->Assign(value);
}

void TControl::FontChanged(TObject*) {
  if (!FApplyingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (value == FParentFont) return;
  FParentFont = value;
  if (value && FParent && !GetComponentState().Contains(csReading)) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCtl3D(bool value) {
  if (value == FCtl3D) return;
  FCtl3D = value;
  FParentCtl3D = false;
  Perform(CM_CTL3DCHANGED);
}

void TControl::SetParentCtl3D(bool value) {
  if (value == FParentCtl3D) return;
  FParentCtl3D = value;
  if (value && FParent && !GetComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED);
}

void TControl::SetCursor(TCursor value) {
  if (value == FCursor) return;
  FCursor = value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool value) {
  if (value == FShowHint) return;
  FShowHint = value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
  if (value == FParentShowHint) return;
  FParentShowHint = value;
  if (value && FParent && !GetComponentState().Contains(csReading))
    Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (value == FPopupMenu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = value;
  if (value) value->FreeNotification(this);
}

void TControl::ApplyParentLook() {
  if (!FParent) return;
  if (FParentColor) Perform(CM_PARENTCOLORCHANGED);
  if (FParentFont) Perform(CM_PARENTFONTCHANGED);
  if (FParentCtl3D) Perform(CM_PARENTCTL3DCHANGED);
  if (FParentShowHint) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded() {
  TComponent::Loaded();
  // Properties are read in declaration order, so the parent's look is applied only now.
  ApplyParentLook();
  RequestAlign();
}

void TControl::ChangeScale(int m, int d) {
  if (m == d) return;
  const int left = MulDiv(FLeft, m, d);
  const int top = MulDiv(FTop, m, d);
  SetBounds(left, top, MulDiv(FLeft + FWidth, m, d) - left, MulDiv(FTop + FHeight, m, d) - top);
  if (!FParentFont) FFont->SetHeight(MulDiv(FFont->GetHeight(), m, d));
}

void TControl::RequestAlign() {
  if (FParent && FAlign != alNone) FParent->AlignControl(this);
}

void TControl::Resize() {
  if (FOnResize) FOnResize(this);
}

// Text.

TCaption TControl::GetText() const {
  auto* self = const_cast<TControl*>(this);
  const auto length = static_cast<size_t>(std::max<LRESULT>(self->Perform(WM_GETTEXTLENGTH), 0));
  std::string buffer(length + 1, '\0');
  const auto copied = static_cast<size_t>(std::max<LRESULT>(
      self->Perform(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data())), 0));
  buffer.resize(std::min(copied, length));
  return TCaption(buffer);
}

void TControl::SetText(const TCaption& value) {
  if (GetText() == value) return;
  TControlRef<> self(this);
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  if (self) Perform(CM_TEXTCHANGED);
}

TCustomForm* TControl::GetParentForm() const {
  return ::GetParentForm(this);
}

TCustomForm* GetParentForm(const TControl* control) {
  if (!control) return nullptr;
  while (control->GetParent())
    control = control->GetParent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

// Painting.

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
  if (!FParent || !FParent->HandleAllocated()) return;
  const bool designing = GetComponentState().Contains(csDesigning);
  if (!isVisible && !designing) return;
  const TRect rect = GetBoundsRect();
  InvalidateRect(FParent->FHandle, &rect, isOpaque ? FALSE : TRUE);
}

void TControl::Invalidate() {
  InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

// Capture.

bool TControl::GetMouseCapture() const {
  if (auto* windowed = dynamic_cast<const TWinControl*>(this))
    return windowed->HandleAllocated() && GetCapture() == windowed->FHandle;
  return CaptureControl == this;
}

void TControl::SetMouseCapture(bool value) {
  if (value == GetMouseCapture()) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
    if (value)
      SetCapture(windowed->GetHandle());
    else
      ReleaseCapture();
    return;
  }
  if (value) {
    if (!FParent) return;
    CaptureControl = this;
    SetCapture(FParent->GetHandle());
  } else {
    ReleaseCaptureControl();
  }
}

TControl* GetCaptureControl() {
  return CaptureControl;
}

void TControl::SendCancelMode() {
  // A control holding the mouse elsewhere in the form loses it before this one acts.
  if (TCustomForm* form = GetParentForm())
    if (form->HandleAllocated()) {
      const HWND capture = GetCapture();
      TWinControl* windowed = dynamic_cast<TWinControl*>(this);
      const HWND own = windowed && windowed->HandleAllocated() ? windowed->FHandle
                       : FParent && FParent->HandleAllocated() ? FParent->FHandle
                                                               : nullptr;
      if (capture && capture != own) SendMessage(capture, WM_CANCELMODE, 0, 0);
    }
}

// Events.

void TControl::Click() {
  if (FOnClick) FOnClick(this);
}

void TControl::DblClick() {
  if (FOnDblClick) FOnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (FOnMouseDown) FOnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (FOnMouseMove) FOnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FOnMouseUp) FOnMouseUp(this, button, shift, x, y);
}

// Lookups.

TWinControl* FindControl(HWND window) {
  return TWinControl::FromHandle(window);
}

TControl* FindControlAtPos(TPoint screen) {
  HWND window = WindowFromPoint(screen);
  TWinControl* windowed = nullptr;
  while (window && !(windowed = FindControl(window)))
    window = GetParent(window);
  if (!windowed) return nullptr;
  TControl* graphic = windowed->ControlAtPos(windowed->ScreenToClient(screen), false);
  return graphic ? graphic : windowed;
}
