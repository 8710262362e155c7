#pragma once

#include "core/Component.h"

// name, or when the owner of component already holds another component of that name, the
// first of name_1, name_2, ... that it does not: what a second instance of a form class read
// from its stored file is called.
TComponentName UniqueNameInOwner(const TComponent* component, const TComponentName& name);
