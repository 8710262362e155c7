#include "controls/Designer.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TDesigner) {}
