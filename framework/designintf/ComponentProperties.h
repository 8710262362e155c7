#pragma once

#include <vector>

#include "core/Forward.h"
#include "designintf/Forward.h"
#include "rtti/TypeInfo.h"

// Calls proc once per property to show for the selection components: each property whose kind
// is in filter and that every component publishes under the same name with the same type
// information, in the first component's declaration order. Each call hands over a new editor
// that covers the property on all components; proc owns it.
//
// A property is left out when the registry (RegisterPropertyEditor) hides it or gives the
// components different editor classes; when it has no setter and its editor offers neither
// sub-properties nor, for an object, a dialog (a read-only value cannot be edited, a read-only
// object's properties and contents can); and, with several components, when its editor lacks
// paMultiSelect. Null entries of the list are skipped. Exceptions of editors propagate and end
// the call.
//
// Properties are matched and editor classes chosen once per class of the selection, through
// the classes' name indexes: the cost grows with the number of properties and, beyond that,
// with one list entry per selected component.
void GetComponentProperties(const TComponentList& components, TTypeKinds filter,
                            TFormDesigner* designer, const TGetPropEditProc& proc);

// The same for any persistent objects, such as the fonts of several controls.
void GetObjectProperties(const std::vector<TPersistent*>& objects, TTypeKinds filter,
                         TFormDesigner* designer, const TGetPropEditProc& proc);
