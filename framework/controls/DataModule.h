#pragma once

#include "core/Component.h"

// A container of non-visual components that a program designs like a form and makes from its
// stored form file. Screen lists the data modules in existence.
class TDataModule : public TComponent {
  DECLARE_CLASS(TDataModule, TComponent);

 public:
  explicit TDataModule(TComponent* owner);
  ~TDataModule() override;

  // Reads the form file stored for the class (or its nearest ancestor that has one) and fires
  // OnCreate. Raises what reading raised.
  void AfterConstruction();

  // While the module reads its stored file, a name its owner already holds becomes unique.
  void SetName(const TComponentName& newName) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

  TNotifyEvent GetOnCreate() const { return FOnCreate; }
  void SetOnCreate(TNotifyEvent value) { FOnCreate = value; }
  TNotifyEvent GetOnDestroy() const { return FOnDestroy; }
  void SetOnDestroy(TNotifyEvent value) { FOnDestroy = value; }

 protected:
  void BeforeDestruction() override;

 private:
  TNotifyEvent FOnCreate;
  TNotifyEvent FOnDestroy;
  bool FCreating = false;
};
