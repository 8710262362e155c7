#pragma once

#include "winsys/Window.h"

// Operations on the window tree shared by the window system's calls.
namespace WindowTree {
// Asks the window for its client area (WM_NCCALCSIZE) for its current window rectangle.
void RecalcClient(TWindow& window);
// Moves window within its parent's z-order: after sibling, or to the top or bottom; windows
// of the desktop keep the topmost ones above the others.
void PlaceInZOrder(TWindow& window, HWND insertAfter);
// The next top-level window to activate when window stops being active, or null.
TWindow* NextToActivate(const TWindow& window);
// Lets window and its descendants give up focus, capture, activation and non-client tracking
// before they are hidden or destroyed.
void Relinquish(TWindow& window, bool destroying);
}  // namespace WindowTree

namespace WindowTree {
// Makes the top-level window of window the active one (state WA_ACTIVE or WA_CLICKACTIVE) and
// brings it to the top; returns the previously active window.
HWND Activate(TWindow& window, WORD state);
}  // namespace WindowTree
