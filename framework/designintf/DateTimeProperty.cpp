#include "designintf/DateTimeProperty.h"

#include "core/DateUtils.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"
#include "designintf/FloatText.h"

IMPLEMENT_CLASS(TDateTimeProperty) {}
IMPLEMENT_CLASS(TDateProperty) {}
IMPLEMENT_CLASS(TTimeProperty) {}

namespace {
// Zero (no date set) shows as blank. Values outside the years 1 ... 9999 have no text; show
// their number rather than fail.
std::string DateText(std::string (*format)(TDateTime), double value) {
  if (value == 0) return std::string();
  try {
    return format(value);
  } catch (const EConvertError&) {
    return FloatToText(value, 15);
  }
}

// Blank text clears the value to zero.
TDateTime ParseDate(TDateTime (*parse)(std::string_view), const std::string& text) {
  return Trim(text).empty() ? TDateTime(0) : parse(text);
}
}  // namespace

std::string TDateTimeProperty::GetValue() {
  return DateText(DateTimeToStr, GetFloatValue());
}

void TDateTimeProperty::SetValue(const std::string& value) {
  SetFloatValue(ParseDate(StrToDateTime, value));
}

std::string TDateProperty::GetValue() {
  return DateText(DateToStr, GetFloatValue());
}

void TDateProperty::SetValue(const std::string& value) {
  SetFloatValue(ParseDate(StrToDate, value));
}

std::string TTimeProperty::GetValue() {
  return DateText(TimeToStr, GetFloatValue());
}

void TTimeProperty::SetValue(const std::string& value) {
  SetFloatValue(ParseDate(StrToTime, value));
}
