#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Form.h"
#include "controls/Menus.h"
#include "controls/WinControl.h"
#include "core/Exception.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

// The keyboard side of TWinControl: focus, tab order, dialog navigation and key events.

namespace {
// The dialog-navigation mask (DLGC_*) that a control must claim to keep a key for itself;
// 0 for keys that never navigate.
UINT DialogKeyMask(uint32_t key) {
  switch (key) {
    case VK_TAB:
      return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
      return DLGC_WANTALLKEYS;
    default:
      return 0;
  }
}

// Drops the character that TranslateMessage queued for a key that navigation consumed, so that
// a Tab or an Enter that moved the focus or pressed a button types nothing.
void DropTranslatedCharacter(HWND window, UINT keyMessage) {
  if (!window) return;
  const UINT charMessage = keyMessage == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  MSG pending;
  PeekMessage(&pending, window, charMessage, charMessage, PM_REMOVE);
}
}  // namespace

// Focus.

bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm();
  if (!form) return false;
  for (const TControl* control = this; control != form; control = control->GetParent())
    if (!control->GetVisible() || !control->GetEnabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm()) {
    form->FocusControl(this);
  } else if (FParentWindow) {
    ::SetFocus(GetHandle());
  } else {
    throw EInvalidOperation(Format("Control '%s' has no parent window", std::string(GetName())));
  }
}

void TWinControl::RemoveFocus(bool removing) {
  if (TCustomForm* form = GetParentForm()) form->DefocusControl(this, removing);
}

void TWinControl::WMSetFocus(TWMSetFocus& message) {
  DefaultHandler(message);
}

void TWinControl::WMKillFocus(TWMKillFocus& message) {
  DefaultHandler(message);
}

void TWinControl::CMEnter(TMessage&) {
  DoEnter();
}

void TWinControl::CMExit(TMessage&) {
  DoExit();
}

void TWinControl::DoEnter() {
  if (FOnEnter) FOnEnter(this);
}

void TWinControl::DoExit() {
  if (FOnExit) FOnExit(this);
}

void TWinControl::CMFocusChanged(TCMFocusChanged& message) {
  Broadcast(message);
}

// Tab order.

void TWinControl::SetTabStop(bool value) {
  if (value == FTabStop) return;
  FTabStop = value;
  if (FHandle) {
    const LONG_PTR style = GetWindowLongPtr(FHandle, GWL_STYLE);
    SetWindowLongPtr(FHandle, GWL_STYLE,
                     value ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
  }
  Perform(CM_TABSTOPCHANGED);
}

int TWinControl::GetTabOrder() const {
  if (!FParent) return -1;
  const auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
  if (GetComponentState().Contains(csReading)) {
    // The siblings are not all read yet; the parent sorts its list once they are.
    FTabOrder = value;
    return;
  }
  const int current = GetTabOrder();
  if (current < 0) return;
  auto& list = FParent->FTabList;
  const int count = static_cast<int>(list.size());
  value = std::clamp(value, 0, count - 1);
  if (value == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + value, this);
}

void TWinControl::FixupTabList() {
  std::stable_sort(FTabList.begin(), FTabList.end(), [](TWinControl* a, TWinControl* b) {
    const int orderA = a->FTabOrder >= 0 ? a->FTabOrder : INT32_MAX;
    const int orderB = b->FTabOrder >= 0 ? b->FTabOrder : INT32_MAX;
    return orderA < orderB;
  });
  for (TWinControl* control : FTabList)
    control->FTabOrder = -1;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : FTabList) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), current);
  int start =
      found == list.end() ? (forward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    i = forward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[static_cast<size_t>(i)];
    if (candidate->CanFocus() && (!checkTabStop || candidate->FTabStop) &&
        (!checkParent || candidate->FParent == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, !checkTabStop))
    next->SetFocus();
}

// Keys.

bool TWinControl::IsDialogKey(TWMKey& message) {
  if (GetComponentState().Contains(csDesigning)) return false;
  const HWND window = FHandle;
  const uint32_t key = message.CharCode();
  TControlRef<TWinControl> self(this);
  if (Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0) {
    DropTranslatedCharacter(window, message.Msg);
    return true;
  }
  if (!self) return true;
  const UINT mask = DialogKeyMask(key);
  if (mask == 0) return false;
  // Asked through the window, so that a procedure subclassing it can claim keys too.
  auto ask = [&](UINT msg, WPARAM wParam, LPARAM lParam) {
    return window ? SendMessage(window, msg, wParam, lParam) : Perform(msg, wParam, lParam);
  };
  if (ask(CM_WANTSPECIALKEY, key, message.KeyData()) != 0) return false;
  if (!self) return true;
  if (static_cast<UINT>(ask(WM_GETDLGCODE, 0, 0)) & mask) return false;
  if (!self) return true;
  TCustomForm* form = GetParentForm();
  if (!form || form->Perform(CM_DIALOGKEY, key, message.KeyData()) == 0) return false;
  DropTranslatedCharacter(window, message.Msg);
  return true;
}

bool TWinControl::DoKeyDown(TWMKey& message) {
  TControlRef<TWinControl> self(this);
  TCustomForm* form = GetParentForm();
  if (form && form != this && form->GetKeyPreview()) {
    if (static_cast<TWinControl*>(form)->DoKeyDown(message) || !self) return true;
  }
  if (GetControlStyle().Contains(csNoStdEvents)) return false;
  WORD key = static_cast<WORD>(message.CharCode());
  KeyDown(key, KeyDataToShiftState(message.KeyData()));
  message.SetCharCode(key);
  return key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& message) {
  TControlRef<TWinControl> self(this);
  TCustomForm* form = GetParentForm();
  if (form && form != this && form->GetKeyPreview()) {
    if (static_cast<TWinControl*>(form)->DoKeyUp(message) || !self) return true;
  }
  if (GetControlStyle().Contains(csNoStdEvents)) return false;
  WORD key = static_cast<WORD>(message.CharCode());
  KeyUp(key, KeyDataToShiftState(message.KeyData()));
  message.SetCharCode(key);
  return key == 0;
}

bool TWinControl::DoKeyPress(TWMKey& message) {
  TControlRef<TWinControl> self(this);
  TCustomForm* form = GetParentForm();
  if (form && form != this && form->GetKeyPreview()) {
    if (static_cast<TWinControl*>(form)->DoKeyPress(message) || !self) return true;
  }
  if (GetControlStyle().Contains(csNoStdEvents)) return false;
  char32_t key = message.CharCode();
  KeyPress(key);
  message.SetCharCode(key);
  return key == 0;
}

bool TWinControl::IsMenuKey(TWMKey& message) {
  if (GetComponentState().Contains(csDesigning)) return false;
  const WORD key = static_cast<WORD>(message.CharCode());
  const TShiftState shift = KeyDataToShiftState(message.KeyData());
  const HWND window = FHandle;
  const UINT msg = message.Msg;
  bool ran = false;
  // The popup menus of the control and its parents first, then the form's menu.
  for (TControl* control = this; control && !ran; control = control->GetParent())
    if (TPopupMenu* popup = control->GetPopupMenu()) ran = popup->IsShortCut(key, shift);
  if (!ran) {
    TCustomForm* form = GetParentForm();
    ran = form && form->IsShortCut(key, shift);
  }
  if (ran) DropTranslatedCharacter(window, msg);
  return ran;
}

void TWinControl::WMKeyDown(TWMKey& message) {
  TControlRef<TWinControl> self(this);
  if (IsMenuKey(message) || !self) return;
  if (IsDialogKey(message) || !self) return;
  if (DoKeyDown(message) || !self) return;
  // Alt+F4 closes the form whichever of its controls has the focus.
  if (message.Msg == WM_SYSKEYDOWN && message.CharCode() == VK_F4 && FParent) {
    if (TCustomForm* form = GetParentForm(); form && form->HandleAllocated()) {
      PostMessage(form->GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMKeyUp(TWMKey& message) {
  TControlRef<TWinControl> self(this);
  if (DoKeyUp(message) || !self) return;
  DefaultHandler(message);
}

bool TWinControl::PassCharToForm(TWMChar& message, bool systemChar) {
  if (GetComponentState().Contains(csDesigning)) return false;
  TControlRef<TWinControl> self(this);
  if (!systemChar) {
    const UINT code = static_cast<UINT>(FHandle ? SendMessage(FHandle, WM_GETDLGCODE, 0, 0)
                                                : Perform(WM_GETDLGCODE));
    if (!self || (code & DLGC_WANTCHARS)) return !self;
  }
  TCustomForm* form = GetParentForm();
  return form && form->Perform(CM_DIALOGCHAR, message.CharCode(), message.KeyData()) != 0;
}

void TWinControl::WMChar(TWMChar& message) {
  TControlRef<TWinControl> self(this);
  if (PassCharToForm(message, false) || !self) return;
  if (DoKeyPress(message) || !self) return;
  DefaultHandler(message);
}

void TWinControl::WMSysChar(TWMChar& message) {
  TControlRef<TWinControl> self(this);
  if (PassCharToForm(message, true) || !self) return;
  DefaultHandler(message);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (FOnKeyDown) FOnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
  if (FOnKeyPress) FOnKeyPress(this, key);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (FOnKeyUp) FOnKeyUp(this, key, shift);
}

void TWinControl::CMDialogKey(TCMDialogKey& message) {
  Broadcast(message);
}

void TWinControl::CMDialogChar(TCMDialogChar& message) {
  Broadcast(message);
}

void TWinControl::CMWantSpecialKey(TCMWantSpecialKey& message) {
  message.Result = 0;
}

void TWinControl::CMChildKey(TCMChildKey& message) {
  if (FParent) message.Result = FParent->Perform(message.Msg, message.WParam, message.LParam);
}

void TWinControl::CMDesignHitTest(TCMDesignHitTest& message) {
  TControl::CMDesignHitTest(message);
}
