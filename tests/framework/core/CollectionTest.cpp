#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Collection.h"
#include "core/Component.h"
#include "core/Exception.h"

namespace {
class TTestItem : public TCollectionItem {
  DECLARE_CLASS(TTestItem, TCollectionItem);

 public:
  TTestItem() = default;
  ~TTestItem() override { ++Destroyed; }
  void Assign(TPersistent* source) override {
    if (auto* item = dynamic_cast<TTestItem*>(source)) {
      Value = item->Value;
      return;
    }
    TCollectionItem::Assign(source);
  }
  void SetValue(int value) {
    Value = value;
    Changed(false);
  }
  std::string GetDisplayName() const override { return "Item " + std::to_string(Value); }
  int Value = 0;
  static inline int Destroyed = 0;
};

class TOtherItem : public TCollectionItem {
  DECLARE_CLASS(TOtherItem, TCollectionItem);

 public:
  TOtherItem() = default;
};

// Logs what the collection tells its descendants.
class TLogCollection : public TOwnedCollection {
  DECLARE_CLASS(TLogCollection, TOwnedCollection);

 public:
  using TOwnedCollection::TOwnedCollection;
  std::vector<std::string> Log;

 protected:
  void Update(TCollectionItem* item) override {
    Log.push_back(item ? "update " + std::to_string(item->GetIndex()) : "update all");
  }
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    static const char* const names[] = {"added", "extracting", "deleting"};
    Log.push_back(std::string(names[action]) + " #" + std::to_string(item->GetID()));
  }
};

class TOwner : public TComponent {
  DECLARE_CLASS(TOwner, TComponent);

 public:
  using TComponent::TComponent;
  TLogCollection* GetItems() { return &FItems; }
  void SetItems(TLogCollection* value) { FItems.Assign(value); }

 private:
  TLogCollection FItems{this, TTestItem::StaticClass()};
};

int Values(TCollection& collection, int index) {
  return static_cast<TTestItem*>(collection.GetItem(index))->Value;
}
}  // namespace

IMPLEMENT_CLASS(TTestItem) {
  PROPERTY(Value, Value, SetValue).Default(0);
}
IMPLEMENT_CLASS(TOtherItem) {}
IMPLEMENT_CLASS(TLogCollection) {}
IMPLEMENT_CLASS(TOwner) {
  PROPERTY(Items, GetItems, SetItems);
}

TEST(CollectionTest, ItemsAreAddedInsertedMovedAndDeletedWithStableIDs) {
  TOwner owner(nullptr);
  TLogCollection& items = *owner.GetItems();
  for (int i = 0; i < 3; ++i)
    static_cast<TTestItem*>(items.Add())->Value = i;
  auto* inserted = static_cast<TTestItem*>(items.Insert(1));
  inserted->Value = 9;
  ASSERT_EQ(items.GetCount(), 4);
  EXPECT_EQ(Values(items, 0), 0);
  EXPECT_EQ(Values(items, 1), 9);
  EXPECT_EQ(Values(items, 3), 2);
  EXPECT_EQ(inserted->GetID(), 3);
  EXPECT_EQ(inserted->GetIndex(), 1);
  inserted->SetIndex(10);  // clamped to the last place
  EXPECT_EQ(inserted->GetIndex(), 3);
  EXPECT_EQ(items.FindItemID(3), inserted);
  EXPECT_EQ(items.FindItemID(7), nullptr);

  items.Delete(0);
  EXPECT_EQ(items.GetCount(), 3);
  EXPECT_EQ(items.GetItem(0)->GetID(), 1);
  // A destroyed item leaves its collection.
  items.GetItem(0)->Free();
  EXPECT_EQ(items.GetCount(), 2);
  EXPECT_EQ(Values(items, 0), 2);
  // A new item takes a new ID, never one that was used.
  EXPECT_EQ(items.Add()->GetID(), 4);

  EXPECT_THROW(items.GetItem(3), EListError);
  EXPECT_THROW(items.GetItem(-1), EListError);
  EXPECT_THROW(items.Delete(5), EListError);
  items.Clear();
  EXPECT_EQ(items.GetCount(), 0);
}

TEST(CollectionTest, ChangesReachUpdateOnceABatchEnds) {
  TOwner owner(nullptr);
  TLogCollection& items = *owner.GetItems();
  auto* item = static_cast<TTestItem*>(items.Add());
  item->SetValue(5);
  EXPECT_EQ(items.Log, (std::vector<std::string>{"added #0", "update all", "update 0"}));
  items.Log.clear();
  items.BeginUpdate();
  items.BeginUpdate();
  items.Add();
  item->SetValue(6);
  items.EndUpdate();
  EXPECT_EQ(items.Log, (std::vector<std::string>{"added #1"}));
  items.Delete(1);
  items.EndUpdate();
  EXPECT_EQ(items.Log, (std::vector<std::string>{"added #1", "deleting #1", "update all"}));
  items.EndUpdate();  // unbalanced: nothing happens
  EXPECT_EQ(items.GetUpdateCount(), 0);
  items.Log.clear();
  items.Clear();
  EXPECT_EQ(items.Log, (std::vector<std::string>{"deleting #0", "update all"}));
}

TEST(CollectionTest, NamePathsNameTheOwnersPropertyAndTheIndex) {
  TOwner owner(nullptr);
  owner.SetName("Owner1");
  TLogCollection& items = *owner.GetItems();
  items.Add();
  TCollectionItem* second = items.Add();
  EXPECT_EQ(items.GetPropName(), "Items");
  EXPECT_EQ(items.GetNamePath(), "Owner1.Items");
  EXPECT_EQ(second->GetNamePath(), "Owner1.Items[1]");
  EXPECT_EQ(second->GetOwner(), &items);
  TCollection loose(TTestItem::StaticClass());
  EXPECT_EQ(loose.Add()->GetNamePath(), "TCollection[0]");
  EXPECT_EQ(loose.GetPropName(), "");
}

TEST(CollectionTest, AssignCopiesEveryItemAndItemsMoveBetweenCollections) {
  TCollection source(TTestItem::StaticClass());
  for (int i = 1; i <= 3; ++i)
    static_cast<TTestItem*>(source.Add())->Value = i * 10;
  TOwner owner(nullptr);
  TLogCollection& items = *owner.GetItems();
  items.Add();
  items.Log.clear();
  items.Assign(&source);
  ASSERT_EQ(items.GetCount(), 3);
  EXPECT_EQ(Values(items, 2), 30);
  EXPECT_NE(items.GetItem(0), source.GetItem(0));
  // One update for the whole assignment.
  EXPECT_EQ(std::count(items.Log.begin(), items.Log.end(), "update all"), 1);

  TCollectionItem* moved = source.GetItem(0);
  moved->SetCollection(&items);
  EXPECT_EQ(source.GetCount(), 2);
  EXPECT_EQ(items.GetCount(), 4);
  EXPECT_EQ(moved->GetCollection(), &items);
  EXPECT_EQ(moved->GetIndex(), 3);
  // Out of any collection, the caller owns the item.
  moved->SetCollection(nullptr);
  EXPECT_EQ(moved->GetIndex(), -1);
  moved->Free();

  // Collections take items of their class only, and copy only collections.
  TCollection others(TOtherItem::StaticClass());
  TCollectionItem* other = others.Add();
  EXPECT_THROW(other->SetCollection(&items), EInvalidCast);
  EXPECT_EQ(other->GetCollection(), &others);
  EXPECT_THROW(items.Assign(&others), EConvertError);
  EXPECT_EQ(items.GetCount(), 3) << "a failed copy changes nothing";
  EXPECT_THROW(items.Assign(&owner), EConvertError);
  EXPECT_THROW(TCollection(TOwner::StaticClass()), EInvalidCast);
  EXPECT_THROW(TCollection(nullptr), EInvalidCast);
}

TEST(CollectionTest, ACollectionFreesItsItems) {
  TTestItem::Destroyed = 0;
  {
    TOwner owner(nullptr);
    for (int i = 0; i < 5; ++i)
      owner.GetItems()->Add();
  }
  EXPECT_EQ(TTestItem::Destroyed, 5);
}
