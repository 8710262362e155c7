#include "designintf/FormDesigner.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TFormDesigner) {}
