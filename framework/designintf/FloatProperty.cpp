#include "designintf/FloatProperty.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TFloatProperty) {}

namespace {
std::string SingleToStr(float value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : FloatToStr(value);
}
}  // namespace

std::string TFloatProperty::GetValue() {
  const double value = GetFloatValue();
  if (GetPropType()->FloatType == ftSingle) return SingleToStr(static_cast<float>(value));
  return FloatToStr(value);
}

void TFloatProperty::SetValue(const std::string& value) {
  const double number = StrToFloat(value);
  if (GetPropType()->FloatType == ftSingle && std::fabs(number) > std::numeric_limits<float>::max())
    throw EPropertyError(Format("'%s' is too large for a single-precision value", value));
  SetFloatValue(number);
}
