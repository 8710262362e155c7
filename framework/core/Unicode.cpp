#include "core/Unicode.h"

#include "core/SysUtils.h"

namespace {
bool IsHighSurrogate(uint32_t code) {
  return code >= 0xD800 && code <= 0xDBFF;
}
bool IsLowSurrogate(uint32_t code) {
  return code >= 0xDC00 && code <= 0xDFFF;
}

// Windows-1252 at 0x80..0x9F; the rest of the upper half is Latin-1. Undefined slots map to
// the C1 control of the same value, as the platform's conversion does.
constexpr uint16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t Cp1252ToCode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : byte;
}
}  // namespace

void AppendUtf8(std::string& text, uint32_t code) {
  if (IsHighSurrogate(code) || IsLowSurrogate(code) || code > 0x10FFFF) code = ReplacementCharacter;
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool DecodeUtf8(std::string_view text, size_t& index, uint32_t& code) {
  const auto lead = static_cast<unsigned char>(text[index]);
  size_t length = 0;
  uint32_t minimum = 0;
  if (lead < 0x80) {
    code = lead;
    ++index;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    ++index;
    return false;
  }
  if (index + length > text.size()) {
    ++index;
    return false;
  }
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[index + i]);
    if ((next & 0xC0) != 0x80) {
      ++index;
      return false;
    }
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || IsHighSurrogate(code) || IsLowSurrogate(code)) {
    ++index;
    return false;
  }
  index += length;
  return true;
}

bool IsValidUtf8(std::string_view text) {
  uint32_t code = 0;
  for (size_t index = 0; index < text.size();)
    if (!DecodeUtf8(text, index, code)) return false;
  return true;
}

std::string AnsiToUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size() * 2);
  for (char c : bytes)
    AppendUtf8(text, Cp1252ToCode(static_cast<unsigned char>(c)));
  return text;
}

std::string Utf16ToUtf8(const std::vector<uint16_t>& units) {
  std::string text;
  text.reserve(units.size());
  {
    TUtf16Joiner joiner(text);
    for (uint16_t unit : units)
      joiner.Add(unit);
  }
  return text;
}

std::vector<uint16_t> Utf8ToUtf16(std::string_view text) {
  std::vector<uint16_t> units;
  units.reserve(text.size());
  uint32_t code = 0;
  for (size_t index = 0; index < text.size();) {
    if (!DecodeUtf8(text, index, code)) code = ReplacementCharacter;
    if (code >= 0x10000) {
      code -= 0x10000;
      units.push_back(static_cast<uint16_t>(0xD800 + (code >> 10)));
      units.push_back(static_cast<uint16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      units.push_back(static_cast<uint16_t>(code));
    }
  }
  return units;
}

std::string CharacterAt(std::string_view text, size_t index) {
  if (index >= text.size()) return std::string();
  size_t next = index;
  uint32_t code = 0;
  if (DecodeUtf8(text, next, code) && code >= 0x20 && code != 0x7F)
    return std::string(text.substr(index, next - index));
  return "#$" + IntToHex(static_cast<unsigned char>(text[index]), 2);
}

void TUtf16Joiner::Add(uint32_t code) {
  if (FHigh && IsLowSurrogate(code)) {
    AppendUtf8(FText, 0x10000 + ((FHigh - 0xD800) << 10) + (code - 0xDC00));
    FHigh = 0;
    return;
  }
  Flush();
  if (IsHighSurrogate(code))
    FHigh = code;
  else
    AppendUtf8(FText, code);
}

void TUtf16Joiner::Flush() {
  if (FHigh) AppendUtf8(FText, ReplacementCharacter);
  FHigh = 0;
}
