#pragma once

#include <cstdint>
#include <vector>

#include "controls/TabControl.h"

class TPageControl;

// One page of a page control: a container whose Caption is its tab's. The page control shows
// one page at a time, filling its display area; a page with TabVisible false has no tab.
class TTabSheet : public TWinControl {
  DECLARE_CLASS(TTabSheet, TWinControl);

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* GetPageControl() const { return FPageControl; }
  // Moves the page to another page control (null: to none); the same as setting Parent.
  void SetPageControl(TPageControl* value);
  // The position among the pages; raises EListError naming a bad one.
  int32_t GetPageIndex() const;
  void SetPageIndex(int32_t value);
  bool GetTabVisible() const { return FTabVisible; }
  void SetTabVisible(bool value);
  // The position of the page's tab, or -1 without one.
  int GetTabIndex() const;

  // On a page control the page registers with it; elsewhere it is a plain container.
  void SetParent(TWinControl* value) override;

 protected:
  void CMTextChanged(TMessage& message);

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
};

// Pages with tabs: the tab control whose tabs are its pages' captions. Selecting a tab (as the
// user does, through OnChanging and OnChange) shows its page; ActivePage set from code shows a
// page without events. When the active page goes, the next one becomes active. The pages are
// written inside the page control in form files, in page order.
class TPageControl : public TCustomTabControl {
  DECLARE_CLASS(TPageControl, TCustomTabControl);

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int GetPageCount() const { return static_cast<int>(FPages.size()); }
  // Raises EListError naming a bad index.
  TTabSheet* GetPage(int index) const;
  TTabSheet* GetActivePage() const { return FActivePage; }
  // Shows value (one of the pages, or null for none); raises EInvalidOperation for a page of
  // another page control.
  void SetActivePage(TTabSheet* value);
  int GetActivePageIndex() const;
  void SetActivePageIndex(int value);
  // The page after (or before) current, wrapping, among those with tabs when checkTabVisible.
  TTabSheet* FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const;
  // Shows the next page as the user would (OnChanging, OnChange).
  void SelectNextPage(bool forward);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 protected:
  // Shows the selected tab's page, then fires OnChange.
  void Change() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  // Makes the tabs the captions of the pages that show one, and selects the active page's.
  void UpdateTabs();
  void ShowPage(TTabSheet* page);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
