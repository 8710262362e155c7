#pragma once

#include <string>

#include "rtti/TypeInfo.h"

// The caption of a control, or the text of an edit: a string type of its own, so that designers
// apply each change of it at once while the user types.
DECLARE_STRING_TYPE(TCaption)
