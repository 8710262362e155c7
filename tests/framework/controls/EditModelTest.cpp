#include <gtest/gtest.h>

#include <string>

#include "controls/EditModel.h"

namespace {
// The model's text with the caret as '|' and the anchor of a selection as '^'.
std::string Show(const TEditModel& model) {
  std::string text = model.GetText();
  const size_t caret = model.GetCaret();
  const size_t anchor = model.GetAnchor();
  if (anchor == caret) return text.insert(caret, "|");
  if (anchor > caret) return text.insert(anchor, "^").insert(caret, "|");
  return text.insert(caret, "|").insert(anchor, "^");
}

// Sets a model from the same notation.
void Load(TEditModel& model, std::string marked) {
  const size_t caretMark = marked.find('|');
  const size_t anchorMark = marked.find('^');
  size_t caret = caretMark;
  size_t anchor = caretMark;
  if (anchorMark != std::string::npos) {
    anchor = anchorMark < caretMark ? anchorMark : anchorMark - 1;
    caret = anchorMark < caretMark ? caretMark - 1 : caretMark;
    marked.erase(anchorMark, 1);
  }
  marked.erase(marked.find('|'), 1);
  model.SetText(marked);
  model.Select(anchor, caret);
}
}  // namespace

TEST(EditModelTest, NotationRoundTrips) {
  TEditModel model;
  for (const char* marked : {"ab|c", "a^bc|d", "a|bc^d", "|", "abc|"}) {
    Load(model, marked);
    EXPECT_EQ(Show(model), marked);
  }
}

TEST(EditModelTest, TypingReplacesTheSelectionAndFollowsTheRules) {
  TEditModel model;
  Load(model, "a^bc|d");
  EXPECT_TRUE(model.Type("XY"));
  EXPECT_EQ(Show(model), "aXY|d");
  EXPECT_TRUE(model.GetModified());

  // One line only: what follows a line break is dropped.
  EXPECT_TRUE(model.Type("1\r\n2"));
  EXPECT_EQ(Show(model), "aXY1|d");

  // The letter case applies to what is typed, beyond ASCII too.
  model.SetCharCase(ecUpperCase);
  EXPECT_EQ(model.GetText(), "AXY1D");
  EXPECT_TRUE(model.Type("\xC3\xA9z"));
  EXPECT_EQ(model.GetText(), "AXY1\xC3\x89ZD");

  // The maximum length counts characters and shortens what does not fit.
  model.SetCharCase(ecNormal);
  model.SetText("ab");
  model.SetMaxLength(4);
  model.MoveTo(2, false);
  EXPECT_TRUE(model.Type("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"));
  EXPECT_EQ(model.GetText(), "ab\xE2\x82\xAC\xE2\x82\xAC");
  EXPECT_FALSE(model.Type("x"));  // full: refused
  model.Select(0, 1);
  EXPECT_TRUE(model.Type("xyz"));  // the selection makes room for one
  EXPECT_EQ(model.GetText(), "xb\xE2\x82\xAC\xE2\x82\xAC");

  // Read-only refuses every edit but keeps selecting.
  model.SetReadOnly(true);
  EXPECT_FALSE(model.Type("q"));
  EXPECT_FALSE(model.DeleteLeft(false));
  EXPECT_FALSE(model.DeleteSelection());
  model.SelectAll();
  EXPECT_EQ(model.GetSelText(), "xb\xE2\x82\xAC\xE2\x82\xAC");
  // A program's replacement is not the user's typing.
  EXPECT_TRUE(model.ReplaceSelection("set", true));
  EXPECT_EQ(model.GetText(), "set");
}

TEST(EditModelTest, MultiLineTextKeepsLineBreaksAndKnowsItsLines) {
  TEditModel model;
  model.SetMultiLine(true);
  model.SetText("one\r\ntwo\rthree\n");
  EXPECT_EQ(model.GetText(), "one\ntwo\nthree\n");
  EXPECT_EQ(model.GetLineCount(), 4);
  EXPECT_EQ(model.Line(1), "two");
  EXPECT_EQ(model.Line(3), "");
  EXPECT_EQ(model.LineStart(2), 8u);
  EXPECT_EQ(model.LineEnd(2), 13u);
  EXPECT_EQ(model.LineOf(8), 2);
  EXPECT_EQ(model.LineOf(7), 1);
  model.MoveTo(3, false);
  EXPECT_TRUE(model.Type("\r\n"));
  EXPECT_EQ(model.GetText(), "one\n\ntwo\nthree\n");
  EXPECT_EQ(model.WordRight(3), 4u);  // a line break is a step of its own
  EXPECT_EQ(model.WordLeft(5), 4u);   // back to the empty line before
  EXPECT_EQ(model.WordLeft(4), 0u);   // and on to the last word of the line before that
}

TEST(EditModelTest, WordsForCtrlArrowsAndDoubleClicks) {
  TEditModel model;
  model.SetText("one  two,three \xC3\xA9t\xC3\xA9");
  EXPECT_EQ(model.WordRight(0), 5u);  // past "one" and its blanks
  EXPECT_EQ(model.WordRight(5), 8u);  // "two" stops at the comma
  EXPECT_EQ(model.WordRight(8), 9u);  // the comma is a run of its own
  EXPECT_EQ(model.WordLeft(8), 5u);
  EXPECT_EQ(model.WordLeft(5), 0u);
  EXPECT_EQ(model.WordLeft(model.GetText().size()), 15u);  // "été" is one word
  size_t end = 0;
  EXPECT_EQ(model.WordAt(6, end), 5u);
  EXPECT_EQ(end, 8u);
  EXPECT_EQ(model.WordAt(3, end), 3u);  // between words: the blanks
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(model.WordAt(model.GetText().size(), end), 15u);  // at the end: the last word
  EXPECT_EQ(end, model.GetText().size());
}

TEST(EditModelTest, UndoTakesBackOneStepAndASecondUndoRedoesIt) {
  TEditModel model;
  EXPECT_FALSE(model.Undo());
  model.Type("a");
  model.Type("b");
  model.Type("c");
  EXPECT_TRUE(model.Undo());  // consecutive typing is one step
  EXPECT_EQ(Show(model), "|");
  EXPECT_TRUE(model.Undo());
  EXPECT_EQ(Show(model), "abc|");

  model.DeleteLeft(false);
  model.DeleteLeft(false);
  EXPECT_EQ(model.GetText(), "a");
  model.Undo();  // so are consecutive deletions
  EXPECT_EQ(model.GetText(), "abc");

  // Moving the caret ends a step: the later typing is undone alone.
  model.MoveTo(0, false);
  model.Type("x");
  model.MoveTo(4, false);
  model.Type("y");
  model.Undo();
  EXPECT_EQ(model.GetText(), "xabc");

  // Setting the text forgets undo and the modified state.
  model.SetText("fresh");
  EXPECT_FALSE(model.CanUndo());
  EXPECT_FALSE(model.GetModified());
}

TEST(EditModelTest, PositionsNeverFallInsideACharacter) {
  TEditModel model;
  model.SetText(
      "a\xE2\x82\xAC"
      "b");
  model.Select(2, 3);  // both inside the euro sign
  EXPECT_EQ(model.GetAnchor(), 1u);
  EXPECT_EQ(model.GetCaret(), 1u);
  model.MoveTo(99, false);
  EXPECT_EQ(model.GetCaret(), 5u);
  model.MoveTo(4, false);
  EXPECT_TRUE(model.DeleteLeft(false));  // from inside: the whole sign goes
  EXPECT_EQ(model.GetText(), "ab");
  // A case change that changes byte lengths keeps the caret on its character.
  model.SetText("\xC4\xB1x");  // dotless i (two bytes) upper-cases to I (one)
  model.MoveTo(2, false);
  model.SetCharCase(ecUpperCase);
  EXPECT_EQ(model.GetText(), "IX");
  EXPECT_EQ(model.GetCaret(), 1u);
}
