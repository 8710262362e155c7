#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "graphics/Region.h"
#include "graphics/Surface.h"

// Pixel-by-pixel, bit-by-bit versions of the drawing services' raster work: slow and plain, so
// that the fast paths can be checked against them. Every pixel is written only where clip
// (surface coordinates) contains it.
namespace Reference {
uint32_t Mix(int rop2, uint32_t pen, uint32_t dest);
uint32_t Rop3(uint8_t rop, uint32_t pattern, uint32_t source, uint32_t dest);
void Fill(TSurface& surface, const TRect& rect, uint32_t pixel, int rop2, const TRegion& clip);
// source may be dest itself: its pixels are read before any is written.
void Blit(TSurface& dest, const TRect& rect, const TSurface* source, TPoint sourceOrigin,
          const std::function<uint32_t(int x, int y)>& pattern, uint8_t rop, const TRegion& clip);
// The pixels of a one-pixel line without its end point: along the longer axis one pixel per
// step, the other coordinate the exact one rounded half towards the end point.
void Line(TSurface& surface, TPoint from, TPoint to, uint32_t pixel, int rop2, const TRegion& clip);

// A surface of pseudo-random pixels.
TSurface Noise(int width, int height, uint32_t seed);
// Whether two surfaces hold the same pixels; reports the first difference.
bool SamePixels(const TSurface& a, const TSurface& b, std::string* difference = nullptr);
}  // namespace Reference
