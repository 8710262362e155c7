#include "core/Component.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TComponent) {
  PROPERTY(Name, GetName, SetName).Stored(false);
  PROPERTY(Tag, GetTag, SetTag).Default(0);
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  NotifyDestruction();
  DestroyComponents();
}

void TComponent::BeforeDestruction() {
  Destroying();
  NotifyDestruction();
}

void TComponent::NotifyDestruction() {
  // The owner's tree hears of it first; each member that had asked for free notification
  // drops its link on the way, so the free-notification list then holds only outsiders.
  if (FOwner) FOwner->RemoveComponent(this);
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    RemoveFreeNotification(other);
    other->Notification(this, opRemove);
  }
}

TComponent* TComponent::GetComponent(int index) const {
  if (index < 0 || index >= GetComponentCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FComponents[static_cast<size_t>(index)];
}

int TComponent::GetComponentIndex() const {
  if (!FOwner) return -1;
  const auto& siblings = FOwner->FComponents;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TComponent::SetComponentIndex(int index) {
  if (!FOwner) return;
  auto& siblings = FOwner->FComponents;
  const int count = static_cast<int>(siblings.size());
  index = std::clamp(index, 0, count - 1);
  const int current = GetComponentIndex();
  siblings.erase(siblings.begin() + current);
  siblings.insert(siblings.begin() + index, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : FComponents)
    if (SameText(component->FName, name)) return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner == this) return;
  ValidateInsert(component);
  ValidateRename(component, std::string(), component->FName);
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  Insert(component);
  component->SetReference(true);
  if (FComponentState.Contains(csDesigning)) component->SetDesigning(true);
  SendNotification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->FOwner != this) return;
  SendNotification(component, opRemove);
  component->SetReference(false);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
}

void TComponent::Remove(TComponent* component) {
  std::erase(FComponents, component);
  component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* component = FComponents.back();
    component->SetReference(false);
    Remove(component);
    component->Free();
  }
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* component : FComponents)
    component->Destroying();
}

void TComponent::SendNotification(TComponent* component, TOperation operation) {
  if (operation == opRemove) RemoveFreeNotification(component);
  Notification(component, operation);
  // The handler may destroy owned components; walk a snapshot and skip the ones gone.
  const std::vector<TComponent*> owned = FComponents;
  for (TComponent* child : owned)
    if (std::find(FComponents.begin(), FComponents.end(), child) != FComponents.end())
      child->SendNotification(component, operation);
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) {
  if (component && !newName.empty() && !SameText(curName, newName) && FindComponent(newName))
    throw EComponentError(Format("A component named %s already exists", newName));
}

void TComponent::SetName(const TComponentName& newName) {
  if (FName == newName) return;
  if (!newName.empty() && !IsValidIdent(newName))
    throw EComponentError(Format("'%s' is not a valid component name", newName));
  if (FOwner)
    FOwner->ValidateRename(this, FName, newName);
  else
    ValidateRename(nullptr, FName, newName);
  SetReference(false);
  ChangeName(newName);
  SetReference(true);
}

void TComponent::SetReference(bool enable) {
  if (!FOwner || FName.empty()) return;
  const TPublishedField* field = FOwner->ClassType()->FindField(FName);
  if (!field) return;
  if (!enable)
    field->Assign(FOwner, nullptr);
  else if (InheritsFrom(field->FieldClass()))
    field->Assign(FOwner, this);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
    component->FreeNotification(this);
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveNotification(TComponent* component) {
  std::erase(FFreeNotifies, component);
  if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::SetDesigning(bool value, bool setChildren) {
  if (value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  if (setChildren)
    for (TComponent* component : FComponents)
      component->SetDesigning(value);
}

void TComponent::Loaded() {
  FComponentState.Exclude(csLoading);
}
