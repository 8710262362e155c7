#include "core/Persistent.h"

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TPersistent) {}

void TPersistent::Assign(TPersistent* source) {
  if (source)
    source->AssignTo(this);
  else
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) {
  dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* source) {
  const std::string sourceName = source ? source->ClassName() : std::string("nil");
  throw EConvertError(Format("Cannot assign a %s to a %s", sourceName, ClassName()));
}

std::string TPersistent::GetNamePath() const {
  std::string result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    const std::string ownerPath = owner->GetNamePath();
    if (!ownerPath.empty()) result = ownerPath + "." + result;
  }
  return result;
}
