#include "RasterReference.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace Reference {

uint32_t Mix(int rop2, uint32_t pen, uint32_t dest) {
  uint32_t result = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const int p = (pen >> bit) & 1, d = (dest >> bit) & 1;
    result |= static_cast<uint32_t>(((rop2 - 1) >> (p * 2 + d)) & 1) << bit;
  }
  return result;
}

uint32_t Rop3(uint8_t rop, uint32_t pattern, uint32_t source, uint32_t dest) {
  uint32_t result = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const int p = (pattern >> bit) & 1, s = (source >> bit) & 1, d = (dest >> bit) & 1;
    result |= static_cast<uint32_t>((rop >> (p * 4 + s * 2 + d)) & 1) << bit;
  }
  return result;
}

void Fill(TSurface& surface, const TRect& rect, uint32_t pixel, int rop2, const TRegion& clip) {
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (surface.Contains(x, y) && clip.Contains({x, y}))
        surface.SetPixel(x, y, Mix(rop2, pixel, surface.GetPixel(x, y)));
}

void Blit(TSurface& dest, const TRect& rect, const TSurface* source, TPoint sourceOrigin,
          const std::function<uint32_t(int, int)>& pattern, uint8_t rop, const TRegion& clip) {
  std::vector<uint32_t> copy;
  if (source) {
    for (int y = 0; y < rect.Height(); ++y)
      for (int x = 0; x < rect.Width(); ++x) {
        const int sx = sourceOrigin.X + x, sy = sourceOrigin.Y + y;
        copy.push_back(source->Contains(sx, sy) ? source->GetPixel(sx, sy) : 0xFFFFFFFF);
      }
  }
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x) {
      if (!dest.Contains(x, y) || !clip.Contains({x, y})) continue;
      uint32_t s = 0;
      if (source) {
        s = copy[static_cast<size_t>(y - rect.Top) * rect.Width() + (x - rect.Left)];
        if (s == 0xFFFFFFFF) continue;  // no source pixel: nothing is copied
      }
      dest.SetPixel(x, y, Rop3(rop, pattern ? pattern(x, y) : 0, s, dest.GetPixel(x, y)));
    }
}

void Line(TSurface& surface, TPoint from, TPoint to, uint32_t pixel, int rop2,
          const TRegion& clip) {
  const int dx = to.X - from.X, dy = to.Y - from.Y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < steps; ++i) {
    // Rounds i * d / steps half away from the start, in integers.
    auto along = [&](int d) {
      const int magnitude = (2 * i * std::abs(d) + steps) / (2 * steps);
      return d < 0 ? -magnitude : magnitude;
    };
    const int x = from.X + along(dx), y = from.Y + along(dy);
    if (surface.Contains(x, y) && clip.Contains({x, y}))
      surface.SetPixel(x, y, Mix(rop2, pixel, surface.GetPixel(x, y)));
  }
}

TSurface Noise(int width, int height, uint32_t seed) {
  TSurface surface(width, height);
  uint32_t state = seed * 2654435761u + 1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      state = state * 1664525u + 1013904223u;
      surface.SetPixel(x, y, (state >> 8) & 0xFFFFFF);
    }
  return surface;
}

bool SamePixels(const TSurface& a, const TSurface& b, std::string* difference) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) {
    if (difference) *difference = "sizes differ";
    return false;
  }
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
        if (difference) {
          char text[96];
          std::snprintf(text, sizeof text, "(%d,%d): %06X instead of %06X", x, y, a.GetPixel(x, y),
                        b.GetPixel(x, y));
          *difference = text;
        }
        return false;
      }
  return true;
}

}  // namespace Reference
