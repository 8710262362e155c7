#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>

#include "GdiTestSupport.h"
#include "graphics/FontList.h"
#include "winsys/WinUser.h"

namespace {
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

int Count(TMemoryTarget& target, const TRect& area, COLORREF color) {
  int count = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      count += target.Pixel(x, y) == color;
  return count;
}

std::set<COLORREF> Colors(TMemoryTarget& target, const TRect& area) {
  std::set<COLORREF> colors;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      colors.insert(target.Pixel(x, y));
  return colors;
}

HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL,
               BYTE quality = DEFAULT_QUALITY) {
  return CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, quality, DEFAULT_PITCH,
                    face);
}
}  // namespace

TEST(TextTest, TheBuiltInFontHasExactMetricsAndGlyphs) {
  TMemoryTarget target(80, 30);
  TEXTMETRIC metrics;
  ASSERT_TRUE(GetTextMetrics(target.Dc, &metrics));  // a new context has the system font
  EXPECT_EQ(metrics.tmHeight, 11);
  EXPECT_EQ(metrics.tmAscent, 9);
  EXPECT_EQ(metrics.tmDescent, 2);
  EXPECT_EQ(metrics.tmAveCharWidth, 6);
  TSize size;
  ASSERT_TRUE(GetTextExtentPoint32(target.Dc, "Hello", 5, &size));
  EXPECT_EQ(size, (TSize{30, 11}));
  char face[32];
  GetTextFace(target.Dc, sizeof face, face);
  EXPECT_STREQ(face, "System");
  SetBkMode(target.Dc, TRANSPARENT);
  TextOut(target.Dc, 10, 5, "I", 1);
  // 'I': a bar of three pixels over a stem of one, seven rows from the cell's third row.
  auto row = [&](int y) {
    std::string r;
    for (int x = 10; x < 16; ++x)
      r += target.Pixel(x, y) == Black ? '#' : '.';
    return r;
  };
  EXPECT_EQ(row(6), "......");
  EXPECT_EQ(row(7), ".###..");
  EXPECT_EQ(row(8), "..#...");
  EXPECT_EQ(row(13), ".###..");
  EXPECT_EQ(row(14), "......");
}

TEST(TextTest, OpaqueBackgroundsFillTheTextBoxOrTheGivenRectangle) {
  TMemoryTarget target(60, 40);
  SetBkColor(target.Dc, Red);
  TextOut(target.Dc, 10, 5, "AB", 2);  // opaque mode: the cell box (12 x 11) is filled
  const TRect box{10, 5, 22, 16};
  EXPECT_EQ(Count(target, box, Red) + Count(target, box, Black), 12 * 11);
  EXPECT_GT(Count(target, box, Black), 10);
  EXPECT_EQ(Count(target, {0, 0, 60, 40}, Red) + Count(target, {0, 0, 60, 40}, Black), 12 * 11);

  SetBkMode(target.Dc, TRANSPARENT);
  TextOut(target.Dc, 10, 20, "AB", 2);
  EXPECT_EQ(Count(target, {10, 20, 22, 31}, Red), 0);

  // Opaque and clipped: the rectangle is filled, the text cut at its edge.
  const TRect clip{30, 20, 40, 26};
  ExtTextOut(target.Dc, 30, 18, ETO_OPAQUE | ETO_CLIPPED, &clip, "WWWW", 4, nullptr);
  EXPECT_EQ(Count(target, clip, Red) + Count(target, clip, Black), 10 * 6);
  EXPECT_EQ(Colors(target, {29, 17, 60, 20}), std::set<COLORREF>{White});  // guards above
  EXPECT_EQ(Colors(target, {40, 20, 60, 40}), std::set<COLORREF>{White});  // and right
  EXPECT_EQ(Colors(target, {30, 26, 40, 40}), std::set<COLORREF>{White});  // and below
}

TEST(TextTest, AlignmentAndDrawTextPlaceTheText) {
  TMemoryTarget target(100, 40);
  SetBkMode(target.Dc, TRANSPARENT);
  TRect calc{0, 0, 0, 0};
  EXPECT_EQ(DrawText(target.Dc, "Value", -1, &calc, DT_CALCRECT | DT_SINGLELINE), 11);
  EXPECT_EQ(calc, (TRect{0, 0, 30, 11}));
  TRect cell{10, 10, 90, 31};
  DrawText(target.Dc, "Value", -1, &cell, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  TRect ink = {100, 100, 0, 0};
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x)
      if (target.Pixel(x, y) == Black)
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
  // The text box (35,15)-(65,26) holds all the ink: 'V' starts in its first column.
  EXPECT_EQ(ink.Left, 35);
  EXPECT_GE(ink.Top, 15);
  EXPECT_LE(ink.Right, 65);
  EXPECT_LE(ink.Bottom, 26);

  SetTextAlign(target.Dc, TA_RIGHT | TA_BASELINE);
  TMemoryTarget other(100, 40);
  SetBkMode(other.Dc, TRANSPARENT);
  SetTextAlign(other.Dc, TA_RIGHT | TA_BASELINE);
  TextOut(other.Dc, 60, 20, "I", 1);  // its cell ends at x 60 and sits on baseline 20
  EXPECT_EQ(other.Pixel(55, 19), Black);
  EXPECT_EQ(other.Pixel(55, 20), White);

  TMemoryTarget prefixed(60, 20);
  SetBkMode(prefixed.Dc, TRANSPARENT);
  TRect area{0, 0, 60, 20};
  DrawText(prefixed.Dc, "&File", -1, &area, DT_SINGLELINE);
  EXPECT_EQ(Count(prefixed, {0, 10, 6, 11}, Black), 6);  // F underlined below its baseline
  EXPECT_EQ(Count(prefixed, {6, 10, 60, 11}, Black), 0);
  TMemoryTarget plain(60, 20);
  SetBkMode(plain.Dc, TRANSPARENT);
  DrawText(plain.Dc, "&File", -1, &area, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_GT(Count(plain, {0, 0, 6, 10}, Black), 0);  // the ampersand is drawn
}

TEST(TextTest, FontsAreFoundByFamilyAndRenderedSmoothOrCrisp) {
  TMemoryTarget target(120, 40);
  HFONT arial = MakeFont("Arial", -13);
  SelectObject(target.Dc, arial);
  char face[64];
  GetTextFace(target.Dc, sizeof face, face);
  if (std::string(face) == "System") GTEST_SKIP() << "no font files installed";
  EXPECT_STREQ(face, "Liberation Sans");  // the metric look-alike of Arial
  TEXTMETRIC metrics;
  GetTextMetrics(target.Dc, &metrics);
  EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 13);
  EXPECT_EQ(metrics.tmHeight, metrics.tmAscent + metrics.tmDescent);
  TSize regular, bold;
  GetTextExtentPoint32(target.Dc, "Bold text", -1, &regular);
  HFONT heavy = MakeFont("Arial", -13, FW_BOLD);
  SelectObject(target.Dc, heavy);
  GetTextExtentPoint32(target.Dc, "Bold text", -1, &bold);
  EXPECT_GT(bold.cx, regular.cx);

  SelectObject(target.Dc, arial);
  SetBkMode(target.Dc, TRANSPARENT);
  TextOut(target.Dc, 2, 2, "Smooth", -1);
  EXPECT_GT(Colors(target, {0, 0, 120, 20}).size(), 2u);  // grey edges
  HFONT crisp = MakeFont("Arial", -13, FW_NORMAL, NONANTIALIASED_QUALITY);
  SelectObject(target.Dc, crisp);
  TextOut(target.Dc, 2, 22, "Crisp", -1);
  EXPECT_EQ(Colors(target, {0, 20, 120, 40}), (std::set<COLORREF>{Black, White}));

  SystemParametersInfo(SPI_SETFONTSMOOTHING, FALSE, nullptr, 0);
  HFONT plain = MakeFont("Arial", -14);
  TMemoryTarget switched(120, 20);
  SelectObject(switched.Dc, plain);
  SetBkMode(switched.Dc, TRANSPARENT);
  TextOut(switched.Dc, 2, 2, "Switched", -1);
  SystemParametersInfo(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
  EXPECT_EQ(Colors(switched, {0, 0, 120, 20}), (std::set<COLORREF>{Black, White}));
  SelectObject(switched.Dc, GetStockObject(SYSTEM_FONT));
  SelectObject(target.Dc, GetStockObject(SYSTEM_FONT));
  for (HFONT font : {arial, heavy, crisp, plain})
    EXPECT_TRUE(DeleteObject(font));
}

TEST(TextTest, TheFontListIsSortedAndHoldsTheInstalledFamilies) {
  const std::vector<std::string>& families = GetFontFamilies();
  ASSERT_FALSE(families.empty());
  EXPECT_TRUE(std::is_sorted(families.begin(), families.end(),
                             [](const std::string& a, const std::string& b) {
                               return strcasecmp(a.c_str(), b.c_str()) < 0;
                             }));
  EXPECT_NE(std::find(families.begin(), families.end(), "System"), families.end());
  EXPECT_EQ(&families, &GetFontFamilies());
}
