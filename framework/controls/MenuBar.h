#pragma once

#include <vector>

#include "types/Rect.h"

class TCustomForm;

// The menu bar of a form: a band of the main menu's top items between the caption and the
// client area. The form draws it in its non-client area; the menu tracker asks where its items
// are. Titles are drawn sunken while their menu is dropped, raised while selected from the
// keyboard with their menu closed.
namespace MenuBar {
// Whether form shows a bar: it has a window, a main menu, and a visible top item in it.
bool Shows(TCustomForm* form);
int Height();
// The bar in screen coordinates (empty when not shown).
TRect ScreenRect(TCustomForm* form);
// The titles in screen coordinates, one per top item (empty for hidden ones).
std::vector<TRect> ItemScreenRects(TCustomForm* form);
// The top item under a screen point, or -1.
int ItemAt(TCustomForm* form, TPoint screen);
// The shown, enabled top item whose '&' letter is character, or -1.
int AcceleratorIndex(TCustomForm* form, char32_t character);
// Draws the bar on the form's window as the tracker's state says.
void Paint(TCustomForm* form);
}  // namespace MenuBar
