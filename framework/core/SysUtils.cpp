#include "core/SysUtils.h"

#include <unistd.h>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/Exception.h"

std::string IntToStr(int64_t value) {
  return std::to_string(value);
}

std::string IntToHex(int64_t value, int digits) {
  return Format("%0*llX", digits, static_cast<unsigned long long>(value));
}

bool TryStrToInt64(std::string_view text, int64_t& value) {
  std::string_view rest = text;
  while (!rest.empty() && rest.front() == ' ')
    rest.remove_prefix(1);
  while (!rest.empty() && rest.back() == ' ')
    rest.remove_suffix(1);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  int base = 10;
  if (!rest.empty() && rest.front() == '$') {
    base = 16;
    rest.remove_prefix(1);
  } else if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    base = 16;
    rest.remove_prefix(2);
  }
  if (rest.empty()) return false;
  uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
  if (error != std::errc() || end != rest.data() + rest.size()) return false;
  if (base == 16 && !negative) {
    // Hexadecimal spells a bit pattern: $FFFFFFFF is the 32-bit -1 when it has 8 digits.
    value = static_cast<int64_t>(magnitude);
    return true;
  }
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  if (magnitude > limit) return false;
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

int64_t StrToInt64(std::string_view text) {
  int64_t value = 0;
  if (!TryStrToInt64(text, value))
    throw EConvertError(Format("'%s' is not a valid integer value", text));
  return value;
}

int32_t StrToInt(std::string_view text) {
  int64_t value = 0;
  if (!TryStrToInt64(text, value))
    throw EConvertError(Format("'%s' is not a valid integer value", text));
  // Eight hexadecimal digits name a 32-bit pattern such as $80000000.
  if (value > std::numeric_limits<int32_t>::max() && value <= 0xFFFFFFFFLL &&
      text.find_first_of("$xX") != std::string_view::npos)
    return static_cast<int32_t>(static_cast<uint32_t>(value));
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    throw EConvertError(Format("'%s' is not a valid integer value", text));
  return static_cast<int32_t>(value);
}

std::string FloatToStr(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

bool TryStrToFloat(std::string_view text, double& value) {
  std::string trimmed = Trim(text);
  if (trimmed.empty()) return false;
  const char* begin = trimmed.data();
  if (*begin == '+') ++begin;
  const char* finish = trimmed.data() + trimmed.size();
  const auto [end, error] = std::from_chars(begin, finish, value);
  return error == std::errc() && end == finish && std::isfinite(value);
}

double StrToFloat(std::string_view text) {
  double value = 0;
  if (!TryStrToFloat(text, value))
    throw EConvertError(Format("'%s' is not a valid floating point value", text));
  return value;
}

char UpCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

static char LowCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = UpCase(c);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = LowCase(c);
  return result;
}

int CompareStr(std::string_view a, std::string_view b) {
  return a.compare(b);
}

int CompareText(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto ca = static_cast<unsigned char>(UpCase(a[i]));
    const auto cb = static_cast<unsigned char>(UpCase(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

size_t HashText(std::string_view text) {
  // FNV-1a over the upper-cased bytes.
  uint64_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(UpCase(c));
    hash *= 1099511628211ull;
  }
  return static_cast<size_t>(hash);
}

static bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string TrimLeft(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start]))
    ++start;
  return std::string(text.substr(start));
}

std::string TrimRight(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1]))
    --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
  return TrimLeft(TrimRight(text));
}

std::string QuotedStr(std::string_view text) {
  std::string result = "'";
  for (char c : text) {
    if (c == '\'') result += '\'';
    result += c;
  }
  return result + "'";
}

bool IsValidIdent(std::string_view text) {
  auto isAlpha = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  };
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (text.empty() || !isAlpha(text.front())) return false;
  for (char c : text.substr(1))
    if (!isAlpha(c) && !isDigit(c)) return false;
  return true;
}

std::string ExtractFilePath(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileName(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ParamStr(int index) {
  if (index == 0) {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
  }
  std::FILE* file = std::fopen("/proc/self/cmdline", "rb");
  if (!file) return std::string();
  std::string arguments;
  char chunk[1024];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
    arguments.append(chunk, n);
  std::fclose(file);
  size_t start = 0;
  for (int i = 0; start < arguments.size(); ++i) {
    const size_t end = arguments.find('\0', start);
    if (i == index) return arguments.substr(start, end - start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return std::string();
}
