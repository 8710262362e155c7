#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 text as the framework stores it: byte offsets that fall on character boundaries, and
// characters (code points) counted as users see them. Malformed bytes count as one character
// each, so that every byte of any input is reachable and nothing is lost.

// The offset just after the character starting at offset (the end stays the end).
size_t Utf8NextChar(std::string_view text, size_t offset);
// The offset of the character that ends at offset (the start stays the start).
size_t Utf8PrevChar(std::string_view text, size_t offset);
// The offset itself when it starts a character, else the start of the character holding it.
size_t Utf8CharStart(std::string_view text, size_t offset);
// The code point at offset (U+FFFD for a malformed byte); 0 at the end.
char32_t Utf8CodePointAt(std::string_view text, size_t offset);
// How many characters text holds.
size_t Utf8Length(std::string_view text);
// The byte offset of character index (the end for an index past it).
size_t Utf8OffsetOfIndex(std::string_view text, size_t index);
// The character index of a byte offset.
size_t Utf8IndexOfOffset(std::string_view text, size_t offset);
// The offset after at most count characters from the start.
inline size_t Utf8PrefixBytes(std::string_view text, size_t count) {
  return Utf8OffsetOfIndex(text, count);
}
// Appends the UTF-8 form of a code point (U+FFFD for values that are no code point).
void Utf8Append(std::string& text, char32_t codePoint);
std::string Utf8Encode(char32_t codePoint);

// Letter case by the Unicode rules of the C.UTF-8 locale (ASCII only where the system lacks
// it), one code point for one.
char32_t Utf8ToUpper(char32_t codePoint);
char32_t Utf8ToLower(char32_t codePoint);
std::string Utf8UpperCase(std::string_view text);
std::string Utf8LowerCase(std::string_view text);
// Whether text starts with prefix, ignoring letter case.
bool Utf8StartsWithText(std::string_view text, std::string_view prefix);
// Letters, digits and the underscore: what words are made of. Every character beyond ASCII
// counts as a letter unless it is a space.
bool IsWordCodePoint(char32_t codePoint);
