#include "designintf/OrdinalProperty.h"

#include <limits>

#include "core/Exception.h"
#include "core/Module.h"
#include "core/SysUtils.h"

IMPLEMENT_CLASS(TOrdinalProperty) {}
IMPLEMENT_CLASS(TIntegerProperty) {}
IMPLEMENT_CLASS(TCharProperty) {}

namespace {
bool IsHexText(std::string_view text) {
  return text.find_first_of("$xX") != std::string::npos;
}

// Code points as UTF-8, for wide characters.
std::string EncodeUtf8(uint32_t code) {
  std::string text;
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
  return text;
}

// The code point of text when it is exactly one UTF-8 character of up to three bytes.
bool DecodeSingleUtf8(std::string_view text, int64_t& code) {
  const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
  const auto continuation = [&](size_t i) { return (byte(i) & 0xC0) == 0x80; };
  if (text.size() == 1 && byte(0) < 0x80) {
    code = byte(0);
  } else if (text.size() == 2 && (byte(0) & 0xE0) == 0xC0 && continuation(1)) {
    code = ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
  } else if (text.size() == 3 && (byte(0) & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
    code = ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  } else {
    return false;
  }
  return true;
}
}  // namespace

int TOrdinalProperty::GetEditLimit() {
  return 63;
}

void TOrdinalProperty::CheckRange(int64_t value) const {
  PTypeInfo type = GetPropType();
  if (value < type->MinValue || value > type->MaxValue)
    throw EPropertyError(Format("Value must be between %lld and %lld",
                                static_cast<long long>(type->MinValue),
                                static_cast<long long>(type->MaxValue)));
}

std::string TIntegerProperty::GetValue() {
  return IntToStr(GetOrdValue());
}

void TIntegerProperty::SetValue(const std::string& value) {
  SetOrdValue(ToOrdinal(value));
}

int64_t TIntegerProperty::ToOrdinal(const std::string& text) const {
  int64_t value = StrToInt64(text);
  // Eight hexadecimal digits spell a 32-bit pattern: $FFFFFFFF is -1 for a signed type.
  if (GetPropType()->OrdType == otSLong && IsHexText(text) &&
      value > std::numeric_limits<int32_t>::max() && value <= 0xFFFFFFFFLL)
    value = static_cast<int32_t>(static_cast<uint32_t>(value));
  CheckRange(value);
  return value;
}

std::string TCharProperty::GetValue() {
  const int64_t code = GetOrdValue();
  const bool wide = GetPropType()->Kind == tkWChar;
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool printable = code > ' ' && code != 127 && (code < 128 || wide) && !surrogate;
  if (!printable) return "#" + IntToStr(code);
  return EncodeUtf8(static_cast<uint32_t>(code));
}

void TCharProperty::SetValue(const std::string& value) {
  int64_t code = 0;
  if (value.size() > 1 && value.front() == '#') {
    if (!TryStrToInt64(std::string_view(value).substr(1), code))
      throw EConvertError(Format("'%s' is not a valid character value", value));
  } else if (!DecodeSingleUtf8(value, code)) {
    throw EConvertError(
        Format("'%s' is not a valid character value: type one character or "
               "#code",
               value));
  }
  CheckRange(code);
  SetOrdValue(code);
}
