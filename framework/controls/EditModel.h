#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "rtti/TypeInfo.h"

// The letter case an edit keeps its text in.
enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
PUBLISHED_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)

// The text of an edit control without its window: the UTF-8 text, the caret and the selection,
// one step of undo, and the rules for what may be typed (read-only, maximum length, letter
// case, single or multiple lines). Positions are byte offsets into the text that always fall
// on character boundaries, so the caret never stands inside a character; MaxLength counts
// characters. In a multi-line model '\n' separates the lines; a single-line model holds one
// line, and text typed or pasted into it ends at its first line break.
//
// The editing operations return whether they edited; they refuse (and return false) what the
// rules forbid: anything typed into a read-only model, text that does not fit MaxLength.
class TEditModel {
 public:
  const std::string& GetText() const { return FText; }
  // Replaces the whole text (letter case applied, line breaks of a multi-line model made
  // '\n'), regardless of ReadOnly and MaxLength; the caret goes to the start, undo is forgotten
  // and Modified cleared. Returns whether the text changed.
  bool SetText(std::string_view text);

  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool value) { FMultiLine = value; }
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  // The most characters the user may bring the text to; 0 for no limit. Text already there
  // stays.
  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int value) { FMaxLength = value < 0 ? 0 : value; }
  TEditCharCase GetCharCase() const { return FCharCase; }
  // Converts the text to the new case; returns whether the text changed.
  bool SetCharCase(TEditCharCase value);
  // Whether the user edited the text since it was set (or since Modified was cleared).
  bool GetModified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }

  // Selection: from the anchor to the caret, in either direction.
  size_t GetCaret() const { return FCaret; }
  size_t GetAnchor() const { return FAnchor; }
  size_t GetSelStart() const { return FCaret < FAnchor ? FCaret : FAnchor; }
  size_t GetSelEnd() const { return FCaret < FAnchor ? FAnchor : FCaret; }
  bool HasSelection() const { return FCaret != FAnchor; }
  std::string GetSelText() const;
  // Selects from anchor to caret, each moved back to the start of its character and limited
  // to the text.
  void Select(size_t anchor, size_t caret);
  void SelectAll() { Select(0, FText.size()); }
  // Moves the caret to position; with extend the selection grows or shrinks with it, else it
  // collapses there.
  void MoveTo(size_t position, bool extend);

  // Where the caret keys lead from position.
  size_t CharLeft(size_t position) const;
  size_t CharRight(size_t position) const;
  // The start of the word before position, and the start of the word after it (past the
  // blanks that follow a word).
  size_t WordLeft(size_t position) const;
  size_t WordRight(size_t position) const;
  // The run of word characters (or of blanks, or of other marks) at position, inside its
  // line: what a double click selects. Returns its start and sets end.
  size_t WordAt(size_t position, size_t& end) const;

  // Lines: a single-line model has one.
  int GetLineCount() const;
  int LineOf(size_t position) const;
  size_t LineStart(int line) const;
  // The position at the end of line, before its line break.
  size_t LineEnd(int line) const;
  std::string_view Line(int line) const;

  // Typing and pasting: replaces the selection with text, whose line breaks and letter case
  // are adapted and which is shortened to what MaxLength leaves room for.
  bool Type(std::string_view text);
  // Backspace and Delete: the selection when there is one, else the character (or with word,
  // the rest of the word) before or after the caret.
  bool DeleteLeft(bool word);
  bool DeleteRight(bool word);
  // Deletes the selection (the user's Clear and Cut).
  bool DeleteSelection();
  // Replaces the selection as a program does (EM_REPLACESEL): ReadOnly and MaxLength do not
  // apply. Without canUndo the step cannot be undone.
  bool ReplaceSelection(std::string_view text, bool canUndo);
  // Undo swaps the text with the one before the last editing step, so a second undo redoes
  // it. Consecutive typing, or consecutive deleting, is one step.
  bool CanUndo() const { return FCanUndo; }
  bool Undo();
  void ClearUndo() { FCanUndo = false; }

 private:
  enum class TStep : uint8_t { None, Typing, Deleting, Other };

  std::string Adapt(std::string_view text) const;
  std::string ApplyCase(std::string_view text) const;
  // Replaces [start, end) with text as one editing step of kind step; the caret ends after
  // the new text.
  void Replace(size_t start, size_t end, std::string_view text, TStep step, bool canUndo);
  size_t Clamp(size_t position) const;
  size_t LineEndAt(size_t position) const;
  size_t LineStartAt(size_t position) const;

  std::string FText;
  size_t FCaret = 0;
  size_t FAnchor = 0;
  bool FMultiLine = false;
  bool FReadOnly = false;
  int FMaxLength = 0;
  TEditCharCase FCharCase = ecNormal;
  bool FModified = false;

  bool FCanUndo = false;
  std::string FUndoText;
  size_t FUndoCaret = 0;
  size_t FUndoAnchor = 0;
  TStep FLastStep = TStep::None;
  size_t FLastStepCaret = 0;
};
