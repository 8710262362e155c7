#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

// String, number and file-name routines shared by the whole framework. Case-insensitive
// comparisons fold ASCII letters only.

namespace Detail {
template <typename T>
auto FormatArgument(const T& value) {
  if constexpr (std::is_convertible_v<const T&, std::string_view> && !std::is_pointer_v<T>)
    return std::string(std::string_view(value));
  else
    return value;
}
template <typename T>
auto PrintfArgument(const T& value) {
  if constexpr (std::is_same_v<T, std::string>)
    return value.c_str();
  else
    return value;
}
}  // namespace Detail

// printf-style formatting that also takes std::string arguments for %s.
template <typename... Args>
std::string Format(const char* format, const Args&... args) {
  auto render = [&](const auto&... converted) {
    const int length = std::snprintf(nullptr, 0, format, Detail::PrintfArgument(converted)...);
    if (length <= 0) return std::string();
    std::string result(static_cast<size_t>(length), '\0');
    std::snprintf(result.data(), result.size() + 1, format, Detail::PrintfArgument(converted)...);
    return result;
  };
  return render(Detail::FormatArgument(args)...);
}

std::string IntToStr(int64_t value);
std::string IntToHex(int64_t value, int digits);
// Decimal, or hexadecimal with a $ or 0x prefix; an optional sign. Raises EConvertError
// "'abc' is not a valid integer value" for anything else, including values beyond 64 bits.
int64_t StrToInt64(std::string_view text);
// As StrToInt64, limited to the 32-bit signed range.
int32_t StrToInt(std::string_view text);
bool TryStrToInt64(std::string_view text, int64_t& value);
// The shortest text that reads back as the same double.
std::string FloatToStr(double value);
// Raises EConvertError "'abc' is not a valid floating point value".
double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, double& value);

char UpCase(char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// Negative, zero or positive as a sorts before, equal to or after b.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// A hash that agrees with SameText: texts that differ only in ASCII letter case hash alike.
size_t HashText(std::string_view text);
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
// The text between single quotes, inner quotes doubled.
std::string QuotedStr(std::string_view text);
// A letter or underscore followed by letters, digits and underscores.
bool IsValidIdent(std::string_view text);

// The directory part of a path, with its trailing separator; empty for a bare file name.
std::string ExtractFilePath(std::string_view path);
std::string ExtractFileName(std::string_view path);
// Argument n of the running program; 0 is the program's full path.
std::string ParamStr(int index);
