#pragma once

#include "controls/ControlTypes.h"

struct TCreateParams;

// The window styles of a control's single border: a sunken client edge when the control is 3-D,
// a thin line otherwise; nothing for bsNone.
void ApplyBorderStyle(TCreateParams& params, TBorderStyle style, bool ctl3D);
