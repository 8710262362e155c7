#pragma once

#include <map>
#include <string>
#include <vector>

#include "graphics/Region.h"
#include "types/Rect.h"
#include "types/WinTypes.h"
#include "winsys/WindowStyles.h"

class TWindowClass;

// The scroll-bar state of one bar of a window.
struct TScrollBarState {
  int Min = 0;
  int Max = 100;
  int Page = 0;
  int Pos = 0;
  int TrackPos = 0;
  bool Disabled = false;  // kept visible but inert (SIF_DISABLENOSCROLL)
  bool Tracking = false;  // the thumb is being dragged: it shows TrackPos
};

// One window of the window system. The window system owns every window and hands out handles;
// windows refer to each other (parent, owner, children) without owning. Internal to the window
// system; programs use handles.
class TWindow {
 public:
  TWindow(HWND handle, TWindowClass* windowClass) : Handle(handle), Class(windowClass) {}
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;

  HWND Handle;
  TWindowClass* Class;
  std::string Text;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  WNDPROC Proc = nullptr;
  LONG_PTR UserData = 0;
  LONG_PTR Id = 0;
  HINSTANCE Instance = nullptr;
  std::vector<uint8_t> Extra;
  std::map<std::string, HANDLE> Props;

  TWindow* Parent = nullptr;  // the desktop for top-level windows; null for the desktop
  TWindow* Owner = nullptr;
  std::vector<TWindow*> Children;  // in z-order, topmost first

  TRect WindowRect;  // in the parent's client coordinates
  TRect ClientRect;  // in window coordinates (relative to the window's top-left corner)

  TRegion Update;  // invalid client area, client coordinates
  bool EraseNeeded = false;
  bool FrameNeeded = false;
  bool Destroyed = false;

  TScrollBarState VScroll;
  TScrollBarState HScroll;

  bool IsChild() const { return (Style & WS_CHILD) != 0; }
  bool IsVisible() const { return (Style & WS_VISIBLE) != 0; }
  bool IsEnabled() const { return (Style & WS_DISABLED) == 0; }
  // Visible itself and every ancestor (the desktop counts as visible).
  bool IsShowing() const;
  bool IsDesktop() const { return Parent == nullptr; }
  // The window just below the desktop on the way up (itself for a top-level window).
  TWindow* TopLevel();
  bool IsAncestorOf(const TWindow* other) const;

  // Screen coordinates of the window's top-left corner, its whole rectangle and its client area.
  TPoint ScreenOrigin() const;
  TRect ScreenRect() const;
  TRect ClientScreenRect() const;
  TPoint ClientOrigin() const;
  // The client rectangle at (0,0).
  TRect ClientArea() const { return {0, 0, ClientRect.Width(), ClientRect.Height()}; }

  // Places child in the z-order: after (below) sibling, or at the top or the bottom.
  void InsertChild(TWindow* child, TWindow* after, bool atBottom);
  void RemoveChild(TWindow* child);
  int ZIndex() const;
};
