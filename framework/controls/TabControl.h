#pragma once

#include <cstdint>
#include <vector>

#include "controls/CustomControl.h"

class TStringList;
class TStrings;

DECLARE_EVENT(TTabChangingEvent, void(TObject* Sender, bool& AllowChange),
              "Sender: TObject; var AllowChange: Boolean")

// A row of tabs across the top of a raised body; the body's inner part (DisplayRect) holds the
// controls placed on it, which align inside it.
//
// Clicking a tab, Left and Right while the control has the focus, and Ctrl+Tab (Ctrl+Shift+Tab
// backwards) anywhere inside it select another tab: OnChanging is asked first and may refuse,
// then TabIndex changes and OnChange fires. Setting TabIndex from code fires neither. The
// selected tab stands raised and wider, joined to the body. Tabs that do not fit scroll, with
// two arrow buttons at the right end of the row.
class TCustomTabControl : public TCustomControl {
  DECLARE_CLASS(TCustomTabControl, TCustomControl);

 public:
  explicit TCustomTabControl(TComponent* owner);
  ~TCustomTabControl() override;

  // The tab captions ('&' marks nothing here); assigning copies them.
  TStrings* GetTabs() const;
  void SetTabs(TStrings* value);
  // -1 (none) to the number of tabs - 1; raises EListError naming anything else.
  int32_t GetTabIndex() const { return FTabIndex; }
  void SetTabIndex(int32_t value);
  // Fixed tab sizes in pixels; 0 sizes each tab to its caption and the row to the font.
  int32_t GetTabHeight() const { return FTabHeight; }
  void SetTabHeight(int32_t value);
  int32_t GetTabWidth() const { return FTabWidth; }
  void SetTabWidth(int32_t value);

  // The part of the client area inside the body's edges, where controls go.
  TRect GetDisplayRect();
  // The tab under a client point, or -1.
  int IndexOfTabAt(int x, int y);
  // The rectangle of tab index as drawn (the selected one raised); empty when scrolled away.
  TRect TabRect(int index);
  // Selects the tab after (or before) the selected one, wrapping, as the user would.
  void SelectNextTab(bool forward);

  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }
  TTabChangingEvent GetOnChanging() const { return FOnChanging; }
  void SetOnChanging(TTabChangingEvent value) { FOnChanging = value; }

 protected:
  // Whether the selection may leave the current tab (OnChanging).
  virtual bool CanChange();
  // After the user selected another tab (OnChange).
  virtual void Change();
  // Selects tab index as the user does: asks CanChange, then calls Change. False when refused.
  bool SelectTab(int index);
  int TabCount() const;
  void UpdateTabIndex(int value);

  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void Loaded() override;

  void WMGetDlgCode(TMessage& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMDialogKey(TCMDialogKey& message);
  void CMFontChanged(TMessage& message);
  void CMDesignHitTest(TCMDesignHitTest& message);

 private:
  void TabsChanged(TObject* sender);
  int RowHeight();
  int NaturalTabWidth(int index);
  // The horizontal extent of each tab from the first shown one; sets FScrolling.
  void LayoutTabs();
  void MakeTabVisible(int index);
  TRect ArrowRect(bool right);
  void PaintTab(TCanvas* canvas, int index, const TRect& rect, bool selected);
  void PaintBody(TCanvas* canvas);

  TStringList* FTabs;
  int32_t FTabIndex = -1;
  int32_t FTabHeight = 0;
  int32_t FTabWidth = 0;
  int FFirstVisible = 0;
  bool FScrolling = false;
  std::vector<int> FTabLefts;  // per tab from FFirstVisible: left edge; the last entry the end
  TNotifyEvent FOnChange;
  TTabChangingEvent FOnChanging;
};

// The tab control with its properties published.
class TTabControl : public TCustomTabControl {
  DECLARE_CLASS(TTabControl, TCustomTabControl);

 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
};
