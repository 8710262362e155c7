#pragma once

#include "winsys/Messages.h"

// Asks an editor control to paint its value onto the canvas in wParam (a TCanvas*) at the
// point in lParam (x in the low word, y in the high word); the result is 1 when it painted.
// The object inspector sends it for values whose editor class is not the plain text edit.
inline constexpr UINT CM_PAINTTO = CM_BASE + 200;
