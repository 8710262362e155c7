#include "designintf/ComponentProperties.h"

#include <unordered_map>

#include "core/Component.h"
#include "designintf/ComponentList.h"
#include "designintf/PropertyEditor.h"
#include "designintf/PropertyEditorRegistry.h"
#include "rtti/PropInfo.h"

namespace {
// The objects grouped by class: properties are matched and editor classes chosen once per
// class, so a selection of many components of one class costs what one component costs plus a
// list entry per object.
struct TSelectionClasses {
  std::vector<const TPersistent*> Representatives;  // one object per class
  std::vector<size_t> ClassOf;                      // per object, its class's position

  explicit TSelectionClasses(const std::vector<TPersistent*>& objects) {
    std::unordered_map<TClass, size_t> positions;
    ClassOf.reserve(objects.size());
    for (const TPersistent* object : objects) {
      const auto [place, added] = positions.emplace(object->ClassType(), Representatives.size());
      if (added) Representatives.push_back(object);
      ClassOf.push_back(place->second);
    }
  }
};

// A read-only value cannot be edited; a read-only object's properties can, and so can its
// contents through a dialog (a collection's items). Several objects need an editor that can
// edit them together.
bool IsShown(TPropertyAttributes attributes, bool writable, bool isObject, size_t objectCount) {
  if (!writable && !attributes.Contains(paSubProperties) &&
      !(isObject && attributes.Contains(paDialog)))
    return false;
  return objectCount == 1 || attributes.Contains(paMultiSelect);
}
}  // namespace

void GetObjectProperties(const std::vector<TPersistent*>& objects, TTypeKinds filter,
                         TFormDesigner* designer, const TGetPropEditProc& proc) {
  if (objects.empty()) return;
  const TSelectionClasses classes(objects);
  std::vector<PPropInfo> matches(classes.Representatives.size());
  for (PPropInfo first : GetPropList(objects.front(), filter)) {
    // The property of that name and type information on every class, with one editor class.
    const TClass editorClass = GetEditorClass(first, objects.front());
    if (!editorClass) continue;
    bool common = true;
    bool writable = true;
    for (size_t c = 0; c < classes.Representatives.size() && common; ++c) {
      const TPersistent* representative = classes.Representatives[c];
      PPropInfo info = c == 0 ? first : representative->ClassType()->FindProperty(first->GetName());
      common = info && info->GetPropType() == first->GetPropType() &&
               (c == 0 || GetEditorClass(info, representative) == editorClass);
      if (common) writable = writable && info->IsWritable();
      matches[c] = info;
    }
    if (!common) continue;
    TInstPropList props;
    props.reserve(objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
      props.push_back({objects[i], matches[classes.ClassOf[i]]});
    std::unique_ptr<TPropertyEditor> editor =
        CreatePropertyEditor(editorClass, designer, std::move(props));
    if (IsShown(editor->GetAttributes(), writable, first->GetPropType()->Kind == tkClass,
                objects.size()))
      proc(std::move(editor));
  }
}

void GetComponentProperties(const TComponentList& components, TTypeKinds filter,
                            TFormDesigner* designer, const TGetPropEditProc& proc) {
  std::vector<TPersistent*> objects;
  for (TComponent* component : components)
    if (component) objects.push_back(component);
  GetObjectProperties(objects, filter, designer, proc);
}
