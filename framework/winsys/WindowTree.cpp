#include "winsys/WindowTree.h"

#include <algorithm>
#include <functional>

#include "core/SysUtils.h"
#include "winsys/Painting.h"
#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}

bool IsTopmost(const TWindow* window) {
  return (window->ExStyle & WS_EX_TOPMOST) != 0;
}

void CollectPreOrder(TWindow& window, std::vector<HWND>& out) {
  out.push_back(window.Handle);
  for (TWindow* child : window.Children)
    CollectPreOrder(*child, out);
}

TRect DefaultPlacement(int x, int y, int width, int height, bool topLevel) {
  const TSurface& screen = System().Screen();
  if (x == CW_USEDEFAULT) {
    if (topLevel) {
      x = y = 26 * (System().NextCascade() % 8) + 10;
    } else {
      x = y = 0;
    }
  }
  if (width == CW_USEDEFAULT) {
    width = topLevel ? screen.Width() * 3 / 4 : 0;
    height = topLevel ? screen.Height() * 3 / 4 : 0;
  }
  return Bounds(x, y, std::max(width, 0), std::max(height, 0));
}
}  // namespace

namespace WindowTree {

void RecalcClient(TWindow& window) {
  TRect rect = window.WindowRect;
  System().Send(&window, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rect));
  rect = rect.Intersect(window.WindowRect);
  if (rect.IsEmpty())
    rect = {window.WindowRect.Left, window.WindowRect.Top, window.WindowRect.Left,
            window.WindowRect.Top};
  window.ClientRect = rect.Offset(-window.WindowRect.Left, -window.WindowRect.Top);
}

void PlaceInZOrder(TWindow& window, HWND insertAfter) {
  TWindow* parent = window.Parent;
  if (!parent) return;
  if (insertAfter == HWND_TOPMOST) window.ExStyle |= WS_EX_TOPMOST;
  if (insertAfter == HWND_NOTOPMOST) window.ExStyle &= ~WS_EX_TOPMOST;
  TWindow* after = nullptr;
  bool atBottom = insertAfter == HWND_BOTTOM;
  if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
      insertAfter != HWND_NOTOPMOST) {
    TWindow* sibling = System().Find(insertAfter);
    if (sibling && sibling->Parent == parent && sibling != &window) after = sibling;
  }
  parent->InsertChild(&window, after, atBottom && !after);
  // Topmost windows stay above all others, each group keeping its order.
  if (parent->IsDesktop())
    std::stable_partition(parent->Children.begin(), parent->Children.end(), IsTopmost);
}

TWindow* NextToActivate(const TWindow& window) {
  const TWindow* top = &window;
  if (top->Owner && top->Owner->IsShowing() && top->Owner->IsEnabled()) return top->Owner;
  for (TWindow* candidate : System().Desktop()->Children)
    if (candidate != top && candidate->IsVisible() && candidate->IsEnabled() &&
        !(candidate->ExStyle & WS_EX_TOOLWINDOW) && !candidate->IsChild())
      return candidate;
  return nullptr;
}

void Relinquish(TWindow& window, bool destroying) {
  TWindowSystem& system = System();
  TWindow* focus = system.Focus();
  if (focus && (focus == &window || window.IsAncestorOf(focus))) {
    TWindow* heir = destroying || window.IsDesktop() || !window.Parent || window.Parent->IsDesktop()
                        ? nullptr
                        : window.Parent;
    if (heir) {
      SetFocus(heir->Handle);
    } else {
      system.SetFocusHandle(nullptr);
      system.Send(focus, WM_KILLFOCUS, 0, 0);
    }
  }
  TWindow* capture = system.Capture();
  if (capture && (capture == &window || window.IsAncestorOf(capture))) ReleaseCapture();
  TWindow* tracked = system.Find(system.Tracker().Window());
  if (tracked && (tracked == &window || window.IsAncestorOf(tracked))) system.Tracker().Cancel();
  if (system.Active() == &window) {
    TWindow* next = NextToActivate(window);
    if (next) {
      SetActiveWindow(next->Handle);
    } else {
      system.SetActiveHandle(nullptr);
      system.Send(&window, WM_NCACTIVATE, FALSE, 0);
      system.Send(&window, WM_ACTIVATE, WA_INACTIVE, 0);
    }
  }
}

}  // namespace WindowTree

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param) {
  TWindowSystem& system = System();
  TWindowClass* windowClass = system.Classes().Find(className);
  if (!windowClass) return nullptr;
  TWindow* parentWindow = nullptr;
  if (parent && parent != HWND_MESSAGE) {
    parentWindow = system.Find(parent);
    if (!parentWindow) return nullptr;
  }
  const bool child = (style & WS_CHILD) != 0;
  if (child && !parentWindow) return nullptr;

  TWindow* window = system.NewWindow(windowClass);
  const HWND handle = window->Handle;
  window->Style = (style & ~WS_VISIBLE) | (child ? DWORD{0} : DWORD{WS_CLIPSIBLINGS});
  window->ExStyle = exStyle;
  window->Proc = windowClass->Proc;
  window->Instance = instance;
  window->Id = child ? reinterpret_cast<LONG_PTR>(menu) : 0;
  window->Extra.assign(static_cast<size_t>(windowClass->WindowExtra), 0);
  window->Parent = child ? parentWindow : system.Desktop();
  window->Owner =
      !child && parentWindow && !parentWindow->IsDesktop() ? parentWindow->TopLevel() : nullptr;
  window->WindowRect = DefaultPlacement(x, y, width, height, window->Parent->IsDesktop());
  window->ClientRect = {0, 0, window->WindowRect.Width(), window->WindowRect.Height()};
  WindowTree::PlaceInZOrder(*window, HWND_TOP);

  CREATESTRUCT create;
  create.lpCreateParams = param;
  create.hInstance = instance;
  create.hMenu = menu;
  create.hwndParent = parent;
  create.x = window->WindowRect.Left;
  create.y = window->WindowRect.Top;
  create.cx = window->WindowRect.Width();
  create.cy = window->WindowRect.Height();
  create.style = static_cast<LONG>(style);
  create.lpszName = windowName;
  create.lpszClass = className;
  create.dwExStyle = exStyle;
  if (!system.Send(window, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (!system.Find(handle)) return nullptr;
  WindowTree::RecalcClient(*window);
  if (system.Send(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (!system.Find(handle)) return nullptr;
  system.Send(window, WM_SIZE, SIZE_RESTORED,
              MAKELPARAM(static_cast<WORD>(window->ClientRect.Width()),
                         static_cast<WORD>(window->ClientRect.Height())));
  const TPoint clientOrigin{window->WindowRect.Left + window->ClientRect.Left,
                            window->WindowRect.Top + window->ClientRect.Top};
  system.Send(window, WM_MOVE, 0, PointToLParam(clientOrigin));
  if (child && !(exStyle & WS_EX_NOPARENTNOTIFY) && system.Find(parent))
    system.Send(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<WORD>(window->Id)),
                reinterpret_cast<LPARAM>(handle));
  if ((style & WS_VISIBLE) && system.Find(handle)) ShowWindow(handle, SW_SHOW);
  return system.Find(handle) ? handle : nullptr;
}

HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu,
                        instance, param);
}

BOOL DestroyWindow(HWND handle) {
  TWindowSystem& system = System();
  TWindow* window = system.Find(handle);
  if (!window || window->IsDesktop() || window->Destroyed) return FALSE;
  std::vector<HWND> owned;
  for (TWindow* candidate : system.Desktop()->Children)
    if (candidate->Owner == window) owned.push_back(candidate->Handle);
  for (HWND other : owned)
    DestroyWindow(other);
  if (!system.Find(handle) || window->Destroyed) return FALSE;

  std::vector<HWND> tree;
  CollectPreOrder(*window, tree);
  for (HWND h : tree)
    system.Find(h)->Destroyed = true;  // further DestroyWindow calls do nothing
  if (window->IsChild() && !(window->ExStyle & WS_EX_NOPARENTNOTIFY))
    system.Send(window->Parent, WM_PARENTNOTIFY,
                MAKEWPARAM(WM_DESTROY, static_cast<WORD>(window->Id)),
                reinterpret_cast<LPARAM>(handle));
  const TRegion covered = Painting::CoveredArea(*window);
  window->Style &= ~WS_VISIBLE;
  WindowTree::Relinquish(*window, true);
  Painting::ExposeScreen(covered);
  for (HWND h : tree)
    if (TWindow* w = system.Find(h)) system.Send(w, WM_DESTROY, 0, 0);
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
    TWindow* w = system.Find(*it);
    if (!w) continue;
    system.Send(w, WM_NCDESTROY, 0, 0);
    for (TWindow* other : system.Desktop()->Children)
      if (other->Owner == w) other->Owner = nullptr;
    if (w->Parent) w->Parent->RemoveChild(w);
    for (TWindow* child : w->Children)
      child->Parent = nullptr;
    system.Queue().Forget(w->Handle);
    if (system.Focus() == w) system.SetFocusHandle(nullptr);
    if (system.Capture() == w) system.SetCaptureHandle(nullptr);
    if (system.Active() == w) system.SetActiveHandle(nullptr);
    system.Retire(w);
  }
  return TRUE;
}

BOOL IsWindow(HWND window) {
  return System().Find(window) ? TRUE : FALSE;
}

HWND GetDesktopWindow() {
  return System().Desktop()->Handle;
}

HWND GetParent(HWND handle) {
  TWindow* window = System().Find(handle);
  if (!window) return nullptr;
  if (window->IsChild()) return window->Parent ? window->Parent->Handle : nullptr;
  return window->Owner ? window->Owner->Handle : nullptr;
}

HWND SetParent(HWND handle, HWND newParent) {
  TWindowSystem& system = System();
  TWindow* window = system.Find(handle);
  TWindow* parent = newParent ? system.Find(newParent) : system.Desktop();
  if (!window || !parent || window->IsDesktop() || parent == window || window->IsAncestorOf(parent))
    return nullptr;
  TWindow* old = window->Parent;
  const bool visible = window->IsShowing();
  const TRegion covered = Painting::CoveredArea(*window);
  if (visible) WindowTree::Relinquish(*window, false);
  old->RemoveChild(window);
  window->Parent = parent;
  WindowTree::PlaceInZOrder(*window, HWND_TOP);
  Painting::ExposeScreen(covered);
  if (window->IsShowing()) Painting::InvalidateTree(*window);
  return old->Handle;
}

HWND GetAncestor(HWND handle, UINT kind) {
  TWindow* window = System().Find(handle);
  if (!window || window->IsDesktop()) return nullptr;
  switch (kind) {
    case GA_PARENT:
      return window->Parent ? window->Parent->Handle : nullptr;
    case GA_ROOT:
      return window->TopLevel()->Handle;
    case GA_ROOTOWNER: {
      TWindow* root = window->TopLevel();
      while (root->Owner)
        root = root->Owner->TopLevel();
      return root->Handle;
    }
    default:
      return nullptr;
  }
}

HWND GetWindow(HWND handle, UINT relation) {
  TWindow* window = System().Find(handle);
  if (!window) return nullptr;
  if (relation == GW_CHILD)
    return window->Children.empty() ? nullptr : window->Children.front()->Handle;
  if (relation == GW_OWNER) return window->Owner ? window->Owner->Handle : nullptr;
  if (!window->Parent) return nullptr;
  const auto& siblings = window->Parent->Children;
  const int index = window->ZIndex();
  switch (relation) {
    case GW_HWNDFIRST:
      return siblings.front()->Handle;
    case GW_HWNDLAST:
      return siblings.back()->Handle;
    case GW_HWNDNEXT:
      return index + 1 < static_cast<int>(siblings.size()) ? siblings[index + 1]->Handle : nullptr;
    case GW_HWNDPREV:
      return index > 0 ? siblings[index - 1]->Handle : nullptr;
    default:
      return nullptr;
  }
}

HWND GetTopWindow(HWND window) {
  return GetWindow(window ? window : GetDesktopWindow(), GW_CHILD);
}

HWND GetNextWindow(HWND window, UINT relation) {
  return relation == GW_HWNDNEXT || relation == GW_HWNDPREV ? GetWindow(window, relation) : nullptr;
}

BOOL IsChild(HWND parent, HWND handle) {
  TWindow* p = System().Find(parent);
  TWindow* w = System().Find(handle);
  if (!p || !w) return FALSE;
  for (TWindow* up = w; up && up->IsChild(); up = up->Parent)
    if (up->Parent == p) return TRUE;
  return FALSE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param) {
  TWindow* window = parent ? System().Find(parent) : System().Desktop();
  if (!window || !proc) return FALSE;
  std::vector<HWND> tree;
  CollectPreOrder(*window, tree);
  for (size_t i = 1; i < tree.size(); ++i)
    if (System().Find(tree[i]) && !proc(tree[i], param)) break;
  return TRUE;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM param) {
  if (!proc) return FALSE;
  std::vector<HWND> topLevel;
  for (TWindow* child : System().Desktop()->Children)
    topLevel.push_back(child->Handle);
  for (HWND handle : topLevel)
    if (System().Find(handle) && !proc(handle, param)) break;
  return TRUE;
}

HWND FindWindow(const char* className, const char* windowName) {
  for (TWindow* child : System().Desktop()->Children) {
    if (className && !SameText(child->Class->Name, className)) continue;
    if (windowName && child->Text != windowName) continue;
    return child->Handle;
  }
  return nullptr;
}
