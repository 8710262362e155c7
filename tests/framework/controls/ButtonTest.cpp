#include <gtest/gtest.h>

#include "ControlTestSupport.h"

using namespace ControlTest;

namespace {
class ButtonTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 300, 200);
    Form->SetName("Form");
    Button = New<TButton>(Form, 20, 20, 75, 25, "Button");
    Button->SetCaption("&Apply");
    Button->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
    Other = New<TButton>(Form, 120, 20, 75, 25, "Other");
    Other->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
    Driver.ProcessMessages();
  }
  // Whether some pixel of the button's caption area is dark (the text).
  bool CaptionDrawn(TButton* button) {
    for (int y = 6; y < button->GetHeight() - 6; ++y)
      for (int x = 10; x < button->GetWidth() - 10; ++x)
        if (IsDark(Pixel(button, x, y))) return true;
    return false;
  }
  TForm* Form = nullptr;
  TButton* Button = nullptr;
  TButton* Other = nullptr;
};
}  // namespace

TEST_F(ButtonTest, DefaultSizeAndPublishedDefaults) {
  auto* fresh = new TButton(Form);
  EXPECT_EQ(fresh->GetWidth(), 75);
  EXPECT_EQ(fresh->GetHeight(), 25);
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_TRUE(fresh->GetVisible());
  EXPECT_TRUE(fresh->GetEnabled());
  EXPECT_EQ(fresh->GetCursor(), crDefault);
  EXPECT_TRUE(fresh->GetParentFont());
  EXPECT_EQ(GetPropInfo(fresh, "TabStop")->GetDefault(), 1);
  EXPECT_EQ(GetPropInfo(fresh, "Visible")->GetDefault(), 1);
  EXPECT_EQ(GetPropInfo(fresh, "TabOrder")->GetDefault(), -1);
  EXPECT_FALSE(GetPropInfo(fresh, "Width")->HasDefault());
  fresh->Free();
}

TEST_F(ButtonTest, AClickIsAPressAndAReleaseOverTheButton) {
  ClickAt(Button);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Button"});
  EXPECT_TRUE(Button->Focused());
  // Pressed, it looks pressed while the mouse is over it, and not when it leaves.
  const TPoint p = ScreenPoint(Button, 20, 12);
  Driver.MoveTo(p.X, p.Y);
  Driver.Press();
  EXPECT_TRUE(Button->GetPressed());
  Driver.MoveTo(p.X + 200, p.Y);
  EXPECT_FALSE(Button->GetPressed());
  Driver.Release();
  EXPECT_EQ(Log->Lines.size(), 1u);  // released outside: no click
  // A quick second click is a second click, not a double click.
  Driver.AdvanceClock(1000);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Log->Lines.size(), 3u);
}

TEST_F(ButtonTest, SpaceEnterAndTheAccelerator) {
  Button->SetFocus();
  Driver.KeyDown(VK_SPACE);
  EXPECT_TRUE(Button->GetPressed());
  EXPECT_TRUE(Log->Lines.empty());
  Driver.KeyUp(VK_SPACE);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Button"});
  // Enter presses the focused button, even when another one is the default.
  Other->SetDefault(true);
  EXPECT_FALSE(Other->GetActive());
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines.back(), "Click Button");
  // A typed accelerator letter presses its button (no control here takes characters).
  Other->SetFocus();
  Driver.PressKey('A');
  EXPECT_EQ(Log->Lines.back(), "Click Button");
  EXPECT_TRUE(Button->Focused());
  Driver.PressKey('A', false, false, true);  // Alt+A
  EXPECT_EQ(Log->Lines.size(), 4u);
}

TEST_F(ButtonTest, TheDefaultButtonAnswersEnterAndTheCancelButtonEscape) {
  auto* pad = New<TWinControl>(Form, 20, 100, 50, 20, "Pad");
  pad->SetTabStop(true);
  Other->SetDefault(true);
  Button->SetCancel(true);
  pad->SetFocus();
  EXPECT_TRUE(Other->GetActive());
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Other"});
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(Log->Lines.back(), "Click Button");
  // With Ctrl held, Enter is no dialog key.
  Driver.PressKey(VK_RETURN, false, true);
  EXPECT_EQ(Log->Lines.size(), 2u);
  // A disabled default button does not answer.
  Other->SetEnabled(false);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines.size(), 2u);
  // The key that pressed a button types nothing afterwards.
  pad->SetOnKeyPress(MakeMethod<&TEventLog::KeyPress>(Log));
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(Log->Lines.back(), "Click Button");
}

TEST_F(ButtonTest, TheButtonSetsItsFormsModalResult) {
  Button->SetModalResult(mrRetry);
  ClickAt(Button);
  EXPECT_EQ(Form->GetModalResult(), mrRetry);
}

TEST_F(ButtonTest, PaintingShowsFaceFrameFocusAndPressedStates) {
  const int w = Button->GetWidth();
  const int h = Button->GetHeight();
  // Not focused, not default: a raised face with the dark shadow at the bottom right.
  Other->SetFocus();
  EXPECT_EQ(Pixel(Button, w / 2, 3), Rgb(clBtnFace));
  EXPECT_EQ(Pixel(Button, w - 1, h - 1), Rgb(cl3DDkShadow));
  EXPECT_EQ(Pixel(Button, w - 2, h - 2), Rgb(clBtnShadow));
  EXPECT_TRUE(CaptionDrawn(Button));
  // Focused: a frame in the window-frame colour and a dotted focus rectangle inside.
  Button->SetFocus();
  EXPECT_EQ(Pixel(Button, 0, 0), Rgb(clWindowFrame));
  EXPECT_EQ(Pixel(Button, w - 1, h / 2), Rgb(clWindowFrame));
  int dotted = 0;
  for (int x = 4; x < w - 4; ++x)
    if (Pixel(Button, x, 4) != Rgb(clBtnFace)) ++dotted;
  EXPECT_GT(dotted, (w - 8) / 3);
  EXPECT_LT(dotted, w - 8);
  // Pressed: flat, the shadow inside the frame on every side, the face elsewhere.
  const TPoint p = ScreenPoint(Button, 20, 12);
  Driver.MoveTo(p.X, p.Y);
  Driver.Press();
  EXPECT_EQ(Pixel(Button, 1, h / 2), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(Button, w - 2, h / 2), Rgb(clBtnShadow));
  EXPECT_EQ(Pixel(Button, w / 2, 2), Rgb(clBtnFace));
  Driver.Release();
  // Disabled: the caption is engraved (no text colour left).
  Button->SetEnabled(false);
  EXPECT_FALSE(CaptionDrawn(Button));
}

TEST_F(ButtonTest, AButtonFreedInItsOwnOnClickCrashesNothing) {
  Button->SetOnClick(MakeMethod<&TEventLog::FreeSender>(Log));
  TControlRef<TButton> alive(Button);
  ClickAt(Button);
  EXPECT_FALSE(alive);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Free Button"});
  // Freed from the keyboard too, and from Enter as the default button.
  Other->SetOnClick(MakeMethod<&TEventLog::FreeSender>(Log));
  Other->SetDefault(true);
  Form->SetFocus();
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Form->GetControlCount(), 0);
  Driver.PressKey(VK_RETURN);
}
