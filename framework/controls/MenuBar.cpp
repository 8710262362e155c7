#include "controls/MenuBar.h"

#include "controls/Form.h"
#include "controls/MenuTracker.h"
#include "controls/MenuWindow.h"
#include "controls/Menus.h"
#include "controls/Screen.h"
#include "controls/TextMeasure.h"
#include "winsys/WinUser.h"

namespace {
constexpr int TitlePadding = 6;  // on each side of a title's text

TMenuItem* TopItem(TCustomForm* form) {
  return form->GetMenu() ? form->GetMenu()->GetItems() : nullptr;
}

// The client area's top-left corner in screen coordinates.
TPoint ClientCorner(TCustomForm* form) {
  TPoint corner{0, 0};
  ClientToScreen(form->GetHandle(), &corner);
  return corner;
}
}  // namespace

namespace MenuBar {

bool Shows(TCustomForm* form) {
  TMenuItem* top = TopItem(form);
  if (!top || !form->HandleAllocated() || form->GetParent()) return false;
  for (int i = 0; i < top->GetCount(); ++i)
    if (top->GetItem(i)->GetVisible()) return true;
  return false;
}

int Height() {
  return GetSystemMetrics(SM_CYMENU);
}

TRect ScreenRect(TCustomForm* form) {
  if (!Shows(form)) return {};
  const TPoint corner = ClientCorner(form);
  return {corner.X, corner.Y - Height(), corner.X + form->GetClientWidth(), corner.Y};
}

std::vector<TRect> ItemScreenRects(TCustomForm* form) {
  std::vector<TRect> rects;
  TMenuItem* top = TopItem(form);
  if (!top || !Shows(form)) return rects;
  const TRect bar = ScreenRect(form);
  int x = bar.Left;
  for (int i = 0; i < top->GetCount(); ++i) {
    TMenuItem* item = top->GetItem(i);
    if (!item->GetVisible()) {
      rects.push_back({});
      continue;
    }
    const int width =
        MeasureText(Screen->GetMenuFont(), StripHotkey(item->GetCaption())).cx + 2 * TitlePadding;
    rects.push_back({x, bar.Top, x + width, bar.Bottom});
    x += width;
  }
  return rects;
}

int ItemAt(TCustomForm* form, TPoint screen) {
  const std::vector<TRect> rects = ItemScreenRects(form);
  for (size_t i = 0; i < rects.size(); ++i)
    if (rects[i].Contains(screen)) return static_cast<int>(i);
  return -1;
}

int AcceleratorIndex(TCustomForm* form, char32_t character) {
  TMenuItem* top = TopItem(form);
  if (!top) return -1;
  for (int i = 0; i < top->GetCount(); ++i) {
    TMenuItem* item = top->GetItem(i);
    if (item->GetVisible() && item->GetEnabled() && IsAccel(character, item->GetCaption()))
      return i;
  }
  return -1;
}

void Paint(TCustomForm* form) {
  if (!Shows(form) || !IsWindowVisible(form->GetHandle())) return;
  const HWND window = form->GetHandle();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  TRect windowRect;
  GetWindowRect(window, &windowRect);
  const auto toWindow = [&](const TRect& rect) {
    return rect.Offset(-windowRect.Left, -windowRect.Top);
  };
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.GetBrush()->SetColor(clMenu);
  canvas.FillRect(toWindow(ScreenRect(form)));
  TMenuTracker* tracker = TMenuTracker::GetActive();
  const bool tracking = tracker && tracker->GetMenu() == form->GetMenu();
  const std::vector<TRect> rects = ItemScreenRects(form);
  TMenuItem* top = TopItem(form);
  for (size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].IsEmpty()) continue;
    TMenuItem* item = top->GetItem(static_cast<int>(i));
    TRect rect = toWindow(rects[i]);
    const bool selected = tracking && tracker->GetBarIndex() == static_cast<int>(i);
    if (selected) {
      TRect edge = rect;
      DrawEdge(dc, &edge, tracker->GetDropped() ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      if (tracker->GetDropped()) rect = rect.Offset(1, 1);
    }
    canvas.SetFont(Screen->GetMenuFont());
    DrawMenuCaption(&canvas, item->GetCaption(), rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    item->GetEnabled(), false);
  }
  canvas.SetHandle(nullptr);
  ReleaseDC(window, dc);
}

}  // namespace MenuBar
