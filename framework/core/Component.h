#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Persistent.h"
#include "core/Set.h"

enum TComponentStateItem : uint8_t {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation : uint8_t { opInsert, opRemove };

DECLARE_STRING_TYPE(TComponentName)

using TGetChildProc = std::function<void(TComponent* child)>;

// A named, owned element of a form or data module. An owner destroys the components it owns;
// components that asked for free notification hear of each other's destruction. Destroy
// components with Free (or through their owner): the notifications then reach the others while
// the component is still whole. A plain delete sends them from the TComponent destructor.
class TComponent : public TPersistent {
  DECLARE_CLASS(TComponent, TPersistent);

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* GetOwner() const override { return FOwner; }
  // The owned components in ownership order.
  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  // Raises EListError naming the index when it is out of range.
  TComponent* GetComponent(int index) const;
  // The position of this component in its owner's list, or -1 without owner.
  int GetComponentIndex() const;
  void SetComponentIndex(int index);
  // The owned component of that name (any letter case), or null. Only direct ownership counts.
  TComponent* FindComponent(std::string_view name) const;

  // Makes this component the owner of component (taking it from its previous owner).
  void InsertComponent(TComponent* component);
  // Gives up ownership of component without destroying it.
  void RemoveComponent(TComponent* component);
  // Destroys every owned component, the last first.
  void DestroyComponents();
  // Marks this component and everything it owns as being destroyed.
  void Destroying();

  const TComponentName& GetName() const { return FName; }
  // Validates newName as an identifier that is unique among the owner's components (any letter
  // case) and raises EComponentError naming it otherwise.
  virtual void SetName(const TComponentName& newName);
  int32_t GetTag() const { return FTag; }
  void SetTag(int32_t value) { FTag = value; }
  TComponentState GetComponentState() const { return FComponentState; }

  // Asks component to tell this one when it is destroyed (Notification with opRemove), and the
  // other way round.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  std::string GetNamePath() const override { return FName; }

  // Designing: the component is edited in a form designer. Set on this component and, when
  // setChildren is true, on everything it owns; components inserted later inherit it.
  void SetDesigning(bool value, bool setChildren = true);

  // Form files: GetChildren lists the components written inside this one's object block;
  // while this one is read, GetChildOwner owns its children (null: the root) and
  // GetChildParent becomes their parent component.
  virtual void GetChildren(const TGetChildProc& proc, TComponent* root) {}
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  // Components that sit on another component (controls on their parent) are written inside
  // that component's block; the rest inside their owner's.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* value) {}
  // Moves child to position order among the children that GetChildren lists, as a form file's
  // child position ([n]) asks. The default does nothing: classes whose children's order
  // matters (controls' z-order) override it.
  virtual void SetChildOrder(TComponent* child, int order) {}

 protected:
  // Called when component is inserted into or removed from this component's owner tree, and
  // when a component that this one asked for free notification is destroyed. Overrides need
  // not call the inherited one; the framework passes the call on to owned components itself.
  virtual void Notification(TComponent* component, TOperation operation) {}
  void BeforeDestruction() override;
  // Called once the whole form file is read; the inherited one ends the loading state.
  virtual void Loaded();
  // Raises EComponentError when component may not be renamed from curName to newName.
  virtual void ValidateRename(TComponent* component, const std::string& curName,
                              const std::string& newName);
  virtual void ValidateInsert(TComponent* component) {}
  // Changes the name without validation.
  void ChangeName(const TComponentName& newName) { FName = newName; }

  friend class TReader;
  friend class TWriter;

 private:
  // Tells this component and, depth first, everything it owns.
  void SendNotification(TComponent* component, TOperation operation);
  // Leaves the owner and tells everyone concerned that this component goes away.
  void NotifyDestruction();
  // Points the owner's published field of this component's name at it (or back at null).
  void SetReference(bool enable);
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void RemoveNotification(TComponent* component);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentName FName;
  int32_t FTag = 0;
  TComponentState FComponentState;
};
