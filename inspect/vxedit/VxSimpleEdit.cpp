#include "vxedit/VxSimpleEdit.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TVxSimpleEdit) {}
