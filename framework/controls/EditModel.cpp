#include "controls/EditModel.h"

#include <algorithm>
#include <utility>

#include "core/Utf8.h"

namespace {
enum class TCharClass : uint8_t { Word, Blank, Break, Other };

std::string NormalizeBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      result.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}
}  // namespace

namespace {
TCharClass ClassAt(std::string_view text, size_t position, bool multiLine) {
  const char32_t code = Utf8CodePointAt(text, position);
  if (code == '\n' && multiLine) return TCharClass::Break;
  if (code == ' ' || code == '\t') return TCharClass::Blank;
  return IsWordCodePoint(code) ? TCharClass::Word : TCharClass::Other;
}
}  // namespace

// Text and rules.

bool TEditModel::SetText(std::string_view text) {
  std::string adapted = ApplyCase(FMultiLine ? NormalizeBreaks(text) : std::string(text));
  const bool changed = adapted != FText;
  FText = std::move(adapted);
  FCaret = FAnchor = 0;
  FCanUndo = false;
  FModified = false;
  FLastStep = TStep::None;
  return changed;
}

bool TEditModel::SetCharCase(TEditCharCase value) {
  FCharCase = value;
  if (value == ecNormal) return false;
  std::string converted = ApplyCase(FText);
  if (converted == FText) return false;
  // Case mapping may change a character's byte length: the selection keeps its characters.
  const size_t caret = Utf8IndexOfOffset(FText, FCaret);
  const size_t anchor = Utf8IndexOfOffset(FText, FAnchor);
  FText = std::move(converted);
  FCaret = Utf8OffsetOfIndex(FText, caret);
  FAnchor = Utf8OffsetOfIndex(FText, anchor);
  FCanUndo = false;
  FLastStep = TStep::None;
  return true;
}

std::string TEditModel::ApplyCase(std::string_view text) const {
  switch (FCharCase) {
    case ecUpperCase:
      return Utf8UpperCase(text);
    case ecLowerCase:
      return Utf8LowerCase(text);
    default:
      return std::string(text);
  }
}

std::string TEditModel::Adapt(std::string_view text) const {
  if (FMultiLine) return ApplyCase(NormalizeBreaks(text));
  const size_t lineBreak = text.find_first_of("\r\n");
  return ApplyCase(text.substr(0, lineBreak));
}

// Selection.

size_t TEditModel::Clamp(size_t position) const {
  return Utf8CharStart(FText, std::min(position, FText.size()));
}

std::string TEditModel::GetSelText() const {
  return FText.substr(GetSelStart(), GetSelEnd() - GetSelStart());
}

void TEditModel::Select(size_t anchor, size_t caret) {
  FAnchor = Clamp(anchor);
  FCaret = Clamp(caret);
  FLastStep = TStep::None;
}

void TEditModel::MoveTo(size_t position, bool extend) {
  FCaret = Clamp(position);
  if (!extend) FAnchor = FCaret;
  FLastStep = TStep::None;
}

// Navigation.

size_t TEditModel::CharLeft(size_t position) const {
  return Utf8PrevChar(FText, Clamp(position));
}

size_t TEditModel::CharRight(size_t position) const {
  return Utf8NextChar(FText, Clamp(position));
}

size_t TEditModel::WordRight(size_t position) const {
  size_t p = Clamp(position);
  if (p >= FText.size()) return FText.size();
  const TCharClass first = ClassAt(FText, p, FMultiLine);
  if (first == TCharClass::Break) return Utf8NextChar(FText, p);
  if (first != TCharClass::Blank)
    while (p < FText.size() && ClassAt(FText, p, FMultiLine) == first)
      p = Utf8NextChar(FText, p);
  while (p < FText.size() && ClassAt(FText, p, FMultiLine) == TCharClass::Blank)
    p = Utf8NextChar(FText, p);
  return p;
}

size_t TEditModel::WordLeft(size_t position) const {
  size_t p = Clamp(position);
  auto classBefore = [&](size_t at) { return ClassAt(FText, Utf8PrevChar(FText, at), FMultiLine); };
  auto skipBlanks = [&] {
    while (p > 0 && classBefore(p) == TCharClass::Blank)
      p = Utf8PrevChar(FText, p);
  };
  skipBlanks();
  if (p > 0 && classBefore(p) == TCharClass::Break) {
    p = Utf8PrevChar(FText, p);
    skipBlanks();
    if (p == 0 || classBefore(p) == TCharClass::Break) return p;
  }
  if (p == 0) return 0;
  const TCharClass run = classBefore(p);
  while (p > 0 && classBefore(p) == run)
    p = Utf8PrevChar(FText, p);
  return p;
}

size_t TEditModel::WordAt(size_t position, size_t& end) const {
  size_t p = Clamp(position);
  const bool atLineEnd = p >= FText.size() || ClassAt(FText, p, FMultiLine) == TCharClass::Break;
  if (atLineEnd && p > LineStartAt(p)) p = Utf8PrevChar(FText, p);
  if (p >= FText.size() || ClassAt(FText, p, FMultiLine) == TCharClass::Break) {
    end = p;
    return p;
  }
  const TCharClass run = ClassAt(FText, p, FMultiLine);
  size_t start = p;
  while (start > 0 && ClassAt(FText, Utf8PrevChar(FText, start), FMultiLine) == run)
    start = Utf8PrevChar(FText, start);
  end = p;
  while (end < FText.size() && ClassAt(FText, end, FMultiLine) == run)
    end = Utf8NextChar(FText, end);
  return start;
}

// Lines.

int TEditModel::GetLineCount() const {
  if (!FMultiLine) return 1;
  return static_cast<int>(std::count(FText.begin(), FText.end(), '\n')) + 1;
}

int TEditModel::LineOf(size_t position) const {
  if (!FMultiLine) return 0;
  position = std::min(position, FText.size());
  return static_cast<int>(
      std::count(FText.begin(), FText.begin() + static_cast<long>(position), '\n'));
}

size_t TEditModel::LineStart(int line) const {
  if (!FMultiLine || line <= 0) return 0;
  size_t at = 0;
  for (int i = 0; i < line; ++i) {
    const size_t lineBreak = FText.find('\n', at);
    if (lineBreak == std::string::npos) return FText.size();
    at = lineBreak + 1;
  }
  return at;
}

size_t TEditModel::LineEnd(int line) const {
  return LineEndAt(LineStart(line));
}

std::string_view TEditModel::Line(int line) const {
  const size_t start = LineStart(line);
  return std::string_view(FText).substr(start, LineEndAt(start) - start);
}

size_t TEditModel::LineEndAt(size_t position) const {
  if (!FMultiLine) return FText.size();
  const size_t lineBreak = FText.find('\n', std::min(position, FText.size()));
  return lineBreak == std::string::npos ? FText.size() : lineBreak;
}

size_t TEditModel::LineStartAt(size_t position) const {
  if (!FMultiLine || position == 0) return 0;
  const size_t lineBreak = FText.rfind('\n', std::min(position, FText.size()) - 1);
  return lineBreak == std::string::npos ? 0 : lineBreak + 1;
}

// Editing.

void TEditModel::Replace(size_t start, size_t end, std::string_view text, TStep step,
                         bool canUndo) {
  const bool continues = canUndo && FCanUndo &&
                         (step == TStep::Typing || step == TStep::Deleting) && step == FLastStep &&
                         FCaret == FLastStepCaret;
  if (!continues) {
    FCanUndo = canUndo;
    if (canUndo) {
      FUndoText = FText;
      FUndoCaret = FCaret;
      FUndoAnchor = FAnchor;
    }
  }
  FText.replace(start, end - start, text);
  FCaret = FAnchor = start + text.size();
  FModified = true;
  FLastStep = step;
  FLastStepCaret = FCaret;
}

bool TEditModel::Type(std::string_view text) {
  if (FReadOnly) return false;
  std::string typed = Adapt(text);
  if (typed.empty() && !HasSelection()) return false;
  if (FMaxLength > 0) {
    const size_t kept = Utf8Length(FText) - Utf8Length(GetSelText());
    const size_t room = kept < static_cast<size_t>(FMaxLength) ? FMaxLength - kept : 0;
    typed.resize(Utf8PrefixBytes(typed, room));
    if (typed.empty() && !text.empty()) return false;
  }
  const bool oneCharacter = !HasSelection() && Utf8Length(typed) == 1;
  Replace(GetSelStart(), GetSelEnd(), typed, oneCharacter ? TStep::Typing : TStep::Other, true);
  return true;
}

bool TEditModel::DeleteLeft(bool word) {
  if (FReadOnly) return false;
  if (HasSelection()) return DeleteSelection();
  if (FCaret == 0) return false;
  Replace(word ? WordLeft(FCaret) : CharLeft(FCaret), FCaret, {}, TStep::Deleting, true);
  return true;
}

bool TEditModel::DeleteRight(bool word) {
  if (FReadOnly) return false;
  if (HasSelection()) return DeleteSelection();
  if (FCaret >= FText.size()) return false;
  Replace(FCaret, word ? WordRight(FCaret) : CharRight(FCaret), {}, TStep::Deleting, true);
  return true;
}

bool TEditModel::DeleteSelection() {
  if (FReadOnly || !HasSelection()) return false;
  Replace(GetSelStart(), GetSelEnd(), {}, TStep::Other, true);
  return true;
}

bool TEditModel::ReplaceSelection(std::string_view text, bool canUndo) {
  const std::string adapted = Adapt(text);
  if (adapted.empty() && !HasSelection()) return false;
  Replace(GetSelStart(), GetSelEnd(), adapted, TStep::Other, canUndo);
  return true;
}

bool TEditModel::Undo() {
  if (!FCanUndo) return false;
  std::swap(FText, FUndoText);
  std::swap(FCaret, FUndoCaret);
  std::swap(FAnchor, FUndoAnchor);
  FModified = true;
  FLastStep = TStep::None;
  return true;
}
