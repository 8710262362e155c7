#pragma once

#include <string>
#include <string_view>

#include "core/Unicode.h"
#include "streaming/FormTree.h"

// Parses the text of a form file into its syntax tree. Any fault raises EReadError naming the
// line and what was expected there; nothing is built from a faulty text. Lines end with LF,
// CR LF or CR. Quoted text that is not valid UTF-8 is read as Windows-1252, the encoding of
// older files; character codes (#233, #$E9) are UTF-16 code units, and a surrogate pair given
// as two codes becomes its one character (a lone surrogate becomes U+FFFD).
class TFormParser {
 public:
  explicit TFormParser(std::string_view text);

  TFormObject ParseForm();

 private:
  TFormObject ParseObject(int depth);
  void ParseObjectHeader(TFormObject& object);
  TFormProperty ParseProperty(int depth);
  TFormValue ParseValue(int depth);
  TFormValue ParseString();
  TFormValue ParseNumber();
  TFormValue ParseSet();
  TFormValue ParseList(int depth);
  TFormValue ParseBinary();
  TFormValue ParseCollection(int depth);
  TFormItem ParseItem(int depth);
  // An identifier; with allowDots a dotted one (Font.Name, Form2.Button1).
  std::string ParseIdent(const char* what, bool allowDots = true);
  void AppendQuoted(std::string& text, TUtf16Joiner& joiner);
  void AppendCharCode(TUtf16Joiner& joiner);
  std::string NumberRun(size_t start);

  void SkipBlanks();
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
  char PeekAt(size_t offset) const;
  bool AtLineBreak() const { return Peek() == '\n' || Peek() == '\r'; }
  bool PeekKeyword(std::string_view keyword) const;
  // A keyword that opens or ends a block, not the name of a property being assigned.
  bool PeekBlockKeyword(std::string_view keyword) const;
  bool PeekPropertyAssignment() const;
  void Expect(char c, const char* what);
  [[noreturn]] void Unexpected(const std::string& what) const;
  [[noreturn]] void Error(const std::string& message) const;

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
};
