#include <gtest/gtest.h>

#include <string>

#include "VxEditTestSupport.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "vxedit/CheckEdit.h"
#include "vxedit/VxMessages.h"
#include "winsys/VirtualKeys.h"
#include "winsys/WinUser.h"

using namespace VxEditTest;

namespace {
class CheckEditTest : public ::testing::Test, public TVxEditFixture {
 protected:
  void SetUp() override {
    Applying = New<TApplyingVxEdit>(Form, 10, 60, 121, 21, "Applying");
    Applying->SetEditClass("TCheckEdit");
    Driver.ProcessMessages();
    Check = dynamic_cast<TCheckEdit*>(Applying->GetEdit());
    ASSERT_TRUE(Check);
  }

  static void SetText(TControl* control, const std::string& text) {
    control->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  static std::string TextOf(TControl* control) {
    char buffer[16] = {};
    const LRESULT length =
        control->Perform(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return std::string(buffer, static_cast<size_t>(length));
  }

  // The check box as the system draws it at (2, 0) on white, for a control of height.
  static std::vector<COLORREF> ReferenceBox(int width, int height, bool checked) {
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    TCanvas* canvas = bitmap.GetCanvas();
    canvas->GetBrush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, width, height));
    TRect box(2, 0, height + 2, height);
    DrawFrameControl(canvas->GetHandle(), &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? UINT{DFCS_CHECKED} : UINT{0}));
    return CanvasBlock(canvas, TRect(0, 0, width, height));
  }

  TApplyingVxEdit* Applying = nullptr;
  TCheckEdit* Check = nullptr;
};
}  // namespace

TEST_F(CheckEditTest, OnlyTrueInAnyLetterCaseChecks) {
  for (const char* text : {"true", "True", "TRUE", "tRuE"}) {
    SetText(Check, "False");
    SetText(Check, text);
    EXPECT_TRUE(Check->GetChecked()) << text;
    EXPECT_EQ(TextOf(Check), "True") << text;
    EXPECT_EQ(Check->Perform(WM_GETTEXTLENGTH, 0, 0), 4);
  }
  for (const char* text : {"yes", "", "1", "False", "true ", "truex"}) {
    SetText(Check, "True");
    SetText(Check, text);
    EXPECT_FALSE(Check->GetChecked()) << text;
    EXPECT_EQ(TextOf(Check), "False") << text;
    EXPECT_EQ(Check->Perform(WM_GETTEXTLENGTH, 0, 0), 5);
  }
  // The composite reads and writes its value through the same messages.
  Applying->SetText("TRUE");
  EXPECT_EQ(Applying->GetText(), "True");
  EXPECT_EQ(Check->Perform(CM_WANTSPECIALKEY, VK_DOWN, 0), 1);
}

TEST_F(CheckEditTest, SpaceTogglesAndAppliesAtOnceEveryTime) {
  Applying->SetText("False");
  EXPECT_FALSE(Applying->GetModified());
  Applying->SetFocus();
  Driver.ProcessMessages();
  ASSERT_TRUE(Check->Focused());
  Driver.PressKey(VK_SPACE);
  EXPECT_TRUE(Check->GetChecked());
  EXPECT_EQ(Applying->Applied, (std::vector<std::string>{"True"}));
  EXPECT_TRUE(Applying->GetModified());
  Driver.PressKey(VK_SPACE);
  EXPECT_FALSE(Check->GetChecked());
  EXPECT_EQ(Applying->Applied, (std::vector<std::string>{"True", "False"}));
  // Other keys change nothing; a new text clears the modified state.
  Driver.PressKey('A');
  Driver.PressKey(VK_RETURN);
  EXPECT_FALSE(Check->GetChecked());
  EXPECT_EQ(Applying->Applied.size(), 2u);
  Applying->SetText("True");
  EXPECT_FALSE(Applying->GetModified());
  EXPECT_EQ(Applying->Applied.size(), 2u);
}

TEST_F(CheckEditTest, AClickTogglesOnlyOnTheBox) {
  Applying->SetText("False");
  Applying->SetFocus();
  Driver.ProcessMessages();
  const int height = Check->GetHeight();
  Check->SetOnClick(MakeMethod<&ControlTest::TEventLog::Click>(Log));
  const size_t logged = Log->Lines.size();
  // Right of the box (x >= Height + 2) nothing happens.
  const TPoint beside = ScreenPoint(Check, height + 2, height / 2);
  Driver.Click(beside.X, beside.Y);
  EXPECT_FALSE(Check->GetChecked());
  EXPECT_TRUE(Applying->Applied.empty());
  // Later than a double click would be: two quick clicks are one double click.
  Driver.AdvanceClock(1000);
  const TPoint onBox = ScreenPoint(Check, height + 1, height / 2);
  Driver.Click(onBox.X, onBox.Y);
  EXPECT_TRUE(Check->GetChecked());
  EXPECT_EQ(Applying->Applied, (std::vector<std::string>{"True"}));
  // The click is the check box's own: the OnClick event is not fired.
  EXPECT_EQ(Log->Lines.size(), logged);
}

TEST_F(CheckEditTest, PaintsTheBoxOntoAForeignCanvasExactlyAsInItsWindow) {
  auto* check = New<TCheckEdit>(Form, 10, 100, 60, 16, "Check");
  Driver.ProcessMessages();
  const TRect client(0, 0, 60, 16);
  EXPECT_EQ(ScreenBlock(check, client), ReferenceBox(60, 16, false));
  SetText(check, "True");
  Driver.ProcessMessages();
  const std::vector<COLORREF> own = ScreenBlock(check, client);
  EXPECT_EQ(own, ReferenceBox(60, 16, true));
  EXPECT_NE(own, ReferenceBox(60, 16, false));

  TBitmap bitmap;
  bitmap.SetSize(300, 100);
  TCanvas* canvas = bitmap.GetCanvas();
  canvas->GetBrush()->SetColor(clLime);
  canvas->FillRect(TRect(0, 0, 300, 100));
  canvas->GetBrush()->SetColor(clWhite);
  EXPECT_EQ(check->Perform(CM_PAINTTO, reinterpret_cast<WPARAM>(canvas), PointToLParam({100, 40})),
            1);
  // The box's frame starts at (102, 40).
  EXPECT_EQ(CanvasBlock(canvas, client.Offset(100, 40)), own);
  EXPECT_NE(canvas->GetPixel(102, 40), clWhite);
  EXPECT_EQ(canvas->GetPixel(101, 40), clWhite);
  for (TPoint guard : {TPoint{99, 40}, TPoint{100, 39}, TPoint{160, 40}, TPoint{100, 56}})
    EXPECT_EQ(canvas->GetPixel(guard.X, guard.Y), clLime) << guard.X << "," << guard.Y;
}

TEST_F(CheckEditTest, IsWhiteAndHiddenInDesignModeAndNeedsNoCompositeOwner) {
  auto* check = New<TCheckEdit>(Form, 10, 100, 60, 16, "Check");
  EXPECT_TRUE(check->GetControlStyle().Contains(csNoDesignVisible));
  EXPECT_FALSE(check->GetParentColor());
  EXPECT_EQ(check->GetColor(), clWindow);
  // Owned by a form, a toggle has nobody to apply to.
  check->ChangeChecked();
  EXPECT_TRUE(check->GetChecked());
  EXPECT_EQ(check->Perform(EM_GETMODIFY, 0, 0), 1);
  EXPECT_TRUE(Applying->Applied.empty());
}
