// The composite edit's popup: choosing it, dropping it down and closing it.
#include <algorithm>
#include <cstring>

#include "controls/ControlRef.h"
#include "controls/Form.h"
#include "controls/Screen.h"
#include "vxedit/CustomVxEdit.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/EditButton.h"
#include "vxedit/EditRegistry.h"
#include "vxedit/EditSource.h"
#include "vxedit/PopupMouseHook.h"
#include "winsys/WinUser.h"

void TCustomVxEdit::SetPopupClassName(const std::string& value) {
  if (value == FPopupWindowClass) return;
  FPopupWindowClass = value;
  if (GetComponentState().Contains(csReading)) return;
  FreePopup();
  TClass popupClass = FindPopupClassByName(value);
  if (!popupClass) popupClass = TDummyPopup::StaticClass();
  if (auto* owned = dynamic_cast<TWinControl*>(FindOwnedOfClass(popupClass->ClassName())))
    FPopupWindow = owned;
  else
    NewPopup(popupClass);
  Invalidate();
}

void TCustomVxEdit::SetPopup(TClass value) {
  if (FPopupWindow && value && FPopupWindow->ClassType() == value) return;
  FreePopup();
  if (value) NewPopup(value);
}

TClass TCustomVxEdit::GetPopup() const {
  return FPopupWindow ? FPopupWindow->ClassType() : nullptr;
}

void TCustomVxEdit::NewPopup(TClass popupClass) {
  auto* popup = popupClass->Create<TWinControl>(this);
  TControlStyle style = popup->GetControlStyle();
  style.Include(csNoDesignVisible);
  popup->SetControlStyle(style);
  // A popup shows only when dropped, whatever its class does at construction.
  popup->SetVisible(false);
  FPopupWindow = popup;
  if (!popupClass->InheritsFrom(TDummyPopup::StaticClass())) popup->SetParent(this);
}

void TCustomVxEdit::FreePopup() {
  EndDrop();
  if (!FPopupWindow) return;
  TWinControl* popup = FPopupWindow;
  FPopupWindow = nullptr;
  popup->Free();
}

void TCustomVxEdit::SetDropValue() {
  if (!FPopupWindow) return;
  const TCaption text = GetText();
  FPopupWindow->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomVxEdit::GetDropValue() {
  if (!FPopupWindow) return;
  constexpr size_t BufferSize = 256;
  char buffer[BufferSize] = {};
  const TCaption text = GetText();
  std::memcpy(buffer, text.data(), std::min(text.size(), BufferSize - 1));
  FPopupWindow->Perform(WM_GETTEXT, BufferSize, reinterpret_cast<LPARAM>(buffer));
  buffer[BufferSize - 1] = '\0';
  if (buffer[0] != '\0') SetText(TCaption(buffer));
}

void TCustomVxEdit::SetDroppedDown(bool value) {
  if (value == FDroppedDown) return;
  if (value)
    Drop();
  else
    CloseDropped(true);
}

void TCustomVxEdit::Drop() {
  if (!FPopupWindow || dynamic_cast<TDummyPopup*>(FPopupWindow) || !GetParent()) return;
  // Only one popup drops at a time: another composite's closes first, keeping its text.
  if (TCustomVxEdit* other = GetDroppedEdit(); other && other != this) other->CloseDropped(false);
  TControlRef<TCustomVxEdit> self(this);
  if (FOnDrop) FOnDrop(this);
  if (!self || !FPopupWindow) return;
  TWinControl* popup = FPopupWindow;
  popup->HandleNeeded();
  SetDropValue();
  if (!self) return;

  TWinControl* parent = GetParent();
  const TPoint origin = parent->ScreenToClient(GetClientOrigin());
  const int y = origin.Y + GetHeight();
  int x = origin.X - 2;
  int width = popup->GetWidth();
  if (width > GetWidth())
    x -= width - GetWidth();
  else if (width < GetWidth())
    width = GetWidth();
  if (x < 0) x = origin.X - 2;
  // The popup ends at the right edge of the parent's client area.
  const int room = parent->GetClientWidth() - x;
  if (width > room && room > 0) width = room;
  popup->SetWidth(width);
  const int height = popup->GetHeight();

  SetFocus();
  if (!self || FPopupWindow != popup) return;
  TPoint screen = parent->ClientToScreen({x, y});
  if (screen.Y + height > Screen->GetHeight()) screen.Y -= height + GetHeight();

  const HWND window = popup->GetHandle();
  ::SetParent(window, nullptr);
  SetWindowPos(window, HWND_TOP, screen.X, screen.Y, width, height,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  popup->SetVisible(true);
  Detail::InstallPopupHook(popup, this);
  FDroppedDown = true;
}

void TCustomVxEdit::CloseDropped(bool accept) {
  if (!FDroppedDown) return;
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  HidePopup();
  // The control counts as dropped until the value is taken, and is closed whatever happens.
  TControlRef<TCustomVxEdit> self(this);
  try {
    TCustomForm* form = GetParentForm();
    if (form && form->HandleAllocated() && GetFocus() == form->GetHandle()) SetFocus();
    if (self && accept) {
      GetDropValue();
      if (self && FEditSource) {
        const TCaption text = GetText();
        if (text != FEditSource->GetSourceText()) {
          FEditSource->SetSourceText(text);
          if (self && FEditSource) SetText(TCaption(FEditSource->GetSourceText()));
        }
      }
    }
  } catch (...) {
    if (self) FDroppedDown = false;
    throw;
  }
  if (self) FDroppedDown = false;
}

void TCustomVxEdit::EndDrop() {
  if (!FDroppedDown) return;
  FDroppedDown = false;
  HidePopup();
}

void TCustomVxEdit::HidePopup() {
  Detail::RemovePopupHook(this);
  if (!FPopupWindow || !FPopupWindow->HandleAllocated()) return;
  const HWND window = FPopupWindow->GetHandle();
  TWinControl* parent = FPopupWindow->GetParent();
  ::SetParent(window, parent && parent->HandleAllocated() ? parent->GetHandle() : nullptr);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TCustomVxEdit::HookArea() const {
  TRect area;
  GetWindowRect(FHandle, &area);
  if (FButton1 && FButton1->GetVisible()) area.Right += FButton1->GetWidth();
  if (FButton2 && FButton2->GetVisible()) area.Right += FButton2->GetWidth();
  return area;
}
