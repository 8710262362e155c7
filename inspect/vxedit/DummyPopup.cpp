#include "vxedit/DummyPopup.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TDummyPopup) {}
