#include <gtest/gtest.h>

#include "ControlTestSupport.h"

using namespace ControlTest;

namespace {
class FocusTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 300, 200, false);
    Form->SetName("Form");
    First = New<TButton>(Form, 10, 10, 75, 25, "First");
    Panel = New<TWinControl>(Form, 10, 50, 200, 60, "Panel");
    Inner = New<TButton>(Panel, 5, 5, 75, 25, "Inner");
    Last = New<TButton>(Form, 100, 10, 75, 25, "Last");
    for (TWinControl* c : {static_cast<TWinControl*>(First), Panel,
                           static_cast<TWinControl*>(Inner), static_cast<TWinControl*>(Last)}) {
      c->SetOnEnter(MakeMethod<&TEventLog::Enter>(Log));
      c->SetOnExit(MakeMethod<&TEventLog::Exit>(Log));
    }
  }
  TWinControl* Focus() const { return FindControl(GetFocus()); }

  TForm* Form = nullptr;
  TButton* First = nullptr;
  TWinControl* Panel = nullptr;
  TButton* Inner = nullptr;
  TButton* Last = nullptr;
};
}  // namespace

TEST_F(FocusTest, TheFirstControlInTabOrderHasTheFocusWhenTheFormShows) {
  Form->Show();
  Driver.ProcessMessages();
  EXPECT_EQ(Focus(), First);
  EXPECT_EQ(Form->GetActiveControl(), First);
  EXPECT_TRUE(First->Focused());
  EXPECT_EQ(Screen->GetActiveForm(), Form);
  EXPECT_EQ(Screen->GetActiveControl(), First);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Enter First"});
}

TEST_F(FocusTest, TabAndShiftTabWalkTheTabOrderIntoAndOutOfContainers) {
  Form->Show();
  Driver.ProcessMessages();
  Log->Lines.clear();
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), Inner);  // the panel takes no focus (no tab stop); its button does
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Exit First", "Enter Panel", "Enter Inner"}));
  Log->Lines.clear();
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), Last);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Exit Inner", "Exit Panel", "Enter Last"}));
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), First);  // round again
  Driver.PressKey(VK_TAB, true);
  EXPECT_EQ(Focus(), Last);
  Driver.PressKey(VK_TAB, true);
  EXPECT_EQ(Focus(), Inner);
}

TEST_F(FocusTest, TabOrderDisabledAndHiddenControlsAreRespected) {
  Last->SetTabOrder(0);
  EXPECT_EQ(Last->GetTabOrder(), 0);
  EXPECT_EQ(First->GetTabOrder(), 1);
  Last->SetTabOrder(99);  // clamped to the end
  EXPECT_EQ(Last->GetTabOrder(), 2);
  Last->SetTabOrder(0);
  Form->Show();
  Driver.ProcessMessages();
  EXPECT_EQ(Focus(), Last);
  First->SetEnabled(false);
  Inner->Hide();
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), Last);  // nothing else can take it
  First->SetEnabled(true);
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), First);
  First->SetTabStop(false);
  Driver.PressKey(VK_TAB);
  EXPECT_EQ(Focus(), Last);
  // Arrow keys move among all focusable controls of the same parent.
  Driver.PressKey(VK_RIGHT);
  EXPECT_EQ(Focus(), First);
}

TEST_F(FocusTest, SetFocusNeedsAVisibleFormAndAFocusableControl) {
  try {
    Inner->SetFocus();
    FAIL() << "a hidden form cannot take the focus";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.GetMessage(), "Cannot focus a disabled or invisible window");
  }
  Form->Show();
  Driver.ProcessMessages();
  Inner->SetFocus();
  EXPECT_EQ(Focus(), Inner);
  Last->SetEnabled(false);
  EXPECT_FALSE(Last->CanFocus());
  EXPECT_THROW(Form->SetActiveControl(Last), EInvalidOperation);
  EXPECT_EQ(Focus(), Inner);
  auto* orphan = new TButton(nullptr);
  EXPECT_FALSE(orphan->CanFocus());
  EXPECT_THROW(orphan->SetFocus(), EInvalidOperation);
  orphan->Free();
}

TEST_F(FocusTest, AFocusedControlThatGoesLeavesTheFocusToItsForm) {
  Form->Show();
  Driver.ProcessMessages();
  Inner->SetFocus();
  Panel->Hide();
  EXPECT_EQ(Focus(), Form);
  EXPECT_EQ(Form->GetActiveControl(), nullptr);
  Panel->Show();
  Last->SetFocus();
  Last->Free();
  EXPECT_EQ(Focus(), Form);
  // Keys still reach the form.
  Form->SetOnKeyDown(MakeMethod<&TEventLog::KeyDown>(Log));
  Log->Lines.clear();
  Driver.PressKey('K');
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"KeyDown Form 75"});
}

TEST_F(FocusTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  Form->Show();
  Driver.ProcessMessages();
  First->SetOnKeyDown(MakeMethod<&TEventLog::KeyDown>(Log));
  First->SetOnKeyPress(MakeMethod<&TEventLog::KeyPress>(Log));
  Form->SetOnKeyDown(MakeMethod<&TEventLog::KeyDown>(Log));
  Log->Lines.clear();
  Driver.PressKey('A');
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"KeyDown First 65", "KeyPress First 97"}));
  Form->SetKeyPreview(true);
  Log->Lines.clear();
  Driver.PressKey('A');
  EXPECT_EQ(Log->Lines,
            (std::vector<std::string>{"KeyDown Form 65", "KeyDown First 65", "KeyPress First 97"}));
  // The form swallows the key: the control never sees it.
  Log->SwallowKey = 'A';
  Log->Lines.clear();
  Driver.PressKey('A');
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"KeyDown Form 65", "KeyPress First 97"}));
}
