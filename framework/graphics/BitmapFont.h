#pragma once

#include "graphics/RealizedFont.h"

// The built-in raster font: 5x7 glyphs with two descender rows in a 6x11 cell, scaled by
// whole multiples. It needs no font file and renders the same everywhere, so it is the
// fallback when no font file is found and the font that tests use for exact metrics. Printable
// ASCII only; other characters show a box.
class TBitmapFont : public TRealizedFont {
 public:
  static constexpr int CellWidth = 6;
  static constexpr int CellHeight = 11;
  static constexpr int Ascent = 9;
  static constexpr const char* FamilyName = "System";

  // scale >= 1; bold thickens strokes by one pixel and widens the cell by one.
  TBitmapFont(int scale, bool bold, bool italic);
  // The scale that best fits a requested LOGFONT height (cell height when positive, character
  // height when negative, default when 0).
  static int ScaleForHeight(int height);

 protected:
  void Render(char32_t ch, TGlyph& glyph) override;

 private:
  int FScale;
  bool FBold;
  bool FItalic;
};
