#include "controls/PageControl.h"

#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/Strings.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TTabSheet) {
  // A page's place and size are its page control's, and it shows when active.
  PROPERTY(Left, GetLeft, SetLeft).Stored(false);
  PROPERTY(Top, GetTop, SetTop).Stored(false);
  PROPERTY(Width, GetWidth, SetWidth).Stored(false);
  PROPERTY(Height, GetHeight, SetHeight).Stored(false);
  PROPERTY(Caption, GetCaption, SetCaption);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(PageIndex, GetPageIndex, SetPageIndex).Stored(false);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabVisible, GetTabVisible, SetTabVisible).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Stored(false);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);

  MESSAGE_HANDLER(CM_TEXTCHANGED, CMTextChanged);
}

IMPLEMENT_CLASS(TPageControl) {
  PROPERTY(ActivePage, GetActivePage, SetActivePage);
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(TabHeight, GetTabHeight, SetTabHeight).Default(0);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(TabWidth, GetTabWidth, SetTabWidth).Default(0);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnChange, GetOnChange, SetOnChange);
  PROPERTY(OnChanging, GetOnChanging, SetOnChanging);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TTabSheet::StaticClass(), TPageControl::StaticClass()});
  return true;
}();
}  // namespace

// Pages.

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(GetControlStyle() + TControlStyle{csAcceptsControls, csNoDesignVisible});
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* value) {
  SetParent(value);
}

void TTabSheet::SetParent(TWinControl* value) {
  auto* pageControl = dynamic_cast<TPageControl*>(value);
  if (FPageControl && FPageControl != pageControl) FPageControl->RemovePage(this);
  TWinControl::SetParent(value);
  if (pageControl && FPageControl != pageControl) pageControl->InsertPage(this);
}

int32_t TTabSheet::GetPageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->FPages;
  return static_cast<int32_t>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int32_t value) {
  if (FPageControl) FPageControl->MovePage(this, value);
}

void TTabSheet::SetTabVisible(bool value) {
  if (value == FTabVisible) return;
  FTabVisible = value;
  if (FPageControl) FPageControl->UpdateTabs();
}

int TTabSheet::GetTabIndex() const {
  if (!FPageControl || !FTabVisible) return -1;
  int index = 0;
  for (TTabSheet* page : FPageControl->FPages) {
    if (page == this) return index;
    if (page->FTabVisible) ++index;
  }
  return -1;
}

void TTabSheet::CMTextChanged(TMessage&) {
  if (FPageControl) FPageControl->UpdateTabs();
}

// The page control.

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {
  // Pages, not controls, are put on a page control.
  SetControlStyle(GetControlStyle() - TControlStyle{csAcceptsControls});
}

TPageControl::~TPageControl() {
  for (TTabSheet* page : FPages)
    page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

TTabSheet* TPageControl::GetPage(int index) const {
  if (index < 0 || index >= GetPageCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FPages[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  page->FPageControl = this;
  page->FreeNotification(this);
  page->SetVisible(page == FActivePage);
  UpdateTabs();
  Realign();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  TTabSheet* next = page == FActivePage ? FindNextPage(page, true, true) : FActivePage;
  if (next == page) next = nullptr;
  FPages.erase(it);
  page->FPageControl = nullptr;
  page->RemoveFreeNotification(this);
  if (page == FActivePage) {
    FActivePage = nullptr;
    ShowPage(next);
  }
  UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  if (index < 0 || index >= GetPageCount())
    throw EListError(Format("Page index out of bounds (%d)", index));
  FPages.erase(it);
  FPages.insert(FPages.begin() + index, page);
  UpdateTabs();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TCustomTabControl::Notification(component, operation);
  if (operation == opRemove)
    if (auto* page = dynamic_cast<TTabSheet*>(component); page && page->FPageControl == this)
      RemovePage(page);
}

void TPageControl::UpdateTabs() {
  TStrings* tabs = GetTabs();
  TStringsUpdate update(tabs);
  tabs->Clear();
  for (TTabSheet* page : FPages)
    if (page->FTabVisible) tabs->Add(page->GetCaption());
  UpdateTabIndex(FActivePage ? FActivePage->GetTabIndex() : -1);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward,
                                      bool checkTabVisible) const {
  const int count = GetPageCount();
  if (count == 0) return nullptr;
  auto it = std::find(FPages.begin(), FPages.end(), current);
  int start =
      it == FPages.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - FPages.begin());
  int i = start;
  do {
    i = ((forward ? i + 1 : i - 1) % count + count) % count;
    TTabSheet* page = FPages[static_cast<size_t>(i)];
    if (!checkTabVisible || page->FTabVisible) return page;
  } while (i != start);
  return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
  SelectNextTab(forward);
}

int TPageControl::GetActivePageIndex() const {
  return FActivePage ? FActivePage->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int value) {
  SetActivePage(value < 0 ? nullptr : GetPage(value));
}

void TPageControl::SetActivePage(TTabSheet* value) {
  if (value && value->FPageControl != this)
    throw EInvalidOperation(Format("Page '%s' is not a page of '%s'", std::string(value->GetName()),
                                   std::string(GetName())));
  ShowPage(value);
  UpdateTabIndex(value ? value->GetTabIndex() : -1);
}

void TPageControl::ShowPage(TTabSheet* page) {
  if (page == FActivePage) return;
  TTabSheet* previous = FActivePage;
  FActivePage = page;
  if (page) {
    page->BringToFront();
    page->SetVisible(true);
    Realign();
  }
  if (previous) previous->SetVisible(false);
  // The focus does not stay on a page that went out of sight.
  if (previous && page) {
    TWinControl* focused = FindControl(GetFocus());
    if (focused && previous->ContainsControl(focused) && CanFocus()) SetFocus();
  }
}

void TPageControl::Change() {
  const int index = GetTabIndex();
  for (TTabSheet* page : FPages)
    if (page->GetTabIndex() == index && index >= 0) {
      ShowPage(page);
      break;
    }
  TCustomTabControl::Change();
}

void TPageControl::AlignControls(TControl* control, TRect& rect) {
  const TRect display = GetDisplayRect();
  for (TTabSheet* page : FPages)
    page->SetBounds(display.Left, display.Top, display.Width(), display.Height());
  TCustomTabControl::AlignControls(control, rect);
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  UpdateTabs();
  Realign();
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TTabSheet* page : FPages)
    if (page->GetOwner() == root) proc(page);
}
