#include "vxedit/EditSource.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TEditSource) {}
IMPLEMENT_CLASS(TDummyEditSource) {}
