#include <algorithm>
#include <cstdlib>
#include <vector>

#include "graphics/DeviceContext.h"
#include "graphics/Gdi.h"
#include "graphics/Raster.h"
#include "types/SysColors.h"

namespace {
// Dash lengths of the styled cosmetic pens, alternating on and off, in pixels.
struct TDashes {
  int Count;
  int Lengths[6];
};
constexpr TDashes DashStyles[] = {
    {0, {}},                  // solid
    {2, {6, 2}},              // dash
    {2, {1, 1}},              // dot: every other pixel
    {4, {6, 2, 2, 2}},        // dash dot
    {6, {6, 2, 2, 2, 2, 2}},  // dash dot dot
};

// Where a styled line is in its dash pattern.
class TDashCursor {
 public:
  explicit TDashCursor(int style) : FDashes(DashStyles[style]) {}
  // Whether the next pixel is on, then steps.
  bool Next() {
    const bool on = (FIndex % 2) == 0;
    if (++FStep >= FDashes.Lengths[FIndex]) {
      FStep = 0;
      FIndex = (FIndex + 1) % FDashes.Count;
    }
    return on;
  }

 private:
  const TDashes& FDashes;
  int FIndex = 0;
  int FStep = 0;
};

bool IsStyled(int style) {
  return style >= PS_DASH && style <= PS_DASHDOTDOT;
}

template <typename F>
void ForEachClipped(TDeviceContext& dc, const TRect& surfaceRect, F f) {
  if (surfaceRect.IsEmpty()) return;
  for (const TRect& clip : dc.ClipArea().Rects()) {
    const TRect part = clip.Intersect(surfaceRect);
    if (!part.IsEmpty()) f(part);
  }
}

void MixPixel(TDeviceContext& dc, TSurface& surface, int x, int y, uint32_t pixel, int rop2) {
  if (!dc.ClipArea().Contains({x, y})) return;
  uint32_t* target = surface.Row(y) + x;
  *target = Raster::Mix(rop2, pixel, *target);
}

// Visits the points of the line from one point to another with integer error stepping; the end
// point is visited only when withEnd is true.
template <typename Visit>
void StepLine(TPoint from, TPoint to, bool withEnd, Visit visit) {
  const int dx = std::abs(to.X - from.X);
  const int dy = -std::abs(to.Y - from.Y);
  const int sx = from.X < to.X ? 1 : -1;
  const int sy = from.Y < to.Y ? 1 : -1;
  int error = dx + dy;
  for (TPoint p = from;;) {
    if (p == to) {
      if (withEnd) visit(p);
      return;
    }
    visit(p);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.X += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.Y += sy;
    }
  }
}

// A one-pixel line in surface coordinates without its end point.
void CosmeticLine(TDeviceContext& dc, TSurface& surface, TPoint from, TPoint to,
                  const TGdiPen& pen) {
  const int rop2 = dc.State().Rop2;
  const uint32_t color = ColorRefToPixel(pen.Color);
  const bool styled = IsStyled(pen.Style);
  if (!styled && (from.Y == to.Y || from.X == to.X)) {
    // Horizontal and vertical lines are spans.
    TRect span =
        from.Y == to.Y
            ? TRect{std::min(from.X, to.X + 1), from.Y, std::max(from.X + 1, to.X), from.Y + 1}
            : TRect{from.X, std::min(from.Y, to.Y + 1), from.X + 1, std::max(from.Y + 1, to.Y)};
    if (from == to) return;
    ForEachClipped(dc, span,
                   [&](const TRect& part) { Raster::MixSolid(surface, part, color, rop2); });
    return;
  }
  const uint32_t gap = ColorRefToPixel(dc.State().BkColor);
  const bool opaqueGaps = dc.State().BkMode == OPAQUE;
  TDashCursor dashes(styled ? pen.Style : PS_DOT);
  StepLine(from, to, false, [&](TPoint p) {
    const bool on = !styled || dashes.Next();
    if (on)
      MixPixel(dc, surface, p.X, p.Y, color, rop2);
    else if (opaqueGaps)
      MixPixel(dc, surface, p.X, p.Y, gap, rop2);
  });
}

// A wide line: a square of the pen's width around every point from start to end, both
// included. Each row's covered span is painted once, so mix modes such as XOR work.
void WideLine(TDeviceContext& dc, TSurface& surface, TPoint from, TPoint to, const TGdiPen& pen) {
  const int width = pen.Width;
  const int half = width / 2;
  const int top = std::min(from.Y, to.Y) - half;
  const int rows = std::abs(to.Y - from.Y) + width;
  std::vector<std::pair<int, int>> spans(rows, {INT32_MAX, INT32_MIN});
  StepLine(from, to, true, [&](TPoint p) {
    for (int row = p.Y - half; row < p.Y - half + width; ++row) {
      auto& span = spans[row - top];
      span.first = std::min(span.first, p.X - half);
      span.second = std::max(span.second, p.X - half + width);
    }
  });
  const uint32_t color = ColorRefToPixel(pen.Color);
  for (int i = 0; i < rows; ++i) {
    if (spans[i].first >= spans[i].second) continue;
    const TRect span{spans[i].first, top + i, spans[i].second, top + i + 1};
    ForEachClipped(dc, span, [&](const TRect& part) {
      Raster::MixSolid(surface, part, color, dc.State().Rop2);
    });
  }
}

void DrawLine(TDeviceContext& dc, TPoint from, TPoint to) {
  TGdiPen* pen = dc.Pen();
  TSurface* surface = dc.Surface();
  if (!pen || !surface || pen->Style == PS_NULL) return;
  const TPoint a = dc.ToSurface(from);
  const TPoint b = dc.ToSurface(to);
  if (pen->Width > 1)
    WideLine(dc, *surface, a, b, *pen);
  else
    CosmeticLine(dc, *surface, a, b, *pen);
}

void MixRect(TDeviceContext& dc, const TRect& surfaceRect, uint32_t pixel) {
  TSurface* surface = dc.Surface();
  ForEachClipped(dc, surfaceRect, [&](const TRect& part) {
    Raster::MixSolid(*surface, part, pixel, dc.State().Rop2);
  });
}

// The brush of a FillRect call: a handle, or a system colour index plus one.
TGdiBrush* ResolveBrush(HBRUSH brush) {
  const auto value = reinterpret_cast<uintptr_t>(brush);
  if (value >= 1 && value <= SystemColorCount)
    return FindBrush(GetSysColorBrush(static_cast<int>(value - 1)));
  return FindBrush(brush);
}

void PaintBrush(TDeviceContext& dc, const TRect& surfaceRect, const TGdiBrush& brush, int rop2) {
  TSurface* surface = dc.Surface();
  if (!surface || brush.Style == BS_NULL) return;
  const TBrushPattern pattern = dc.BrushPattern(brush);
  ForEachClipped(dc, surfaceRect,
                 [&](const TRect& part) { Raster::MixBrush(*surface, part, pattern, rop2); });
}

TRect Normalized(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}
}  // namespace

BOOL MoveToEx(HDC dc, int x, int y, TPoint* old) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return FALSE;
  if (old) *old = context->State().Position;
  context->State().Position = {x, y};
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC dc, TPoint* position) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !position) return FALSE;
  *position = context->State().Position;
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return FALSE;
  DrawLine(*context, context->State().Position, {x, y});
  context->State().Position = {x, y};
  return TRUE;
}

BOOL Polyline(HDC dc, const TPoint* points, int count) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !points || count < 2) return FALSE;
  for (int i = 1; i < count; ++i)
    DrawLine(*context, points[i - 1], points[i]);
  return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !context->Surface()) return FALSE;
  const TRect rect = context->ToSurface(Normalized(left, top, right, bottom));
  if (rect.IsEmpty()) return FALSE;
  TGdiPen* pen = context->Pen();
  TGdiBrush* brush = context->Brush();
  const int rop2 = context->State().Rop2;
  if (!pen || pen->Style == PS_NULL) {
    // Without a pen the platform fills one pixel less to the right and bottom.
    if (brush)
      PaintBrush(*context, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, *brush, rop2);
    return TRUE;
  }
  const int w = std::min({pen->Width, (rect.Width() + 1) / 2, (rect.Height() + 1) / 2});
  const TRect inner{rect.Left + w, rect.Top + w, rect.Right - w, rect.Bottom - w};
  if (brush && !inner.IsEmpty()) PaintBrush(*context, inner, *brush, rop2);
  if (IsStyled(pen->Style) && pen->Width <= 1) {
    const TPoint origin = context->ToSurface(TPoint{0, 0});
    const int l = rect.Left - origin.X, t = rect.Top - origin.Y;
    const int r = rect.Right - 1 - origin.X, b = rect.Bottom - 1 - origin.Y;
    const TPoint corners[] = {{l, t}, {r, t}, {r, b}, {l, b}, {l, t}};
    for (int i = 0; i < 4; ++i)
      DrawLine(*context, corners[i], corners[i + 1]);
    return TRUE;
  }
  // The outline's four bands never overlap, so each pixel is mixed once.
  const uint32_t color = ColorRefToPixel(pen->Color);
  const int topEnd = std::min(rect.Top + w, rect.Bottom);
  const int bottomStart = std::max(rect.Bottom - w, topEnd);
  const int leftEnd = std::min(rect.Left + w, rect.Right);
  const int rightStart = std::max(rect.Right - w, leftEnd);
  MixRect(*context, {rect.Left, rect.Top, rect.Right, topEnd}, color);
  MixRect(*context, {rect.Left, bottomStart, rect.Right, rect.Bottom}, color);
  MixRect(*context, {rect.Left, topEnd, leftEnd, bottomStart}, color);
  MixRect(*context, {rightStart, topEnd, rect.Right, bottomStart}, color);
  return TRUE;
}

int FillRect(HDC dc, const TRect* rect, HBRUSH brush) {
  TDeviceContext* context = FindDC(dc);
  TGdiBrush* fill = ResolveBrush(brush);
  if (!context || !rect || !fill || rect->IsEmpty()) return 0;
  PaintBrush(*context, context->ToSurface(*rect), *fill, R2_COPYPEN);
  return 1;
}

int FrameRect(HDC dc, const TRect* rect, HBRUSH brush) {
  TDeviceContext* context = FindDC(dc);
  TGdiBrush* fill = ResolveBrush(brush);
  if (!context || !rect || !fill || rect->IsEmpty()) return 0;
  const TRect r = context->ToSurface(*rect);
  PaintBrush(*context, {r.Left, r.Top, r.Right, r.Top + 1}, *fill, R2_COPYPEN);
  if (r.Height() > 1)
    PaintBrush(*context, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, *fill, R2_COPYPEN);
  if (r.Height() > 2) {
    PaintBrush(*context, {r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, *fill, R2_COPYPEN);
    if (r.Width() > 1)
      PaintBrush(*context, {r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, *fill, R2_COPYPEN);
  }
  return 1;
}

BOOL InvertRect(HDC dc, const TRect* rect) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !rect || rect->IsEmpty() || !context->Surface()) return FALSE;
  TSurface* surface = context->Surface();
  ForEachClipped(*context, context->ToSurface(*rect),
                 [&](const TRect& part) { Raster::MixSolid(*surface, part, 0, R2_NOT); });
  return TRUE;
}

BOOL DrawFocusRect(HDC dc, const TRect* rect) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !rect || rect->IsEmpty() || !context->Surface()) return FALSE;
  TSurface& surface = *context->Surface();
  const TRect r = context->ToSurface(*rect);
  // The dots keep their phase to the context's device origin (a window's client area), so
  // that a window shows the same dots wherever it lies on the screen.
  const TPoint origin = context->DeviceOrigin();
  auto invert = [&](int x, int y) {
    if (((x - origin.X + y - origin.Y) & 1) == 0) MixPixel(*context, surface, x, y, 0, R2_NOT);
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
  }
  return TRUE;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !context->Surface()) return CLR_INVALID;
  const TPoint p = context->ToSurface(TPoint{x, y});
  if (!context->ClipArea().Contains(p)) return CLR_INVALID;
  context->Surface()->SetPixel(p.X, p.Y, ColorRefToPixel(color));
  return color & 0xFFFFFF;
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) {
  return SetPixel(dc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !context->Surface()) return CLR_INVALID;
  const TPoint p = context->ToSurface(TPoint{x, y});
  if (!context->ClipArea().Contains(p)) return CLR_INVALID;
  return PixelToColorRef(context->Surface()->GetPixel(p.X, p.Y));
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  return BitBlt(dc, x, y, width, height, nullptr, 0, 0, rop);
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
  TDeviceContext* target = FindDC(dest);
  if (!target || !target->Surface() || width <= 0 || height <= 0) return FALSE;
  const uint8_t index = Raster::RopIndex(rop);
  TSurface& destSurface = *target->Surface();
  TBrushPattern pattern;
  if (Raster::RopUsesPattern(index)) {
    TGdiBrush* brush = target->Brush();
    if (!brush) return FALSE;
    if (brush->Style == BS_NULL) return TRUE;
    pattern = target->BrushPattern(*brush);
  }
  TRect destRect = target->ToSurface(Bounds(x, y, width, height));
  const TSurface* sourceSurface = nullptr;
  TPoint shift;  // source surface point minus destination surface point
  if (Raster::RopUsesSource(index)) {
    TDeviceContext* from = FindDC(source);
    if (!from || !from->Surface()) return FALSE;
    sourceSurface = from->Surface();
    const TPoint s = from->ToSurface(TPoint{sx, sy});
    shift = {s.X - destRect.Left, s.Y - destRect.Top};
    // Only the part whose source lies on the source surface is copied.
    destRect = destRect.Intersect(sourceSurface->Bounds().Offset(-shift.X, -shift.Y));
  }
  const auto& clipRects = target->ClipArea().Rects();
  // Several clip rectangles over one surface could overwrite source pixels before they are
  // read: copy the source first then.
  TSurface copy;
  if (sourceSurface == &destSurface && clipRects.size() > 1 && !destRect.IsEmpty()) {
    copy = TSurface(destRect.Width(), destRect.Height());
    Raster::Blit(copy, copy.Bounds(), sourceSurface,
                 {destRect.Left + shift.X, destRect.Top + shift.Y}, pattern,
                 Raster::RopIndex(SRCCOPY));
    sourceSurface = &copy;
    shift = {-destRect.Left, -destRect.Top};
  }
  ForEachClipped(*target, destRect, [&](const TRect& part) {
    Raster::Blit(destSurface, part, sourceSurface, {part.Left + shift.X, part.Top + shift.Y},
                 pattern, index);
  });
  return TRUE;
}
