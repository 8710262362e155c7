#pragma once

#include <vector>

#include "controls/TabControl.h"

class TSpeedButton;

// The component palette as the IDE shows it: a tab per palette page and, on the chosen page, a
// button per component class. Pressing a button chooses its class for the next placement on a
// designed form (TakeChosenClass); pressing it again withdraws the choice.
class TPaletteView : public TTabControl {
  DECLARE_CLASS(TPaletteView, TTabControl);

 public:
  explicit TPaletteView(TComponent* owner);

  // Shows the palette's pages again (after packages registered their classes).
  void RefreshPages();
  // The class whose button is down, or null.
  TClass GetChosenClass() const;
  // The chosen class, releasing its button; null when none is chosen.
  TClass TakeChosenClass();
  // The buttons of the current page, in palette order.
  const std::vector<TSpeedButton*>& GetButtons() const { return FButtons; }

 protected:
  void Change() override;

 private:
  void ShowPage(int index);
  void ClearButtons();

  std::vector<TSpeedButton*> FButtons;
  std::vector<TClass> FButtonClasses;
};
