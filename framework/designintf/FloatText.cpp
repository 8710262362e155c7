#include "designintf/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "core/Exception.h"
#include "core/SysUtils.h"

namespace {
// The decimal exponent of the number that text writes (at least one non-zero digit): x in
// d.ddd * 10^x, saturated far beyond any double's range.
long DecimalExponent(std::string_view text) {
  const size_t mark = text.find_first_of("eE");
  const std::string_view mantissa = text.substr(0, mark);
  long exponent = 0;
  if (mark != std::string_view::npos) {
    std::string_view digits = text.substr(mark + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits)
      exponent = std::min(exponent * 10 + (c - '0'), 100000L);
    if (negative) exponent = -exponent;
  }
  // Where the first significant digit stands relative to the decimal point.
  const size_t point = std::min(mantissa.find('.'), mantissa.size());
  const size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return -1;
  const long position =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  return exponent + position;
}
}  // namespace

std::string FloatToText(double value, int precision) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::scientific, precision - 1);
  if (error != std::errc()) return "0";
  // buffer holds [-]d[.ddd]e(+|-)xx: split it into sign, significant digits and exponent.
  const std::string_view text(buffer, end);
  const size_t mark = text.find('e');
  const bool negative = text.front() == '-';
  std::string digits;
  for (char c : text.substr(negative ? 1 : 0, mark - (negative ? 1 : 0)))
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  const int exponent = std::atoi(std::string(text.substr(mark + 1)).c_str());

  std::string result = negative ? "-" : "";
  const int integerDigits = exponent + 1;
  if (integerDigits > precision || exponent < -4) {
    result += digits.front();
    if (digits.size() > 1) result += "." + digits.substr(1);
    return result + "E" + std::to_string(exponent);
  }
  if (integerDigits <= 0) return result + "0." + std::string(-integerDigits, '0') + digits;
  if (static_cast<int>(digits.size()) <= integerDigits)
    return result + digits + std::string(integerDigits - digits.size(), '0');
  return result + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

double TextToFloat(std::string_view text) {
  const std::string trimmed = Trim(text);
  const char* begin = trimmed.data();
  const char* finish = begin + trimmed.size();
  if (begin != finish && *begin == '+') ++begin;
  double value = 0;
  const auto [end, error] = std::from_chars(begin, finish, value);
  if (end == finish && begin != finish) {
    if (error == std::errc() && std::isfinite(value)) return value;
    if (error == std::errc::result_out_of_range && DecimalExponent({begin, finish}) < 0) return 0;
  }
  throw EConvertError(Format("'%s' is not a valid floating point value", text));
}
