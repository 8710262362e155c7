#include <gtest/gtest.h>

#include "GdiTestSupport.h"

// DrawText with the built-in font: 6 pixels a character, 11 a line.
namespace {
int InkRows(TMemoryTarget& target, int width, int height) {
  int rows = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (target.Pixel(x, y) == RGB(0, 0, 0)) {
        ++rows;
        break;
      }
  return rows;
}

int RightmostInk(TMemoryTarget& target, int width, int height) {
  int right = -1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (target.Pixel(x, y) == RGB(0, 0, 0)) right = std::max(right, x);
  return right;
}
}  // namespace

TEST(DrawTextTest, LinesBreakAtNewlinesAndWordsAtTheWidth) {
  TMemoryTarget target(100, 60);
  TRect rect{0, 0, 40, 60};
  EXPECT_EQ(DrawText(target.Dc, "one\ntwo\r\nthree", -1, &rect, DT_CALCRECT), 33);
  EXPECT_EQ(rect, (TRect{0, 0, 30, 33}));
  rect = {0, 0, 40, 60};
  // "alpha beta gamma" in 40 pixels: each word on its own line.
  EXPECT_EQ(DrawText(target.Dc, "alpha beta gamma", -1, &rect, DT_WORDBREAK | DT_CALCRECT), 33);
  rect = {0, 0, 40, 60};
  EXPECT_EQ(DrawText(target.Dc, "alpha beta gamma", -1, &rect, DT_SINGLELINE | DT_CALCRECT), 11);
  EXPECT_EQ(rect.Right, 96);
}

TEST(DrawTextTest, SingleLinesAlignAndCutWithAnEllipsis) {
  TMemoryTarget right(60, 20);
  SetBkMode(right.Dc, TRANSPARENT);
  TRect rect{0, 0, 60, 20};
  DrawText(right.Dc, "ab", -1, &rect, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
  EXPECT_LE(RightmostInk(right, 60, 20), 59);
  EXPECT_GE(RightmostInk(right, 60, 20), 54);         // the text box ends at the right edge
  EXPECT_EQ(right.Pixel(55, 8), RGB(255, 255, 255));  // it sits at the bottom: nothing up there

  TMemoryTarget cut(60, 12);
  SetBkMode(cut.Dc, TRANSPARENT);
  TRect narrow{0, 0, 30, 12};
  DrawText(cut.Dc, "abcdefghij", -1, &narrow, DT_SINGLELINE | DT_END_ELLIPSIS);
  // "ab..." fills exactly 30 pixels; nothing spills beyond.
  EXPECT_LE(RightmostInk(cut, 60, 12), 29);
  EXPECT_EQ(cut.Pixel(26, 8), RGB(0, 0, 0));  // the last dot

  TMemoryTarget clipped(60, 12);
  SetBkMode(clipped.Dc, TRANSPARENT);
  DrawText(clipped.Dc, "abcdefghij", -1, &narrow, DT_SINGLELINE);
  EXPECT_LE(RightmostInk(clipped, 60, 12), 29);
  TMemoryTarget unclipped(60, 12);
  SetBkMode(unclipped.Dc, TRANSPARENT);
  DrawText(unclipped.Dc, "abcdefghij", -1, &narrow, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(RightmostInk(unclipped, 60, 12), 29);
}

TEST(DrawTextTest, TabsExpandAndThePenPositionFollowsUpdateCp) {
  TMemoryTarget target(120, 40);
  TRect rect{0, 0, 120, 40};
  DrawText(target.Dc, "a\tb", -1, &rect, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
  EXPECT_EQ(rect.Right, 54);  // a, spaces to column 8, b
  SetTextAlign(target.Dc, TA_UPDATECP);
  MoveToEx(target.Dc, 10, 5, nullptr);
  TextOut(target.Dc, 0, 0, "abc", 3);
  TextOut(target.Dc, 0, 0, "de", 2);
  TPoint position;
  GetCurrentPositionEx(target.Dc, &position);
  EXPECT_EQ(position, (TPoint{40, 5}));
  EXPECT_EQ(InkRows(target, 120, 40) > 0, true);
  EXPECT_EQ(DrawText(target.Dc, nullptr, 3, &rect, 0), 0);
  EXPECT_EQ(DrawText(target.Dc, "x", 1, nullptr, 0), 0);
}
