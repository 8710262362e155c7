#pragma once

#include <cstdint>
#include <string>

#include "core/Object.h"
#include "rtti/MetaClass.h"

// One entry of the inspector's aliases text: the name a property is shown under, the group it
// belongs to and whether it expands by itself.
class TPInfo : public TObject {
  DECLARE_CLASS(TPInfo, TObject);

 public:
  TPInfo() = default;

  std::string DisplayName;  // empty: keep the property name
  int32_t Group = -1;       // position in the sorted group names; -1: no section above it
  bool AutoExpand = false;
  bool AlwaysExpand = false;
};
