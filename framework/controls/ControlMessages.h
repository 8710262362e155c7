#pragma once

#include <cstdint>
#include <string>

#include "core/Method.h"
#include "graphics/Color.h"
#include "types/Rect.h"
#include "types/WinTypes.h"
#include "winsys/Messages.h"

class TControl;
class TWinControl;

// The control messages, numbered from CM_BASE as the platform publishes them, so that a
// system's own messages above CM_BASE + 200 never collide with the framework's.
enum : UINT {
  CM_ACTIVATE = CM_BASE + 0,
  CM_DEACTIVATE = CM_BASE + 1,
  CM_GOTFOCUS = CM_BASE + 2,
  CM_LOSTFOCUS = CM_BASE + 3,
  CM_CANCELMODE = CM_BASE + 4,
  CM_DIALOGKEY = CM_BASE + 5,
  CM_DIALOGCHAR = CM_BASE + 6,
  CM_FOCUSCHANGED = CM_BASE + 7,
  CM_PARENTFONTCHANGED = CM_BASE + 8,
  CM_PARENTCOLORCHANGED = CM_BASE + 9,
  CM_HITTEST = CM_BASE + 10,
  CM_VISIBLECHANGED = CM_BASE + 11,
  CM_ENABLEDCHANGED = CM_BASE + 12,
  CM_COLORCHANGED = CM_BASE + 13,
  CM_FONTCHANGED = CM_BASE + 14,
  CM_CURSORCHANGED = CM_BASE + 15,
  CM_CTL3DCHANGED = CM_BASE + 16,
  CM_PARENTCTL3DCHANGED = CM_BASE + 17,
  CM_TEXTCHANGED = CM_BASE + 18,
  CM_MOUSEENTER = CM_BASE + 19,
  CM_MOUSELEAVE = CM_BASE + 20,
  CM_MENUCHANGED = CM_BASE + 21,
  CM_APPKEYDOWN = CM_BASE + 22,
  CM_APPSYSCOMMAND = CM_BASE + 23,
  CM_BUTTONPRESSED = CM_BASE + 24,
  CM_SHOWINGCHANGED = CM_BASE + 25,
  CM_ENTER = CM_BASE + 26,
  CM_EXIT = CM_BASE + 27,
  CM_DESIGNHITTEST = CM_BASE + 28,
  CM_ICONCHANGED = CM_BASE + 29,
  CM_WANTSPECIALKEY = CM_BASE + 30,
  CM_INVOKEHELP = CM_BASE + 31,
  CM_WINDOWHOOK = CM_BASE + 32,
  CM_RELEASE = CM_BASE + 33,
  CM_SHOWHINTCHANGED = CM_BASE + 34,
  CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
  CM_SYSCOLORCHANGE = CM_BASE + 36,
  CM_WININICHANGE = CM_BASE + 37,
  CM_FONTCHANGE = CM_BASE + 38,
  CM_TIMECHANGE = CM_BASE + 39,
  CM_TABSTOPCHANGED = CM_BASE + 40,
  CM_UIACTIVATE = CM_BASE + 41,
  CM_UIDEACTIVATE = CM_BASE + 42,
  CM_DOCWINDOWACTIVATE = CM_BASE + 43,
  CM_CONTROLLISTCHANGE = CM_BASE + 44,
  CM_GETDATALINK = CM_BASE + 45,
  CM_CHILDKEY = CM_BASE + 46,
  CM_DRAG = CM_BASE + 47,
  CM_HINTSHOW = CM_BASE + 48,
  CM_DIALOGHANDLE = CM_BASE + 49,
  CM_ISTOOLCONTROL = CM_BASE + 50,
  CM_RECREATEWND = CM_BASE + 51,
  CM_INVALIDATE = CM_BASE + 52,
  CM_SYSFONTCHANGED = CM_BASE + 53,
  CM_CONTROLCHANGE = CM_BASE + 54,
  CM_CHANGED = CM_BASE + 55,
};

// One message as controls see it: the number, its two parameters and the answer. Handlers
// take a typed view of it (TWMSize, TWMMouse, ...), which reads the parameters by name.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Typed views. They add no data, only names for the parameters, so that a handler can be bound
// to a message with the view it expects (see MessageMap.h).

struct TWMNoParams : TMessage {};

struct TWMSize : TMessage {
  int SizeType() const { return static_cast<int>(WParam); }
  int Width() const { return LOWORD(LParam); }
  int Height() const { return HIWORD(LParam); }
};

struct TWMMove : TMessage {
  int XPos() const { return GET_X_LPARAM(LParam); }
  int YPos() const { return GET_Y_LPARAM(LParam); }
};

// Mouse messages: key and button flags (MK_*) and the point in client coordinates.
struct TWMMouse : TMessage {
  UINT Keys() const { return static_cast<UINT>(WParam); }
  int XPos() const { return GET_X_LPARAM(LParam); }
  int YPos() const { return GET_Y_LPARAM(LParam); }
  TPoint Pos() const { return PointFromLParam(LParam); }
};
using TWMMouseMove = TWMMouse;
using TWMLButtonDown = TWMMouse;
using TWMLButtonUp = TWMMouse;
using TWMRButtonDown = TWMMouse;
using TWMRButtonUp = TWMMouse;

// Key messages (virtual-key code) and character messages (a Unicode code point).
struct TWMKey : TMessage {
  uint32_t CharCode() const { return static_cast<uint32_t>(WParam); }
  void SetCharCode(uint32_t value) { WParam = value; }
  LPARAM KeyData() const { return LParam; }
};
using TWMKeyDown = TWMKey;
using TWMKeyUp = TWMKey;
using TWMChar = TWMKey;
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;

struct TWMScroll : TMessage {
  int ScrollCode() const { return LOWORD(WParam); }
  int Pos() const { return static_cast<int16_t>(HIWORD(WParam)); }
  HWND ScrollBar() const { return reinterpret_cast<HWND>(LParam); }
};
using TWMVScroll = TWMScroll;
using TWMHScroll = TWMScroll;

struct TWMSetCursor : TMessage {
  HWND CursorWnd() const { return reinterpret_cast<HWND>(WParam); }
  int HitTest() const { return static_cast<int16_t>(LOWORD(LParam)); }
  UINT MouseMsg() const { return HIWORD(LParam); }
};

// WM_NCHITTEST: the point in screen coordinates.
struct TWMNCHitTest : TMessage {
  int XPos() const { return GET_X_LPARAM(LParam); }
  int YPos() const { return GET_Y_LPARAM(LParam); }
  TPoint Pos() const { return PointFromLParam(LParam); }
};

struct TWMPaint : TMessage {
  HDC DC() const { return reinterpret_cast<HDC>(WParam); }
};
using TWMEraseBkgnd = TWMPaint;

struct TWMSetFocus : TMessage {
  HWND FocusedWnd() const { return reinterpret_cast<HWND>(WParam); }
};
using TWMKillFocus = TWMSetFocus;

struct TWMActivate : TMessage {
  int Active() const { return LOWORD(WParam); }
  bool Minimized() const { return HIWORD(WParam) != 0; }
  HWND ActiveWindow() const { return reinterpret_cast<HWND>(LParam); }
};

struct TWMWindowPosMsg : TMessage {
  WINDOWPOS* WindowPos() const { return reinterpret_cast<WINDOWPOS*>(LParam); }
};
using TWMWindowPosChanged = TWMWindowPosMsg;
using TWMWindowPosChanging = TWMWindowPosMsg;

struct TWMSysCommand : TMessage {
  UINT CmdType() const { return static_cast<UINT>(WParam) & 0xFFF0; }
};

// WM_CONTEXTMENU: the window clicked and the point in screen coordinates (-1, -1 from the
// keyboard).
struct TWMContextMenu : TMessage {
  HWND Wnd() const { return reinterpret_cast<HWND>(WParam); }
  int XPos() const { return GET_X_LPARAM(LParam); }
  int YPos() const { return GET_Y_LPARAM(LParam); }
};

struct TWMGetText : TMessage {
  int TextMax() const { return static_cast<int>(WParam); }
  char* Text() const { return reinterpret_cast<char*>(LParam); }
};

struct TWMSetText : TMessage {
  const char* Text() const { return reinterpret_cast<const char*>(LParam); }
};

struct TWMTimer : TMessage {
  UINT_PTR TimerID() const { return static_cast<UINT_PTR>(WParam); }
};

// CM_DESIGNHITTEST: asked in design mode with the mouse flags and the client point; a control
// answers 1 to take the mouse message itself instead of leaving it to the form designer.
using TCMDesignHitTest = TWMMouse;

// CM_HITTEST: whether a client point belongs to the control (graphic controls may be partly
// transparent to the mouse). The point is in the control's client coordinates.
using TCMHitTest = TWMMouse;

// CM_FOCUSCHANGED: the control that took the focus.
struct TCMFocusChanged : TMessage {
  TWinControl* Sender() const { return reinterpret_cast<TWinControl*>(LParam); }
};

// CM_CHILDKEY: a key reaching Sender, offered to its parents first.
struct TCMChildKey : TMessage {
  uint32_t CharCode() const { return static_cast<uint32_t>(WParam); }
  TWinControl* Sender() const { return reinterpret_cast<TWinControl*>(LParam); }
};

// CM_MOUSEENTER, CM_MOUSELEAVE: the control the mouse entered or left.
struct TCMMouseEnterLeave : TMessage {
  TControl* Control() const { return reinterpret_cast<TControl*>(LParam); }
};

// What a hint shows and where; CM_HINTSHOW hands it to the control, which may change it and
// answers non-zero to show no hint at all.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen position of the hint window's top-left corner
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // while the mouse stays inside (client coordinates), the hint stays
  TPoint CursorPos;  // the mouse in the control's client coordinates
  std::string HintStr;
};

struct TCMHintShow : TMessage {
  THintInfo* HintInfo() const { return reinterpret_cast<THintInfo*>(LParam); }
};

// A method that handles a control's messages: TControl::WindowProc and the procedures that
// replace it to subclass a control.
using TWndMethod = TMethodRef<void(TMessage&)>;

// Packs a message; the result starts at 0.
inline TMessage MakeMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return TMessage{msg, wParam, lParam, 0};
}
