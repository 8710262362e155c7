#include "controls/TabControl.h"

#include <algorithm>

#include "controls/ControlRef.h"
#include "controls/Menus.h"
#include "controls/TextMeasure.h"
#include "core/ClassRegistry.h"
#include "core/Module.h"
#include "core/StringList.h"
#include "core/SysUtils.h"
#include "winsys/WinUser.h"

IMPLEMENT_CLASS(TCustomTabControl) {
  MESSAGE_HANDLER(WM_GETDLGCODE, WMGetDlgCode);
  MESSAGE_HANDLER(WM_SETFOCUS, WMSetFocus);
  MESSAGE_HANDLER(WM_KILLFOCUS, WMKillFocus);
  MESSAGE_HANDLER(CM_DIALOGKEY, CMDialogKey);
  MESSAGE_HANDLER(CM_FONTCHANGED, CMFontChanged);
  MESSAGE_HANDLER(CM_DESIGNHITTEST, CMDesignHitTest);
}

IMPLEMENT_CLASS(TTabControl) {
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
  PROPERTY(Tabs, GetTabs, SetTabs);
  PROPERTY(TabIndex, GetTabIndex, SetTabIndex).Default(-1);
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
  RegisterClasses({TTabControl::StaticClass()});
  return true;
}();

constexpr int TabPadding = 6;  // on each side of a caption
constexpr int RowInset = 2;    // where the first tab starts, and how far the selected grows
constexpr int BodyInset = 4;   // from the body's outer edge to the display area
constexpr int ArrowWidth = 16;
}  // namespace

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TCustomControl(owner), FTabs(new TStringList()) {
  SetControlStyle(
      {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks});
  SetBounds(GetLeft(), GetTop(), 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
  SetParentColor(false);
  FTabs->SetOnChange(MakeMethod<&TCustomTabControl::TabsChanged>(this));
}

TCustomTabControl::~TCustomTabControl() {
  FTabs->SetOnChange(nullptr);
  FTabs->Free();
}

TStrings* TCustomTabControl::GetTabs() const {
  return FTabs;
}

void TCustomTabControl::SetTabs(TStrings* value) {
  FTabs->Assign(value);
}

int TCustomTabControl::TabCount() const {
  return FTabs->GetCount();
}

void TCustomTabControl::TabsChanged(TObject*) {
  if (!GetComponentState().Contains(csLoading))
    FTabIndex = std::min<int32_t>(FTabIndex, TabCount() - 1);
  FFirstVisible = std::clamp(FFirstVisible, 0, std::max(0, TabCount() - 1));
  Invalidate();
}

void TCustomTabControl::Loaded() {
  TCustomControl::Loaded();
  // The index read from the file may name no tab: nothing is selected then.
  if (FTabIndex < -1 || FTabIndex >= TabCount()) FTabIndex = -1;
  MakeTabVisible(FTabIndex);
}

void TCustomTabControl::SetTabIndex(int32_t value) {
  if (GetComponentState().Contains(csLoading)) {
    FTabIndex = value;  // checked in Loaded, once the tabs are read
    return;
  }
  if (value < -1 || value >= TabCount())
    throw EListError(Format("Tab index out of bounds (%d)", value));
  UpdateTabIndex(value);
}

void TCustomTabControl::UpdateTabIndex(int value) {
  if (value == FTabIndex) return;
  FTabIndex = value;
  MakeTabVisible(value);
  Invalidate();
}

void TCustomTabControl::SetTabHeight(int32_t value) {
  if (value < 0) throw EInvalidOperation(Format("TabHeight must not be negative (%d)", value));
  if (value == FTabHeight) return;
  FTabHeight = value;
  Realign();
  Invalidate();
}

void TCustomTabControl::SetTabWidth(int32_t value) {
  if (value < 0) throw EInvalidOperation(Format("TabWidth must not be negative (%d)", value));
  if (value == FTabWidth) return;
  FTabWidth = value;
  Invalidate();
}

void TCustomTabControl::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  Realign();
}

// Geometry.

int TCustomTabControl::RowHeight() {
  return FTabHeight > 0 ? FTabHeight : FontHeight(GetFont()) + 5;
}

TRect TCustomTabControl::GetDisplayRect() {
  const TRect client = GetClientRect();
  return {client.Left + BodyInset, RowHeight() + RowInset + BodyInset, client.Right - BodyInset,
          client.Bottom - BodyInset};
}

void TCustomTabControl::AdjustClientRect(TRect& rect) {
  rect = GetDisplayRect();
}

int TCustomTabControl::NaturalTabWidth(int index) {
  if (FTabWidth > 0) return FTabWidth;
  return MeasureText(GetFont(), StripHotkey(FTabs->Get(index))).cx + 2 * TabPadding;
}

void TCustomTabControl::LayoutTabs() {
  FTabLefts.clear();
  int x = RowInset;
  int total = RowInset;
  for (int i = 0; i < TabCount(); ++i)
    total += NaturalTabWidth(i);
  FScrolling = total > GetClientWidth() - RowInset;
  for (int i = FFirstVisible; i < TabCount(); ++i) {
    FTabLefts.push_back(x);
    x += NaturalTabWidth(i);
  }
  FTabLefts.push_back(x);
}

TRect TCustomTabControl::ArrowRect(bool right) {
  const int row = RowHeight();
  const int left = GetClientWidth() - 2 * ArrowWidth + (right ? ArrowWidth : 0);
  return {left, RowInset, left + ArrowWidth, RowInset + std::min(row, ArrowWidth)};
}

TRect TCustomTabControl::TabRect(int index) {
  LayoutTabs();
  if (index < FFirstVisible || index >= TabCount()) return {};
  const int at = index - FFirstVisible;
  const int limit = FScrolling ? ArrowRect(false).Left : GetClientWidth();
  TRect rect{FTabLefts[static_cast<size_t>(at)], RowInset, FTabLefts[static_cast<size_t>(at) + 1],
             RowInset + RowHeight()};
  if (rect.Left >= limit) return {};
  if (index == FTabIndex) rect = {rect.Left - RowInset, 0, rect.Right + RowInset, rect.Bottom + 1};
  return rect;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  if (FScrolling && x >= ArrowRect(false).Left && y < RowInset + RowHeight()) return -1;
  // The selected tab first: it overlaps its neighbours.
  if (FTabIndex >= 0 && TabRect(FTabIndex).Contains({x, y})) return FTabIndex;
  for (int i = FFirstVisible; i < TabCount(); ++i)
    if (TabRect(i).Contains({x, y})) return i;
  return -1;
}

void TCustomTabControl::MakeTabVisible(int index) {
  if (index < 0 || index >= TabCount()) return;
  if (index < FFirstVisible) FFirstVisible = index;
  LayoutTabs();
  const int limit = FScrolling ? ArrowRect(false).Left : GetClientWidth();
  while (FFirstVisible < index &&
         FTabLefts[static_cast<size_t>(index - FFirstVisible) + 1] > limit) {
    ++FFirstVisible;
    LayoutTabs();
  }
  Invalidate();
}

// Selecting.

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (FOnChanging) FOnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (FOnChange) FOnChange(this);
}

bool TCustomTabControl::SelectTab(int index) {
  if (index == FTabIndex || index < 0 || index >= TabCount()) return false;
  TControlRef<> self(this);
  if (!CanChange() || !self) return false;
  UpdateTabIndex(index);
  Change();
  return true;
}

void TCustomTabControl::SelectNextTab(bool forward) {
  const int count = TabCount();
  if (count == 0) return;
  const int from = FTabIndex < 0 ? (forward ? -1 : count) : FTabIndex;
  SelectTab(((forward ? from + 1 : from - 1) % count + count) % count);
}

void TCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControlRef<> self(this);
  if (button == mbLeft) {
    LayoutTabs();
    if (FScrolling && ArrowRect(false).Contains({x, y})) {
      FFirstVisible = std::max(0, FFirstVisible - 1);
      Invalidate();
    } else if (FScrolling && ArrowRect(true).Contains({x, y})) {
      const int last = static_cast<int>(FTabLefts.size()) - 1;
      if (FTabLefts[static_cast<size_t>(last)] > ArrowRect(false).Left) ++FFirstVisible;
      Invalidate();
    } else if (const int index = IndexOfTabAt(x, y); index >= 0) {
      if (CanFocus() && !Focused() && !GetComponentState().Contains(csDesigning)) SetFocus();
      if (!self) return;
      SelectTab(index);
      if (!self) return;
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomTabControl::KeyDown(WORD& key, TShiftState shift) {
  TControlRef<> self(this);
  TCustomControl::KeyDown(key, shift);
  if (!self || key == 0) return;
  if (key == VK_LEFT && FTabIndex > 0) SelectTab(FTabIndex - 1);
  if (key == VK_RIGHT && FTabIndex + 1 < TabCount()) SelectTab(FTabIndex + 1);
}

void TCustomTabControl::WMGetDlgCode(TMessage& message) {
  message.Result = DLGC_WANTARROWS;
}

void TCustomTabControl::WMSetFocus(TWMSetFocus& message) {
  TCustomControl::WMSetFocus(message);
  Invalidate();
}

void TCustomTabControl::WMKillFocus(TWMKillFocus& message) {
  TCustomControl::WMKillFocus(message);
  Invalidate();
}

void TCustomTabControl::CMDialogKey(TCMDialogKey& message) {
  const TShiftState shift = KeyDataToShiftState(message.KeyData());
  const uint32_t key = message.CharCode();
  TWinControl* focused = FindControl(GetFocus());
  const bool inside = focused && ContainsControl(focused);
  if (inside && shift.Contains(ssCtrl) && (key == VK_TAB || key == VK_NEXT || key == VK_PRIOR)) {
    SelectNextTab(key == VK_TAB ? !shift.Contains(ssShift) : key == VK_NEXT);
    message.Result = 1;
    return;
  }
  TCustomControl::CMDialogKey(message);
}

void TCustomTabControl::CMDesignHitTest(TCMDesignHitTest& message) {
  // A designer lets the tabs be clicked, to reach each page.
  message.Result = IndexOfTabAt(message.XPos(), message.YPos()) >= 0 ? 1 : 0;
}

// Painting.

void TCustomTabControl::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  canvas->SetFont(GetFont());
  PaintBody(canvas);
  LayoutTabs();
  for (int i = FFirstVisible; i < TabCount(); ++i) {
    if (i == FTabIndex) continue;
    const TRect rect = TabRect(i);
    if (!rect.IsEmpty()) PaintTab(canvas, i, rect, false);
  }
  if (FTabIndex >= 0) {
    const TRect rect = TabRect(FTabIndex);
    if (!rect.IsEmpty()) PaintTab(canvas, FTabIndex, rect, true);
  }
  if (FScrolling) {
    TRect left = ArrowRect(false);
    TRect right = ArrowRect(true);
    const bool more = FTabLefts.back() > left.Left;
    DrawFrameControl(canvas->GetHandle(), &left, DFC_SCROLL,
                     DFCS_SCROLLLEFT | (FFirstVisible > 0 ? 0u : UINT{DFCS_INACTIVE}));
    DrawFrameControl(canvas->GetHandle(), &right, DFC_SCROLL,
                     DFCS_SCROLLRIGHT | (more ? 0u : UINT{DFCS_INACTIVE}));
  }
}

void TCustomTabControl::PaintBody(TCanvas* canvas) {
  TRect body = GetClientRect();
  body.Top = RowHeight() + RowInset;
  DrawEdge(canvas->GetHandle(), &body, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(body);
}

void TCustomTabControl::PaintTab(TCanvas* canvas, int index, const TRect& rect, bool selected) {
  TBrush* brush = canvas->GetBrush();
  const int limit = FScrolling ? ArrowRect(false).Left : GetClientWidth();
  const TRect clip{0, 0, limit, rect.Bottom};
  auto fill = [&](const TRect& part, TColor color) {
    brush->SetColor(color);
    canvas->FillRect(part.Intersect(clip));
  };
  // Face, left and top in the highlight with a cut corner, right in the two shadows.
  fill({rect.Left + 1, rect.Top + 1, rect.Right - 2, rect.Bottom}, GetColor());
  fill({rect.Left, rect.Top + 2, rect.Left + 1, rect.Bottom}, clBtnHighlight);
  fill({rect.Left + 1, rect.Top + 1, rect.Left + 2, rect.Top + 2}, clBtnHighlight);
  fill({rect.Left + 2, rect.Top, rect.Right - 2, rect.Top + 1}, clBtnHighlight);
  fill({rect.Right - 2, rect.Top + 1, rect.Right - 1, rect.Top + 2}, cl3DDkShadow);
  fill({rect.Right - 1, rect.Top + 2, rect.Right, rect.Bottom}, cl3DDkShadow);
  fill({rect.Right - 2, rect.Top + 2, rect.Right - 1, rect.Bottom}, clBtnShadow);
  if (selected) {
    // Joined to the body: its top edge is open under the tab.
    const int bodyTop = RowHeight() + RowInset;
    fill({rect.Left + 1, bodyTop, rect.Right - 2, bodyTop + 2}, GetColor());
  }
  TRect text = rect;
  if (!selected) text.Top += 1;
  canvas->SetFont(GetFont());
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  TRect clipped = text.Intersect(clip);
  DrawCanvasText(canvas, FTabs->Get(index), clipped, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (selected && Focused()) {
    brush->SetColor(GetColor());
    canvas->DrawFocusRect(text.Inflate(-3, -3).Intersect(clip));
  }
}
