#pragma once

#include <string_view>

#include "core/Forward.h"

// The process-wide choice of property editors. It starts with the framework's own
// registrations (colours, cursors, captions, component names, string lists, modal results,
// dates and times, Booleans); properties that no registration covers get the standard editor
// of their kind.
//
// A registration matches a property of an object when propertyType is the property's type
// information (for class types also the type of an ancestor class), componentClass is null or
// a class the object is an instance of, and propertyName is empty or the property's name (any
// letter case). The best match wins: first the closest type (the type itself before an
// ancestor, a near ancestor before a far one), then a named property before any name, then the
// most derived component class (null counting least), and among equals the later
// registration. When the winner has no editor class, the property is hidden.

// Registers editorClass (a TPropertyEditor descendant, or null to hide what matches). Raises
// EPropertyError for a null propertyType or a class that is not a property editor.
void RegisterPropertyEditor(PTypeInfo propertyType, TClass componentClass,
                            std::string_view propertyName, TClass editorClass);

// The editor class for property propInfo of instance, or null when the property is hidden or
// its kind has no editor (records, arrays, variants, interfaces).
TClass GetEditorClass(PPropInfo propInfo, const TPersistent* instance);
