#include "toolsapi/IDEMenu.h"

#include "controls/Menus.h"
#include "core/SysUtils.h"

// Follows one menu component and forgets it when it is destroyed.
template <typename T>
class TComponentWatch : public TComponent {
 public:
  explicit TComponentWatch(T* watched) : TComponent(nullptr), FWatched(watched) {
    if (watched) watched->FreeNotification(this);
  }
  ~TComponentWatch() override {
    if (FWatched) FWatched->RemoveFreeNotification(this);
  }
  T* Get() const { return FWatched; }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove && component == FWatched) FWatched = nullptr;
  }

 private:
  T* FWatched;
};

class TIDEMainMenu::TWatch : public TComponentWatch<TMainMenu> {
  using TComponentWatch::TComponentWatch;
};

class TIDEMenuItem::TWatch : public TComponentWatch<TMenuItem> {
  using TComponentWatch::TComponentWatch;
};

namespace {
// Carries an add-in's click handler on the item it inserted (owned by that item, so it goes
// with it) and hands the handler an interface of the clicked item.
class TMenuClickRelay : public TComponent {
 public:
  TMenuClickRelay(TMenuItem* item, TIMenuClickEvent click) : TComponent(item), FClick(click) {}

  TIMenuClickEvent GetClick() const { return FClick; }
  void SetClick(TIMenuClickEvent click) { FClick = click; }

  void ItemClick(TObject* sender) {
    if (!FClick) return;
    TInterfaceRef<TIDEMenuItem> item(new TIDEMenuItem(static_cast<TMenuItem*>(GetOwner())));
    FClick(item.Get());
  }

 private:
  TIMenuClickEvent FClick;
};

TMenuClickRelay* FindRelay(TMenuItem* item) {
  for (int i = 0; i < item->GetComponentCount(); ++i)
    if (auto* relay = dynamic_cast<TMenuClickRelay*>(item->GetComponent(i))) return relay;
  return nullptr;
}

TMenuItem* FindItemNamed(TMenuItem* item, const std::string& name) {
  if (!item) return nullptr;
  if (SameText(item->GetName(), name)) return item;
  for (int i = 0; i < item->GetCount(); ++i)
    if (TMenuItem* found = FindItemNamed(item->GetItem(i), name)) return found;
  return nullptr;
}

TIMenuItemIntf* InterfaceOf(TMenuItem* item) {
  return item ? new TIDEMenuItem(item) : nullptr;
}
}  // namespace

TIDEMainMenu::TIDEMainMenu(TMainMenu* menu) : FWatch(std::make_unique<TWatch>(menu)) {}

TIDEMainMenu::~TIDEMainMenu() = default;

TIMenuItemIntf* TIDEMainMenu::GetMenuItems() {
  return FWatch->Get() ? InterfaceOf(FWatch->Get()->GetItems()) : nullptr;
}

TIMenuItemIntf* TIDEMainMenu::FindMenuItem(const std::string& name) {
  if (!FWatch->Get() || name.empty()) return nullptr;
  return InterfaceOf(FindItemNamed(FWatch->Get()->GetItems(), name));
}

TIDEMenuItem::TIDEMenuItem(TMenuItem* item, bool ownsItem)
    : FWatch(std::make_unique<TWatch>(item)), FOwnsItem(ownsItem) {}

TIDEMenuItem::~TIDEMenuItem() {
  if (FOwnsItem) DestroyMenuItem();
}

TMenuItem* TIDEMenuItem::GetMenuItem() const {
  return FWatch->Get();
}

bool TIDEMenuItem::DestroyMenuItem() {
  TMenuItem* item = GetMenuItem();
  if (!item || (!item->GetParent() && item->GetParentMenu())) return false;  // a menu's top
  item->Free();
  return true;
}

int TIDEMenuItem::GetIndex() {
  TMenuItem* item = GetMenuItem();
  return item && item->GetParent() ? item->GetMenuIndex() : -1;
}

int TIDEMenuItem::GetItemCount() {
  return GetMenuItem() ? GetMenuItem()->GetCount() : 0;
}

TIMenuItemIntf* TIDEMenuItem::GetItem(int index) {
  TMenuItem* item = GetMenuItem();
  if (!item || index < 0 || index >= item->GetCount()) return nullptr;
  return InterfaceOf(item->GetItem(index));
}

std::string TIDEMenuItem::GetName() {
  return GetMenuItem() ? std::string(GetMenuItem()->GetName()) : std::string();
}

TIMenuItemIntf* TIDEMenuItem::GetParent() {
  return GetMenuItem() ? InterfaceOf(GetMenuItem()->GetParent()) : nullptr;
}

std::string TIDEMenuItem::GetCaption() {
  return GetMenuItem() ? std::string(GetMenuItem()->GetCaption()) : std::string();
}

bool TIDEMenuItem::SetCaption(const std::string& caption) {
  if (!GetMenuItem()) return false;
  GetMenuItem()->SetCaption(caption);
  return true;
}

int TIDEMenuItem::GetShortCut() {
  return GetMenuItem() ? GetMenuItem()->GetShortCut() : 0;
}

bool TIDEMenuItem::SetShortCut(int shortCut) {
  if (!GetMenuItem() || shortCut < 0 || shortCut > 0xFFFF) return false;
  GetMenuItem()->SetShortCut(static_cast<TShortCut>(shortCut));
  return true;
}

TIMenuFlags TIDEMenuItem::GetFlags() {
  TMenuItem* item = GetMenuItem();
  if (!item) return {mfInvalid};
  TIMenuFlags flags;
  if (item->GetEnabled()) flags.Include(mfEnabled);
  if (item->GetVisible()) flags.Include(mfVisible);
  if (item->GetChecked()) flags.Include(mfChecked);
  if (item->GetRadioItem()) flags.Include(mfRadioItem);
  return flags;
}

bool TIDEMenuItem::SetFlags(TIMenuFlags mask, TIMenuFlags flags) {
  TMenuItem* item = GetMenuItem();
  if (!item) return false;
  if (mask.Contains(mfEnabled)) item->SetEnabled(flags.Contains(mfEnabled));
  if (mask.Contains(mfVisible)) item->SetVisible(flags.Contains(mfVisible));
  if (mask.Contains(mfChecked)) item->SetChecked(flags.Contains(mfChecked));
  if (mask.Contains(mfRadioItem)) item->SetRadioItem(flags.Contains(mfRadioItem));
  return true;
}

int TIDEMenuItem::GetGroupIndex() {
  return GetMenuItem() ? GetMenuItem()->GetGroupIndex() : 0;
}

bool TIDEMenuItem::SetGroupIndex(int groupIndex) {
  if (!GetMenuItem()) return false;
  GetMenuItem()->SetGroupIndex(groupIndex);
  return true;
}

std::string TIDEMenuItem::GetHint() {
  return GetMenuItem() ? GetMenuItem()->GetHint() : std::string();
}

bool TIDEMenuItem::SetHint(const std::string& hint) {
  if (!GetMenuItem()) return false;
  GetMenuItem()->SetHint(hint);
  return true;
}

int TIDEMenuItem::GetContext() {
  return GetMenuItem() ? GetMenuItem()->GetHelpContext() : 0;
}

bool TIDEMenuItem::SetContext(int context) {
  if (!GetMenuItem()) return false;
  GetMenuItem()->SetHelpContext(context);
  return true;
}

TIMenuClickEvent TIDEMenuItem::GetMenuClickEvent() {
  TMenuClickRelay* relay = GetMenuItem() ? FindRelay(GetMenuItem()) : nullptr;
  return relay ? relay->GetClick() : TIMenuClickEvent();
}

bool TIDEMenuItem::SetMenuClickEvent(TIMenuClickEvent click) {
  TMenuItem* item = GetMenuItem();
  if (!item) return false;
  TMenuClickRelay* relay = FindRelay(item);
  if (!relay) {
    relay = new TMenuClickRelay(item, click);
    item->SetOnClick(MakeMethod<&TMenuClickRelay::ItemClick>(relay));
  }
  relay->SetClick(click);
  return true;
}

TIMenuItemIntf* TIDEMenuItem::InsertItem(int index, const std::string& caption,
                                         const std::string& name, const std::string& hint,
                                         int shortCut, int context, int groupIndex,
                                         TIMenuFlags flags, TIMenuClickEvent click) {
  TMenuItem* parent = GetMenuItem();
  if (!parent) return nullptr;
  // Owned like the menu's own items, so that the form finds it by name.
  auto* item = new TMenuItem(parent->GetOwner());
  TInterfaceRef<TIDEMenuItem> inserted(new TIDEMenuItem(item, true));
  try {
    item->SetName(name);
  } catch (...) {
    item->Free();
    throw;
  }
  inserted->SetCaption(caption);
  inserted->SetHint(hint);
  inserted->SetShortCut(shortCut);
  inserted->SetContext(context);
  inserted->SetGroupIndex(groupIndex);
  inserted->SetFlags({mfEnabled, mfVisible, mfChecked, mfRadioItem}, flags);
  if (click) inserted->SetMenuClickEvent(click);
  if (index < 0 || index > parent->GetCount()) index = parent->GetCount();
  parent->Insert(index, item);
  return inserted.Detach();
}
