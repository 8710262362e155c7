#include "vxedit/PopupListBox.h"

#include <algorithm>
#include <cstring>

#include "core/Module.h"
#include "vxedit/CustomVxEdit.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TPopupListBox) {
  PROPERTY(ItemHeight, GetItemHeight, SetItemHeight);
  PROPERTY(Items, GetItems, SetItems);
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
  MESSAGE_HANDLER(WM_LBUTTONDOWN, WMLButtonDown);
  MESSAGE_HANDLER(WM_MOUSEMOVE, WMMouseMove);
}

namespace {
constexpr int MaxVisibleItems = 7;

DWORD ListStyleFlag(TListBoxStyle style) {
  switch (style) {
    case lbOwnerDrawFixed:
      return LBS_OWNERDRAWFIXED;
    case lbOwnerDrawVariable:
      return LBS_OWNERDRAWVARIABLE;
    default:
      return 0;
  }
}
}  // namespace

TPopupListBox::TPopupListBox(TComponent* owner) : TCustomListBox(owner) {
  TControlStyle style = GetControlStyle();
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetVisible(false);
}

void TPopupListBox::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  params.Style = ListStyleFlag(GetStyle()) | WS_CHILD | WS_BORDER | WS_VSCROLL;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  params.WindowClass.style |= CS_SAVEBITS;
}

TCustomVxEdit* TPopupListBox::OwnerEdit() const {
  return dynamic_cast<TCustomVxEdit*>(GetOwner());
}

void TPopupListBox::KeyDown(WORD& key, TShiftState shift) {
  const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  if (plain && (key == VK_RETURN || key == VK_ESCAPE)) {
    const bool accept = key != VK_ESCAPE;
    key = 0;
    if (TCustomVxEdit* edit = OwnerEdit()) edit->CloseDropped(accept);
    return;
  }
  TCustomListBox::KeyDown(key, shift);
}

void TPopupListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return;
  if (TCustomVxEdit* edit = OwnerEdit()) edit->CloseDropped(GetClientRect().Contains({x, y}));
}

void TPopupListBox::WMSetText(TWMSetText& message) {
  const int found = static_cast<int>(
      Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(message.Text())));
  SetItemIndex(found >= 0 ? found : -1);
  const int shown = std::clamp(GetItems()->GetCount(), 1, MaxVisibleItems);
  SetClientHeight(shown * GetItemHeight());
  message.Result = 1;
}

void TPopupListBox::WMGetText(TWMGetText& message) {
  message.Result = 0;
  if (message.TextMax() <= 0 || !message.Text()) return;
  message.Text()[0] = '\0';
  if (GetItemIndex() < 0) return;
  const std::string text = GetItems()->Get(GetItemIndex());
  const size_t length = std::min(text.size(), static_cast<size_t>(message.TextMax() - 1));
  std::memcpy(message.Text(), text.data(), length);
  message.Text()[length] = '\0';
  message.Result = static_cast<LRESULT>(length);
}

void TPopupListBox::WMLButtonDown(TWMMouse& message) {
  const int index = ItemAtPos(message.Pos(), true);
  if (index >= 0) SetItemIndex(index);
}

void TPopupListBox::WMMouseMove(TWMMouse& message) {
  if (!(GetAsyncKeyState(VK_LBUTTON) & 0x8000)) return;
  const TPoint point = message.Pos();
  int index = ItemAtPos(point, true);
  const int selected = GetItemIndex();
  if (index < 0 && point.Y > GetClientHeight() && selected < GetItems()->GetCount() - 1)
    index = selected + 1;
  else if (index < 0 && point.Y < 0 && selected >= 1)
    index = selected - 1;
  if (index >= 0 && index != selected) SetItemIndex(index);
}
