#include "graphics/Region.h"

#include <algorithm>
#include <cstddef>

namespace {
// Appends the parts of rect outside cut (up to four bands).
void AppendDifference(std::vector<TRect>& out, const TRect& rect, const TRect& cut) {
  const TRect overlap = rect.Intersect(cut);
  if (overlap.IsEmpty()) {
    out.push_back(rect);
    return;
  }
  if (rect.Top < overlap.Top) out.push_back({rect.Left, rect.Top, rect.Right, overlap.Top});
  if (overlap.Bottom < rect.Bottom)
    out.push_back({rect.Left, overlap.Bottom, rect.Right, rect.Bottom});
  if (rect.Left < overlap.Left)
    out.push_back({rect.Left, overlap.Top, overlap.Left, overlap.Bottom});
  if (overlap.Right < rect.Right)
    out.push_back({overlap.Right, overlap.Top, rect.Right, overlap.Bottom});
}

bool TryJoin(TRect& a, const TRect& b) {
  if (a.Left == b.Left && a.Right == b.Right && (a.Bottom == b.Top || b.Bottom == a.Top)) {
    a = {a.Left, std::min(a.Top, b.Top), a.Right, std::max(a.Bottom, b.Bottom)};
    return true;
  }
  if (a.Top == b.Top && a.Bottom == b.Bottom && (a.Right == b.Left || b.Right == a.Left)) {
    a = {std::min(a.Left, b.Left), a.Top, std::max(a.Right, b.Right), a.Bottom};
    return true;
  }
  return false;
}
}  // namespace

TRect TRegion::Bounds() const {
  if (FRects.empty()) return {};
  TRect bounds = FRects.front();
  for (const TRect& r : FRects) {
    bounds.Left = std::min(bounds.Left, r.Left);
    bounds.Top = std::min(bounds.Top, r.Top);
    bounds.Right = std::max(bounds.Right, r.Right);
    bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
  }
  return bounds;
}

bool TRegion::Contains(TPoint point) const {
  return std::any_of(FRects.begin(), FRects.end(),
                     [&](const TRect& r) { return r.Contains(point); });
}

bool TRegion::SameArea(const TRegion& other) const {
  TRegion a = *this;
  a.Subtract(other);
  TRegion b = other;
  b.Subtract(*this);
  return a.IsEmpty() && b.IsEmpty();
}

void TRegion::Add(const TRect& rect) {
  if (rect.IsEmpty()) return;
  std::vector<TRect> pieces{rect};
  for (const TRect& existing : FRects) {
    std::vector<TRect> remaining;
    for (const TRect& piece : pieces)
      AppendDifference(remaining, piece, existing);
    pieces.swap(remaining);
    if (pieces.empty()) return;
  }
  FRects.insert(FRects.end(), pieces.begin(), pieces.end());
  Coalesce();
}

void TRegion::Add(const TRegion& other) {
  for (const TRect& r : other.FRects)
    Add(r);
}

void TRegion::Subtract(const TRect& rect) {
  if (rect.IsEmpty() || FRects.empty()) return;
  std::vector<TRect> result;
  result.reserve(FRects.size() + 4);
  for (const TRect& r : FRects)
    AppendDifference(result, r, rect);
  FRects.swap(result);
  Coalesce();
}

void TRegion::Subtract(const TRegion& other) {
  for (const TRect& r : other.FRects)
    Subtract(r);
}

void TRegion::Intersect(const TRect& rect) {
  std::vector<TRect> result;
  for (const TRect& r : FRects) {
    const TRect overlap = r.Intersect(rect);
    if (!overlap.IsEmpty()) result.push_back(overlap);
  }
  FRects.swap(result);
}

void TRegion::Intersect(const TRegion& other) {
  std::vector<TRect> result;
  for (const TRect& a : FRects)
    for (const TRect& b : other.FRects) {
      const TRect overlap = a.Intersect(b);
      if (!overlap.IsEmpty()) result.push_back(overlap);
    }
  FRects.swap(result);
  Coalesce();
}

void TRegion::Xor(const TRegion& other) {
  TRegion onlyOther = other;
  onlyOther.Subtract(*this);
  Subtract(other);
  Add(onlyOther);
}

void TRegion::Offset(int dx, int dy) {
  for (TRect& r : FRects)
    r = r.Offset(dx, dy);
}

void TRegion::Coalesce() {
  bool joined = true;
  while (joined && FRects.size() > 1) {
    joined = false;
    for (size_t i = 0; i < FRects.size() && !joined; ++i)
      for (size_t j = i + 1; j < FRects.size(); ++j)
        if (TryJoin(FRects[i], FRects[j])) {
          FRects.erase(FRects.begin() + static_cast<ptrdiff_t>(j));
          joined = true;
          break;
        }
  }
}
