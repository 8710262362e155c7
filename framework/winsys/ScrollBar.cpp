#include "winsys/ScrollBar.h"

#include <algorithm>

#include "winsys/NonClient.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
HBRUSH TroughBrush() {
  static HBRUSH brush = [] {
    uint32_t pixels[64];
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), face = GetSysColor(COLOR_BTNFACE);
    for (int i = 0; i < 64; ++i) {
      const COLORREF c = ((i % 8) + (i / 8)) % 2 ? face : light;
      pixels[i] = ColorRefToPixel(c);
    }
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, pixels);
    HBRUSH result = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return result;
  }();
  return brush;
}

TRect Span(bool vertical, const TRect& bar, int from, int to) {
  return vertical ? TRect{bar.Left, bar.Top + from, bar.Right, bar.Top + to}
                  : TRect{bar.Left + from, bar.Top, bar.Left + to, bar.Bottom};
}

bool IsBar(int bar) {
  return bar == SB_HORZ || bar == SB_VERT;
}

bool NeedsBar(const TScrollBarState& state) {
  return ScrollBars::MaxPosition(state) > state.Min;
}

// Shows or hides a bar by its style bit; the client area changes and the window hears of it.
void ShowBar(TWindow& window, int bar, bool show) {
  const DWORD bits = bar == SB_VERT   ? WS_VSCROLL
                     : bar == SB_HORZ ? WS_HSCROLL
                                      : (WS_VSCROLL | WS_HSCROLL);
  const DWORD style = show ? (window.Style | bits) : (window.Style & ~bits);
  if (style == window.Style) return;
  window.Style = style;
  SetWindowPos(window.Handle, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

TScrollBarGeometry TScrollBarGeometry::For(const TWindow& window, int bar) {
  TScrollBarGeometry g;
  g.Vertical = bar == SB_VERT;
  g.Bar = NonClient::ScrollBarRect(window, bar);
  if (g.Bar.IsEmpty()) return g;
  const int length = g.Vertical ? g.Bar.Height() : g.Bar.Width();
  const int arrow =
      std::min(GetSystemMetrics(g.Vertical ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
  g.LessArrow = Span(g.Vertical, g.Bar, 0, arrow);
  g.MoreArrow = Span(g.Vertical, g.Bar, length - arrow, length);
  g.Trough = Span(g.Vertical, g.Bar, arrow, length - arrow);
  const TScrollBarState& state = bar == SB_VERT ? window.VScroll : window.HScroll;
  const int troughLength = g.TroughLength();
  if (state.Disabled || !window.IsEnabled() || !NeedsBar(state)) return g;
  int thumb = state.Page == 0 ? GetSystemMetrics(g.Vertical ? SM_CYVTHUMB : SM_CXHTHUMB)
                              : static_cast<int>(static_cast<int64_t>(troughLength) * state.Page /
                                                 (int64_t{state.Max} - state.Min + 1));
  thumb = std::max(thumb, MinThumb);
  if (thumb > troughLength) return g;
  const int range = ScrollBars::MaxPosition(state) - state.Min;
  const int pos = std::clamp(state.Tracking ? state.TrackPos : state.Pos, state.Min,
                             ScrollBars::MaxPosition(state));
  const int start =
      static_cast<int>(static_cast<int64_t>(troughLength - thumb) * (pos - state.Min) / range);
  const int arrowLength = g.Vertical ? g.LessArrow.Height() : g.LessArrow.Width();
  g.Thumb = Span(g.Vertical, g.Bar, arrowLength + start, arrowLength + start + thumb);
  return g;
}

TScrollBarGeometry::TPart TScrollBarGeometry::PartAt(TPoint p) const {
  if (!Bar.Contains(p)) return TPart::None;
  if (LessArrow.Contains(p)) return TPart::LessArrow;
  if (MoreArrow.Contains(p)) return TPart::MoreArrow;
  if (Thumb.IsEmpty()) return TPart::None;
  if (Thumb.Contains(p)) return TPart::Thumb;
  const bool before = Vertical ? p.Y < Thumb.Top : p.X < Thumb.Left;
  return before ? TPart::PageLess : TPart::PageMore;
}

int TScrollBarGeometry::PositionForThumb(int leading, const TScrollBarState& state) const {
  const int free = TroughLength() - ThumbLength();
  const int range = ScrollBars::MaxPosition(state) - state.Min;
  if (free <= 0 || range <= 0) return state.Min;
  leading = std::clamp(leading, 0, free);
  return state.Min + static_cast<int>((static_cast<int64_t>(leading) * range + free / 2) / free);
}

namespace ScrollBars {

int MaxPosition(const TScrollBarState& state) {
  return std::max(state.Min, state.Max - std::max(state.Page - 1, 0));
}

TScrollBarState& State(TWindow& window, int bar) {
  return bar == SB_VERT ? window.VScroll : window.HScroll;
}

void Paint(TWindow& window, HDC dc, int bar, TScrollBarGeometry::TPart pressed) {
  using TPart = TScrollBarGeometry::TPart;
  const TScrollBarGeometry g = TScrollBarGeometry::For(window, bar);
  if (g.Bar.IsEmpty()) return;
  const bool inactive = g.Thumb.IsEmpty();
  const UINT less = g.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT;
  const UINT more = g.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT;
  auto arrow = [&](TRect rect, UINT kind, TPart part) {
    UINT state = kind | (inactive ? DFCS_INACTIVE : 0u) | (pressed == part ? DFCS_PUSHED : 0u);
    if (!rect.IsEmpty()) DrawFrameControl(dc, &rect, DFC_SCROLL, state);
  };
  arrow(g.LessArrow, less, TPart::LessArrow);
  arrow(g.MoreArrow, more, TPart::MoreArrow);
  if (g.Trough.IsEmpty()) return;
  if (g.Thumb.IsEmpty()) {
    FillRect(dc, &g.Trough, TroughBrush());
    return;
  }
  const TRect before = g.Vertical
                           ? TRect{g.Trough.Left, g.Trough.Top, g.Trough.Right, g.Thumb.Top}
                           : TRect{g.Trough.Left, g.Trough.Top, g.Thumb.Left, g.Trough.Bottom};
  const TRect after = g.Vertical
                          ? TRect{g.Trough.Left, g.Thumb.Bottom, g.Trough.Right, g.Trough.Bottom}
                          : TRect{g.Thumb.Right, g.Trough.Top, g.Trough.Right, g.Trough.Bottom};
  HBRUSH dark = GetSysColorBrush(COLOR_3DDKSHADOW);
  if (!before.IsEmpty()) FillRect(dc, &before, pressed == TPart::PageLess ? dark : TroughBrush());
  if (!after.IsEmpty()) FillRect(dc, &after, pressed == TPart::PageMore ? dark : TroughBrush());
  TRect thumb = g.Thumb;
  DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void Repaint(TWindow& window, int bar, TScrollBarGeometry::TPart pressed) {
  if (!window.IsShowing()) return;
  HDC dc = GetWindowDC(window.Handle);
  Paint(window, dc, bar, pressed);
  ReleaseDC(window.Handle, dc);
}

}  // namespace ScrollBars

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw) {
  TWindow* target = TWindowSystem::Instance().Find(window);
  if (!target || !info || !IsBar(bar)) return 0;
  TScrollBarState& state = ScrollBars::State(*target, bar);
  const TScrollBarState before = state;
  const DWORD styleBefore = target->Style;
  if (info->fMask & SIF_RANGE) {
    state.Min = info->nMin;
    state.Max = std::max(info->nMin, info->nMax);
  }
  if (info->fMask & SIF_PAGE)
    state.Page = static_cast<int>(std::min<UINT>(info->nPage, 0x7FFFFFFF));
  state.Page = std::clamp(state.Page, 0, state.Max - state.Min + 1);
  if (info->fMask & SIF_POS) state.Pos = info->nPos;
  state.Pos = std::clamp(state.Pos, state.Min, ScrollBars::MaxPosition(state));
  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    const bool needed = NeedsBar(state);
    const bool keepDisabled = !needed && (info->fMask & SIF_DISABLENOSCROLL);
    state.Disabled = keepDisabled;
    ShowBar(*target, bar, needed || keepDisabled);
    if (!TWindowSystem::Instance().Find(window)) return 0;
  }
  // A bar whose state did not change already shows it: no repaint, so that callers may set
  // the same state often (after every change of their contents) at no cost.
  const bool changed = state.Min != before.Min || state.Max != before.Max ||
                       state.Page != before.Page || state.Pos != before.Pos ||
                       state.Disabled != before.Disabled || target->Style != styleBefore;
  if (redraw && changed) ScrollBars::Repaint(*target, bar);
  return state.Pos;
}

BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
  TWindow* target = TWindowSystem::Instance().Find(window);
  if (!target || !info || !IsBar(bar)) return FALSE;
  const TScrollBarState& state = ScrollBars::State(*target, bar);
  if (info->fMask & SIF_RANGE) {
    info->nMin = state.Min;
    info->nMax = state.Max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = static_cast<UINT>(state.Page);
  if (info->fMask & SIF_POS) info->nPos = state.Pos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = state.Tracking ? state.TrackPos : state.Pos;
  return TRUE;
}

BOOL SetScrollRange(HWND window, int bar, int min, int max, BOOL redraw) {
  if (int64_t{max} - min > INT32_MAX) return FALSE;
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  info.nMin = min;
  info.nMax = max;
  if (!TWindowSystem::Instance().Find(window) || !IsBar(bar)) return FALSE;
  SetScrollInfo(window, bar, &info, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND window, int bar, int* min, int* max) {
  SCROLLINFO info;
  info.fMask = SIF_RANGE;
  if (!min || !max || !GetScrollInfo(window, bar, &info)) return FALSE;
  *min = info.nMin;
  *max = info.nMax;
  return TRUE;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
  TWindow* target = TWindowSystem::Instance().Find(window);
  if (!target || !IsBar(bar)) return 0;
  const int old = ScrollBars::State(*target, bar).Pos;
  SCROLLINFO info;
  info.fMask = SIF_POS;
  info.nPos = pos;
  SetScrollInfo(window, bar, &info, redraw);
  return old;
}

int GetScrollPos(HWND window, int bar) {
  SCROLLINFO info;
  info.fMask = SIF_POS;
  return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show) {
  TWindow* target = TWindowSystem::Instance().Find(window);
  if (!target || (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH)) return FALSE;
  ShowBar(*target, bar, show != FALSE);
  return TRUE;
}
