#pragma once

#include <string>

#include "graphics/RealizedFont.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// A font file rendered by FreeType at one pixel size.
// An outline face renders grayscale anti-aliased, or crisp (one bit per pixel) when
// antiAliased is false, and uses the bitmaps the face embeds for the sizes that have them. Its
// metrics follow the platform's rules for outline fonts: a negative LOGFONT height is the em
// size, a positive one the cell height (ascent plus descent), which the metrics then report
// exactly.
// A bitmap-only face renders one of its strikes, always crisp, with the metrics its file
// states. Windows raster fonts map characters through their character set.
// Bold and italic are synthesised when the face lacks them.
class TFreeTypeFont : public TRealizedFont {
 public:
  struct TRequest {
    std::string File;
    int FaceIndex = 0;
    int StrikeIndex = -1;  // the strike of a bitmap-only face; -1 for an outline face
    std::string Family;
    int Height = 0;  // the LOGFONT height (outline faces)
    bool Bold = false;
    bool Italic = false;
    bool AntiAliased = true;
  };

  // Raises nothing; IsValid tells whether the face (and strike) could be loaded.
  TFreeTypeFont(FT_LibraryRec_* library, const TRequest& request);
  ~TFreeTypeFont() override;

  bool IsValid() const { return FFace != nullptr; }
  bool HasGlyph(char32_t ch) const override { return GlyphIndex(ch) != 0; }

 protected:
  void Render(char32_t ch, TGlyph& glyph) override;

 private:
  void SelectCharMap();
  unsigned GlyphIndex(char32_t ch) const;
  void SetSize(int height);
  void ComputeOutlineMetrics(int height);
  void ComputeStrikeMetrics();
  void CopyBitmap(TGlyph& glyph);

  FT_FaceRec_* FFace = nullptr;
  bool FSynthBold = false;
  bool FSynthItalic = false;
  bool FAntiAliased = true;
  bool FByteEncoded = false;  // the character map takes bytes, not Unicode
  bool FAnsiBytes = false;    // ... of the platform's ANSI code page
  int FEmPixels = 0;
};
