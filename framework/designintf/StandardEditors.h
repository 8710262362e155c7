#pragma once

#include <functional>
#include <string_view>

#include "core/Forward.h"

// The framework's own property editors, as the registry starts with them.
namespace Detail {
using TAddRegistration = std::function<void(PTypeInfo propertyType, TClass componentClass,
                                            std::string_view propertyName, TClass editorClass)>;

// Calls add once per registration the framework makes for its own types, in order.
void AddStandardRegistrations(const TAddRegistration& add);
// The editor of a property that no registration covers, by its kind; null for kinds without
// an editor.
TClass StandardEditorClass(PTypeInfo propertyType);
}  // namespace Detail
