#pragma once

#include <string>
#include <vector>

#include "core/Persistent.h"

class TCollection;

enum TCollectionNotification : uint8_t { cnAdded, cnExtracting, cnDeleting };

// One element of a collection: a persistent object whose place and identity its collection
// keeps. Collections create their items by class reference, so item classes need a public
// default constructor; destroying an item removes it from its collection.
class TCollectionItem : public TPersistent {
  DECLARE_CLASS(TCollectionItem, TPersistent);

 public:
  TCollectionItem() = default;
  ~TCollectionItem() override;

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item to the end of value (null: out of any collection, which the caller then
  // owns).
  void SetCollection(TCollection* value);
  // The position in the collection, or -1 outside one.
  int GetIndex() const;
  // Moves the item to index (clamped to the collection's range).
  void SetIndex(int value);
  // A number unique within the collection that stays with the item when it moves.
  int GetID() const { return FID; }
  // The name designers show for the item; the default is the class name.
  virtual std::string GetDisplayName() const;
  // "Owner.Prop[i]": the collection's name path and the item's index.
  std::string GetNamePath() const override;
  // The collection.
  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection that this item changed, or with allItems true that every item did.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

// An ordered list of items of one class, published by its owner as a property and streamed as
// `Prop = < item ... end item ... end >`. The collection owns its items.
class TCollection : public TPersistent {
  DECLARE_CLASS(TCollection, TPersistent);

 public:
  // itemClass must be TCollectionItem or a creatable descendant; raises EInvalidCast or
  // EInvalidOperation otherwise.
  explicit TCollection(TClass itemClass);
  ~TCollection() override;

  TClass GetItemClass() const { return FItemClass; }
  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Items[index]; raises EListError "List index out of bounds (n)" outside the range.
  TCollectionItem* GetItem(int index) const;
  // Items[index] := value copies value into the item there (Assign).
  void SetItem(int index, TCollectionItem* value);
  // The item of that ID, or null.
  TCollectionItem* FindItemID(int id) const;

  // A new item at the end, or at index (clamped to the collection's range).
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  // Destroys the item at index; raises EListError outside the range.
  void Delete(int index);
  void Clear();

  // Brackets a batch of changes: Update runs once, for the whole collection, at the outermost
  // EndUpdate.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int GetUpdateCount() const { return FUpdateCount; }

  // Copies another collection: as many items, each assigned from its counterpart. When an item
  // cannot be copied, the error propagates and this collection is unchanged.
  void Assign(TPersistent* source) override;
  // "Owner.Prop" when the owner publishes the collection, else the class name.
  std::string GetNamePath() const override;
  // The name of the owner's published property that holds this collection, or empty.
  std::string GetPropName() const;

 protected:
  // Called after item changed, or with null after the whole collection did (items added,
  // moved or removed), unless an update is in progress.
  virtual void Update(TCollectionItem* item) {}
  // Called when item was added, or is about to be removed or destroyed.
  virtual void Notify(TCollectionItem* item, TCollectionNotification action) {}
  // Update for item (or the whole collection) unless an update is in progress.
  void Changed(TCollectionItem* item = nullptr);

 private:
  friend class TCollectionItem;
  friend class TReader;

  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  // Takes every item out without destroying it, for a reader that may have to put them back.
  std::vector<TCollectionItem*> ExtractAll();
  // Puts items back (after ExtractAll), keeping their IDs.
  void RestoreAll(std::vector<TCollectionItem*> items);

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
  int FNextID = 0;
  bool FDestroying = false;
};

// A collection that names an owner, which publishes it as a property.
class TOwnedCollection : public TCollection {
  DECLARE_CLASS(TOwnedCollection, TCollection);

 public:
  TOwnedCollection(TPersistent* owner, TClass itemClass) : TCollection(itemClass), FOwner(owner) {}

  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
};
