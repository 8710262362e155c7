#include <gtest/gtest.h>

#include <string>
#include <vector>

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

namespace {
// The corner pixels of a ring: top-left, bottom-right.
struct TRing {
  COLORREF TopLeft;
  COLORREF BottomRight;
  bool operator==(const TRing&) const = default;
};

TRing RingAt(TMemoryTarget& target, int inset, int size) {
  return {target.Pixel(inset, inset + 2), target.Pixel(size - 1 - inset, size - 3 - inset)};
}
}  // namespace

TEST(FrameControlTest, PushButtonsHaveTheSoftBevelAndScrollAndCaptionButtonsNot) {
  struct TCase {
    UINT Type;
    UINT State;
    TRing Outer;
    TRing Inner;
  };
  const TCase cases[] = {
      {DFC_BUTTON, DFCS_BUTTONPUSH, {White, Black}, {Silver, Gray}},
      {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, {Black, White}, {Gray, Silver}},
      {DFC_SCROLL, DFCS_SCROLLUP, {Silver, Black}, {White, Gray}},
      {DFC_CAPTION, DFCS_CAPTIONCLOSE, {Silver, Black}, {White, Gray}},
  };
  for (const TCase& c : cases) {
    TMemoryTarget target(20, 20, Background);
    TRect rect{2, 2, 18, 18};
    ASSERT_TRUE(DrawFrameControl(target.Dc, &rect, c.Type, c.State));
    const std::string where = std::to_string(c.Type) + "/" + std::to_string(c.State);
    EXPECT_EQ(RingAt(target, 2, 20), c.Outer) << where;
    EXPECT_EQ(RingAt(target, 3, 20), c.Inner) << where;
    EXPECT_EQ(Row(target, 1, 0, 20), "____________________") << where;  // guards
    EXPECT_EQ(Row(target, 18, 0, 20), "____________________") << where;
  }
  // DrawEdge itself: soft swaps the top-left colours of the two rings, sunken ones too.
  TMemoryTarget soft(10, 10, Background);
  TRect all{0, 0, 10, 10};
  DrawEdge(soft.Dc, &all, EDGE_SUNKEN, BF_RECT | BF_SOFT);
  EXPECT_EQ(soft.Pixel(0, 2), Black);
  EXPECT_EQ(soft.Pixel(1, 2), Gray);
  EXPECT_EQ(soft.Pixel(9, 2), White);
  EXPECT_EQ(soft.Pixel(8, 2), Silver);
}

namespace {
// The arrow glyph of a 16x16 scroll button as rows of '#' (button text) and '.'; the bevel (two
// pixels on each side, whose dark shadow is black too) reads as '.'.
std::vector<std::string> ArrowPixels(UINT state) {
  TMemoryTarget target(16, 16, Background);
  TRect rect{0, 0, 16, 16};
  DrawFrameControl(target.Dc, &rect, DFC_SCROLL, state);
  std::vector<std::string> rows;
  for (int y = 0; y < 16; ++y) {
    std::string row;
    for (int x = 0; x < 16; ++x) {
      const bool face = x >= 2 && x < 14 && y >= 2 && y < 14;
      row += face && target.Pixel(x, y) == GetSysColor(COLOR_BTNTEXT) ? '#' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> Blank(int from, int to) {
  return std::vector<std::string>(to - from, std::string(16, '.'));
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}
}  // namespace

TEST(FrameControlTest, ScrollArrowsAreSevenByFourInASixteenPixelButton) {
  const std::vector<std::string> up =
      Join({Blank(0, 6),
            {".......#........", "......###.......", ".....#####......", "....#######....."},
            Blank(10, 16)});
  EXPECT_EQ(ArrowPixels(DFCS_SCROLLUP), up);
  const std::vector<std::string> down =
      Join({Blank(0, 6),
            {"....#######.....", ".....#####......", "......###.......", ".......#........"},
            Blank(10, 16)});
  EXPECT_EQ(ArrowPixels(DFCS_SCROLLDOWN), down);
  EXPECT_EQ(ArrowPixels(DFCS_SCROLLCOMBOBOX), down);
  const std::vector<std::string> left =
      Join({Blank(0, 4),
            {".........#......", "........##......", ".......###......", "......####......",
             ".......###......", "........##......", ".........#......"},
            Blank(11, 16)});
  EXPECT_EQ(ArrowPixels(DFCS_SCROLLLEFT), left);
  const std::vector<std::string> right =
      Join({Blank(0, 4),
            {"......#.........", "......##........", "......###.......", "......####......",
             "......###.......", "......##........", "......#........."},
            Blank(11, 16)});
  EXPECT_EQ(ArrowPixels(DFCS_SCROLLRIGHT), right);
  // Pressed, the glyph moves one pixel right and down.
  const std::vector<std::string> pressed =
      Join({Blank(0, 7),
            {"........#.......", ".......###......", "......#####.....", ".....#######...."},
            Blank(11, 16)});
  EXPECT_EQ(ArrowPixels(DFCS_SCROLLUP | DFCS_PUSHED), pressed);
}
