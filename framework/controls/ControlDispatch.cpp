#include <algorithm>
#include <cstring>

#include "controls/Application.h"
#include "controls/Control.h"
#include "controls/ControlRef.h"
#include "controls/Designer.h"
#include "controls/Form.h"
#include "controls/Menus.h"
#include "controls/WinControl.h"
#include "rtti/MetaClass.h"
#include "winsys/WinUser.h"

// The message side of TControl: routing, dispatch, the default handling and the handlers that
// every control has.

namespace {
constexpr UINT DoubleClickOffset = WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;

bool IsMouseMessage(UINT msg) {
  return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

bool IsDoubleClick(UINT msg) {
  return msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}
}  // namespace

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  // A copy: the procedure may replace itself, or the control may go, while it runs.
  const TWndMethod proc = FWindowProc;
  proc(message);
  return message.Result;
}

void TControl::Dispatch(TMessage& message) {
  if (TMessageHandler handler = MessageMap::Find(ClassType(), message.Msg))
    handler(this, message);
  else
    DefaultHandler(message);
}

void TControl::InheritedMessage(TClass fromClass, TMessage& message) {
  TMessageHandler handler =
      fromClass ? MessageMap::Find(fromClass->ClassParent(), message.Msg) : nullptr;
  if (handler)
    handler(this, message);
  else
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(message.LParam);
      if (!buffer || message.WParam == 0) {
        message.Result = 0;
        return;
      }
      const size_t copied = std::min(FText.size(), static_cast<size_t>(message.WParam - 1));
      std::memcpy(buffer, FText.data(), copied);
      buffer[copied] = 0;
      message.Result = static_cast<LRESULT>(copied);
      return;
    }
    case WM_GETTEXTLENGTH:
      message.Result = static_cast<LRESULT>(FText.size());
      return;
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(message.LParam);
      FText = text ? text : "";
      message.Result = 1;
      return;
    }
    default:
      return;
  }
}

void TControl::WndProc(TMessage& message) {
  const bool mouse = IsMouseMessage(message.Msg);
  if (GetComponentState().Contains(csDesigning)) {
    // A control that answers the design hit test takes the mouse itself; everything else is
    // the designer's first.
    const bool takesMouse = mouse && Perform(CM_DESIGNHITTEST, message.WParam, message.LParam) != 0;
    if (!takesMouse) {
      TCustomForm* form = GetParentForm();
      if (form && form->GetDesigner() && form->GetDesigner()->IsDesignMsg(this, message)) return;
    }
  }
  if (mouse && !FControlStyle.Contains(csDoubleClicks) && IsDoubleClick(message.Msg))
    message.Msg -= DoubleClickOffset;
  if (mouse || message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN) {
    TControlRef<> self(this);
    Application->NoteInputMessage(this, message);
    if (!self) return;
  }
  Dispatch(message);
}

// Mouse.

void TControl::DoMouseDown(TWMMouse& message, TMouseButton button, TShiftState shift) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseDown(button, KeysToShiftState(message.Keys()) + shift, message.XPos(), message.YPos());
}

void TControl::DoMouseUp(TWMMouse& message, TMouseButton button) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseUp(button, KeysToShiftState(message.Keys()), message.XPos(), message.YPos());
}

void TControl::WMLButtonDown(TWMMouse& message) {
  TControlRef<> self(this);
  SendCancelMode();
  if (!self) return;
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  DoMouseDown(message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMMouse& message) {
  TControlRef<> self(this);
  SendCancelMode();
  if (!self) return;
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (FControlStyle.Contains(csClickEvents)) {
    DblClick();
    if (!self) return;
  }
  DoMouseDown(message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TWMMouse& message) {
  TControlRef<> self(this);
  if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (FControlState.Contains(csClicked)) {
    FControlState.Exclude(csClicked);
    if (GetClientRect().Contains(message.Pos())) Click();
    if (!self) return;
  }
  DoMouseUp(message, mbLeft);
}

void TControl::WMRButtonDown(TWMMouse& message) {
  DoMouseDown(message, mbRight, {});
}

void TControl::WMRButtonDblClk(TWMMouse& message) {
  DoMouseDown(message, mbRight, {ssDouble});
}

void TControl::WMRButtonUp(TWMMouse& message) {
  TControlRef<> self(this);
  DoMouseUp(message, mbRight);
  if (!self || message.Result != 0) return;
  if (PopupAt(ClientToScreen(message.Pos()))) message.Result = 1;
}

void TControl::WMMButtonDown(TWMMouse& message) {
  DoMouseDown(message, mbMiddle, {});
}

void TControl::WMMButtonDblClk(TWMMouse& message) {
  DoMouseDown(message, mbMiddle, {ssDouble});
}

void TControl::WMMButtonUp(TWMMouse& message) {
  DoMouseUp(message, mbMiddle);
}

void TControl::WMMouseMove(TWMMouse& message) {
  if (FControlStyle.Contains(csNoStdEvents)) return;
  MouseMove(KeysToShiftState(message.Keys()), message.XPos(), message.YPos());
}

void TControl::WMContextMenu(TWMContextMenu& message) {
  if (message.Result != 0) return;
  TPoint screen{message.XPos(), message.YPos()};
  // From the keyboard: the menu opens at the control's top-left corner.
  if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen({0, 0});
  if (PopupAt(screen))
    message.Result = 1;
  else
    DefaultHandler(message);
}

bool TControl::PopupAt(TPoint screen) {
  if (!FPopupMenu || !FPopupMenu->GetAutoPopup()) return false;
  TControlRef<> self(this);
  SendCancelMode();
  if (!self || !FPopupMenu) return false;
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(screen.X, screen.Y);
  return true;
}

void TControl::WMCancelMode(TMessage& message) {
  FControlState.Exclude(csClicked);
  if (GetMouseCapture()) SetMouseCapture(false);
  DefaultHandler(message);
}

// Changes of look and state.

void TControl::CMVisibleChanged(TMessage&) {
  InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}

void TControl::CMEnabledChanged(TMessage&) {
  Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
  Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
  Invalidate();
}

void TControl::CMParentFontChanged(TMessage& message) {
  if (!FParentFont) return;
  TFont* source = message.WParam ? reinterpret_cast<TFont*>(message.LParam)
                  : FParent      ? FParent->GetFont()
                                 : nullptr;
  if (!source) return;
  FApplyingParentFont = true;
  try {
    FFont->Assign(source);
  } catch (...) {
    FApplyingParentFont = false;
    throw;
  }
  FApplyingParentFont = false;
}

void TControl::CMParentColorChanged(TMessage& message) {
  if (!FParentColor) return;
  const TColor color = message.WParam ? static_cast<TColor>(message.LParam)
                       : FParent      ? FParent->GetColor()
                                      : FColor;
  SetColor(color);
  FParentColor = true;
}

void TControl::CMParentCtl3DChanged(TMessage&) {
  if (!FParentCtl3D || !FParent) return;
  SetCtl3D(FParent->GetCtl3D());
  FParentCtl3D = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || !FParent) return;
  SetShowHint(FParent->GetShowHint());
  FParentShowHint = true;
}

void TControl::CMHitTest(TCMHitTest& message) {
  message.Result = HTCLIENT;
}

void TControl::CMDesignHitTest(TCMDesignHitTest& message) {
  message.Result = 0;
}

void TControl::CMCursorChanged(TMessage&) {
  TPoint cursor;
  GetCursorPos(&cursor);
  if (FindControlAtPos(cursor) != this) return;
  const HWND window = WindowFromPoint(cursor);
  if (window)
    SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}
