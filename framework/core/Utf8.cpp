#include "core/Utf8.h"

#include <cwctype>
#include <locale>

namespace {
bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed sequence starting at offset, or 1 for a malformed byte.
size_t SequenceLength(std::string_view text, size_t offset) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (offset + length > text.size()) return 1;
  for (size_t i = 1; i < length; ++i)
    if (!IsContinuation(static_cast<unsigned char>(text[offset + i]))) return 1;
  return length;
}

const std::ctype<wchar_t>* UnicodeCase() {
  static const std::ctype<wchar_t>* facet = []() -> const std::ctype<wchar_t>* {
    try {
      static const std::locale locale("C.UTF-8");
      return &std::use_facet<std::ctype<wchar_t>>(locale);
    } catch (const std::exception&) {
      return nullptr;
    }
  }();
  return facet;
}

template <typename Map>
std::string MapCase(std::string_view text, Map map) {
  std::string result;
  result.reserve(text.size());
  for (size_t offset = 0; offset < text.size();) {
    const size_t next = Utf8NextChar(text, offset);
    const char32_t code = Utf8CodePointAt(text, offset);
    if (code == 0xFFFD && next - offset == 1 && static_cast<unsigned char>(text[offset]) >= 0x80)
      result.append(text.substr(offset, 1));  // a malformed byte stays as it was
    else
      Utf8Append(result, map(code));
    offset = next;
  }
  return result;
}
}  // namespace

size_t Utf8NextChar(std::string_view text, size_t offset) {
  if (offset >= text.size()) return text.size();
  offset = Utf8CharStart(text, offset);
  return offset + SequenceLength(text, offset);
}

size_t Utf8CharStart(std::string_view text, size_t offset) {
  if (offset >= text.size()) return text.size();
  if (!IsContinuation(static_cast<unsigned char>(text[offset]))) return offset;
  // A continuation byte belongs to the sequence that starts at most three bytes before it,
  // when that sequence is well formed and reaches it.
  for (size_t back = 1; back <= 3 && back <= offset; ++back) {
    const size_t start = offset - back;
    const auto byte = static_cast<unsigned char>(text[start]);
    if (IsContinuation(byte)) continue;
    return start + SequenceLength(text, start) > offset ? start : offset;
  }
  return offset;
}

size_t Utf8PrevChar(std::string_view text, size_t offset) {
  if (offset == 0) return 0;
  if (offset > text.size()) offset = text.size();
  return Utf8CharStart(text, offset - 1);
}

char32_t Utf8CodePointAt(std::string_view text, size_t offset) {
  if (offset >= text.size()) return 0;
  const size_t length = SequenceLength(text, offset);
  const auto lead = static_cast<unsigned char>(text[offset]);
  if (length == 1) return lead < 0x80 ? lead : 0xFFFD;
  char32_t value = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i)
    value = (value << 6) | (static_cast<unsigned char>(text[offset + i]) & 0x3F);
  // Overlong forms and surrogates are not characters.
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0xFFFD;
  return value;
}

size_t Utf8Length(std::string_view text) {
  size_t count = 0;
  for (size_t offset = 0; offset < text.size(); offset = Utf8NextChar(text, offset))
    ++count;
  return count;
}

size_t Utf8OffsetOfIndex(std::string_view text, size_t index) {
  size_t offset = 0;
  for (; index > 0 && offset < text.size(); --index)
    offset = Utf8NextChar(text, offset);
  return offset;
}

size_t Utf8IndexOfOffset(std::string_view text, size_t offset) {
  if (offset > text.size()) offset = text.size();
  size_t index = 0;
  for (size_t at = 0; at < offset; at = Utf8NextChar(text, at))
    ++index;
  return index;
}

void Utf8Append(std::string& text, char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code < 0x80) {
    text.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (code >> 6)));
    text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (code >> 12)));
    text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (code >> 18)));
    text.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

std::string Utf8Encode(char32_t code) {
  std::string text;
  Utf8Append(text, code);
  return text;
}

char32_t Utf8ToUpper(char32_t code) {
  if (code < 0x80) return code >= 'a' && code <= 'z' ? code - 0x20 : code;
  const auto* facet = UnicodeCase();
  return facet ? static_cast<char32_t>(facet->toupper(static_cast<wchar_t>(code))) : code;
}

char32_t Utf8ToLower(char32_t code) {
  if (code < 0x80) return code >= 'A' && code <= 'Z' ? code + 0x20 : code;
  const auto* facet = UnicodeCase();
  return facet ? static_cast<char32_t>(facet->tolower(static_cast<wchar_t>(code))) : code;
}

std::string Utf8UpperCase(std::string_view text) {
  return MapCase(text, Utf8ToUpper);
}

std::string Utf8LowerCase(std::string_view text) {
  return MapCase(text, Utf8ToLower);
}

bool Utf8StartsWithText(std::string_view text, std::string_view prefix) {
  size_t at = 0;
  for (size_t offset = 0; offset < prefix.size(); offset = Utf8NextChar(prefix, offset)) {
    if (at >= text.size()) return false;
    if (Utf8ToLower(Utf8CodePointAt(text, at)) != Utf8ToLower(Utf8CodePointAt(prefix, offset)))
      return false;
    at = Utf8NextChar(text, at);
  }
  return true;
}

bool IsWordCodePoint(char32_t code) {
  if (code < 0x80)
    return (code >= '0' && code <= '9') || (code >= 'a' && code <= 'z') ||
           (code >= 'A' && code <= 'Z') || code == '_';
  return code != 0xA0 && code != 0x3000 && !(code >= 0x2000 && code <= 0x200B);
}
