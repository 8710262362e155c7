#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "GdiTestSupport.h"
#include "graphics/Canvas.h"
#include "graphics/FontList.h"
#include "winsys/WinUser.h"

// Which font files serve which logical fonts, and the metrics they report. These tests depend
// on the fonts installed; each skips when the fonts it needs are missing.

namespace {
constexpr COLORREF White = RGB(255, 255, 255);

HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, BYTE italic = 0) {
  return CreateFont(height, 0, 0, 0, weight, italic, 0, 0, DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY,
                    DEFAULT_PITCH, face);
}

// A memory context with a font selected; the font is deleted with it.
class TFontTarget : public TMemoryTarget {
 public:
  explicit TFontTarget(HFONT font, int width = 160, int height = 40)
      : TMemoryTarget(width, height), FFont(font) {
    SelectObject(Dc, font);
    SetBkMode(Dc, TRANSPARENT);
  }
  ~TFontTarget() {
    SelectObject(Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(FFont);
  }
  std::string Face() {
    char face[LF_FACESIZE];
    GetTextFace(Dc, sizeof face, face);
    return face;
  }
  TEXTMETRIC Metrics() {
    TEXTMETRIC metrics;
    GetTextMetrics(Dc, &metrics);
    return metrics;
  }
  int TextWidth(const char* text) {
    TSize size;
    GetTextExtentPoint32(Dc, text, -1, &size);
    return size.cx;
  }
  // Draws text at (2, 2) and returns the colours of the whole bitmap.
  std::set<COLORREF> DrawAndCollectColors(const char* text) {
    const TRect all{0, 0, Surface().Width(), Surface().Height()};
    FillRect(Dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOut(Dc, 2, 2, text, -1);
    std::set<COLORREF> colors;
    for (int y = 0; y < all.Bottom; ++y)
      for (int x = 0; x < all.Right; ++x)
        colors.insert(Pixel(x, y));
    return colors;
  }
  // The ink of text drawn at the origin, as a string of '#' and '.' over the first cells.
  std::string Ink(const char* text) {
    const TRect all{0, 0, Surface().Width(), Surface().Height()};
    FillRect(Dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOut(Dc, 0, 0, text, -1);
    std::string ink;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 12; ++x)
        ink += Pixel(x, y) == White ? '.' : '#';
    return ink;
  }

 private:
  HFONT FFont;
};

// Whether Debian's fonts-wine, with its bitmap "MS Sans Serif" and its "Tahoma", is installed.
bool HasClassicFonts() {
  return std::filesystem::exists("/usr/share/wine/fonts/sserife.fon") &&
         std::filesystem::exists("/usr/share/wine/fonts/tahoma.ttf");
}
}  // namespace

TEST(FontTest, TheDefaultGuiFontIsTheCrispRasterSansSerifWithThePlatformsMetrics) {
  if (!HasClassicFonts()) GTEST_SKIP() << "fonts-wine is not installed";
  SystemParametersInfo(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
  TMemoryTarget stock(60, 20);
  SelectObject(stock.Dc, GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRIC metrics;
  ASSERT_TRUE(GetTextMetrics(stock.Dc, &metrics));
  EXPECT_EQ(metrics.tmHeight, 13);
  EXPECT_EQ(metrics.tmAscent, 11);
  EXPECT_EQ(metrics.tmDescent, 2);
  EXPECT_EQ(metrics.tmInternalLeading, 2);
  EXPECT_EQ(metrics.tmExternalLeading, 0);
  EXPECT_EQ(metrics.tmAveCharWidth, 5);
  EXPECT_EQ(metrics.tmPitchAndFamily & 0xF0, FF_SWISS);
  EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH);  // set for variable pitch
  SelectObject(stock.Dc, GetStockObject(SYSTEM_FONT));

  // A control's default font (8 pt) and the dialog alias resolve to it as well.
  TFont font;
  LOGFONT log;
  ASSERT_TRUE(GetObject(font.GetHandle(), sizeof log, &log));
  TFontTarget controls(CreateFontIndirect(&log));
  EXPECT_EQ(controls.Face(), "MS Sans Serif");
  EXPECT_EQ(controls.Metrics().tmHeight, 13);
  TFontTarget dialog(MakeFont("MS Shell Dlg", -11));
  EXPECT_EQ(dialog.Face(), "MS Sans Serif");
  EXPECT_EQ(dialog.TextWidth("Button1"), controls.TextWidth("Button1"));

  // Crisp whatever the smoothing setting: only the text colour and the background.
  EXPECT_EQ(controls.DrawAndCollectColors("Crisp Text"), (std::set<COLORREF>{0, White}));
  // The ink stays within the cell: nothing above the internal leading or below the descent.
  for (int x = 0; x < 160; ++x) {
    EXPECT_EQ(controls.Pixel(x, 2 + 13), White) << x;
    EXPECT_EQ(controls.Pixel(x, 1), White) << x;
  }
}

TEST(FontTest, RasterFontsSynthesiseBoldAndMapTheAnsiCodePage) {
  if (!HasClassicFonts()) GTEST_SKIP() << "fonts-wine is not installed";
  TFontTarget regular(MakeFont("MS Sans Serif", -11));
  TFontTarget bold(MakeFont("MS Sans Serif", -11, FW_BOLD));
  EXPECT_EQ(bold.Face(), "MS Sans Serif");
  EXPECT_EQ(bold.Metrics().tmHeight, 13);
  EXPECT_EQ(bold.Metrics().tmAveCharWidth, 6);
  EXPECT_EQ(bold.TextWidth("Caption"), regular.TextWidth("Caption") + 7);  // one per character
  EXPECT_EQ(bold.DrawAndCollectColors("Bold"), (std::set<COLORREF>{0, White}));
  // Characters outside ASCII find their glyphs through the code page, not the '?' that stands
  // in for characters the font lacks.
  const std::string missing = regular.Ink("\xE4\xB8\x80");  // U+4E00
  EXPECT_EQ(missing, regular.Ink("?"));
  for (const char* text : {"\xC3\xA9", "\xE2\x82\xAC", "\xC3\x9C"}) {  // é € Ü
    const std::string ink = regular.Ink(text);
    EXPECT_NE(ink, missing) << text;
    EXPECT_NE(ink.find('#'), std::string::npos) << text;
  }
  EXPECT_NE(regular.Ink("\xC3\xA9"), regular.Ink("e"));
  // Larger sizes take the larger strikes; far sizes take the outline look-alike.
  TFontTarget ten(MakeFont("MS Sans Serif", -13));
  EXPECT_EQ(ten.Face(), "MS Sans Serif");
  EXPECT_EQ(ten.Metrics().tmHeight, 16);
  const std::vector<std::string>& families = GetFontFamilies();
  EXPECT_NE(std::find(families.begin(), families.end(), "MS Sans Serif"), families.end());
}

TEST(FontTest, SizesWithoutAStrikeAndFamiliesWithoutAFileTakeTheLookAlikes) {
  TFontTarget probe(MakeFont("Liberation Sans", -11));
  if (probe.Face() != "Liberation Sans") GTEST_SKIP() << "no Liberation fonts";
  for (int height : {-40, -6}) {
    TFontTarget target(MakeFont("MS Sans Serif", height));
    EXPECT_EQ(target.Face(), "Liberation Sans") << height;
    EXPECT_EQ(target.Metrics().tmHeight - target.Metrics().tmInternalLeading, -height);
  }
  TFontTarget serif(MakeFont("MS Serif", -11));
  EXPECT_EQ(serif.Face(), "Liberation Serif");
  TFontTarget unknown(MakeFont("No Such Family", -11));
  EXPECT_FALSE(unknown.Face().empty());
  EXPECT_GT(unknown.Metrics().tmHeight, 0);
}

TEST(FontTest, TahomaUsesItsCrispStrikesAtDialogSizes) {
  if (!HasClassicFonts()) GTEST_SKIP() << "fonts-wine is not installed";
  TFontTarget tahoma(MakeFont("Tahoma", -11));
  EXPECT_EQ(tahoma.Face(), "Tahoma");
  EXPECT_EQ(tahoma.Metrics().tmHeight, 13);
  EXPECT_EQ(tahoma.DrawAndCollectColors("Dialog text"), (std::set<COLORREF>{0, White}));
  TFontTarget dialog(MakeFont("MS Shell Dlg 2", -11));
  EXPECT_EQ(dialog.Face(), "Tahoma");
}

TEST(FontTest, APositiveHeightIsTheCellHeightReported) {
  for (const char* face : {"Arial", "Times New Roman", "Courier New", "Tahoma"})
    for (int height = 8; height <= 40; ++height) {
      TFontTarget target(MakeFont(face, height));
      if (target.Face() == "System") GTEST_SKIP() << "no font files installed";
      const TEXTMETRIC metrics = target.Metrics();
      EXPECT_EQ(metrics.tmHeight, height) << face;
      EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, height) << face << " " << height;
      EXPECT_GT(metrics.tmAscent, metrics.tmDescent) << face << " " << height;
    }
}

TEST(FontTest, ChangingSmoothingReachesFontsAlreadyUsed) {
  TFontTarget target(MakeFont("Arial", -14));
  if (target.Face() == "System") GTEST_SKIP() << "no font files installed";
  SystemParametersInfo(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
  EXPECT_GT(target.DrawAndCollectColors("Smooth").size(), 2u);
  SystemParametersInfo(SPI_SETFONTSMOOTHING, FALSE, nullptr, 0);
  const std::set<COLORREF> crisp = target.DrawAndCollectColors("Smooth");
  SystemParametersInfo(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
  EXPECT_EQ(crisp, (std::set<COLORREF>{0, White}));
  EXPECT_GT(target.DrawAndCollectColors("Smooth").size(), 2u);
}

namespace {
// Measures its font's height whenever the font tells it of a change.
class TFontListener : public TObject {
 public:
  void FontChanged(TObject* sender) {
    auto* font = static_cast<TFont*>(sender);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font->GetHandle());
    TEXTMETRIC metrics;
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    Heights.push_back(metrics.tmHeight);
  }
  std::vector<int> Heights;
};
}  // namespace

TEST(FontTest, ListenersMeasureTheChangedFontNotTheOldOne) {
  TFont font;
  font.SetHeight(-11);
  font.GetHandle();  // a handle of the old height exists when the change comes
  TFontListener listener;
  font.SetOnChange(MakeMethod<&TFontListener::FontChanged>(&listener));
  font.SetHeight(-30);
  ASSERT_EQ(listener.Heights.size(), 1u);
  EXPECT_GE(listener.Heights[0], 30);
  // A canvas drawing with the font follows it too.
  TMemoryTarget target(80, 40);
  TCanvas canvas;
  canvas.SetHandle(target.Dc);
  canvas.GetFont()->SetHeight(-11);
  const int small = canvas.TextHeight("M");
  canvas.GetFont()->SetHeight(-30);
  EXPECT_GT(canvas.TextHeight("M"), small);
  canvas.SetHandle(nullptr);
}
