#include "controls/Menus.h"

#include <algorithm>

#include "controls/Form.h"
#include "controls/MenuTracker.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TMenuItem) {
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Checked, GetChecked, SetChecked).Default(false);
  PROPERTY(Default, GetDefault, SetDefault).Default(false);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(GroupIndex, GetGroupIndex, SetGroupIndex).Default(0);
  PROPERTY(HelpContext, GetHelpContext, SetHelpContext).Default(0);
  PROPERTY(Hint, GetHint, SetHint);
  PROPERTY(RadioItem, GetRadioItem, SetRadioItem).Default(false);
  PROPERTY(ShortCut, GetShortCut, SetShortCut).Default(scNone);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
}

IMPLEMENT_CLASS(TMenu) {}

IMPLEMENT_CLASS(TMainMenu) {
  PROPERTY(AutoMerge, GetAutoMerge, SetAutoMerge).Default(false);
}

IMPLEMENT_CLASS(TPopupMenu) {
  PROPERTY(Alignment, GetAlignment, SetAlignment).Default(paLeft);
  PROPERTY(AutoPopup, GetAutoPopup, SetAutoPopup).Default(true);
  PROPERTY(OnPopup, GetOnPopup, SetOnPopup);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()});
  return true;
}();

std::string NameOf(const TMenuItem* item) {
  return item->GetName().empty() ? std::string(item->GetCaption()) : std::string(item->GetName());
}
}  // namespace

// Items.

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  TMenuTracker::ItemFreeing(this);
  if (FParent) {
    auto& siblings = FParent->FItems;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
    TMenuItem* parent = FParent;
    FParent = nullptr;
    parent->MenuChanged();
  }
  while (!FItems.empty())
    FItems.back()->Free();
}

void TMenuItem::MenuChanged() {
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::SetCaption(const TCaption& value) {
  if (value == FCaption) return;
  FCaption = value;
  MenuChanged();
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  if (value && FRadioItem) TurnSiblingsOff();
  MenuChanged();
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* sibling : FParent->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
      sibling->FChecked = false;
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  // One default item per submenu.
  if (value && FParent)
    for (TMenuItem* sibling : FParent->FItems)
      sibling->FDefault = false;
  FDefault = value;
  MenuChanged();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  MenuChanged();
}

void TMenuItem::SetGroupIndex(int32_t value) {
  if (value < 0 || value > 255)
    throw EMenuError(Format("GroupIndex must lie between 0 and 255, not %d", value));
  if (value == FGroupIndex) return;
  FGroupIndex = value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == FRadioItem) return;
  FRadioItem = value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (value == FShortCut) return;
  FShortCut = value;
  MenuChanged();
}

void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  MenuChanged();
}

// The tree.

TMenuItem* TMenuItem::GetItem(int index) const {
  if (index < 0 || index >= GetCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FItems[static_cast<size_t>(index)];
}

int TMenuItem::GetMenuIndex() const {
  return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  value = std::clamp(value, 0, parent->GetCount() - 1);
  if (value == GetMenuIndex()) return;
  parent->Remove(this);
  parent->Insert(value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent)
    item = item->FParent;
  return item->FMenu;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  for (TMenuItem* item : FItems)
    if (SameText(StripHotkey(item->FCaption), caption)) return item;
  return nullptr;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) throw EMenuError("Cannot insert a menu item that does not exist");
  if (item->FParent || item->FMenu)
    throw EMenuError(Format("Menu item '%s' is in a menu already", NameOf(item)));
  for (const TMenuItem* ancestor = this; ancestor; ancestor = ancestor->FParent)
    if (ancestor == item)
      throw EMenuError(Format("Menu item '%s' cannot be put inside itself", NameOf(item)));
  if (index < 0 || index > GetCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  if (item->FChecked && item->FRadioItem) item->TurnSiblingsOff();
  MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0)
    throw EMenuError(Format("Menu item '%s' is not in this menu", item ? NameOf(item) : "nil"));
  Delete(index);
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = GetItem(index);
  FItems.erase(FItems.begin() + index);
  item->FParent = nullptr;
  MenuChanged();
}

void TMenuItem::Clear() {
  while (!FItems.empty())
    FItems.back()->Free();
}

bool TMenuItem::CanActivate() const {
  for (const TMenuItem* item = this; item; item = item->FParent)
    if (!item->FEnabled || !item->FVisible) return false;
  return !IsLine();
}

void TMenuItem::Click() {
  if (FOnClick) FOnClick(this);
}

// Form files.

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* value) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(value))
    menu->GetItems()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(value))
    item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TMenuItem* item : FItems)
    if (item->GetOwner() == root) proc(item);
}

// Menus.

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  TMenuTracker::MenuFreeing(this);
  FItems->FMenu = nullptr;
  FItems->Free();
}

void TMenu::MenuChanged() {
  TMenuTracker::MenuChanged(this);
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) {
  FItems->GetChildren(proc, root);
}

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) const {
  if (shortCut == scNone) return nullptr;
  std::vector<TMenuItem*> pending(FItems->FItems.rbegin(), FItems->FItems.rend());
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (!item->FVisible || !item->FEnabled) continue;
    if (item->FShortCut == shortCut) return item;
    pending.insert(pending.end(), item->FItems.rbegin(), item->FItems.rend());
  }
  return nullptr;
}

bool TMenu::IsShortCut(WORD key, TShiftState shift) {
  TMenuItem* item = FindShortCut(ShortCut(key, shift));
  if (!item) return false;
  item->Click();
  return true;
}

// Main menus and popup menus.

TMainMenu::~TMainMenu() {
  if (FWindowForm) FWindowForm->SetMenu(nullptr);
}

void TMainMenu::MenuChanged() {
  TMenu::MenuChanged();
  if (FWindowForm) FWindowForm->MenuChanged();
}

void TPopupMenu::Popup(int x, int y) {
  if (FOnPopup) FOnPopup(this);
  TMenuTracker::TrackPopup(this, x, y);
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
  if (value == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = value;
  if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}
