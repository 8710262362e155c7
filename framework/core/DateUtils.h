#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rtti/TypeInfo.h"

// Dates and times as the platform counts them: a number of days since 1899-12-30, the fraction
// being the time of day. Before that day the fraction still counts forwards from midnight, so
// -1.25 is 1899-12-29 06:00. TDate and TTime are distinct types with type information of their
// own, so that designers edit a date, a time or both.
//
// Text is fixed and locale-independent (ISO 8601): dates "2024-05-17", times "14:30:05" with
// ".250" added for milliseconds, date and time "2024-05-17 14:30:05". Reading also takes a "T"
// between date and time, times without seconds ("14:30"), and one-digit months, days and hours.
class TDateTime {
 public:
  constexpr TDateTime() = default;
  constexpr TDateTime(double value) : FValue(value) {}
  constexpr operator double() const { return FValue; }

 private:
  double FValue = 0;
};

class TDate : public TDateTime {
 public:
  using TDateTime::TDateTime;
};

class TTime : public TDateTime {
 public:
  using TDateTime::TDateTime;
};

PUBLISHED_FLOAT(TDateTime, ftDouble)
PUBLISHED_FLOAT(TDate, ftDouble)
PUBLISHED_FLOAT(TTime, ftDouble)

// Raise EConvertError for a day that does not exist, years outside 1 ... 9999 included.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value);
// Splits a value rounded to the millisecond; raise EConvertError for a value whose date lies
// outside the years 1 ... 9999.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);

std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
// The date, followed by the time unless it is midnight.
std::string DateTimeToStr(TDateTime value);

// Raise EConvertError "'...' is not a valid date" (time, date and time) for anything else.
TDateTime StrToDate(std::string_view text);
TDateTime StrToTime(std::string_view text);
// A date with an optional time, or a time alone (on day 0).
TDateTime StrToDateTime(std::string_view text);
bool TryStrToDate(std::string_view text, TDateTime& value);
bool TryStrToTime(std::string_view text, TDateTime& value);
bool TryStrToDateTime(std::string_view text, TDateTime& value);
