#include "vxedit/PopupMouseHook.h"

#include "controls/ControlRef.h"
#include "vxedit/CustomVxEdit.h"
#include "winsys/WinUser.h"

namespace {
struct TDropState {
  TWinControl* DroppedPopup = nullptr;
  TCustomVxEdit* DroppedEdit = nullptr;
  HHOOK PopupHookHandle = nullptr;
};

TDropState& DropState() {
  static TDropState state;
  return state;
}

bool IsButtonMessage(WPARAM message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_NCLBUTTONDOWN ||
         message == WM_NCLBUTTONUP;
}
}  // namespace

TWinControl* GetDroppedPopup() {
  return DropState().DroppedPopup;
}

TCustomVxEdit* GetDroppedEdit() {
  return DropState().DroppedEdit;
}

HHOOK GetPopupHookHandle() {
  return DropState().PopupHookHandle;
}

LRESULT PopupMouseHook(int code, WPARAM wParam, LPARAM lParam) {
  TDropState& state = DropState();
  const HHOOK hook = state.PopupHookHandle;
  const auto* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  if (code < 0 || !info || !state.DroppedEdit || !state.DroppedPopup ||
      !state.DroppedPopup->HandleAllocated())
    return CallNextHookEx(hook, code, wParam, lParam);

  TRect popupRect;
  GetWindowRect(state.DroppedPopup->GetHandle(), &popupRect);
  const TRect editRect = state.DroppedEdit->HookArea();
  const bool outside = !popupRect.Contains(info->pt) && !editRect.Contains(info->pt);

  if (IsButtonMessage(wParam) && outside) {
    state.DroppedEdit->CloseDropped(false);
  } else if (wParam == WM_MOUSEMOVE) {
    TPoint point = info->pt;
    const HWND popup = state.DroppedPopup->GetHandle();
    ScreenToClient(popup, &point);
    SendMessage(popup, WM_MOUSEMOVE, 0,
                MAKELPARAM(static_cast<WORD>(point.X), static_cast<WORD>(point.Y)));
    // Moves outside are not shown to other hooks, but still reach their window.
    if (outside) return 0;
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

namespace Detail {
void InstallPopupHook(TWinControl* popup, TCustomVxEdit* edit) {
  TDropState& state = DropState();
  state.DroppedPopup = popup;
  state.DroppedEdit = edit;
  state.PopupHookHandle =
      SetWindowsHookEx(WH_MOUSE, &PopupMouseHook, nullptr, GetCurrentThreadId());
}

void RemovePopupHook(TCustomVxEdit* edit) {
  TDropState& state = DropState();
  if (state.DroppedEdit != edit) return;
  if (state.PopupHookHandle) UnhookWindowsHookEx(state.PopupHookHandle);
  state = TDropState();
}
}  // namespace Detail
