#include <algorithm>

#include "controls/Form.h"
#include "controls/MenuBar.h"
#include "controls/MenuTracker.h"
#include "controls/Menus.h"
#include "winsys/WinUser.h"

// The menu side of TCustomForm: the bar of its main menu in the non-client area below the
// caption, opened by the mouse and by Alt with a title's letter, and the menu's shortcuts.

void TCustomForm::SetMenu(TMainMenu* value) {
  if (value == FMenu) return;
  if (FMenu) {
    TMenuTracker::MenuFreeing(FMenu);
    FMenu->SetWindowForm(nullptr);
    FMenu->RemoveFreeNotification(this);
  }
  FMenu = value;
  if (value) {
    if (TCustomForm* other = value->GetWindowForm()) other->SetMenu(nullptr);
    value->SetWindowForm(this);
    value->FreeNotification(this);
  }
  MenuChanged();
}

void TCustomForm::ReleaseMenu() {
  if (!FMenu) return;
  TMenuTracker::MenuFreeing(FMenu);
  FMenu->SetWindowForm(nullptr);
  FMenu->RemoveFreeNotification(this);
  FMenu = nullptr;
}

bool TCustomForm::IsShortCut(WORD key, TShiftState shift) {
  return FMenu && FMenu->IsShortCut(key, shift);
}

void TCustomForm::MenuChanged() {
  if (!HandleAllocated()) return;
  if (MenuBar::Shows(this) != FMenuBarShown) {
    // The client area grows or shrinks by the bar.
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  if (FMenuBarShown) MenuBar::Paint(this);
}

void TCustomForm::WMNCCalcSize(TMessage& message) {
  DefaultHandler(message);
  FMenuBarShown = MenuBar::Shows(this);
  if (!FMenuBarShown) return;
  TRect* client = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                                 : reinterpret_cast<TRect*>(message.LParam);
  if (client) client->Top = std::min(client->Top + MenuBar::Height(), client->Bottom);
}

void TCustomForm::WMNCPaint(TMessage& message) {
  DefaultHandler(message);
  if (FMenuBarShown) MenuBar::Paint(this);
}

void TCustomForm::WMNCHitTest(TWMNCHitTest& message) {
  if (FMenuBarShown && MenuBar::ScreenRect(this).Contains(message.Pos())) {
    message.Result = HTMENU;
    return;
  }
  TWinControl::WMNCHitTest(message);
}

void TCustomForm::WMNCLButtonDown(TMessage& message) {
  if (message.WParam == HTMENU && FMenuBarShown) {
    const int index = MenuBar::ItemAt(this, PointFromLParam(message.LParam));
    if (index >= 0) TMenuTracker::TrackBar(this, FMenu, index, false);
    return;
  }
  DefaultHandler(message);
}

void TCustomForm::CMDialogChar(TCMDialogChar& message) {
  TWinControl::CMDialogChar(message);
  // Alt with a title's letter opens that title, when no control took the letter.
  const bool alt = (message.KeyData() & (LPARAM{1} << 29)) != 0;
  if (message.Result != 0 || !alt || !FMenuBarShown) return;
  const int index = MenuBar::AcceleratorIndex(this, message.CharCode());
  if (index < 0) return;
  message.Result = 1;
  TMenuTracker::TrackBar(this, FMenu, index, true);
}
