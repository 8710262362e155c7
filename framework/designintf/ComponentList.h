#pragma once

#include <vector>

#include "core/Object.h"
#include "rtti/MetaClass.h"

// The components that a designer or an inspector has selected, in selection order. It refers to
// them without owning them.
class TComponentList : public TObject {
  DECLARE_CLASS(TComponentList, TObject);

 public:
  TComponentList() = default;

  // Appends component (duplicates included); returns its index.
  int Add(TComponent* component);
  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Raises EListError "List index out of bounds (n)" when index is out of range.
  TComponent* GetItem(int index) const;
  TComponent* operator[](int index) const { return GetItem(index); }
  void Clear() { FItems.clear(); }
  // The index of the first occurrence of component, or -1.
  int IndexOf(const TComponent* component) const;
  // Removes the item at index; raises EListError "List index out of bounds (n)" when out of
  // range.
  void Delete(int index);
  // Removes the first occurrence of component; returns its former index or -1.
  int Remove(const TComponent* component);

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  std::vector<TComponent*> FItems;
};
