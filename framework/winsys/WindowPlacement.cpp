#include <algorithm>

#include "winsys/NonClient.h"
#include "winsys/Painting.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"
#include "winsys/WindowTree.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}

// Flags of WM_WINDOWPOSCHANGED telling that the client area kept its place or size.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

TRect NewWindowRect(const TWindow& window, const WINDOWPOS& pos) {
  TRect rect = window.WindowRect;
  if (!(pos.flags & SWP_NOMOVE)) rect = rect.Offset(pos.x - rect.Left, pos.y - rect.Top);
  if (!(pos.flags & SWP_NOSIZE)) {
    rect.Right = rect.Left + std::max(pos.cx, 0);
    rect.Bottom = rect.Top + std::max(pos.cy, 0);
  }
  return rect;
}

TWindow* Deepest(TWindow& window, TPoint screen) {
  for (TWindow* child : window.Children) {
    if (!child->IsVisible() || !child->ScreenRect().Contains(screen)) continue;
    if (!child->IsEnabled()) return child;
    if (child->ClientScreenRect().Contains(screen))
      if (TWindow* inner = Deepest(*child, screen)) return inner;
    return child;
  }
  return nullptr;
}
}  // namespace

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  TWindowSystem& system = System();
  TWindow* window = system.Find(handle);
  if (!window || window->IsDesktop()) return FALSE;
  WINDOWPOS pos{handle, insertAfter, x, y, width, height, flags};
  if (!(flags & SWP_NOSENDCHANGING)) {
    system.Send(window, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!system.Find(handle)) return FALSE;
  }
  flags = pos.flags;
  const bool wasShowing = window->IsShowing();
  const TRegion oldArea = Painting::CoveredArea(*window);
  const TRect oldRect = window->WindowRect;
  const TRect oldClient = window->ClientRect;
  const TRect newRect = NewWindowRect(*window, pos);
  const bool moved = newRect.TopLeft() != oldRect.TopLeft();
  const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
  bool changed = moved || sized;

  if (!(flags & SWP_NOZORDER)) {
    const int before = window->ZIndex();
    WindowTree::PlaceInZOrder(*window, pos.hwndInsertAfter);
    changed |= window->ZIndex() != before;
  }
  if ((flags & SWP_HIDEWINDOW) && window->IsVisible()) {
    WindowTree::Relinquish(*window, false);
    window->Style &= ~WS_VISIBLE;
    changed = true;
  } else if ((flags & SWP_SHOWWINDOW) && !window->IsVisible()) {
    window->Style |= WS_VISIBLE;
    changed = true;
  }
  window->WindowRect = newRect;
  if (sized || moved || (flags & SWP_FRAMECHANGED)) WindowTree::RecalcClient(*window);
  const bool clientMoved = window->ClientRect.TopLeft() != oldClient.TopLeft() || moved;
  const bool clientSized = window->ClientRect.Width() != oldClient.Width() ||
                           window->ClientRect.Height() != oldClient.Height();

  if (!(flags & SWP_NOREDRAW) && (changed || (flags & SWP_FRAMECHANGED))) {
    Painting::ExposeScreen(oldArea);
    if (window->IsShowing()) Painting::InvalidateTree(*window);
  }
  if (!wasShowing && window->IsShowing() && !window->IsChild() && !(flags & SWP_NOACTIVATE) &&
      window->Parent->IsDesktop())
    SetActiveWindow(handle);
  if (!system.Find(handle)) return TRUE;

  WINDOWPOS done{handle,          pos.hwndInsertAfter, newRect.Left, newRect.Top,
                 newRect.Width(), newRect.Height(),    flags};
  if (!moved) done.flags |= SWP_NOMOVE;
  if (!sized) done.flags |= SWP_NOSIZE;
  if (!clientMoved) done.flags |= SWP_NOCLIENTMOVE;
  if (!clientSized) done.flags |= SWP_NOCLIENTSIZE;
  system.Send(window, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&done));
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : UINT{SWP_NOREDRAW}));
}

BOOL ShowWindow(HWND handle, int command) {
  TWindowSystem& system = System();
  TWindow* window = system.Find(handle);
  if (!window || window->IsDesktop()) return FALSE;
  const bool wasVisible = window->IsVisible();
  const UINT sizeFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      system.Send(window, WM_SHOWWINDOW, FALSE, 0);
      SetWindowPos(handle, nullptr, 0, 0, 0, 0, sizeFlags | SWP_NOACTIVATE | SWP_HIDEWINDOW);
      return TRUE;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      window->Style |= WS_MINIMIZE;
      window->Style &= ~WS_MAXIMIZE;
      if (wasVisible) system.Send(window, WM_SHOWWINDOW, FALSE, 0);
      SetWindowPos(handle, nullptr, 0, 0, 0, 0, sizeFlags | SWP_NOACTIVATE | SWP_HIDEWINDOW);
      return wasVisible ? TRUE : FALSE;
    case SW_MAXIMIZE: {
      window->Style = (window->Style | WS_MAXIMIZE) & ~WS_MINIMIZE;
      if (!wasVisible) system.Send(window, WM_SHOWWINDOW, TRUE, 0);
      const TRect area = window->Parent->ClientArea();
      SetWindowPos(handle, HWND_TOP, area.Left, area.Top, area.Width(), area.Height(),
                   SWP_SHOWWINDOW | SWP_FRAMECHANGED);
      return wasVisible ? TRUE : FALSE;
    }
    default: {
      const bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE;
      if (command == SW_RESTORE || command == SW_SHOWNORMAL)
        window->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
      if (!wasVisible) system.Send(window, WM_SHOWWINDOW, TRUE, 0);
      if (!system.Find(handle)) return FALSE;
      SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                   sizeFlags | SWP_SHOWWINDOW | (activate ? 0u : UINT{SWP_NOACTIVATE}));
      return wasVisible ? TRUE : FALSE;
    }
  }
}

BOOL BringWindowToTop(HWND window) {
  return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL IsWindowVisible(HWND handle) {
  TWindow* window = System().Find(handle);
  return window && window->IsShowing() ? TRUE : FALSE;
}

BOOL IsIconic(HWND handle) {
  TWindow* window = System().Find(handle);
  return window && (window->Style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND handle) {
  TWindow* window = System().Find(handle);
  return window && (window->Style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND handle, TRect* rect) {
  TWindow* window = System().Find(handle);
  if (!window || !rect) return FALSE;
  *rect = window->ScreenRect();
  return TRUE;
}

BOOL GetClientRect(HWND handle, TRect* rect) {
  TWindow* window = System().Find(handle);
  if (!window || !rect) return FALSE;
  *rect = window->ClientArea();
  return TRUE;
}

BOOL ClientToScreen(HWND handle, TPoint* point) {
  TWindow* window = System().Find(handle);
  if (!window || !point) return FALSE;
  const TPoint origin = window->ClientOrigin();
  *point = {point->X + origin.X, point->Y + origin.Y};
  return TRUE;
}

BOOL ScreenToClient(HWND handle, TPoint* point) {
  TWindow* window = System().Find(handle);
  if (!window || !point) return FALSE;
  const TPoint origin = window->ClientOrigin();
  *point = {point->X - origin.X, point->Y - origin.Y};
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, UINT count) {
  TWindow* source = from ? System().Find(from) : nullptr;
  TWindow* target = to ? System().Find(to) : nullptr;
  if ((from && !source) || (to && !target)) return 0;
  const TPoint a = source ? source->ClientOrigin() : TPoint{};
  const TPoint b = target ? target->ClientOrigin() : TPoint{};
  const int dx = a.X - b.X, dy = a.Y - b.Y;
  if (points)
    for (UINT i = 0; i < count; ++i)
      points[i] = {points[i].X + dx, points[i].Y + dy};
  return static_cast<int>(MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy)));
}

HWND WindowFromPoint(TPoint point) {
  TWindow* found = Deepest(*System().Desktop(), point);
  while (found && !found->IsEnabled() && found->IsChild())
    found = found->Parent;
  return found && !found->IsDesktop() ? found->Handle : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, TPoint point) {
  TWindow* window = System().Find(parent);
  if (!window) return nullptr;
  const TPoint origin = window->ClientOrigin();
  const TPoint screen{point.X + origin.X, point.Y + origin.Y};
  if (!window->ClientScreenRect().Contains(screen) && !window->IsDesktop()) return nullptr;
  for (TWindow* child : window->Children)
    if (child->ScreenRect().Contains(screen)) return child->Handle;
  return parent;
}

BOOL AdjustWindowRectEx(TRect* rect, DWORD style, BOOL, DWORD exStyle) {
  if (!rect) return FALSE;
  *rect = NonClient::WindowFromClient(style, exStyle, *rect);
  return TRUE;
}

BOOL AdjustWindowRect(TRect* rect, DWORD style, BOOL menu) {
  return AdjustWindowRectEx(rect, style, menu, 0);
}
