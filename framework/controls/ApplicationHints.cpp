#include <algorithm>

#include "controls/Application.h"
#include "controls/HintWindow.h"
#include "controls/Screen.h"
#include "controls/WinControl.h"
#include "winsys/WinUser.h"

// The mouse side of TApplication: which control the mouse is over (CM_MOUSEENTER,
// CM_MOUSELEAVE) and the hints.

namespace {
// How far below the cursor's hot spot a hint starts.
constexpr int CursorHeightMargin = 20;

bool IsButtonDown(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
      return true;
    default:
      return false;
  }
}

// The control whose hint shows over control: itself or the nearest parent with ShowHint.
TControl* HintControlOf(TControl* control) {
  while (control && !control->GetShowHint())
    control = control->GetParent();
  if (control && control->GetComponentState().Contains(csDesigning)) return nullptr;
  return control;
}

// The part of a hint before '|' (the rest is the long hint for status lines).
std::string ShortHint(const std::string& hint) {
  return hint.substr(0, hint.find('|'));
}
}  // namespace

void TApplication::NoteInputMessage(TControl* control, const TMessage& message) {
  if (message.Msg == WM_MOUSEMOVE) {
    TControlRef<> alive(control);
    MouseEntered(control);
    if (alive) HintMouseMove(control, control->ClientToScreen(PointFromLParam(message.LParam)));
  } else if (IsButtonDown(message.Msg) || message.Msg == WM_KEYDOWN ||
             message.Msg == WM_SYSKEYDOWN) {
    CancelHint();
  }
}

void TApplication::MouseEntered(TControl* control) {
  if (FMouseControl.Get() == control) return;
  TControl* previous = FMouseControl.Get();
  FMouseControl = control;
  TControlRef<> entered(control);
  if (previous) previous->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
  if (entered && FMouseControl.Get() == control)
    control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

void TApplication::DoMouseIdle() {
  TPoint cursor;
  GetCursorPos(&cursor);
  TControl* control = FindControlAtPos(cursor);
  MouseEntered(control);
  // A hint whose control the mouse left (to a window of no control) goes.
  if (FHintControl && HintControlOf(control) != FHintControl.Get()) {
    CancelHint();
    FHintControl.Reset();
  }
}

void TApplication::HintMouseMove(TControl* control, TPoint screen) {
  TControl* hintControl = HintControlOf(control);
  if (hintControl != FHintControl.Get()) {
    const bool wasShowing = FHintActive;
    CancelHint();
    FHintControl = hintControl;
    if (hintControl && FShowHint) StartHintTimer(wasShowing ? FHintShortPause : FHintPause, true);
  } else if (FHintActive && !FHintCursorRect.Contains(screen)) {
    CancelHint();
    if (hintControl && FShowHint) StartHintTimer(FHintPause, true);
  }
}

void TApplication::StartHintTimer(int milliseconds, bool showing) {
  StopHintTimer();
  FHintTimerShows = showing;
  FHintTimer = SetTimer(nullptr, 0, static_cast<UINT>(std::max(milliseconds, 1)), &HintTimerProc);
}

void TApplication::StopHintTimer() {
  if (FHintTimer) KillTimer(nullptr, FHintTimer);
  FHintTimer = 0;
}

void TApplication::HintTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  if (Application) Application->HintTimerExpired(id);
}

void TApplication::HintTimerExpired(UINT_PTR id) {
  if (id != FHintTimer) {
    KillTimer(nullptr, id);  // a timer of an application that is gone
    return;
  }
  const bool showing = FHintTimerShows;
  StopHintTimer();
  if (!showing) {
    CancelHint();
    return;
  }
  TPoint cursor;
  GetCursorPos(&cursor);
  // The hint shows only while the mouse still rests on its control.
  if (FHintControl && HintControlOf(FindControlAtPos(cursor)) == FHintControl.Get())
    ActivateHint(cursor);
}

THintWindow* TApplication::HintWindow() {
  if (!FHintWindow) FHintWindow = new THintWindow(this);
  return FHintWindow;
}

THintWindow* TApplication::GetActiveHintWindow() const {
  return FHintActive && FHintWindow && FHintWindow->IsHintShowing() ? FHintWindow : nullptr;
}

void TApplication::ActivateHint(TPoint cursorPos) {
  TControl* control = HintControlOf(FindControlAtPos(cursorPos));
  if (!control || !FShowHint) return;
  FHintControl = control;
  THintInfo info;
  info.HintControl = control;
  info.HintStr = ShortHint(control->GetHint());
  info.CursorPos = control->ScreenToClient(cursorPos);
  info.CursorRect = control->GetClientRect();
  info.HintPos = {cursorPos.X, cursorPos.Y + CursorHeightMargin};
  info.HintMaxWidth = Screen->GetWidth();
  info.HintColor = FHintColor;
  TControlRef<> alive(control);
  const LRESULT refused = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  if (!alive || refused != 0 || info.HintStr.empty()) return;
  THintWindow* window = HintWindow();
  window->SetColor(info.HintColor);
  TRect rect = window->CalcHintRect(info.HintMaxWidth, info.HintStr);
  rect = rect.Offset(info.HintPos.X, info.HintPos.Y);
  // Kept on the screen: moved left at the right edge, above the cursor at the bottom.
  if (rect.Right > Screen->GetWidth()) rect = rect.Offset(Screen->GetWidth() - rect.Right, 0);
  if (rect.Left < 0) rect = rect.Offset(-rect.Left, 0);
  if (rect.Bottom > Screen->GetHeight())
    rect = rect.Offset(0, cursorPos.Y - rect.Height() - rect.Top);
  window->ActivateHint(rect, info.HintStr);
  FHintActive = true;
  const TPoint corner = control->ClientToScreen(info.CursorRect.TopLeft());
  FHintCursorRect =
      info.CursorRect.Offset(corner.X - info.CursorRect.Left, corner.Y - info.CursorRect.Top);
  StartHintTimer(FHintHidePause, false);
}

void TApplication::CancelHint() {
  StopHintTimer();
  if (FHintActive && FHintWindow) FHintWindow->ReleaseHint();
  FHintActive = false;
}

void TApplication::SetShowHint(bool value) {
  if (value == FShowHint) return;
  FShowHint = value;
  if (!value) CancelHint();
}
