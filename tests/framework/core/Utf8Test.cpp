#include <gtest/gtest.h>

#include <string>

#include "core/Utf8.h"

namespace {
// "a", "é" (2 bytes), "€" (3 bytes), "😀" (4 bytes), "b".
const std::string Mixed =
    "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"
    "b";
}  // namespace

TEST(Utf8Test, StepsMoveByWholeCharactersBothWays) {
  const size_t boundaries[] = {0, 1, 3, 6, 10, 11};
  for (size_t i = 0; i + 1 < std::size(boundaries); ++i) {
    EXPECT_EQ(Utf8NextChar(Mixed, boundaries[i]), boundaries[i + 1]) << i;
    EXPECT_EQ(Utf8PrevChar(Mixed, boundaries[i + 1]), boundaries[i]) << i;
  }
  // From inside a character a step leaves it; its start is found from any of its bytes.
  EXPECT_EQ(Utf8NextChar(Mixed, 7), 10u);
  EXPECT_EQ(Utf8CharStart(Mixed, 8), 6u);
  EXPECT_EQ(Utf8CharStart(Mixed, 2), 1u);
  EXPECT_EQ(Utf8NextChar(Mixed, Mixed.size()), Mixed.size());
  EXPECT_EQ(Utf8PrevChar(Mixed, 0), 0u);
  EXPECT_EQ(Utf8Length(Mixed), 5u);
  EXPECT_EQ(Utf8OffsetOfIndex(Mixed, 3), 6u);
  EXPECT_EQ(Utf8OffsetOfIndex(Mixed, 99), Mixed.size());
  EXPECT_EQ(Utf8IndexOfOffset(Mixed, 10), 4u);
  EXPECT_EQ(Utf8CodePointAt(Mixed, 6), U'\U0001F600');
}

TEST(Utf8Test, MalformedBytesAreSingleCharactersThatStayReachable) {
  // A lone continuation byte, a truncated three-byte sequence, and an overlong form.
  const std::string bad = "x\x80y\xE2\x82z\xC0\xAF";
  size_t count = 0;
  for (size_t at = 0; at < bad.size(); at = Utf8NextChar(bad, at)) {
    EXPECT_EQ(Utf8CharStart(bad, at), at) << at;
    ++count;
  }
  EXPECT_EQ(count, bad.size());  // every byte is a character of its own
  EXPECT_EQ(Utf8CodePointAt(bad, 1), char32_t{0xFFFD});
  EXPECT_EQ(Utf8CodePointAt(bad, 6), char32_t{0xFFFD});
  // Case mapping keeps malformed bytes as they are.
  EXPECT_EQ(Utf8UpperCase(bad), "X\x80Y\xE2\x82Z\xC0\xAF");
}

TEST(Utf8Test, EncodingAndCaseMapping) {
  EXPECT_EQ(Utf8Encode(U'\u00E9'), "\xC3\xA9");
  EXPECT_EQ(Utf8Encode(U'\U0001F600'), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8Encode(char32_t{0xD800}), "\xEF\xBF\xBD");  // a surrogate is no character
  EXPECT_EQ(Utf8UpperCase("stra\xC3\x9F"
                          "e \xC3\xA9t\xC3\xA9"),
            "STRA\xC3\x9F"
            "E \xC3\x89T\xC3\x89");
  EXPECT_EQ(Utf8LowerCase("\xD0\x96UK"), "\xD0\xB6uk");  // Cyrillic Zhe
  EXPECT_TRUE(Utf8StartsWithText("\xC3\x89t\xC3\xA9", "\xC3\xA9T"));
  EXPECT_TRUE(Utf8StartsWithText("Center", "ce"));
  EXPECT_FALSE(Utf8StartsWithText("Ce", "cen"));
  EXPECT_TRUE(Utf8StartsWithText("anything", ""));
}
