#include <gtest/gtest.h>

#include "VxEditTestSupport.h"
#include "controls/Screen.h"
#include "vxedit/DummyPopup.h"
#include "vxedit/PopupMouseHook.h"
#include "winsys/WinUser.h"

using namespace VxEditTest;

namespace {
class VxEditDropTest : public ::testing::Test, public TVxEditFixture {
 protected:
  void SetUp() override {
    Popup = UseTestPopup(Edit);
    ASSERT_TRUE(Popup);
    Edit->SetText("old");
    Popup->Answer = "new";
  }
  TRect PopupRect() {
    TRect rect;
    GetWindowRect(Popup->GetHandle(), &rect);
    return rect;
  }
  void ExpectClosed() {
    EXPECT_FALSE(Edit->GetDroppedDown());
    EXPECT_FALSE(IsWindowVisible(Popup->GetHandle()));
    EXPECT_EQ(GetPopupHookHandle(), nullptr);
  }

  TTestPopup* Popup = nullptr;
};

// Counts OnDrop.
class TDropCounter : public TObject {
  DECLARE_CLASS(TDropCounter, TObject);

 public:
  TDropCounter() = default;
  void Dropped(TObject*) { ++Drops; }
  void ButtonClick(TObject*) { ++Clicks; }
  int Drops = 0;
  int Clicks = 0;
};
}  // namespace

IMPLEMENT_CLASS(TDropCounter) {}

TEST_F(VxEditDropTest, ButtonTogglesThePopupBelowTheControlAndTakesItsValue) {
  TDropCounter counter;
  Edit->SetOnDrop(MakeMethod<&TDropCounter::Dropped>(&counter));
  ClickButton(Edit, 0);
  ASSERT_TRUE(Edit->GetDroppedDown());
  EXPECT_EQ(counter.Drops, 1);
  EXPECT_EQ(Popup->Received, "old");
  EXPECT_TRUE(IsWindowVisible(Popup->GetHandle()));
  EXPECT_TRUE(Popup->GetVisible());
  EXPECT_EQ(GetDroppedEdit(), Edit);
  EXPECT_EQ(GetDroppedPopup(), Popup);
  EXPECT_NE(GetPopupHookHandle(), nullptr);
  EXPECT_TRUE(Edit->Focused());
  // Narrower than the control: widened to it; left edge 2 pixels left of the client origin.
  const TPoint origin = Edit->GetClientOrigin();
  TRect window;
  GetWindowRect(Edit->GetHandle(), &window);
  EXPECT_EQ(PopupRect(), TRect(origin.X - 2, origin.Y + Edit->GetHeight(),
                               origin.X - 2 + Edit->GetWidth(), origin.Y + Edit->GetHeight() + 50));

  ClickButton(Edit, 0);
  ExpectClosed();
  EXPECT_EQ(Edit->GetText(), "new");
  EXPECT_TRUE(Edit->Focused());

  // A popup answering with an empty text leaves the text.
  Popup->Answer = "";
  Edit->SetDroppedDown(true);
  Edit->SetDroppedDown(false);
  EXPECT_EQ(Edit->GetText(), "new");
}

TEST_F(VxEditDropTest, AButtonWithAClickHandlerNeverToggles) {
  TDropCounter counter;
  Edit->SetEdit1Click(MakeMethod<&TDropCounter::ButtonClick>(&counter));
  ClickButton(Edit, 0);
  EXPECT_EQ(counter.Clicks, 1);
  EXPECT_FALSE(Edit->GetDroppedDown());
}

TEST_F(VxEditDropTest, AltDownDropsAltUpTakesTheValueAndKeysGoToThePopup) {
  Edit->SetFocus();
  Driver.ProcessMessages();
  Driver.PressKey(VK_DOWN, false, false, true);
  ASSERT_TRUE(Edit->GetDroppedDown());
  Driver.PressKey(VK_NEXT);
  EXPECT_EQ(Popup->Keys, std::vector<WORD>{VK_NEXT});
  Driver.Type("x");
  EXPECT_EQ(Edit->GetText(), "old") << "typing goes to the popup, not the edit";
  Driver.PressKey(VK_UP, false, false, true);
  ExpectClosed();
  EXPECT_EQ(Edit->GetText(), "new");
}

TEST_F(VxEditDropTest, LeftPressesOutsideCloseWithoutTakingTheValue) {
  Edit->SetDroppedDown(true);
  const TRect popup = PopupRect();
  // Inside the popup, inside the control and on its button: still dropped.
  Driver.Click(popup.Left + 5, popup.Top + 5);
  EXPECT_TRUE(Edit->GetDroppedDown());
  ControlTest::TFixture::ClickAt(Edit, 5, 5);
  EXPECT_TRUE(Edit->GetDroppedDown());
  // Right and middle clicks outside do not close.
  Driver.Click(300, 250, MouseRight);
  Driver.Click(300, 250, MouseMiddle);
  EXPECT_TRUE(Edit->GetDroppedDown());
  Driver.Click(300, 250);
  ExpectClosed();
  EXPECT_EQ(Edit->GetText(), "old");
}

TEST_F(VxEditDropTest, LosingFocusResizingAndHidingCloseWithoutTakingTheValue) {
  TVxEdit* other = NewVxEdit(10, 100, "Other");
  Edit->SetDroppedDown(true);
  other->SetFocus();
  Driver.ProcessMessages();
  ExpectClosed();
  EXPECT_EQ(Edit->GetText(), "old");

  Edit->SetDroppedDown(true);
  Edit->SetWidth(150);
  ExpectClosed();

  Edit->SetDroppedDown(true);
  Edit->SetNumButtons(2);
  ExpectClosed();

  Edit->SetDroppedDown(true);
  Edit->Hide();
  ExpectClosed();
  EXPECT_EQ(Edit->GetText(), "old");
}

TEST_F(VxEditDropTest, PlacementAboveNearTheBottomAndAtTheLeftEdge) {
  // Wider than the control: the right edges line up.
  Popup->SetWidth(200);
  Edit->SetLeft(150);
  Driver.ProcessMessages();
  Edit->SetDroppedDown(true);
  TPoint origin = Edit->GetClientOrigin();
  EXPECT_EQ(PopupRect().Left, origin.X - 2 - (200 - Edit->GetWidth()));
  EXPECT_EQ(PopupRect().Width(), 200);
  Edit->SetDroppedDown(false);

  // At the left edge of the parent the popup starts at the control instead, and ends at the
  // parent's right edge.
  Edit->SetLeft(0);
  Popup->SetWidth(500);
  Driver.ProcessMessages();
  Edit->SetDroppedDown(true);
  origin = Edit->GetClientOrigin();
  const TPoint parentOrigin = Form->GetClientOrigin();
  EXPECT_EQ(PopupRect().Left, origin.X - 2);
  EXPECT_EQ(PopupRect().Right, parentOrigin.X + Form->GetClientWidth());
  Edit->SetDroppedDown(false);

  // Near the bottom of the screen it opens above the control.
  Popup->SetWidth(60);
  Form->SetTop(Screen->GetHeight() - 80);
  Driver.ProcessMessages();
  Edit->SetDroppedDown(true);
  origin = Edit->GetClientOrigin();
  EXPECT_EQ(PopupRect().Top, origin.Y - 50);
  EXPECT_EQ(PopupRect().Bottom, origin.Y);
}

TEST_F(VxEditDropTest, AFailureWhileTakingTheValueStillClosesTheControl) {
  Edit->SetDroppedDown(true);
  Popup->FailGetText = true;
  EXPECT_THROW(Edit->CloseDropped(true), Exception);
  ExpectClosed();
  EXPECT_EQ(Edit->GetText(), "old");
  Popup->FailGetText = false;
  Edit->SetDroppedDown(true);
  EXPECT_TRUE(Edit->GetDroppedDown()) << "the control drops again";
}

TEST_F(VxEditDropTest, DestroyingADroppedControlRemovesTheHook) {
  Edit->SetDroppedDown(true);
  ASSERT_NE(GetPopupHookHandle(), nullptr);
  Edit->Free();
  Edit = nullptr;
  EXPECT_EQ(GetPopupHookHandle(), nullptr);
  EXPECT_EQ(GetDroppedEdit(), nullptr);
  EXPECT_EQ(GetDroppedPopup(), nullptr);
  // The mouse goes on without a hook that refers to the dead control.
  Driver.MoveTo(200, 200);
  Driver.Click(300, 250);
  EXPECT_EQ(Errors(), "");
}

TEST_F(VxEditDropTest, OnlyOnePopupIsDroppedAtATime) {
  TVxEdit* other = NewVxEdit(10, 100, "Other");
  auto* otherPopup = UseTestPopup(other);
  Edit->SetDroppedDown(true);
  other->SetDroppedDown(true);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_TRUE(other->GetDroppedDown());
  EXPECT_EQ(GetDroppedPopup(), otherPopup);
  other->SetDroppedDown(false);
  EXPECT_EQ(GetPopupHookHandle(), nullptr);
}

TEST_F(VxEditDropTest, AcceptedValuesPassThroughTheEditSource) {
  Edit->SetEditSourceType("TUpperSource");
  Edit->SetDroppedDown(true);
  Edit->SetDroppedDown(false);
  EXPECT_EQ(Edit->GetText(), "NEW");
}

TEST_F(VxEditDropTest, UnknownPopupNamesGiveADummyThatNeverDrops) {
  Edit->SetPopupClassName("TNoSuchPopup");
  EXPECT_TRUE(dynamic_cast<TDummyPopup*>(Edit->GetPopupWindow()));
  ClickButton(Edit, 0);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(GetPopupHookHandle(), nullptr);
  Edit->SetPopup(nullptr);
  EXPECT_EQ(Edit->GetPopupWindow(), nullptr);
  Edit->SetDroppedDown(true);
  EXPECT_FALSE(Edit->GetDroppedDown());
  Edit->SetPopup(TTestPopup::StaticClass());
  EXPECT_EQ(Edit->GetPopup(), TTestPopup::StaticClass());
  EXPECT_EQ(Edit->GetPopupWindowClass(), "TNoSuchPopup");
}
