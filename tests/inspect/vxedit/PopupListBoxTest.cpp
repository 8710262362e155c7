#include <gtest/gtest.h>

#include "VxEditTestSupport.h"
#include "vxedit/PopupListBox.h"
#include "vxedit/PopupMouseHook.h"
#include "winsys/WinUser.h"

using namespace VxEditTest;

namespace {
class PopupListBoxTest : public ::testing::Test, public TVxEditFixture {
 protected:
  void SetUp() override {
    Edit->SetPopup(TPopupListBox::StaticClass());
    List = dynamic_cast<TPopupListBox*>(Edit->GetPopupWindow());
    ASSERT_TRUE(List);
    for (const char* item : {"Left", "Center", "Right"})
      List->GetItems()->Add(item);
  }
  void Fill(int count) {
    List->GetItems()->Clear();
    for (int i = 0; i < count; ++i)
      List->GetItems()->Add("Item " + std::to_string(i));
  }
  // Where item index of the dropped list shows on screen.
  TPoint ItemPoint(int index) {
    const TRect rect = List->ItemRect(index);
    return List->ClientToScreen({rect.Left + 5, (rect.Top + rect.Bottom) / 2});
  }

  TPopupListBox* List = nullptr;
};
}  // namespace

TEST_F(PopupListBoxTest, OneToSevenItemsHigh) {
  const int itemHeight = List->GetItemHeight();
  Fill(0);
  Edit->SetDroppedDown(true);
  EXPECT_EQ(List->GetClientHeight(), itemHeight);
  Edit->SetDroppedDown(false);
  Fill(3);
  Edit->SetDroppedDown(true);
  EXPECT_EQ(List->GetClientHeight(), 3 * itemHeight);
  Edit->SetDroppedDown(false);
  Fill(20);
  Edit->SetText("Item 15");
  Edit->SetDroppedDown(true);
  EXPECT_EQ(List->GetClientHeight(), 7 * itemHeight);
  EXPECT_EQ(List->GetItemIndex(), 15);
  EXPECT_GT(List->GetTopIndex(), 0) << "the selection is scrolled into view";
}

TEST_F(PopupListBoxTest, TheTextSelectsTheFirstItemBeginningWithIt) {
  const std::pair<const char*, int> cases[] = {{"ce", 1}, {"r", 2}, {"RIGHT", 2}, {"x", -1}};
  for (const auto& [text, expected] : cases) {
    Edit->SetText(text);
    Edit->SetDroppedDown(true);
    EXPECT_EQ(List->GetItemIndex(), expected) << text;
    Edit->CloseDropped(false);
  }
}

TEST_F(PopupListBoxTest, ReturnTakesTheSelectionAndEscapeKeepsTheText) {
  Edit->SetText("Left");
  Edit->SetFocus();
  Driver.ProcessMessages();
  Driver.PressKey(VK_DOWN, false, false, true);
  ASSERT_TRUE(Edit->GetDroppedDown());
  Driver.PressKey(VK_DOWN);
  EXPECT_EQ(List->GetItemIndex(), 1) << "arrow keys move the list's selection";
  Driver.PressKey(VK_ESCAPE);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(Edit->GetText(), "Left");

  Driver.PressKey(VK_DOWN, false, false, true);
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(Edit->GetText(), "Center");
  EXPECT_EQ(GetPopupHookHandle(), nullptr);

  // Return with nothing selected leaves the text.
  Edit->SetText("none of them");
  Driver.PressKey(VK_DOWN, false, false, true);
  EXPECT_EQ(List->GetItemIndex(), -1);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Edit->GetText(), "none of them");
}

TEST_F(PopupListBoxTest, AClickPicksTheItem) {
  Edit->SetText("Left");
  ClickButton(Edit, 0);
  ASSERT_TRUE(Edit->GetDroppedDown());
  const TPoint right = ItemPoint(2);
  Driver.Click(right.X, right.Y);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(Edit->GetText(), "Right");
  EXPECT_TRUE(Edit->Focused()) << "the list never takes the focus";
}

TEST_F(PopupListBoxTest, DraggingFollowsTheMouseAndScrollsBeyondTheEnds) {
  Fill(20);
  Edit->SetText("Item 3");
  ClickButton(Edit, 0);
  ASSERT_TRUE(Edit->GetDroppedDown());
  ASSERT_EQ(List->GetItemIndex(), 3);
  const TPoint first = ItemPoint(List->GetTopIndex());
  Driver.MoveTo(first.X, first.Y);
  Driver.Press();
  EXPECT_EQ(List->GetItemIndex(), List->GetTopIndex());
  const TPoint lower = ItemPoint(List->GetTopIndex() + 2);
  Driver.MoveTo(lower.X, lower.Y);
  const int dragged = List->GetItemIndex();
  EXPECT_EQ(dragged, List->GetTopIndex() + 2);
  // Below the list every move takes the next item, scrolling the list.
  TRect window;
  GetWindowRect(List->GetHandle(), &window);
  for (int i = 1; i <= 10; ++i)
    Driver.MoveTo(window.Left + 5, window.Bottom + 5 + i);
  EXPECT_EQ(List->GetItemIndex(), dragged + 10);
  EXPECT_GE(List->GetTopIndex() + 7, List->GetItemIndex() + 1) << "the selection stays in view";
  // Released outside the list: closed without taking the value.
  Driver.Release();
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(Edit->GetText(), "Item 3");
}

TEST_F(PopupListBoxTest, DraggingAboveTheListScrollsUp) {
  Fill(20);
  TRect window;
  // Dragged above the list and released over it: the dragged item is taken.
  Edit->SetText("Item 15");
  ClickButton(Edit, 0);
  const int topIndex = List->GetTopIndex();
  ASSERT_GE(topIndex, 3);
  const TPoint top = ItemPoint(topIndex);
  Driver.MoveTo(top.X, top.Y);
  Driver.Press();
  GetWindowRect(List->GetHandle(), &window);
  EXPECT_EQ(List->GetItemIndex(), topIndex);
  // Over the control's client area, above its frame.
  for (int i = 1; i <= 3; ++i)
    Driver.MoveTo(top.X, window.Top - 8 - i);
  EXPECT_EQ(List->GetItemIndex(), topIndex - 3);
  const TPoint back = ItemPoint(topIndex - 3);
  Driver.MoveTo(back.X, back.Y);
  Driver.Release();
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(Edit->GetText(), "Item " + std::to_string(topIndex - 3));
}

TEST_F(PopupListBoxTest, MovesWithoutAPressedButtonSelectNothing) {
  Edit->SetText("Left");
  ClickButton(Edit, 0);
  const TPoint right = ItemPoint(2);
  Driver.MoveTo(right.X, right.Y);
  EXPECT_EQ(List->GetItemIndex(), 0);
}
