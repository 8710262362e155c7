#include "designintf/ComponentList.h"

#include <algorithm>

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

int TComponentList::IndexOf(const TComponent* component) const {
  const auto found = std::find(FItems.begin(), FItems.end(), component);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TComponentList::Delete(int index) {
  if (index < 0 || index >= GetCount()) RaiseListIndexError(index);
  FItems.erase(FItems.begin() + index);
}

int TComponentList::Remove(const TComponent* component) {
  const int index = IndexOf(component);
  if (index >= 0) Delete(index);
  return index;
}
