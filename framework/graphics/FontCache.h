#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "graphics/GdiTypes.h"
#include "graphics/RealizedFont.h"

struct FT_LibraryRec_;

// The process-wide font cache: finds font files by family name through fontconfig, realizes
// fonts with FreeType, and keeps every realized font (with its glyphs) for reuse. The face
// "System" and requests that find no usable file give the built-in bitmap font.
class TFontCache {
 public:
  static TFontCache& Instance();
  ~TFontCache();

  // The realized font for a logical font; never fails.
  TRealizedFont& Realize(const LOGFONT& font);
  // The built-in bitmap font at its natural size.
  TRealizedFont& BuiltinFont();

  // Anti-aliased text (the default) or crisp one-bit text, for fonts that do not ask for a
  // quality themselves.
  void SetSmoothing(bool smooth) { FSmoothing = smooth; }
  bool GetSmoothing() const { return FSmoothing; }

  // Installed font families, sorted and without duplicates.
  const std::vector<std::string>& Families();

 private:
  struct TMatch {
    std::string File;
    int Index = 0;
    std::string Family;
  };
  using TMatchKey = std::tuple<std::string, bool, bool, bool>;
  using TFontKey = std::tuple<std::string, int, int, bool, bool, bool>;

  TFontCache();
  // The font file for a family (through fontconfig), or an empty file.
  const TMatch& Match(const std::string& family, bool bold, bool italic, bool fixedPitch);
  TRealizedFont& RealizeBitmap(int height, bool bold, bool italic);
  void AddExtraFontDirectories();

  FT_LibraryRec_* FLibrary = nullptr;
  bool FSmoothing = true;
  std::map<TMatchKey, TMatch> FMatches;
  std::map<TFontKey, std::unique_ptr<TRealizedFont>> FFonts;
  std::vector<std::string> FFamilies;
  bool FFamiliesLoaded = false;
};
