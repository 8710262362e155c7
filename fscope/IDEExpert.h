#pragma once

#include "core/Object.h"
#include "toolsapi/ExpertIntf.h"
#include "toolsapi/MenuIntf.h"

// The Formscope expert: an add-in that puts the command "Formscope..." into the IDE's Tools
// menu, directly above the IDE's own item named "ToolsToolsItem", and opens the Formscope
// window (TFormDebug) when it is chosen. It talks to the IDE only through the add-in
// interfaces; an IDE without a main menu or without that item gets no command, and nothing is
// reported.
//
// The IDE owns the expert and destroys it (through Release) when it unloads the package or
// shuts down; the window goes with it. The expert is a framework object as well, so that the
// menu item can call back into it.
class TIDEExpert : public TIExpert, public TObject {
 public:
  // Inserts the menu command. Exceptions raised by the IDE while inserting pass on, after every
  // interface obtained on the way has been released.
  TIDEExpert();

  std::string GetName() override;
  TExpertStyle GetStyle() override;
  TExpertState GetState() override;
  std::string GetIDString() override;
  std::string GetMenuText() override;
  // Does nothing: the menu command does the work.
  void Execute() override;

  // The menu command: creates the window (owned by Application) unless it exists, and shows it.
  void ExpertItemClick(TIMenuItemIntf* sender);

  // The inserted menu item, or null when none could be inserted.
  TIMenuItemIntf* GetMenuItem() const { return FMenuItem; }

 protected:
  // Frees the window if one exists and releases the menu item.
  ~TIDEExpert() override;

 private:
  void InsertMenuCommand();

  TIMenuItemIntf* FMenuItem = nullptr;
};
