#pragma once

#include <algorithm>

#include "controls/Edit.h"
#include "controls/ListBox.h"

class TCustomComboBox;

// How a combo box takes its text: typed into its edit or picked from the list (csDropDown), or
// only picked from the list (csDropDownList).
enum TComboBoxStyle : uint8_t { csDropDown, csDropDownList };
PUBLISHED_ENUM(TComboBoxStyle, csDropDown, csDropDownList)

// The list a combo box drops: a borderless-owned top-level window below the combo box, shown
// without activation. While it shows it holds the mouse capture, so that a press anywhere else
// closes it; the selection follows the mouse and a release over an item takes it.
class TComboListBox : public TCustomListBox {
  DECLARE_CLASS(TComboListBox, TCustomListBox);

 public:
  explicit TComboListBox(TCustomComboBox* comboBox);

 protected:
  void CreateParams(TCreateParams& params) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMCaptureChanged(TMessage& message);
  void WMMouseActivate(TMessage& message);

 private:
  friend class TCustomComboBox;
  bool InsideClient(int x, int y) const;
  // Whether the screen point lies on the combo box (the press that dropped the list, or one
  // that closes it again).
  bool OnComboBox(int x, int y) const;

  TCustomComboBox* FComboBox;
  bool FTracking = false;  // the mouse went over the list since it dropped
  bool FClosing = false;   // releasing the capture on purpose
};

// The edit of a csDropDown combo box: it leaves the keys that work the list to the combo box.
class TComboEdit : public TCustomEdit {
  DECLARE_CLASS(TComboEdit, TCustomEdit);

 public:
  explicit TComboEdit(TCustomComboBox* comboBox);

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void Change() override;
  void CMWantSpecialKey(TCMWantSpecialKey& message);
  void WMKillFocus(TWMKillFocus& message);

 private:
  TCustomComboBox* FComboBox;
};

// An edit with a list of choices that drops below it. The user opens the list with a click on
// the button (anywhere, in csDropDownList), Alt+Down or F4, moves in it with the arrow keys or
// the mouse, and takes an item with Enter or a click; Escape, a click outside or leaving the
// control closes it without taking one. With the list closed the Up and Down keys (and, in
// csDropDownList, a typed first letter) select the neighbouring item at once.
//
// Text is the edit's text in csDropDown and the selected item's in csDropDownList. ItemIndex
// follows the text: typing a text equal (in any letter case) to an item selects it, any other
// text selects nothing.
//
// OnChange fires when the user changes the text (typing, or taking an item); OnClick when the
// user selects an item; OnDropDown before the list opens (the items may still be filled then);
// OnCloseUp after it closed. A program setting Text or ItemIndex fires nothing.
class TCustomComboBox : public TCustomControl {
  DECLARE_CLASS(TCustomComboBox, TCustomControl);

 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TStrings* GetItems() const { return FList->GetItems(); }
  void SetItems(TStrings* value) { FList->SetItems(value); }
  // The selected item, or -1; setting it sets Text. Raises EListError naming a bad index.
  int GetItemIndex() const { return FList->GetItemIndex(); }
  void SetItemIndex(int value);
  TComboBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TComboBoxStyle value);
  // How many items the dropped list shows before it scrolls (at least 1).
  int32_t GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int32_t value) { FDropDownCount = std::max<int32_t>(1, value); }
  bool GetSorted() const { return FList->GetSorted(); }
  void SetSorted(bool value) { FList->SetSorted(value); }
  // The most characters the user may type; 0 for no limit.
  int32_t GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t value);
  bool GetDroppedDown() const { return FDroppedDown; }
  // Opens the list, or closes it without taking the item the user moved to.
  void SetDroppedDown(bool value);
  // The edit of a csDropDown combo box; null in csDropDownList.
  TCustomEdit* GetEditControl() const { return FEdit; }
  // The dropped list, for tests and for programs that look at it.
  TCustomListBox* GetListControl() const { return FList; }
  bool Focused() const override;
  void SetFocus() override;

  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent value) { FOnChange = value; }
  TNotifyEvent GetOnDropDown() const { return FOnDropDown; }
  void SetOnDropDown(TNotifyEvent value) { FOnDropDown = value; }
  TNotifyEvent GetOnCloseUp() const { return FOnCloseUp; }
  void SetOnCloseUp(TNotifyEvent value) { FOnCloseUp = value; }

 protected:
  // After the user changed the text; fires OnChange.
  virtual void Change();
  // Before the list opens; fires OnDropDown.
  virtual void DropDown();
  // After the list closed; fires OnCloseUp.
  virtual void CloseUp();

  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

  void WMGetText(TWMGetText& message);
  void WMGetTextLength(TMessage& message);
  void WMSetText(TWMSetText& message);
  void WMGetDlgCode(TMessage& message);
  void WMSize(TWMSize& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMWantSpecialKey(TCMWantSpecialKey& message);
  void CMEnabledChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMCtl3DChanged(TMessage& message);
  // CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN and CB_FINDSTRING answer as the
  // list's LB_ messages do.
  void CBForwardToList(TMessage& message);
  void CBSetCurSel(TMessage& message);
  void CBShowDropDown(TMessage& message);
  void CBGetDroppedState(TMessage& message);

 private:
  friend class TComboListBox;
  friend class TComboEdit;

  // The keys that work the list, from the combo box or its edit; true when taken.
  bool ComboKey(WORD key, TShiftState shift);
  // Closes the list; with accept its selection becomes the text.
  void CloseList(bool accept);
  // The user selected item index (from the list or with the keys on the closed control).
  void SelectByUser(int index);
  void EditChanged();
  void ShowItemText();
  bool LosingFocusTo(HWND window);
  TRect ButtonRect() const;
  TRect TextRect() const;
  void LayoutEdit();
  void CreateEdit();

  TComboListBox* FList;
  TComboEdit* FEdit = nullptr;
  TComboBoxStyle FStyle = csDropDown;
  int32_t FDropDownCount = 8;
  int32_t FMaxLength = 0;
  bool FDroppedDown = false;
  bool FSettingText = false;
  int FIndexBeforeDrop = -1;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnDropDown;
  TNotifyEvent FOnCloseUp;
};

// The combo box of forms: TCustomComboBox with its properties published.
class TComboBox : public TCustomComboBox {
  DECLARE_CLASS(TComboBox, TCustomComboBox);

 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};
