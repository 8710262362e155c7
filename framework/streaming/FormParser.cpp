#include "streaming/FormParser.h"

#include <charconv>
#include <cmath>

#include "core/Exception.h"
#include "core/SysUtils.h"

namespace {
constexpr int MaxNesting = 200;

bool IsIdentStart(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& text, uint32_t code) {
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
}  // namespace

TFormParser::TFormParser(std::string_view text) : FText(text) {
  if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
}

void TFormParser::Error(const std::string& message) const {
  throw EReadError(Format("Syntax error on line %d: %s", FLine, message));
}

void TFormParser::SkipBlanks() {
  while (!AtEnd()) {
    const char c = FText[FPos];
    if (c == '\n') {
      ++FLine;
    } else if (static_cast<unsigned char>(c) > ' ') {
      return;
    }
    ++FPos;
  }
}

bool TFormParser::PeekKeyword(std::string_view keyword) const {
  if (FPos + keyword.size() > FText.size()) return false;
  if (!SameText(FText.substr(FPos, keyword.size()), keyword)) return false;
  return FPos + keyword.size() == FText.size() || !IsIdentChar(FText[FPos + keyword.size()]);
}

// After "object": true when an "=" follows the word, so "Object = 1" is a property.
bool TFormParser::PeekPropertyAssignment() const {
  size_t p = FPos;
  while (p < FText.size() && (IsIdentChar(FText[p]) || FText[p] == '.'))
    ++p;
  while (p < FText.size() && static_cast<unsigned char>(FText[p]) <= ' ')
    ++p;
  return p < FText.size() && FText[p] == '=';
}

void TFormParser::Expect(char c, const char* what) {
  SkipBlanks();
  if (Peek() != c) {
    if (AtEnd()) Error(Format("unexpected end of file; %s expected", what));
    Error(Format("%s expected but '%c' found", what, Peek()));
  }
  ++FPos;
}

std::string TFormParser::ParseIdent(const char* what) {
  SkipBlanks();
  if (!IsIdentStart(Peek())) {
    if (AtEnd()) Error(Format("unexpected end of file; %s expected", what));
    Error(Format("%s expected but '%c' found", what, Peek()));
  }
  const size_t start = FPos;
  while (!AtEnd() && (IsIdentChar(Peek()) ||
                      (Peek() == '.' && FPos + 1 < FText.size() && IsIdentStart(FText[FPos + 1]))))
    ++FPos;
  return std::string(FText.substr(start, FPos - start));
}

TFormObject TFormParser::ParseForm() {
  SkipBlanks();
  TFormObject root = ParseObject(0);
  SkipBlanks();
  if (!AtEnd()) Error("text after the final 'end'");
  return root;
}

TFormObject TFormParser::ParseObject(int depth) {
  if (depth > MaxNesting) Error("objects nested too deeply");
  SkipBlanks();
  if (PeekKeyword("inherited") || PeekKeyword("inline"))
    Error("inherited forms are not supported; 'object' expected");
  if (!PeekKeyword("object")) Error("'object' expected");
  FPos += 6;
  TFormObject object;
  object.Line = FLine;
  const std::string first = ParseIdent("component name or class name");
  SkipBlanks();
  if (Peek() == ':') {
    ++FPos;
    object.Name = first;
    object.ClassName = ParseIdent("class name");
  } else {
    object.ClassName = first;
  }
  if (object.Name.find('.') != std::string::npos || object.ClassName.find('.') != std::string::npos)
    Error("a component name or class name cannot contain '.'");
  for (;;) {
    SkipBlanks();
    if (AtEnd())
      Error(Format("unexpected end of file; 'end' of %s expected",
                   object.Name.empty() ? object.ClassName : object.Name));
    if (PeekKeyword("end")) {
      FPos += 3;
      return object;
    }
    if ((PeekKeyword("object") || PeekKeyword("inherited") || PeekKeyword("inline")) &&
        !PeekPropertyAssignment()) {
      object.Children.push_back(ParseObject(depth + 1));
      continue;
    }
    TFormProperty property;
    property.Line = FLine;
    property.Name = ParseIdent("property name");
    Expect('=', "'='");
    property.Value = ParseValue(depth + 1);
    object.Properties.push_back(std::move(property));
  }
}

TFormValue TFormParser::ParseValue(int depth) {
  if (depth > MaxNesting) Error("values nested too deeply");
  SkipBlanks();
  const int line = FLine;
  TFormValue value;
  const char c = Peek();
  if (c == '\'' || c == '#') {
    value = ParseString();
  } else if (IsDigit(c) || c == '-' || c == '+' || c == '$') {
    value = ParseNumber();
  } else if (c == '[') {
    value = ParseSet();
  } else if (c == '(') {
    value = ParseList(depth);
  } else if (c == '{') {
    value = ParseBinary();
  } else if (IsIdentStart(c)) {
    value = TFormValue::OfIdent(ParseIdent("value"));
  } else if (c == '<') {
    Error("collections are not supported");
  } else if (AtEnd()) {
    Error("unexpected end of file; a value expected");
  } else {
    Error(Format("a value expected but '%c' found", c));
  }
  value.Line = line;
  return value;
}

void TFormParser::AppendStringPart(std::string& text) {
  while (!AtEnd()) {
    if (Peek() == '\'') {
      ++FPos;
      for (;;) {
        if (AtEnd() || Peek() == '\n') Error("unterminated string");
        if (Peek() == '\'') {
          if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
            text += '\'';
            FPos += 2;
            continue;
          }
          ++FPos;
          break;
        }
        text += FText[FPos++];
      }
    } else if (Peek() == '#') {
      ++FPos;
      uint32_t code = 0;
      const bool hex = Peek() == '$';
      if (hex) ++FPos;
      const size_t start = FPos;
      while (!AtEnd() && (hex ? HexDigit(Peek()) >= 0 : IsDigit(Peek()))) {
        code =
            code * (hex ? 16 : 10) + static_cast<uint32_t>(hex ? HexDigit(Peek()) : Peek() - '0');
        if (code > 0x10FFFF) Error("character code out of range");
        ++FPos;
      }
      if (FPos == start) Error("character code expected after '#'");
      AppendUtf8(text, code);
    } else {
      return;
    }
  }
}

TFormValue TFormParser::ParseString() {
  std::string text;
  AppendStringPart(text);
  for (;;) {
    const size_t save = FPos;
    const int saveLine = FLine;
    SkipBlanks();
    if (Peek() != '+') {
      FPos = save;
      FLine = saveLine;
      break;
    }
    ++FPos;
    SkipBlanks();
    if (Peek() != '\'' && Peek() != '#') Error("string expected after '+'");
    AppendStringPart(text);
  }
  return TFormValue::OfString(std::move(text));
}

TFormValue TFormParser::ParseNumber() {
  const size_t start = FPos;
  bool negative = false;
  if (Peek() == '-' || Peek() == '+') {
    negative = Peek() == '-';
    ++FPos;
  }
  if (Peek() == '$') {
    ++FPos;
    const size_t digits = FPos;
    uint64_t magnitude = 0;
    while (!AtEnd() && HexDigit(Peek()) >= 0) {
      if (magnitude >> 60) Error("hexadecimal number too large");
      magnitude = magnitude * 16 + static_cast<uint64_t>(HexDigit(Peek()));
      ++FPos;
    }
    if (FPos == digits) Error("hexadecimal digits expected after '$'");
    const auto value = static_cast<int64_t>(magnitude);
    return TFormValue::OfInteger(negative ? -value : value);
  }
  if (!IsDigit(Peek())) Error("digits expected");
  bool isFloat = false;
  while (!AtEnd() && IsDigit(Peek()))
    ++FPos;
  if (Peek() == '.' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1])) {
    isFloat = true;
    ++FPos;
    while (!AtEnd() && IsDigit(Peek()))
      ++FPos;
  }
  if (Peek() == 'e' || Peek() == 'E') {
    isFloat = true;
    ++FPos;
    if (Peek() == '+' || Peek() == '-') ++FPos;
    if (!IsDigit(Peek())) Error("exponent digits expected");
    while (!AtEnd() && IsDigit(Peek()))
      ++FPos;
  }
  const std::string_view number = FText.substr(start, FPos - start);
  if (isFloat) {
    double value = 0;
    if (!TryStrToFloat(number, value)) Error(Format("invalid number %s", std::string(number)));
    return TFormValue::OfFloat(value);
  }
  int64_t value = 0;
  if (!TryStrToInt64(number, value)) Error(Format("integer %s out of range", std::string(number)));
  return TFormValue::OfInteger(value);
}

TFormValue TFormParser::ParseSet() {
  ++FPos;
  std::vector<std::string> names;
  SkipBlanks();
  if (Peek() == ']') {
    ++FPos;
    return TFormValue::OfSet(std::move(names));
  }
  for (;;) {
    names.push_back(ParseIdent("set element"));
    SkipBlanks();
    if (Peek() == ']') {
      ++FPos;
      return TFormValue::OfSet(std::move(names));
    }
    Expect(',', "',' or ']'");
  }
}

TFormValue TFormParser::ParseList(int depth) {
  ++FPos;
  TFormValue list = TFormValue::OfList();
  for (;;) {
    SkipBlanks();
    if (Peek() == ')') {
      ++FPos;
      return list;
    }
    if (AtEnd()) Error("unexpected end of file; ')' expected");
    list.Items.push_back(ParseValue(depth + 1));
  }
}

TFormValue TFormParser::ParseBinary() {
  ++FPos;
  std::vector<uint8_t> bytes;
  for (;;) {
    SkipBlanks();
    if (Peek() == '}') {
      ++FPos;
      return TFormValue::OfBinary(std::move(bytes));
    }
    if (AtEnd()) Error("unexpected end of file; '}' expected");
    const int high = HexDigit(Peek());
    const int low = FPos + 1 < FText.size() ? HexDigit(FText[FPos + 1]) : -1;
    if (high < 0 || low < 0) Error("hexadecimal byte expected in binary data");
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    FPos += 2;
  }
}

namespace {
std::string QuoteFormString(const std::string& text) {
  if (text.empty()) return "''";
  std::string result;
  bool quoted = false;
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 32 || code == 127) {
      if (quoted) result += '\'';
      quoted = false;
      result += '#' + std::to_string(code);
      continue;
    }
    if (!quoted) result += '\'';
    quoted = true;
    if (c == '\'') result += '\'';
    result += c;
  }
  if (quoted) result += '\'';
  return result;
}

std::string FormatFloat(double value) {
  std::string text = FloatToStr(value);
  if (text.find_first_of(".eE") == std::string::npos && std::isfinite(value)) text += ".0";
  return text;
}
}  // namespace

std::string PrintFormValue(const TFormValue& value, int indent) {
  const std::string inner(static_cast<size_t>(indent + 2), ' ');
  switch (value.Kind) {
    case TFormValueKind::Integer:
      return std::to_string(value.Integer);
    case TFormValueKind::Float:
      return FormatFloat(value.Float);
    case TFormValueKind::String:
      return QuoteFormString(value.Text);
    case TFormValueKind::Ident:
      return value.Text;
    case TFormValueKind::Set: {
      std::string text = "[";
      for (size_t i = 0; i < value.Names.size(); ++i)
        text += (i ? ", " : "") + value.Names[i];
      return text + "]";
    }
    case TFormValueKind::List: {
      std::string text = "(";
      for (const TFormValue& item : value.Items)
        text += "\n" + inner + PrintFormValue(item, indent + 2);
      return text + ")";
    }
    case TFormValueKind::Binary: {
      static const char digits[] = "0123456789ABCDEF";
      std::string text = "{";
      for (size_t i = 0; i < value.Bytes.size(); ++i) {
        if (i % 32 == 0) text += "\n" + inner;
        text += digits[value.Bytes[i] >> 4];
        text += digits[value.Bytes[i] & 15];
      }
      return text + "}";
    }
  }
  return std::string();
}

static void PrintObject(const TFormObject& object, int indent, std::string& out) {
  const std::string pad(static_cast<size_t>(indent), ' ');
  out += pad + "object ";
  out += object.Name.empty() ? object.ClassName : object.Name + ": " + object.ClassName;
  out += '\n';
  for (const TFormProperty& property : object.Properties)
    out += pad + "  " + property.Name + " = " + PrintFormValue(property.Value, indent + 2) + "\n";
  for (const TFormObject& child : object.Children)
    PrintObject(child, indent + 2, out);
  out += pad + "end\n";
}

std::string PrintForm(const TFormObject& root) {
  std::string out;
  PrintObject(root, 0, out);
  return out;
}
