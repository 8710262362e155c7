#pragma once

#include "core/Component.h"

class TControl;

// A menu that pops up at the mouse when its control is right-clicked. The menu items come
// later; Popup is the point where a menu shows itself, and does nothing in this base.
class TPopupMenu : public TComponent {
  DECLARE_CLASS(TPopupMenu, TComponent);

 public:
  explicit TPopupMenu(TComponent* owner) : TComponent(owner) {}

  // Shows the menu with its top-left corner at the screen point (x, y); fires OnPopup first.
  virtual void Popup(int x, int y);
  // Whether a right click on the control shows the menu by itself.
  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  // The control whose click showed the menu last.
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value);
  TNotifyEvent GetOnPopup() const { return FOnPopup; }
  void SetOnPopup(TNotifyEvent value) { FOnPopup = value; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  TNotifyEvent FOnPopup;
};
