#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/DeviceContext.h"
#include "graphics/Gdi.h"
#include "graphics/RealizedFont.h"

namespace {
struct TRun {
  std::vector<char32_t> Chars;
  std::vector<int> Advances;
  int Width = 0;
};

TRun Shape(TRealizedFont& font, const char* text, size_t length, const int* dx) {
  TRun run;
  size_t index = 0;
  while (index < length) {
    const char32_t ch = NextCodePoint(text, length, index);
    const int advance = dx ? dx[run.Chars.size()] : font.Advance(ch);
    run.Chars.push_back(ch);
    run.Advances.push_back(advance);
    run.Width += advance;
  }
  return run;
}

inline uint32_t Blend(uint32_t dest, uint32_t color, unsigned coverage) {
  if (coverage >= 255) return color;
  const unsigned inverse = 255 - coverage;
  uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned d = (dest >> shift) & 0xFF;
    const unsigned c = (color >> shift) & 0xFF;
    const unsigned mixed = (c * coverage + d * inverse + 127) / 255;
    result |= mixed << shift;
  }
  return result;
}

void DrawGlyph(TSurface& surface, const TRegion& clip, const TGlyph& glyph, int originX,
               int baseline, uint32_t color) {
  if (glyph.Width == 0 || glyph.Height == 0) return;
  const TRect box = Bounds(originX + glyph.Left, baseline - glyph.Top, glyph.Width, glyph.Height);
  for (const TRect& clipRect : clip.Rects()) {
    const TRect part = clipRect.Intersect(box);
    for (int y = part.Top; y < part.Bottom; ++y) {
      const uint8_t* coverage =
          glyph.Coverage.data() + static_cast<size_t>(y - box.Top) * glyph.Width;
      uint32_t* row = surface.Row(y);
      for (int x = part.Left; x < part.Right; ++x) {
        const uint8_t a = coverage[x - box.Left];
        if (a) row[x] = Blend(row[x], color, a);
      }
    }
  }
}

void FillArea(TSurface& surface, const TRegion& clip, const TRect& rect, uint32_t color) {
  for (const TRect& clipRect : clip.Rects())
    Raster::FillSolid(surface, clipRect.Intersect(rect), color);
}
}  // namespace

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const TRect* rect, const char* text, UINT count,
                const int* dx) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !context->Surface() || (count > 0 && !text)) return FALSE;
  if ((options & (ETO_OPAQUE | ETO_CLIPPED)) && !rect) options &= ~(ETO_OPAQUE | ETO_CLIPPED);
  TSurface& surface = *context->Surface();
  TRealizedFont& font = context->RealizedFont();
  const TEXTMETRIC& metrics = font.Metrics();
  const auto& state = context->State();
  const TRun run = Shape(font, text ? text : "", count, dx);

  TPoint start = (state.TextAlign & TA_UPDATECP) ? state.Position : TPoint{x, y};
  const UINT horizontal = state.TextAlign & TA_CENTER;
  if (horizontal == TA_RIGHT)
    start.X -= run.Width;
  else if (horizontal == TA_CENTER)
    start.X -= run.Width / 2;
  const UINT vertical = state.TextAlign & TA_BASELINE;
  int top = start.Y;
  if (vertical == TA_BASELINE)
    top -= metrics.tmAscent;
  else if (vertical == TA_BOTTOM)
    top -= metrics.tmHeight;
  if (state.TextAlign & TA_UPDATECP)
    context->State().Position.X = horizontal == TA_RIGHT ? start.X : start.X + run.Width;

  const TPoint origin = context->ToSurface(TPoint{start.X, top});
  const int baseline = origin.Y + metrics.tmAscent;
  TRegion clip = context->ClipArea();
  const uint32_t background = ColorRefToPixel(state.BkColor);
  if (options & ETO_OPAQUE) FillArea(surface, clip, context->ToSurface(*rect), background);
  if (options & ETO_CLIPPED) clip.Intersect(context->ToSurface(*rect));
  if (state.BkMode == OPAQUE && !(options & ETO_OPAQUE))
    FillArea(surface, clip, Bounds(origin.X, origin.Y, run.Width, metrics.tmHeight), background);

  const uint32_t color = ColorRefToPixel(state.TextColor);
  int penX = origin.X;
  for (size_t i = 0; i < run.Chars.size(); ++i) {
    DrawGlyph(surface, clip, font.Glyph(run.Chars[i]), penX, baseline, color);
    penX += run.Advances[i];
  }
  TGdiFont* logical = context->Font();
  if (logical && logical->Log.lfUnderline)
    FillArea(
        surface, clip,
        Bounds(origin.X, baseline + font.UnderlinePosition(), run.Width, font.UnderlineThickness()),
        color);
  if (logical && logical->Log.lfStrikeOut)
    FillArea(surface, clip,
             Bounds(origin.X, baseline - font.StrikeOutPosition() - font.StrikeOutThickness() + 1,
                    run.Width, font.StrikeOutThickness()),
             color);
  return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, const char* text, int count) {
  if (text && count < 0) count = static_cast<int>(std::strlen(text));
  if (count < 0) return FALSE;
  return ExtTextOut(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL GetTextExtentPoint32(HDC dc, const char* text, int count, TSize* size) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !size || (count > 0 && !text)) return FALSE;
  if (text && count < 0) count = static_cast<int>(std::strlen(text));
  if (count < 0) return FALSE;
  TRealizedFont& font = context->RealizedFont();
  const TRun run = Shape(font, text ? text : "", static_cast<size_t>(count), nullptr);
  *size = {run.Width, font.Metrics().tmHeight};
  return TRUE;
}

BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
  TDeviceContext* context = FindDC(dc);
  if (!context || !metrics) return FALSE;
  *metrics = context->RealizedFont().Metrics();
  if (TGdiFont* font = context->Font()) {
    metrics->tmUnderlined = font->Log.lfUnderline;
    metrics->tmStruckOut = font->Log.lfStrikeOut;
  }
  return TRUE;
}

int GetTextFace(HDC dc, int count, char* name) {
  TDeviceContext* context = FindDC(dc);
  if (!context) return 0;
  const std::string& face = context->RealizedFont().FaceName();
  if (!name) return static_cast<int>(face.size()) + 1;
  if (count <= 0) return 0;
  const size_t copied = std::min(face.size(), static_cast<size_t>(count - 1));
  std::memcpy(name, face.data(), copied);
  name[copied] = 0;
  return static_cast<int>(copied);
}
