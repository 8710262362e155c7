#include "controls/ControlBorder.h"

#include "controls/WinControl.h"
#include "winsys/WinUser.h"

void ApplyBorderStyle(TCreateParams& params, TBorderStyle style, bool ctl3D) {
  if (style == bsNone) return;
  if (ctl3D)
    params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    params.Style |= WS_BORDER;
}
