#include "core/DateUtils.h"

#include <cmath>
#include <optional>

#include "core/Exception.h"
#include "core/SysUtils.h"

namespace {
constexpr int64_t MillisecondsPerDay = 24 * 60 * 60 * 1000;

constexpr int MonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
  return month == 2 && IsLeapYear(year) ? 29 : MonthDays[month - 1];
}

// Days from 0001-01-01 to the first of January of year.
constexpr int64_t DaysBeforeYear(int year) {
  const int64_t y = year - 1;
  return y * 365 + y / 4 - y / 100 + y / 400;
}

constexpr int64_t DayNumber(int year, int month, int day) {
  int64_t days = DaysBeforeYear(year) + day - 1;
  for (int m = 1; m < month; ++m)
    days += DaysInMonth(year, m);
  return days;
}

// The platform's day 0, 1899-12-30, counted from 0001-01-01.
constexpr int64_t EpochDayNumber = DayNumber(1899, 12, 30);
constexpr int64_t FirstDay = DayNumber(1, 1, 1) - EpochDayNumber;
constexpr int64_t LastDay = DayNumber(9999, 12, 31) - EpochDayNumber;

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

double Combine(int64_t days, int64_t millisecondOfDay) {
  const double time = static_cast<double>(millisecondOfDay) / MillisecondsPerDay;
  return days < 0 ? static_cast<double>(days) - time : static_cast<double>(days) + time;
}

struct TDayAndTime {
  int64_t Day;
  int64_t Millisecond;
};

// The day and the millisecond of that day, rounded; the time counts forwards from midnight
// also before day 0.
TDayAndTime Split(double value) {
  if (!std::isfinite(value))
    throw EConvertError(Format("%s is not a valid date and time value", FloatToStr(value)));
  const double whole = std::trunc(value);
  TDayAndTime result{static_cast<int64_t>(whole),
                     std::llround(std::fabs(value - whole) * MillisecondsPerDay)};
  if (result.Millisecond >= MillisecondsPerDay) {
    result.Millisecond -= MillisecondsPerDay;
    ++result.Day;
  }
  if (result.Day < FirstDay || result.Day > LastDay)
    throw EConvertError(Format("%s is not a valid date and time value", FloatToStr(value)));
  return result;
}

void DayToDate(int64_t day, int& year, int& month, int& dayOfMonth) {
  const int64_t number = day + EpochDayNumber;
  year = static_cast<int>(number / 365.2425) + 1;
  while (DaysBeforeYear(year) > number)
    --year;
  while (DaysBeforeYear(year + 1) <= number)
    ++year;
  int64_t rest = number - DaysBeforeYear(year);
  month = 1;
  while (rest >= DaysInMonth(year, month))
    rest -= DaysInMonth(year, month++);
  dayOfMonth = static_cast<int>(rest) + 1;
}

std::string FormatDate(int64_t day) {
  int year, month, dayOfMonth;
  DayToDate(day, year, month, dayOfMonth);
  return Format("%04d-%02d-%02d", year, month, dayOfMonth);
}

std::string FormatTime(int64_t millisecondOfDay) {
  const auto ms = static_cast<int>(millisecondOfDay);
  std::string text = Format("%02d:%02d:%02d", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60);
  if (ms % 1000 != 0) text += Format(".%03d", ms % 1000);
  return text;
}

// Reads digits from text at pos: at least one, at most maxDigits.
std::optional<int> ReadNumber(std::string_view text, size_t& pos, size_t maxDigits) {
  const size_t start = pos;
  int value = 0;
  while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9')
    value = value * 10 + (text[pos++] - '0');
  if (pos == start) return std::nullopt;
  return value;
}

bool Expect(std::string_view text, size_t& pos, char separator) {
  if (pos >= text.size() || text[pos] != separator) return false;
  ++pos;
  return true;
}

// "2024-05-17"
std::optional<int64_t> ParseDate(std::string_view text) {
  size_t pos = 0;
  const auto year = ReadNumber(text, pos, 4);
  if (!year || !Expect(text, pos, '-')) return std::nullopt;
  const auto month = ReadNumber(text, pos, 2);
  if (!month || !Expect(text, pos, '-')) return std::nullopt;
  const auto day = ReadNumber(text, pos, 2);
  if (!day || pos != text.size() || !IsValidDate(*year, *month, *day)) return std::nullopt;
  return DayNumber(*year, *month, *day) - EpochDayNumber;
}

// "14:30", "14:30:05", "14:30:05.250"
std::optional<int64_t> ParseTime(std::string_view text) {
  size_t pos = 0;
  const auto hour = ReadNumber(text, pos, 2);
  if (!hour || !Expect(text, pos, ':')) return std::nullopt;
  const auto minute = ReadNumber(text, pos, 2);
  if (!minute) return std::nullopt;
  int second = 0;
  int millisecond = 0;
  if (Expect(text, pos, ':')) {
    const auto seconds = ReadNumber(text, pos, 2);
    if (!seconds) return std::nullopt;
    second = *seconds;
    if (Expect(text, pos, '.')) {
      const size_t start = pos;
      const auto fraction = ReadNumber(text, pos, 3);
      if (!fraction) return std::nullopt;
      millisecond = *fraction;
      for (size_t digits = pos - start; digits < 3; ++digits)
        millisecond *= 10;
    }
  }
  if (pos != text.size() || *hour > 23 || *minute > 59 || second > 59) return std::nullopt;
  return ((*hour * 60 + *minute) * 60 + second) * int64_t{1000} + millisecond;
}

template <typename Parse>
TDateTime Convert(std::string_view text, const char* what, Parse parse) {
  TDateTime value;
  if (!parse(text, value))
    throw EConvertError(Format("'%s' is not a valid %s", std::string(text), what));
  return value;
}
}  // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
  if (!IsValidDate(year, month, day)) return false;
  value = static_cast<double>(DayNumber(year, month, day) - EpochDayNumber);
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return false;
  value = Combine(0, ((hour * 60 + minute) * 60 + second) * int64_t{1000} + millisecond);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime value;
  if (!TryEncodeDate(year, month, day, value))
    throw EConvertError(Format("%04d-%02d-%02d is not a valid date", year, month, day));
  return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime value;
  if (!TryEncodeTime(hour, minute, second, millisecond, value))
    throw EConvertError(
        Format("%02d:%02d:%02d.%03d is not a valid time", hour, minute, second, millisecond));
  return value;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  DayToDate(Split(value).Day, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
  const auto ms = static_cast<int>(Split(value).Millisecond);
  hour = ms / 3600000;
  minute = ms / 60000 % 60;
  second = ms / 1000 % 60;
  millisecond = ms % 1000;
}

std::string DateToStr(TDateTime value) {
  return FormatDate(Split(value).Day);
}

std::string TimeToStr(TDateTime value) {
  return FormatTime(Split(value).Millisecond);
}

std::string DateTimeToStr(TDateTime value) {
  const TDayAndTime parts = Split(value);
  std::string text = FormatDate(parts.Day);
  if (parts.Millisecond != 0) text += " " + FormatTime(parts.Millisecond);
  return text;
}

bool TryStrToDate(std::string_view text, TDateTime& value) {
  const auto day = ParseDate(Trim(text));
  if (!day) return false;
  value = static_cast<double>(*day);
  return true;
}

bool TryStrToTime(std::string_view text, TDateTime& value) {
  const auto millisecond = ParseTime(Trim(text));
  if (!millisecond) return false;
  value = Combine(0, *millisecond);
  return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value) {
  const std::string trimmed = Trim(text);
  const size_t split = trimmed.find_first_of(" T");
  if (split == std::string::npos) {
    if (trimmed.find(':') != std::string::npos) return TryStrToTime(trimmed, value);
    return TryStrToDate(trimmed, value);
  }
  const auto day = ParseDate(std::string_view(trimmed).substr(0, split));
  const auto millisecond = ParseTime(Trim(std::string_view(trimmed).substr(split + 1)));
  if (!day || !millisecond) return false;
  value = Combine(*day, *millisecond);
  return true;
}

TDateTime StrToDate(std::string_view text) {
  return Convert(text, "date", TryStrToDate);
}

TDateTime StrToTime(std::string_view text) {
  return Convert(text, "time", TryStrToTime);
}

TDateTime StrToDateTime(std::string_view text) {
  return Convert(text, "date and time", TryStrToDateTime);
}
