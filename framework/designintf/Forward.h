#pragma once

#include <functional>
#include <memory>
#include <string>

// Forward declarations and callback types of the design-time property-editor machinery.

class TPropertyEditor;
class TFormDesigner;
class TComponentList;

// Receives one string, such as a value of a value list or a component name.
using TGetStrProc = std::function<void(const std::string& value)>;
// Receives a new property editor and becomes its owner.
using TGetPropEditProc = std::function<void(std::unique_ptr<TPropertyEditor> editor)>;
