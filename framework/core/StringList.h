#pragma once

#include <functional>
#include <vector>

#include "core/Method.h"
#include "core/Strings.h"

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };
PUBLISHED_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

// A list of strings held in memory, optionally kept sorted (in case-insensitive order) with a
// policy for duplicates, that reports changes through OnChanging and OnChange. It does not own
// the objects stored with its strings.
class TStringList : public TStrings {
  DECLARE_CLASS(TStringList, TStrings);

 public:
  TStringList() = default;

  int GetCount() const override { return static_cast<int>(FList.size()); }
  std::string Get(int index) const override;
  TObject* GetObject(int index) const override;
  void Put(int index, const std::string& text) override;
  void PutObject(int index, TObject* object) override;
  // Raises EStringListError on a sorted list: its order decides the place.
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;
  // On a sorted list the string goes to its place; a duplicate is then ignored, accepted or
  // refused with EStringListError, as Duplicates says.
  int Add(const std::string& text) override { return AddObject(text, nullptr); }
  int AddObject(const std::string& text, TObject* object) override;
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;
  int IndexOf(std::string_view text) const override;

  // Looks text up (any letter case): true and its index when found; otherwise false and the
  // index where it belongs. A binary search on a sorted list, a linear one otherwise.
  bool Find(std::string_view text, int& index) const;
  // Sorts in case-insensitive order (stable: equal strings keep their order).
  virtual void Sort();
  void CustomSort(const std::function<int(TStringList* list, int index1, int index2)>& compare);

  bool GetSorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  const TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const TNotifyEvent& value) { FOnChange = value; }
  const TNotifyEvent& GetOnChanging() const { return FOnChanging; }
  void SetOnChanging(const TNotifyEvent& value) { FOnChanging = value; }

 protected:
  // Fire OnChanging before and OnChange after each change, unless an update is under way.
  virtual void Changing();
  virtual void Changed();
  void SetUpdateState(bool updating) override;

 private:
  struct TStringItem {
    std::string String;
    TObject* Object = nullptr;
  };

  void CheckIndex(int index) const;
  void InsertItem(int index, const std::string& text, TObject* object);

  std::vector<TStringItem> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};
