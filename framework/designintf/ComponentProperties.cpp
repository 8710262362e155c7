#include "designintf/ComponentProperties.h"

#include "core/Component.h"
#include "designintf/ComponentList.h"
#include "designintf/PropertyEditor.h"
#include "designintf/PropertyEditorRegistry.h"
#include "rtti/PropInfo.h"

namespace {
// The property named like first's on every object, with the same type information; empty when
// one object lacks it.
TInstPropList FindCommonProperty(const std::vector<TPersistent*>& objects, PPropInfo first) {
  TInstPropList props;
  for (TPersistent* object : objects) {
    PPropInfo info = object->ClassType()->FindProperty(first->GetName());
    if (!info || info->GetPropType() != first->GetPropType()) return {};
    props.push_back({object, info});
  }
  return props;
}

// The editor class that every object's registration gives; null when the property is hidden on
// one of them or they disagree.
TClass CommonEditorClass(const TInstPropList& props) {
  const TClass editorClass = GetEditorClass(props.front().PropInfo, props.front().Instance);
  for (const TInstProp& prop : props)
    if (GetEditorClass(prop.PropInfo, prop.Instance) != editorClass) return nullptr;
  return editorClass;
}

bool AllWritable(const TInstPropList& props) {
  for (const TInstProp& prop : props)
    if (!prop.PropInfo->IsWritable()) return false;
  return true;
}

// A read-only value cannot be edited, a read-only object's properties can; several objects
// need an editor that can edit them together.
bool IsShown(TPropertyAttributes attributes, bool writable, size_t objectCount) {
  if (!writable && !attributes.Contains(paSubProperties)) return false;
  return objectCount == 1 || attributes.Contains(paMultiSelect);
}
}  // namespace

void GetObjectProperties(const std::vector<TPersistent*>& objects, TTypeKinds filter,
                         TFormDesigner* designer, const TGetPropEditProc& proc) {
  if (objects.empty()) return;
  for (PPropInfo first : GetPropList(objects.front(), filter)) {
    TInstPropList props = FindCommonProperty(objects, first);
    if (props.empty()) continue;
    const TClass editorClass = CommonEditorClass(props);
    if (!editorClass) continue;
    const bool writable = AllWritable(props);
    std::unique_ptr<TPropertyEditor> editor =
        CreatePropertyEditor(editorClass, designer, std::move(props));
    if (IsShown(editor->GetAttributes(), writable, objects.size())) proc(std::move(editor));
  }
}

void GetComponentProperties(const TComponentList& components, TTypeKinds filter,
                            TFormDesigner* designer, const TGetPropEditProc& proc) {
  std::vector<TPersistent*> objects;
  for (TComponent* component : components)
    if (component) objects.push_back(component);
  GetObjectProperties(objects, filter, designer, proc);
}
