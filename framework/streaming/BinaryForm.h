#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "streaming/FormTree.h"

// The binary form format: the signature "TPF0", then the root object. An object is an optional
// flags byte ($F0 + 1 inherited, 2 child position, 4 inline; the position follows as an
// integer value), its class name and its name as short strings (a length byte and the bytes),
// its properties (a short-string name and a tagged value each) ending with a zero byte, and its
// children ending with a zero byte. Values begin with a tag byte; integers and lengths are
// little-endian.

inline constexpr std::string_view BinaryFormSignature = "TPF0";

// True when data begins with the binary signature.
bool IsBinaryForm(std::string_view data);

// Parses a binary form file into its syntax tree. Any fault raises EReadError naming the byte
// offset; nothing is built from faulty data. Line fields hold byte offsets. Strings stored as
// single bytes are read as UTF-8 when they are valid UTF-8 and as Windows-1252 otherwise; wide
// strings as UTF-16 (a lone surrogate becomes U+FFFD).
class TBinaryFormParser {
 public:
  explicit TBinaryFormParser(std::string_view data);

  TFormObject ParseForm();

 private:
  TFormObject ParseObject(int depth);
  void ParseProperties(std::vector<TFormProperty>& properties, int depth);
  TFormValue ParseValue(int depth);
  TFormValue ParseCollection(int depth);
  int64_t ParseInteger(const char* what);
  std::string ParseShortString();
  std::string ParseName(const char* what, bool allowDots, bool allowEmpty);
  std::string_view ParseBytes(size_t count);
  // A 32-bit length of units of unitSize bytes that the rest of the data holds.
  size_t ParseLength(size_t unitSize = 1);
  template <typename T>
  T ParseFixed();
  uint8_t PeekByte() const;
  uint8_t NextByte();
  [[noreturn]] void Error(const std::string& message) const;

  std::string_view FData;
  size_t FPos = 0;
};

// The binary form file of a tree. Strings take the shortest tag that holds them (wide strings
// for text beyond ASCII), integers the smallest size, floats the type the tree records. Raises
// EWriteError naming a name or identifier longer than the format's 255 bytes.
std::string PrintBinaryForm(const TFormObject& root);
