#include <algorithm>
#include <cstring>

#include "winsys/Cursors.h"
#include "winsys/NonClient.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}

constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

bool IsButtonDown(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

LRESULT SetCursorFor(TWindow& window, WPARAM wParam, LPARAM lParam) {
  // Parents decide first; the beep for a refused click comes from the top of that chain.
  const bool hasParent = window.IsChild() && window.Parent && !window.Parent->IsDesktop();
  if (hasParent && System().Send(window.Parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  const int hit = static_cast<int16_t>(LOWORD(lParam));
  const char* shape = IDC_ARROW;
  switch (hit) {
    case HTERROR:
      if (!hasParent && IsButtonDown(HIWORD(lParam))) MessageBeep(0);
      break;
    case HTCLIENT:
      if (window.Class && window.Class->Cursor) {
        SetCursor(window.Class->Cursor);
        return TRUE;
      }
      return FALSE;
    case HTLEFT:
    case HTRIGHT:
      shape = IDC_SIZEWE;
      break;
    case HTTOP:
    case HTBOTTOM:
      shape = IDC_SIZENS;
      break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      shape = IDC_SIZENWSE;
      break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      shape = IDC_SIZENESW;
      break;
    default:
      break;
  }
  SetCursor(LoadCursor(nullptr, shape));
  return FALSE;
}

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  const size_t copied = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(out, text.data(), copied);
  out[copied] = 0;
  return static_cast<LRESULT>(copied);
}

LRESULT EraseBackground(TWindow& window, HDC dc) {
  HBRUSH brush = window.Class ? window.Class->Background : nullptr;
  if (!brush) return 0;
  const TRect client = window.ClientArea();
  FillRect(dc, &client, brush);
  return 1;
}

void WindowPosChanged(TWindow& window, const WINDOWPOS& pos) {
  if (!(pos.flags & SWP_NOCLIENTMOVE)) {
    const TPoint origin{window.WindowRect.Left + window.ClientRect.Left,
                        window.WindowRect.Top + window.ClientRect.Top};
    System().Send(&window, WM_MOVE, 0, PointToLParam(origin));
  }
  if (!(pos.flags & SWP_NOCLIENTSIZE) && System().Find(pos.hwnd)) {
    const WPARAM kind = (window.Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    System().Send(&window, WM_SIZE, kind,
                  MAKELPARAM(static_cast<WORD>(window.ClientRect.Width()),
                             static_cast<WORD>(window.ClientRect.Height())));
  }
}

LRESULT SysCommand(HWND handle, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE:
      return SendMessage(handle, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
      ShowWindow(handle, SW_MINIMIZE);
      return 0;
    case SC_MAXIMIZE:
      ShowWindow(handle, SW_MAXIMIZE);
      return 0;
    case SC_RESTORE:
      ShowWindow(handle, SW_RESTORE);
      return 0;
    default:
      return 0;
  }
}

LRESULT ControlColor(UINT message, HDC dc) {
  const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  SetTextColor(dc, GetSysColor(field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
  SetBkColor(dc, GetSysColor(field ? COLOR_WINDOW : COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(field ? COLOR_WINDOW : COLOR_BTNFACE));
}
}  // namespace

LRESULT CallWindowProc(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(window, message, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  TWindowSystem& system = System();
  TWindow* window = system.Find(handle);
  if (!window) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (create && create->lpszName && !IS_INTRESOURCE(create->lpszName))
        window->Text = create->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      if (wParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        if (params)
          params->rgrc[0] =
              NonClient::ClientFromWindow(window->Style, window->ExStyle, params->rgrc[0]);
      } else if (auto* rect = reinterpret_cast<TRect*>(lParam)) {
        *rect = NonClient::ClientFromWindow(window->Style, window->ExStyle, *rect);
      }
      return 0;
    case WM_NCHITTEST:
      return NonClient::HitTest(*window, PointFromLParam(lParam));
    case WM_NCPAINT:
      NonClient::Paint(*window);
      return 0;
    case WM_NCACTIVATE:
      NonClient::PaintCaption(*window);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(window->Style & WS_MINIMIZE)) {
        TWindow* focus = system.Focus();
        if (!focus || (focus != window && !window->IsAncestorOf(focus))) SetFocus(handle);
      }
      return 0;
    case WM_MOUSEACTIVATE:
      if (window->IsChild() && window->Parent && !window->Parent->IsDesktop()) {
        if (LRESULT answer = system.Send(window->Parent, WM_MOUSEACTIVATE, wParam, lParam))
          return answer;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR:
      return SetCursorFor(*window, wParam, lParam);
    case WM_GETTEXT:
      return CopyText(window->Text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->Text.size());
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      window->Text = text ? text : "";
      NonClient::PaintCaption(*window);
      return TRUE;
    }
    case WM_ERASEBKGND:
      return EraseBackground(*window, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(handle, &paint);
      EndPaint(handle, &paint);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(handle);
      return 0;
    case WM_SYSCOMMAND:
      return SysCommand(handle, wParam);
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && !window->IsChild()) PostMessage(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_WINDOWPOSCHANGED:
      if (lParam) WindowPosChanged(*window, *reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    case WM_CANCELMODE:
      if (system.Tracker().Window() == handle) system.Tracker().Cancel();
      if (system.Capture() == window) ReleaseCapture();
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:  // a quick second press on an arrow or button presses it again
      system.Tracker().Begin(*window, static_cast<int>(wParam), PointFromLParam(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      if (window->IsChild() && window->Parent && !window->Parent->IsDesktop())
        return system.Send(window->Parent, message, wParam, lParam);
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return ControlColor(message, reinterpret_cast<HDC>(wParam));
    default:
      return 0;
  }
}
