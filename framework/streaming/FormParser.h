#pragma once

#include <string>
#include <string_view>

#include "streaming/FormTree.h"

// Parses the text of a form file into its syntax tree. Any fault raises EReadError naming the
// line and what was expected there; nothing is built from a faulty text.
class TFormParser {
 public:
  explicit TFormParser(std::string_view text);

  TFormObject ParseForm();

 private:
  TFormObject ParseObject(int depth);
  TFormValue ParseValue(int depth);
  TFormValue ParseString();
  TFormValue ParseNumber();
  TFormValue ParseSet();
  TFormValue ParseList(int depth);
  TFormValue ParseBinary();
  std::string ParseIdent(const char* what);
  void AppendStringPart(std::string& text);

  void SkipBlanks();
  bool AtEnd() const { return FPos >= FText.size(); }
  char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }
  bool PeekKeyword(std::string_view keyword) const;
  bool PeekPropertyAssignment() const;
  void Expect(char c, const char* what);
  [[noreturn]] void Error(const std::string& message) const;

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
};

// The text of a form file: two spaces of indentation per level, lists and binary data over
// several lines, strings quoted with control characters as #n.
std::string PrintForm(const TFormObject& root);
// The text of one value as it stands after "Name = ".
std::string PrintFormValue(const TFormValue& value, int indent);
