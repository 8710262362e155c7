#include "designintf/ClassProperty.h"

#include "core/Module.h"
#include "core/Persistent.h"
#include "designintf/ComponentProperties.h"
#include "rtti/PropInfo.h"

IMPLEMENT_CLASS(TClassProperty) {}

bool TClassProperty::AllEqual() {
  return true;
}

TPropertyAttributes TClassProperty::GetAttributes() {
  TPropertyAttributes attributes{paMultiSelect, paReadOnly};
  const std::vector<TPersistent*> objects = GetHeldObjects();
  if (!objects.empty() && !GetPropList(objects.front(), tkProperties).empty())
    attributes.Include(paSubProperties);
  return attributes;
}

void TClassProperty::GetProperties(const TGetPropEditProc& proc) {
  const std::vector<TPersistent*> objects = GetHeldObjects();
  if (!objects.empty()) GetObjectProperties(objects, tkProperties, GetDesigner(), proc);
}

std::string TClassProperty::GetValue() {
  return "(" + GetPropType()->Name + ")";
}

std::vector<TPersistent*> TClassProperty::GetHeldObjects() const {
  std::vector<TPersistent*> objects;
  for (int i = 0; i < GetPropCount(); ++i) {
    auto* object = dynamic_cast<TPersistent*>(GetObjectValueAt(i));
    if (!object) return {};
    objects.push_back(object);
  }
  return objects;
}
