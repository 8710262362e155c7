#include "core/List.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TList) {}

void RaiseListIndexError(int index) {
  throw EListError(Format("List index out of bounds (%d)", index));
}

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) RaiseListIndexError(index);
}

void TList::SetCount(int count) {
  if (count < 0) throw EListError(Format("List count out of bounds (%d)", count));
  FItems.resize(static_cast<size_t>(count), nullptr);
}

void* TList::Get(int index) const {
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)];
}

void TList::Put(int index, void* item) {
  CheckIndex(index);
  FItems[static_cast<size_t>(index)] = item;
}

int TList::Add(void* item) {
  FItems.push_back(item);
  return GetCount() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > GetCount()) RaiseListIndexError(index);
  FItems.insert(FItems.begin() + index, item);
}

void TList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

int TList::IndexOf(const void* item) const {
  const auto found = std::find(FItems.begin(), FItems.end(), item);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  void* item = FItems[static_cast<size_t>(curIndex)];
  FItems.erase(FItems.begin() + curIndex);
  FItems.insert(FItems.begin() + newIndex, item);
}

void TList::Pack() {
  std::erase(FItems, nullptr);
}

void TList::Sort(const std::function<int(void*, void*)>& compare) {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [&](void* a, void* b) { return compare(a, b) < 0; });
}
