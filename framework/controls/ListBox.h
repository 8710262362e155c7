#pragma once

#include <string>
#include <vector>

#include "controls/CustomControl.h"
#include "core/Strings.h"

class TCustomListBox;

// How a list box draws its items: itself, or through DrawItem with one height for all items,
// or through DrawItem with a height per item (MeasureItem).
enum TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
PUBLISHED_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

// The state of an item being drawn.
enum TOwnerDrawStateItem : uint8_t {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
};
PUBLISHED_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
PUBLISHED_SET(TOwnerDrawState, TOwnerDrawStateItem)

DECLARE_EVENT(TDrawItemEvent,
              void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State),
              "Control: TWinControl; Index: Integer; Rect: TRect; State: TOwnerDrawState")
DECLARE_EVENT(TMeasureItemEvent, void(TWinControl* Control, int Index, int& Height),
              "Control: TWinControl; Index: Integer; var Height: Integer")

// The items of a list box as a string list, each with an object (not owned). Changes reach the
// list box at once: it repaints, scrolls and keeps its selection on the same item. A sorted
// list box places added strings in order and refuses Insert.
class TListBoxStrings : public TStrings {
  DECLARE_CLASS(TListBoxStrings, TStrings);

 public:
  explicit TListBoxStrings(TCustomListBox* listBox) : FListBox(listBox) {}

  int GetCount() const override;
  std::string Get(int index) const override;
  TObject* GetObject(int index) const override;
  void Put(int index, const std::string& text) override;
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::string& text) override;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  TCustomListBox* FListBox;
};

// A list of texts of which the user selects one, with the mouse (a press selects, dragging
// follows) or the keyboard (arrows, PageUp, PageDown, Home, End, and a typed first letter). A
// vertical scroll bar shows when the items do not fit. Items may be drawn by the program
// (Style, DrawItem, OnDrawItem, OnMeasureItem) on Canvas.
//
// It answers the platform's list-box messages, as the drop-down popups of the composite edit
// use them: LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,
// LB_GETCURSEL, LB_SETCURSEL, LB_GETTEXT, LB_GETTEXTLEN, LB_FINDSTRING, LB_FINDSTRINGEXACT,
// LB_SELECTSTRING, LB_GETITEMDATA, LB_SETITEMDATA, LB_GETITEMHEIGHT, LB_SETITEMHEIGHT,
// LB_GETTOPINDEX, LB_SETTOPINDEX, LB_ITEMFROMPOINT, LB_GETITEMRECT; LB_ERR for an index that
// names no item or a search that finds nothing.
//
// OnClick fires when the user selects an item (a click, or a key that moves the selection);
// a program setting ItemIndex fires nothing.
class TCustomListBox : public TCustomControl {
  DECLARE_CLASS(TCustomListBox, TCustomControl);

 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings* GetItems() const { return FStrings; }
  // Copies value's strings and objects into the list.
  void SetItems(TStrings* value) { FStrings->Assign(value); }
  // The selected item, or -1. Raises EListError naming the index for one that names no item.
  int GetItemIndex() const { return FItemIndex; }
  void SetItemIndex(int value);
  // The height of every item (lbStandard: the font's line; the owner-draw styles: the value
  // set, 16 at first). Raises EInvalidOperation for a height outside 1 to 255.
  int32_t GetItemHeight() const;
  void SetItemHeight(int32_t value);
  TListBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TListBoxStyle value);
  // The first item shown; kept between 0 and the index that shows the last item at the
  // bottom.
  int GetTopIndex() const { return FTopIndex; }
  void SetTopIndex(int value);
  bool GetSorted() const { return FSorted; }
  // Sorting sorts the items already there (in letter order, ignoring case).
  void SetSorted(bool value);
  // Shrinks the height to show only whole items.
  bool GetIntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  // The item at a client point; -1 where there is none. With existing false a point below the
  // last item answers the count (the place after the last item).
  int ItemAtPos(TPoint pos, bool existing) const;
  // The item's rectangle in client coordinates (off the client area when it is scrolled out
  // of view); the count gives the place after the last item. Raises EListError naming any
  // other index.
  TRect ItemRect(int index) const;
  void Clear() { FStrings->Clear(); }
  // With IntegralHeight the height is cut to whole items.
  void SetBounds(int left, int top, int width, int height) override;

  TDrawItemEvent GetOnDrawItem() const { return FOnDrawItem; }
  void SetOnDrawItem(TDrawItemEvent value) { FOnDrawItem = value; }
  TMeasureItemEvent GetOnMeasureItem() const { return FOnMeasureItem; }
  void SetOnMeasureItem(TMeasureItemEvent value) { FOnMeasureItem = value; }

 protected:
  // Draws item index in rect on Canvas, whose font, brush and font colour are prepared for
  // the state. The default fires OnDrawItem, or without one fills rect and writes the text.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  // Asks an item's height in lbOwnerDrawVariable (height comes in as ItemHeight); the
  // default fires OnMeasureItem.
  virtual void MeasureItem(int index, int& height);
  // The user's selection: sets ItemIndex, scrolls it into view and fires OnClick when it
  // changed (always for a click).
  void SelectByUser(int index, bool always);

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  void WMGetDlgCode(TMessage& message);
  void WMSize(TWMSize& message);
  void WMVScroll(TWMScroll& message);
  void WMMouseWheel(TMessage& message);
  void WMSetFocus(TWMSetFocus& message);
  void WMKillFocus(TWMKillFocus& message);
  void CMFontChanged(TMessage& message);
  void CMCtl3DChanged(TMessage& message);
  void LBAddString(TMessage& message);
  void LBInsertString(TMessage& message);
  void LBDeleteString(TMessage& message);
  void LBResetContent(TMessage& message);
  void LBGetCount(TMessage& message);
  void LBGetCurSel(TMessage& message);
  void LBSetCurSel(TMessage& message);
  void LBGetText(TMessage& message);
  void LBGetTextLen(TMessage& message);
  void LBFindString(TMessage& message);
  void LBFindStringExact(TMessage& message);
  void LBSelectString(TMessage& message);
  void LBGetItemData(TMessage& message);
  void LBSetItemData(TMessage& message);
  void LBGetItemHeight(TMessage& message);
  void LBSetItemHeight(TMessage& message);
  void LBGetTopIndex(TMessage& message);
  void LBSetTopIndex(TMessage& message);
  void LBItemFromPoint(TMessage& message);
  void LBGetItemRect(TMessage& message);

 private:
  friend class TListBoxStrings;
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
    int Height = 0;  // lbOwnerDrawVariable only
  };

  // Storage, used by the strings.
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  void CheckIndex(int index) const;
  int SortedPlace(const std::string& text) const;
  void InsertItem(int index, const std::string& text, TObject* object);
  void DeleteItem(int index);
  void ClearItems();
  void ItemsChanged();
  // The search of LB_FINDSTRING: after start (-1: from the top), wrapping round; -1 if none.
  int FindItem(const std::string& text, int start, bool exact) const;

  int ItemHeightOf(int index) const;
  int FontLineHeight() const;
  void MeasureAll();
  // How many items, from first on, fit wholly in the client height (at least 1).
  int ItemsFitting(int first) const;
  int MaxTopIndex() const;
  void MakeVisible(int index);
  void UpdateScrollBar();
  void ApplyIntegralHeight(int& height) const;

  std::vector<TItem> FItems;
  TListBoxStrings* FStrings;
  int FItemIndex = -1;
  int FTopIndex = 0;
  int32_t FItemHeight = 16;
  TListBoxStyle FStyle = lbStandard;
  TBorderStyle FBorderStyle = bsSingle;
  bool FSorted = false;
  bool FIntegralHeight = false;
  bool FUpdating = false;
  bool FMouseSelecting = false;
  TDrawItemEvent FOnDrawItem;
  TMeasureItemEvent FOnMeasureItem;
};

// The list box of forms: TCustomListBox with its properties published.
class TListBox : public TCustomListBox {
  DECLARE_CLASS(TListBox, TCustomListBox);

 public:
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};
