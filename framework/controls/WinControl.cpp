#include "controls/WinControl.h"

#include <algorithm>

#include "controls/Application.h"
#include "controls/ControlCanvas.h"
#include "controls/ControlRef.h"
#include "controls/Form.h"
#include "controls/Screen.h"
#include "core/Exception.h"
#include "core/List.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TWinControl) {
  MESSAGE_HANDLER(WM_PAINT, WMPaint);
  MESSAGE_HANDLER(WM_ERASEBKGND, WMEraseBkgnd);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_MOVE, WMMove);
  MESSAGE_HANDLER(WM_WINDOWPOSCHANGED, WMWindowPosChanged);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(WM_SETCURSOR, WMSetCursor);
  MESSAGE_HANDLER(WM_NCHITTEST, WMNCHitTest);
  MESSAGE_HANDLER(WM_KEYDOWN, WMKeyDown);
  MESSAGE_HANDLER(WM_SYSKEYDOWN, WMKeyDown);
  MESSAGE_HANDLER(WM_KEYUP, WMKeyUp);
  MESSAGE_HANDLER(WM_SYSKEYUP, WMKeyUp);
  MESSAGE_HANDLER(WM_CHAR, WMChar);
  MESSAGE_HANDLER(WM_SYSCHAR, WMSysChar);
  MESSAGE_HANDLER(WM_VSCROLL, WMVScroll);
  MESSAGE_HANDLER(WM_HSCROLL, WMHScroll);
  MESSAGE_HANDLER(WM_DESTROY, WMDestroy);
  MESSAGE_HANDLER(WM_NCDESTROY, WMNCDestroy);
  MESSAGE_HANDLER(CM_ENABLEDCHANGED, CMEnabledChanged);
  MESSAGE_HANDLER(CM_COLORCHANGED, CMColorChanged);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
  MESSAGE_HANDLER(CM_VISIBLECHANGED, CMVisibleChanged);
  MESSAGE_HANDLER(CM_SHOWINGCHANGED, CMShowingChanged);
  MESSAGE_HANDLER(CM_SHOWHINTCHANGED, CMShowHintChanged);
  MESSAGE_HANDLER(CM_ENTER, CMEnter);
  MESSAGE_HANDLER(CM_EXIT, CMExit);
  MESSAGE_HANDLER(CM_DIALOGKEY, CMDialogKey);
  MESSAGE_HANDLER(CM_DIALOGCHAR, CMDialogChar);
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
  MESSAGE_HANDLER(CM_FOCUSCHANGED, CMFocusChanged);
  MESSAGE_HANDLER(CM_CHILDKEY, CMChildKey);
  MESSAGE_HANDLER(CM_DESIGNHITTEST, CMDesignHitTest);
}

namespace {
// The window property that leads from a window to its control.
constexpr const char* ControlProperty = "VellmarkControl";
// The control whose window is being made: its first message binds the two.
TWinControl* CreationControl = nullptr;

bool RoutesToGraphicControls(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL;
}
}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner), FBrush(new TBrush()) {
  FBrush->SetColor(GetColor());
}

TWinControl::~TWinControl() {
  Destroying();
  // Leave the parent while still whole, so that it sees a windowed control go.
  if (FParent) FParent->RemoveControl(this);
  if (FHandle) DestroyWindowHandle();
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    FControls.pop_back();
    std::erase(FTabList, child);
    child->FParent = nullptr;
    child->Free();
  }
  FBrush->Free();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetProp(window, ControlProperty));
}

// The window.

LRESULT TWinControl::MainWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(window);
  if (!control && msg == WM_NCCREATE && CreationControl) {
    control = CreationControl;
    CreationControl = nullptr;
    control->FHandle = window;
    SetProp(window, ControlProperty, control);
  }
  if (!control) return DefWindowProc(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  TControlRef<> alive(control);
  try {
    const TWndMethod proc = control->GetWindowProc();
    proc(message);
  } catch (...) {
    Application->HandleException(alive.Get());
  }
  return message.Result;
}

HWND TWinControl::GetHandle() {
  if (!FHandle) {
    if (FParent) FParent->HandleNeeded();
    CreateHandle();
  }
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params = TCreateParams();
  params.Caption = GetText();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  const TControlStyle style = GetControlStyle();
  const bool designing = GetComponentState().Contains(csDesigning);
  if (style.Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (!designing && !GetEnabled()) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  if (style.Contains(csFramed)) {
    if (GetCtl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = FParent && FParent->FHandle ? FParent->FHandle : FParentWindow;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = &DefWindowProc;
  params.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  params.WinClassName = ClassName();
}

void TWinControl::RegisterWindowClass(TCreateParams& params) {
  WNDCLASS existing;
  const char* name = params.WinClassName.c_str();
  if (GetClassInfo(nullptr, name, &existing) && existing.lpfnWndProc == &MainWndProc) return;
  WNDCLASS record = params.WindowClass;
  record.lpfnWndProc = &MainWndProc;
  record.lpszClassName = name;
  if (!RegisterClass(&record))
    throw EInvalidOperation(Format("Cannot register the window class %s", params.WinClassName));
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD))
    throw EInvalidOperation(Format("Control '%s' has no parent window", std::string(GetName())));
  FDefWndProc = params.WindowClass.lpfnWndProc ? params.WindowClass.lpfnWndProc : &DefWindowProc;
  RegisterWindowClass(params);
  CreateWindowHandle(params);
  if (!FHandle)
    throw EInvalidOperation(
        Format("Cannot create the window of control '%s'", std::string(GetName())));
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  CreationControl = this;
  const HWND window = CreateWindowEx(
      params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style, params.X,
      params.Y, params.Width, params.Height, params.WndParent, nullptr, nullptr, params.Param);
  CreationControl = nullptr;
  if (!window) FHandle = nullptr;
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  PlaceInZOrder();
  UpdateBounds();
  if (!FControls.empty()) Realign();
}

HWND TWinControl::PrecedingWindow() const {
  if (!FParent) return nullptr;
  const auto& siblings = FParent->FControls;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  for (++it; it < siblings.end(); ++it)
    if (auto* later = dynamic_cast<TWinControl*>(*it); later && later->FHandle)
      return later->FHandle;
  return nullptr;
}

void TWinControl::PlaceInZOrder() {
  // New windows start on top; one made after later siblings already have theirs goes below.
  if (HWND above = PrecedingWindow())
    SetWindowPos(FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::DestroyWnd() {
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  if (!FHandle) return;
  DestroyWindow(FHandle);
  if (FHandle && !IsWindow(FHandle)) FHandle = nullptr;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  TControlState state = GetControlState();
  SetControlState(state.Include(csDestroyingHandle));
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  DestroyWnd();
  state = GetControlState();
  SetControlState(state.Exclude(csDestroyingHandle));
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  const TWinControl* focus = FindControl(GetFocus());
  const bool hadFocus = focus && ContainsControl(focus);
  TControlRef<TWinControl> self(this);
  DestroyHandle();
  if (!self) return;
  UpdateControlState();
  if (self && hadFocus && FHandle && CanFocus()) ::SetFocus(FHandle);
}

void TWinControl::SetParentWindow(HWND value) {
  if (value == FParentWindow) return;
  if (FHandle && !FParent) DestroyHandle();
  FParentWindow = value;
  UpdateControlState();
}

bool TWinControl::GetShowing() const {
  return FShowing && (!FParent || FParent->GetShowing());
}

void TWinControl::UpdateControlState() {
  const TWinControl* root = this;
  for (const TWinControl* parent = FParent; parent; parent = parent->FParent) {
    if (!parent->FShowing) return;
    root = parent;
  }
  if (dynamic_cast<const TCustomForm*>(root) || root->FParentWindow) UpdateShowing();
}

void TWinControl::UpdateShowing() {
  const TComponentState state = GetComponentState();
  const bool designing = state.Contains(csDesigning);
  const bool show =
      (GetVisible() || (designing && !GetControlStyle().Contains(csNoDesignVisible))) &&
      !state.Contains(csLoading) && !GetControlState().Contains(csReadingState);
  TControlRef<TWinControl> self(this);
  if (show) {
    if (!FHandle) CreateHandle();
    const std::vector<TControl*> children = FControls;
    for (TControl* child : children) {
      TControlRef<> alive(child);
      if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->UpdateShowing();
      if (!self) return;
    }
  }
  if (FHandle && FShowing != show) {
    FShowing = show;
    try {
      Perform(CM_SHOWINGCHANGED);
    } catch (...) {
      if (self) FShowing = !show;
      throw;
    }
  }
}

void TWinControl::CMShowingChanged(TMessage&) {
  const UINT show = FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | show);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!GetVisible() && FParent) RemoveFocus(false);
  if (!GetComponentState().Contains(csDesigning) || GetControlStyle().Contains(csNoDesignVisible))
    UpdateControlState();
}

void TWinControl::WMDestroy(TMessage& message) {
  DefaultHandler(message);
}

void TWinControl::WMNCDestroy(TMessage& message) {
  const HWND window = FHandle;
  DefaultHandler(message);
  if (window) RemoveProp(window, ControlProperty);
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) {
    TControl::DefaultHandler(message);
    return;
  }
  if (message.Msg == WM_SETTEXT) {
    const char* text = reinterpret_cast<const char*>(message.LParam);
    FText = text ? text : "";
  }
  message.Result = CallWindowProc(FDefWndProc ? FDefWndProc : &DefWindowProc, FHandle, message.Msg,
                                  message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS: {
      TCustomForm* form = GetParentForm();
      if (form && !form->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (GetControlState().Contains(csFocusing)) return;
      break;
    default:
      if (RoutesToGraphicControls(message.Msg) && !GetComponentState().Contains(csDesigning)) {
        TControl* target = nullptr;
        if (FHandle && GetCapture() == FHandle) {
          TControl* capture = GetCaptureControl();
          if (capture && capture->FParent == this) target = capture;
        } else {
          target = ControlAtPos(PointFromLParam(message.LParam), false);
        }
        if (target) {
          const TPoint p = PointFromLParam(message.LParam);
          message.Result =
              target->Perform(message.Msg, message.WParam,
                              PointToLParam({p.X - target->FLeft, p.Y - target->FTop}));
          return;
        }
      }
      break;
  }
  TControl::WndProc(message);
}

// Children.

TControl* TWinControl::GetControl(int index) const {
  if (index < 0 || index >= GetControlCount()) RaiseListIndexError(index);
  return FControls[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->FParent == this) return;
  control->FParent = this;
  FControls.push_back(control);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed) FTabList.push_back(windowed);
  if (!control->GetComponentState().Contains(csReading)) {
    TControlRef<> alive(control);
    control->ApplyParentLook();
    if (!alive) return;
    if (windowed)
      windowed->UpdateControlState();
    else
      control->Invalidate();
    if (alive && control->GetAlign() != alNone) AlignControl(control);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  const bool destroying = GetComponentState().Contains(csDestroying);
  if (!destroying) Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->RemoveFocus(true);
    windowed->DestroyHandle();
  } else {
    control->InvalidateControl(control->GetVisible(), false);
  }
  std::erase(FControls, control);
  std::erase(FTabList, control);
  control->FParent = nullptr;
  if (!destroying && control->GetAlign() != alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  while (control && control != this)
    control = control->GetParent();
  return control == this;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
  const bool designing = GetComponentState().Contains(csDesigning);
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (!allowWinControls && dynamic_cast<TWinControl*>(control)) continue;
    const bool visible = control->GetVisible() ||
                         (designing && !control->GetControlStyle().Contains(csNoDesignVisible));
    if (!visible || (!control->GetEnabled() && !allowDisabled)) continue;
    if (!control->GetBoundsRect().Contains(pos)) continue;
    const TPoint local{pos.X - control->FLeft, pos.Y - control->FTop};
    if (control->Perform(CM_HITTEST, 0, PointToLParam(local)) != 0) return control;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  const std::vector<TControl*> controls = FControls;
  for (TControl* control : controls) {
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end()) continue;
    const TWndMethod proc = control->GetWindowProc();
    proc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg) {
  TMessage message = MakeMessage(msg);
  const std::vector<TControl*> controls = FControls;
  for (TControl* control : controls)
    if (std::find(FControls.begin(), FControls.end(), control) != FControls.end())
      control->Perform(message.Msg, message.WParam, message.LParam);
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* control : FControls)
    if (control->GetOwner() == root) proc(control);
}

void TWinControl::SetZOrder(bool topMost) {
  TControl::SetZOrder(topMost);
  if (FHandle)
    SetWindowPos(FHandle, topMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Placement.

TRect TWinControl::GetClientRect() const {
  if (FHandle) {
    TRect rect;
    ::GetClientRect(FHandle, &rect);
    return rect;
  }
  // Without a window the frame comes from the styles the window would have.
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  TRect frame;
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  int width = FWidth - frame.Width();
  int height = FHeight - frame.Height();
  if (params.Style & WS_VSCROLL) width -= GetSystemMetrics(SM_CXVSCROLL);
  if (params.Style & WS_HSCROLL) height -= GetSystemMetrics(SM_CYHSCROLL);
  return {0, 0, std::max(width, 0), std::max(height, 0)};
}

TPoint TWinControl::GetClientOrigin() const {
  if (FHandle) {
    TPoint origin;
    ::ClientToScreen(FHandle, &origin);
    return origin;
  }
  TCreateParams params;
  const_cast<TWinControl*>(this)->CreateParams(params);
  TRect frame;
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  TPoint origin{FLeft - frame.Left, FTop - frame.Top};
  if (FParent) {
    const TPoint parentOrigin = FParent->GetClientOrigin();
    origin = {origin.X + parentOrigin.X, origin.Y + parentOrigin.Y};
  }
  return origin;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  TControlRef<TWinControl> self(this);
  if (FHandle && !IsIconic(FHandle)) {
    // The window's WM_WINDOWPOSCHANGED and WM_SIZE bring the new bounds back.
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (resized) {
      Realign();
      if (self && !GetComponentState().Contains(csLoading)) Resize();
    }
  }
  if (self) RequestAlign();
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  TRect rect;
  GetWindowRect(FHandle, &rect);
  if (GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD) {
    const HWND parent = ::GetParent(FHandle);
    TPoint corner = rect.TopLeft();
    if (parent) ::ScreenToClient(parent, &corner);
    rect = Bounds(corner.X, corner.Y, rect.Width(), rect.Height());
  }
  FLeft = rect.Left;
  FTop = rect.Top;
  FWidth = rect.Width();
  FHeight = rect.Height();
}

void TWinControl::WMWindowPosChanged(TWMWindowPosChanged& message) {
  // Contexts made for drawing outside painting hold the old layout.
  TControlCanvas::FreeDeviceContexts();
  UpdateBounds();
  DefaultHandler(message);
}

void TWinControl::WMMove(TWMMove& message) {
  DefaultHandler(message);
  UpdateBounds();
}

void TWinControl::WMSize(TWMSize& message) {
  UpdateBounds();
  TControlRef<TWinControl> self(this);
  DefaultHandler(message);
  if (!self) return;
  Realign();
  if (self && !GetComponentState().Contains(csLoading)) Resize();
}

void TWinControl::Resize() {
  TControl::Resize();
}

void TWinControl::WMNCHitTest(TWMNCHitTest& message) {
  if (GetComponentState().Contains(csDesigning) && FParent)
    message.Result = HTCLIENT;
  else
    DefaultHandler(message);
}

void TWinControl::WMVScroll(TWMScroll& message) {
  DefaultHandler(message);
}

void TWinControl::WMHScroll(TWMScroll& message) {
  DefaultHandler(message);
}

void TWinControl::WMSetCursor(TWMSetCursor& message) {
  if (message.CursorWnd() == FHandle && message.HitTest() == HTCLIENT) {
    const bool designing = GetComponentState().Contains(csDesigning);
    TCursor cursor = Screen->GetCursor();
    if (cursor == crDefault) {
      TPoint point;
      GetCursorPos(&point);
      if (!designing)
        if (TControl* control = ControlAtPos(ScreenToClient(point), false))
          cursor = control->GetCursor();
      if (cursor == crDefault && !designing) cursor = GetCursor();
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->GetCursors(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

// Look.

void TWinControl::CMEnabledChanged(TMessage& message) {
  if (!GetEnabled() && FParent) RemoveFocus(false);
  if (FHandle && !GetComponentState().Contains(csDesigning))
    EnableWindow(FHandle, GetEnabled() ? TRUE : FALSE);
  TControl::CMEnabledChanged(message);
}

void TWinControl::CMColorChanged(TMessage& message) {
  FBrush->SetColor(GetColor());
  TControl::CMColorChanged(message);
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& message) {
  TControl::CMFontChanged(message);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  if (GetControlStyle().Contains(csFramed) && FHandle) RecreateWnd();
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) {
  NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

// Painting.

void TWinControl::Invalidate() {
  if (FHandle)
    InvalidateRect(FHandle, nullptr, GetControlStyle().Contains(csOpaque) ? FALSE : TRUE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& message) {
  const TRect client = GetClientRect();
  FillRect(message.DC(), &client, FBrush->GetHandle());
  message.Result = 1;
}

void TWinControl::WMPaint(TWMPaint& message) {
  if (HDC given = message.DC()) {
    PaintWindow(given);
    PaintControls(given, nullptr);
    return;
  }
  const HWND window = FHandle;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (!dc) return;
  TControlRef<TWinControl> self(this);
  try {
    PaintWindow(dc);
    if (self) PaintControls(dc, nullptr);
  } catch (...) {
    EndPaint(window, &paint);
    throw;
  }
  EndPaint(window, &paint);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
  const std::vector<TControl*> controls = FControls;
  auto start = first ? std::find(controls.begin(), controls.end(), first) : controls.begin();
  const bool designing = GetComponentState().Contains(csDesigning);
  for (auto it = start; it < controls.end(); ++it) {
    TControl* control = *it;
    if (dynamic_cast<TWinControl*>(control)) continue;
    if (std::find(FControls.begin(), FControls.end(), control) == FControls.end()) continue;
    const bool visible = control->GetVisible() ||
                         (designing && !control->GetControlStyle().Contains(csNoDesignVisible));
    const TRect bounds = control->GetBoundsRect();
    if (!visible || bounds.IsEmpty() || !RectVisible(dc, &bounds)) continue;
    const int saved = SaveDC(dc);
    TPoint viewport;
    GetViewportOrgEx(dc, &viewport);
    SetViewportOrgEx(dc, viewport.X + bounds.Left, viewport.Y + bounds.Top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.Width(), bounds.Height());
    try {
      control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    } catch (...) {
      RestoreDC(dc, saved);
      throw;
    }
    RestoreDC(dc, saved);
  }
}
