#include "controls/Form.h"

#include "controls/Application.h"
#include "controls/Designer.h"
#include "controls/Menus.h"
#include "controls/Screen.h"
#include "controls/UniqueName.h"
#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "streaming/ResourceStream.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomForm) {
  MESSAGE_HANDLER(WM_CLOSE, WMClose);
  MESSAGE_HANDLER(WM_ACTIVATE, WMActivate);
  MESSAGE_HANDLER(WM_SYSCOMMAND, WMSysCommand);
  MESSAGE_HANDLER(CM_ACTIVATE, CMActivate);
  MESSAGE_HANDLER(CM_DEACTIVATE, CMDeactivate);
  MESSAGE_HANDLER(CM_DIALOGKEY, CMDialogKey);
  MESSAGE_HANDLER(CM_SHOWINGCHANGED, CMShowingChanged);
  MESSAGE_HANDLER(CM_RELEASE, CMRelease);
  MESSAGE_HANDLER(WM_NCCALCSIZE, WMNCCalcSize);
  MESSAGE_HANDLER(WM_NCPAINT, WMNCPaint);
  MESSAGE_HANDLER(WM_NCHITTEST, WMNCHitTest);
  MESSAGE_HANDLER(WM_NCLBUTTONDOWN, WMNCLButtonDown);
  MESSAGE_HANDLER(CM_DIALOGCHAR, CMDialogChar);
}

IMPLEMENT_CLASS(TForm) {
  PROPERTY(ActiveControl, GetActiveControl, SetActiveControl);
  PROPERTY(BorderIcons, GetBorderIcons, SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSizeable);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Color, GetColor, SetColor).Default(clBtnFace).Stored(&TControl::IsColorStored);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Default(true);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(KeyPreview, GetKeyPreview, SetKeyPreview).Default(false);
  PROPERTY(Menu, GetMenu, SetMenu);
  PROPERTY(PixelsPerInch, GetPixelsPerInch, SetPixelsPerInch);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(Position, GetPosition, SetPosition).Default(poDesigned);
  PROPERTY(Scaled, GetScaled, SetScaled).Default(true);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(Visible, GetVisible, SetVisible).Default(false);
  PROPERTY(WindowState, GetWindowState, SetWindowState).Default(wsNormal);
  PROPERTY(OnActivate, GetOnActivate, SetOnActivate);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnClose, GetOnClose, SetOnClose);
  PROPERTY(OnCloseQuery, GetOnCloseQuery, SetOnCloseQuery);
  PROPERTY(OnCreate, GetOnCreate, SetOnCreate);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDeactivate, GetOnDeactivate, SetOnDeactivate);
  PROPERTY(OnDestroy, GetOnDestroy, SetOnDestroy);
  PROPERTY(OnHide, GetOnHide, SetOnHide);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnPaint, GetOnPaint, SetOnPaint);
  PROPERTY(OnResize, GetOnResize, SetOnResize);
  PROPERTY(OnShow, GetOnShow, SetOnShow);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TForm::StaticClass()});
  return true;
}();

constexpr int MinimumPixelsPerInch = 36;
}  // namespace

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner),
      FPixelsPerInch(Screen->GetPixelsPerInch()),
      FCanvas(new TControlCanvas()) {
  FCanvas->SetControl(this);
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
  SetVisible(false);
  SetBounds(0, 0, 320, 240);
  SetColor(clBtnFace);
  SetParentFont(false);
  SetCtl3D(true);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  ReleaseMenu();
  // The window goes while the form is still whole; the controls on it go after.
  if (HandleAllocated()) DestroyHandle();
  Screen->RemoveForm(this);
  FCanvas->Free();
}

void TCustomForm::BeforeDestruction() {
  DoDestroy();
  TWinControl::BeforeDestruction();
}

void TCustomForm::AfterConstruction() {
  TControlState state = GetControlState();
  FFormState.Include(fsCreating);
  SetControlState(state.Include(csReadingState));
  TControlRef<TCustomForm> self(this);
  auto finish = [&] {
    if (!self) return;
    FFormState.Exclude(fsCreating);
    TControlState current = GetControlState();
    SetControlState(current.Exclude(csReadingState));
  };
  try {
    if (ClassType() != TForm::StaticClass() && ClassType() != TCustomForm::StaticClass())
      InitInheritedComponent(this, TForm::StaticClass());
    if (self) DoCreate();
  } catch (...) {
    finish();
    throw;
  }
  finish();
  if (self && GetVisible()) UpdateControlState();
}

// Showing and closing.

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::VisibleChanging() {
  if (FFormState.Contains(fsShowing))
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
}

int TCustomForm::ShowCommand() const {
  switch (FWindowState) {
    case wsMinimized:
      return SW_SHOWMINIMIZED;
    case wsMaximized:
      return SW_SHOWMAXIMIZED;
    default:
      return SW_SHOWNORMAL;
  }
}

void TCustomForm::CMShowingChanged(TMessage&) {
  TControlRef<TCustomForm> self(this);
  FFormState.Include(fsShowing);
  try {
    if (FShowing) {
      DoShow();
      if (self) ApplyPosition();
      if (self) ShowWindow(FHandle, ShowCommand());
    } else {
      ShowWindow(FHandle, SW_HIDE);
      if (self) DoHide();
    }
  } catch (...) {
    if (self) FFormState.Exclude(fsShowing);
    throw;
  }
  if (self) FFormState.Exclude(fsShowing);
}

void TCustomForm::ApplyPosition() {
  if (GetComponentState().Contains(csDesigning) || FWindowState != wsNormal) return;
  TRect area{0, 0, Screen->GetWidth(), Screen->GetHeight()};
  const TCustomForm* over = nullptr;
  switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
      break;
    case poMainFormCenter:
      over = Application->GetMainForm();
      break;
    case poOwnerFormCenter:
      over = dynamic_cast<const TCustomForm*>(GetOwner());
      break;
    default:
      return;
  }
  if (over && over != this && over->GetVisible()) area = over->GetBoundsRect();
  SetBounds(area.Left + (area.Width() - GetWidth()) / 2,
            area.Top + (area.Height() - GetHeight()) / 2, GetWidth(), GetHeight());
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (value == FWindowState) return;
  FWindowState = value;
  if (FHandle && FShowing) ShowWindow(FHandle, ShowCommand());
}

void TCustomForm::WMSysCommand(TWMSysCommand& message) {
  DefaultHandler(message);
  if (!FHandle) return;
  FWindowState = IsIconic(FHandle) ? wsMinimized : IsZoomed(FHandle) ? wsMaximized : wsNormal;
}

TModalResult TCustomForm::ShowModal() {
  if (GetVisible() || !GetEnabled() || FFormState.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  Application->CancelHint();
  const HWND previous = GetActiveWindow();
  // Every other form that takes input stops taking it while this one is up.
  std::vector<HWND> disabled;
  for (int i = 0; i < Screen->GetFormCount(); ++i) {
    TCustomForm* other = Screen->GetForm(i);
    if (other == this || !other->HandleAllocated()) continue;
    const HWND window = other->FHandle;
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled.push_back(window);
    }
  }
  auto restore = [&disabled] {
    for (HWND window : disabled)
      EnableWindow(window, TRUE);
  };
  TControlRef<TCustomForm> self(this);
  FFormState.Include(fsModal);
  FModalResult = mrNone;
  TModalResult result = mrCancel;
  try {
    Show();
    while (self && FModalResult == mrNone) {
      Application->HandleMessage();
      if (!self) break;
      if (Application->GetTerminated()) {
        FModalResult = mrCancel;
      } else if (FModalResult != mrNone) {
        CloseModal();
      } else if (Application->InputExhausted()) {
        // Nothing is queued and no input can come: nobody could ever answer.
        FModalResult = mrCancel;
      }
    }
    if (self) result = FModalResult;
  } catch (...) {
    restore();
    if (self) {
      FFormState.Exclude(fsModal);
      Hide();
    }
    throw;
  }
  restore();
  if (self) {
    Hide();
    FFormState.Exclude(fsModal);
  }
  if (previous && IsWindow(previous)) SetActiveWindow(previous);
  return result;
}

void TCustomForm::CloseModal() {
  TControlRef<TCustomForm> self(this);
  TCloseAction action = caNone;
  if (CloseQuery() && self) {
    action = caHide;
    DoClose(action);
  }
  if (!self) return;
  if (action == caNone)
    FModalResult = mrNone;
  else if (action == caFree)
    Release();
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  TControlRef<TCustomForm> self(this);
  if (!CloseQuery() || !self) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (!self || action == caNone) return;
  if (Application->GetMainForm() == this)
    Application->Terminate();
  else if (action == caHide)
    Hide();
  else if (action == caMinimize)
    SetWindowState(wsMinimized);
  else
    Release();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (FOnCloseQuery) FOnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Release() {
  PostMessage(GetHandle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&) {
  Free();
}

void TCustomForm::WMClose(TMessage&) {
  Close();
}

// Events.

void TCustomForm::Activate() {
  if (FOnActivate) FOnActivate(this);
}

void TCustomForm::Deactivate() {
  if (FOnDeactivate) FOnDeactivate(this);
}

void TCustomForm::DoShow() {
  if (FOnShow) FOnShow(this);
}

void TCustomForm::DoHide() {
  if (FOnHide) FOnHide(this);
}

void TCustomForm::DoCreate() {
  if (FOnCreate) FOnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (FOnDestroy) FOnDestroy(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (FOnClose) FOnClose(this, action);
}

void TCustomForm::CMActivate(TMessage&) {
  Activate();
}

void TCustomForm::CMDeactivate(TMessage&) {
  Deactivate();
}

// Activation and focus.

void TCustomForm::WMActivate(TWMActivate& message) {
  TControlRef<TCustomForm> self(this);
  FActive = message.Active() != WA_INACTIVE;
  if (!FActive) {
    Perform(CM_DEACTIVATE);
    return;
  }
  Screen->FormActivated(this);
  if (!FActiveControl && !GetComponentState().Contains(csDesigning))
    FActiveControl = FindNextControl(nullptr, true, true, false);
  FocusActiveControl();
  if (self) Perform(CM_ACTIVATE);
}

void TCustomForm::FocusActiveControl() {
  if (!FActive || !FHandle) return;
  TWinControl* control = FActiveControl.Get();
  const HWND target = control && control->CanFocus() ? control->GetHandle() : FHandle;
  if (target && GetFocus() != target) ::SetFocus(target);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == FActiveControl.Get()) return;
  const bool loading = GetComponentState().Contains(csLoading);
  if (control &&
      (control == this || control->GetParentForm() != this || (!loading && !control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  FActiveControl = control;
  if (!loading && FActive) FocusActiveControl();
}

void TCustomForm::FocusControl(TWinControl* control) {
  const bool wasActive = FActive;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (!GetVisible() || !GetEnabled())
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  if (!FActive)
    SetActiveWindow(GetHandle());
  else
    FocusActiveControl();
}

bool TCustomForm::SendFocusMessage(TWinControl* control, UINT msg) {
  const int count = FFocusCount;
  TControlRef<TCustomForm> self(this);
  if (!control->GetComponentState().Contains(csDestroying)) control->Perform(msg);
  return self && count == FFocusCount;
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control->GetControlState().Contains(csFocusing)) return false;
  ++FFocusCount;
  if (!FDesigner) FActiveControl = control != this ? control : nullptr;
  Screen->FormActivated(this);
  Screen->SetActiveControl(control);
  TControlRef<TWinControl> target(control);
  TControlRef<TCustomForm> self(this);
  control->SetControlState(control->GetControlState().Include(csFocusing));
  auto done = [&](bool result) {
    if (target) target->SetControlState(target->GetControlState().Exclude(csFocusing));
    return result;
  };
  TWinControl* focused = FFocusedControl ? FFocusedControl.Get() : this;
  while (focused && !focused->ContainsControl(control)) {
    TWinControl* leaving = focused;
    focused = focused->GetParent();
    FFocusedControl = focused;
    if (!SendFocusMessage(leaving, CM_EXIT) || !target) return done(false);
  }
  if (!focused) FFocusedControl = this;
  while (FFocusedControl.Get() != control) {
    TWinControl* step = control;
    while (step->GetParent() && step->GetParent() != FFocusedControl.Get())
      step = step->GetParent();
    FFocusedControl = step;
    if (!SendFocusMessage(step, CM_ENTER) || !target) return done(false);
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  if (!self) return done(false);
  return done(true);
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (removing && control->ContainsControl(FFocusedControl.Get()))
    FFocusedControl = control->GetParent();
  if (control->ContainsControl(FActiveControl.Get())) FActiveControl.Reset();
  // The focus leaves the control for the form before the control's window goes or hides. A
  // control being destroyed is no longer known by reference, so the window focus decides.
  const TWinControl* focus = FindControl(GetFocus());
  if (!focus || !control->ContainsControl(focus)) return;
  FActiveControl.Reset();
  if (FActive && FHandle && !GetComponentState().Contains(csDestroying)) ::SetFocus(FHandle);
}

void TCustomForm::CMDialogKey(TCMDialogKey& message) {
  const TShiftState shift = KeyDataToShiftState(message.KeyData());
  if (!shift.Contains(ssAlt) && !shift.Contains(ssCtrl)) {
    switch (message.CharCode()) {
      case VK_TAB:
        SelectNext(FActiveControl.Get(), !shift.Contains(ssShift), true);
        message.Result = 1;
        return;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (TWinControl* active = FActiveControl.Get()) {
          if (TWinControl* parent = active->GetParent())
            parent->SelectNext(
                active, message.CharCode() == VK_RIGHT || message.CharCode() == VK_DOWN, false);
          message.Result = 1;
        }
        return;
      default:
        break;
    }
  }
  TWinControl::CMDialogKey(message);
}

// Window.

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (GetParent()) return;  // a form placed on another control is a child window
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle &= ~DWORD{WS_EX_CLIENTEDGE};
  params.WndParent = GetParentWindow();
  const bool designing = GetComponentState().Contains(csDesigning);
  TBorderIcons icons = FBorderIcons;
  switch (FBorderStyle) {
    case bsNone:
      params.Style |= WS_POPUP;
      icons = {};
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      icons = icons * TBorderIcons{biSystemMenu, biHelp};
      break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) {
    params.ExStyle |= WS_EX_TOOLWINDOW;
    icons = icons * TBorderIcons{biSystemMenu};
  }
  if (icons.Contains(biSystemMenu)) {
    params.Style |= WS_SYSMENU;
    if (icons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (icons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
  }
  if (icons.Contains(biHelp) && FBorderStyle == bsDialog) params.ExStyle |= WS_EX_CONTEXTHELP;
  if (!GetEnabled() && !designing) params.Style |= WS_DISABLED;
  if (!designing) {
    if (FPosition == poDefault || FPosition == poDefaultPosOnly)
      params.X = params.Y = CW_USEDEFAULT;
    if (FPosition == poDefault || FPosition == poDefaultSizeOnly)
      params.Width = params.Height = CW_USEDEFAULT;
  }
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (value == FBorderIcons) return;
  FBorderIcons = value;
  RecreateWnd();
}

void TCustomForm::PaintWindow(HDC dc) {
  FCanvas->FreeHandle();
  FCanvas->SetHandle(dc);
  TControlRef<TCustomForm> self(this);
  try {
    if (FDesigner && GetComponentState().Contains(csDesigning)) FDesigner->PaintGrid();
    if (self) Paint();
  } catch (...) {
    if (self) FCanvas->SetHandle(nullptr);
    throw;
  }
  if (self) FCanvas->SetHandle(nullptr);
}

void TCustomForm::Paint() {
  if (FOnPaint) FOnPaint(this);
}

void TCustomForm::DestroyWnd() {
  FCanvas->FreeHandle();
  TWinControl::DestroyWnd();
}

// Streaming and scaling.

void TCustomForm::SetPixelsPerInch(int32_t value) {
  if (GetComponentState().Contains(csReading)) {
    FReadPixelsPerInch = value;
    return;
  }
  if (value == 0 || value >= MinimumPixelsPerInch) FPixelsPerInch = value;
}

void TCustomForm::Loaded() {
  const int readPixelsPerInch = FReadPixelsPerInch;
  FReadPixelsPerInch = 0;
  const int screenPixelsPerInch = Screen->GetPixelsPerInch();
  if (FScaled && readPixelsPerInch >= MinimumPixelsPerInch &&
      readPixelsPerInch != screenPixelsPerInch)
    ScaleBy(screenPixelsPerInch, readPixelsPerInch);
  FPixelsPerInch = screenPixelsPerInch;
  TWinControl::Loaded();
}

void TCustomForm::ChangeScale(int m, int d) {
  if (m == d) return;
  // The form keeps its place and its frame; its client area and what is on it scale.
  DisableAlign();
  try {
    for (int i = 0; i < GetControlCount(); ++i)
      GetControl(i)->ChangeScale(m, d);
    SetClientWidth(MulDiv(GetClientWidth(), m, d));
    SetClientHeight(MulDiv(GetClientHeight(), m, d));
    if (!GetParentFont()) GetFont()->SetHeight(MulDiv(GetFont()->GetHeight(), m, d));
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TCustomForm::SetName(const TComponentName& newName) {
  TWinControl::SetName(FFormState.Contains(fsCreating) ? UniqueNameInOwner(this, newName)
                                                       : newName);
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  if (root == this)
    for (int i = 0; i < GetComponentCount(); ++i)
      if (TComponent* component = GetComponent(i); !component->HasParent()) proc(component);
  TWinControl::GetChildren(proc, root);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FMenu) SetMenu(nullptr);
  if (FDesigner) FDesigner->Notification(component, operation);
}

void TCustomForm::ValidateRename(TComponent* component, const std::string& curName,
                                 const std::string& newName) {
  TWinControl::ValidateRename(component, curName, newName);
  if (FDesigner) FDesigner->ValidateRename(component, curName, newName);
}
