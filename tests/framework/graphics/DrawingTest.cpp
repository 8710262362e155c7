#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "GdiTestSupport.h"
#include "RasterReference.h"

namespace {
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

// The pixels of row y from x0 to x1 (exclusive) as a string: '#' for colour, '.' otherwise.
std::string Row(TMemoryTarget& target, int y, int x0, int x1, COLORREF color) {
  std::string result;
  for (int x = x0; x < x1; ++x)
    result += target.Pixel(x, y) == color ? '#' : '.';
  return result;
}

std::string Column(TMemoryTarget& target, int x, int y0, int y1, COLORREF color) {
  std::string result;
  for (int y = y0; y < y1; ++y)
    result += target.Pixel(x, y) == color ? '#' : '.';
  return result;
}
}  // namespace

TEST(DrawingTest, LinesLeaveOutTheirEndPoint) {
  TMemoryTarget target(20, 20);
  MoveToEx(target.Dc, 2, 5, nullptr);
  LineTo(target.Dc, 10, 5);
  EXPECT_EQ(Row(target, 5, 0, 12, Black), "..########..");
  LineTo(target.Dc, 10, 9);  // continues from the end point, which it now draws
  EXPECT_EQ(Column(target, 10, 4, 11, Black), ".####..");
  MoveToEx(target.Dc, 15, 15, nullptr);
  LineTo(target.Dc, 15, 15);  // nothing at all
  EXPECT_EQ(target.Pixel(15, 15), White);
  MoveToEx(target.Dc, 12, 12, nullptr);
  LineTo(target.Dc, 9, 12);  // right to left: the start is drawn, the end is not
  EXPECT_EQ(Row(target, 12, 8, 14, Black), "..###.");
  TPoint position;
  GetCurrentPositionEx(target.Dc, &position);
  EXPECT_EQ(position, (TPoint{9, 12}));
}

TEST(DrawingTest, DottedPensAlternateAndFillGapsOnlyWhenOpaque) {
  TMemoryTarget target(20, 6);
  HPEN dotted = CreatePen(PS_DOT, 1, Black);
  SelectObject(target.Dc, dotted);
  SetBkMode(target.Dc, TRANSPARENT);
  MoveToEx(target.Dc, 1, 1, nullptr);
  LineTo(target.Dc, 12, 1);
  EXPECT_EQ(Row(target, 1, 0, 13, Black), ".#.#.#.#.#.#.");
  EXPECT_EQ(Row(target, 1, 0, 13, White), "#.#.#.#.#.#.#");
  SetBkMode(target.Dc, OPAQUE);
  SetBkColor(target.Dc, Red);
  MoveToEx(target.Dc, 1, 3, nullptr);
  LineTo(target.Dc, 8, 3);
  EXPECT_EQ(Row(target, 3, 0, 9, Black), ".#.#.#.#.");
  EXPECT_EQ(Row(target, 3, 0, 9, Red), "..#.#.#..");
  SelectObject(target.Dc, GetStockObject(BLACK_PEN));
  DeleteObject(dotted);
}

TEST(DrawingTest, XorDrawingTwiceRestoresTheImage) {
  TMemoryTarget target(40, 30);
  target.Load(Reference::Noise(40, 30, 9));
  const TSurface original = target.Snapshot();
  HPEN pen = CreatePen(PS_DOT, 1, RGB(255, 255, 255));
  SelectObject(target.Dc, pen);
  SelectObject(target.Dc, GetStockObject(NULL_BRUSH));
  SetROP2(target.Dc, R2_XORPEN);
  const TRect focus{3, 3, 30, 20};
  for (int pass = 0; pass < 2; ++pass) {
    MoveToEx(target.Dc, 20, 0, nullptr);
    LineTo(target.Dc, 20, 30);  // the splitter's sizing line
    MoveToEx(target.Dc, 0, 0, nullptr);
    LineTo(target.Dc, 39, 25);
    Rectangle(target.Dc, 5, 5, 25, 15);
    DrawFocusRect(target.Dc, &focus);
    InvertRect(target.Dc, &focus);
    PatBlt(target.Dc, 1, 1, 10, 10, DSTINVERT);
  }
  std::string difference;
  EXPECT_TRUE(Reference::SamePixels(target.Surface(), original, &difference)) << difference;
  SelectObject(target.Dc, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST(DrawingTest, RectanglesOutlineWithThePenAndFillWithTheBrush) {
  TMemoryTarget target(20, 20);
  HBRUSH red = CreateSolidBrush(Red);
  SelectObject(target.Dc, red);
  Rectangle(target.Dc, 2, 2, 8, 7);
  EXPECT_EQ(Row(target, 2, 0, 10, Black), "..######..");
  EXPECT_EQ(Row(target, 3, 0, 10, Black), "..#....#..");
  EXPECT_EQ(Row(target, 3, 0, 10, Red), "...####...");
  EXPECT_EQ(Row(target, 6, 0, 10, Black), "..######..");
  EXPECT_EQ(Row(target, 7, 0, 10, White), "##########");

  HPEN wide = CreatePen(PS_SOLID, 2, Black);
  SelectObject(target.Dc, wide);
  Rectangle(target.Dc, 10, 10, 17, 17);  // the wide outline lies inside the rectangle
  EXPECT_EQ(Row(target, 10, 9, 18, Black), ".#######.");
  EXPECT_EQ(Row(target, 12, 9, 18, Black), ".##...##.");
  EXPECT_EQ(Row(target, 12, 9, 18, Red), "...###...");
  EXPECT_EQ(Row(target, 17, 9, 18, White), "#########");

  SelectObject(target.Dc, GetStockObject(NULL_PEN));
  Rectangle(target.Dc, 2, 12, 6, 16);  // without a pen: one pixel less right and bottom
  EXPECT_EQ(Row(target, 12, 1, 7, Red), ".###..");
  EXPECT_EQ(Row(target, 15, 1, 7, Red), "......");
  EXPECT_FALSE(Rectangle(target.Dc, 5, 5, 5, 9));  // nothing to draw
  SelectObject(target.Dc, GetStockObject(BLACK_PEN));
  SelectObject(target.Dc, GetStockObject(WHITE_BRUSH));
  DeleteObject(wide);
  DeleteObject(red);
}

TEST(DrawingTest, WidePenLinesCoverTheirWidthAndBothEnds) {
  TMemoryTarget target(24, 16);
  HPEN pen = CreatePen(PS_SOLID, 3, Black);
  SelectObject(target.Dc, pen);
  MoveToEx(target.Dc, 5, 8, nullptr);
  LineTo(target.Dc, 15, 8);
  for (int y : {7, 8, 9})
    EXPECT_EQ(Row(target, y, 3, 18, Black), ".#############.") << y;
  EXPECT_EQ(Row(target, 6, 3, 18, Black), "...............");
  EXPECT_EQ(Row(target, 10, 3, 18, Black), "...............");
  SelectObject(target.Dc, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST(DrawingTest, ClippingAndOriginsLimitAndShiftDrawing) {
  TMemoryTarget target(20, 20);
  HBRUSH red = CreateSolidBrush(Red);
  const TRect all{0, 0, 20, 20};
  EXPECT_EQ(IntersectClipRect(target.Dc, 4, 4, 10, 10), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(target.Dc, 6, 6, 8, 8), COMPLEXREGION);
  const int saved = SaveDC(target.Dc);
  SelectClipRgn(target.Dc, nullptr);  // the saved state keeps the clip
  RestoreDC(target.Dc, saved);
  FillRect(target.Dc, &all, red);
  EXPECT_EQ(Row(target, 3, 0, 12, Red), "............");
  EXPECT_EQ(Row(target, 4, 0, 12, Red), "....######..");
  EXPECT_EQ(Row(target, 6, 0, 12, Red), "....##..##..");
  EXPECT_EQ(Row(target, 10, 0, 12, Red), "............");
  TRect box;
  EXPECT_EQ(GetClipBox(target.Dc, &box), COMPLEXREGION);
  EXPECT_EQ(box, (TRect{4, 4, 10, 10}));
  EXPECT_FALSE(PtVisible(target.Dc, 7, 7));
  EXPECT_EQ(SetPixel(target.Dc, 1, 1, Black), CLR_INVALID);  // outside the clip
  EXPECT_EQ(GetPixel(target.Dc, 5, 5), Red);

  SelectClipRgn(target.Dc, nullptr);
  SetWindowOrgEx(target.Dc, 10, 0, nullptr);
  SetViewportOrgEx(target.Dc, 0, 5, nullptr);
  EXPECT_EQ(SetPixel(target.Dc, 12, 0, Black), Black);  // lands at (2, 5)
  EXPECT_EQ(target.Surface().GetPixel(2, 5), 0u);
  EXPECT_EQ(GetPixel(target.Dc, 12, 0), Black);
  EXPECT_EQ(GetPixel(target.Dc, 40, 0), CLR_INVALID);  // off the bitmap
  DeleteObject(red);
}

TEST(DrawingTest, SavedContextsRestoreTheirObjectsAndModes) {
  TMemoryTarget target(8, 8);
  HPEN pen = CreatePen(PS_SOLID, 1, Red);
  const int level = SaveDC(target.Dc);
  EXPECT_EQ(level, 1);
  SelectObject(target.Dc, pen);
  SetROP2(target.Dc, R2_XORPEN);
  SetTextColor(target.Dc, Red);
  EXPECT_FALSE(DeleteObject(pen));  // selected: it stays
  EXPECT_TRUE(RestoreDC(target.Dc, -1));
  EXPECT_EQ(GetROP2(target.Dc), R2_COPYPEN);
  EXPECT_EQ(GetTextColor(target.Dc), Black);
  EXPECT_EQ(GetCurrentObject(target.Dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_FALSE(RestoreDC(target.Dc, 1));  // no such level any more
  EXPECT_TRUE(DeleteObject(pen));
}

TEST(DrawingTest, DeletedAndInventedObjectsFailSafely) {
  TMemoryTarget target(8, 8);
  HBRUSH brush = CreateSolidBrush(Red);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(SelectObject(target.Dc, brush), nullptr);
  const TRect rect{0, 0, 4, 4};
  EXPECT_EQ(FillRect(target.Dc, &rect, brush), 0);
  EXPECT_EQ(FillRect(target.Dc, nullptr, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
  const TRect inverted{4, 4, 0, 0};
  EXPECT_EQ(FillRect(target.Dc, &inverted, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
  EXPECT_EQ(target.Pixel(2, 2), White);
  HDC bad = reinterpret_cast<HDC>(0x7777);
  EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
  EXPECT_FALSE(LineTo(bad, 1, 1));
  EXPECT_FALSE(BitBlt(target.Dc, 0, 0, 4, 4, bad, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(target.Dc, 0, 0, -4, 4, target.Dc, 0, 0, SRCCOPY));
  EXPECT_FALSE(DeleteDC(bad));
  EXPECT_FALSE(TextOut(bad, 0, 0, "x", 1));
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(CreatePen(99, 1, 0), nullptr);
  EXPECT_EQ(CreateBitmap(0, 5, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateHatchBrush(42, 0), nullptr);
  EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));  // stock objects stay alive
  EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), OBJ_BRUSH);
  HBITMAP selected = target.Bitmap;
  HDC other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(other, selected), nullptr);  // one context at a time
  DeleteDC(other);
  LOGPEN logPen;
  EXPECT_EQ(GetObject(GetStockObject(BLACK_PEN), sizeof logPen, &logPen),
            static_cast<int>(sizeof logPen));
  BITMAP info;
  EXPECT_EQ(GetObject(target.Bitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmBitsPixel, 32);
}

TEST(DrawingTest, RegionsCombine) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(5, 5, 15, 15);
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  TRect box;
  EXPECT_EQ(CombineRgn(result, a, b, RGN_AND), SIMPLEREGION);
  GetRgnBox(result, &box);
  EXPECT_EQ(box, (TRect{5, 5, 10, 10}));
  EXPECT_EQ(CombineRgn(result, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(result, 12, 12));
  EXPECT_FALSE(PtInRegion(result, 12, 2));
  EXPECT_EQ(CombineRgn(result, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(result, 7, 7));
  EXPECT_EQ(CombineRgn(result, a, b, RGN_XOR), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(result, 7, 7));
  EXPECT_TRUE(PtInRegion(result, 12, 12));
  EXPECT_EQ(CombineRgn(result, a, a, RGN_DIFF), NULLREGION);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(copy, a, nullptr, RGN_COPY);
  EXPECT_TRUE(EqualRgn(copy, a));
  OffsetRgn(copy, 1, 0);
  EXPECT_FALSE(EqualRgn(copy, a));
  EXPECT_EQ(CombineRgn(result, a, reinterpret_cast<HRGN>(0x99), RGN_AND), ERROR);
  for (HRGN r : {a, b, result, copy})
    DeleteObject(r);
}

namespace {
// An 8x8 pattern bitmap: white, with a red pixel at (0,0) and a black one at (1,0), so that
// the tile's phase can be read back.
HBITMAP MarkedTile() {
  uint32_t pixels[64];
  std::fill(std::begin(pixels), std::end(pixels), 0xFFFFFFu);
  pixels[0] = ColorRefToPixel(Red);
  pixels[1] = ColorRefToPixel(Black);
  return CreateBitmap(8, 8, 1, 32, pixels);
}

// The halftone of a splitter's tracking line: white where x + y is even, black elsewhere.
HBITMAP Halftone() {
  uint32_t pixels[64];
  for (int i = 0; i < 64; ++i)
    pixels[i] = ((i % 8 + i / 8) % 2) == 0 ? 0xFFFFFFu : 0u;
  return CreateBitmap(8, 8, 1, 32, pixels);
}
}  // namespace

TEST(DrawingTest, PatternBrushesTileFromTheBrushOriginInPatBltAndFills) {
  constexpr COLORREF Blue = RGB(0, 0, 255);
  HBITMAP tile = MarkedTile();
  HBRUSH brush = CreatePatternBrush(tile);
  DeleteObject(tile);
  for (bool fill : {false, true}) {
    TMemoryTarget target(24, 24, Blue);
    SelectObject(target.Dc, brush);
    SetBrushOrgEx(target.Dc, 3, 2, nullptr);
    const TRect rect{3, 2, 20, 19};
    if (fill)
      FillRect(target.Dc, &rect, brush);
    else
      ASSERT_TRUE(PatBlt(target.Dc, 3, 2, 17, 17, PATCOPY));
    // The tile's (0,0) lands on the brush origin and every eight pixels from it.
    EXPECT_EQ(Row(target, 2, 0, 24, Red), "...#.......#.......#....");
    EXPECT_EQ(Row(target, 2, 0, 24, Black), "....#.......#...........");
    EXPECT_EQ(Row(target, 10, 0, 24, Red), "...#.......#.......#....");
    EXPECT_EQ(Row(target, 18, 0, 24, Red), "...#.......#.......#....");
    EXPECT_EQ(Row(target, 3, 0, 24, White), "...#################....");
    // Guard pixels around the rectangle keep their colour.
    EXPECT_EQ(Row(target, 1, 0, 24, Blue), "########################");
    EXPECT_EQ(Row(target, 19, 0, 24, Blue), "########################");
    EXPECT_EQ(Column(target, 2, 0, 24, Blue), "########################");
    EXPECT_EQ(Column(target, 20, 0, 24, Blue), "########################");
    SelectObject(target.Dc, GetStockObject(WHITE_BRUSH));
  }
  DeleteObject(brush);
}

TEST(DrawingTest, AHalftonePatInvertDrawsDotsAndASecondOneErasesThem) {
  TMemoryTarget target(16, 12);
  target.Load(Reference::Noise(16, 12, 21));
  const TSurface original = target.Snapshot();
  HBITMAP tile = Halftone();
  HBRUSH brush = CreatePatternBrush(tile);
  DeleteObject(tile);
  SelectObject(target.Dc, brush);
  ASSERT_TRUE(PatBlt(target.Dc, 5, 1, 3, 10, PATINVERT));  // a splitter's tracking line
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 5 && x < 8 && y >= 1 && y < 11;
      const uint32_t before = original.GetPixel(x, y);
      const uint32_t expected = inside && (x + y) % 2 == 0 ? before ^ 0xFFFFFFu : before;
      EXPECT_EQ(target.Surface().GetPixel(x, y), expected) << x << "," << y;
    }
  PatBlt(target.Dc, 5, 1, 3, 10, PATINVERT);
  std::string difference;
  EXPECT_TRUE(Reference::SamePixels(target.Surface(), original, &difference)) << difference;
  SelectObject(target.Dc, GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
}
