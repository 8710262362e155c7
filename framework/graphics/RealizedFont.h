#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "graphics/GdiTypes.h"

// One glyph as coverage values: how much of each pixel the character covers (0..255).
struct TGlyph {
  int Advance = 0;  // pixels from this character's origin to the next one's
  int Left = 0;     // from the origin to the first column of the coverage
  int Top = 0;      // from the baseline up to the first row of the coverage
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Coverage;  // Width * Height, row by row
};

// A font at one pixel size with one rendering: its metrics and its glyphs, rendered once and
// kept. The font cache owns every realized font; device contexts only point at them.
class TRealizedFont {
 public:
  virtual ~TRealizedFont() = default;

  const TEXTMETRIC& Metrics() const { return FMetrics; }
  const std::string& FaceName() const { return FFaceName; }
  // Pixels below the baseline of the underline's top row, and its thickness.
  int UnderlinePosition() const { return FUnderlinePosition; }
  int UnderlineThickness() const { return FUnderlineThickness; }
  // Pixels above the baseline of the strike-out line's bottom row, and its thickness.
  int StrikeOutPosition() const { return FStrikeOutPosition; }
  int StrikeOutThickness() const { return FStrikeOutThickness; }

  // The glyph of a character, rendered on first use.
  const TGlyph& Glyph(char32_t ch);
  int Advance(char32_t ch) { return Glyph(ch).Advance; }
  // Whether the font has a glyph of its own for the character.
  virtual bool HasGlyph(char32_t ch) const { return true; }

  // A font of the same size that draws the characters this one lacks (Cyrillic text in a raster
  // font of the Western code page, say), or null. The font cache owns both.
  TRealizedFont* GetFallback() const { return FFallback; }
  void SetFallback(TRealizedFont* fallback) { FFallback = fallback; }

 protected:
  TRealizedFont() = default;
  // Renders one character into glyph; characters the font lacks get its default glyph.
  virtual void Render(char32_t ch, TGlyph& glyph) = 0;

  TEXTMETRIC FMetrics;
  std::string FFaceName;
  int FUnderlinePosition = 1;
  int FUnderlineThickness = 1;
  int FStrikeOutPosition = 3;
  int FStrikeOutThickness = 1;

 private:
  TRealizedFont* FFallback = nullptr;
  std::array<std::unique_ptr<TGlyph>, 128> FAscii;
  std::unordered_map<char32_t, TGlyph> FOthers;
};

// Styles synthesised for bitmap glyphs whose font lacks them. Bold repeats every column one
// pixel to the right, so the glyph and its advance grow by one; italic leans the rows right,
// one pixel per four rows above the baseline, widening the glyph by a quarter of its height.
void EmboldenGlyph(TGlyph& glyph);
void SlantGlyph(TGlyph& glyph);

// Decodes one UTF-8 character at text[index], advancing index; malformed bytes read as U+FFFD.
char32_t NextCodePoint(const char* text, size_t length, size_t& index);
