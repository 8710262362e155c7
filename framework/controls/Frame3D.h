#pragma once

#include "graphics/Canvas.h"
#include "graphics/Color.h"
#include "types/Rect.h"

// Draws width rings inside rect, the top and left sides in topLeft and the bottom and right
// sides (which own the corners they share with the others) in bottomRight, and shrinks rect to
// the area within them: the bevels of panels and splitters.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);
