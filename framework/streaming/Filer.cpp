#include "streaming/Filer.h"

#include "core/Module.h"

IMPLEMENT_CLASS(TFiler) {}
