#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "winsys/Cursors.h"

using namespace ControlTest;

namespace {
class ScreenTest : public ::testing::Test, public TFixture {};
}  // namespace

TEST_F(ScreenTest, FormsAreListedMostRecentlyActiveFirst) {
  const int before = Screen->GetFormCount();
  TForm* a = NewForm(10, 10, 100, 100);
  TForm* b = NewForm(150, 10, 100, 100);
  ASSERT_EQ(Screen->GetFormCount(), before + 2);
  EXPECT_EQ(Screen->GetForm(0), b);
  EXPECT_EQ(Screen->GetActiveForm(), b);
  ClickAt(a, 10, 10);
  EXPECT_EQ(Screen->GetForm(0), a);
  EXPECT_EQ(Screen->GetForm(1), b);
  EXPECT_EQ(Screen->GetActiveForm(), a);
  try {
    Screen->GetForm(before + 2);
    FAIL() << "an index past the end must raise";
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(), "List index out of bounds (" + std::to_string(before + 2) + ")");
  }
  b->Free();
  EXPECT_EQ(Screen->GetFormCount(), before + 1);
}

TEST_F(ScreenTest, CursorsSizeFontsAndResolution) {
  EXPECT_EQ(CursorShape(Screen->GetCursors(crHandPoint)), TCursorShape::Hand);
  EXPECT_EQ(CursorShape(Screen->GetCursors(crDefault)), TCursorShape::Arrow);
  EXPECT_EQ(CursorShape(Screen->GetCursors(12345)), TCursorShape::Arrow);
  // A program's own cursor under a number of its own, and back.
  const HCURSOR cross = LoadCursor(nullptr, IDC_CROSS);
  Screen->SetCursors(1, cross);
  EXPECT_EQ(Screen->GetCursors(1), cross);
  Screen->SetCursors(1, nullptr);
  EXPECT_EQ(CursorShape(Screen->GetCursors(1)), TCursorShape::Arrow);
  EXPECT_EQ(Screen->GetWidth(), 640);
  EXPECT_EQ(Screen->GetHeight(), 480);
  EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
  EXPECT_GT(Screen->GetFonts()->GetCount(), 0);
  EXPECT_GE(Screen->GetFonts()->IndexOf("System"), 0);
}
