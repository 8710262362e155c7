#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Conversions between the framework's UTF-8 strings and the encodings that files bring along.
// Nothing here produces invalid UTF-8: what cannot be decoded becomes U+FFFD.

inline constexpr uint32_t ReplacementCharacter = 0xFFFD;

// Appends code point code as UTF-8; surrogates and values beyond U+10FFFF append U+FFFD.
void AppendUtf8(std::string& text, uint32_t code);
// Decodes the character at text[index] and moves index past it. False for a malformed or
// overlong sequence, a surrogate or a value beyond U+10FFFF; index then moves one byte on.
bool DecodeUtf8(std::string_view text, size_t& index, uint32_t& code);
bool IsValidUtf8(std::string_view text);
// Bytes from an older file: kept when they are valid UTF-8, otherwise read as Windows-1252.
std::string AnsiToUtf8(std::string_view bytes);
// UTF-16 code units: a surrogate pair becomes its one character, a lone surrogate U+FFFD.
std::string Utf16ToUtf8(const std::vector<uint16_t>& units);
std::vector<uint16_t> Utf8ToUtf16(std::string_view text);
// The character at text[index] as it can be quoted in a message: the whole UTF-8 sequence, or
// "#$XX" for a byte that does not start one.
std::string CharacterAt(std::string_view text, size_t index);

// Joins character codes one at a time, as form files give them (#55357#56832): a high
// surrogate waits for the low one that follows it; one left alone becomes U+FFFD.
class TUtf16Joiner {
 public:
  explicit TUtf16Joiner(std::string& text) : FText(text) {}
  ~TUtf16Joiner() { Flush(); }
  TUtf16Joiner(const TUtf16Joiner&) = delete;
  TUtf16Joiner& operator=(const TUtf16Joiner&) = delete;

  void Add(uint32_t code);
  // Ends a pending high surrogate (before text that is not a character code).
  void Flush();

 private:
  std::string& FText;
  uint32_t FHigh = 0;
};
