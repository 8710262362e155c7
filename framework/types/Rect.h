#pragma once

#include <cstdint>

#include "types/WinTypes.h"

// Points, sizes and rectangles of the window system, used by everyone above it. A rectangle
// holds its left and top edges and excludes its right and bottom ones.

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;

  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;

  bool operator==(const TSize&) const = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  // No area: zero or negative width or height.
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint point) const {
    return point.X >= Left && point.X < Right && point.Y >= Top && point.Y < Bottom;
  }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  // The part shared with other; an empty rectangle at (0,0,0,0) when there is none.
  TRect Intersect(const TRect& other) const;
  TRect Offset(int32_t dx, int32_t dy) const {
    return {Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  TRect Inflate(int32_t dx, int32_t dy) const {
    return {Left - dx, Top - dy, Right + dx, Bottom + dy};
  }

  bool operator==(const TRect&) const = default;
};

using POINT = TPoint;
using SIZE = TSize;
using RECT = TRect;

inline TPoint Point(int32_t x, int32_t y) {
  return {x, y};
}
inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return {left, top, right, bottom};
}
inline TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  return {left, top, left + width, top + height};
}
// The point packed into a message's lParam, and back.
inline TPoint PointFromLParam(LPARAM value) {
  return {GET_X_LPARAM(value), GET_Y_LPARAM(value)};
}
inline LPARAM PointToLParam(TPoint point) {
  return MAKELPARAM(static_cast<WORD>(point.X), static_cast<WORD>(point.Y));
}

// The platform's rectangle routines. Those returning BOOL answer FALSE for a null argument, and
// IntersectRect and UnionRect also when the result is empty.
BOOL SetRect(TRect* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(TRect* rect);
BOOL CopyRect(TRect* dest, const TRect* source);
BOOL IsRectEmpty(const TRect* rect);
BOOL EqualRect(const TRect* a, const TRect* b);
BOOL PtInRect(const TRect* rect, TPoint point);
BOOL OffsetRect(TRect* rect, int dx, int dy);
BOOL InflateRect(TRect* rect, int dx, int dy);
BOOL IntersectRect(TRect* dest, const TRect* a, const TRect* b);
// The smallest rectangle holding both; an empty argument does not count.
BOOL UnionRect(TRect* dest, const TRect* a, const TRect* b);
