#include <gtest/gtest.h>

#include "ControlTestSupport.h"

using namespace ControlTest;

namespace {
class CheckBoxTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 300, 200);
    Box = New<TCheckBox>(Form, 20, 20, 120, 17, "Box");
    Box->SetCaption("&Check me");
    Box->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
    Driver.ProcessMessages();
  }
  // Dark pixels inside the box: the check mark.
  int MarkPixels() {
    const TRect box = Box->BoxRect();
    int count = 0;
    for (int y = box.Top + 2; y < box.Bottom - 2; ++y)
      for (int x = box.Left + 2; x < box.Right - 2; ++x)
        if (IsDark(Pixel(Box, x, y))) ++count;
    return count;
  }
  TForm* Form = nullptr;
  TCheckBox* Box = nullptr;
};
}  // namespace

TEST_F(CheckBoxTest, ClicksAndSpaceToggleAndEveryChangeFiresOnClick) {
  EXPECT_EQ(Box->GetWidth(), 120);
  ClickAt(Box, 5, 8);
  EXPECT_TRUE(Box->GetChecked());
  EXPECT_TRUE(Box->Focused());
  ClickAt(Box, 60, 8);  // on the caption as well
  EXPECT_FALSE(Box->GetChecked());
  Driver.PressKey(VK_SPACE);
  EXPECT_EQ(Box->GetState(), cbChecked);
  Box->SetChecked(false);  // the program's change fires too
  Box->SetChecked(false);  // no change, no event
  EXPECT_EQ(Log->Lines.size(), 4u);
  // The accelerator toggles it as well.
  auto* other = New<TButton>(Form, 20, 100, 75, 25, "Other");
  other->SetFocus();
  Driver.PressKey('C', false, false, true);
  EXPECT_TRUE(Box->GetChecked());
  EXPECT_TRUE(Box->Focused());
}

TEST_F(CheckBoxTest, AllowGrayedAddsAThirdState) {
  Box->SetAllowGrayed(true);
  ClickAt(Box, 5, 8);
  EXPECT_EQ(Box->GetState(), cbGrayed);
  EXPECT_FALSE(Box->GetChecked());
  ClickAt(Box, 5, 8);
  EXPECT_EQ(Box->GetState(), cbChecked);
  ClickAt(Box, 5, 8);
  EXPECT_EQ(Box->GetState(), cbUnchecked);
}

TEST_F(CheckBoxTest, PaintingShowsTheBoxTheMarkAndWhereTheCaptionGoes) {
  const TRect box = Box->BoxRect();
  EXPECT_EQ(box, (TRect{0, 2, 13, 15}));
  EXPECT_EQ(Pixel(Box, box.Left + 6, box.Top + 6), Rgb(clWindow));
  EXPECT_EQ(MarkPixels(), 0);
  Box->SetChecked(true);
  const int mark = MarkPixels();
  EXPECT_GT(mark, 10);
  // Grayed: the mark is grey on the face colour.
  Box->SetAllowGrayed(true);
  Box->SetState(cbGrayed);
  EXPECT_EQ(MarkPixels(), 0);
  EXPECT_EQ(Pixel(Box, box.Left + 2, box.Top + 2), Rgb(clBtnFace));
  // Left-justified: the caption on the left, the box at the right edge.
  Box->SetAlignment(taLeftJustify);
  EXPECT_EQ(Box->BoxRect(), (TRect{107, 2, 120, 15}));
  EXPECT_EQ(Pixel(Box, 107, 2), Rgb(clBtnShadow));
  Box->SetState(cbChecked);
  EXPECT_GT(MarkPixels(), 10);
}
