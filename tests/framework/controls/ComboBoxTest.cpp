#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "controls/ComboBox.h"
#include "core/ClassRegistry.h"
#include "core/Exception.h"

using namespace ControlTest;

namespace {
// Records the combo box's own events in order.
class TComboLog : public TObject {
 public:
  void Change(TObject*) { Lines.push_back("Change"); }
  void Click(TObject*) { Lines.push_back("Click"); }
  void DropDown(TObject*) { Lines.push_back("DropDown"); }
  void CloseUp(TObject*) { Lines.push_back("CloseUp"); }
  std::vector<std::string> Take() { return std::exchange(Lines, {}); }
  std::vector<std::string> Lines;
};

using TLines = std::vector<std::string>;

class ComboBoxTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 320, 240);
    Combo = New<TComboBox>(Form, 20, 20, 145, 21, "Combo");
    Other = New<TButton>(Form, 200, 20, 75, 25, "Other");
    Combo->GetItems()->SetCommaText("Left,Center,Right");
    Combo->SetOnChange(MakeMethod<&TComboLog::Change>(&Events));
    Combo->SetOnClick(MakeMethod<&TComboLog::Click>(&Events));
    Combo->SetOnDropDown(MakeMethod<&TComboLog::DropDown>(&Events));
    Combo->SetOnCloseUp(MakeMethod<&TComboLog::CloseUp>(&Events));
    Driver.ProcessMessages();
  }
  void ClickButton() { ClickAt(Combo, Combo->GetClientWidth() - 4, Combo->GetClientHeight() / 2); }
  TCustomListBox* List() const { return Combo->GetListControl(); }
  // A click in the middle of the dropped list's row.
  void ClickListRow(int row) {
    const int height = List()->GetItemHeight();
    ClickAt(List(), 20, row * height + height / 2);
  }

  TComboLog Events;
  TForm* Form = nullptr;
  TComboBox* Combo = nullptr;
  TButton* Other = nullptr;
};
}  // namespace

TEST_F(ComboBoxTest, DefaultsAndItems) {
  auto* fresh = new TComboBox(Form);
  EXPECT_EQ(fresh->GetWidth(), 145);
  EXPECT_EQ(fresh->GetHeight(), 21);
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_EQ(fresh->GetColor(), clWindow);
  EXPECT_EQ(fresh->GetStyle(), csDropDown);
  EXPECT_EQ(fresh->GetDropDownCount(), 8);
  EXPECT_EQ(GetClass("TComboBox"), TComboBox::StaticClass());
  fresh->Free();

  Combo->SetItemIndex(1);
  EXPECT_EQ(std::string(Combo->GetText()), "Center");
  EXPECT_EQ(Combo->Perform(CB_GETCURSEL), 1);
  EXPECT_EQ(Combo->Perform(CB_GETCOUNT), 3);
  EXPECT_EQ(Combo->Perform(CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ri")),
            2);
  Combo->SetText("right");  // an item's text in another case selects it
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  Combo->SetText("elsewhere");
  EXPECT_EQ(Combo->GetItemIndex(), -1);
  EXPECT_EQ(std::string(Combo->GetText()), "elsewhere");
  EXPECT_TRUE(Events.Lines.empty());  // a program's changes fire nothing
  try {
    Combo->SetItemIndex(3);
    ADD_FAILURE() << "no error";
  } catch (const EListError& error) {
    EXPECT_EQ(error.GetMessage(), "List index out of bounds (3)");
  }
  EXPECT_EQ(std::string(Combo->GetText()), "elsewhere");
}

TEST_F(ComboBoxTest, TheButtonDropsTheListBelowAndAClickTakesAnItem) {
  ClickButton();
  ASSERT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(Events.Take(), (TLines{"DropDown"}));
  EXPECT_TRUE(Combo->Focused());
  TRect comboRect, listRect;
  GetWindowRect(Combo->GetHandle(), &comboRect);
  GetWindowRect(List()->GetHandle(), &listRect);
  EXPECT_EQ(listRect.Left, comboRect.Left);
  EXPECT_EQ(listRect.Top, comboRect.Bottom);
  EXPECT_EQ(listRect.Width(), comboRect.Width());
  EXPECT_EQ(List()->GetClientHeight(), 3 * List()->GetItemHeight());
  // The list shows on top, at its place on the screen.
  List()->SetItemIndex(1);
  Driver.ProcessMessages();
  const int rowMiddle = List()->GetItemHeight() + List()->GetItemHeight() / 2;
  EXPECT_EQ(Driver.ScreenPixel(listRect.Right - 4, listRect.Top + 1 + rowMiddle), Rgb(clHighlight));

  ClickListRow(2);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_FALSE(IsWindowVisible(List()->GetHandle()));
  EXPECT_EQ(std::string(Combo->GetText()), "Right");
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  EXPECT_EQ(Events.Take(), (TLines{"Change", "Click", "CloseUp"}));
  // The button toggles: a second click closes without a change.
  Driver.AdvanceClock(1000);
  ClickButton();
  Driver.AdvanceClock(1000);
  ClickButton();
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Events.Take(), (TLines{"DropDown", "CloseUp"}));
}

TEST_F(ComboBoxTest, APressOutsideClosesWithoutTakingTheItem) {
  Combo->SetItemIndex(0);
  ClickButton();
  // The selection follows the mouse over the list, but nothing is taken yet.
  MoveOver(List(), 20, 2 * List()->GetItemHeight() + 2);
  EXPECT_EQ(List()->GetItemIndex(), 2);
  Driver.AdvanceClock(1000);
  ClickAt(Form, 300, 200);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetItemIndex(), 0);
  EXPECT_EQ(std::string(Combo->GetText()), "Left");
  EXPECT_EQ(Events.Take(), (TLines{"DropDown", "CloseUp"}));
  // Nor did the press reach anything on the way: the mouse capture held it.
  EXPECT_FALSE(IsWindowVisible(List()->GetHandle()));
}

TEST_F(ComboBoxTest, KeysOpenMoveTakeAndCancel) {
  auto* ok = New<TButton>(Form, 200, 60, 75, 25, "Ok");
  ok->SetDefault(true);
  ok->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  auto* cancel = New<TButton>(Form, 200, 90, 75, 25, "Cancel");
  cancel->SetCancel(true);
  cancel->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  Combo->SetFocus();

  // Closed, Down and Up select at once.
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(std::string(Combo->GetText()), "Left");
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(Combo->GetItemIndex(), 1);
  EXPECT_EQ(Events.Take(), (TLines{"Change", "Click", "Change", "Click"}));

  Driver.PressKey(VK_DOWN, false, false, true);  // Alt+Down
  ASSERT_TRUE(Combo->GetDroppedDown());
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(List()->GetItemIndex(), 2);
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  EXPECT_EQ(std::string(Combo->GetText()), "Center");  // not taken yet
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(std::string(Combo->GetText()), "Right");
  EXPECT_EQ(Events.Take(), (TLines{"DropDown", "Change", "Click", "CloseUp"}));

  Driver.PressKey(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  Driver.PressKey(VK_PRIOR);
  EXPECT_EQ(List()->GetItemIndex(), 0);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetItemIndex(), 2);
  EXPECT_EQ(std::string(Combo->GetText()), "Right");
  EXPECT_EQ(Events.Take(), (TLines{"DropDown", "CloseUp"}));
  // Enter and Escape closed the list only; the form's buttons heard nothing.
  EXPECT_TRUE(Log->Lines.empty());
  // Closed, they reach the form again.
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines, (TLines{"Click Ok"}));
}

TEST_F(ComboBoxTest, TypingSelectsTheItemWithThatText) {
  Combo->SetFocus();
  Driver.Type("cen");
  EXPECT_EQ(Combo->GetItemIndex(), -1);
  Driver.Type("ter");
  EXPECT_EQ(Combo->GetItemIndex(), 1);
  EXPECT_EQ(std::string(Combo->GetText()), "center");
  EXPECT_EQ(Events.Take(), TLines(6, "Change"));
  Combo->SetMaxLength(7);
  Driver.Type("s and more");
  EXPECT_EQ(std::string(Combo->GetText()), "centers");
  // The combo box hears the keys typed into its edit.
  Combo->SetOnKeyPress(MakeMethod<&TEventLog::KeyPress>(Log));
  Driver.PressKey(VK_BACK);
  Driver.Type("x");
  EXPECT_EQ(Log->Lines.back(), "KeyPress Combo 120");
  // Typed while the list shows and then cancelled, the text stays and the selection follows it.
  Combo->SetMaxLength(0);
  Combo->SetItemIndex(0);
  Driver.PressKey(VK_F4);
  Driver.PressKey('A', false, true);
  Driver.Type("Right");
  EXPECT_EQ(List()->GetItemIndex(), 2);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(std::string(Combo->GetText()), "Right");
  EXPECT_EQ(Combo->GetItemIndex(), 2);
}

TEST_F(ComboBoxTest, AListOnlyComboBoxShowsAndPicksItemsOnly) {
  Combo->SetText("Center");
  Combo->SetStyle(csDropDownList);
  EXPECT_EQ(Combo->GetEditControl(), nullptr);
  EXPECT_EQ(Combo->GetItemIndex(), 1);
  Combo->SetText("Nowhere");  // not an item: nothing selected, no text
  EXPECT_EQ(Combo->GetItemIndex(), -1);
  EXPECT_EQ(std::string(Combo->GetText()), "");
  Combo->GetItems()->Add("Rear");

  // A click anywhere drops the list.
  ClickAt(Combo, 10, 10);
  EXPECT_TRUE(Combo->GetDroppedDown());
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_TRUE(Combo->Focused());
  // Typed first letters pick the next item starting with them.
  Events.Take();
  Driver.Type("r");
  EXPECT_EQ(std::string(Combo->GetText()), "Right");
  Driver.Type("r");
  EXPECT_EQ(std::string(Combo->GetText()), "Rear");
  Driver.PressKey(VK_HOME);
  EXPECT_EQ(std::string(Combo->GetText()), "Left");
  EXPECT_EQ(Events.Take(), (TLines{"Change", "Click", "Change", "Click", "Change", "Click"}));
  // Focused, the text shows selected.
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Combo, 60, Combo->GetClientHeight() / 2), Rgb(clHighlight));
  Other->SetFocus();
  Driver.ProcessMessages();
  EXPECT_EQ(Pixel(Combo, 60, Combo->GetClientHeight() / 2), Rgb(clWindow));
}

TEST_F(ComboBoxTest, LosingTheFocusOrTheControlClosesTheList) {
  ClickButton();
  ASSERT_TRUE(Combo->GetDroppedDown());
  Other->SetFocus();
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_FALSE(IsWindowVisible(List()->GetHandle()));
  // Many items scroll in a list of DropDownCount rows.
  for (int i = 0; i < 20; ++i)
    Combo->GetItems()->Add("More");
  Combo->SetItemIndex(22);
  Combo->SetDroppedDown(true);
  EXPECT_EQ(List()->GetClientHeight(), 8 * List()->GetItemHeight());
  EXPECT_GT(List()->GetTopIndex(), 0);
  // Freed while dropped, the combo box takes its list and the capture with it.
  Combo->Free();
  EXPECT_EQ(GetCapture(), nullptr);
  Driver.AdvanceClock(1000);
  ClickAt(Form, 300, 200);
  Driver.ProcessMessages();
}
