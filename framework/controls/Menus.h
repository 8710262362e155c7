#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Caption.h"
#include "controls/ControlTypes.h"
#include "core/Component.h"
#include "core/Exception.h"

class TControl;
class TCustomForm;
class TMenu;

DECLARE_EXCEPTION(EMenuError, Exception);

// A key with Shift, Ctrl and Alt: the virtual key in the low byte, scShift, scCtrl and scAlt
// above it; 0 is none.
enum TShortCut : uint16_t {};
PUBLISHED_INTEGER(TShortCut, 0, 65535)
inline constexpr uint16_t scShift = 0x2000;
inline constexpr uint16_t scCtrl = 0x4000;
inline constexpr uint16_t scAlt = 0x8000;
inline constexpr TShortCut scNone = static_cast<TShortCut>(0);

TShortCut ShortCut(WORD key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift);
// "Ctrl+S", "Shift+Ctrl+F5", "Alt+BkSp"; empty for none. Keys without a name of their own are
// written as their character or as their number.
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText (any letter case); 0 for text that names no shortcut.
TShortCut TextToShortCut(std::string_view text);

// One command of a menu, or a separator (Caption "-"), or a submenu: the items it holds.
//
// Items are components (so they have names a form finds with FindComponent), arranged as a tree
// through Parent, Items, Insert, Add, Remove and Delete; an item frees the items below it when it
// goes. Every change of an item or of the tree, also while the menu shows, reaches the menu that
// holds it, which shows it at once. In form files the items are written inside their menu.
class TMenuItem : public TComponent {
  DECLARE_CLASS(TMenuItem, TComponent);

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const TCaption& GetCaption() const { return FCaption; }
  void SetCaption(const TCaption& value);
  // Checking a RadioItem unchecks the radio items of its GroupIndex among its siblings.
  bool GetChecked() const { return FChecked; }
  void SetChecked(bool value);
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  int32_t GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t value);
  int32_t GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t value) { FHelpContext = value; }
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool value);
  TNotifyEvent GetOnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent value) { FOnClick = value; }

  // The items below this one; Items raises EListError naming a bad index.
  int GetCount() const { return static_cast<int>(FItems.size()); }
  TMenuItem* GetItem(int index) const;
  TMenuItem* operator[](int index) const { return GetItem(index); }
  // The item this one is in (null for a menu's top item and for an item in none).
  TMenuItem* GetParent() const { return FParent; }
  // The position among the siblings, -1 without parent; setting it moves the item.
  int GetMenuIndex() const;
  void SetMenuIndex(int value);
  // The menu holding the tree this item is in, or null.
  TMenu* GetParentMenu() const;
  // The position of item among the children, or -1.
  int IndexOf(const TMenuItem* item) const;
  // The child whose caption, without '&' and in any letter case, is caption; null if none.
  TMenuItem* Find(std::string_view caption) const;

  // Puts item at index (0 to Count); raises EListError naming a bad index and EMenuError for an
  // item that is already in a menu or that would end up inside itself.
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(GetCount(), item); }
  // Takes item out (without freeing it); raises EMenuError when it is not a child.
  void Remove(TMenuItem* item);
  // Takes the child at index out, without freeing it.
  void Delete(int index);
  // Frees every child.
  void Clear();

  // Whether the item is a separator.
  bool IsLine() const { return FCaption == "-"; }
  // Whether the item, its parents and its menu would run it now (all enabled).
  bool CanActivate() const;
  // What choosing the item does: fires OnClick.
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 private:
  friend class TMenu;
  // Tells the menu that something it shows changed.
  void MenuChanged();
  void TurnSiblingsOff();

  TCaption FCaption;
  bool FChecked = false;
  bool FDefault = false;
  bool FEnabled = true;
  int32_t FGroupIndex = 0;
  int32_t FHelpContext = 0;
  std::string FHint;
  bool FRadioItem = false;
  TShortCut FShortCut = scNone;
  bool FVisible = true;
  TNotifyEvent FOnClick;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's top item only
};

// A tree of menu items under one unnamed top item (Items), whose shortcuts it runs.
class TMenu : public TComponent {
  DECLARE_CLASS(TMenu, TComponent);

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* GetItems() const { return FItems; }
  // The item whose shortcut is shortCut (shown and enabled, as are its parents), or null.
  TMenuItem* FindShortCut(TShortCut shortCut) const;
  // Runs the item of the shortcut that key and shift make; true when there was one.
  bool IsShortCut(WORD key, TShiftState shift);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 protected:
  // After an item of the menu changed: what shows the menu shows the change.
  virtual void MenuChanged();

 private:
  friend class TMenuItem;
  TMenuItem* FItems;
};

// The menu bar of a form (TCustomForm::Menu): its top items are the bar's titles, each
// dropping down its items. A title's '&' letter opens it with Alt.
class TMainMenu : public TMenu {
  DECLARE_CLASS(TMainMenu, TMenu);

 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;

  bool GetAutoMerge() const { return FAutoMerge; }
  void SetAutoMerge(bool value) { FAutoMerge = value; }
  // The form whose bar shows the menu (set by the form), or null.
  TCustomForm* GetWindowForm() const { return FWindowForm; }
  void SetWindowForm(TCustomForm* value) { FWindowForm = value; }

 protected:
  void MenuChanged() override;

 private:
  bool FAutoMerge = false;
  TCustomForm* FWindowForm = nullptr;
};

// Where a popup menu stands against the point it pops up at.
enum TPopupAlignment : uint8_t { paLeft, paRight, paCenter };
PUBLISHED_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

// A menu that pops up at a point: by Popup, or when its control is right-clicked (AutoPopup).
class TPopupMenu : public TMenu {
  DECLARE_CLASS(TPopupMenu, TMenu);

 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

  // Fires OnPopup, then shows the items with the menu's corner at the screen point (x, y) as
  // Alignment says (kept on the screen). It returns at once: the menu stays open, taking the
  // mouse and keys, until an item is chosen or the user leaves it. Nothing shows without a
  // visible item.
  virtual void Popup(int x, int y);
  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool value) { FAutoPopup = value; }
  TPopupAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment value) { FAlignment = value; }
  // The control whose click showed the menu last.
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* value);
  TNotifyEvent GetOnPopup() const { return FOnPopup; }
  void SetOnPopup(TNotifyEvent value) { FOnPopup = value; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool FAutoPopup = true;
  TPopupAlignment FAlignment = paLeft;
  TComponent* FPopupComponent = nullptr;
  TNotifyEvent FOnPopup;
};
