#pragma once

#include "graphics/Region.h"
#include "winsys/Window.h"

// How windows share the screen: what of each window is visible, and how invalid areas are
// recorded when windows change. Windows always clip their children and the siblings above
// them, so every pixel of the screen belongs to exactly one window.
namespace Painting {
// The visible part of the window (its client area only when clientOnly), in screen
// coordinates; its children's areas are left out unless clipChildren is false.
TRegion VisibleRegion(const TWindow& window, bool clientOnly, bool clipChildren = true);
// Adds region (client coordinates) to the window's update region.
void InvalidateClient(TWindow& window, const TRegion& region, bool erase);
// Invalidates the window's whole client area and frame, and those of its descendants.
void InvalidateTree(TWindow& window);
// Invalidates whatever shows in area (screen coordinates) in every window: what a window that
// moved away or vanished uncovered.
void ExposeScreen(const TRegion& area);
// The screen area that window and its descendants cover while showing (empty otherwise).
TRegion CoveredArea(const TWindow& window);
}  // namespace Painting
