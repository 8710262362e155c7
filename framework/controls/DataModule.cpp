#include "controls/DataModule.h"

#include "controls/Screen.h"
#include "controls/UniqueName.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "streaming/ResourceStream.h"

IMPLEMENT_CLASS(TDataModule) {
  PROPERTY(OnCreate, GetOnCreate, SetOnCreate);
  PROPERTY(OnDestroy, GetOnDestroy, SetOnDestroy);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TDataModule::StaticClass()});
  return true;
}();
}  // namespace

TDataModule::TDataModule(TComponent* owner) : TComponent(owner) {
  Screen->AddDataModule(this);
}

TDataModule::~TDataModule() {
  Screen->RemoveDataModule(this);
}

void TDataModule::AfterConstruction() {
  FCreating = true;
  try {
    if (ClassType() != TDataModule::StaticClass())
      InitInheritedComponent(this, TDataModule::StaticClass());
  } catch (...) {
    FCreating = false;
    throw;
  }
  FCreating = false;
  if (FOnCreate) FOnCreate(this);
}

void TDataModule::SetName(const TComponentName& newName) {
  TComponent::SetName(FCreating ? UniqueNameInOwner(this, newName) : newName);
}

void TDataModule::BeforeDestruction() {
  if (FOnDestroy) FOnDestroy(this);
  TComponent::BeforeDestruction();
}

void TDataModule::GetChildren(const TGetChildProc& proc, TComponent* root) {
  if (root != this) return;
  for (int i = 0; i < GetComponentCount(); ++i)
    if (TComponent* component = GetComponent(i); !component->HasParent()) proc(component);
}
