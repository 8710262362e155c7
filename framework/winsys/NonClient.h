#pragma once

#include "types/Rect.h"
#include "types/WinTypes.h"

class TWindow;

// The non-client area of windows: frame, caption, client edge and scroll bars. Sizes come
// from the styles, in the platform's order: the frame (thick, dialog or thin border), the
// caption, the client edge, then the scroll bars.
namespace NonClient {
// The client rectangle inside a window rectangle (same coordinates) for these styles;
// scroll bars count when their style bits are set.
TRect ClientFromWindow(DWORD style, DWORD exStyle, const TRect& window);
// The window rectangle around a client rectangle, without scroll bars.
TRect WindowFromClient(DWORD style, DWORD exStyle, const TRect& client);
// Parts, in window coordinates (empty when absent).
TRect CaptionRect(const TWindow& window);
TRect CloseButtonRect(const TWindow& window);
TRect ScrollBarRect(const TWindow& window, int bar);
// The default answer to WM_NCHITTEST at a screen point.
int HitTest(const TWindow& window, TPoint screen);
// Paints the frame, caption and scroll bars (the default WM_NCPAINT).
void Paint(TWindow& window);
// Draws only the caption, as activation changes it.
void PaintCaption(TWindow& window);
}  // namespace NonClient
