#include "vxedit/PopupListBox.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TPopupListBox) {}
