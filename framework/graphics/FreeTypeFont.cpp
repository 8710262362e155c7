#include "graphics/FreeTypeFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cmath>

namespace {
constexpr int DefaultCellHeight = 16;

int Scale(long fontUnits, int emPixels, int unitsPerEm) {
  return static_cast<int>(std::lround(static_cast<double>(fontUnits) * emPixels / unitsPerEm));
}

int Pixels(FT_Pos value) {
  return static_cast<int>((value + 32) >> 6);
}

// The byte of the platform's ANSI code page (1252) for a character, or -1.
int AnsiByte(char32_t ch) {
  static constexpr char16_t High[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<int>(ch);
  for (int i = 0; i < 32; ++i)
    if (High[i] != 0 && High[i] == ch) return 0x80 + i;
  return -1;
}

// The face's vertical extent in font units as the platform measures it: the OS/2 table's
// Windows ascent and descent, else the face's own.
struct TVerticalUnits {
  long Ascent;
  long Descent;
  long AvgWidth;  // 0 when the face does not state it
};

TVerticalUnits VerticalUnits(FT_Face face) {
  TVerticalUnits units{face->ascender, -face->descender, 0};
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0)
    units = {os2->usWinAscent, os2->usWinDescent, os2->xAvgCharWidth};
  if (units.Ascent + units.Descent <= 0) units = {face->units_per_EM, 0, units.AvgWidth};
  return units;
}
}  // namespace

TFreeTypeFont::TFreeTypeFont(FT_LibraryRec_* library, const TRequest& request)
    : FAntiAliased(request.AntiAliased && request.StrikeIndex < 0) {
  if (!library || FT_New_Face(library, request.File.c_str(), request.FaceIndex, &FFace) != 0) {
    FFace = nullptr;
    return;
  }
  const bool strike = request.StrikeIndex >= 0;
  if (strike != !FT_IS_SCALABLE(FFace) ||
      (strike && (request.StrikeIndex >= FFace->num_fixed_sizes ||
                  FT_Select_Size(FFace, request.StrikeIndex) != 0))) {
    FT_Done_Face(FFace);
    FFace = nullptr;
    return;
  }
  SelectCharMap();
  FSynthBold = request.Bold && !(FFace->style_flags & FT_STYLE_FLAG_BOLD);
  FSynthItalic = request.Italic && !(FFace->style_flags & FT_STYLE_FLAG_ITALIC);
  FFaceName = request.Family.empty() && FFace->family_name ? FFace->family_name : request.Family;
  if (strike) {
    ComputeStrikeMetrics();
  } else {
    SetSize(request.Height);
    ComputeOutlineMetrics(request.Height);
  }
  FMetrics.tmWeight = request.Bold ? FW_BOLD : FW_NORMAL;
  FMetrics.tmItalic = request.Italic ? 1 : 0;
}

TFreeTypeFont::~TFreeTypeFont() {
  if (FFace) FT_Done_Face(FFace);
}

void TFreeTypeFont::SelectCharMap() {
  if (FT_Select_Charmap(FFace, FT_ENCODING_UNICODE) == 0) return;
  // Raster fonts (and symbol fonts) map the bytes of a character set instead.
  if (FFace->num_charmaps > 0) FT_Set_Charmap(FFace, FFace->charmaps[0]);
  FByteEncoded = true;
  FT_WinFNT_HeaderRec header;
  FAnsiBytes = FT_Get_WinFNT_Header(FFace, &header) == 0 && header.charset == ANSI_CHARSET;
}

unsigned TFreeTypeFont::GlyphIndex(char32_t ch) const {
  if (!FByteEncoded) return FT_Get_Char_Index(FFace, ch);
  const int code = FAnsiBytes ? AnsiByte(ch) : ch < 0x100 ? static_cast<int>(ch) : -1;
  if (code < 0) return 0;
  // Symbol fonts place their characters at 0xF000 plus the byte.
  if (FFace->charmap && FFace->charmap->encoding == FT_ENCODING_MS_SYMBOL)
    if (FT_UInt index = FT_Get_Char_Index(FFace, 0xF000u | static_cast<unsigned>(code)))
      return index;
  return FT_Get_Char_Index(FFace, static_cast<FT_ULong>(code));
}

void TFreeTypeFont::SetSize(int height) {
  const int unitsPerEm = FFace->units_per_EM ? FFace->units_per_EM : 2048;
  const TVerticalUnits units = VerticalUnits(FFace);
  if (height < 0) {
    FEmPixels = -height;
  } else {
    const int cell = height == 0 ? DefaultCellHeight : height;
    FEmPixels = static_cast<int>(
        std::lround(static_cast<double>(cell) * unitsPerEm / (units.Ascent + units.Descent)));
  }
  FEmPixels = std::max(FEmPixels, 1);
  FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(FEmPixels));
}

void TFreeTypeFont::ComputeOutlineMetrics(int height) {
  const int unitsPerEm = FFace->units_per_EM ? FFace->units_per_EM : 2048;
  const TVerticalUnits units = VerticalUnits(FFace);
  if (height > 0) {
    // A cell height asked for is the height reported; the ascent takes its share of it.
    FMetrics.tmHeight = height;
    FMetrics.tmAscent = static_cast<int>(
        std::lround(static_cast<double>(units.Ascent) * height / (units.Ascent + units.Descent)));
    FMetrics.tmDescent = height - FMetrics.tmAscent;
  } else {
    FMetrics.tmAscent = Scale(units.Ascent, FEmPixels, unitsPerEm);
    FMetrics.tmDescent = Scale(units.Descent, FEmPixels, unitsPerEm);
    FMetrics.tmHeight = FMetrics.tmAscent + FMetrics.tmDescent;
  }
  FMetrics.tmInternalLeading = std::max(0, static_cast<int>(FMetrics.tmHeight - FEmPixels));
  const long lineGap = FFace->height - (FFace->ascender - FFace->descender);
  FMetrics.tmExternalLeading = std::max(0, Scale(lineGap, FEmPixels, unitsPerEm));
  FMetrics.tmAveCharWidth =
      units.AvgWidth > 0 ? Scale(units.AvgWidth, FEmPixels, unitsPerEm) : Advance('x');
  FMetrics.tmMaxCharWidth = Scale(FFace->max_advance_width, FEmPixels, unitsPerEm);
  FMetrics.tmPitchAndFamily = TMPF_TRUETYPE | TMPF_VECTOR | FF_SWISS;
  if (!FT_IS_FIXED_WIDTH(FFace)) FMetrics.tmPitchAndFamily |= TMPF_FIXED_PITCH;
  FMetrics.tmFirstChar = 0x20;
  FMetrics.tmLastChar = 0x7E;
  FUnderlinePosition = std::max(1, Scale(-FFace->underline_position, FEmPixels, unitsPerEm));
  FUnderlineThickness = std::max(1, Scale(FFace->underline_thickness, FEmPixels, unitsPerEm));
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
  if (os2 && os2->yStrikeoutSize > 0) {
    FStrikeOutPosition = Scale(os2->yStrikeoutPosition, FEmPixels, unitsPerEm);
    FStrikeOutThickness = std::max(1, Scale(os2->yStrikeoutSize, FEmPixels, unitsPerEm));
  } else {
    FStrikeOutPosition = FMetrics.tmAscent / 3;
  }
}

void TFreeTypeFont::ComputeStrikeMetrics() {
  const FT_Size_Metrics& size = FFace->size->metrics;
  FEmPixels = std::max<int>(1, size.y_ppem);
  FMetrics.tmAscent = Pixels(size.ascender);
  FMetrics.tmDescent = Pixels(-size.descender);
  FMetrics.tmHeight = FMetrics.tmAscent + FMetrics.tmDescent;
  FMetrics.tmInternalLeading = std::max(0, static_cast<int>(FMetrics.tmHeight - FEmPixels));
  FMetrics.tmExternalLeading = 0;
  FMetrics.tmMaxCharWidth = Pixels(size.max_advance);
  FMetrics.tmPitchAndFamily = FT_IS_FIXED_WIDTH(FFace) ? 0 : TMPF_FIXED_PITCH;
  const TVerticalUnits units = VerticalUnits(FFace);
  const bool statedWidth = units.AvgWidth > 0 && FFace->units_per_EM > 0;
  FMetrics.tmAveCharWidth = statedWidth ? Scale(units.AvgWidth, FEmPixels, FFace->units_per_EM)
                                        : Advance('x');  // already emboldened when synthesised
  // A raster font file states the platform's metrics itself.
  FT_WinFNT_HeaderRec header;
  const bool raster = FT_Get_WinFNT_Header(FFace, &header) == 0;
  if (raster) {
    FMetrics.tmHeight = header.pixel_height;
    FMetrics.tmAscent = header.ascent;
    FMetrics.tmDescent = header.pixel_height - header.ascent;
    FMetrics.tmInternalLeading = header.internal_leading;
    FMetrics.tmExternalLeading = header.external_leading;
    FMetrics.tmAveCharWidth = header.avg_width;
    FMetrics.tmMaxCharWidth = header.max_width;
    FMetrics.tmPitchAndFamily = header.pitch_and_family;
    FMetrics.tmCharSet = header.charset;
    FMetrics.tmFirstChar = static_cast<char>(header.first_char);
    FMetrics.tmLastChar = static_cast<char>(header.last_char);
    FMetrics.tmDefaultChar = static_cast<char>(header.first_char + header.default_char);
    FMetrics.tmBreakChar = static_cast<char>(header.first_char + header.break_char);
    FMetrics.tmDigitizedAspectX = header.horizontal_resolution;
    FMetrics.tmDigitizedAspectY = header.vertical_resolution;
  }
  // A synthesised bold widens every character by one pixel.
  if (FSynthBold) {
    if (statedWidth || raster) ++FMetrics.tmAveCharWidth;
    ++FMetrics.tmMaxCharWidth;
  }
  FUnderlinePosition = 1;
  FUnderlineThickness = 1;
  FStrikeOutPosition = std::max(1, static_cast<int>(FMetrics.tmAscent * 3 / 10));
  FStrikeOutThickness = 1;
}

void TFreeTypeFont::Render(char32_t ch, TGlyph& glyph) {
  const FT_Int32 target = FAntiAliased ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO;
  FT_UInt index = GlyphIndex(ch);
  if (index == 0 && ch != 0) {
    TRealizedFont* fallback = GetFallback();
    if (fallback && fallback->HasGlyph(ch)) {
      glyph = fallback->Glyph(ch);
      return;
    }
    index = GlyphIndex(U'?');
  }
  if (FT_Load_Glyph(FFace, index, FT_LOAD_DEFAULT | target) != 0) return;
  FT_GlyphSlot slot = FFace->glyph;
  const bool outline = slot->format == FT_GLYPH_FORMAT_OUTLINE;
  if (outline && FSynthItalic) FT_GlyphSlot_Oblique(slot);
  if (outline && FSynthBold) FT_GlyphSlot_Embolden(slot);
  glyph.Advance = Pixels(slot->advance.x);
  if (FT_Render_Glyph(slot, FAntiAliased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
    return;
  CopyBitmap(glyph);
  // Bitmaps (strikes, embedded bitmaps) take the styles the outline synthesis cannot give.
  if (!outline && FSynthBold) EmboldenGlyph(glyph);
  if (!outline && FSynthItalic) SlantGlyph(glyph);
}

void TFreeTypeFont::CopyBitmap(TGlyph& glyph) {
  const FT_Bitmap* bitmap = &FFace->glyph->bitmap;
  // Other pixel modes (two- and four-bit embedded bitmaps, colour) become 8-bit first.
  FT_Bitmap converted;
  FT_Bitmap_Init(&converted);
  if (bitmap->pixel_mode != FT_PIXEL_MODE_MONO && bitmap->pixel_mode != FT_PIXEL_MODE_GRAY) {
    if (FT_Bitmap_Convert(FFace->glyph->library, bitmap, &converted, 1) != 0) {
      FT_Bitmap_Done(FFace->glyph->library, &converted);
      return;
    }
    bitmap = &converted;
  }
  const int levels = bitmap->pixel_mode == FT_PIXEL_MODE_GRAY && bitmap->num_grays > 1
                         ? bitmap->num_grays - 1
                         : 255;
  glyph.Left = FFace->glyph->bitmap_left;
  glyph.Top = FFace->glyph->bitmap_top;
  glyph.Width = static_cast<int>(bitmap->width);
  glyph.Height = static_cast<int>(bitmap->rows);
  glyph.Coverage.assign(static_cast<size_t>(glyph.Width) * glyph.Height, 0);
  for (int y = 0; y < glyph.Height; ++y) {
    const unsigned char* row = bitmap->buffer + static_cast<ptrdiff_t>(y) * bitmap->pitch;
    uint8_t* out = glyph.Coverage.data() + static_cast<size_t>(y) * glyph.Width;
    for (int x = 0; x < glyph.Width; ++x) {
      if (bitmap->pixel_mode == FT_PIXEL_MODE_MONO)
        out[x] = ((row[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
      else
        out[x] = static_cast<uint8_t>(std::min(255, row[x] * 255 / levels));
    }
  }
  FT_Bitmap_Done(FFace->glyph->library, &converted);
}
