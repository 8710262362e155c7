#pragma once

#include "graphics/Gdi.h"
#include "types/Rect.h"
#include "types/SysColors.h"
#include "types/WinTypes.h"
#include "winsys/Clipboard.h"
#include "winsys/Clock.h"
#include "winsys/ControlStyles.h"
#include "winsys/Hooks.h"
#include "winsys/Messages.h"
#include "winsys/VirtualKeys.h"
#include "winsys/WindowClass.h"
#include "winsys/WindowStyles.h"

// The window system's calls, with the platform's names, parameters and results. A handle
// that names no live window makes a call fail with the platform's error result (FALSE, 0 or
// null) and change nothing; so does a null pointer where a record is expected.

// Windows: creation, destruction and the window tree.
HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param);
HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
// Destroys the window, its owned windows and its children (WM_DESTROY parent first,
// WM_NCDESTROY children first).
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
HWND GetDesktopWindow();
// The parent of a child window, the owner of a top-level one.
HWND GetParent(HWND window);
// Moves window under newParent (null or the desktop: it becomes top-level); returns the
// previous parent.
HWND SetParent(HWND window, HWND newParent);
HWND GetAncestor(HWND window, UINT kind);
HWND GetWindow(HWND window, UINT relation);
HWND GetTopWindow(HWND window);
HWND GetNextWindow(HWND window, UINT relation);
BOOL IsChild(HWND parent, HWND window);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM param);
HWND FindWindow(const char* className, const char* windowName);

// Placement.
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
BOOL BringWindowToTop(HWND window);
BOOL IsWindowVisible(HWND window);
BOOL IsIconic(HWND window);
BOOL IsZoomed(HWND window);
// Screen coordinates of the whole window.
BOOL GetWindowRect(HWND window, TRect* rect);
// The client area at (0,0).
BOOL GetClientRect(HWND window, TRect* rect);
BOOL ClientToScreen(HWND window, TPoint* point);
BOOL ScreenToClient(HWND window, TPoint* point);
// Converts points from one window's client coordinates to another's (null: the screen);
// returns the horizontal shift in the low word and the vertical one in the high word.
int MapWindowPoints(HWND from, HWND to, TPoint* points, UINT count);
// The deepest visible, enabled window under a screen point, or null.
HWND WindowFromPoint(TPoint point);
HWND ChildWindowFromPoint(HWND parent, TPoint point);
// Grows a client rectangle to the window rectangle that the styles would give it.
BOOL AdjustWindowRectEx(TRect* rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL AdjustWindowRect(TRect* rect, DWORD style, BOOL menu);

// Window data.
LONG_PTR GetWindowLongPtr(HWND window, int index);
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);
LONG GetWindowLong(HWND window, int index);
LONG SetWindowLong(HWND window, int index, LONG value);
ULONG_PTR GetClassLongPtr(HWND window, int index);
ULONG_PTR SetClassLongPtr(HWND window, int index, LONG_PTR value);
int GetClassName(HWND window, char* buffer, int size);
// Window properties: named handles stored with a window. Names are strings or atoms.
BOOL SetProp(HWND window, const char* name, HANDLE data);
HANDLE GetProp(HWND window, const char* name);
HANDLE RemoveProp(HWND window, const char* name);
int GetWindowText(HWND window, char* buffer, int size);
int GetWindowTextLength(HWND window);
BOOL SetWindowText(HWND window, const char* text);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
int GetDlgCtrlID(HWND window);
HWND GetDlgItem(HWND parent, int id);

// Messages.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a message for window (null: for the thread).
BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
// Waits for the next message (through the installed input source; see SetInputWait) and
// answers FALSE for WM_QUIT, -1 for a bad window filter. Without an input source and with
// nothing left to hand out it answers FALSE with WM_QUIT: no message could ever come.
BOOL GetMessage(MSG* message, HWND window, UINT first, UINT last);
BOOL PeekMessage(MSG* message, HWND window, UINT first, UINT last, UINT remove);
BOOL WaitMessage();
// Queues the character messages of a key message.
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessage(const MSG* message);
// Translates and dispatches queued messages (paints and due timers included) until none is
// left or limit were handled; a WM_QUIT stops it and is queued again for the caller's loop.
// Returns how many were handled.
int DispatchPendingMessages(int limit = INT32_MAX);
LRESULT CallWindowProc(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The platform's answers to every message a window does not handle itself.
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
DWORD GetMessageTime();
// The screen position of the last message handed out: x in the low word, y in the high one.
DWORD GetMessagePos();
LONG_PTR GetMessageExtraInfo();
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND window, UINT_PTR id);
// How GetMessage and WaitMessage wait for input: wait(timeoutMs) feeds input events into the
// window system (timeout -1: until there is input). Presenters with real devices install one.
using TInputWait = bool (*)(int timeoutMs);
void SetInputWait(TInputWait wait);

// Focus, activation and capture.
// Moves the keyboard focus; the windows losing and gaining it are told (WM_KILLFOCUS and
// WM_SETFOCUS, each naming the other). Returns the previous focus.
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
// Directs all mouse input to window until released; the previous holder gets
// WM_CAPTURECHANGED.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// Input state.
// Bit 0x8000 set while the key is down, bit 1 toggled (Caps Lock), as of the last message.
int16_t GetKeyState(int key);
int16_t GetAsyncKeyState(int key);
BOOL GetKeyboardState(BYTE* states);
BOOL SetKeyboardState(const BYTE* states);
BOOL GetCursorPos(TPoint* point);
BOOL SetCursorPos(int x, int y);
UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT milliseconds);
enum : UINT {
  MB_OK = 0x00000000,
  MB_ICONHAND = 0x00000010,
  MB_ICONQUESTION = 0x00000020,
  MB_ICONEXCLAMATION = 0x00000030,
  MB_ICONASTERISK = 0x00000040
};
// Counts the beep (GetBeepCount) and asks the presenter to sound it.
BOOL MessageBeep(UINT type);
int GetBeepCount();

// Cursors.
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_UPARROW MAKEINTRESOURCE(32516)
#define IDC_SIZE MAKEINTRESOURCE(32640)
#define IDC_SIZENWSE MAKEINTRESOURCE(32642)
#define IDC_SIZENESW MAKEINTRESOURCE(32643)
#define IDC_SIZEWE MAKEINTRESOURCE(32644)
#define IDC_SIZENS MAKEINTRESOURCE(32645)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDC_APPSTARTING MAKEINTRESOURCE(32650)
#define IDC_HELP MAKEINTRESOURCE(32651)
// The standard cursors (instance null, an IDC_* name); null for anything else.
HCURSOR LoadCursor(HINSTANCE instance, const char* name);
// Makes cursor the one shown; returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// Increments or decrements the display count; the cursor shows while it is 0 or more.
int ShowCursor(BOOL show);

// Painting.
BOOL InvalidateRect(HWND window, const TRect* rect, BOOL erase);
BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase);
BOOL ValidateRect(HWND window, const TRect* rect);
BOOL ValidateRgn(HWND window, HRGN region);
BOOL GetUpdateRect(HWND window, TRect* rect, BOOL erase);
int GetUpdateRgn(HWND window, HRGN region, BOOL erase);
// Sends WM_PAINT now when the window has something to paint.
BOOL UpdateWindow(HWND window);
BOOL RedrawWindow(HWND window, const TRect* rect, HRGN region, UINT flags);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
// A context for the client area (null: the whole screen), clipped to what is visible of it.
HDC GetDC(HWND window);
HDC GetWindowDC(HWND window);
enum : DWORD {
  DCX_WINDOW = 0x00000001,
  DCX_CACHE = 0x00000002,
  DCX_CLIPCHILDREN = 0x00000008,
  DCX_CLIPSIBLINGS = 0x00000010,
  DCX_PARENTCLIP = 0x00000020,
  DCX_LOCKWINDOWUPDATE = 0x00000400,
};
// A context for the client area (the whole window with DCX_WINDOW), clipped to what of it is
// visible and, when region is given, to region (client coordinates). Child windows are left
// out only with DCX_CLIPCHILDREN: without it the context draws over them, as tracking feedback
// must. Siblings above the window are always left out.
HDC GetDCEx(HWND window, HRGN region, DWORD flags);
int ReleaseDC(HWND window, HDC dc);
// Scrolls the client area's pixels and invalidates what is uncovered.
int ScrollWindowEx(HWND window, int dx, int dy, const TRect* scroll, const TRect* clip, HRGN update,
                   TRect* updateRect, UINT flags);
BOOL ScrollWindow(HWND window, int dx, int dy, const TRect* scroll, const TRect* clip);

// Scroll bars of windows (SB_HORZ, SB_VERT).
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3 };
enum : int {
  SB_LINEUP = 0,
  SB_LINELEFT = 0,
  SB_LINEDOWN = 1,
  SB_LINERIGHT = 1,
  SB_PAGEUP = 2,
  SB_PAGELEFT = 2,
  SB_PAGEDOWN = 3,
  SB_PAGERIGHT = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,
  SB_LEFT = 6,
  SB_BOTTOM = 7,
  SB_RIGHT = 7,
  SB_ENDSCROLL = 8,
};
enum : UINT {
  SIF_RANGE = 0x0001,
  SIF_PAGE = 0x0002,
  SIF_POS = 0x0004,
  SIF_DISABLENOSCROLL = 0x0008,
  SIF_TRACKPOS = 0x0010,
  SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};
struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};
// Sets range, page and position; the bar hides when the page covers the whole range (unless
// SIF_DISABLENOSCROLL) and shows otherwise. Returns the new position.
int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
BOOL SetScrollRange(HWND window, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND window, int bar, int* min, int* max);
int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL ShowScrollBar(HWND window, int bar, BOOL show);

// System metrics and parameters.
enum : int {
  SM_CXSCREEN = 0,
  SM_CYSCREEN = 1,
  SM_CXVSCROLL = 2,
  SM_CYHSCROLL = 3,
  SM_CYCAPTION = 4,
  SM_CXBORDER = 5,
  SM_CYBORDER = 6,
  SM_CXDLGFRAME = 7,
  SM_CYDLGFRAME = 8,
  SM_CYVTHUMB = 9,
  SM_CXHTHUMB = 10,
  SM_CXICON = 11,
  SM_CYICON = 12,
  SM_CXCURSOR = 13,
  SM_CYCURSOR = 14,
  SM_CYMENU = 15,
  SM_CXFULLSCREEN = 16,
  SM_CYFULLSCREEN = 17,
  SM_CYVSCROLL = 20,
  SM_CXHSCROLL = 21,
  SM_CXMIN = 28,
  SM_CYMIN = 29,
  SM_CXSIZE = 30,
  SM_CYSIZE = 31,
  SM_CXFRAME = 32,
  SM_CYFRAME = 33,
  SM_CXDOUBLECLK = 36,
  SM_CYDOUBLECLK = 37,
  SM_CMOUSEBUTTONS = 43,
  SM_CXEDGE = 45,
  SM_CYEDGE = 46,
  SM_CYSMCAPTION = 51,
  SM_CXDRAG = 68,
  SM_CYDRAG = 69,
  SM_MOUSEPRESENT = 19,
  SM_MOUSEWHEELPRESENT = 75,
};
int GetSystemMetrics(int index);
enum : UINT {
  SPI_GETWORKAREA = 0x0030,
  SPI_GETFONTSMOOTHING = 0x004A,
  SPI_SETFONTSMOOTHING = 0x004B,
};
// SPI_SETFONTSMOOTHING switches grayscale anti-aliased text (uiParam TRUE, the default) and
// crisp one-bit text for fonts that do not ask for a quality themselves.
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);
