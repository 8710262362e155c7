#pragma once

#include <map>
#include <string>
#include <vector>

#include "graphics/GdiTypes.h"

struct FT_LibraryRec_;

// One fixed-size rendering of a bitmap-only font face: a Windows raster font (.fon) size or
// a strike of a TrueType file without outlines.
struct TStrike {
  std::string File;
  int FaceIndex = 0;
  int StrikeIndex = 0;
  std::string Family;
  int CellHeight = 0;  // ascent plus descent, in pixels
  int EmHeight = 0;    // the cell height less the internal leading
  int Resolution = 96;
  BYTE CharSet = ANSI_CHARSET;
  bool WindowsRaster = false;  // a .fon face, with the platform's own metrics
  bool Bold = false;
  bool Italic = false;
};

// The bitmap-only font faces of the application font folders, by family. Fontconfig is
// commonly set up to hide bitmap fonts, so the folders are read with FreeType directly; the
// catalogue chooses the strike that serves a LOGFONT height, or none when no strike comes
// close enough (the caller then takes an outline look-alike).
class TStrikeCatalog {
 public:
  // Reads every face of a font file; bitmap-only faces join the catalogue. Returns whether
  // the file holds a scalable face (which fontconfig can serve instead).
  bool AddFile(FT_LibraryRec_* library, const std::string& file);
  // Adds a strike directly (for tests of the choice).
  void Add(const TStrike& strike);
  bool HasFamily(const std::string& family) const;
  // The families, each once, as their files name them.
  std::vector<std::string> Families() const;

  // The strike of family that serves a LOGFONT height (negative: character height, positive:
  // cell height, zero: the default cell height), preferring the ANSI character set, 96 dpi,
  // raster font files and the asked style; null when the family has none near that size.
  const TStrike* Choose(const std::string& family, int height, bool bold, bool italic) const;

  // The cell height that a LOGFONT height of 0 asks for.
  static constexpr int DefaultCellHeight = 16;

 private:
  std::map<std::string, std::vector<TStrike>> FFamilies;  // by lower-case family name
};
