#include "designintf/DateTimeProperty.h"

#include "core/DateUtils.h"
#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TDateTimeProperty) {}
IMPLEMENT_CLASS(TDateProperty) {}
IMPLEMENT_CLASS(TTimeProperty) {}

namespace {
// Values outside the years 1 ... 9999 have no text; show their number rather than fail.
std::string FormatOrNumber(std::string (*format)(TDateTime), double value) {
  try {
    return format(value);
  } catch (const EConvertError&) {
    return FloatToStr(value);
  }
}
}  // namespace

std::string TDateTimeProperty::GetValue() {
  return FormatOrNumber(DateTimeToStr, GetFloatValue());
}

void TDateTimeProperty::SetValue(const std::string& value) {
  SetFloatValue(StrToDateTime(value));
}

std::string TDateProperty::GetValue() {
  return FormatOrNumber(DateToStr, GetFloatValue());
}

void TDateProperty::SetValue(const std::string& value) {
  SetFloatValue(StrToDate(value));
}

std::string TTimeProperty::GetValue() {
  return FormatOrNumber(TimeToStr, GetFloatValue());
}

void TTimeProperty::SetValue(const std::string& value) {
  SetFloatValue(StrToTime(value));
}
