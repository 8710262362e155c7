#include "core/StringList.h"

#include <algorithm>
#include <numeric>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TStringList) {}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FList[static_cast<size_t>(index)].String;
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index);
  return FList[static_cast<size_t>(index)].Object;
}

void TStringList::Put(int index, const std::string& text) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  CheckIndex(index);
  Changing();
  FList[static_cast<size_t>(index)].String = text;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  FList[static_cast<size_t>(index)].Object = object;
  Changed();
}

void TStringList::Insert(int index, const std::string& text) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted string list");
  if (index < 0 || index > GetCount()) Error("List index out of bounds (%d)", index);
  InsertItem(index, text, nullptr);
}

void TStringList::InsertItem(int index, const std::string& text, TObject* object) {
  Changing();
  FList.insert(FList.begin() + index, TStringItem{text, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  FList.erase(FList.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

int TStringList::AddObject(const std::string& text, TObject* object) {
  int index = GetCount();
  if (FSorted && Find(text, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
    // Accepted duplicates go after their equals, so equal strings keep the order of adding.
    while (index < GetCount() && SameText(FList[static_cast<size_t>(index)].String, text))
      ++index;
  }
  InsertItem(index, text, object);
  return index;
}

void TStringList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(FList[static_cast<size_t>(index1)], FList[static_cast<size_t>(index2)]);
  Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  Changing();
  TStringItem item = std::move(FList[static_cast<size_t>(curIndex)]);
  FList.erase(FList.begin() + curIndex);
  FList.insert(FList.begin() + newIndex, std::move(item));
  Changed();
}

int TStringList::IndexOf(std::string_view text) const {
  if (!FSorted) return TStrings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

bool TStringList::Find(std::string_view text, int& index) const {
  if (!FSorted) {
    index = TStrings::IndexOf(text);
    if (index >= 0) return true;
    index = GetCount();
    return false;
  }
  // The first item not less than text.
  const auto position = std::lower_bound(FList.begin(), FList.end(), text,
                                         [](const TStringItem& item, std::string_view key) {
                                           return CompareText(item.String, key) < 0;
                                         });
  index = static_cast<int>(position - FList.begin());
  return position != FList.end() && CompareText(position->String, text) == 0;
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int index1, int index2) {
    return CompareText(list->FList[static_cast<size_t>(index1)].String,
                       list->FList[static_cast<size_t>(index2)].String);
  });
}

void TStringList::CustomSort(
    const std::function<int(TStringList* list, int index1, int index2)>& compare) {
  if (FList.size() < 2) return;
  Changing();
  std::vector<int> order(FList.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return compare(this, a, b) < 0; });
  std::vector<TStringItem> sorted;
  sorted.reserve(FList.size());
  for (int index : order)
    sorted.push_back(std::move(FList[static_cast<size_t>(index)]));
  FList = std::move(sorted);
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (FSorted == value) return;
  if (value) Sort();
  FSorted = value;
}

void TStringList::Changing() {
  if (GetUpdateCount() == 0 && FOnChanging) FOnChanging(this);
}

void TStringList::Changed() {
  if (GetUpdateCount() == 0 && FOnChange) FOnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
  // Called while the update count is still (or already) above zero: fire directly.
  if (updating) {
    if (FOnChanging) FOnChanging(this);
  } else if (FOnChange) {
    FOnChange(this);
  }
}
