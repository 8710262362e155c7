// The composite edit's text, focus and keyboard, and the hook on its inner edit's window.
#include "controls/ControlRef.h"
#include "controls/ObjectInstance.h"
#include "vxedit/CustomVxEdit.h"
#include "vxedit/EditButton.h"
#include "vxedit/EditSource.h"
#include "winsys/WinUser.h"

// Text, selection and modified state.

TCaption TCustomVxEdit::GetText() const {
  if (!FEdit) return FPendingText;
  const auto length = FEdit->Perform(WM_GETTEXTLENGTH);
  if (length <= 0) return TCaption();
  std::string buffer(static_cast<size_t>(length) + 1, '\0');
  const auto copied = FEdit->Perform(WM_GETTEXT, static_cast<WPARAM>(length) + 1,
                                     reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return TCaption(std::move(buffer));
}

void TCustomVxEdit::SetText(const TCaption& value) {
  if (!FEdit) {
    FPendingText = value;
    return;
  }
  TControlRef<TControl> edit(FEdit);
  FEdit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
  if (edit) edit->Perform(CM_TEXTCHANGED);
}

void TCustomVxEdit::SelectAll() {
  if (IsEditAvailable()) FEdit->Perform(EM_SETSEL, 0, -1);
}

void TCustomVxEdit::Deselect() {
  if (IsEditAvailable()) FEdit->Perform(EM_SETSEL, static_cast<WPARAM>(-1), -1);
}

bool TCustomVxEdit::GetModified() const {
  if (IsEditAvailable()) return FEdit->Perform(EM_GETMODIFY) != 0;
  return FModified;
}

void TCustomVxEdit::SetModified(bool value) {
  if (IsEditAvailable())
    FEdit->Perform(EM_SETMODIFY, value ? 1 : 0);
  else
    FModified = value;
}

void TCustomVxEdit::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  if (IsEditAvailable() && WindowedEdit()) FEdit->Perform(EM_SETREADONLY, value ? 1 : 0);
}

bool TCustomVxEdit::IsEditAvailable() const {
  if (!FEdit) return false;
  auto* windowed = dynamic_cast<TWinControl*>(FEdit);
  return !windowed || windowed->HandleAllocated();
}

TWinControl* TCustomVxEdit::WindowedEdit() const {
  return dynamic_cast<TWinControl*>(FEdit);
}

// Focus and keyboard.

void TCustomVxEdit::SetFocus() {
  if (!GetVisible() || !GetEnabled()) return;
  TWinControl* edit = WindowedEdit();
  if (IsEditAvailable() && edit)
    ::SetFocus(edit->GetHandle());
  else
    TCustomControl::SetFocus();
}

bool TCustomVxEdit::Focused() const {
  if (TCustomControl::Focused()) return true;
  TWinControl* edit = WindowedEdit();
  return IsEditAvailable() && edit && edit->Focused();
}

void TCustomVxEdit::Click() {
  if (IsEditAvailable()) FEdit->Click();
}

void TCustomVxEdit::WndProc(TMessage& message) {
  if (FDroppedDown && FPopupWindow &&
      (message.Msg == WM_KEYDOWN || message.Msg == WM_KEYUP || message.Msg == WM_CHAR)) {
    message.Result = FPopupWindow->Perform(message.Msg, message.WParam, message.LParam);
    return;
  }
  TControlRef<TCustomVxEdit> self(this);
  TCustomControl::WndProc(message);
  if (self && message.Msg == WM_SETFOCUS && IsEditAvailable())
    if (TWinControl* edit = WindowedEdit()) ::SetFocus(edit->GetHandle());
}

void TCustomVxEdit::KeyDown(WORD& key, TShiftState shift) {
  if (shift.Contains(ssAlt)) {
    if (key == VK_UP && FDroppedDown)
      CloseDropped(true);
    else if (key == VK_DOWN && !FDroppedDown && FButton1 && FButton1->GetVisible())
      Drop();
    return;
  }
  if (key == VK_RETURN && !FDroppedDown) {
    key = 0;
    return;
  }
  TCustomControl::KeyDown(key, shift);
}

void TCustomVxEdit::CMWantSpecialKey(TCMWantSpecialKey& message) {
  inherited::CMWantSpecialKey(message);
  if (message.CharCode() == VK_UP || message.CharCode() == VK_DOWN) message.Result = 1;
}

void TCustomVxEdit::CMExit(TMessage& message) {
  if (FEditSource) FEditSource->SetSourceText(GetText());
  inherited::CMExit(message);
}

void TCustomVxEdit::WMKillFocus(TWMKillFocus& message) {
  TControlRef<TCustomVxEdit> self(this);
  CloseDropped(false);
  if (self && FEditSource) FEditSource->SetSourceText(GetText());
  if (self) inherited::WMKillFocus(message);
}

// The inner edit's window procedure.

void TCustomVxEdit::HookEditWndProc() {
  TWinControl* edit = WindowedEdit();
  if (!edit || FEditProc || !HandleAllocated()) return;
  const HWND window = edit->GetHandle();
  FSavedEditProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(window, GWLP_WNDPROC));
  FEditProc = MakeObjectInstance(MakeMethod<&TCustomVxEdit::EditWndProc>(this));
  SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FEditProc));
  FHookedWindow = window;
}

void TCustomVxEdit::UnHookEditWndProc() {
  if (!FEditProc) return;
  // A window made again since the hook kept its own procedure; only the hooked one is restored.
  if (IsWindow(FHookedWindow) &&
      reinterpret_cast<WNDPROC>(GetWindowLongPtr(FHookedWindow, GWLP_WNDPROC)) == FEditProc)
    SetWindowLongPtr(FHookedWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FSavedEditProc));
  FreeObjectInstance(FEditProc);
  FEditProc = nullptr;
  FHookedWindow = nullptr;
}

void TCustomVxEdit::EditWndProc(TMessage& message) {
  bool dropped = false;
  if (!GetComponentState().Contains(csDesigning)) {
    TControlRef<TCustomVxEdit> self(this);
    try {
      PreprocessEditMessage(message, dropped);
    } catch (...) {
      // A failure while the composite looks at the message drops the message.
      dropped = true;
    }
    if (!self) return;
  }
  if (dropped) return;
  if (message.Msg == CM_WANTSPECIALKEY) {
    message.Result = 1;
    return;
  }
  message.Result =
      CallWindowProc(FSavedEditProc, FHookedWindow, message.Msg, message.WParam, message.LParam);
}

void TCustomVxEdit::PreprocessEditMessage(TMessage& message, bool& dropped) {
  const DWORD position = GetMessagePos();
  const int x = static_cast<int16_t>(LOWORD(position));
  const int y = static_cast<int16_t>(HIWORD(position));
  TControlRef<TCustomVxEdit> self(this);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      MouseDown(mbLeft, KeysToShiftState(static_cast<UINT>(message.WParam)), x, y);
      message.Result = 0;
      if (self && !Focused()) {
        // The first click only focuses the control; the edit sees the clicks after it.
        if (CanFocus()) SetFocus();
        dropped = true;
      }
      break;
    case WM_LBUTTONDBLCLK: {
      TShiftState shift = KeysToShiftState(static_cast<UINT>(message.WParam));
      shift.Include(ssDouble);
      MouseDown(mbLeft, shift, x, y);
      message.Result = 0;
      dropped = true;
      break;
    }
    case WM_KILLFOCUS:
      // The focus leaving the control closes its popup, as it does from the composite's window.
      if (reinterpret_cast<HWND>(message.WParam) != FHandle) CloseDropped(false);
      if (self && FEditSource) FEditSource->SetSourceText(GetText());
      if (self) ApplyValue();
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      if (FDroppedDown && message.Msg == WM_SYSKEYDOWN && message.WParam == VK_UP) {
        // Alt+Up closes the popup from the inner edit too, rather than moving the list.
        WORD key = VK_UP;
        KeyDown(key, KeyDataToShiftState(message.LParam));
        dropped = true;
      } else if (FDroppedDown && FPopupWindow) {
        message.Result = FPopupWindow->Perform(message.Msg, message.WParam, message.LParam);
        dropped = true;
      } else if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN) {
        WORD key = static_cast<WORD>(message.WParam);
        KeyDown(key, KeyDataToShiftState(message.LParam));
        if (key == 0)
          dropped = true;
        else
          message.WParam = key;
      }
      break;
    default:
      break;
  }
  if (!self) dropped = true;
}
