#include <gtest/gtest.h>

#include "GdiTestSupport.h"
#include "types/SysColors.h"

namespace {
constexpr COLORREF Gray = RGB(128, 128, 128);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Silver = RGB(192, 192, 192);
constexpr COLORREF Background = RGB(0, 128, 128);

std::string Row(TMemoryTarget& target, int y, int x0, int x1) {
  std::string r;
  for (int x = x0; x < x1; ++x) {
    const COLORREF c = target.Pixel(x, y);
    r += c == Black ? '#' : c == White ? '.' : c == Gray ? 'g' : c == Background ? '_' : '?';
  }
  return r;
}
}  // namespace

TEST(FrameControlTest, AFlatCheckedBoxHasAShadowFrameAndTheClassicMark) {
  TMemoryTarget target(17, 17, Background);
  TRect box{2, 2, 15, 15};
  ASSERT_TRUE(
      DrawFrameControl(target.Dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED));
  EXPECT_EQ(Row(target, 1, 0, 17), "_________________");
  EXPECT_EQ(Row(target, 2, 0, 17), "__ggggggggggggg__");
  EXPECT_EQ(Row(target, 3, 0, 17), "__g...........g__");
  EXPECT_EQ(Row(target, 5, 0, 17), "__g........#..g__");
  EXPECT_EQ(Row(target, 6, 0, 17), "__g.......##..g__");
  EXPECT_EQ(Row(target, 7, 0, 17), "__g..#...###..g__");
  EXPECT_EQ(Row(target, 8, 0, 17), "__g..##.###...g__");
  EXPECT_EQ(Row(target, 9, 0, 17), "__g..#####....g__");
  EXPECT_EQ(Row(target, 10, 0, 17), "__g...###.....g__");
  EXPECT_EQ(Row(target, 11, 0, 17), "__g....#......g__");
  EXPECT_EQ(Row(target, 12, 0, 17), "__g...........g__");
  EXPECT_EQ(Row(target, 14, 0, 17), "__ggggggggggggg__");
  EXPECT_EQ(Row(target, 15, 0, 17), "_________________");

  TMemoryTarget unchecked(17, 17, Background);
  DrawFrameControl(unchecked.Dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
  for (int y = 3; y < 14; ++y)
    EXPECT_EQ(Row(unchecked, y, 3, 14), "...........") << y;
  EXPECT_FALSE(DrawFrameControl(target.Dc, nullptr, DFC_BUTTON, DFCS_BUTTONCHECK));
  TRect empty{5, 5, 5, 5};
  EXPECT_FALSE(DrawFrameControl(target.Dc, &empty, DFC_BUTTON, DFCS_BUTTONCHECK));
}

TEST(FrameControlTest, EdgesUseTheClassicShadowsAndHighlights) {
  TMemoryTarget target(10, 10, Background);
  TRect rect{1, 1, 9, 9};
  ASSERT_TRUE(DrawEdge(target.Dc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
  EXPECT_EQ(rect, (TRect{3, 3, 7, 7}));
  EXPECT_EQ(target.Pixel(1, 1), Gray);    // outer top-left: shadow
  EXPECT_EQ(target.Pixel(2, 2), Black);   // inner top-left: dark shadow
  EXPECT_EQ(target.Pixel(8, 8), White);   // outer bottom-right: highlight
  EXPECT_EQ(target.Pixel(7, 7), Silver);  // inner bottom-right: light
  EXPECT_EQ(target.Pixel(1, 8), White);   // the bottom edge owns its corner
  EXPECT_EQ(target.Pixel(3, 3), Background);
  TMemoryTarget raised(10, 10, Background);
  TRect all{0, 0, 10, 10};
  DrawEdge(raised.Dc, &all, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  EXPECT_EQ(raised.Pixel(0, 0), Silver);
  EXPECT_EQ(raised.Pixel(1, 1), White);
  EXPECT_EQ(raised.Pixel(9, 9), Black);
  EXPECT_EQ(raised.Pixel(8, 8), Gray);
  EXPECT_EQ(raised.Pixel(5, 5), GetSysColor(COLOR_BTNFACE));
}
