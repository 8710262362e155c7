#include "controls/Menus.h"

#include "core/ClassRegistry.h"
#include "core/Module.h"

IMPLEMENT_CLASS(TPopupMenu) {
  PROPERTY(AutoPopup, GetAutoPopup, SetAutoPopup).Default(true);
  PROPERTY(OnPopup, GetOnPopup, SetOnPopup);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TPopupMenu::StaticClass()});
  return true;
}();
}  // namespace

void TPopupMenu::Popup(int, int) {
  if (FOnPopup) FOnPopup(this);
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (value == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = value;
  if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}
