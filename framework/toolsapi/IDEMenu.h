#pragma once

#include <memory>

#include "toolsapi/MenuIntf.h"

class TMainMenu;
class TMenuItem;

// The add-in interfaces of an IDE's main menu over the framework's menu classes, for a host
// that offers its TMainMenu to add-ins: SetToolServices with services whose GetMainMenu
// returns new TIDEMainMenu(mainMenu).
//
// An interface keeps working only as long as its item: once the item is destroyed, queries
// answer 0, empty or null and changes return false. An item that an add-in inserted leaves the
// menu when the add-in releases the interface that InsertItem returned, so that no item
// remains whose click handler lives in an unloaded package.
class TIDEMainMenu : public TIMainMenuIntf {
 public:
  explicit TIDEMainMenu(TMainMenu* menu);

  TIMenuItemIntf* GetMenuItems() override;
  TIMenuItemIntf* FindMenuItem(const std::string& name) override;

 protected:
  ~TIDEMainMenu() override;

 private:
  class TWatch;
  std::unique_ptr<TWatch> FWatch;
};

class TIDEMenuItem : public TIMenuItemIntf {
 public:
  // ownsItem: the item was inserted through this interface and leaves the menu with it.
  explicit TIDEMenuItem(TMenuItem* item, bool ownsItem = false);

  // The framework's item, or null once it is destroyed.
  TMenuItem* GetMenuItem() const;

  bool DestroyMenuItem() override;
  int GetIndex() override;
  int GetItemCount() override;
  TIMenuItemIntf* GetItem(int index) override;
  std::string GetName() override;
  TIMenuItemIntf* GetParent() override;
  std::string GetCaption() override;
  bool SetCaption(const std::string& caption) override;
  int GetShortCut() override;
  bool SetShortCut(int shortCut) override;
  TIMenuFlags GetFlags() override;
  bool SetFlags(TIMenuFlags mask, TIMenuFlags flags) override;
  int GetGroupIndex() override;
  bool SetGroupIndex(int groupIndex) override;
  std::string GetHint() override;
  bool SetHint(const std::string& hint) override;
  int GetContext() override;
  bool SetContext(int context) override;
  TIMenuClickEvent GetMenuClickEvent() override;
  bool SetMenuClickEvent(TIMenuClickEvent click) override;
  TIMenuItemIntf* InsertItem(int index, const std::string& caption, const std::string& name,
                             const std::string& hint, int shortCut, int context, int groupIndex,
                             TIMenuFlags flags, TIMenuClickEvent click) override;

 protected:
  ~TIDEMenuItem() override;

 private:
  class TWatch;
  std::unique_ptr<TWatch> FWatch;
  bool FOwnsItem;
};
