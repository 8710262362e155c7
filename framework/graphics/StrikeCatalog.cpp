#include "graphics/StrikeCatalog.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_WINFONTS_H

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "core/SysUtils.h"

namespace {
// Whether a strike of size pixels may stand in for wanted pixels: at most one pixel larger,
// or smaller by at most a fifth (two pixels for small sizes), as the platform's raster fonts
// serve the sizes between their own.
bool IsNear(int size, int wanted) {
  return size <= wanted + 1 && size >= wanted - std::max(2, wanted / 5);
}

void AddStrikes(FT_Face face, const std::string& file, int faceIndex, TStrikeCatalog& catalog) {
  TStrike strike;
  strike.File = file;
  strike.FaceIndex = faceIndex;
  strike.Family = face->family_name;
  strike.Bold = face->style_flags & FT_STYLE_FLAG_BOLD;
  strike.Italic = face->style_flags & FT_STYLE_FLAG_ITALIC;
  FT_WinFNT_HeaderRec header;
  if (FT_Get_WinFNT_Header(face, &header) == 0) {
    strike.WindowsRaster = true;
    strike.Resolution = header.vertical_resolution;
    strike.CharSet = header.charset;
    strike.Bold = strike.Bold || header.weight >= FW_SEMIBOLD;
    strike.Italic = strike.Italic || header.italic;
  }
  for (int i = 0; i < face->num_fixed_sizes; ++i) {
    if (FT_Select_Size(face, i) != 0) continue;
    const FT_Size_Metrics& metrics = face->size->metrics;
    strike.StrikeIndex = i;
    strike.CellHeight = static_cast<int>((metrics.ascender - metrics.descender + 32) >> 6);
    strike.EmHeight = metrics.y_ppem;
    if (strike.CellHeight > 0 && strike.EmHeight > 0) catalog.Add(strike);
  }
}
}  // namespace

bool TStrikeCatalog::AddFile(FT_LibraryRec_* library, const std::string& file) {
  bool scalable = false;
  if (!library) return false;
  for (FT_Long index = 0;; ++index) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, file.c_str(), index, &face) != 0) break;
    const FT_Long faces = face->num_faces;
    if (FT_IS_SCALABLE(face))
      scalable = true;
    else if (face->family_name && face->num_fixed_sizes > 0)
      AddStrikes(face, file, static_cast<int>(index), *this);
    FT_Done_Face(face);
    if (index + 1 >= faces) break;
  }
  return scalable;
}

void TStrikeCatalog::Add(const TStrike& strike) {
  FFamilies[LowerCase(strike.Family)].push_back(strike);
}

bool TStrikeCatalog::HasFamily(const std::string& family) const {
  return FFamilies.contains(LowerCase(family));
}

std::vector<std::string> TStrikeCatalog::Families() const {
  std::vector<std::string> names;
  for (const auto& [key, strikes] : FFamilies)
    names.push_back(strikes.front().Family);
  return names;
}

const TStrike* TStrikeCatalog::Choose(const std::string& family, int height, bool bold,
                                      bool italic) const {
  auto found = FFamilies.find(LowerCase(family));
  if (found == FFamilies.end()) return nullptr;
  const bool byCell = height >= 0;
  const int wanted = height == 0 ? DefaultCellHeight : std::abs(height);
  const TStrike* best = nullptr;
  std::tuple<int, int, int, int, int> bestRank;
  for (const TStrike& strike : found->second) {
    const int size = byCell ? strike.CellHeight : strike.EmHeight;
    if (!IsNear(size, wanted)) continue;
    // Lower is better, field by field: the character set, the size (smaller before larger at
    // the same distance), the style, the resolution, raster font files before others.
    const auto rank =
        std::make_tuple(strike.CharSet == ANSI_CHARSET ? 0 : 1,
                        size <= wanted ? 2 * (wanted - size) : 2 * (size - wanted) + 1,
                        (strike.Bold != bold ? 1 : 0) + (strike.Italic != italic ? 1 : 0),
                        strike.Resolution == 96 ? 0 : 1, strike.WindowsRaster ? 0 : 1);
    if (!best || rank < bestRank) {
      best = &strike;
      bestRank = rank;
    }
  }
  return best;
}
