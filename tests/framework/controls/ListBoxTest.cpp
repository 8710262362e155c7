#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/ListBox.h"
#include "core/Exception.h"
#include "core/SysUtils.h"

using namespace ControlTest;

namespace {
class ListBoxTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 320, 240);
    List = New<TListBox>(Form, 20, 20, 120, 100, "List");
    List->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
    List->SetOnDblClick(MakeMethod<&TEventLog::DblClick>(Log));
    Driver.ProcessMessages();
  }
  void Fill(int count) {
    TStringsUpdate update(List->GetItems());
    for (int i = 0; i < count; ++i)
      List->GetItems()->Add(Format("Item %02d", i));
  }
  int ItemHeight() const { return List->GetItemHeight(); }
  // A client point in the middle of an item's row.
  void ClickItemRow(int row) { ClickAt(List, 10, row * ItemHeight() + ItemHeight() / 2); }
  int Clicks() const {
    int count = 0;
    for (const std::string& line : Log->Lines)
      count += line == "Click List";
    return count;
  }

  TForm* Form = nullptr;
  TListBox* List = nullptr;
};

// Draws odd items as a red bar and even items as a blue one, recording the states it saw.
class TDrawRecorder : public TObject {
 public:
  void Draw(TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    auto* list = static_cast<TListBox*>(control);
    TCanvas* canvas = list->GetCanvas();
    canvas->GetBrush()->SetColor(index % 2 ? clRed : clBlue);
    canvas->FillRect(rect);
    Drawn.push_back(index);
    if (state.Contains(odSelected)) Selected = index;
  }
  void Measure(TWinControl*, int index, int& height) { height = 10 + index * 5; }
  std::vector<int> Drawn;
  int Selected = -1;
};
}  // namespace

TEST_F(ListBoxTest, DefaultsAndPublishedProperties) {
  auto* fresh = new TListBox(Form);
  EXPECT_EQ(fresh->GetWidth(), 121);
  EXPECT_EQ(fresh->GetHeight(), 97);
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_EQ(fresh->GetColor(), clWindow);
  EXPECT_EQ(fresh->GetItemIndex(), -1);
  EXPECT_EQ(fresh->GetStyle(), lbStandard);
  EXPECT_EQ(fresh->GetItemHeight(), 13);  // the default font's line
  EXPECT_EQ(GetPropInfo(fresh, "Style")->GetDefault(), lbStandard);
  EXPECT_EQ(GetPropInfo(fresh, "Sorted")->GetDefault(), 0);
  fresh->Free();
}

TEST_F(ListBoxTest, ItemsReachTheControlAndTheSelectionStaysOnItsItem) {
  TStrings* items = List->GetItems();
  items->Add("beta");
  items->Add("delta");
  List->SetItemIndex(1);
  items->Insert(0, "alpha");
  EXPECT_EQ(List->GetItemIndex(), 2);  // still "delta"
  items->Delete(0);
  EXPECT_EQ(List->GetItemIndex(), 1);
  items->Delete(1);
  EXPECT_EQ(List->GetItemIndex(), -1);  // its item went
  EXPECT_EQ(List->Perform(LB_GETCOUNT), 1);
  // Objects travel with the strings (the colour popup keeps colour values there).
  items->AddObject("red", reinterpret_cast<TObject*>(static_cast<intptr_t>(clRed)));
  EXPECT_EQ(reinterpret_cast<intptr_t>(items->GetObject(1)), clRed);
  EXPECT_EQ(List->Perform(LB_GETITEMDATA, 1), clRed);
  // Bad indexes name themselves.
  try {
    List->SetItemIndex(7);
    ADD_FAILURE() << "no error";
  } catch (const EListError& error) {
    EXPECT_EQ(error.GetMessage(), "List index out of bounds (7)");
  }
  EXPECT_THROW(List->SetItemIndex(-2), EListError);
  EXPECT_THROW(items->Get(2), EStringListError);
  EXPECT_THROW(items->Insert(5, "x"), EStringListError);
  EXPECT_THROW(List->ItemRect(3), EListError);
  EXPECT_EQ(List->GetItemIndex(), -1);
}

TEST_F(ListBoxTest, SortedListsPlaceItemsInOrder) {
  TStrings* items = List->GetItems();
  items->Add("pear");
  items->Add("Apple");
  items->Add("fig");
  List->SetItemIndex(0);  // "pear"
  List->SetSorted(true);
  EXPECT_EQ(items->GetCommaText(), "Apple,fig,pear");
  EXPECT_EQ(List->GetItemIndex(), 2);
  EXPECT_EQ(items->Add("banana"), 1);
  EXPECT_EQ(items->Add("Fig"), 3);  // after its equal
  EXPECT_EQ(items->GetCommaText(), "Apple,banana,fig,Fig,pear");
  EXPECT_THROW(items->Insert(0, "x"), EStringListError);
  items->Put(0, "zucchini");  // moves to its place, and the selection with it stays on pear
  EXPECT_EQ(items->GetCommaText(), "banana,fig,Fig,pear,zucchini");
  EXPECT_EQ(items->Get(List->GetItemIndex()), "pear");
}

TEST_F(ListBoxTest, MessagesAnswerAsThePlatformDoes) {
  List->GetItems()->SetCommaText("Left,Center,Right");
  auto find = [&](const char* text, int start = -1) {
    return static_cast<int>(
        List->Perform(LB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
  };
  EXPECT_EQ(find("ce"), 1);  // a prefix, in any letter case
  EXPECT_EQ(find("r"), 2);
  EXPECT_EQ(find("x"), LB_ERR);
  EXPECT_EQ(find("L", 0), 0);  // after the start, round to the top
  EXPECT_EQ(find(""), 0);
  EXPECT_EQ(List->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>("center")),
            1);
  EXPECT_EQ(
      List->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("cent")),
      LB_ERR);

  EXPECT_EQ(List->Perform(LB_GETCURSEL), LB_ERR);
  EXPECT_EQ(List->Perform(LB_SETCURSEL, 2), 2);
  EXPECT_EQ(List->Perform(LB_GETCURSEL), 2);
  EXPECT_EQ(List->Perform(LB_SETCURSEL, 3), LB_ERR);
  EXPECT_EQ(List->GetItemIndex(), 2);
  EXPECT_EQ(List->Perform(LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
  EXPECT_EQ(List->GetItemIndex(), -1);
  EXPECT_EQ(Clicks(), 0);  // a program's selection is no click

  char buffer[16] = {};
  EXPECT_EQ(List->Perform(LB_GETTEXTLEN, 1), 6);
  EXPECT_EQ(List->Perform(LB_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 6);
  EXPECT_STREQ(buffer, "Center");
  EXPECT_EQ(List->Perform(LB_GETTEXT, 9, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
  EXPECT_EQ(List->Perform(LB_GETTEXTLEN, static_cast<WPARAM>(-1)), LB_ERR);

  const int height = ItemHeight();
  EXPECT_EQ(List->Perform(LB_GETITEMHEIGHT), height);
  TRect rect;
  EXPECT_EQ(List->Perform(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)), LB_OKAY);
  EXPECT_EQ(rect, (TRect{0, height, List->GetClientWidth(), 2 * height}));
  EXPECT_EQ(List->Perform(LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rect)), LB_ERR);
  EXPECT_EQ(List->Perform(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, height + 1)), MAKELONG(1, 0));
  // Below the last item: the last one, flagged as outside.
  EXPECT_EQ(List->Perform(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5 * height)), MAKELONG(2, 1));

  EXPECT_EQ(List->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Up")), 3);
  EXPECT_EQ(List->Perform(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("Top")), 0);
  EXPECT_EQ(List->Perform(LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("x")), LB_ERR);
  EXPECT_EQ(List->Perform(LB_DELETESTRING, 0), 4);
  EXPECT_EQ(List->Perform(LB_DELETESTRING, 4), LB_ERR);
  EXPECT_EQ(List->Perform(LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("u")),
            3);
  EXPECT_EQ(List->GetItemIndex(), 3);
  List->Perform(LB_RESETCONTENT);
  EXPECT_EQ(List->Perform(LB_GETCOUNT), 0);
  EXPECT_EQ(List->GetItemIndex(), -1);
}

TEST_F(ListBoxTest, ItemAtPosAndItemRect) {
  Fill(3);
  const int height = ItemHeight();
  EXPECT_EQ(List->ItemAtPos({5, 0}, true), 0);
  EXPECT_EQ(List->ItemAtPos({5, 2 * height + 1}, true), 2);
  EXPECT_EQ(List->ItemAtPos({5, 3 * height + 1}, true), -1);  // below the items
  EXPECT_EQ(List->ItemAtPos({5, 3 * height + 1}, false), 3);  // the place after them
  EXPECT_EQ(List->ItemAtPos({-1, 5}, false), -1);             // outside the client area
  EXPECT_EQ(List->ItemRect(3).Top, 3 * height);               // the place after the last
}

TEST_F(ListBoxTest, KeyboardSelectsAndScrolls) {
  Fill(20);
  const int page = List->GetClientHeight() / ItemHeight();
  List->SetFocus();
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(List->GetItemIndex(), 0);
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(List->GetItemIndex(), 1);
  Driver.PressKey(VK_UP);
  EXPECT_EQ(List->GetItemIndex(), 0);
  Driver.PressKey(VK_UP);  // at the top: no change, no click
  EXPECT_EQ(Clicks(), 3);
  Driver.PressKey(VK_NEXT);  // to the last item shown
  EXPECT_EQ(List->GetItemIndex(), page - 1);
  EXPECT_EQ(List->GetTopIndex(), 0);
  Driver.PressKey(VK_NEXT);  // a page further, scrolling
  EXPECT_EQ(List->GetItemIndex(), 2 * page - 2);
  EXPECT_EQ(List->GetTopIndex(), page - 1);
  Driver.PressKey(VK_END);
  EXPECT_EQ(List->GetItemIndex(), 19);
  EXPECT_EQ(List->GetTopIndex(), 20 - page);
  Driver.PressKey(VK_PRIOR);
  EXPECT_EQ(List->GetItemIndex(), 20 - page);
  Driver.PressKey(VK_HOME);
  EXPECT_EQ(List->GetItemIndex(), 0);
  EXPECT_EQ(List->GetTopIndex(), 0);
  // A typed letter finds the next item starting with it, round to the top.
  List->GetItems()->Put(5, "Zebra");
  List->GetItems()->Put(9, "zoo");
  Driver.Type("z");
  EXPECT_EQ(List->GetItemIndex(), 5);
  Driver.Type("Z");
  EXPECT_EQ(List->GetItemIndex(), 9);
  Driver.Type("z");
  EXPECT_EQ(List->GetItemIndex(), 5);
  // An OnKeyDown handler that takes the key leaves the selection alone.
  Log->SwallowKey = VK_DOWN;
  List->SetOnKeyDown(MakeMethod<&TEventLog::KeyDown>(Log));
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(List->GetItemIndex(), 5);
}

TEST_F(ListBoxTest, MouseSelectsDragFollowsAndDoubleClickFires) {
  Fill(20);
  ClickItemRow(2);
  EXPECT_TRUE(List->Focused());
  EXPECT_EQ(List->GetItemIndex(), 2);
  EXPECT_EQ(Clicks(), 1);
  Driver.AdvanceClock(1000);
  ClickItemRow(2);  // a click on the selected item is a click again
  EXPECT_EQ(Clicks(), 2);
  // Below the last item nothing changes.
  List->GetItems()->Clear();
  Fill(3);
  Driver.AdvanceClock(1000);
  ClickAt(List, 10, List->GetClientHeight() - 2);
  EXPECT_EQ(List->GetItemIndex(), -1);
  EXPECT_EQ(Clicks(), 2);
  // Dragging moves the selection with the mouse.
  List->GetItems()->Clear();
  Fill(20);
  Driver.AdvanceClock(1000);
  const TPoint from = ScreenPoint(List, 10, ItemHeight() / 2);
  const TPoint to = ScreenPoint(List, 10, 4 * ItemHeight() + ItemHeight() / 2);
  Driver.Drag(from.X, from.Y, to.X, to.Y, 8);
  EXPECT_EQ(List->GetItemIndex(), 4);
  // Dragged below the list, it scrolls one item for each move.
  Driver.AdvanceClock(1000);
  const int page = List->GetClientHeight() / ItemHeight();
  const TPoint below = List->ClientToScreen({10, List->GetClientHeight() + 5});
  Driver.MoveTo(to.X, to.Y);
  Driver.Press();
  for (int i = 0; i < page; ++i)
    Driver.MoveTo(below.X, below.Y + i);
  Driver.Release();
  EXPECT_EQ(List->GetItemIndex(), 4 + page);
  EXPECT_GT(List->GetTopIndex(), 0);
  // A double click on an item.
  Driver.AdvanceClock(1000);
  Log->Lines.clear();
  const TPoint item = ScreenPoint(List, 10, ItemHeight() / 2);
  Driver.DoubleClick(item.X, item.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click List", "DblClick List"}));
}

TEST_F(ListBoxTest, TopIndexScrollsTheItemsAndTheScrollBar) {
  Fill(30);
  const int page = List->GetClientHeight() / ItemHeight();
  List->SetTopIndex(5);
  EXPECT_EQ(List->GetTopIndex(), 5);
  EXPECT_EQ(List->ItemAtPos({5, 1}, true), 5);
  EXPECT_EQ(List->ItemRect(5).Top, 0);
  EXPECT_EQ(List->ItemRect(4).Bottom, 0);
  List->SetTopIndex(100);  // no further than the last page
  EXPECT_EQ(List->GetTopIndex(), 30 - page);
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(List->GetHandle(), SB_VERT, &info);
  EXPECT_EQ(info.nMax, 29);
  EXPECT_EQ(info.nPos, 30 - page);
  EXPECT_EQ(static_cast<int>(info.nPage), page);
  List->Perform(WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(List->Perform(LB_GETTOPINDEX), 29 - page);
  List->Perform(WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(List->GetTopIndex(), 0);
  EXPECT_EQ(List->Perform(LB_SETTOPINDEX, 7), LB_OKAY);
  EXPECT_EQ(List->GetTopIndex(), 7);
  EXPECT_EQ(List->Perform(LB_SETTOPINDEX, 30), LB_ERR);
  // The items drawn follow: item 7's row is at the top, in the text colour on the window.
  List->SetItemIndex(7);
  EXPECT_EQ(Pixel(List, List->GetClientWidth() - 4, 2), Rgb(clHighlight));
  EXPECT_EQ(Pixel(List, List->GetClientWidth() - 4, ItemHeight() + 2), Rgb(clWindow));
  // Selecting an item out of view scrolls it in.
  List->SetItemIndex(25);
  EXPECT_EQ(List->GetTopIndex(), 25 - page + 1);
}

TEST_F(ListBoxTest, OwnerDrawingPaintsThroughDrawItem) {
  TDrawRecorder recorder;
  List->SetStyle(lbOwnerDrawFixed);
  List->SetItemHeight(12);
  List->SetOnDrawItem(MakeMethod<&TDrawRecorder::Draw>(&recorder));
  Fill(3);
  List->SetItemIndex(1);
  Driver.ProcessMessages();
  EXPECT_EQ(recorder.Selected, 1);
  // Guard pixels: each row has its item's colour, the space below the items the window's.
  const int right = List->GetClientWidth() - 1;
  EXPECT_EQ(Pixel(List, right, 1), Rgb(clBlue));
  EXPECT_EQ(Pixel(List, right, 13), Rgb(clRed));
  EXPECT_EQ(Pixel(List, right, 25), Rgb(clBlue));
  EXPECT_EQ(Pixel(List, right, 11), Rgb(clBlue));
  EXPECT_EQ(Pixel(List, right, 12), Rgb(clRed));
  EXPECT_EQ(Pixel(List, right, 36), Rgb(clWindow));
  EXPECT_EQ(List->Perform(LB_GETITEMHEIGHT), 12);
  EXPECT_THROW(List->SetItemHeight(0), EInvalidOperation);
  EXPECT_THROW(List->SetItemHeight(256), EInvalidOperation);
  EXPECT_EQ(List->GetItemHeight(), 12);

  // Variable heights come from OnMeasureItem: 10, 15, 20.
  List->SetOnMeasureItem(MakeMethod<&TDrawRecorder::Measure>(&recorder));
  List->SetStyle(lbOwnerDrawVariable);
  EXPECT_EQ(List->ItemRect(1), (TRect{0, 10, List->GetClientWidth(), 25}));
  EXPECT_EQ(List->ItemRect(2).Bottom, 45);
  EXPECT_EQ(List->ItemAtPos({5, 26}, true), 2);
  EXPECT_EQ(Pixel(List, right, 9), Rgb(clBlue));
  EXPECT_EQ(Pixel(List, right, 10), Rgb(clRed));
  EXPECT_EQ(Pixel(List, right, 24), Rgb(clRed));
  EXPECT_EQ(Pixel(List, right, 25), Rgb(clBlue));
  EXPECT_EQ(List->Perform(LB_GETITEMHEIGHT, 2), 20);
  EXPECT_EQ(List->Perform(LB_GETITEMHEIGHT, 5), LB_ERR);
}

TEST_F(ListBoxTest, StandardItemsShowTheirTextAndTheSelection) {
  Fill(2);
  const int height = ItemHeight();
  auto darkInRow = [&](int row) {
    for (int y = row * height; y < (row + 1) * height; ++y)
      for (int x = 2; x < 60; ++x)
        if (IsDark(Pixel(List, x, y))) return true;
    return false;
  };
  EXPECT_TRUE(darkInRow(0));
  EXPECT_TRUE(darkInRow(1));
  EXPECT_FALSE(darkInRow(2));
  List->SetItemIndex(1);
  EXPECT_EQ(Pixel(List, List->GetClientWidth() - 3, height + height / 2), Rgb(clHighlight));
  EXPECT_FALSE(darkInRow(1));  // highlighted text is light
}

TEST_F(ListBoxTest, IntegralHeightShowsWholeItemsOnly) {
  const int frame = List->GetHeight() - List->GetClientHeight();
  List->SetIntegralHeight(true);
  EXPECT_EQ(List->GetClientHeight() % ItemHeight(), 0);
  List->SetHeight(frame + 5 * ItemHeight() + 7);
  EXPECT_EQ(List->GetClientHeight(), 5 * ItemHeight());
  List->SetIntegralHeight(false);
  List->SetHeight(frame + 5 * ItemHeight() + 7);
  EXPECT_EQ(List->GetClientHeight(), 5 * ItemHeight() + 7);
}

TEST_F(ListBoxTest, APopupListDetachedToTheDesktopStillWorks) {
  // What the composite edit does with its list popup: its own window styles, detached from
  // its parent's window, shown above everything without activation.
  class TPopupList : public TCustomListBox {
   public:
    using TCustomListBox::TCustomListBox;

   protected:
    void CreateParams(TCreateParams& params) override {
      TCustomListBox::CreateParams(params);
      params.Style = WS_CHILD | WS_BORDER | WS_VSCROLL;
      params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
      params.WindowClass.style |= CS_SAVEBITS;
    }
  };
  auto* popup = new TPopupList(Form);
  popup->SetParent(Form);
  popup->SetVisible(false);
  popup->SetBounds(0, 0, 100, 60);
  popup->GetItems()->SetCommaText("one,two,three");
  const HWND window = popup->GetHandle();
  ::SetParent(window, nullptr);
  SetWindowPos(window, HWND_TOP, 400, 300, 100, 3 * popup->GetItemHeight() + 2,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  popup->SetVisible(true);
  Driver.ProcessMessages();
  EXPECT_EQ(GetWindowLongPtr(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
            WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetClassLongPtr(window, GCL_STYLE) & CS_SAVEBITS);
  EXPECT_EQ(popup->ClientToScreen({0, 0}), (TPoint{401, 301}));
  popup->Perform(LB_SETCURSEL, 1);
  EXPECT_EQ(Driver.ScreenPixel(480, 301 + popup->GetItemHeight() + 2), Rgb(clHighlight));
  EXPECT_EQ(
      popup->ItemAtPos(popup->ScreenToClient({420, 301 + 2 * popup->GetItemHeight() + 1}), true),
      2);
  popup->Free();
}
