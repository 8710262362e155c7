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
// Classic family names and the look-alikes that stand in, in order, when the family itself
// has no face near the asked size.
struct TFamilyAlias {
  const char* Name;
  const char* LookAlikes[2];
};
const TFamilyAlias FamilyAliases[] = {
    {"MS Sans Serif", {"Liberation Sans", nullptr}},
    {"MS Shell Dlg", {"MS Sans Serif", "Liberation Sans"}},
    {"MS Shell Dlg 2", {"Tahoma", "Liberation Sans"}},
    {"MS Serif", {"Liberation Serif", nullptr}},
    {"Small Fonts", {"Liberation Sans", nullptr}},
};

// The family, then its look-alikes.
std::vector<std::string> Candidates(const std::string& family) {
  std::vector<std::string> names{family};
  for (const TFamilyAlias& alias : FamilyAliases) {
    if (!SameText(family, alias.Name)) continue;
    for (const char* lookAlike : alias.LookAlikes)
      if (lookAlike) names.emplace_back(lookAlike);
  }
  return names;
}

// Where Debian's fonts-wine package keeps the classic Windows fonts (the bitmap "MS Sans
// Serif" among them). Fontconfig does not search it.
const char* const ClassicFontFolders[] = {"/usr/share/wine/fonts"};

bool IsFontFile(const std::filesystem::path& path) {
  const std::string ext = LowerCase(path.extension().string());
  return ext == ".ttf" || ext == ".otf" || ext == ".ttc" || ext == ".pfb" || ext == ".fon";
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
}

TFontCache::~TFontCache() {
  FFonts.clear();
  if (FLibrary) FT_Done_FreeType(FLibrary);
  FcFini();
}

void TFontCache::SetSmoothing(bool smooth) {
  if (smooth == FSmoothing) return;
  FSmoothing = smooth;
  ++FGeneration;
}

// Done on the first look-up of a family rather than at start-up, so that programs drawing
// only with the built-in font never pay for reading the folders.
void TFontCache::AddApplicationFontFolders() {
  if (FFoldersAdded) return;
  FFoldersAdded = true;
  for (const char* folder : ClassicFontFolders)
    AddFontFolder(folder, false);
  // The fonts/ folder of an installed copy.
  if (const std::filesystem::path data = GetInstalledDataDir(); !data.empty())
    AddFontFolder((data / "fonts").string(), true);
  const char* dirs = std::getenv("VM_FONT_DIRS");
  if (!dirs) return;
  const std::string list = dirs;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(':', start), list.size());
    AddFontFolder(list.substr(start, end - start), true);
    start = end + 1;
  }
}

// Bitmap-only faces join the strike catalogue, files with outlines join fontconfig's
// application fonts. A recursive search skips build trees and hidden folders.
void TFontCache::AddFontFolder(const std::string& folder, bool recursive) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error)) return;
  std::vector<fs::path> files;
  if (recursive) {
    for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::end(it);
         it.increment(error)) {
      const std::string name = it->path().filename().string();
      if (it->is_directory(error) && (name == "build" || name.starts_with("."))) {
        it.disable_recursion_pending();
        continue;
      }
      if (it->is_regular_file(error) && IsFontFile(it->path())) files.push_back(it->path());
    }
  } else {
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::end(it);
         it.increment(error))
      if (it->is_regular_file(error) && IsFontFile(it->path())) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());  // the same choices whatever the folder's order
  for (const fs::path& file : files)
    if (FStrikes.AddFile(FLibrary, file.string()))
      FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file.c_str()));
}

const TFontCache::TMatch& TFontCache::Match(const std::string& family, bool bold, bool italic,
                                            bool fixedPitch) {
  const TMatchKey key{LowerCase(family), bold, italic, fixedPitch};
  auto found = FMatches.find(key);
  if (found != FMatches.end()) return found->second;
  TMatch& match = FMatches[key];
  FcPattern* pattern = FcPatternCreate();
  if (!family.empty())
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
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
    FcBool scalable = FcFalse;
    if (FcPatternGetString(best, FC_FILE, 0, &file) == FcResultMatch && file) {
      match.File = reinterpret_cast<const char*>(file);
      if (FcPatternGetInteger(best, FC_INDEX, 0, &index) == FcResultMatch) match.Index = index;
      if (FcPatternGetString(best, FC_FAMILY, 0, &name) == FcResultMatch && name)
        match.Family = reinterpret_cast<const char*>(name);
      match.Scalable =
          FcPatternGetBool(best, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable;
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

TRealizedFont* TFontCache::RealizeStrike(const TStrike& strike, bool bold, bool italic) {
  const TFontKey key{strike.File + "#" + std::to_string(strike.FaceIndex) + ":" +
                         std::to_string(strike.StrikeIndex),
                     0,
                     0,
                     bold,
                     italic,
                     false};
  auto& slot = FFonts[key];
  if (!slot) {
    const TFreeTypeFont::TRequest request{.File = strike.File,
                                          .FaceIndex = strike.FaceIndex,
                                          .StrikeIndex = strike.StrikeIndex,
                                          .Family = strike.Family,
                                          .Bold = bold,
                                          .Italic = italic,
                                          .AntiAliased = false};
    auto realized = std::make_unique<TFreeTypeFont>(FLibrary, request);
    if (!realized->IsValid()) {
      FFonts.erase(key);
      return nullptr;
    }
    TRealizedFont* font = realized.get();
    slot = std::move(realized);
    font->SetFallback(Fallback(*font, bold, italic, NONANTIALIASED_QUALITY));
  }
  return slot.get();
}

TRealizedFont* TFontCache::RealizeOutline(const TMatch& match, const LOGFONT& font) {
  const bool bold = font.lfWeight >= FW_SEMIBOLD;
  const bool italic = font.lfItalic != 0;
  const bool antiAliased = WantsAntiAliasing(font, FSmoothing);
  const TFontKey key{
      match.File + "#" + std::to_string(match.Index), font.lfHeight, 0, bold, italic, antiAliased};
  auto& slot = FFonts[key];
  if (!slot) {
    const TFreeTypeFont::TRequest request{.File = match.File,
                                          .FaceIndex = match.Index,
                                          .Family = match.Family,
                                          .Height = font.lfHeight,
                                          .Bold = bold,
                                          .Italic = italic,
                                          .AntiAliased = antiAliased};
    auto realized = std::make_unique<TFreeTypeFont>(FLibrary, request);
    if (!realized->IsValid()) {
      FFonts.erase(key);
      return nullptr;
    }
    TRealizedFont* realizedFont = realized.get();
    slot = std::move(realized);
    if (!SameText(match.Family, FallbackFamily))
      realizedFont->SetFallback(Fallback(*realizedFont, bold, italic, font.lfQuality));
  }
  return slot.get();
}

TRealizedFont* TFontCache::Fallback(const TRealizedFont& font, bool bold, bool italic,
                                    BYTE quality) {
  const TMatch& match = Match(FallbackFamily, bold, italic, false);
  if (!match.Scalable || !SameText(match.Family, FallbackFamily)) return nullptr;
  LOGFONT request{};
  request.lfHeight = font.Metrics().tmHeight;  // the same cell height
  request.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  request.lfItalic = italic;
  request.lfQuality = quality;
  return RealizeOutline(match, request);
}

TRealizedFont& TFontCache::Realize(const LOGFONT& font) {
  const std::string family(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
  const bool bold = font.lfWeight >= FW_SEMIBOLD;
  const bool italic = font.lfItalic != 0;
  if (SameText(family, TBitmapFont::FamilyName)) return RealizeBitmap(font.lfHeight, bold, italic);
  AddApplicationFontFolders();
  const bool fixedPitch = (font.lfPitchAndFamily & 3) == FIXED_PITCH;
  const std::vector<std::string> names = Candidates(family);
  for (const std::string& name : names) {
    if (const TStrike* strike = FStrikes.Choose(name, font.lfHeight, bold, italic))
      if (TRealizedFont* realized = RealizeStrike(*strike, bold, italic)) return *realized;
    const TMatch& match = Match(name, bold, italic, fixedPitch);
    if (match.Scalable && SameText(match.Family, name))
      if (TRealizedFont* realized = RealizeOutline(match, font)) return *realized;
  }
  // Neither the family nor a look-alike: whatever fontconfig substitutes for the name.
  const TMatch& substitute = Match(names.back(), bold, italic, fixedPitch);
  if (substitute.Scalable)
    if (TRealizedFont* realized = RealizeOutline(substitute, font)) return *realized;
  return RealizeBitmap(font.lfHeight, bold, italic);
}

const std::vector<std::string>& TFontCache::Families() {
  if (FFamiliesLoaded) return FFamilies;
  FFamiliesLoaded = true;
  AddApplicationFontFolders();
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
  for (const std::string& family : FStrikes.Families())
    names.insert(family);
  names.insert(TBitmapFont::FamilyName);
  FFamilies.assign(names.begin(), names.end());
  return FFamilies;
}
