#include "core/DateUtils.h"

#include <gtest/gtest.h>

#include "core/Exception.h"

TEST(DateUtilsTest, CountsDaysFromThePlatformsDayZero) {
  EXPECT_EQ(static_cast<double>(EncodeDate(1899, 12, 30)), 0.0);
  EXPECT_EQ(static_cast<double>(EncodeDate(1900, 3, 1)), 61.0);
  EXPECT_EQ(static_cast<double>(EncodeDate(2000, 1, 1)), 36526.0);
  EXPECT_EQ(static_cast<double>(EncodeTime(18, 0, 0, 0)), 0.75);
  int year, month, day;
  DecodeDate(EncodeDate(2024, 2, 29), year, month, day);
  EXPECT_EQ((std::vector{year, month, day}), (std::vector{2024, 2, 29}));
  DecodeDate(EncodeDate(1, 1, 1), year, month, day);
  EXPECT_EQ((std::vector{year, month, day}), (std::vector{1, 1, 1}));
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError) << "1900 is no leap year";
  EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
  EXPECT_THROW(EncodeTime(12, 60, 0, 0), EConvertError);
}

TEST(DateUtilsTest, TimesBeforeDayZeroCountForwardFromMidnight) {
  EXPECT_EQ(DateTimeToStr(-1.25), "1899-12-29 06:00:00");
  EXPECT_EQ(static_cast<double>(StrToDateTime("1899-12-29 06:00")), -1.25);
  EXPECT_EQ(DateTimeToStr(2.5), "1900-01-01 12:00:00");
}

TEST(DateUtilsTest, TextRoundTripsToTheMillisecond) {
  for (const char* text :
       {"2024-05-17", "2024-05-17 14:30:05", "0001-01-01 00:00:00.001", "9999-12-31 23:59:59.999"})
    EXPECT_EQ(DateTimeToStr(StrToDateTime(text)), text);
  EXPECT_EQ(TimeToStr(StrToTime("9:5:7.5")), "09:05:07.500");
  EXPECT_EQ(DateToStr(StrToDate(" 2024-5-7 ")), "2024-05-07");
  EXPECT_EQ(DateTimeToStr(StrToDateTime("12:00")), "1899-12-30 12:00:00");
  // 23:59:59.9996 rounds to the next midnight.
  EXPECT_EQ(DateTimeToStr(EncodeDate(2023, 12, 31) + 0.9999999954), "2024-01-01");
}

TEST(DateUtilsTest, RejectsTextsThatAreNoDatesOrTimes) {
  for (const char* text :
       {"", "2024-13-01", "2024-02-30", "17.05.2024", "2024-05-17x", "12345-01-01"}) {
    EXPECT_THROW(StrToDate(text), EConvertError) << text;
  }
  for (const char* text : {"24:00", "12:60", "12", "12:00:00.1234", "noon"})
    EXPECT_THROW(StrToTime(text), EConvertError) << text;
  try {
    StrToDateTime("2024-05-17 25:00");
    FAIL();
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'2024-05-17 25:00' is not a valid date and time");
  }
  EXPECT_THROW(DateToStr(1e12), EConvertError);
}
