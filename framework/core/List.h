#pragma once

#include <functional>
#include <vector>

#include "core/Object.h"
#include "rtti/MetaClass.h"

// A list of untyped pointers, the platform's general container. Index errors raise EListError
// "List index out of bounds (n)".
class TList : public TObject {
  DECLARE_CLASS(TList, TObject);

 public:
  TList() = default;

  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Grows with null items or shrinks.
  void SetCount(int count);
  void* Get(int index) const;
  void Put(int index, void* item);
  void* operator[](int index) const { return Get(index); }

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first occurrence of item; returns its former index or -1.
  int Remove(void* item);
  int IndexOf(const void* item) const;
  void Clear() { FItems.clear(); }
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  void* First() const { return Get(0); }
  void* Last() const { return Get(GetCount() - 1); }
  // Removes the null items.
  void Pack();
  // Orders the items by compare, which answers negative, zero or positive.
  void Sort(const std::function<int(void*, void*)>& compare);

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  void CheckIndex(int index) const;

  std::vector<void*> FItems;
};

[[noreturn]] void RaiseListIndexError(int index);
