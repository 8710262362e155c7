#include "graphics/FontCache.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "core/InstallDirs.h"
#include "core/SysUtils.h"
#include "graphics/BitmapFont.h"
#include "graphics/FreeTypeFont.h"

namespace {
// Classic family names that fontconfig does not know, mapped to their metric look-alikes.
const std::pair<const char*, const char*> FamilyAliases[] = {
    {"MS Sans Serif", "Liberation Sans"},  {"MS Shell Dlg", "Liberation Sans"},
    {"MS Shell Dlg 2", "Liberation Sans"}, {"MS Serif", "Liberation Serif"},
    {"Small Fonts", "Liberation Sans"},
};

std::string ResolveAlias(const std::string& family) {
  for (const auto& [name, target] : FamilyAliases)
    if (SameText(family, name)) return target;
  return family;
}

bool IsFontFile(const std::filesystem::path& path) {
  const std::string ext = LowerCase(path.extension().string());
  return ext == ".ttf" || ext == ".otf" || ext == ".ttc" || ext == ".pfb";
}

bool WantsAntiAliasing(const LOGFONT& font, bool smoothing) {
  if (font.lfQuality == NONANTIALIASED_QUALITY) return false;
  if (font.lfQuality == ANTIALIASED_QUALITY) return true;
  return smoothing;
}
}  // namespace

TFontCache& TFontCache::Instance() {
  static TFontCache cache;
  return cache;
}

TFontCache::TFontCache() {
  if (FT_Init_FreeType(&FLibrary) != 0) FLibrary = nullptr;
  FcInit();
  AddExtraFontDirectories();
}

TFontCache::~TFontCache() {
  FFonts.clear();
  if (FLibrary) FT_Done_FreeType(FLibrary);
  FcFini();
}

// Font files beside the system's: the fonts/ folder of an installed copy, and the directories
// that VM_FONT_DIRS lists (separated by ':') for programs and tests. Build trees and hidden
// folders are skipped.
void TFontCache::AddExtraFontDirectories() {
  namespace fs = std::filesystem;
  std::vector<fs::path> dirs;
  if (const fs::path data = GetInstalledDataDir(); !data.empty()) dirs.push_back(data / "fonts");
  const char* variable = std::getenv("VM_FONT_DIRS");
  const std::string list = variable ? variable : "";
  for (size_t start = 0; start < list.size();) {
    const size_t end = std::min(list.find(':', start), list.size());
    dirs.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  for (const fs::path& dir : dirs) {
    std::error_code error;
    if (dir.empty() || !fs::is_directory(dir, error)) continue;
    for (auto it = fs::recursive_directory_iterator(dir, error); !error && it != fs::end(it);
         it.increment(error)) {
      const std::string name = it->path().filename().string();
      if (it->is_directory(error) && (name == "build" || name.starts_with("."))) {
        it.disable_recursion_pending();
        continue;
      }
      if (it->is_regular_file(error) && IsFontFile(it->path()))
        FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(it->path().c_str()));
    }
  }
}

const TFontCache::TMatch& TFontCache::Match(const std::string& family, bool bold, bool italic,
                                            bool fixedPitch) {
  const TMatchKey key{LowerCase(family), bold, italic, fixedPitch};
  auto found = FMatches.find(key);
  if (found != FMatches.end()) return found->second;
  TMatch& match = FMatches[key];
  FcPattern* pattern = FcPatternCreate();
  const std::string resolved = ResolveAlias(family);
  if (!resolved.empty())
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(resolved.c_str()));
  else if (fixedPitch)
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("monospace"));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* best = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* file = nullptr;
    FcChar8* name = nullptr;
    int index = 0;
    if (FcPatternGetString(best, FC_FILE, 0, &file) == FcResultMatch && file) {
      match.File = reinterpret_cast<const char*>(file);
      if (FcPatternGetInteger(best, FC_INDEX, 0, &index) == FcResultMatch) match.Index = index;
      if (FcPatternGetString(best, FC_FAMILY, 0, &name) == FcResultMatch && name)
        match.Family = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(best);
  }
  FcPatternDestroy(pattern);
  return match;
}

TRealizedFont& TFontCache::RealizeBitmap(int height, bool bold, bool italic) {
  const int scale = TBitmapFont::ScaleForHeight(height);
  const TFontKey key{"", scale, 0, bold, italic, false};
  auto& slot = FFonts[key];
  if (!slot) slot = std::make_unique<TBitmapFont>(scale, bold, italic);
  return *slot;
}

TRealizedFont& TFontCache::BuiltinFont() {
  return RealizeBitmap(0, false, false);
}

TRealizedFont& TFontCache::Realize(const LOGFONT& font) {
  const std::string family(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
  const bool bold = font.lfWeight >= FW_SEMIBOLD;
  const bool italic = font.lfItalic != 0;
  if (SameText(family, TBitmapFont::FamilyName)) return RealizeBitmap(font.lfHeight, bold, italic);
  const bool fixedPitch = (font.lfPitchAndFamily & 3) == FIXED_PITCH;
  const TMatch& match = Match(family, bold, italic, fixedPitch);
  if (match.File.empty()) return RealizeBitmap(font.lfHeight, bold, italic);
  const bool antiAliased = WantsAntiAliasing(font, FSmoothing);
  const TFontKey key{
      match.File + "#" + std::to_string(match.Index), font.lfHeight, 0, bold, italic, antiAliased};
  auto& slot = FFonts[key];
  if (!slot) {
    TFreeTypeFont::TRequest request{match.File, match.Index, match.Family, font.lfHeight,
                                    bold,       italic,      antiAliased};
    auto realized = std::make_unique<TFreeTypeFont>(FLibrary, request);
    if (!realized->IsValid()) {
      FFonts.erase(key);
      return RealizeBitmap(font.lfHeight, bold, italic);
    }
    slot = std::move(realized);
  }
  return *slot;
}

const std::vector<std::string>& TFontCache::Families() {
  if (FFamiliesLoaded) return FFamilies;
  FFamiliesLoaded = true;
  std::set<std::string, bool (*)(const std::string&, const std::string&)> names(
      [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  FcPattern* pattern = FcPatternCreate();
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  if (FcFontSet* fonts = FcFontList(nullptr, pattern, objects)) {
    for (int i = 0; i < fonts->nfont; ++i) {
      FcChar8* name = nullptr;
      if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch && name)
        names.insert(reinterpret_cast<const char*>(name));
    }
    FcFontSetDestroy(fonts);
  }
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  names.insert(TBitmapFont::FamilyName);
  FFamilies.assign(names.begin(), names.end());
  return FFamilies;
}
