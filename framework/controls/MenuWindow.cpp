#include "controls/MenuWindow.h"

#include <algorithm>

#include "controls/Menus.h"
#include "controls/Screen.h"
#include "controls/TextMeasure.h"
#include "core/Module.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TMenuWindow) {
  MESSAGE_HANDLER(WM_MOUSEACTIVATE, WMMouseActivate);
}

namespace {
constexpr int Frame = 3;         // the raised edge and a pixel inside it
constexpr int CheckColumn = 18;  // left of the caption: the check mark's place
constexpr int ArrowColumn = 16;  // right of everything: the submenu arrow's place
constexpr int ShortCutGap = 16;  // between the caption and the shortcut
constexpr int SeparatorHeight = 8;

int RowHeight(TFont* font) {
  return FontHeight(font) + 4;
}

void Fill(TCanvas* canvas, const TRect& rect, TColor color) {
  canvas->GetBrush()->SetColor(color);
  canvas->FillRect(rect);
}

// A check mark of three strokes, 7 wide, centred on (x, y).
void CheckMark(TCanvas* canvas, int x, int y, TColor color) {
  static constexpr int Rise[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i)
    Fill(canvas, {x - 3 + i, y - 2 + Rise[i], x - 2 + i, y + 1 + Rise[i]}, color);
}

// A round bullet, 5 across, centred on (x, y).
void Bullet(TCanvas* canvas, int x, int y, TColor color) {
  Fill(canvas, {x - 1, y - 2, x + 2, y + 3}, color);
  Fill(canvas, {x - 2, y - 1, x + 3, y + 2}, color);
}

// A triangle pointing right, 4 wide and 7 high, its tip at the right.
void Arrow(TCanvas* canvas, int right, int y, TColor color) {
  for (int i = 0; i < 4; ++i)
    Fill(canvas, {right - 4 + i, y - 3 + i, right - 3 + i, y + 4 - i}, color);
}
}  // namespace

void DrawMenuCaption(TCanvas* canvas, const std::string& text, TRect rect, UINT format,
                     bool enabled, bool selected) {
  TFont* font = canvas->GetFont();
  if (enabled) {
    font->SetColor(selected ? clHighlightText : clMenuText);
  } else if (selected) {
    font->SetColor(clGrayText);
  } else {
    TRect engraved = rect.Offset(1, 1);
    font->SetColor(clBtnHighlight);
    DrawCanvasText(canvas, text, engraved, format);
    font->SetColor(clBtnShadow);
  }
  DrawCanvasText(canvas, text, rect, format);
}

TMenuWindow::TMenuWindow(TComponent* owner, TMenuItem* item) : TCustomControl(owner), FItem(item) {
  SetVisible(false);
  SetColor(clMenu);
  SetParentFont(false);
  SetFont(Screen->GetMenuFont());
}

void TMenuWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = nullptr;
  params.WindowClass.style |= CS_SAVEBITS;
}

void TMenuWindow::WMMouseActivate(TMessage& message) {
  message.Result = MA_NOACTIVATE;
}

// Layout.

TSize TMenuWindow::Measure() {
  TFont* font = GetFont();
  const int row = RowHeight(font);
  FTops.clear();
  FCaptionWidth = 0;
  FShortCutWidth = 0;
  FHasSubmenus = false;
  int y = Frame;
  for (int i = 0; i < FItem->GetCount(); ++i) {
    TMenuItem* item = FItem->GetItem(i);
    if (!item->GetVisible()) {
      FTops.push_back(-1);
      continue;
    }
    FTops.push_back(y);
    if (item->IsLine()) {
      y += SeparatorHeight;
      continue;
    }
    y += row;
    TFont caption;
    caption.Assign(font);
    if (item->GetDefault()) caption.SetStyle({fsBold});
    FCaptionWidth =
        std::max(FCaptionWidth, MeasureText(&caption, StripHotkey(item->GetCaption())).cx);
    if (item->GetShortCut() != scNone)
      FShortCutWidth =
          std::max(FShortCutWidth, MeasureText(font, ShortCutToText(item->GetShortCut())).cx);
    if (item->GetCount() > 0) FHasSubmenus = true;
  }
  FTops.push_back(y);
  const int width = Frame + CheckColumn + FCaptionWidth +
                    (FShortCutWidth > 0 ? ShortCutGap + FShortCutWidth : 0) + ArrowColumn + Frame;
  return {width, y + Frame};
}

void TMenuWindow::Rebuild() {
  const TSize size = Measure();
  FSelected = FSelectedItem ? FItem->IndexOf(FSelectedItem) : -1;
  if (FSelected >= 0 && FTops[static_cast<size_t>(FSelected)] < 0) FSelected = -1;
  if (FSelected < 0) FSelectedItem = nullptr;
  SetBounds(GetLeft(), GetTop(), size.cx, size.cy);
  Invalidate();
}

void TMenuWindow::ShowAt(int x, int y, int rightLimit) {
  const TSize size = Measure();
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (x + size.cx > screenWidth) x = std::min(rightLimit, screenWidth) - size.cx;
  if (y + size.cy > screenHeight) y = screenHeight - size.cy;
  SetBounds(std::max(x, 0), std::max(y, 0), size.cx, size.cy);
  const HWND window = GetHandle();
  SetWindowPos(window, HWND_TOPMOST, GetLeft(), GetTop(), size.cx, size.cy,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetVisible(true);
}

TRect TMenuWindow::ItemRect(int index) const {
  if (index < 0 || index + 1 >= static_cast<int>(FTops.size())) return {};
  const int top = FTops[static_cast<size_t>(index)];
  if (top < 0) return {};
  int bottom = top;
  for (size_t next = static_cast<size_t>(index) + 1; next < FTops.size(); ++next)
    if (FTops[next] >= 0) {
      bottom = FTops[next];
      break;
    }
  return {Frame, top, GetWidth() - Frame, bottom};
}

TRect TMenuWindow::ItemScreenRect(int index) {
  const TRect rect = ItemRect(index);
  if (rect.IsEmpty()) return {};
  const TPoint origin = ClientToScreen({0, 0});
  return rect.Offset(origin.X, origin.Y);
}

bool TMenuWindow::Contains(TPoint screen) {
  return HandleAllocated() && GetVisible() &&
         Bounds(GetLeft(), GetTop(), GetWidth(), GetHeight()).Contains(screen);
}

int TMenuWindow::ItemAt(TPoint screen) {
  if (!Contains(screen)) return -1;
  const TPoint client = ScreenToClient(screen);
  for (int i = 0; i < FItem->GetCount(); ++i)
    if (ItemRect(i).Contains(client)) return i;
  return -1;
}

int TMenuWindow::NextSelectable(int index, int step) const {
  const int count = FItem->GetCount();
  if (count == 0) return -1;
  int i = index;
  for (int tried = 0; tried < count; ++tried) {
    i = i < 0 ? (step > 0 ? 0 : count - 1) : ((i + step) % count + count) % count;
    const TMenuItem* item = FItem->GetItem(i);
    if (item->GetVisible() && !item->IsLine()) return i;
  }
  return -1;
}

void TMenuWindow::SetSelected(int index) {
  if (index < 0 || index >= FItem->GetCount()) index = -1;
  if (index == FSelected) return;
  FSelected = index;
  FSelectedItem = index >= 0 ? FItem->GetItem(index) : nullptr;
  Invalidate();
}

// Painting.

void TMenuWindow::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  DrawEdge(canvas->GetHandle(), &rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
  Fill(canvas, rect, clMenu);
  for (int i = 0; i < FItem->GetCount() && i + 1 < static_cast<int>(FTops.size()); ++i)
    if (FTops[static_cast<size_t>(i)] >= 0) PaintItem(canvas, i);
}

void TMenuWindow::PaintItem(TCanvas* canvas, int index) {
  TMenuItem* item = FItem->GetItem(index);
  const TRect rect = ItemRect(index);
  if (item->IsLine()) {
    const int middle = rect.Top + rect.Height() / 2 - 1;
    Fill(canvas, {rect.Left + 1, middle, rect.Right - 1, middle + 1}, clBtnShadow);
    Fill(canvas, {rect.Left + 1, middle + 1, rect.Right - 1, middle + 2}, clBtnHighlight);
    return;
  }
  const bool selected = index == FSelected;
  const bool enabled = item->GetEnabled();
  if (selected) Fill(canvas, rect, clHighlight);
  const TColor ink =
      selected ? (enabled ? clHighlightText : clGrayText) : (enabled ? clMenuText : clBtnShadow);
  const int middle = rect.Top + rect.Height() / 2;
  if (item->GetChecked()) {
    if (item->GetRadioItem())
      Bullet(canvas, rect.Left + CheckColumn / 2, middle, ink);
    else
      CheckMark(canvas, rect.Left + CheckColumn / 2, middle, ink);
  }
  canvas->SetFont(GetFont());
  if (item->GetDefault()) canvas->GetFont()->SetStyle({fsBold});
  TRect caption{rect.Left + CheckColumn, rect.Top, rect.Right - ArrowColumn, rect.Bottom};
  DrawMenuCaption(canvas, item->GetCaption(), caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                  enabled, selected);
  if (item->GetShortCut() != scNone) {
    canvas->SetFont(GetFont());
    DrawMenuCaption(canvas, ShortCutToText(item->GetShortCut()), caption,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, enabled, selected);
  }
  if (item->GetCount() > 0) Arrow(canvas, rect.Right - 6, middle, ink);
}
