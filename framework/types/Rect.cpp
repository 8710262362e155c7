#include "types/Rect.h"

#include <algorithm>

TRect TRect::Intersect(const TRect& other) const {
  TRect result{std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
               std::min(Bottom, other.Bottom)};
  return result.IsEmpty() ? TRect{} : result;
}

BOOL SetRect(TRect* rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  *rect = {left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(TRect* rect) {
  return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(TRect* dest, const TRect* source) {
  if (!dest || !source) return FALSE;
  *dest = *source;
  return TRUE;
}

BOOL IsRectEmpty(const TRect* rect) {
  return !rect || rect->IsEmpty();
}

BOOL EqualRect(const TRect* a, const TRect* b) {
  return a && b && *a == *b;
}

BOOL PtInRect(const TRect* rect, TPoint point) {
  return rect && rect->Contains(point);
}

BOOL OffsetRect(TRect* rect, int dx, int dy) {
  if (!rect) return FALSE;
  *rect = rect->Offset(dx, dy);
  return TRUE;
}

BOOL InflateRect(TRect* rect, int dx, int dy) {
  if (!rect) return FALSE;
  *rect = rect->Inflate(dx, dy);
  return TRUE;
}

BOOL IntersectRect(TRect* dest, const TRect* a, const TRect* b) {
  if (!dest || !a || !b) return FALSE;
  *dest = a->Intersect(*b);
  return !dest->IsEmpty();
}

BOOL UnionRect(TRect* dest, const TRect* a, const TRect* b) {
  if (!dest || !a || !b) return FALSE;
  if (a->IsEmpty()) {
    *dest = b->IsEmpty() ? TRect{} : *b;
  } else if (b->IsEmpty()) {
    *dest = *a;
  } else {
    *dest = {std::min(a->Left, b->Left), std::min(a->Top, b->Top), std::max(a->Right, b->Right),
             std::max(a->Bottom, b->Bottom)};
  }
  return !dest->IsEmpty();
}
