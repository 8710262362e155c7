#pragma once

#include <cstdint>

#include "graphics/Surface.h"
#include "types/Rect.h"

// The pixel loops under every drawing operation. Callers clip first: every rectangle passed
// here lies inside its surface. Mix modes are the R2_* binary operations of pen and
// destination; raster operations are the ternary ones of BitBlt (the ROP's index byte).

// A brush as the raster loops see it: one colour, or an 8x8 tile of pixels repeated across
// the surface from Origin. Hatches and pattern bitmaps both become tiles. Fills paint only the
// tile pixels that Mask marks (a hatch over a transparent background leaves its gaps alone);
// raster operations use every pixel of the tile.
struct TBrushPattern {
  bool Solid = true;
  uint32_t Color = 0;  // pixel value of a solid brush
  uint32_t Tile[8][8] = {};
  uint8_t Mask[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};  // bit 7 is the leftmost
  TPoint Origin;  // the surface point where the tile's pixel (0,0) lies

  int Column(int x) const { return (x - Origin.X) & 7; }
  const uint32_t* TileRow(int y) const { return Tile[(y - Origin.Y) & 7]; }
  uint8_t MaskRow(int y) const { return Mask[(y - Origin.Y) & 7]; }
  uint32_t PixelAt(int x, int y) const { return Solid ? Color : TileRow(y)[Column(x)]; }
  bool PaintsAt(int x, int y) const { return Solid || ((MaskRow(y) >> (7 - Column(x))) & 1); }
};

namespace Raster {
// The result of mix mode rop2 (R2_BLACK .. R2_WHITE) for pen pixel pen over dest.
uint32_t Mix(int rop2, uint32_t pen, uint32_t dest);
// The result of the raster operation with index byte rop over pattern, source and destination.
uint32_t Rop3(uint8_t rop, uint32_t pattern, uint32_t source, uint32_t dest);
// The index byte of a raster operation code such as SRCCOPY.
constexpr uint8_t RopIndex(uint32_t rop) {
  return static_cast<uint8_t>((rop >> 16) & 0xFF);
}
// Whether the operation reads the source, the pattern or the destination.
bool RopUsesSource(uint8_t rop);
bool RopUsesPattern(uint8_t rop);

// Fills rect with one pixel value.
void FillSolid(TSurface& surface, const TRect& rect, uint32_t pixel);
// Mixes one pixel value over rect with mix mode rop2.
void MixSolid(TSurface& surface, const TRect& rect, uint32_t pixel, int rop2);
// Paints rect with a brush through mix mode rop2.
void MixBrush(TSurface& surface, const TRect& rect, const TBrushPattern& brush, int rop2);
// Combines pattern, the source pixels at srcOrigin and the destination over destRect with the
// raster operation. source may be dest itself, with overlapping areas; it may be null when the
// operation does not read it.
void Blit(TSurface& dest, const TRect& destRect, const TSurface* source, TPoint srcOrigin,
          const TBrushPattern& pattern, uint8_t rop);
}  // namespace Raster
