#include "winsys/Painting.h"

#include "graphics/DeviceContext.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace Painting {

TRegion VisibleRegion(const TWindow& window, bool clientOnly, bool clipChildren) {
  if (!window.IsDesktop() && !window.IsShowing()) return {};
  TRegion region(clientOnly ? window.ClientScreenRect() : window.ScreenRect());
  for (const TWindow* w = &window; w->Parent; w = w->Parent) {
    region.Intersect(w->Parent->ClientScreenRect());
    for (const TWindow* sibling : w->Parent->Children) {
      if (sibling == w) break;
      if (sibling->IsVisible()) region.Subtract(sibling->ScreenRect());
    }
  }
  if (clipChildren)
    for (const TWindow* child : window.Children)
      if (child->IsVisible()) region.Subtract(child->ScreenRect());
  return region;
}

void InvalidateClient(TWindow& window, const TRegion& region, bool erase) {
  TRegion area = region;
  area.Intersect(window.ClientArea());
  if (area.IsEmpty()) return;
  window.Update.Add(area);
  if (erase) window.EraseNeeded = true;
}

void InvalidateTree(TWindow& window) {
  InvalidateClient(window, TRegion(window.ClientArea()), true);
  if (window.ClientRect != TRect{0, 0, window.WindowRect.Width(), window.WindowRect.Height()})
    window.FrameNeeded = true;
  for (TWindow* child : window.Children)
    InvalidateTree(*child);
}

namespace {
void Expose(TWindow& window, const TRegion& area) {
  if (!window.IsDesktop() && !window.IsShowing()) return;
  TRegion visible = VisibleRegion(window, false);
  visible.Intersect(area);
  if (!visible.IsEmpty()) {
    const TRect clientScreen = window.ClientScreenRect();
    TRegion client = visible;
    client.Intersect(clientScreen);
    client.Offset(-clientScreen.Left, -clientScreen.Top);
    InvalidateClient(window, client, true);
    TRegion frame = visible;
    frame.Subtract(clientScreen);
    if (!frame.IsEmpty()) window.FrameNeeded = true;
  }
  for (TWindow* child : window.Children)
    Expose(*child, area);
}
}  // namespace

void ExposeScreen(const TRegion& area) {
  if (!area.IsEmpty()) Expose(*TWindowSystem::Instance().Desktop(), area);
}

TRegion CoveredArea(const TWindow& window) {
  if (!window.IsShowing()) return {};
  TRegion area(window.ScreenRect());
  for (const TWindow* w = &window; w->Parent; w = w->Parent)
    area.Intersect(w->Parent->ClientScreenRect());
  return area;
}

}  // namespace Painting

namespace {
TWindow* FindWindowOrDesktop(HWND window) {
  return window ? TWindowSystem::Instance().Find(window) : nullptr;
}

HDC ClientDC(TWindow& window, const TRegion* limit, bool clipChildren = true) {
  TRegion visible = Painting::VisibleRegion(window, true, clipChildren);
  const TPoint origin = window.ClientOrigin();
  if (limit) {
    TRegion screenLimit = *limit;
    screenLimit.Offset(origin.X, origin.Y);
    visible.Intersect(screenLimit);
  }
  return CreateSurfaceDC(&TWindowSystem::Instance().Screen(), origin, visible, window.Handle);
}

// Applies flags to one window and, with RDW_ALLCHILDREN, to the parts of its descendants that
// lie in area (client coordinates of window).
void Redraw(TWindow& window, const TRegion& area, UINT flags) {
  if (flags & RDW_INVALIDATE) {
    Painting::InvalidateClient(window, area, (flags & RDW_ERASE) != 0);
    if (flags & RDW_FRAME) window.FrameNeeded = true;
  }
  if (flags & RDW_VALIDATE) {
    window.Update.Subtract(area);
    if (flags & RDW_NOERASE) window.EraseNeeded = false;
    if (flags & RDW_NOFRAME) window.FrameNeeded = false;
  }
  if (!(flags & RDW_ALLCHILDREN)) return;
  for (TWindow* child : window.Children) {
    TRegion part = area;
    part.Offset(-(child->WindowRect.Left + child->ClientRect.Left),
                -(child->WindowRect.Top + child->ClientRect.Top));
    Redraw(*child, part, flags);
  }
}

void UpdateTree(TWindow& window, bool children) {
  UpdateWindow(window.Handle);
  if (!children) return;
  std::vector<HWND> handles;
  for (TWindow* child : window.Children)
    handles.push_back(child->Handle);
  for (HWND handle : handles)
    if (TWindow* child = TWindowSystem::Instance().Find(handle)) UpdateTree(*child, true);
}
}  // namespace

BOOL InvalidateRect(HWND window, const TRect* rect, BOOL erase) {
  if (!window) {
    Painting::InvalidateTree(*TWindowSystem::Instance().Desktop());
    return TRUE;
  }
  TWindow* target = FindWindowOrDesktop(window);
  if (!target) return FALSE;
  Painting::InvalidateClient(*target, TRegion(rect ? *rect : target->ClientArea()), erase != FALSE);
  return TRUE;
}

BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase) {
  TWindow* target = FindWindowOrDesktop(window);
  if (!target) return FALSE;
  if (!region) return InvalidateRect(window, nullptr, erase);
  TGdiRegion* area = FindRegion(region);
  if (!area) return FALSE;
  Painting::InvalidateClient(*target, area->Region, erase != FALSE);
  return TRUE;
}

BOOL ValidateRect(HWND window, const TRect* rect) {
  TWindow* target = FindWindowOrDesktop(window);
  if (!target) return FALSE;
  if (rect) {
    target->Update.Subtract(*rect);
  } else {
    target->Update.Clear();
    target->EraseNeeded = false;
  }
  return TRUE;
}

BOOL ValidateRgn(HWND window, HRGN region) {
  TWindow* target = FindWindowOrDesktop(window);
  if (!target) return FALSE;
  if (!region) return ValidateRect(window, nullptr);
  TGdiRegion* area = FindRegion(region);
  if (!area) return FALSE;
  target->Update.Subtract(area->Region);
  return TRUE;
}

BOOL GetUpdateRect(HWND window, TRect* rect, BOOL) {
  TWindow* target = FindWindowOrDesktop(window);
  if (!target) return FALSE;
  if (rect) *rect = target->Update.Bounds();
  return target->Update.IsEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND window, HRGN region, BOOL) {
  TWindow* target = FindWindowOrDesktop(window);
  TGdiRegion* result = FindRegion(region);
  if (!target || !result) return ERROR;
  result->Region = target->Update;
  if (target->Update.IsEmpty()) return NULLREGION;
  return target->Update.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL UpdateWindow(HWND window) {
  TWindow* target = FindWindowOrDesktop(window);
  if (!target) return FALSE;
  if ((!target->Update.IsEmpty() || target->FrameNeeded) && target->IsShowing())
    TWindowSystem::Instance().Send(target, WM_PAINT, 0, 0);
  return TRUE;
}

BOOL RedrawWindow(HWND window, const TRect* rect, HRGN region, UINT flags) {
  TWindow* target = window ? FindWindowOrDesktop(window) : TWindowSystem::Instance().Desktop();
  if (!target) return FALSE;
  TRegion area(target->ClientArea());
  if (region) {
    TGdiRegion* given = FindRegion(region);
    if (!given) return FALSE;
    area = given->Region;
  } else if (rect) {
    area = TRegion(*rect);
  }
  Redraw(*target, area, flags);
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateTree(*target, (flags & RDW_ALLCHILDREN) != 0);
  return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  TWindowSystem& system = TWindowSystem::Instance();
  TWindow* target = FindWindowOrDesktop(window);
  if (!target || !paint) return nullptr;
  if (target->FrameNeeded) {
    target->FrameNeeded = false;
    system.Send(target, WM_NCPAINT, 1, 0);
    if (!system.Find(window)) return nullptr;
  }
  const TRegion update = target->Update;
  const bool erase = target->EraseNeeded;
  target->Update.Clear();
  target->EraseNeeded = false;
  *paint = PAINTSTRUCT();
  paint->hdc = ClientDC(*target, &update);
  paint->rcPaint = update.Bounds();
  if (erase && !system.Send(target, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0))
    paint->fErase = TRUE;
  return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (!paint || !FindDC(paint->hdc)) return FALSE;
  DeleteDC(paint->hdc);
  return TRUE;
}

HDC GetDC(HWND window) {
  TWindowSystem& system = TWindowSystem::Instance();
  if (!window) {
    TSurface& screen = system.Screen();
    return CreateSurfaceDC(&screen, {0, 0}, TRegion(screen.Bounds()), nullptr);
  }
  TWindow* target = system.Find(window);
  return target ? ClientDC(*target, nullptr) : nullptr;
}

HDC GetDCEx(HWND window, HRGN region, DWORD flags) {
  TWindowSystem& system = TWindowSystem::Instance();
  TWindow* target = window ? system.Find(window) : nullptr;
  if (!target) return window ? nullptr : GetDC(nullptr);
  const bool clipChildren = (flags & DCX_CLIPCHILDREN) != 0;
  if (flags & DCX_WINDOW)
    return CreateSurfaceDC(&system.Screen(), target->ScreenOrigin(),
                           Painting::VisibleRegion(*target, false, clipChildren), target->Handle);
  if (!region) return ClientDC(*target, nullptr, clipChildren);
  TGdiRegion* limit = FindRegion(region);
  if (!limit) return nullptr;
  return ClientDC(*target, &limit->Region, clipChildren);
}

HDC GetWindowDC(HWND window) {
  TWindowSystem& system = TWindowSystem::Instance();
  if (!window) return GetDC(nullptr);
  TWindow* target = system.Find(window);
  if (!target) return nullptr;
  return CreateSurfaceDC(&system.Screen(), target->ScreenOrigin(),
                         Painting::VisibleRegion(*target, false), target->Handle);
}

int ReleaseDC(HWND window, HDC dc) {
  TDeviceContext* context = FindDC(dc);
  if (!context || context->IsMemory() || context->Window() != window) return 0;
  DeleteDC(dc);
  return 1;
}

int ScrollWindowEx(HWND window, int dx, int dy, const TRect* scroll, const TRect* clip, HRGN update,
                   TRect* updateRect, UINT flags) {
  TWindowSystem& system = TWindowSystem::Instance();
  TWindow* target = system.Find(window);
  if (!target) return ERROR;
  const TRect client = target->ClientArea();
  const TRect scrollRect = scroll ? scroll->Intersect(client) : client;
  const TRect clipRect = clip ? clip->Intersect(client) : client;
  TRegion visible = Painting::VisibleRegion(*target, true);
  const TPoint origin = target->ClientOrigin();
  visible.Offset(-origin.X, -origin.Y);

  // Pixels move only where both their old and their new place are visible.
  TRegion moved = visible;
  moved.Intersect(scrollRect);
  moved.Offset(dx, dy);
  moved.Intersect(visible);
  moved.Intersect(clipRect);
  if (!moved.IsEmpty()) {
    HDC dc = GetDC(window);
    HRGN movedRegion = CreateRectRgn(0, 0, 0, 0);
    FindRegion(movedRegion)->Region = moved;
    SelectClipRgn(dc, movedRegion);
    BitBlt(dc, scrollRect.Left + dx, scrollRect.Top + dy, scrollRect.Width(), scrollRect.Height(),
           dc, scrollRect.Left, scrollRect.Top, SRCCOPY);
    DeleteObject(movedRegion);
    ReleaseDC(window, dc);
  }
  TRegion invalid(scrollRect.Intersect(clipRect));
  invalid.Subtract(moved);
  if (flags & SW_INVALIDATE) {
    // What was already invalid moves with the pixels.
    TRegion carried = target->Update;
    carried.Intersect(scrollRect);
    target->Update.Subtract(scrollRect.Intersect(clipRect));
    carried.Offset(dx, dy);
    carried.Intersect(clipRect);
    target->Update.Add(carried);
    Painting::InvalidateClient(*target, invalid, (flags & SW_ERASE) != 0);
  }
  if (flags & SW_SCROLLCHILDREN) {
    std::vector<HWND> children;
    for (TWindow* child : target->Children)
      if (!scroll || !child->WindowRect.Intersect(scrollRect).IsEmpty())
        children.push_back(child->Handle);
    for (HWND handle : children)
      if (TWindow* child = system.Find(handle)) {
        SetWindowPos(handle, nullptr, child->WindowRect.Left + dx, child->WindowRect.Top + dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
  }
  if (TGdiRegion* result = FindRegion(update)) result->Region = invalid;
  if (updateRect) *updateRect = invalid.Bounds();
  if (invalid.IsEmpty()) return NULLREGION;
  return invalid.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

BOOL ScrollWindow(HWND window, int dx, int dy, const TRect* scroll, const TRect* clip) {
  const UINT flags = SW_INVALIDATE | SW_ERASE | (scroll ? 0u : UINT{SW_SCROLLCHILDREN});
  return ScrollWindowEx(window, dx, dy, scroll, clip, nullptr, nullptr, flags) != ERROR ? TRUE
                                                                                        : FALSE;
}
