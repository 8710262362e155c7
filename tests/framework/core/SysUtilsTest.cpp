#include <gtest/gtest.h>

#include "core/Exception.h"
#include "core/SysUtils.h"
#include "graphics/Color.h"
#include "graphics/Cursor.h"

TEST(SysUtilsTest, IntegersReadDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt(" -17 "), -17);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  // Eight hexadecimal digits spell a 32-bit pattern.
  EXPECT_EQ(StrToInt("$8000000F"), static_cast<int32_t>(0x8000000F));
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
}

TEST(SysUtilsTest, InvalidIntegersNameTheText) {
  for (const char* text : {"abc", "", "12x", "$", "2147483648", "99999999999999999999"}) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.GetMessage(), Format("'%s' is not a valid integer value", text));
    }
  }
}

TEST(SysUtilsTest, FloatsRoundTripThroughText) {
  for (double value : {0.0, 1.5, -2.25, 1e-300, 3.141592653589793, 123456789.125})
    EXPECT_EQ(StrToFloat(FloatToStr(value)), value);
  EXPECT_THROW(StrToFloat("1.5.2"), EConvertError);
  EXPECT_THROW(StrToFloat("nan"), EConvertError);
  EXPECT_THROW(StrToFloat(""), EConvertError);
}

TEST(SysUtilsTest, CaseInsensitiveComparisonFoldsAsciiOnly) {
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_TRUE(SameText("Name", "nAME"));
  EXPECT_FALSE(SameText("\xC3\xA4", "\xC3\x84"));  // ä and Ä differ: only ASCII folds
}

TEST(SysUtilsTest, IdentifiersQuotesAndPaths) {
  EXPECT_TRUE(IsValidIdent("Button1"));
  EXPECT_TRUE(IsValidIdent("_x"));
  EXPECT_FALSE(IsValidIdent("1Button"));
  EXPECT_FALSE(IsValidIdent("Button 1"));
  EXPECT_FALSE(IsValidIdent(""));
  EXPECT_EQ(QuotedStr("It's"), "'It''s'");
  EXPECT_EQ(ExtractFilePath("/usr/bin/ide"), "/usr/bin/");
  EXPECT_EQ(ExtractFilePath("ide"), "");
  EXPECT_EQ(ExtractFileName("/usr/bin/ide"), "ide");
  EXPECT_EQ(ExtractFileName(ParamStr(0)), "framework_tests");
}

TEST(SysUtilsTest, ColoursAndCursorsByNameOrNumber) {
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x123456)), "$00123456");
  EXPECT_EQ(StringToColor("clnavy"), clNavy);
  EXPECT_EQ(StringToColor("$00FF00"), clLime);
  EXPECT_EQ(StringToColor("clNone"), clNone);
  EXPECT_THROW(StringToColor("clNotAColour"), EConvertError);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0u);
  EXPECT_EQ(ColorToRGB(clBtnHighlight), 0xFFFFFFu);
  EXPECT_EQ(ColorToRGB(clNavy), 0x800000u);
  EXPECT_EQ(CursorToString(crHSplit), "crHSplit");
  EXPECT_EQ(StringToCursor("crDrag"), -12);
  EXPECT_EQ(StringToCursor("5"), 5);
  EXPECT_THROW(StringToCursor("crNothing"), EConvertError);
  EXPECT_THROW(StringToCursor("40000"), EConvertError);  // beyond the 16-bit range
}
