#pragma once

#include <vector>

#include "types/Rect.h"

// An area of pixels made of disjoint rectangles: update regions, visible regions of windows
// and clip regions of device contexts.
class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& rect) { Add(rect); }

  bool IsEmpty() const { return FRects.empty(); }
  const std::vector<TRect>& Rects() const { return FRects; }
  // The smallest rectangle around the region; empty for an empty region.
  TRect Bounds() const;
  bool Contains(TPoint point) const;
  // Covers the same pixels.
  bool SameArea(const TRegion& other) const;

  void Clear() { FRects.clear(); }
  void Add(const TRect& rect);
  void Add(const TRegion& other);
  void Subtract(const TRect& rect);
  void Subtract(const TRegion& other);
  void Intersect(const TRect& rect);
  void Intersect(const TRegion& other);
  void Xor(const TRegion& other);
  void Offset(int dx, int dy);

 private:
  // Joins rectangles that share a whole edge, keeping the list short.
  void Coalesce();

  std::vector<TRect> FRects;
};
