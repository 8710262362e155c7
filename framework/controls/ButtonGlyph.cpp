#include "controls/ButtonGlyph.h"

#include <algorithm>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "graphics/Canvas.h"
#include "graphics/Surface.h"

IMPLEMENT_CLASS(TButtonGlyph) {}

namespace {
constexpr int MaxGlyphs = 4;

// Pixels of a bitmap as ScanLine gives them.
uint32_t PixelOf(TColor color) {
  return ColorRefToPixel(ColorToRGB(color));
}

TColor ColorOfPixel(uint32_t pixel) {
  return static_cast<TColor>(PixelToColorRef(pixel));
}

// A transparent key for a picture drawn only in the given colours.
uint32_t KeyOutside(uint32_t a, uint32_t b) {
  for (uint32_t candidate : {0xFF00FFu, 0x00FF00u, 0x0000FFu})
    if (candidate != a && candidate != b) return candidate;
  return 0xFF00FFu;
}
}  // namespace

TButtonGlyph::TButtonGlyph() : FOriginal(new TBitmap()) {
  FOriginal->SetOnChange(MakeMethod<&TButtonGlyph::GlyphChanged>(this));
}

TButtonGlyph::~TButtonGlyph() {
  ClearImages();
  FOriginal->Free();
}

void TButtonGlyph::ClearImages() {
  for (TBitmap*& image : FImages)
    FreeAndNil(image);
}

void TButtonGlyph::GlyphChanged(TObject*) {
  ClearImages();
  if (FOnChange) FOnChange(this);
}

void TButtonGlyph::SetGlyph(TBitmap* value) {
  FOriginal->Assign(value);
}

void TButtonGlyph::SetNumGlyphs(int value) {
  if (value < 1 || value > MaxGlyphs)
    throw EInvalidOperation(
        Format("NumGlyphs must lie between 1 and %d, not %d", MaxGlyphs, value));
  if (value == FNumGlyphs) return;
  FNumGlyphs = value;
  GlyphChanged(this);
}

TSize TButtonGlyph::ImageSize() const {
  if (FOriginal->Empty()) return {0, 0};
  return {FOriginal->GetWidth() / FNumGlyphs, FOriginal->GetHeight()};
}

TBitmap* TButtonGlyph::CopyOfImage(int index) {
  const TSize size = ImageSize();
  auto* image = new TBitmap();
  image->SetSize(size.cx, size.cy);
  for (int y = 0; y < size.cy; ++y)
    std::copy_n(FOriginal->ScanLine(y) + index * size.cx, size.cx, image->ScanLine(y));
  image->SetTransparentColor(FOriginal->GetTransparentColor());
  image->SetTransparent(true);
  return image;
}

TBitmap* TButtonGlyph::Image(TButtonState state) {
  TBitmap*& image = FImages[state];
  if (image) return image;
  if (state < FNumGlyphs) {
    image = CopyOfImage(state);
  } else if (state == bsDisabled) {
    TBitmap* up = Image(bsUp);
    const uint32_t transparent = PixelOf(up->GetTransparentColor());
    // White stays out too: it is the highlight that the embossed look draws itself.
    image = MakeEmbossedImage(up->GetWidth(), up->GetHeight(), [&](int x, int y) {
      const uint32_t pixel = up->ScanLine(y)[x];
      return pixel != transparent && pixel != 0xFFFFFF;
    });
  } else if (state == bsExclusive && FNumGlyphs > bsDown) {
    image = CopyOfImage(bsDown);
  } else {
    image = CopyOfImage(bsUp);
  }
  return image;
}

void TButtonGlyph::Draw(TCanvas* canvas, int x, int y, TButtonState state) {
  if (Empty() || !canvas) return;
  canvas->Draw(x, y, Image(state));
}

namespace {
// Positions along one axis: where the picture and the text start.
struct TSpan {
  int Glyph;
  int Text;
};

TSpan PlaceAlong(int extent, int glyph, int text, int margin, int spacing, bool glyphFirst) {
  if (glyph == 0 || text == 0) spacing = 0;
  if (margin < 0) {
    if (spacing < 0) {
      spacing = (extent - glyph - text) / 3;
      margin = spacing;
    } else {
      margin = (extent - glyph - spacing - text) / 2;
    }
  } else if (spacing < 0) {
    spacing = (extent - margin - glyph - text) / 2;
  }
  if (glyphFirst) return {margin, margin + glyph + spacing};
  const int glyphStart = extent - margin - glyph;
  return {glyphStart, glyphStart - spacing - text};
}
}  // namespace

TButtonPlacement PlaceButtonContent(const TRect& client, TSize glyph, TSize text,
                                    TButtonLayout layout, int margin, int spacing) {
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
  const int along = horizontal ? client.Width() : client.Height();
  const int across = horizontal ? client.Height() : client.Width();
  const TSpan span = horizontal ? PlaceAlong(along, glyph.cx, text.cx, margin, spacing, glyphFirst)
                                : PlaceAlong(along, glyph.cy, text.cy, margin, spacing, glyphFirst);
  const int glyphAcross = ((across - (horizontal ? glyph.cy : glyph.cx)) + 1) / 2;
  const int textAcross = ((across - (horizontal ? text.cy : text.cx)) + 1) / 2;
  TButtonPlacement placement;
  if (horizontal) {
    placement.GlyphPos = {client.Left + span.Glyph, client.Top + glyphAcross};
    placement.TextBounds =
        Bounds(client.Left + span.Text, client.Top + textAcross, text.cx, text.cy);
  } else {
    placement.GlyphPos = {client.Left + glyphAcross, client.Top + span.Glyph};
    placement.TextBounds =
        Bounds(client.Left + textAcross, client.Top + span.Text, text.cx, text.cy);
  }
  return placement;
}

TBitmap* MakeEmbossedImage(int width, int height, const std::function<bool(int, int)>& inked) {
  const uint32_t highlight = PixelOf(clBtnHighlight);
  const uint32_t shadow = PixelOf(clBtnShadow);
  const uint32_t key = KeyOutside(highlight, shadow);
  auto* image = new TBitmap();
  image->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    std::fill_n(image->ScanLine(y), width, key);
  for (int y = 0; y + 1 < height; ++y)
    for (int x = 0; x + 1 < width; ++x)
      if (inked(x, y)) image->ScanLine(y + 1)[x + 1] = highlight;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (inked(x, y)) image->ScanLine(y)[x] = shadow;
  image->SetTransparentColor(ColorOfPixel(key));
  image->SetTransparent(true);
  return image;
}
