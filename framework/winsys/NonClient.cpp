#include "winsys/NonClient.h"

#include <algorithm>

#include "winsys/ScrollBar.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
int FrameSize(DWORD style, DWORD exStyle) {
  if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    return GetSystemMetrics(SM_CXDLGFRAME);
  if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

bool HasCaption(DWORD style) {
  return (style & WS_CAPTION) == WS_CAPTION;
}

int CaptionHeight(DWORD exStyle) {
  return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int EdgeSize(DWORD exStyle) {
  int size = 0;
  if (exStyle & WS_EX_CLIENTEDGE) size += GetSystemMetrics(SM_CXEDGE);
  if (exStyle & WS_EX_STATICEDGE) size += GetSystemMetrics(SM_CXBORDER);
  return size;
}

// The area inside frame, caption and edge, where client and scroll bars lie.
TRect InsideEdges(DWORD style, DWORD exStyle, const TRect& window) {
  TRect r = window.Inflate(-FrameSize(style, exStyle), -FrameSize(style, exStyle));
  if (HasCaption(style)) r.Top += CaptionHeight(exStyle);
  const int edge = EdgeSize(exStyle);
  r = r.Inflate(-edge, -edge);
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

HFONT CaptionFont() {
  static HFONT font = CreateFont(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 DEFAULT_QUALITY, VARIABLE_PITCH, "MS Sans Serif");
  return font;
}

void FillSys(HDC dc, const TRect& rect, int color) {
  if (!rect.IsEmpty()) FillRect(dc, &rect, GetSysColorBrush(color));
}

void PaintFrame(TWindow& window, HDC dc, TRect& r) {
  const int frame = FrameSize(window.Style, window.ExStyle);
  if (frame >= 3) {
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    for (int i = 2; i < frame; ++i) {
      FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      r = r.Inflate(-1, -1);
    }
  } else if (frame == 1) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    r = r.Inflate(-1, -1);
  }
}

void PaintCaptionBar(TWindow& window, HDC dc) {
  const TRect caption = NonClient::CaptionRect(window);
  if (caption.IsEmpty()) return;
  const bool active = TWindowSystem::Instance().Active() == window.TopLevel();
  FillSys(dc, {caption.Left, caption.Top, caption.Right, caption.Bottom - 1},
          active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  FillSys(dc, {caption.Left, caption.Bottom - 1, caption.Right, caption.Bottom}, COLOR_BTNFACE);
  HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  TRect text{caption.Left + 4, caption.Top, caption.Right - 4, caption.Bottom - 1};
  const TRect close = NonClient::CloseButtonRect(window);
  if (!close.IsEmpty()) text.Right = close.Left - 2;
  DrawText(dc, window.Text.c_str(), static_cast<int>(window.Text.size()), &text,
           DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
  if (!close.IsEmpty()) {
    TRect button = close;
    DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  }
}
}  // namespace

namespace NonClient {

TRect ClientFromWindow(DWORD style, DWORD exStyle, const TRect& window) {
  TRect r = InsideEdges(style, exStyle, window);
  if ((style & WS_VSCROLL) && r.Width() > 0)
    r.Right = std::max(r.Left, r.Right - GetSystemMetrics(SM_CXVSCROLL));
  if ((style & WS_HSCROLL) && r.Height() > 0)
    r.Bottom = std::max(r.Top, r.Bottom - GetSystemMetrics(SM_CYHSCROLL));
  return r;
}

TRect WindowFromClient(DWORD style, DWORD exStyle, const TRect& client) {
  const int frame = FrameSize(style, exStyle) + EdgeSize(exStyle);
  TRect r = client.Inflate(frame, frame);
  if (HasCaption(style)) r.Top -= CaptionHeight(exStyle);
  return r;
}

TRect CaptionRect(const TWindow& window) {
  if (!HasCaption(window.Style)) return {};
  const int frame = FrameSize(window.Style, window.ExStyle);
  return {frame, frame, window.WindowRect.Width() - frame, frame + CaptionHeight(window.ExStyle)};
}

TRect CloseButtonRect(const TWindow& window) {
  if (!(window.Style & WS_SYSMENU)) return {};
  const TRect caption = CaptionRect(window);
  if (caption.IsEmpty()) return {};
  const int height = caption.Height() - 5;
  const int width = height + 2;
  return Bounds(caption.Right - 2 - width, caption.Top + 2, width, height);
}

TRect ScrollBarRect(const TWindow& window, int bar) {
  const TRect client = window.ClientRect;
  if (bar == SB_VERT && (window.Style & WS_VSCROLL))
    return {client.Right, client.Top, client.Right + GetSystemMetrics(SM_CXVSCROLL), client.Bottom};
  if (bar == SB_HORZ && (window.Style & WS_HSCROLL))
    return {client.Left, client.Bottom, client.Right,
            client.Bottom + GetSystemMetrics(SM_CYHSCROLL)};
  return {};
}

int HitTest(const TWindow& window, TPoint screen) {
  const TRect bounds = window.ScreenRect();
  if (!bounds.Contains(screen)) return HTNOWHERE;
  const TPoint p{screen.X - bounds.Left, screen.Y - bounds.Top};
  if (window.ClientRect.Contains(p)) return HTCLIENT;
  if (CloseButtonRect(window).Contains(p)) return HTCLOSE;
  if (CaptionRect(window).Contains(p)) return HTCAPTION;
  if (ScrollBarRect(window, SB_VERT).Contains(p)) return HTVSCROLL;
  if (ScrollBarRect(window, SB_HORZ).Contains(p)) return HTHSCROLL;
  const TRect inside =
      InsideEdges(window.Style, window.ExStyle, {0, 0, bounds.Width(), bounds.Height()});
  if (inside.Contains(p)) return (window.Style & WS_THICKFRAME) ? HTSIZE : HTNOWHERE;
  if (!(window.Style & WS_THICKFRAME)) return HTBORDER;
  const int corner = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
  const bool left = p.X < corner, right = p.X >= bounds.Width() - corner;
  const bool top = p.Y < corner, bottom = p.Y >= bounds.Height() - corner;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  if (p.Y < frame) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (p.Y >= bounds.Height() - frame) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (p.X < frame) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
  if (p.X >= bounds.Width() - frame) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
  return HTBORDER;
}

void Paint(TWindow& window) {
  HDC dc = GetWindowDC(window.Handle);
  if (!dc) return;
  TRect r{0, 0, window.WindowRect.Width(), window.WindowRect.Height()};
  PaintFrame(window, dc, r);
  PaintCaptionBar(window, dc);
  if (HasCaption(window.Style)) r.Top += CaptionHeight(window.ExStyle);
  if (window.ExStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (window.ExStyle & WS_EX_STATICEDGE) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  ScrollBars::Paint(window, dc, SB_VERT);
  ScrollBars::Paint(window, dc, SB_HORZ);
  if ((window.Style & WS_VSCROLL) && (window.Style & WS_HSCROLL)) {
    const TRect client = window.ClientRect;
    FillSys(dc,
            {client.Right, client.Bottom, client.Right + GetSystemMetrics(SM_CXVSCROLL),
             client.Bottom + GetSystemMetrics(SM_CYHSCROLL)},
            COLOR_BTNFACE);
  }
  ReleaseDC(window.Handle, dc);
}

void PaintCaption(TWindow& window) {
  if (!window.IsShowing() || CaptionRect(window).IsEmpty()) return;
  HDC dc = GetWindowDC(window.Handle);
  PaintCaptionBar(window, dc);
  ReleaseDC(window.Handle, dc);
}

}  // namespace NonClient
