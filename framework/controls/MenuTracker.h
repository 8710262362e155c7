#pragma once

#include <vector>

#include "controls/ControlRef.h"
#include "controls/CustomControl.h"

class TCustomForm;
class TMainMenu;
class TMenu;
class TMenuItem;
class TMenuWindow;
class TPopupMenu;

// The open menu of the program: a form's menu bar with a title selected and perhaps its items
// dropped down, or a popup menu; and the submenus opened from them. One menu is open at a time;
// opening another closes the first.
//
// While a menu is open it takes the mouse (a capture on the tracker's hidden window) and the
// keys (a keyboard hook posts every key to that window instead of the focused control): moving
// the mouse over items selects them and opens their submenus; releasing a button on an item
// chooses it; a press outside the menu closes it. Up and Down move the selection, Right opens a
// submenu (or, on a bar, the next title), Left closes one (or moves to the previous title),
// Enter chooses, Escape closes a level, Alt closes everything, and a letter chooses the item
// whose '&' it marks. Choosing closes the menu first and then runs the item's Click, so that
// a handler finds no menu open. Changes to the menu's items show at once in the open windows;
// a submenu whose item went away closes.
class TMenuTracker : public TCustomControl {
  DECLARE_CLASS(TMenuTracker, TCustomControl);

 public:
  // Opens form's bar at top item index, dropped down; from the keyboard with its first item
  // selected.
  static void TrackBar(TCustomForm* form, TMainMenu* menu, int index, bool keyboard);
  // Opens menu's items at the screen point (x, y).
  static void TrackPopup(TPopupMenu* menu, int x, int y);
  // The open menu's tracker, or null.
  static TMenuTracker* GetActive();
  // Closes the open menu, if any.
  static void CloseAll();
  // Told by menus and items.
  static void MenuChanged(TMenu* menu);
  static void MenuFreeing(TMenu* menu);
  static void ItemFreeing(TMenuItem* item);

  TMenu* GetMenu() const { return FMenu; }
  // The bar's selected title (-1 for a popup menu) and whether its items are dropped down.
  int GetBarIndex() const { return FBarIndex; }
  bool GetDropped() const { return !FWindows.empty(); }
  // The open drop-down windows, the first one the bar's or the popup's.
  int GetLevelCount() const { return static_cast<int>(FWindows.size()); }
  TMenuWindow* GetLevel(int index) const;

 protected:
  void CreateParams(TCreateParams& params) override;

  void WMMouseMove(TWMMouse& message);
  void WMButtonDown(TWMMouse& message);
  void WMButtonUp(TWMMouse& message);
  void WMKeyDown(TWMKey& message);
  void WMKeyUp(TWMKey& message);
  void WMCaptureChanged(TMessage& message);
  void CMRelease(TMessage& message);

 private:
  explicit TMenuTracker(TMenu* menu);
  ~TMenuTracker() override;
  void Start();
  // Closes everything; the tracker frees itself once its current message is handled.
  void Finish();
  static LRESULT KeyboardHook(int code, WPARAM key, LPARAM data);

  // Opens item's children below (level 0) or beside the row they belong to.
  void OpenLevel(TMenuItem* item, const TRect& anchor, bool beside, bool selectFirst);
  void CloseFrom(int level);
  void DropBar(int index, bool selectFirst);
  void SelectBar(int index);
  void Choose(TMenuItem* item);
  // Selects child index of level and opens or closes submenus to match.
  void Hover(int level, int index);
  void KeyInLevel(int level, WORD key);
  void Refresh();
  void PaintBar();
  TPoint ScreenPos(const TWMMouse& message);

  TMenu* FMenu;
  TControlRef<TCustomForm> FForm;  // the bar's form, null for a popup menu
  int FBarIndex = -1;
  std::vector<TMenuWindow*> FWindows;
  HHOOK FHook = nullptr;
  bool FFinished = false;
};
