#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GdiTestSupport.h"
#include "RasterReference.h"
#include "graphics/Raster.h"

// The fast paths of fills, blits and lines against the reference, pixel for pixel.

namespace {
constexpr int Width = 48;
constexpr int Height = 40;

struct TRandom {
  uint32_t State;
  int Next(int limit) {
    State = State * 1103515245u + 12345u;
    return static_cast<int>((State >> 16) % static_cast<uint32_t>(limit));
  }
  TRect Rect() {
    const int left = Next(Width + 10) - 5, top = Next(Height + 10) - 5;
    return {left, top, left + Next(30) + 1, top + Next(30) + 1};
  }
};

constexpr DWORD StandardRops[] = {SRCCOPY,    SRCPAINT,    SRCAND,    SRCINVERT,  SRCERASE,
                                  NOTSRCCOPY, NOTSRCERASE, MERGECOPY, MERGEPAINT, PATCOPY,
                                  PATPAINT,   PATINVERT,   DSTINVERT, BLACKNESS,  WHITENESS};

TRegion Everything() {
  return TRegion({0, 0, Width, Height});
}

// Two overlapping clip rectangles: a region of several rectangles.
TRegion TwoBands(HDC dc) {
  HRGN a = CreateRectRgn(3, 4, 30, 20);
  HRGN b = CreateRectRgn(15, 10, 44, 36);
  CombineRgn(a, a, b, RGN_OR);
  SelectClipRgn(dc, a);
  TRegion region = FindRegion(a)->Region;
  DeleteObject(a);
  DeleteObject(b);
  return region;
}

#define EXPECT_SAME_PIXELS(actual, expected)                                         \
  do {                                                                               \
    std::string difference;                                                          \
    EXPECT_TRUE(Reference::SamePixels(actual, expected, &difference)) << difference; \
  } while (0)
}  // namespace

TEST(RasterTest, MixModesAndRopsAgreeWithTheTruthTables) {
  for (int rop2 = R2_BLACK; rop2 <= R2_WHITE; ++rop2)
    for (uint32_t pen : {0x000000u, 0xFFFFFFu, 0x12A5F0u})
      for (uint32_t dest : {0x000000u, 0xFFFFFFu, 0x0F5A3Cu})
        EXPECT_EQ(Raster::Mix(rop2, pen, dest), Reference::Mix(rop2, pen, dest)) << rop2;
  for (int rop = 0; rop < 256; ++rop)
    EXPECT_EQ(Raster::Rop3(static_cast<uint8_t>(rop), 0x123456, 0xABCDEF, 0x0F0F0F),
              Reference::Rop3(static_cast<uint8_t>(rop), 0x123456, 0xABCDEF, 0x0F0F0F));
  EXPECT_TRUE(Raster::RopUsesSource(Raster::RopIndex(SRCCOPY)));
  EXPECT_FALSE(Raster::RopUsesSource(Raster::RopIndex(PATCOPY)));
  EXPECT_TRUE(Raster::RopUsesPattern(Raster::RopIndex(MERGECOPY)));
  EXPECT_FALSE(Raster::RopUsesPattern(Raster::RopIndex(SRCINVERT)));
}

TEST(RasterTest, FillsMatchTheReference) {
  TRandom random{7};
  TMemoryTarget target(Width, Height);
  target.Load(Reference::Noise(Width, Height, 1));
  TSurface expected = target.Snapshot();
  SelectObject(target.Dc, GetStockObject(NULL_PEN));
  for (int round = 0; round < 60; ++round) {
    const TRect rect = random.Rect();
    const COLORREF color = RGB(random.Next(256), random.Next(256), random.Next(256));
    const int rop2 = R2_BLACK + random.Next(16);
    HBRUSH brush = CreateSolidBrush(color);
    if (round % 2) {
      FillRect(target.Dc, &rect, brush);  // ignores the mix mode
      Reference::Fill(expected, rect, ColorRefToPixel(color), R2_COPYPEN, Everything());
    } else {
      // Without a pen, Rectangle fills one pixel less to the right and bottom, mixing.
      HGDIOBJ old = SelectObject(target.Dc, brush);
      SetROP2(target.Dc, rop2);
      Rectangle(target.Dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
      SelectObject(target.Dc, old);
      Reference::Fill(expected, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1},
                      ColorRefToPixel(color), rop2, Everything());
    }
    DeleteObject(brush);
  }
  EXPECT_SAME_PIXELS(target.Surface(), expected);
}

namespace {
enum class TBrushKind { Solid, Hatched, Pattern };

// A brush of each kind with the reference's view of its pixels. Hatches show the context's
// background colour between their lines; pattern brushes tile their bitmap from the brush
// origin.
class TTestBrush {
 public:
  static constexpr COLORREF Color = RGB(200, 30, 90);
  static constexpr COLORREF Background = RGB(10, 220, 5);

  TTestBrush(TBrushKind kind, TPoint origin) : FKind(kind), FOrigin(origin), FTile(8, 8) {
    FTile = Reference::Noise(8, 8, 12);
    if (kind == TBrushKind::Pattern) {
      HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, FTile.Memory());
      Handle = CreatePatternBrush(bitmap);
      DeleteObject(bitmap);  // the brush keeps its own copy
    } else {
      Handle = kind == TBrushKind::Hatched ? CreateHatchBrush(HS_DIAGCROSS, Color)
                                           : CreateSolidBrush(Color);
    }
  }
  ~TTestBrush() { DeleteObject(Handle); }

  void SelectInto(HDC dc) const {
    SelectObject(dc, Handle);
    SetBkColor(dc, Background);
    SetBrushOrgEx(dc, FOrigin.X, FOrigin.Y, nullptr);
  }
  uint32_t Pixel(int x, int y) const {
    switch (FKind) {
      case TBrushKind::Solid:
        return ColorRefToPixel(Color);
      case TBrushKind::Hatched:
        return OnHatchLine(x, y) ? ColorRefToPixel(Color) : ColorRefToPixel(Background);
      case TBrushKind::Pattern:
        return FTile.GetPixel((x - FOrigin.X) & 7, (y - FOrigin.Y) & 7);
    }
    return 0;
  }
  // Whether a fill paints (x, y) when the background mode is transparent.
  bool PaintsOverTransparency(int x, int y) const {
    return FKind != TBrushKind::Hatched || OnHatchLine(x, y);
  }

  HBRUSH Handle = nullptr;

 private:
  TBrushKind FKind;
  TPoint FOrigin;
  TSurface FTile;

  // The diagonal cross: both diagonals of each 8x8 cell.
  bool OnHatchLine(int x, int y) const {
    const int column = (x - FOrigin.X) & 7, row = (y - FOrigin.Y) & 7;
    return column == row || column == 7 - row;
  }
};
}  // namespace

TEST(RasterTest, BlitsMatchTheReferenceForEveryStandardOperationAndBrush) {
  TRandom random{11};
  TMemoryTarget source(Width, Height);
  source.Load(Reference::Noise(Width, Height, 2));
  for (TBrushKind kind : {TBrushKind::Solid, TBrushKind::Hatched, TBrushKind::Pattern})
    for (DWORD rop : StandardRops) {
      TMemoryTarget target(Width, Height);
      target.Load(Reference::Noise(Width, Height, 3));
      TSurface expected = target.Snapshot();
      const TTestBrush brush(kind, {3, 5});
      brush.SelectInto(target.Dc);
      SetBkMode(target.Dc, TRANSPARENT);  // raster operations use the whole pattern anyway
      auto pattern = [&](int x, int y) { return brush.Pixel(x, y); };
      for (int round = 0; round < 8; ++round) {
        const TRect rect = random.Rect();
        const TPoint from{random.Next(Width) - 4, random.Next(Height) - 4};
        BitBlt(target.Dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Dc, from.X,
               from.Y, rop);
        const bool usesSource = Raster::RopUsesSource(Raster::RopIndex(rop));
        Reference::Blit(expected, rect, usesSource ? &source.Surface() : nullptr, from, pattern,
                        Raster::RopIndex(rop), Everything());
      }
      SelectObject(target.Dc, GetStockObject(WHITE_BRUSH));
      EXPECT_SAME_PIXELS(target.Surface(), expected);
    }
}

TEST(RasterTest, PatternedFillsMatchTheReferenceAndLeaveHatchGapsWhenTransparent) {
  for (TBrushKind kind : {TBrushKind::Hatched, TBrushKind::Pattern})
    for (int mode : {OPAQUE, TRANSPARENT}) {
      TRandom random{static_cast<uint32_t>(13 + mode)};
      TMemoryTarget target(Width, Height);
      target.Load(Reference::Noise(Width, Height, 8));
      TSurface expected = target.Snapshot();
      const TTestBrush brush(kind, {-2, 7});
      brush.SelectInto(target.Dc);
      SetBkMode(target.Dc, mode);
      SelectObject(target.Dc, GetStockObject(NULL_PEN));
      const TRegion clip = TwoBands(target.Dc);
      for (int round = 0; round < 12; ++round) {
        const TRect rect = random.Rect();
        const int rop2 = round % 2 ? R2_COPYPEN : R2_BLACK + random.Next(16);
        SetROP2(target.Dc, rop2);
        Rectangle(target.Dc, rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1);
        for (int y = rect.Top; y < rect.Bottom; ++y)
          for (int x = rect.Left; x < rect.Right; ++x) {
            if (mode == OPAQUE || brush.PaintsOverTransparency(x, y))
              Reference::Fill(expected, Bounds(x, y, 1, 1), brush.Pixel(x, y), rop2, clip);
          }
      }
      SelectObject(target.Dc, GetStockObject(WHITE_BRUSH));
      EXPECT_SAME_PIXELS(target.Surface(), expected);
    }
}

TEST(RasterTest, OverlappingBlitsOnOneSurfaceReadBeforeTheyWrite) {
  for (bool clipped : {false, true})
    for (TPoint shift : {TPoint{5, 3}, TPoint{-4, -6}, TPoint{7, -2}, TPoint{0, 9}}) {
      TMemoryTarget target(Width, Height);
      target.Load(Reference::Noise(Width, Height, 4));
      TSurface expected = target.Snapshot();
      const TRegion clip = clipped ? TwoBands(target.Dc) : Everything();
      const TRect rect = Bounds(10 + shift.X, 10 + shift.Y, 25, 20);
      for (DWORD rop : {SRCCOPY, SRCINVERT}) {
        BitBlt(target.Dc, rect.Left, rect.Top, 25, 20, target.Dc, 10, 10, rop);
        Reference::Blit(expected, rect, &expected, {10, 10}, nullptr, Raster::RopIndex(rop), clip);
      }
      EXPECT_SAME_PIXELS(target.Surface(), expected);
    }
}

TEST(RasterTest, LinesMatchTheReference) {
  TRandom random{5};
  for (bool clipped : {false, true})
    for (int rop2 : {R2_COPYPEN, R2_XORPEN, R2_MASKPEN}) {
      TMemoryTarget target(Width, Height);
      target.Load(Reference::Noise(Width, Height, 6));
      TSurface expected = target.Snapshot();
      const TRegion clip = clipped ? TwoBands(target.Dc) : Everything();
      HPEN pen = CreatePen(PS_SOLID, 1, RGB(250, 128, 3));
      HGDIOBJ old = SelectObject(target.Dc, pen);
      SetROP2(target.Dc, rop2);
      for (int round = 0; round < 80; ++round) {
        TPoint from{random.Next(Width + 20) - 10, random.Next(Height + 20) - 10};
        TPoint to{random.Next(Width + 20) - 10, random.Next(Height + 20) - 10};
        if (round % 4 == 1) to.Y = from.Y;  // horizontal and vertical lines take the fast path
        if (round % 4 == 2) to.X = from.X;
        MoveToEx(target.Dc, from.X, from.Y, nullptr);
        LineTo(target.Dc, to.X, to.Y);
        Reference::Line(expected, from, to, ColorRefToPixel(RGB(250, 128, 3)), rop2, clip);
      }
      SelectObject(target.Dc, old);
      DeleteObject(pen);
      EXPECT_SAME_PIXELS(target.Surface(), expected);
    }
}
