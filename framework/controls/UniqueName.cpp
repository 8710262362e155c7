#include "controls/UniqueName.h"

#include "core/SysUtils.h"

TComponentName UniqueNameInOwner(const TComponent* component, const TComponentName& name) {
  const TComponent* owner = component->GetOwner();
  auto taken = [&](const std::string& candidate) {
    const TComponent* found = owner ? owner->FindComponent(candidate) : nullptr;
    return found && found != component;
  };
  if (name.empty() || !taken(name)) return name;
  for (int n = 1;; ++n) {
    const std::string candidate = Format("%s_%d", name, n);
    if (!taken(candidate)) return TComponentName(candidate);
  }
}
