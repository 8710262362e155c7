#include "graphics/Raster.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/GdiTypes.h"

namespace {
constexpr uint32_t PixelMask = 0x00FFFFFF;

// Each mix mode is a truth table over pen bit P and destination bit D: bit (P*2 + D) of
// (rop2 - 1) is the result.
uint32_t MixBits(int table, uint32_t p, uint32_t d) {
  uint32_t result = 0;
  if (table & 1) result |= ~p & ~d;
  if (table & 2) result |= ~p & d;
  if (table & 4) result |= p & ~d;
  if (table & 8) result |= p & d;
  return result & PixelMask;
}

// The fill under every solid fill; wide vector stores where the processor has them.
__attribute__((target_clones("avx2", "default"))) void FillPixels(uint32_t* pixels, size_t count,
                                                                  uint32_t pixel) {
  for (size_t i = 0; i < count; ++i)
    pixels[i] = pixel;
}

void MixSpan(uint32_t* row, int count, uint32_t pixel, int rop2) {
  switch (rop2) {
    case R2_COPYPEN:
      FillPixels(row, static_cast<size_t>(count), pixel);
      return;
    case R2_XORPEN:
      for (int i = 0; i < count; ++i)
        row[i] ^= pixel;
      return;
    case R2_NOT:
      for (int i = 0; i < count; ++i)
        row[i] = ~row[i] & PixelMask;
      return;
    case R2_NOP:
      return;
    default:
      for (int i = 0; i < count; ++i)
        row[i] = Raster::Mix(rop2, pixel, row[i]);
  }
}

// Calls op(dest pixel, tile pixel, tile column) along one row of a patterned rect, the tile's
// phase taken from the pattern's origin.
template <typename PixelOp>
void ForEachTilePixel(uint32_t* row, int left, int width, const TBrushPattern& pattern, int y,
                      PixelOp op) {
  const uint32_t* tile = pattern.TileRow(y);
  int column = pattern.Column(left);
  for (int i = 0; i < width; ++i) {
    op(row[left + i], tile[column], column);
    column = (column + 1) & 7;
  }
}

// Rows copied top-down unless the source lies below the destination in the same surface.
template <typename RowOp>
void ForEachBlitRow(TSurface& dest, const TRect& destRect, const TSurface* source, TPoint srcOrigin,
                    RowOp op) {
  const int height = destRect.Height();
  const bool bottomUp = source == &dest && srcOrigin.Y < destRect.Top;
  for (int i = 0; i < height; ++i) {
    const int row = bottomUp ? height - 1 - i : i;
    op(dest.Row(destRect.Top + row) + destRect.Left,
       source ? source->Row(srcOrigin.Y + row) + srcOrigin.X : nullptr, destRect.Top + row);
  }
}
}  // namespace

namespace Raster {

uint32_t Mix(int rop2, uint32_t pen, uint32_t dest) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) rop2 = R2_COPYPEN;
  return MixBits(rop2 - 1, pen, dest);
}

uint32_t Rop3(uint8_t rop, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t result = 0;
  for (int term = 0; term < 8; ++term) {
    if (!((rop >> term) & 1)) continue;
    result |= ((term & 4) ? p : ~p) & ((term & 2) ? s : ~s) & ((term & 1) ? d : ~d);
  }
  return result & PixelMask;
}

// The operation ignores an input when swapping that input's bit never changes the result.
bool RopUsesSource(uint8_t rop) {
  return ((rop >> 2) & 0x33) != (rop & 0x33);
}
bool RopUsesPattern(uint8_t rop) {
  return ((rop >> 4) & 0x0F) != (rop & 0x0F);
}

void FillSolid(TSurface& surface, const TRect& rect, uint32_t pixel) {
  const int width = rect.Width();
  if (width <= 0 || rect.Height() <= 0) return;
  // Whole rows of a top-down surface are one run of memory.
  if (width == surface.Width() && surface.Stride() == width)
    return FillPixels(surface.Row(rect.Top), static_cast<size_t>(width) * rect.Height(), pixel);
  for (int y = rect.Top; y < rect.Bottom; ++y)
    FillPixels(surface.Row(y) + rect.Left, width, pixel);
}

void MixSolid(TSurface& surface, const TRect& rect, uint32_t pixel, int rop2) {
  const int width = rect.Width();
  if (width <= 0) return;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    MixSpan(surface.Row(y) + rect.Left, width, pixel, rop2);
}

void MixBrush(TSurface& surface, const TRect& rect, const TBrushPattern& brush, int rop2) {
  if (brush.Solid) return MixSolid(surface, rect, brush.Color, rop2);
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    const uint8_t mask = brush.MaskRow(y);
    ForEachTilePixel(surface.Row(y), rect.Left, rect.Width(), brush, y,
                     [&](uint32_t& d, uint32_t p, int column) {
                       if ((mask >> (7 - column)) & 1) d = Mix(rop2, p, d);
                     });
  }
}

void Blit(TSurface& dest, const TRect& destRect, const TSurface* source, TPoint srcOrigin,
          const TBrushPattern& pattern, uint8_t rop) {
  const int width = destRect.Width();
  if (width <= 0 || destRect.Height() <= 0) return;
  const bool usesSource = RopUsesSource(rop);
  if (usesSource && !source) return;
  if (!usesSource) source = nullptr;

  switch (rop) {
    case RopIndex(BLACKNESS):
      return FillSolid(dest, destRect, 0);
    case RopIndex(WHITENESS):
      return FillSolid(dest, destRect, PixelMask);
    case RopIndex(DSTINVERT):
      return MixSolid(dest, destRect, 0, R2_NOT);
    case RopIndex(PATCOPY):
      if (pattern.Solid) return FillSolid(dest, destRect, pattern.Color);
      for (int y = destRect.Top; y < destRect.Bottom; ++y)
        ForEachTilePixel(dest.Row(y), destRect.Left, width, pattern, y,
                         [](uint32_t& d, uint32_t p, int) { d = p; });
      return;
    case RopIndex(PATINVERT):
      if (pattern.Solid) return MixSolid(dest, destRect, pattern.Color, R2_XORPEN);
      for (int y = destRect.Top; y < destRect.Bottom; ++y)
        ForEachTilePixel(dest.Row(y), destRect.Left, width, pattern, y,
                         [](uint32_t& d, uint32_t p, int) { d ^= p; });
      return;
    case RopIndex(SRCCOPY):
      return ForEachBlitRow(dest, destRect, source, srcOrigin,
                            [width](uint32_t* d, const uint32_t* s, int) {
                              std::memmove(d, s, static_cast<size_t>(width) * sizeof(uint32_t));
                            });
    case RopIndex(SRCINVERT):
      if (source != &dest)
        return ForEachBlitRow(dest, destRect, source, srcOrigin,
                              [width](uint32_t* d, const uint32_t* s, int) {
                                for (int i = 0; i < width; ++i)
                                  d[i] ^= s[i];
                              });
      break;
    case RopIndex(SRCAND):
      if (source != &dest)
        return ForEachBlitRow(dest, destRect, source, srcOrigin,
                              [width](uint32_t* d, const uint32_t* s, int) {
                                for (int i = 0; i < width; ++i)
                                  d[i] &= s[i];
                              });
      break;
    case RopIndex(SRCPAINT):
      if (source != &dest)
        return ForEachBlitRow(dest, destRect, source, srcOrigin,
                              [width](uint32_t* d, const uint32_t* s, int) {
                                for (int i = 0; i < width; ++i)
                                  d[i] |= s[i];
                              });
      break;
    default:
      break;
  }

  // The general case, with the source row copied first so that overlapping blits read
  // pixels before they are overwritten.
  std::vector<uint32_t> sourceRow(source ? width : 0);
  ForEachBlitRow(dest, destRect, source, srcOrigin, [&](uint32_t* d, const uint32_t* s, int y) {
    if (s) std::copy_n(s, width, sourceRow.data());
    for (int i = 0; i < width; ++i) {
      d[i] = Rop3(rop, pattern.PixelAt(destRect.Left + i, y), s ? sourceRow[i] : 0, d[i]);
    }
  });
}

}  // namespace Raster
