#pragma once

#include <string>

#include "core/Method.h"
#include "core/Set.h"
#include "toolsapi/Interface.h"

class TIMenuItemIntf;

// How an IDE menu item shows and behaves; the platform's bit order, so {mfEnabled, mfVisible}
// is 6.
enum TIMenuFlag : uint8_t {
  mfInvalid,
  mfEnabled,
  mfVisible,
  mfChecked,
  mfBreak,
  mfBarBreak,
  mfRadioItem
};
using TIMenuFlags = TSet<TIMenuFlag>;

// Called when the user chooses an item that an add-in inserted; Sender is that item.
DECLARE_EVENT(TIMenuClickEvent, void(TIMenuItemIntf* Sender), "Sender: TIMenuItemIntf")

// One item of the IDE's main menu, as add-ins see it. Every item or menu that a call returns
// carries a reference for the caller to release; null means there is none.
class TIMenuItemIntf : public TInterface {
 public:
  // Deletes the item from the IDE's menu; false when the IDE refuses (an item it owns).
  virtual bool DestroyMenuItem() = 0;
  virtual int GetIndex() = 0;
  virtual int GetItemCount() = 0;
  virtual TIMenuItemIntf* GetItem(int index) = 0;
  virtual std::string GetName() = 0;
  virtual TIMenuItemIntf* GetParent() = 0;
  virtual std::string GetCaption() = 0;
  virtual bool SetCaption(const std::string& caption) = 0;
  virtual int GetShortCut() = 0;
  virtual bool SetShortCut(int shortCut) = 0;
  virtual TIMenuFlags GetFlags() = 0;
  // Changes the flags in mask to their value in flags.
  virtual bool SetFlags(TIMenuFlags mask, TIMenuFlags flags) = 0;
  virtual int GetGroupIndex() = 0;
  virtual bool SetGroupIndex(int groupIndex) = 0;
  virtual std::string GetHint() = 0;
  virtual bool SetHint(const std::string& hint) = 0;
  virtual int GetContext() = 0;
  virtual bool SetContext(int context) = 0;
  virtual TIMenuClickEvent GetMenuClickEvent() = 0;
  virtual bool SetMenuClickEvent(TIMenuClickEvent click) = 0;
  // Inserts a new item among this item's children at index (the end when index is out of
  // range) and returns it.
  virtual TIMenuItemIntf* InsertItem(int index, const std::string& caption, const std::string& name,
                                     const std::string& hint, int shortCut, int context,
                                     int groupIndex, TIMenuFlags flags, TIMenuClickEvent click) = 0;
};

// The IDE's main menu.
class TIMainMenuIntf : public TInterface {
 public:
  // The menu bar's items, as the children of one item.
  virtual TIMenuItemIntf* GetMenuItems() = 0;
  // The item of that component name anywhere in the menu, or null.
  virtual TIMenuItemIntf* FindMenuItem(const std::string& name) = 0;
};
