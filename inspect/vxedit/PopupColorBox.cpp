#include "vxedit/PopupColorBox.h"

#include <algorithm>
#include <cstring>

#include "core/Module.h"
#include "vxedit/CustomVxEdit.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TPopupColorBox) {
  PROPERTY(DisplayNames, GetDisplayNames, SetDisplayNames).NoDefault();
  PROPERTY(Items, GetItems, SetItems).Stored(false);
  MESSAGE_HANDLER(WM_SETTEXT, WMSetText);
  MESSAGE_HANDLER(WM_GETTEXT, WMGetText);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
}

namespace {
// The colours in list order: the plain ones, the system ones by index, then none.
constexpr TColor ListedColors[TPopupColorBox::ColorCount] = {
    clBlack,        clMaroon,      clGreen,         clOlive,
    clNavy,         clPurple,      clTeal,          clGray,
    clSilver,       clRed,         clLime,          clYellow,
    clBlue,         clFuchsia,     clAqua,          clWhite,
    clScrollBar,    clBackground,  clActiveCaption, clInactiveCaption,
    clMenu,         clWindow,      clWindowFrame,   clMenuText,
    clWindowText,   clCaptionText, clActiveBorder,  clInactiveBorder,
    clAppWorkSpace, clHighlight,   clHighlightText, clBtnFace,
    clBtnShadow,    clGrayText,    clBtnText,       clInactiveCaptionText,
    clBtnHighlight, cl3DDkShadow,  cl3DLight,       clInfoText,
    clInfoBk,       clNone};

// The widest name the list shows; the popup is made wide enough for it.
constexpr const char* WidestName = "clInactiveCaptionText";
constexpr int SwatchWidth = 42;

TObject* ColorObject(TColor color) {
  return reinterpret_cast<TObject*>(static_cast<intptr_t>(color));
}
}  // namespace

TPopupColorBox::TPopupColorBox(TComponent* owner) : TPopupListBox(owner) {
  SetStyle(lbOwnerDrawFixed);
}

void TPopupColorBox::BuildList() {
  TStrings* items = GetItems();
  items->BeginUpdate();
  items->Clear();
  for (TColor color : ListedColors)
    items->AddObject(ColorToString(color), ColorObject(color));
  items->EndUpdate();
}

TColor TPopupColorBox::ItemColor(int index) const {
  return static_cast<TColor>(
      static_cast<int32_t>(reinterpret_cast<intptr_t>(GetItems()->GetObject(index))));
}

void TPopupColorBox::SetColorValue(TColor value) {
  if (GetItemIndex() >= 0 && value == FColorValue) return;
  for (int i = 0; i < GetItems()->GetCount(); ++i) {
    if (ItemColor(i) != value) continue;
    FColorValue = value;
    if (GetItemIndex() != i) SetItemIndex(i);
    return;
  }
}

void TPopupColorBox::SetDisplayNames(bool value) {
  if (value == FDisplayNames) return;
  FDisplayNames = value;
  Invalidate();
}

void TPopupColorBox::WMSetText(TWMSetText& message) {
  BuildList();
  int width = SwatchWidth;
  if (FDisplayNames) {
    GetCanvas()->SetFont(GetFont());
    width += GetCanvas()->TextWidth(WidestName);
  }
  SetWidth(width);
  SetColorValue(FColorValue);
  // The composite's text names the colour; the message's own text is not read.
  if (TCustomVxEdit* edit = OwnerEdit()) {
    const std::string text = edit->GetText();
    for (int i = 0; i < GetItems()->GetCount(); ++i)
      if (GetItems()->Get(i) == text) {
        SetItemIndex(i);
        break;
      }
  }
  message.Result = 1;
}

void TPopupColorBox::WMGetText(TWMGetText& message) {
  message.Result = 0;
  if (message.TextMax() <= 0 || !message.Text()) return;
  message.Text()[0] = '\0';
  if (GetItemIndex() < 0) return;
  FColorValue = ItemColor(GetItemIndex());
  const std::string name = GetItems()->Get(GetItemIndex());
  const size_t length = std::min(name.size(), static_cast<size_t>(message.TextMax() - 1));
  std::memcpy(message.Text(), name.data(), length);
  message.Text()[length] = '\0';
  message.Result = static_cast<LRESULT>(length);
}

void TPopupColorBox::Click() {
  if (GetItemIndex() >= 0) FColorValue = ItemColor(GetItemIndex());
  TPopupListBox::Click();
}

void TPopupColorBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas* canvas = GetCanvas();
  TRect swatch{rect.Left + 2, rect.Top + 2, FDisplayNames ? rect.Left + 24 : rect.Right - 3,
               rect.Bottom - 2};
  canvas->FillRect(rect);
  const TColor saved = canvas->GetBrush()->GetColor();
  canvas->GetPen()->SetColor(clBlack);
  canvas->Rectangle(swatch);
  canvas->GetBrush()->SetColor(ItemColor(index));
  canvas->FillRect(swatch.Inflate(-1, -1));
  canvas->GetBrush()->SetColor(saved);
  if (!FDisplayNames) return;
  const std::string name = GetItems()->Get(index).substr(2, 40);
  TRect textRect = rect;
  textRect.Left = rect.Left + 28;
  const int top = rect.Top + (rect.Height() - canvas->TextHeight(name)) / 2;
  canvas->TextRect(textRect, textRect.Left, top, name);
}

void TPopupColorBox::CMFontChanged(TMessage& message) {
  inherited::CMFontChanged(message);
  ResetItemHeight();
  if (HandleAllocated()) RecreateWnd();
}

void TPopupColorBox::ResetItemHeight() {
  GetCanvas()->SetFont(GetFont());
  SetItemHeight(std::max(GetCanvas()->TextHeight("Wg") + 1, 9));
}
