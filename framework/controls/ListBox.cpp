#include "controls/ListBox.h"

#include <algorithm>
#include <cstring>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "core/ClassRegistry.h"
#include "core/Exception.h"
#include "core/List.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "core/Utf8.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TListBoxStrings) {}

IMPLEMENT_CLASS(TCustomListBox) {
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
  MESSAGE_HANDLER(WM_VSCROLL, WMVScroll);
  MESSAGE_HANDLER(WM_MOUSEWHEEL, WMMouseWheel);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_CTL3DCHANGED, CMCtl3DChanged);
  MESSAGE_HANDLER(LB_ADDSTRING, LBAddString);
  MESSAGE_HANDLER(LB_INSERTSTRING, LBInsertString);
  MESSAGE_HANDLER(LB_DELETESTRING, LBDeleteString);
  MESSAGE_HANDLER(LB_RESETCONTENT, LBResetContent);
  MESSAGE_HANDLER(LB_GETCOUNT, LBGetCount);
  MESSAGE_HANDLER(LB_GETCURSEL, LBGetCurSel);
  MESSAGE_HANDLER(LB_SETCURSEL, LBSetCurSel);
  MESSAGE_HANDLER(LB_GETTEXT, LBGetText);
  MESSAGE_HANDLER(LB_GETTEXTLEN, LBGetTextLen);
  MESSAGE_HANDLER(LB_FINDSTRING, LBFindString);
  MESSAGE_HANDLER(LB_FINDSTRINGEXACT, LBFindStringExact);
  MESSAGE_HANDLER(LB_SELECTSTRING, LBSelectString);
  MESSAGE_HANDLER(LB_GETITEMDATA, LBGetItemData);
  MESSAGE_HANDLER(LB_SETITEMDATA, LBSetItemData);
  MESSAGE_HANDLER(LB_GETITEMHEIGHT, LBGetItemHeight);
  MESSAGE_HANDLER(LB_SETITEMHEIGHT, LBSetItemHeight);
  MESSAGE_HANDLER(LB_GETTOPINDEX, LBGetTopIndex);
  MESSAGE_HANDLER(LB_SETTOPINDEX, LBSetTopIndex);
  MESSAGE_HANDLER(LB_ITEMFROMPOINT, LBItemFromPoint);
  MESSAGE_HANDLER(LB_GETITEMRECT, LBGetItemRect);
}

IMPLEMENT_CLASS(TListBox) {
  PROPERTY(Align, GetAlign, SetAlign).Default(alNone);
  PROPERTY(BorderStyle, GetBorderStyle, SetBorderStyle).Default(bsSingle);
  PROPERTY(Color, GetColor, SetColor).Stored(&TControl::IsColorStored).Default(clWindow);
  PROPERTY(Ctl3D, GetCtl3D, SetCtl3D).Stored(&TControl::IsCtl3DStored);
  PROPERTY(DragCursor, GetDragCursor, SetDragCursor).Default(crDrag);
  PROPERTY(DragMode, GetDragMode, SetDragMode).Default(dmManual);
  PROPERTY(Enabled, GetEnabled, SetEnabled).Default(true);
  PROPERTY(Font, GetFont, SetFont).Stored(&TControl::IsFontStored);
  PROPERTY(IntegralHeight, GetIntegralHeight, SetIntegralHeight).Default(false);
  PROPERTY(ItemHeight, GetItemHeight, SetItemHeight);
  PROPERTY(Items, GetItems, SetItems);
  PROPERTY(ParentColor, GetParentColor, SetParentColor).Default(false);
  PROPERTY(ParentCtl3D, GetParentCtl3D, SetParentCtl3D).Default(true);
  PROPERTY(ParentFont, GetParentFont, SetParentFont).Default(true);
  PROPERTY(ParentShowHint, GetParentShowHint, SetParentShowHint).Default(true);
  PROPERTY(PopupMenu, GetPopupMenu, SetPopupMenu);
  PROPERTY(ShowHint, GetShowHint, SetShowHint).Stored(&TControl::IsShowHintStored);
  PROPERTY(Sorted, GetSorted, SetSorted).Default(false);
  PROPERTY(Style, GetStyle, SetStyle).Default(lbStandard);
  PROPERTY(TabOrder, GetTabOrder, SetTabOrder).Default(-1);
  PROPERTY(TabStop, GetTabStop, SetTabStop).Default(true);
  PROPERTY(Visible, GetVisible, SetVisible).Default(true);
  PROPERTY(OnClick, GetOnClick, SetOnClick);
  PROPERTY(OnDblClick, GetOnDblClick, SetOnDblClick);
  PROPERTY(OnDragDrop, GetOnDragDrop, SetOnDragDrop);
  PROPERTY(OnDragOver, GetOnDragOver, SetOnDragOver);
  PROPERTY(OnDrawItem, GetOnDrawItem, SetOnDrawItem);
  PROPERTY(OnEndDrag, GetOnEndDrag, SetOnEndDrag);
  PROPERTY(OnEnter, GetOnEnter, SetOnEnter);
  PROPERTY(OnExit, GetOnExit, SetOnExit);
  PROPERTY(OnKeyDown, GetOnKeyDown, SetOnKeyDown);
  PROPERTY(OnKeyPress, GetOnKeyPress, SetOnKeyPress);
  PROPERTY(OnKeyUp, GetOnKeyUp, SetOnKeyUp);
  PROPERTY(OnMeasureItem, GetOnMeasureItem, SetOnMeasureItem);
  PROPERTY(OnMouseDown, GetOnMouseDown, SetOnMouseDown);
  PROPERTY(OnMouseMove, GetOnMouseMove, SetOnMouseMove);
  PROPERTY(OnMouseUp, GetOnMouseUp, SetOnMouseUp);
  PROPERTY(OnStartDrag, GetOnStartDrag, SetOnStartDrag);
}

namespace {
[[maybe_unused]] const bool Registered = [] {
  RegisterClasses({TListBox::StaticClass()});
  return true;
}();

constexpr int MaxItemHeight = 255;
constexpr int TextIndent = 2;
constexpr int WheelLines = 3;

int CompareItems(const std::string& a, const std::string& b) {
  const int folded = Utf8LowerCase(a).compare(Utf8LowerCase(b));
  return folded < 0 ? -1 : folded > 0 ? 1 : 0;
}
}  // namespace

// The strings.

int TListBoxStrings::GetCount() const {
  return FListBox->ItemCount();
}

std::string TListBoxStrings::Get(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  return FListBox->FItems[static_cast<size_t>(index)].Text;
}

TObject* TListBoxStrings::GetObject(int index) const {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  return FListBox->FItems[static_cast<size_t>(index)].Object;
}

void TListBoxStrings::Put(int index, const std::string& text) {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  if (!FListBox->FSorted) {
    FListBox->FItems[static_cast<size_t>(index)].Text = text;
    if (FListBox->FStyle == lbOwnerDrawVariable) FListBox->MeasureAll();
    FListBox->ItemsChanged();
    return;
  }
  // A sorted list moves the string to its place; a selection stays on it.
  TObject* object = GetObject(index);
  const bool selected = FListBox->FItemIndex == index;
  TStringsUpdate update(this);
  FListBox->DeleteItem(index);
  const int place = FListBox->SortedPlace(text);
  FListBox->InsertItem(place, text, object);
  if (selected) FListBox->FItemIndex = place;
}

void TListBoxStrings::PutObject(int index, TObject* object) {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  FListBox->FItems[static_cast<size_t>(index)].Object = object;
}

void TListBoxStrings::Insert(int index, const std::string& text) {
  if (FListBox->FSorted) throw EStringListError("Operation not allowed on sorted string list");
  if (index < 0 || index > GetCount()) Error("List index out of bounds (%d)", index);
  FListBox->InsertItem(index, text, nullptr);
}

int TListBoxStrings::Add(const std::string& text) {
  const int index = FListBox->FSorted ? FListBox->SortedPlace(text) : GetCount();
  FListBox->InsertItem(index, text, nullptr);
  return index;
}

void TListBoxStrings::Delete(int index) {
  if (index < 0 || index >= GetCount()) Error("List index out of bounds (%d)", index);
  FListBox->DeleteItem(index);
}

void TListBoxStrings::Clear() {
  FListBox->ClearItems();
}

void TListBoxStrings::SetUpdateState(bool updating) {
  FListBox->FUpdating = updating;
  if (!updating) FListBox->ItemsChanged();
}

// Construction and properties.

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomControl(owner), FStrings(new TListBoxStrings(this)) {
  SetControlStyle({csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque});
  SetBounds(GetLeft(), GetTop(), 121, 97);
  SetParentColor(false);
  SetTabStop(true);
}

TCustomListBox::~TCustomListBox() {
  FStrings->Free();
}

void TCustomListBox::CheckIndex(int index) const {
  if (index < 0 || index >= ItemCount()) RaiseListIndexError(index);
}

void TCustomListBox::SetItemIndex(int value) {
  if (value != -1) CheckIndex(value);
  if (value == FItemIndex) return;
  FItemIndex = value;
  if (value >= 0) MakeVisible(value);
  Invalidate();
}

int32_t TCustomListBox::GetItemHeight() const {
  return FStyle == lbStandard ? FontLineHeight() : FItemHeight;
}

void TCustomListBox::SetItemHeight(int32_t value) {
  if (value < 1 || value > MaxItemHeight)
    throw EInvalidOperation(Format("Item height %d is outside 1 to %d", value, MaxItemHeight));
  if (value == FItemHeight) return;
  FItemHeight = value;
  if (FStyle == lbOwnerDrawVariable) MeasureAll();
  if (FStyle != lbStandard) {
    SetHeight(GetHeight());  // whole items again
    ItemsChanged();
  }
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  if (value == lbOwnerDrawVariable) MeasureAll();
  RecreateWnd();
  ItemsChanged();
}

void TCustomListBox::SetSorted(bool value) {
  if (value == FSorted) return;
  FSorted = value;
  if (!value) return;
  const int selectedIndex = FItemIndex;
  std::vector<size_t> order(FItems.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return CompareItems(FItems[a].Text, FItems[b].Text) < 0;
  });
  std::vector<TItem> sorted;
  sorted.reserve(FItems.size());
  for (size_t i = 0; i < order.size(); ++i) {
    sorted.push_back(FItems[order[i]]);
    if (static_cast<int>(order[i]) == selectedIndex) FItemIndex = static_cast<int>(i);
  }
  FItems = std::move(sorted);
  ItemsChanged();
}

void TCustomListBox::SetIntegralHeight(bool value) {
  if (value == FIntegralHeight) return;
  FIntegralHeight = value;
  SetHeight(GetHeight());
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
  value = value == bsNone ? bsNone : bsSingle;
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  RecreateWnd();
}

// Items.

int TCustomListBox::SortedPlace(const std::string& text) const {
  // After the equal ones, so that equal strings keep the order they came in.
  auto place = std::upper_bound(FItems.begin(), FItems.end(), text,
                                [](const std::string& value, const TItem& item) {
                                  return CompareItems(value, item.Text) < 0;
                                });
  return static_cast<int>(place - FItems.begin());
}

void TCustomListBox::InsertItem(int index, const std::string& text, TObject* object) {
  FItems.insert(FItems.begin() + index, TItem{text, object, FItemHeight});
  if (FItemIndex >= index) ++FItemIndex;
  if (FStyle == lbOwnerDrawVariable) {
    int height = FItemHeight;
    MeasureItem(index, height);
    FItems[static_cast<size_t>(index)].Height = std::clamp(height, 1, MaxItemHeight);
  }
  ItemsChanged();
}

void TCustomListBox::DeleteItem(int index) {
  FItems.erase(FItems.begin() + index);
  if (FItemIndex == index)
    FItemIndex = -1;
  else if (FItemIndex > index)
    --FItemIndex;
  ItemsChanged();
}

void TCustomListBox::ClearItems() {
  FItems.clear();
  FItemIndex = -1;
  FTopIndex = 0;
  ItemsChanged();
}

void TCustomListBox::ItemsChanged() {
  if (FUpdating) return;
  FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
  UpdateScrollBar();
  Invalidate();
}

int TCustomListBox::FindItem(const std::string& text, int start, bool exact) const {
  const int count = ItemCount();
  if (count == 0) return -1;
  const int first = start < 0 || start >= count ? 0 : start + 1;
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    const std::string& item = FItems[static_cast<size_t>(index)].Text;
    const bool found = exact ? CompareItems(item, text) == 0 : Utf8StartsWithText(item, text);
    if (found) return index;
  }
  return -1;
}

void TCustomListBox::MeasureItem(int index, int& height) {
  if (FOnMeasureItem) FOnMeasureItem(this, index, height);
}

void TCustomListBox::MeasureAll() {
  for (int i = 0; i < ItemCount(); ++i) {
    int height = FItemHeight;
    MeasureItem(i, height);
    FItems[static_cast<size_t>(i)].Height = std::clamp(height, 1, MaxItemHeight);
  }
}

// Layout.

int TCustomListBox::FontLineHeight() const {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetFont()->GetHandle());
  TEXTMETRIC metrics;
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, old);
  DeleteDC(dc);
  return std::max<int>(1, metrics.tmHeight);
}

int TCustomListBox::ItemHeightOf(int index) const {
  if (FStyle == lbOwnerDrawVariable && index >= 0 && index < ItemCount())
    return FItems[static_cast<size_t>(index)].Height;
  return GetItemHeight();
}

int TCustomListBox::ItemsFitting(int first) const {
  const int height = GetClientHeight();
  if (FStyle != lbOwnerDrawVariable) return std::max(1, height / GetItemHeight());
  int used = 0;
  int fitting = 0;
  for (int i = first; i < ItemCount(); ++i) {
    used += ItemHeightOf(i);
    if (used > height) break;
    ++fitting;
  }
  return std::max(1, fitting);
}

int TCustomListBox::MaxTopIndex() const {
  const int count = ItemCount();
  if (FStyle != lbOwnerDrawVariable) return std::max(0, count - ItemsFitting(0));
  const int height = GetClientHeight();
  int used = 0;
  int top = count;
  while (top > 0 && used + ItemHeightOf(top - 1) <= height) {
    used += ItemHeightOf(top - 1);
    --top;
  }
  return std::min(top, std::max(0, count - 1));
}

void TCustomListBox::SetTopIndex(int value) {
  value = std::clamp(value, 0, MaxTopIndex());
  if (value == FTopIndex) return;
  FTopIndex = value;
  UpdateScrollBar();
  Invalidate();
}

void TCustomListBox::MakeVisible(int index) {
  if (index < FTopIndex) {
    SetTopIndex(index);
    return;
  }
  // Scroll down until the item fits at the bottom.
  int top = FTopIndex;
  while (top < index && index >= top + ItemsFitting(top))
    ++top;
  SetTopIndex(top);
}

TRect TCustomListBox::ItemRect(int index) const {
  if (index < 0 || index > ItemCount()) RaiseListIndexError(index);
  int top = 0;
  if (FStyle == lbOwnerDrawVariable) {
    for (int i = FTopIndex; i < index; ++i)
      top += ItemHeightOf(i);
    for (int i = index; i < FTopIndex; ++i)
      top -= ItemHeightOf(i);
  } else {
    top = (index - FTopIndex) * GetItemHeight();
  }
  return {0, top, GetClientWidth(), top + ItemHeightOf(index)};
}

int TCustomListBox::ItemAtPos(TPoint pos, bool existing) const {
  if (!GetClientRect().Contains(pos)) return -1;
  int top = 0;
  for (int i = FTopIndex; i < ItemCount() && top < GetClientHeight(); ++i) {
    const int bottom = top + ItemHeightOf(i);
    if (pos.Y >= top && pos.Y < bottom) return i;
    top = bottom;
  }
  return existing ? -1 : ItemCount();
}

void TCustomListBox::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, ItemCount() - 1);
  info.nPage = static_cast<UINT>(ItemCount() > 0 ? ItemsFitting(FTopIndex) : 1);
  info.nPos = FTopIndex;
  SetScrollInfo(FHandle, SB_VERT, &info, TRUE);
}

void TCustomListBox::ApplyIntegralHeight(int& height) const {
  if (!FIntegralHeight || FStyle == lbOwnerDrawVariable) return;
  if (GetComponentState().Contains(csLoading)) return;
  const int frame = FHeight - GetClientHeight();
  const int itemHeight = GetItemHeight();
  const int client = height - frame;
  if (client > itemHeight) height = client / itemHeight * itemHeight + frame;
}

void TCustomListBox::SetBounds(int left, int top, int width, int height) {
  ApplyIntegralHeight(height);
  TCustomControl::SetBounds(left, top, width, height);
}

// The window.

void TCustomListBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= DWORD{WS_VSCROLL} | DWORD{LBS_NOTIFY} | DWORD{LBS_HASSTRINGS};
  if (FStyle == lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED;
  if (FStyle == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE;
  if (FSorted) params.Style |= LBS_SORT;
  if (!FIntegralHeight) params.Style |= LBS_NOINTEGRALHEIGHT;
  if (FBorderStyle == bsSingle) {
    if (GetCtl3D())
      params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      params.Style |= WS_BORDER;
  }
}

void TCustomListBox::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBar();
}

void TCustomListBox::WMSize(TWMSize& message) {
  TCustomControl::WMSize(message);
  FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
  UpdateScrollBar();
  Invalidate();
}

void TCustomListBox::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  if (FStyle == lbStandard) SetHeight(GetHeight());
  ItemsChanged();
}

void TCustomListBox::CMCtl3DChanged(TMessage& message) {
  if (FBorderStyle == bsSingle) RecreateWnd();
  TCustomControl::CMCtl3DChanged(message);
}

// Painting.

void TCustomListBox::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  const bool focused = Focused();
  const int focusIndex = FItemIndex >= 0 ? FItemIndex : (ItemCount() > 0 ? 0 : -1);
  int bottom = 0;
  TControlRef<TCustomListBox> self(this);
  for (int i = FTopIndex; i < ItemCount() && bottom < client.Bottom; ++i) {
    const TRect rect = ItemRect(i);
    bottom = rect.Bottom;
    TOwnerDrawState state;
    if (i == FItemIndex) state.Include(odSelected);
    if (!GetEnabled()) state.Include(odDisabled);
    if (focused && i == focusIndex) state.Include(odFocused);
    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    if (state.Contains(odSelected)) {
      canvas->GetBrush()->SetColor(clHighlight);
      canvas->GetFont()->SetColor(clHighlightText);
    } else if (!GetEnabled()) {
      canvas->GetFont()->SetColor(clGrayText);
    }
    DrawItem(i, rect, state);
    if (!self) return;
    if (state.Contains(odFocused)) canvas->DrawFocusRect(rect);
  }
  if (bottom < client.Bottom) {
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->FillRect({0, bottom, client.Right, client.Bottom});
  }
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (FOnDrawItem) {
    FOnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas* canvas = GetCanvas();
  canvas->FillRect(rect);
  canvas->TextOut(rect.Left + TextIndent, rect.Top, FItems[static_cast<size_t>(index)].Text);
}

// Keyboard and mouse.

void TCustomListBox::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TCustomListBox::SelectByUser(int index, bool always) {
  if (ItemCount() == 0) return;
  index = std::clamp(index, 0, ItemCount() - 1);
  const bool changed = index != FItemIndex;
  FItemIndex = index;
  MakeVisible(index);
  Invalidate();
  if (changed || always) Click();
}

void TCustomListBox::KeyDown(WORD& key, TShiftState shift) {
  TControlRef<TCustomListBox> self(this);
  TCustomControl::KeyDown(key, shift);
  if (!self || key == 0 || ItemCount() == 0 || shift.Contains(ssAlt)) return;
  const int current = FItemIndex;
  const int page = ItemsFitting(FTopIndex);
  const int lastShown = FTopIndex + page - 1;
  int target = current;
  switch (key) {
    case VK_UP:
      target = current < 0 ? 0 : current - 1;
      break;
    case VK_DOWN:
      target = current < 0 ? 0 : current + 1;
      break;
    case VK_PRIOR:
      target = current > FTopIndex ? FTopIndex : current - (page - 1);
      break;
    case VK_NEXT:
      target = current >= 0 && current < lastShown ? lastShown : current + (page - 1);
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = ItemCount() - 1;
      break;
    default:
      return;
  }
  key = 0;
  SelectByUser(target, false);
}

void TCustomListBox::KeyPress(char32_t& key) {
  TControlRef<TCustomListBox> self(this);
  TCustomControl::KeyPress(key);
  if (!self || key < 0x20 || key == 0x7F) return;
  // The next item after the selection that starts with the letter, round to the top.
  const int found = FindItem(Utf8Encode(key), FItemIndex, false);
  if (found >= 0) SelectByUser(found, false);
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<TCustomListBox> self(this);
  if (button == mbLeft) {
    if (CanFocus() && !Focused()) {
      SetFocus();
      if (!self) return;
    }
    const int index = ItemAtPos({x, y}, true);
    if (shift.Contains(ssDouble)) {
      if (index >= 0) DblClick();
    } else {
      FMouseSelecting = true;
      if (index >= 0) SelectByUser(index, true);
    }
    if (!self) return;
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::MouseMove(TShiftState shift, int x, int y) {
  if (FMouseSelecting && shift.Contains(ssLeft) && ItemCount() > 0) {
    // Beyond the ends the selection moves on one item for each move, scrolling the list.
    int index = FItemIndex;
    if (y < 0)
      index = std::max(0, FItemIndex - 1);
    else if (y >= GetClientHeight())
      index = FItemIndex + 1;
    else if (const int at = ItemAtPos({std::clamp(x, 0, GetClientWidth() - 1), y}, true); at >= 0)
      index = at;
    TControlRef<TCustomListBox> self(this);
    if (index != FItemIndex) SelectByUser(index, false);
    if (!self) return;
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) FMouseSelecting = false;
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomListBox::WMSetFocus(TWMSetFocus& message) {
  TCustomControl::WMSetFocus(message);
  Invalidate();
}

void TCustomListBox::WMKillFocus(TWMKillFocus& message) {
  FMouseSelecting = false;
  Invalidate();
  TCustomControl::WMKillFocus(message);
}

void TCustomListBox::WMVScroll(TWMScroll& message) {
  const int page = ItemsFitting(FTopIndex);
  switch (message.ScrollCode()) {
    case SB_LINEUP:
      SetTopIndex(FTopIndex - 1);
      break;
    case SB_LINEDOWN:
      SetTopIndex(FTopIndex + 1);
      break;
    case SB_PAGEUP:
      SetTopIndex(FTopIndex - page);
      break;
    case SB_PAGEDOWN:
      SetTopIndex(FTopIndex + page);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      SetTopIndex(message.Pos());
      break;
    case SB_TOP:
      SetTopIndex(0);
      break;
    case SB_BOTTOM:
      SetTopIndex(ItemCount());
      break;
    default:
      break;
  }
}

void TCustomListBox::WMMouseWheel(TMessage& message) {
  const auto delta = static_cast<int16_t>(HIWORD(message.WParam));
  SetTopIndex(FTopIndex - delta / 120 * WheelLines);
  message.Result = 1;
}

// Messages.

void TCustomListBox::LBAddString(TMessage& message) {
  const char* text = reinterpret_cast<const char*>(message.LParam);
  message.Result = FStrings->Add(text ? text : "");
}

void TCustomListBox::LBInsertString(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  const char* text = reinterpret_cast<const char*>(message.LParam);
  // The message inserts where it is told, even in a sorted list, as the platform's does.
  const int at = index < 0 ? ItemCount() : index;
  if (at > ItemCount()) {
    message.Result = LB_ERR;
    return;
  }
  InsertItem(at, text ? text : "", nullptr);
  message.Result = at;
}

void TCustomListBox::LBDeleteString(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  if (index < 0 || index >= ItemCount()) {
    message.Result = LB_ERR;
    return;
  }
  DeleteItem(index);
  message.Result = ItemCount();
}

void TCustomListBox::LBResetContent(TMessage&) {
  ClearItems();
}

void TCustomListBox::LBGetCount(TMessage& message) {
  message.Result = ItemCount();
}

void TCustomListBox::LBGetCurSel(TMessage& message) {
  message.Result = FItemIndex >= 0 ? FItemIndex : LB_ERR;
}

void TCustomListBox::LBSetCurSel(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  if (index < -1 || index >= ItemCount()) {
    message.Result = LB_ERR;
    return;
  }
  SetItemIndex(index);
  // Removing the selection answers LB_ERR too, as on the platform.
  message.Result = index >= 0 ? index : LB_ERR;
}

void TCustomListBox::LBGetText(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  auto* buffer = reinterpret_cast<char*>(message.LParam);
  if (index < 0 || index >= ItemCount() || !buffer) {
    message.Result = LB_ERR;
    return;
  }
  // The buffer must hold LB_GETTEXTLEN bytes and the terminator.
  const std::string& text = FItems[static_cast<size_t>(index)].Text;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  message.Result = static_cast<LRESULT>(text.size());
}

void TCustomListBox::LBGetTextLen(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  message.Result = index < 0 || index >= ItemCount()
                       ? LRESULT{LB_ERR}
                       : static_cast<LRESULT>(FItems[static_cast<size_t>(index)].Text.size());
}

void TCustomListBox::LBFindString(TMessage& message) {
  const char* text = reinterpret_cast<const char*>(message.LParam);
  message.Result = FindItem(text ? text : "", static_cast<int32_t>(message.WParam), false);
}

void TCustomListBox::LBFindStringExact(TMessage& message) {
  const char* text = reinterpret_cast<const char*>(message.LParam);
  message.Result = FindItem(text ? text : "", static_cast<int32_t>(message.WParam), true);
}

void TCustomListBox::LBSelectString(TMessage& message) {
  const char* text = reinterpret_cast<const char*>(message.LParam);
  const int found = FindItem(text ? text : "", static_cast<int32_t>(message.WParam), false);
  if (found >= 0) SetItemIndex(found);
  message.Result = found;
}

void TCustomListBox::LBGetItemData(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  message.Result = index < 0 || index >= ItemCount()
                       ? LRESULT{LB_ERR}
                       : reinterpret_cast<LRESULT>(FItems[static_cast<size_t>(index)].Object);
}

void TCustomListBox::LBSetItemData(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  if (index < 0 || index >= ItemCount()) {
    message.Result = LB_ERR;
    return;
  }
  FItems[static_cast<size_t>(index)].Object = reinterpret_cast<TObject*>(message.LParam);
  message.Result = LB_OKAY;
}

void TCustomListBox::LBGetItemHeight(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  if (FStyle == lbOwnerDrawVariable && (index < 0 || index >= ItemCount())) {
    message.Result = LB_ERR;
    return;
  }
  message.Result = ItemHeightOf(index);
}

void TCustomListBox::LBSetItemHeight(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  const int height = LOWORD(message.LParam);
  const bool badIndex = FStyle == lbOwnerDrawVariable && (index < 0 || index >= ItemCount());
  if (height < 1 || height > MaxItemHeight || badIndex) {
    message.Result = LB_ERR;
    return;
  }
  if (FStyle == lbOwnerDrawVariable) {
    FItems[static_cast<size_t>(index)].Height = height;
    ItemsChanged();
  } else {
    SetItemHeight(height);
  }
  message.Result = LB_OKAY;
}

void TCustomListBox::LBGetTopIndex(TMessage& message) {
  message.Result = FTopIndex;
}

void TCustomListBox::LBSetTopIndex(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  if (index < 0 || index >= std::max(ItemCount(), 1)) {
    message.Result = LB_ERR;
    return;
  }
  SetTopIndex(index);
  message.Result = LB_OKAY;
}

void TCustomListBox::LBItemFromPoint(TMessage& message) {
  const TPoint point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (ItemCount() == 0) {
    message.Result = MAKELONG(0, 1);
    return;
  }
  const int index = ItemAtPos(point, true);
  if (index >= 0) {
    message.Result = MAKELONG(index, 0);
    return;
  }
  // Outside any item: the nearest one, with the outside flag in the high word.
  const int nearest = point.Y < 0 ? FTopIndex
                      : point.Y >= GetClientHeight()
                          ? std::min(ItemCount() - 1, FTopIndex + ItemsFitting(FTopIndex) - 1)
                          : ItemCount() - 1;
  message.Result = MAKELONG(nearest, 1);
}

void TCustomListBox::LBGetItemRect(TMessage& message) {
  const auto index = static_cast<int32_t>(message.WParam);
  auto* rect = reinterpret_cast<TRect*>(message.LParam);
  if (index < 0 || index >= ItemCount() || !rect) {
    message.Result = LB_ERR;
    return;
  }
  *rect = ItemRect(index);
  message.Result = LB_OKAY;
}
