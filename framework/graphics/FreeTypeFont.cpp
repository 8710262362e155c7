#include "graphics/FreeTypeFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace {
constexpr int DefaultCellHeight = 16;

int Scale(long fontUnits, int emPixels, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(fontUnits) * emPixels / unitsPerEm));
}
}  // namespace

TFreeTypeFont::TFreeTypeFont(FT_LibraryRec_* library, const TRequest& request)
    : FAntiAliased(request.AntiAliased) {
  if (!library || FT_New_Face(library, request.File.c_str(), request.FaceIndex, &FFace) != 0) {
    FFace = nullptr;
    return;
  }
  FT_Select_Charmap(FFace, FT_ENCODING_UNICODE);
  FSynthBold = request.Bold && !(FFace->style_flags & FT_STYLE_FLAG_BOLD);
  FSynthItalic = request.Italic && !(FFace->style_flags & FT_STYLE_FLAG_ITALIC);
  FFaceName = request.Family.empty() && FFace->family_name ? FFace->family_name : request.Family;
  SetSize(request.Height);
  ComputeMetrics();
  FMetrics.tmWeight = request.Bold ? FW_BOLD : FW_NORMAL;
  FMetrics.tmItalic = request.Italic ? 1 : 0;
}

TFreeTypeFont::~TFreeTypeFont() {
  if (FFace) FT_Done_Face(FFace);
}

void TFreeTypeFont::SetSize(int height) {
  const int unitsPerEm = FFace->units_per_EM ? FFace->units_per_EM : 2048;
  long cellUnits = FFace->ascender - FFace->descender;
  if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
      os2 && os2->usWinAscent + os2->usWinDescent > 0)
    cellUnits = os2->usWinAscent + os2->usWinDescent;
  if (cellUnits <= 0) cellUnits = unitsPerEm;
  if (height < 0) {
    FEmPixels = -height;
  } else {
    const int cell = height == 0 ? DefaultCellHeight : height;
    FEmPixels = static_cast<int>(std::lround(static_cast<double>(cell) * unitsPerEm / cellUnits));
  }
  FEmPixels = std::max(FEmPixels, 1);
  if (FT_IS_SCALABLE(FFace))
    FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(FEmPixels));
  else if (FFace->num_fixed_sizes > 0)
    FT_Select_Size(FFace, 0);
}

void TFreeTypeFont::ComputeMetrics() {
  const int unitsPerEm = FFace->units_per_EM ? FFace->units_per_EM : 2048;
  long ascent = FFace->ascender;
  long descent = -FFace->descender;
  long avgWidth = 0;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
    avgWidth = os2->xAvgCharWidth;
  }
  FMetrics.tmAscent = Scale(ascent, FEmPixels, unitsPerEm);
  FMetrics.tmDescent = Scale(descent, FEmPixels, unitsPerEm);
  FMetrics.tmHeight = FMetrics.tmAscent + FMetrics.tmDescent;
  FMetrics.tmInternalLeading = std::max(0, static_cast<int>(FMetrics.tmHeight - FEmPixels));
  const long lineGap = FFace->height - (FFace->ascender - FFace->descender);
  FMetrics.tmExternalLeading = std::max(0, Scale(lineGap, FEmPixels, unitsPerEm));
  FMetrics.tmAveCharWidth = avgWidth > 0 ? Scale(avgWidth, FEmPixels, unitsPerEm) : Advance('x');
  FMetrics.tmMaxCharWidth = Scale(FFace->max_advance_width, FEmPixels, unitsPerEm);
  FMetrics.tmPitchAndFamily = TMPF_TRUETYPE | TMPF_VECTOR | FF_SWISS;
  if (!FT_IS_FIXED_WIDTH(FFace)) FMetrics.tmPitchAndFamily |= TMPF_FIXED_PITCH;
  FMetrics.tmFirstChar = 0x20;
  FMetrics.tmLastChar = 0x7E;
  FUnderlinePosition = std::max(1, Scale(-FFace->underline_position, FEmPixels, unitsPerEm));
  FUnderlineThickness = std::max(1, Scale(FFace->underline_thickness, FEmPixels, unitsPerEm));
  if (os2 && os2->yStrikeoutSize > 0) {
    FStrikeOutPosition = Scale(os2->yStrikeoutPosition, FEmPixels, unitsPerEm);
    FStrikeOutThickness = std::max(1, Scale(os2->yStrikeoutSize, FEmPixels, unitsPerEm));
  } else {
    FStrikeOutPosition = FMetrics.tmAscent / 3;
  }
}

void TFreeTypeFont::Render(char32_t ch, TGlyph& glyph) {
  const FT_Int32 target = FAntiAliased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
  FT_UInt index = FT_Get_Char_Index(FFace, ch);
  if (index == 0 && ch != 0) index = FT_Get_Char_Index(FFace, U'?');
  if (FT_Load_Glyph(FFace, index, FT_LOAD_DEFAULT | target) != 0) return;
  FT_GlyphSlot slot = FFace->glyph;
  if (FSynthItalic && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(slot);
  if (FSynthBold) FT_GlyphSlot_Embolden(slot);
  glyph.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FAntiAliased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
    return;
  CopyBitmap(glyph);
}

void TFreeTypeFont::CopyBitmap(TGlyph& glyph) {
  const FT_Bitmap& bitmap = FFace->glyph->bitmap;
  glyph.Left = FFace->glyph->bitmap_left;
  glyph.Top = FFace->glyph->bitmap_top;
  glyph.Width = static_cast<int>(bitmap.width);
  glyph.Height = static_cast<int>(bitmap.rows);
  glyph.Coverage.assign(static_cast<size_t>(glyph.Width) * glyph.Height, 0);
  for (int y = 0; y < glyph.Height; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    uint8_t* out = glyph.Coverage.data() + static_cast<size_t>(y) * glyph.Width;
    for (int x = 0; x < glyph.Width; ++x) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        out[x] = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
      else
        out[x] = row[x];
    }
  }
}
