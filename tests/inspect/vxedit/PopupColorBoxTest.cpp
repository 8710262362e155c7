#include <gtest/gtest.h>

#include "VxEditTestSupport.h"
#include "vxedit/PopupColorBox.h"
#include "winsys/WinUser.h"

using namespace VxEditTest;

namespace {
class PopupColorBoxTest : public ::testing::Test, public TVxEditFixture {
 protected:
  void SetUp() override {
    Edit->SetPopup(TPopupColorBox::StaticClass());
    Box = dynamic_cast<TPopupColorBox*>(Edit->GetPopupWindow());
    ASSERT_TRUE(Box);
  }
  TPopupColorBox* Box = nullptr;
};
}  // namespace

TEST_F(PopupColorBoxTest, ListsTheFortyTwoColoursInOrder) {
  Box->BuildList();
  ASSERT_EQ(Box->GetItems()->GetCount(), 42);
  const std::vector<std::pair<int, std::string>> names = {{0, "clBlack"},
                                                          {9, "clRed"},
                                                          {15, "clWhite"},
                                                          {16, "clScrollBar"},
                                                          {35, "clInactiveCaptionText"},
                                                          {40, "clInfoBk"},
                                                          {41, "clNone"}};
  for (const auto& [index, name] : names)
    EXPECT_EQ(Box->GetItems()->Get(index), name) << index;
  EXPECT_EQ(Box->ItemColor(4), static_cast<TColor>(0x800000));
  EXPECT_EQ(Box->ItemColor(11), static_cast<TColor>(0x00FFFF));
  for (int i = 16; i <= 40; ++i)
    EXPECT_EQ(static_cast<uint32_t>(Box->ItemColor(i)), 0x80000000u + (i - 16)) << i;
  EXPECT_EQ(Box->ItemColor(41), static_cast<TColor>(0x1FFFFFFF));
}

TEST_F(PopupColorBoxTest, TheTextSelectsTheNamedColourOrKeepsThePreviousOne) {
  Edit->SetText("clRed");
  ClickButton(Edit, 0);
  ASSERT_TRUE(Edit->GetDroppedDown());
  EXPECT_EQ(Box->GetItemIndex(), 9);
  EXPECT_EQ(Box->GetWidth(), 42 + Box->GetCanvas()->TextWidth("clInactiveCaptionText"));
  Driver.PressKey(VK_DOWN);
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Edit->GetText(), "clLime");
  EXPECT_EQ(Box->GetColorValue(), clLime);

  // A value naming no entry keeps the entry of the last colour taken.
  Edit->SetText("$00123456");
  Edit->SetDroppedDown(true);
  EXPECT_EQ(Box->GetItemIndex(), 10);
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(Edit->GetText(), "$00123456");
}

TEST_F(PopupColorBoxTest, AFreshPopupSelectsBlackForAnUnknownValue) {
  Edit->SetText("$00123456");
  Edit->SetDroppedDown(true);
  EXPECT_EQ(Box->GetItemIndex(), 0);
  EXPECT_EQ(Box->GetColorValue(), clBlack);
}

TEST_F(PopupColorBoxTest, DrawsSwatchesWithNamesOrSwatchesAlone) {
  Edit->SetText("clRed");
  Edit->SetDroppedDown(true);
  const TRect item = Box->ItemRect(9);
  auto pixel = [&](int x, int y) {
    const TPoint p = Box->ClientToScreen({x, y});
    return Driver.ScreenPixel(p.X, p.Y);
  };
  const int middle = (item.Top + item.Bottom) / 2;
  EXPECT_EQ(pixel(item.Left + 2, middle), RGB(0, 0, 0)) << "the swatch's frame";
  EXPECT_EQ(pixel(item.Left + 10, middle), RGB(255, 0, 0));
  EXPECT_EQ(pixel(item.Left + 23, middle), RGB(0, 0, 0));
  bool nameDrawn = false;
  for (int x = item.Left + 28; x < item.Left + 60; ++x)
    nameDrawn |= pixel(x, middle) != pixel(item.Left + 26, middle);
  EXPECT_TRUE(nameDrawn);

  Box->SetDisplayNames(false);
  Driver.ProcessMessages();
  EXPECT_EQ(pixel(item.Left + 2, middle), RGB(0, 0, 0));
  EXPECT_EQ(pixel(item.Left + 30, middle), RGB(255, 0, 0)) << "the swatch fills the row";
  EXPECT_EQ(pixel(item.Right - 4, middle), RGB(0, 0, 0));
  EXPECT_EQ(pixel(item.Right - 2, middle), pixel(item.Left + 1, middle));
}
