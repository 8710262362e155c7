#include "graphics/DeviceContext.h"
#include "graphics/Gdi.h"
#include "graphics/GdiObject.h"

namespace {
int KindOf(const TRegion& region) {
  if (region.IsEmpty()) return NULLREGION;
  return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRect Ordered(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}
}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto region = std::make_unique<TGdiRegion>();
  region->Region.Add(Ordered(left, top, right, bottom));
  return static_cast<HRGN>(TGdiTable::Instance().Add(std::move(region)));
}

HRGN CreateRectRgnIndirect(const TRect* rect) {
  if (!rect) return nullptr;
  return CreateRectRgn(rect->Left, rect->Top, rect->Right, rect->Bottom);
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  TGdiRegion* target = FindRegion(region);
  if (!target) return FALSE;
  target->Region = TRegion(Ordered(left, top, right, bottom));
  return TRUE;
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
  TGdiRegion* target = FindRegion(dest);
  TGdiRegion* first = FindRegion(a);
  TGdiRegion* second = FindRegion(b);
  if (!target || !first || (mode != RGN_COPY && !second)) return ERROR;
  TRegion result = first->Region;
  switch (mode) {
    case RGN_AND:
      result.Intersect(second->Region);
      break;
    case RGN_OR:
      result.Add(second->Region);
      break;
    case RGN_XOR:
      result.Xor(second->Region);
      break;
    case RGN_DIFF:
      result.Subtract(second->Region);
      break;
    case RGN_COPY:
      break;
    default:
      return ERROR;
  }
  target->Region = std::move(result);
  return KindOf(target->Region);
}

int OffsetRgn(HRGN region, int dx, int dy) {
  TGdiRegion* target = FindRegion(region);
  if (!target) return ERROR;
  target->Region.Offset(dx, dy);
  return KindOf(target->Region);
}

int GetRgnBox(HRGN region, TRect* rect) {
  TGdiRegion* target = FindRegion(region);
  if (!target || !rect) return ERROR;
  *rect = target->Region.Bounds();
  return KindOf(target->Region);
}

BOOL PtInRegion(HRGN region, int x, int y) {
  TGdiRegion* target = FindRegion(region);
  return target && target->Region.Contains({x, y}) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const TRect* rect) {
  TGdiRegion* target = FindRegion(region);
  if (!target || !rect) return FALSE;
  TRegion overlap = target->Region;
  overlap.Intersect(*rect);
  return overlap.IsEmpty() ? FALSE : TRUE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
  TGdiRegion* first = FindRegion(a);
  TGdiRegion* second = FindRegion(b);
  return first && second && first->Region.SameArea(second->Region) ? TRUE : FALSE;
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush) {
  TGdiRegion* target = FindRegion(region);
  if (!target || !FindDC(dc) || !FindBrush(brush)) return FALSE;
  for (const TRect& rect : target->Region.Rects())
    FillRect(dc, &rect, brush);
  return TRUE;
}
