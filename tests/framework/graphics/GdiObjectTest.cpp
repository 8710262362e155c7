#include <gtest/gtest.h>

#include <cstring>

#include "GdiTestSupport.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapFont.h"
#include "graphics/RealizedFont.h"
#include "streaming/MemoryStream.h"

namespace {
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF White = RGB(255, 255, 255);
}  // namespace

TEST(GdiObjectTest, DeviceIndependentBitmapsExposeTheirMemoryInTheirRowOrder) {
  BITMAPINFO info;
  info.bmiHeader.biWidth = 3;
  info.bmiHeader.biHeight = 2;  // positive: bottom-up
  void* bits = nullptr;
  HBITMAP bottomUp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bottomUp, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bottomUp);
  SetPixel(dc, 0, 0, Red);  // the top row is the last one in memory
  EXPECT_EQ(static_cast<uint32_t*>(bits)[3], 0xFF0000u);
  SelectObject(dc, old);
  info.bmiHeader.biHeight = -2;
  HBITMAP topDown = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(dc, topDown);
  SetPixel(dc, 0, 0, Blue);
  EXPECT_EQ(static_cast<uint32_t*>(bits)[0], 0x0000FFu);
  SelectObject(dc, old);
  DeleteDC(dc);
  info.bmiHeader.biBitCount = 8;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
  DeleteObject(bottomUp);
  DeleteObject(topDown);
}

TEST(GdiObjectTest, PatternAndHatchBrushesTileFromTheBrushOrigin) {
  const uint32_t checker[4] = {0xFF0000, 0xFFFFFF, 0xFFFFFF, 0xFF0000};
  HBITMAP pattern = CreateBitmap(2, 2, 1, 32, checker);
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);  // the brush keeps its own copy
  TMemoryTarget target(8, 8);
  const TRect all{0, 0, 8, 8};
  FillRect(target.Dc, &all, brush);
  EXPECT_EQ(target.Pixel(0, 0), Red);  // pixels are 0x00RRGGBB
  EXPECT_EQ(target.Pixel(1, 0), White);
  EXPECT_EQ(target.Pixel(3, 3), Red);
  SetBrushOrgEx(target.Dc, 1, 0, nullptr);
  FillRect(target.Dc, &all, brush);
  EXPECT_EQ(target.Pixel(0, 0), White);
  DeleteObject(brush);

  HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, Red);
  SetBrushOrgEx(target.Dc, 0, 0, nullptr);
  SelectObject(target.Dc, hatch);
  SelectObject(target.Dc, GetStockObject(NULL_PEN));
  SetBkColor(target.Dc, Blue);
  SetBkMode(target.Dc, TRANSPARENT);
  PatBlt(target.Dc, 0, 0, 8, 8, WHITENESS);
  Rectangle(target.Dc, 0, 0, 9, 9);  // transparent: the gaps keep their white
  EXPECT_EQ(target.Pixel(0, 3), Red);
  EXPECT_EQ(target.Pixel(0, 2), White);
  SetBkMode(target.Dc, OPAQUE);
  Rectangle(target.Dc, 0, 0, 9, 9);
  EXPECT_EQ(target.Pixel(0, 2), Blue);
  SelectObject(target.Dc, GetStockObject(WHITE_BRUSH));
  DeleteObject(hatch);
}

TEST(GdiObjectTest, FramesPolylinesAndClipQueries) {
  TMemoryTarget target(12, 12);
  HBRUSH red = CreateSolidBrush(Red);
  const TRect frame{2, 2, 8, 6};
  FrameRect(target.Dc, &frame, red);
  EXPECT_EQ(target.Pixel(2, 2), Red);
  EXPECT_EQ(target.Pixel(7, 5), Red);
  EXPECT_EQ(target.Pixel(3, 3), White);
  EXPECT_EQ(target.Pixel(8, 2), White);
  const TPoint points[] = {{0, 10}, {5, 10}, {5, 8}};
  EXPECT_TRUE(Polyline(target.Dc, points, 3));
  EXPECT_EQ(target.Pixel(4, 10), RGB(0, 0, 0));
  EXPECT_EQ(target.Pixel(5, 9), RGB(0, 0, 0));
  EXPECT_EQ(target.Pixel(5, 8), White);  // the last end point is left out
  EXPECT_FALSE(Polyline(target.Dc, points, 1));
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(target.Dc, clip), 0);
  IntersectClipRect(target.Dc, 1, 1, 4, 4);
  EXPECT_EQ(GetClipRgn(target.Dc, clip), 1);
  TRect box;
  GetRgnBox(clip, &box);
  EXPECT_EQ(box, (TRect{1, 1, 4, 4}));
  const TRect inside{2, 2, 3, 3}, outside{5, 5, 9, 9};
  EXPECT_TRUE(RectVisible(target.Dc, &inside));
  EXPECT_FALSE(RectVisible(target.Dc, &outside));
  EXPECT_EQ(GetDeviceCaps(target.Dc, HORZRES), 12);
  EXPECT_EQ(GetDeviceCaps(target.Dc, LOGPIXELSY), 96);
  DeleteObject(clip);
  DeleteObject(red);
}

TEST(GdiObjectTest, TheBuiltInFontScalesBoldsAndMarksUnknownCharacters) {
  EXPECT_EQ(TBitmapFont::ScaleForHeight(0), 1);
  EXPECT_EQ(TBitmapFont::ScaleForHeight(11), 1);
  EXPECT_EQ(TBitmapFont::ScaleForHeight(22), 2);
  EXPECT_EQ(TBitmapFont::ScaleForHeight(-18), 2);
  TBitmapFont big(2, false, false);
  EXPECT_EQ(big.Metrics().tmHeight, 22);
  EXPECT_EQ(big.Advance('x'), 12);
  TBitmapFont bold(1, true, false);
  EXPECT_EQ(bold.Advance('x'), 7);
  TBitmapFont plain(1, false, false);
  const TGlyph& box = plain.Glyph(U'\u00E9');
  const TGlyph& question = plain.Glyph('?');
  EXPECT_NE(box.Coverage, question.Coverage);
  EXPECT_EQ(box.Coverage[0], 255);                  // the box's top-left corner
  EXPECT_EQ(&plain.Glyph('a'), &plain.Glyph('a'));  // rendered once

  HFONT large = CreateFont(22, 0, 0, 0, FW_NORMAL, 0, 1, 1, DEFAULT_CHARSET, 0, 0, 0, 0, "System");
  TMemoryTarget target(40, 30);
  SelectObject(target.Dc, large);
  TEXTMETRIC metrics;
  GetTextMetrics(target.Dc, &metrics);
  EXPECT_EQ(metrics.tmHeight, 22);
  EXPECT_EQ(metrics.tmUnderlined, 1);
  SetBkMode(target.Dc, TRANSPARENT);
  TextOut(target.Dc, 0, 0, " ", 1);  // a space: only the underline and strike-out lines
  int inked = 0;
  for (int y = 0; y < 22; ++y)
    inked += target.Pixel(5, y) == RGB(0, 0, 0);
  EXPECT_EQ(inked, 4);  // two lines, two pixels thick at this scale
  SelectObject(target.Dc, GetStockObject(SYSTEM_FONT));
  DeleteObject(large);
}

TEST(GdiObjectTest, Utf8DecodingReplacesMalformedBytes) {
  const char text[] = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF\xC3";
  const size_t length = sizeof(text) - 1;
  size_t index = 0;
  EXPECT_EQ(NextCodePoint(text, length, index), U'a');
  EXPECT_EQ(NextCodePoint(text, length, index), U'\u00E9');
  EXPECT_EQ(NextCodePoint(text, length, index), U'\u20AC');
  EXPECT_EQ(NextCodePoint(text, length, index), U'\U0001F600');
  EXPECT_EQ(NextCodePoint(text, length, index), U'\uFFFD');
  EXPECT_EQ(NextCodePoint(text, length, index), U'\uFFFD');  // cut short
  EXPECT_EQ(index, length);
}

TEST(GdiObjectTest, PalettedAndCoreHeaderBitmapFilesAreRead) {
  // A 3x1 bitmap, 1 bit per pixel, with its two-colour palette, in a bare core header.
  std::string file;
  auto put16 = [&](uint16_t v) {
    file += static_cast<char>(v);
    file += static_cast<char>(v >> 8);
  };
  auto put32 = [&](uint32_t v) {
    put16(static_cast<uint16_t>(v));
    put16(static_cast<uint16_t>(v >> 16));
  };
  put32(12);
  put16(3);
  put16(1);
  put16(1);
  put16(1);
  file += std::string("\x00\x00\xFF", 3);      // palette 0: red (B, G, R)
  file += std::string("\xFF\x00\x00", 3);      // palette 1: blue
  file += std::string("\x40\x00\x00\x00", 4);  // pixels 0, 1, 0
  TMemoryStream stream(file);
  TBitmap bitmap;
  bitmap.LoadFromStream(&stream);
  ASSERT_EQ(bitmap.GetWidth(), 3);
  EXPECT_EQ(bitmap.ScanLine(0)[0], 0xFF0000u);
  EXPECT_EQ(bitmap.ScanLine(0)[1], 0x0000FFu);
  EXPECT_EQ(bitmap.ScanLine(0)[2], 0xFF0000u);
  EXPECT_EQ(bitmap.GetPixelFormat(), pf1bit);
}
