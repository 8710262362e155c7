#include "core/Collection.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/List.h"
#include "core/SysUtils.h"
#include "rtti/PropInfo.h"

IMPLEMENT_CLASS(TCollectionItem) {}
IMPLEMENT_CLASS(TCollection) {}
IMPLEMENT_CLASS(TOwnedCollection) {}

namespace {
// Runs BeginUpdate now and EndUpdate when the scope ends, also when an exception leaves it.
class TCollectionUpdate {
 public:
  explicit TCollectionUpdate(TCollection* collection) : FCollection(collection) {
    FCollection->BeginUpdate();
  }
  ~TCollectionUpdate() { FCollection->EndUpdate(); }
  TCollectionUpdate(const TCollectionUpdate&) = delete;
  TCollectionUpdate& operator=(const TCollectionUpdate&) = delete;

 private:
  TCollection* FCollection;
};
}  // namespace

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* value) {
  if (value == FCollection) return;
  if (value && !InheritsFrom(value->GetItemClass()))
    throw EInvalidCast(Format("A %s cannot be an item of a collection of %s", ClassName(),
                              value->GetItemClass()->ClassName()));
  if (FCollection) {
    FCollection->Notify(this, cnExtracting);
    FCollection->RemoveItem(this);
  }
  if (value) value->InsertItem(this);
}

int TCollectionItem::GetIndex() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int value) {
  if (!FCollection) return;
  auto& items = FCollection->FItems;
  const int current = GetIndex();
  value = std::clamp(value, 0, static_cast<int>(items.size()) - 1);
  if (value == current) return;
  items.erase(items.begin() + current);
  items.insert(items.begin() + value, this);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() const {
  return ClassName();
}

std::string TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return FCollection->GetNamePath() + "[" + std::to_string(GetIndex()) + "]";
}

TPersistent* TCollectionItem::GetOwner() const {
  return FCollection;
}

void TCollectionItem::Changed(bool allItems) {
  if (FCollection) FCollection->Changed(allItems ? nullptr : this);
}

TCollection::TCollection(TClass itemClass) : FItemClass(itemClass) {
  if (!itemClass || !itemClass->InheritsFrom(TCollectionItem::StaticClass()))
    throw EInvalidCast(Format("%s is not a collection item class",
                              itemClass ? itemClass->ClassName() : std::string("nil")));
  if (itemClass->IsAbstract())
    throw EInvalidOperation(
        Format("Collection items of class %s cannot be created", itemClass->ClassName()));
}

TCollection::~TCollection() {
  // The descendant's part is gone: no Update or Notify reaches it any more.
  FDestroying = true;
  while (!FItems.empty())
    FItems.back()->Free();
}

TCollectionItem* TCollection::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) RaiseListIndexError(index);
  return FItems[static_cast<size_t>(index)];
}

void TCollection::SetItem(int index, TCollectionItem* value) {
  GetItem(index)->Assign(value);
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == id) return item;
  return nullptr;
}

TCollectionItem* TCollection::Add() {
  auto* item = FItemClass->Create<TCollectionItem>();
  try {
    InsertItem(item);
  } catch (...) {
    if (item->FCollection == nullptr) item->Free();
    throw;
  }
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = GetItem(index);
  Notify(item, cnDeleting);
  item->Free();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  TCollectionUpdate update(this);
  while (!FItems.empty()) {
    Notify(FItems.back(), cnDeleting);
    FItems.back()->Free();
  }
}

void TCollection::BeginUpdate() {
  ++FUpdateCount;
}

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) Changed();
}

void TCollection::Changed(TCollectionItem* item) {
  if (FUpdateCount == 0 && !FDestroying) Update(item);
}

void TCollection::InsertItem(TCollectionItem* item) {
  if (!item->InheritsFrom(FItemClass))
    throw EInvalidCast(Format("A %s cannot be an item of a collection of %s", item->ClassName(),
                              FItemClass->ClassName()));
  item->FID = FNextID++;
  FItems.push_back(item);
  item->FCollection = this;
  Notify(item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  std::erase(FItems, item);
  item->FCollection = nullptr;
  Changed();
}

std::vector<TCollectionItem*> TCollection::ExtractAll() {
  std::vector<TCollectionItem*> items = std::move(FItems);
  FItems.clear();
  for (TCollectionItem* item : items)
    item->FCollection = nullptr;
  return items;
}

void TCollection::RestoreAll(std::vector<TCollectionItem*> items) {
  TCollectionUpdate update(this);
  Clear();
  FItems = std::move(items);
  for (TCollectionItem* item : FItems)
    item->FCollection = this;
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  // The copies are made apart first, so that an item that cannot be copied changes nothing.
  std::vector<TCollectionItem*> copies;
  try {
    for (TCollectionItem* item : other->FItems) {
      copies.push_back(FItemClass->Create<TCollectionItem>());
      copies.back()->Assign(item);
    }
  } catch (...) {
    for (TCollectionItem* copy : copies)
      copy->Free();
    throw;
  }
  TCollectionUpdate update(this);
  Clear();
  for (size_t i = 0; i < copies.size(); ++i) {
    try {
      InsertItem(copies[i]);
    } catch (...) {
      for (size_t rest = copies[i]->FCollection ? i + 1 : i; rest < copies.size(); ++rest)
        copies[rest]->Free();
      throw;
    }
  }
}

std::string TCollection::GetNamePath() const {
  TPersistent* owner = GetOwner();
  const std::string propName = GetPropName();
  if (!owner || propName.empty()) return ClassName();
  const std::string ownerPath = owner->GetNamePath();
  return ownerPath.empty() ? propName : ownerPath + "." + propName;
}

std::string TCollection::GetPropName() const {
  TPersistent* owner = GetOwner();
  if (!owner) return std::string();
  for (PPropInfo info : GetPropList(owner, TTypeKinds{tkClass})) {
    try {
      if (GetObjectProp(owner, info) == this) return info->GetName();
    } catch (const Exception&) {
      // A getter that cannot answer does not hold this collection.
    }
  }
  return std::string();
}
