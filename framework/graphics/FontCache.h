#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "graphics/GdiTypes.h"
#include "graphics/RealizedFont.h"
#include "graphics/StrikeCatalog.h"

struct FT_LibraryRec_;

// The process-wide font cache: finds font files by family name, realizes fonts with
// FreeType, and keeps every realized font (with its glyphs) for reuse.
// Families resolve in this order: a bitmap-only face of the family near the asked size (the
// platform's raster fonts, such as the bitmap "MS Sans Serif" of the default GUI font), an
// outline face of the family (through fontconfig), the same for the family's classic
// look-alikes, and finally whatever fontconfig offers for the name. The face "System" and
// requests that find no usable file give the built-in bitmap font.
// Besides the installed fonts, the application font folders are searched: the classic
// Windows fonts of Debian's fonts-wine package when it is installed, and the folders that the
// environment variable VM_FONT_DIRS lists (separated by ':', searched recursively).
class TFontCache {
 public:
  static TFontCache& Instance();
  ~TFontCache();

  // The realized font for a logical font; never fails.
  TRealizedFont& Realize(const LOGFONT& font);
  // The built-in bitmap font at its natural size.
  TRealizedFont& BuiltinFont();

  // Anti-aliased text (the default) or crisp one-bit text, for outline fonts that do not ask
  // for a quality themselves. A change moves Generation on, so that fonts already realized
  // are realized again.
  void SetSmoothing(bool smooth);
  bool GetSmoothing() const { return FSmoothing; }
  // Counts the changes that invalidate realized fonts.
  unsigned Generation() const { return FGeneration; }

  // Installed font families, sorted and without duplicates.
  const std::vector<std::string>& Families();

 private:
  struct TMatch {
    std::string File;
    int Index = 0;
    std::string Family;
    bool Scalable = false;
  };
  using TMatchKey = std::tuple<std::string, bool, bool, bool>;
  using TFontKey = std::tuple<std::string, int, int, bool, bool, bool>;

  TFontCache();
  void AddApplicationFontFolders();
  void AddFontFolder(const std::string& folder, bool recursive);
  // The font file fontconfig finds for a family, or an empty file.
  const TMatch& Match(const std::string& family, bool bold, bool italic, bool fixedPitch);
  TRealizedFont* RealizeStrike(const TStrike& strike, bool bold, bool italic);
  TRealizedFont* RealizeOutline(const TMatch& match, const LOGFONT& font);
  TRealizedFont& RealizeBitmap(int height, bool bold, bool italic);
  // The font of FallbackFamily with font's cell height, for the characters font lacks.
  TRealizedFont* Fallback(const TRealizedFont& font, bool bold, bool italic, BYTE quality);

  // A family that covers Latin, Greek and Cyrillic and much more.
  static constexpr const char* FallbackFamily = "DejaVu Sans";

  FT_LibraryRec_* FLibrary = nullptr;
  bool FSmoothing = true;
  unsigned FGeneration = 0;
  bool FFoldersAdded = false;
  TStrikeCatalog FStrikes;
  std::map<TMatchKey, TMatch> FMatches;
  std::map<TFontKey, std::unique_ptr<TRealizedFont>> FFonts;
  std::vector<std::string> FFamilies;
  bool FFamiliesLoaded = false;
};
