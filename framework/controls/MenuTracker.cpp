#include "controls/MenuTracker.h"

#include <algorithm>

#include "controls/Application.h"
#include "controls/Form.h"
#include "controls/MenuBar.h"
#include "controls/MenuWindow.h"
#include "controls/Menus.h"
#include "core/Module.h"
#include "winsys/Input.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TMenuTracker) {
  MESSAGE_HANDLER(WM_MOUSEMOVE, WMMouseMove);
  MESSAGE_HANDLER(WM_LBUTTONDOWN, WMButtonDown);
  MESSAGE_HANDLER(WM_LBUTTONDBLCLK, WMButtonDown);
  MESSAGE_HANDLER(WM_RBUTTONDOWN, WMButtonDown);
  MESSAGE_HANDLER(WM_RBUTTONDBLCLK, WMButtonDown);
  MESSAGE_HANDLER(WM_MBUTTONDOWN, WMButtonDown);
  MESSAGE_HANDLER(WM_MBUTTONDBLCLK, WMButtonDown);
  MESSAGE_HANDLER(WM_LBUTTONUP, WMButtonUp);
  MESSAGE_HANDLER(WM_RBUTTONUP, WMButtonUp);
  MESSAGE_HANDLER(WM_KEYDOWN, WMKeyDown);
  MESSAGE_HANDLER(WM_KEYUP, WMKeyUp);
  MESSAGE_HANDLER(WM_CAPTURECHANGED, WMCaptureChanged);
  MESSAGE_HANDLER(CM_RELEASE, CMRelease);
}

namespace {
// The tracker of the open menu. The keyboard hook, a plain function, finds it here: the one
// piece of process state a menu needs, as the platform's own menu loop has.
TMenuTracker* Active = nullptr;

// Submenus overlap their parent's edge by this much.
constexpr int SubmenuOverlap = 3;

bool HasVisibleChildren(const TMenuItem* item) {
  for (int i = 0; i < item->GetCount(); ++i)
    if (item->GetItem(i)->GetVisible()) return true;
  return false;
}

bool IsInside(const TMenuItem* item, const TMenuItem* ancestor) {
  for (const TMenuItem* parent = item; parent; parent = parent->GetParent())
    if (parent == ancestor) return true;
  return false;
}

// The character a key types, for '&' letters.
char32_t KeyCharacter(WORD key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
  return CharacterOfKey(key, false, false, false);
}
}  // namespace

TMenuTracker::TMenuTracker(TMenu* menu) : TCustomControl(Application), FMenu(menu) {
  SetVisible(false);
  SetBounds(0, 0, 0, 0);
}

TMenuTracker::~TMenuTracker() {
  if (Active == this) Active = nullptr;
  if (FHook) UnhookWindowsHookEx(FHook);
  if (HandleAllocated() && GetCapture() == FHandle) ReleaseCapture();
}

void TMenuTracker::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WndParent = nullptr;
}

TMenuTracker* TMenuTracker::GetActive() {
  return Active;
}

TMenuWindow* TMenuTracker::GetLevel(int index) const {
  if (index < 0 || index >= GetLevelCount()) return nullptr;
  return FWindows[static_cast<size_t>(index)];
}

// Opening and closing.

void TMenuTracker::TrackBar(TCustomForm* form, TMainMenu* menu, int index, bool keyboard) {
  CloseAll();
  if (!form || !menu || index < 0 || index >= menu->GetItems()->GetCount()) return;
  auto* tracker = new TMenuTracker(menu);
  tracker->FForm = form;
  tracker->Start();
  TMenuItem* title = menu->GetItems()->GetItem(index);
  if (keyboard && !HasVisibleChildren(title)) {
    // A title without items is a command of its own.
    tracker->Choose(title);
    return;
  }
  tracker->DropBar(index, keyboard);
}

void TMenuTracker::TrackPopup(TPopupMenu* menu, int x, int y) {
  CloseAll();
  if (!menu || !HasVisibleChildren(menu->GetItems())) return;
  auto* tracker = new TMenuTracker(menu);
  tracker->Start();
  auto* window = new TMenuWindow(tracker, menu->GetItems());
  window->Rebuild();
  int left = x;
  if (menu->GetAlignment() == paRight) left = x - window->GetWidth();
  if (menu->GetAlignment() == paCenter) left = x - window->GetWidth() / 2;
  window->ShowAt(left, y, x);
  tracker->FWindows.push_back(window);
}

void TMenuTracker::CloseAll() {
  if (Active) Active->Finish();
}

void TMenuTracker::Start() {
  Active = this;
  SetCapture(GetHandle());
  FHook = SetWindowsHookEx(WH_KEYBOARD, &KeyboardHook, nullptr, 0);
}

void TMenuTracker::Finish() {
  if (FFinished) return;
  FFinished = true;
  if (Active == this) Active = nullptr;
  if (FHook) UnhookWindowsHookEx(FHook);
  FHook = nullptr;
  CloseFrom(0);
  FBarIndex = -1;
  PaintBar();
  if (HandleAllocated()) {
    if (GetCapture() == FHandle) ReleaseCapture();
    PostMessage(FHandle, CM_RELEASE, 0, 0);
  }
}

void TMenuTracker::CMRelease(TMessage&) {
  Free();
}

LRESULT TMenuTracker::KeyboardHook(int code, WPARAM key, LPARAM data) {
  if (code != HC_ACTION || !Active || !Active->HandleAllocated())
    return CallNextHookEx(nullptr, code, key, data);
  const bool up = (static_cast<uint32_t>(data) & 0x80000000u) != 0;
  PostMessage(Active->FHandle, up ? WM_KEYUP : WM_KEYDOWN, key, data);
  return 1;
}

void TMenuTracker::CloseFrom(int level) {
  while (GetLevelCount() > std::max(level, 0)) {
    TMenuWindow* window = FWindows.back();
    FWindows.pop_back();
    window->Free();
  }
  if (level > 0 && level <= GetLevelCount()) FWindows[static_cast<size_t>(level) - 1]->Invalidate();
}

void TMenuTracker::OpenLevel(TMenuItem* item, const TRect& anchor, bool beside, bool selectFirst) {
  auto* window = new TMenuWindow(this, item);
  if (beside) {
    TMenuWindow* parent = FWindows.back();
    window->ShowAt(parent->GetLeft() + parent->GetWidth() - SubmenuOverlap,
                   anchor.Top - SubmenuOverlap, parent->GetLeft() + SubmenuOverlap);
  } else {
    window->ShowAt(anchor.Left, anchor.Bottom, anchor.Right);
  }
  FWindows.push_back(window);
  if (selectFirst) window->SetSelected(window->NextSelectable(-1, 1));
}

void TMenuTracker::SelectBar(int index) {
  CloseFrom(0);
  FBarIndex = index;
  PaintBar();
}

void TMenuTracker::DropBar(int index, bool selectFirst) {
  TCustomForm* form = FForm.Get();
  if (!form) return Finish();
  CloseFrom(0);
  FBarIndex = index;
  TMenuItem* title = FMenu->GetItems()->GetItem(index);
  const std::vector<TRect> titles = MenuBar::ItemScreenRects(form);
  if (HasVisibleChildren(title) && index < static_cast<int>(titles.size()))
    OpenLevel(title, titles[static_cast<size_t>(index)], false, selectFirst);
  PaintBar();
}

void TMenuTracker::PaintBar() {
  if (TCustomForm* form = FForm.Get()) MenuBar::Paint(form);
}

void TMenuTracker::Choose(TMenuItem* item) {
  Finish();
  if (item && item->CanActivate()) item->Click();
}

void TMenuTracker::Hover(int level, int index) {
  TMenuWindow* window = FWindows[static_cast<size_t>(level)];
  if (index == window->GetSelected() && level + 1 >= GetLevelCount()) return;
  if (index == window->GetSelected() && index >= 0) return;  // its submenu stays open
  CloseFrom(level + 1);
  window->SetSelected(index);
  if (index < 0) return;
  TMenuItem* item = window->GetItem()->GetItem(index);
  if (item->GetEnabled() && HasVisibleChildren(item))
    OpenLevel(item, window->ItemScreenRect(index), true, false);
}

// The mouse, in screen coordinates (the tracker's hidden window has its client corner at
// the screen's, but it is asked rather than assumed).

TPoint TMenuTracker::ScreenPos(const TWMMouse& message) {
  TPoint point = message.Pos();
  ::ClientToScreen(FHandle, &point);
  return point;
}

void TMenuTracker::WMMouseMove(TWMMouse& message) {
  if (FFinished) return;
  const TPoint point = ScreenPos(message);
  for (int level = GetLevelCount() - 1; level >= 0; --level)
    if (FWindows[static_cast<size_t>(level)]->Contains(point)) {
      Hover(level, FWindows[static_cast<size_t>(level)]->ItemAt(point));
      return;
    }
  if (TCustomForm* form = FForm.Get()) {
    const int title = MenuBar::ItemAt(form, point);
    if (title >= 0 && title != FBarIndex && GetDropped()) DropBar(title, false);
    if (title >= 0) return;
  }
  // Outside every menu: the deepest one keeps no selection (unless a submenu hangs from it).
  if (GetDropped()) FWindows.back()->SetSelected(-1);
}

void TMenuTracker::WMButtonDown(TWMMouse& message) {
  if (FFinished) return;
  const TPoint point = ScreenPos(message);
  for (TMenuWindow* window : FWindows)
    if (window->Contains(point)) return;
  if (TCustomForm* form = FForm.Get()) {
    const int title = MenuBar::ItemAt(form, point);
    if (title >= 0 && (title != FBarIndex || !GetDropped())) {
      DropBar(title, false);
      return;
    }
  }
  // Outside the menu, or on the open title again: the menu closes and the press is spent.
  Finish();
}

void TMenuTracker::WMButtonUp(TWMMouse& message) {
  if (FFinished) return;
  const TPoint point = ScreenPos(message);
  for (int level = GetLevelCount() - 1; level >= 0; --level) {
    TMenuWindow* window = FWindows[static_cast<size_t>(level)];
    if (!window->Contains(point)) continue;
    const int index = window->ItemAt(point);
    if (index < 0) return;
    TMenuItem* item = window->GetItem()->GetItem(index);
    if (!HasVisibleChildren(item) && item->CanActivate()) Choose(item);
    return;
  }
  // A title without items chooses itself on release.
  if (TCustomForm* form = FForm.Get()) {
    const int title = MenuBar::ItemAt(form, point);
    if (title >= 0 && title == FBarIndex && !HasVisibleChildren(FMenu->GetItems()->GetItem(title)))
      Choose(FMenu->GetItems()->GetItem(title));
  }
}

void TMenuTracker::WMCaptureChanged(TMessage&) {
  // Someone else took the mouse: the menu gives up.
  Finish();
}

// Keys.

void TMenuTracker::WMKeyUp(TWMKey&) {}

void TMenuTracker::WMKeyDown(TWMKey& message) {
  if (FFinished) return;
  const WORD key = static_cast<WORD>(message.CharCode());
  if (key == VK_MENU || key == VK_F10) return Finish();
  if (FForm && !FForm.Get()) return Finish();
  if (GetDropped()) return KeyInLevel(GetLevelCount() - 1, key);
  // A bar title selected from the keyboard, its menu closed.
  TMenuItem* top = FMenu->GetItems();
  const int count = top->GetCount();
  if (!FForm || count == 0) return Finish();
  auto step = [&](int direction) {
    int index = FBarIndex;
    for (int tried = 0; tried < count; ++tried) {
      index = ((index + direction) % count + count) % count;
      if (top->GetItem(index)->GetVisible()) return index;
    }
    return FBarIndex;
  };
  switch (key) {
    case VK_LEFT:
      return SelectBar(step(-1));
    case VK_RIGHT:
      return SelectBar(step(1));
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
      if (HasVisibleChildren(top->GetItem(FBarIndex))) return DropBar(FBarIndex, true);
      if (key == VK_RETURN) Choose(top->GetItem(FBarIndex));
      return;
    case VK_ESCAPE:
      return Finish();
    default:
      if (const int index = MenuBar::AcceleratorIndex(FForm.Get(), KeyCharacter(key)); index >= 0) {
        if (HasVisibleChildren(top->GetItem(index)))
          DropBar(index, true);
        else
          Choose(top->GetItem(index));
      }
      return;
  }
}

void TMenuTracker::KeyInLevel(int level, WORD key) {
  TMenuWindow* window = FWindows[static_cast<size_t>(level)];
  TMenuItem* parent = window->GetItem();
  const int selected = window->GetSelected();
  TMenuItem* item = selected >= 0 ? parent->GetItem(selected) : nullptr;
  const bool opens = item && item->GetEnabled() && HasVisibleChildren(item);
  auto stepTitle = [&](int direction) {
    TMenuItem* top = FMenu->GetItems();
    int index = FBarIndex;
    for (int tried = 0; tried < top->GetCount(); ++tried) {
      index = ((index + direction) % top->GetCount() + top->GetCount()) % top->GetCount();
      if (top->GetItem(index)->GetVisible()) break;
    }
    DropBar(index, true);
  };
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      CloseFrom(level + 1);
      window->SetSelected(window->NextSelectable(selected, key == VK_DOWN ? 1 : -1));
      return;
    case VK_RIGHT:
      if (opens) {
        CloseFrom(level + 1);
        OpenLevel(item, window->ItemScreenRect(selected), true, true);
      } else if (FForm) {
        stepTitle(1);
      }
      return;
    case VK_LEFT:
      if (level > 0)
        CloseFrom(level);
      else if (FForm)
        stepTitle(-1);
      return;
    case VK_RETURN:
      if (opens) {
        CloseFrom(level + 1);
        OpenLevel(item, window->ItemScreenRect(selected), true, true);
      } else if (item && item->CanActivate()) {
        Choose(item);
      }
      return;
    case VK_ESCAPE:
      if (level > 0) return CloseFrom(level);
      if (FForm) return SelectBar(FBarIndex);
      return Finish();
    default:
      break;
  }
  const char32_t character = KeyCharacter(key);
  if (!character) return;
  for (int i = 0; i < parent->GetCount(); ++i) {
    TMenuItem* candidate = parent->GetItem(i);
    if (!candidate->GetVisible() || !IsAccel(character, candidate->GetCaption())) continue;
    CloseFrom(level + 1);
    window->SetSelected(i);
    if (candidate->GetEnabled() && HasVisibleChildren(candidate))
      OpenLevel(candidate, window->ItemScreenRect(i), true, true);
    else if (candidate->CanActivate())
      Choose(candidate);
    return;
  }
}

// Changes of the menu while it shows.

void TMenuTracker::MenuChanged(TMenu* menu) {
  if (Active && Active->FMenu == menu) Active->Refresh();
}

void TMenuTracker::MenuFreeing(TMenu* menu) {
  if (Active && Active->FMenu == menu) Active->Finish();
}

void TMenuTracker::ItemFreeing(TMenuItem* item) {
  if (!Active) return;
  TMenuTracker* tracker = Active;
  for (int level = 0; level < tracker->GetLevelCount(); ++level)
    if (IsInside(tracker->FWindows[static_cast<size_t>(level)]->GetItem(), item)) {
      tracker->CloseFrom(level);
      break;
    }
}

void TMenuTracker::Refresh() {
  TMenuItem* top = FMenu->GetItems();
  // The bar's title may have moved; a title gone ends the menu.
  if (FForm && GetDropped()) {
    FBarIndex = top->IndexOf(FWindows.front()->GetItem());
    if (FBarIndex < 0) return Finish();
  }
  if (FForm && (FBarIndex < 0 || FBarIndex >= top->GetCount())) return Finish();
  for (int level = 0; level < GetLevelCount(); ++level) {
    TMenuWindow* window = FWindows[static_cast<size_t>(level)];
    TMenuItem* item = window->GetItem();
    const bool attached =
        level == 0 ? (FForm ? top->GetItem(FBarIndex) == item : item == top)
                   : FWindows[static_cast<size_t>(level) - 1]->GetItem()->IndexOf(item) >= 0;
    if (!attached || !HasVisibleChildren(item)) {
      CloseFrom(level);
      break;
    }
    window->Rebuild();
    // A submenu follows its row, which may have moved.
    if (level > 0) {
      TMenuWindow* parent = FWindows[static_cast<size_t>(level) - 1];
      const int row = parent->GetItem()->IndexOf(item);
      const TRect anchor = parent->ItemScreenRect(row);
      if (!anchor.IsEmpty())
        window->ShowAt(parent->GetLeft() + parent->GetWidth() - SubmenuOverlap,
                       anchor.Top - SubmenuOverlap, parent->GetLeft() + SubmenuOverlap);
    } else if (TCustomForm* form = FForm.Get()) {
      const std::vector<TRect> titles = MenuBar::ItemScreenRects(form);
      if (FBarIndex < static_cast<int>(titles.size())) {
        const TRect anchor = titles[static_cast<size_t>(FBarIndex)];
        window->ShowAt(anchor.Left, anchor.Bottom, anchor.Right);
      }
    }
  }
  PaintBar();
}
