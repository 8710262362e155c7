#include "controls/ComboBox.h"

#include <algorithm>
#include <cstring>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/Utf8.h"
#include "graphics/Gdi.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TComboListBox) {
  MESSAGE_HANDLER(WM_CAPTURECHANGED, WMCaptureChanged);
  MESSAGE_HANDLER(WM_MOUSEACTIVATE, WMMouseActivate);
}

IMPLEMENT_CLASS(TComboEdit) {
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
}

IMPLEMENT_CLASS(TCustomComboBox) {
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
  MESSAGE_HANDLER(WM_GETTEXTLENGTH, WMGetTextLength);
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_WANTSPECIALKEY, CMWantSpecialKey);
  MESSAGE_HANDLER(CM_ENABLEDCHANGED, CMEnabledChanged);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_COLORCHANGED, CMColorChanged);
  MESSAGE_HANDLER(CM_VISIBLECHANGED, CMVisibleChanged);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
  MESSAGE_HANDLER(CB_GETCOUNT, CBForwardToList);
  MESSAGE_HANDLER(CB_GETCURSEL, CBForwardToList);
  MESSAGE_HANDLER(CB_GETLBTEXT, CBForwardToList);
  MESSAGE_HANDLER(CB_GETLBTEXTLEN, CBForwardToList);
  MESSAGE_HANDLER(CB_FINDSTRING, CBForwardToList);
  MESSAGE_HANDLER(CB_SETCURSEL, CBSetCurSel);
  MESSAGE_HANDLER(CB_SHOWDROPDOWN, CBShowDropDown);
  MESSAGE_HANDLER(CB_GETDROPPEDSTATE, CBGetDroppedState);
}

IMPLEMENT_CLASS(TComboBox) {
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored).Default(clWindow);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(DropDownCount, GetDropDownCount, SetDropDownCount).Default(8);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(Items, GetItems, SetItems);
  PROPERTY(MaxLength, GetMaxLength, SetMaxLength).Default(0);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(Sorted, GetSorted, SetSorted).Default(false);
  PROPERTY(Style, GetStyle, SetStyle).Default(csDropDown);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Text, GetText, SetText);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnChange, GetOnChange, SetOnChange);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnCloseUp, GetOnCloseUp, SetOnCloseUp);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnDropDown, GetOnDropDown, SetOnDropDown);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TComboBox::StaticClass()});
  return true;
}();

constexpr int TextIndent = 2;

int FindExact(TCustomListBox* list, const std::string& text) {
  return static_cast<int>(list->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(text.c_str())));
}
}  // namespace

// The dropped list.

TComboListBox::TComboListBox(TCustomComboBox* comboBox)
    : TCustomListBox(comboBox), FComboBox(comboBox) {
  // The combo box handles the mouse: no focus, no capture of its own.
  SetControlStyle({csOpaque});
  SetVisible(false);
  SetTabStop(false);
}

void TComboListBox::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER | WS_VSCROLL;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  params.WindowClass.style |= CS_SAVEBITS;
}

bool TComboListBox::InsideClient(int x, int y) const {
  return GetClientRect().Contains({x, y});
}

bool TComboListBox::OnComboBox(int x, int y) const {
  if (!FComboBox->HandleAllocated()) return false;
  TRect bounds;
  GetWindowRect(FComboBox->FHandle, &bounds);
  return bounds.Contains(const_cast<TComboListBox*>(this)->ClientToScreen({x, y}));
}

void TComboListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TComboListBox> self(this);
  TCustomControl::MouseDown(button, shift, x, y);
  if (!self || button != mbLeft) return;
  if (InsideClient(x, y)) {
    FTracking = true;
    if (const int index = ItemAtPos({x, y}, true); index >= 0) SetItemIndex(index);
    return;
  }
  // A press on the combo box closes the list as the button toggles; anywhere else too.
  FComboBox->CloseList(false);
}

void TComboListBox::MouseMove(TShiftState shift, int x, int y) {
  if (InsideClient(x, y)) {
    FTracking = true;
    if (const int index = ItemAtPos({x, y}, true); index >= 0 && index != GetItemIndex())
      SetItemIndex(index);
  } else if (FTracking && shift.Contains(ssLeft) && GetItems()->GetCount() > 0) {
    // Dragged beyond the ends, the selection moves on and the list scrolls.
    if (y < 0 && GetItemIndex() > 0) SetItemIndex(GetItemIndex() - 1);
    const int last = GetItems()->GetCount() - 1;
    if (y >= GetClientHeight() && GetItemIndex() < last) SetItemIndex(GetItemIndex() + 1);
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TComboListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TComboListBox> self(this);
  TCustomControl::MouseUp(button, shift, x, y);
  if (!self || button != mbLeft) return;
  // The release of the press that dropped the list leaves it open; one over an item takes it.
  if (InsideClient(x, y) && ItemAtPos({x, y}, true) >= 0)
    FComboBox->CloseList(true);
  else if (FTracking && !InsideClient(x, y) && !OnComboBox(x, y))
    FComboBox->CloseList(false);
}

void TComboListBox::WMCaptureChanged(TMessage& message) {
  // Someone else took the mouse: the list cannot see the press that should close it.
  if (!FClosing && FComboBox->FDroppedDown) FComboBox->CloseList(false);
  message.Result = 0;
}

void TComboListBox::WMMouseActivate(TMessage& message) {
  message.Result = MA_NOACTIVATE;
}

// The edit.

TComboEdit::TComboEdit(TCustomComboBox* comboBox) : TCustomEdit(comboBox), FComboBox(comboBox) {
  SetBorderStyle(bsNone);
  SetAutoSize(false);
  SetTabStop(false);
  SetParentColor(false);
  SetColor(comboBox->GetColor());
}

void TComboEdit::KeyDown(WORD& key, TShiftState shift) {
  TControlRef<TComboEdit> self(this);
  FComboBox->KeyDown(key, shift);
  if (self && key != 0) TCustomEdit::KeyDown(key, shift);
}

void TComboEdit::KeyPress(char32_t& key) {
  TControlRef<TComboEdit> self(this);
  FComboBox->KeyPress(key);
  if (self && key != 0) TCustomEdit::KeyPress(key);
}

void TComboEdit::Change() {
  TCustomEdit::Change();
  FComboBox->EditChanged();
}

void TComboEdit::CMWantSpecialKey(TCMWantSpecialKey& message) {
  FComboBox->CMWantSpecialKey(message);
  if (message.Result == 0) TCustomEdit::CMWantSpecialKey(message);
}

void TComboEdit::WMKillFocus(TWMKillFocus& message) {
  TControlRef<TComboEdit> self(this);
  TCustomEdit::WMKillFocus(message);
  if (self && FComboBox->LosingFocusTo(message.FocusedWnd())) FComboBox->CloseList(false);
}

// The combo box.

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomControl(owner), FList(new TComboListBox(this)) {
  SetControlStyle({csSetCaption, csDoubleClicks, csOpaque});
  SetBounds(GetLeft(), GetTop(), 145, 21);
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  CreateEdit();
}

TCustomComboBox::~TCustomComboBox() {
  if (FDroppedDown && FList->HandleAllocated() && GetCapture() == FList->FHandle) {
    FList->FClosing = true;
    ReleaseCapture();
  }
  FDroppedDown = false;
  if (FEdit) FEdit->Free();
  FEdit = nullptr;
  FList->Free();
}

void TCustomComboBox::CreateEdit() {
  FEdit = new TComboEdit(this);
  FEdit->SetMaxLength(FMaxLength);
  FEdit->SetParent(this);
  LayoutEdit();
  ShowItemText();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  if (value == csDropDown) {
    CreateEdit();
  } else {
    const int index = FindExact(FList, FEdit->GetText());
    const bool hadFocus = FEdit->Focused();
    FEdit->Free();
    FEdit = nullptr;
    FList->SetItemIndex(index);
    if (hadFocus) SetFocus();
  }
  Invalidate();
}

void TCustomComboBox::SetItemIndex(int value) {
  FList->SetItemIndex(value);
  ShowItemText();
}

void TCustomComboBox::SetMaxLength(int32_t value) {
  FMaxLength = std::max<int32_t>(0, value);
  if (FEdit) FEdit->SetMaxLength(FMaxLength);
}

bool TCustomComboBox::Focused() const {
  return FEdit ? FEdit->Focused() : TCustomControl::Focused();
}

void TCustomComboBox::SetFocus() {
  if (FEdit)
    FEdit->SetFocus();
  else
    TCustomControl::SetFocus();
}

void TCustomComboBox::Change() {
  if (FOnChange) FOnChange(this);
}

void TCustomComboBox::DropDown() {
  if (FOnDropDown) FOnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (FOnCloseUp) FOnCloseUp(this);
}

// Text.

void TCustomComboBox::ShowItemText() {
  const int index = FList->GetItemIndex();
  if (FEdit) {
    FSettingText = true;
    FEdit->SetText(index >= 0 ? GetItems()->Get(index) : std::string());
    FSettingText = false;
    if (FEdit->Focused()) FEdit->SelectAll();
  }
  Invalidate();
}

void TCustomComboBox::EditChanged() {
  if (FSettingText) return;
  FList->SetItemIndex(FindExact(FList, FEdit->GetText()));
  Change();
}

void TCustomComboBox::WMGetText(TWMGetText& message) {
  if (FEdit) {
    message.Result = FEdit->Perform(WM_GETTEXT, message.WParam, message.LParam);
    return;
  }
  char* buffer = message.Text();
  if (!buffer || message.TextMax() <= 0) {
    message.Result = 0;
    return;
  }
  const int index = FList->GetItemIndex();
  const std::string text = index >= 0 ? GetItems()->Get(index) : std::string();
  size_t count = text.size();
  if (count > static_cast<size_t>(message.TextMax() - 1))
    count = Utf8CharStart(text, static_cast<size_t>(message.TextMax() - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = 0;
  message.Result = static_cast<LRESULT>(count);
}

void TCustomComboBox::WMGetTextLength(TMessage& message) {
  if (FEdit) {
    message.Result = FEdit->Perform(WM_GETTEXTLENGTH);
    return;
  }
  const int index = FList->GetItemIndex();
  message.Result = index >= 0 ? static_cast<LRESULT>(GetItems()->Get(index).size()) : 0;
}

void TCustomComboBox::WMSetText(TWMSetText& message) {
  const std::string text = message.Text() ? message.Text() : "";
  const int index = FindExact(FList, text);
  message.Result = TRUE;
  if (FEdit) {
    FSettingText = true;
    FEdit->SetText(text);
    FSettingText = false;
    FList->SetItemIndex(index);
    return;
  }
  // Only the items' texts can show in a list-only combo box.
  FList->SetItemIndex(index);
  Invalidate();
}

// The list.

void TCustomComboBox::SetDroppedDown(bool value) {
  if (value == FDroppedDown) return;
  if (!value) {
    CloseList(false);
    return;
  }
  if (!HandleAllocated() || !GetShowing() || !GetEnabled()) return;
  TControlRef<TCustomComboBox> self(this);
  DropDown();
  if (!self || FDroppedDown) return;
  if (CanFocus() && !Focused()) SetFocus();
  if (!self) return;
  FIndexBeforeDrop = FList->GetItemIndex();

  // Below the combo box, above it when the screen ends first; as wide as the combo box.
  TRect bounds;
  GetWindowRect(FHandle, &bounds);
  const int rows = std::clamp(GetItems()->GetCount(), 1, static_cast<int>(FDropDownCount));
  const int frame = 2 * GetSystemMetrics(SM_CYBORDER);
  const int height = rows * FList->GetItemHeight() + frame;
  int top = bounds.Bottom;
  if (top + height > GetSystemMetrics(SM_CYSCREEN)) top = bounds.Top - height;
  const TWinControl* root = this;
  while (root->GetParent())
    root = root->GetParent();
  const HWND ownerWindow = root->HandleAllocated() ? const_cast<TWinControl*>(root)->GetHandle()
                                                   : root->GetParentWindow();
  if (FList->GetParentWindow() != ownerWindow) FList->SetParentWindow(ownerWindow);
  FList->SetBounds(bounds.Left, top, bounds.Width(), height);
  FList->SetTopIndex(std::max(0, FIndexBeforeDrop));
  FList->FTracking = false;
  FDroppedDown = true;
  FList->SetVisible(true);
  SetCapture(FList->GetHandle());
  Invalidate();
}

void TCustomComboBox::CloseList(bool accept) {
  if (!FDroppedDown) return;
  FDroppedDown = false;
  if (FList->HandleAllocated() && GetCapture() == FList->FHandle) {
    FList->FClosing = true;
    ReleaseCapture();
    FList->FClosing = false;
  }
  FList->SetVisible(false);
  Invalidate();
  TControlRef<TCustomComboBox> self(this);
  const int index = FList->GetItemIndex();
  if (accept && index >= 0 && (index != FIndexBeforeDrop || GetText() != GetItems()->Get(index))) {
    ShowItemText();
    Change();
    if (self) Click();
  } else if (!accept) {
    // The selection goes back to what the text shows (typed text may have moved it).
    const int before = FIndexBeforeDrop < GetItems()->GetCount() ? FIndexBeforeDrop : -1;
    FList->SetItemIndex(FEdit ? FindExact(FList, FEdit->GetText()) : before);
  }
  if (self) CloseUp();
}

void TCustomComboBox::SelectByUser(int index) {
  if (GetItems()->GetCount() == 0) return;
  index = std::clamp(index, 0, GetItems()->GetCount() - 1);
  if (index == FList->GetItemIndex()) return;
  FList->SetItemIndex(index);
  ShowItemText();
  TControlRef<TCustomComboBox> self(this);
  Change();
  if (self) Click();
}

bool TCustomComboBox::LosingFocusTo(HWND window) {
  if (!FDroppedDown) return false;
  if (window && window == FHandle) return false;
  return !(FEdit && FEdit->HandleAllocated() && window == FEdit->GetHandle());
}

// Keyboard.

bool TCustomComboBox::ComboKey(WORD key, TShiftState shift) {
  const bool alt = shift.Contains(ssAlt);
  if (key == VK_F4 && !alt) {
    SetDroppedDown(!FDroppedDown);
    return true;
  }
  if (alt && (key == VK_DOWN || key == VK_UP)) {
    if (FDroppedDown)
      CloseList(true);
    else if (key == VK_DOWN)
      SetDroppedDown(true);
    return true;
  }
  if (alt) return false;
  if (FDroppedDown) {
    switch (key) {
      case VK_RETURN:
        CloseList(true);
        return true;
      case VK_ESCAPE:
        CloseList(false);
        return true;
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_HOME:
      case VK_END: {
        if (FEdit && (key == VK_HOME || key == VK_END)) return false;
        WORD listKey = key;
        FList->KeyDown(listKey, shift);
        return true;
      }
      default:
        return false;
    }
  }
  const int current = FList->GetItemIndex();
  switch (key) {
    case VK_UP:
      SelectByUser(current < 0 ? 0 : current - 1);
      return true;
    case VK_DOWN:
      SelectByUser(current < 0 ? 0 : current + 1);
      return true;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: {
      if (FEdit) return false;
      const int page = std::max(1, static_cast<int>(FDropDownCount) - 1);
      const int last = GetItems()->GetCount() - 1;
      const int target = key == VK_HOME   ? 0
                         : key == VK_END  ? last
                         : key == VK_NEXT ? current + page
                                          : current - page;
      SelectByUser(target);
      return true;
    }
    default:
      return false;
  }
}

void TCustomComboBox::KeyDown(WORD& key, TShiftState shift) {
  TControlRef<TCustomComboBox> self(this);
  TCustomControl::KeyDown(key, shift);
  if (self && key != 0 && ComboKey(key, shift)) key = 0;
}

void TCustomComboBox::KeyPress(char32_t& key) {
  TControlRef<TCustomComboBox> self(this);
  TCustomControl::KeyPress(key);
  if (!self || FEdit || key < 0x20 || key == 0x7F) return;
  // A typed letter picks the next item starting with it, round to the top.
  const std::string letter = Utf8Encode(key);
  const int found =
      static_cast<int>(FList->Perform(LB_FINDSTRING, static_cast<WPARAM>(FList->GetItemIndex()),
                                      reinterpret_cast<LPARAM>(letter.c_str())));
  if (found < 0) return;
  if (FDroppedDown)
    FList->SetItemIndex(found);
  else
    SelectByUser(found);
}

void TCustomComboBox::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomComboBox::CMWantSpecialKey(TCMWantSpecialKey& message) {
  // While the list shows, Enter and Escape close it instead of pressing the form's buttons.
  const auto key = message.CharCode();
  if (FDroppedDown && (key == VK_RETURN || key == VK_ESCAPE)) {
    message.Result = 1;
    return;
  }
  TCustomControl::CMWantSpecialKey(message);
}

// Mouse, focus and looks.

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TCustomComboBox> self(this);
  if (button == mbLeft && (!FEdit || ButtonRect().Contains({x, y}))) {
    if (CanFocus() && !Focused()) SetFocus();
    if (!self) return;
    SetDroppedDown(!FDroppedDown);
    if (!self) return;
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomComboBox::WMSetFocus(TWMSetFocus& message) {
  TCustomControl::WMSetFocus(message);
  if (FEdit && FEdit->CanFocus())
    FEdit->SetFocus();
  else
    Invalidate();
}

void TCustomComboBox::WMKillFocus(TWMKillFocus& message) {
  TControlRef<TCustomComboBox> self(this);
  TCustomControl::WMKillFocus(message);
  if (!self) return;
  if (LosingFocusTo(message.FocusedWnd())) CloseList(false);
  if (self) Invalidate();
}

void TCustomComboBox::CMEnabledChanged(TMessage& message) {
  if (!GetEnabled()) CloseList(false);
  if (FEdit) FEdit->SetEnabled(GetEnabled());
  TCustomControl::CMEnabledChanged(message);
}

void TCustomComboBox::CMVisibleChanged(TMessage& message) {
  if (!GetVisible()) CloseList(false);
  TCustomControl::CMVisibleChanged(message);
}

void TCustomComboBox::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  FList->SetFont(GetFont());
  LayoutEdit();
}

void TCustomComboBox::CMColorChanged(TMessage& message) {
  TCustomControl::CMColorChanged(message);
  if (FEdit) FEdit->SetColor(GetColor());
  FList->SetColor(GetColor());
}

void TCustomComboBox::CMCtl3DChanged(TMessage& message) {
  CloseList(false);
  RecreateWnd();
  TCustomControl::CMCtl3DChanged(message);
}

void TCustomComboBox::WMSize(TWMSize& message) {
  TCustomControl::WMSize(message);
  LayoutEdit();
}

TRect TCustomComboBox::ButtonRect() const {
  const TRect client = GetClientRect();
  return {std::max(0, client.Right - GetSystemMetrics(SM_CXVSCROLL)), 0, client.Right,
          client.Bottom};
}

TRect TCustomComboBox::TextRect() const {
  const TRect client = GetClientRect();
  return {1, 1, std::max(1, ButtonRect().Left - 1), std::max(1, client.Bottom - 1)};
}

void TCustomComboBox::LayoutEdit() {
  if (!FEdit) return;
  const TRect rect = TextRect();
  FEdit->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (GetCtl3D())
    params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    params.Style |= WS_BORDER;
}

void TCustomComboBox::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);
  TRect button = ButtonRect();
  UINT state = DFCS_SCROLLCOMBOBOX;
  if (FDroppedDown) state |= DFCS_PUSHED | DFCS_FLAT;
  if (!GetEnabled()) state |= DFCS_INACTIVE;
  DrawFrameControl(canvas->GetHandle(), &button, DFC_SCROLL, state);
  if (FEdit) return;

  const TRect text = TextRect();
  const int index = FList->GetItemIndex();
  canvas->SetFont(GetFont());
  const bool highlighted = Focused() && !FDroppedDown;
  if (highlighted) {
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->GetFont()->SetColor(clHighlightText);
    canvas->FillRect(text);
  } else if (!GetEnabled()) {
    canvas->GetFont()->SetColor(clGrayText);
  }
  if (index >= 0) {
    const std::string item = GetItems()->Get(index);
    const int y = text.Top + (text.Height() - canvas->TextHeight(item)) / 2;
    canvas->TextRect(text, text.Left + TextIndent, y, item);
  }
  if (highlighted) canvas->DrawFocusRect(text);
}

// Messages.

void TCustomComboBox::CBForwardToList(TMessage& message) {
  UINT msg = LB_GETCOUNT;
  switch (message.Msg) {
    case CB_GETCURSEL:
      msg = LB_GETCURSEL;
      break;
    case CB_GETLBTEXT:
      msg = LB_GETTEXT;
      break;
    case CB_GETLBTEXTLEN:
      msg = LB_GETTEXTLEN;
      break;
    case CB_FINDSTRING:
      msg = LB_FINDSTRING;
      break;
    default:
      break;
  }
  message.Result = FList->Perform(msg, message.WParam, message.LParam);
}

void TCustomComboBox::CBSetCurSel(TMessage& message) {
  message.Result = FList->Perform(LB_SETCURSEL, message.WParam, message.LParam);
  ShowItemText();
}

void TCustomComboBox::CBShowDropDown(TMessage& message) {
  SetDroppedDown(message.WParam != 0);
  message.Result = TRUE;
}

void TCustomComboBox::CBGetDroppedState(TMessage& message) {
  message.Result = FDroppedDown ? TRUE : FALSE;
}
