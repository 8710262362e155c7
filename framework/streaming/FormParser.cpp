#include "streaming/FormParser.h"

#include <cmath>
#include <limits>

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
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

TFormParser::TFormParser(std::string_view text) : FText(text) {
  if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
}

void TFormParser::Error(const std::string& message) const {
  throw EReadError(Format("Syntax error on line %d: %s", FLine, message));
}

void TFormParser::Unexpected(const std::string& what) const {
  if (AtEnd()) Error(Format("unexpected end of file; %s expected", what));
  if (AtLineBreak()) Error(Format("%s expected at the end of the line", what));
  const std::string found = CharacterAt(FText, FPos);
  const bool isCode = found.starts_with("#$");
  Error(Format(isCode ? "%s expected but %s found" : "%s expected but '%s' found", what, found));
}

char TFormParser::PeekAt(size_t offset) const {
  return FPos + offset < FText.size() ? FText[FPos + offset] : '\0';
}

void TFormParser::SkipBlanks() {
  while (!AtEnd() && IsBlank(Peek())) {
    if (Peek() == '\r') {
      ++FLine;
      if (PeekAt(1) == '\n') ++FPos;
    } else if (Peek() == '\n') {
      ++FLine;
    }
    ++FPos;
  }
}

bool TFormParser::PeekKeyword(std::string_view keyword) const {
  if (FPos + keyword.size() > FText.size()) return false;
  if (!SameText(FText.substr(FPos, keyword.size()), keyword)) return false;
  return FPos + keyword.size() == FText.size() || !IsIdentChar(FText[FPos + keyword.size()]);
}

bool TFormParser::PeekBlockKeyword(std::string_view keyword) const {
  return PeekKeyword(keyword) && !PeekPropertyAssignment();
}

// True when an "=" follows the word, so that "Object = 1" or "End = 2" is a property.
bool TFormParser::PeekPropertyAssignment() const {
  size_t p = FPos;
  while (p < FText.size() && (IsIdentChar(FText[p]) || FText[p] == '.'))
    ++p;
  while (p < FText.size() && IsBlank(FText[p]))
    ++p;
  return p < FText.size() && FText[p] == '=';
}

void TFormParser::Expect(char c, const char* what) {
  SkipBlanks();
  if (Peek() != c) Unexpected(what);
  ++FPos;
}

std::string TFormParser::ParseIdent(const char* what, bool allowDots) {
  SkipBlanks();
  if (!IsIdentStart(Peek())) Unexpected(what);
  const size_t start = FPos;
  while (!AtEnd() &&
         (IsIdentChar(Peek()) || (allowDots && Peek() == '.' && IsIdentStart(PeekAt(1)))))
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

void TFormParser::ParseObjectHeader(TFormObject& object) {
  object.Line = FLine;
  const std::string first = ParseIdent("component name or class name", false);
  SkipBlanks();
  if (Peek() == ':') {
    ++FPos;
    object.Name = first;
    object.ClassName = ParseIdent("class name", false);
  } else {
    object.ClassName = first;
  }
  SkipBlanks();
  if (Peek() != '[') return;
  ++FPos;
  SkipBlanks();
  const size_t start = FPos;
  while (IsDigit(Peek()))
    ++FPos;
  int64_t position = 0;
  if (FPos == start || IsIdentChar(Peek()) ||
      !TryStrToInt64(FText.substr(start, FPos - start), position) ||
      position > std::numeric_limits<int>::max())
    Error("child position expected after '['");
  object.ChildPos = static_cast<int>(position);
  Expect(']', "']'");
}

TFormObject TFormParser::ParseObject(int depth) {
  if (depth > MaxNesting) Error("objects nested too deeply");
  SkipBlanks();
  TFormObject object;
  if (PeekKeyword("inherited")) {
    object.Kind = TFormObjectKind::Inherited;
  } else if (PeekKeyword("inline")) {
    object.Kind = TFormObjectKind::Inline;
  } else if (!PeekKeyword("object")) {
    Unexpected("'object', 'inherited' or 'inline'");
  }
  FPos += std::string_view(FormObjectKeyword(object.Kind)).size();
  ParseObjectHeader(object);
  for (;;) {
    SkipBlanks();
    if (AtEnd())
      Error(Format("unexpected end of file; 'end' of %s expected",
                   object.Name.empty() ? object.ClassName : object.Name));
    if (PeekBlockKeyword("end")) {
      FPos += 3;
      return object;
    }
    if (PeekBlockKeyword("object") || PeekBlockKeyword("inherited") || PeekBlockKeyword("inline")) {
      object.Children.push_back(ParseObject(depth + 1));
      continue;
    }
    object.Properties.push_back(ParseProperty(depth));
  }
}

TFormProperty TFormParser::ParseProperty(int depth) {
  TFormProperty property;
  SkipBlanks();
  property.Line = FLine;
  property.Name = ParseIdent("property name");
  Expect('=', "'='");
  property.Value = ParseValue(depth + 1);
  return property;
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
  } else if (c == '<') {
    value = ParseCollection(depth);
  } else if (IsIdentStart(c)) {
    // Any identifier, "end" and "object" among them: a component may have such a name.
    value = TFormValue::OfIdent(ParseIdent("value"));
  } else {
    Unexpected("a value");
  }
  value.Line = line;
  return value;
}

void TFormParser::AppendQuoted(std::string& text, TUtf16Joiner& joiner) {
  joiner.Flush();
  ++FPos;
  std::string raw;
  for (;;) {
    if (AtEnd() || AtLineBreak()) Error("unterminated string");
    if (Peek() == '\'') {
      if (PeekAt(1) != '\'') break;
      raw += '\'';
      FPos += 2;
      continue;
    }
    raw += FText[FPos++];
  }
  ++FPos;
  text += AnsiToUtf8(raw);
}

void TFormParser::AppendCharCode(TUtf16Joiner& joiner) {
  ++FPos;
  uint32_t code = 0;
  const bool hex = Peek() == '$';
  if (hex) ++FPos;
  const size_t start = FPos;
  while (!AtEnd() && (hex ? HexDigit(Peek()) >= 0 : IsDigit(Peek()))) {
    code = code * (hex ? 16 : 10) + static_cast<uint32_t>(hex ? HexDigit(Peek()) : Peek() - '0');
    if (code > 0x10FFFF) Error("character code out of range");
    ++FPos;
  }
  if (FPos == start) Error("character code expected after '#'");
  joiner.Add(code);
}

TFormValue TFormParser::ParseString() {
  std::string text;
  {
    TUtf16Joiner joiner(text);
    for (;;) {
      while (Peek() == '\'' || Peek() == '#') {
        if (Peek() == '\'')
          AppendQuoted(text, joiner);
        else
          AppendCharCode(joiner);
      }
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
      if (Peek() != '\'' && Peek() != '#') Unexpected("a string after '+'");
    }
  }
  return TFormValue::OfString(std::move(text));
}

// The text of a malformed number for the message: the number and what runs into it.
std::string TFormParser::NumberRun(size_t start) {
  while (!AtEnd() && (IsIdentChar(Peek()) || Peek() == '.'))
    ++FPos;
  return std::string(FText.substr(start, FPos - start));
}

TFormValue TFormParser::ParseNumber() {
  const size_t start = FPos;
  bool negative = false;
  const bool signed_ = Peek() == '-' || Peek() == '+';
  if (signed_) {
    negative = Peek() == '-';
    ++FPos;
  }
  if (signed_ && (PeekKeyword("INF") || PeekKeyword("NAN"))) {
    const bool infinite = PeekKeyword("INF");
    FPos += 3;
    const double magnitude = infinite ? std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::quiet_NaN();
    return TFormValue::OfFloat(negative ? -magnitude : magnitude);
  }
  auto checkEnd = [&] {
    if (IsIdentChar(Peek()) || Peek() == '.') Error(Format("invalid number %s", NumberRun(start)));
  };
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
    checkEnd();
    const auto value = static_cast<int64_t>(magnitude);
    return TFormValue::OfInteger(negative ? -value : value);
  }
  if (!IsDigit(Peek())) {
    if (signed_) Error(Format("digits expected after '%c'", FText[start]));
    Unexpected("digits");
  }
  bool isFloat = false;
  while (IsDigit(Peek()))
    ++FPos;
  if (Peek() == '.' && IsDigit(PeekAt(1))) {
    isFloat = true;
    ++FPos;
    while (IsDigit(Peek()))
      ++FPos;
  }
  if ((Peek() == 'e' || Peek() == 'E') &&
      (IsDigit(PeekAt(1)) || ((PeekAt(1) == '+' || PeekAt(1) == '-') && IsDigit(PeekAt(2))))) {
    isFloat = true;
    FPos += 2;
    while (IsDigit(Peek()))
      ++FPos;
  }
  checkEnd();
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
    names.push_back(ParseIdent("set element", false));
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
    if (AtEnd()) Unexpected("')'");
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
    if (AtEnd()) Unexpected("'}'");
    const int high = HexDigit(Peek());
    const int low = HexDigit(PeekAt(1));
    if (high < 0 || low < 0) Error("hexadecimal byte expected in binary data");
    bytes.push_back(static_cast<uint8_t>(high * 16 + low));
    FPos += 2;
  }
}

TFormValue TFormParser::ParseCollection(int depth) {
  ++FPos;
  TFormValue collection = TFormValue::OfCollection();
  for (;;) {
    SkipBlanks();
    if (Peek() == '>') {
      ++FPos;
      return collection;
    }
    if (!PeekKeyword("item")) Unexpected("'item' or '>'");
    collection.Collection.push_back(ParseItem(depth + 1));
  }
}

TFormItem TFormParser::ParseItem(int depth) {
  if (depth > MaxNesting) Error("values nested too deeply");
  TFormItem item;
  item.Line = FLine;
  FPos += 4;
  for (;;) {
    SkipBlanks();
    if (AtEnd()) Error("unexpected end of file; 'end' of item expected");
    if (PeekBlockKeyword("end")) {
      FPos += 3;
      return item;
    }
    item.Properties.push_back(ParseProperty(depth));
  }
}
