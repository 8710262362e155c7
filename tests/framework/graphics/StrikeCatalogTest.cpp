#include <gtest/gtest.h>

#include "graphics/StrikeCatalog.h"

// The choice of a bitmap strike for a requested height, over strikes described by hand so that
// no font file is needed.

namespace {
TStrike Strike(const char* file, int cell, int em, int resolution = 96, BYTE charSet = 0,
               bool raster = true, bool bold = false) {
  TStrike strike;
  strike.File = file;
  strike.Family = "MS Sans Serif";
  strike.CellHeight = cell;
  strike.EmHeight = em;
  strike.Resolution = resolution;
  strike.CharSet = charSet;
  strike.WindowsRaster = raster;
  strike.Bold = bold;
  return strike;
}

// The file of the chosen strike, or "none".
std::string Chosen(const TStrikeCatalog& catalog, int height, bool bold = false) {
  const TStrike* strike = catalog.Choose("ms sans SERIF", height, bold, false);
  return strike ? strike->File + ":" + std::to_string(strike->EmHeight) : "none";
}
}  // namespace

TEST(StrikeCatalogTest, TheNearestStrikeServesAndFarSizesAreLeftToOutlines) {
  TStrikeCatalog catalog;
  catalog.Add(Strike("e", 13, 11));
  catalog.Add(Strike("e", 16, 13));
  catalog.Add(Strike("e", 20, 16));
  EXPECT_EQ(Chosen(catalog, -11), "e:11");  // 8 pt at 96 dpi
  EXPECT_EQ(Chosen(catalog, 13), "e:11");   // the same size as a cell height
  EXPECT_EQ(Chosen(catalog, -12), "e:11");  // between sizes: the smaller one
  EXPECT_EQ(Chosen(catalog, -10), "e:11");  // one pixel larger is near enough
  EXPECT_EQ(Chosen(catalog, -19), "e:16");  // a fifth smaller still serves
  EXPECT_EQ(Chosen(catalog, -21), "none");  // too small a strike
  EXPECT_EQ(Chosen(catalog, -8), "none");   // too large a strike
  EXPECT_EQ(Chosen(catalog, 0), "e:13");    // the default cell height of 16
  EXPECT_EQ(catalog.Choose("Arial", -11, false, false), nullptr);
  EXPECT_TRUE(catalog.HasFamily("ms sans serif"));
  EXPECT_EQ(catalog.Families(), std::vector<std::string>{"MS Sans Serif"});
}

TEST(StrikeCatalogTest, TheAnsiCharacterSetNinetySixDpiAndRasterFilesComeFirst) {
  TStrikeCatalog catalog;
  catalog.Add(Strike("cyrillic", 13, 11, 96, 204));
  catalog.Add(Strike("large", 16, 13, 120, 0));
  catalog.Add(Strike("outline-file", 13, 13, 96, 0, false));
  catalog.Add(Strike("ansi", 16, 13, 96, 0));
  catalog.Add(Strike("bold", 13, 11, 96, 0, true, true));
  // Another character set loses even against a strike of another style.
  EXPECT_EQ(Chosen(catalog, -11), "bold:11");
  // Among strikes of one size: 96 dpi before 120, raster files before others.
  EXPECT_EQ(Chosen(catalog, -13), "ansi:13");
  TStrikeCatalog regular;
  regular.Add(Strike("bold", 13, 11, 96, 0, true, true));
  regular.Add(Strike("plain", 13, 11, 96, 0));
  EXPECT_EQ(Chosen(regular, -11), "plain:11");
  EXPECT_EQ(Chosen(regular, -11, true), "bold:11");
  // Only another character set: it still serves.
  TStrikeCatalog foreign;
  foreign.Add(Strike("greek", 13, 11, 96, 161));
  EXPECT_EQ(Chosen(foreign, -11), "greek:11");
}
