#pragma once

#include <string>

#include "graphics/Font.h"
#include "types/Rect.h"

// Text measured in a font without a control's window: for layouts computed before anything
// is painted (tree rows, tabs, menu items).
TSize MeasureText(TFont* font, const std::string& text);
// The font's cell height (ascent plus descent) in pixels.
int FontHeight(TFont* font);
