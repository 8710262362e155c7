#include "designintf/ComponentList.h"

#include "core/List.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TComponentList) {}

int TComponentList::Add(TComponent* component) {
  FItems.push_back(component);
  return GetCount() - 1;
}

TComponent* TComponentList::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) RaiseListIndexError(index);
  return FItems[static_cast<size_t>(index)];
}
