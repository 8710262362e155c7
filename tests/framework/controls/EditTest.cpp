#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "EditTestSupport.h"
#include "controls/Edit.h"
#include "core/Utf8.h"

using namespace ControlTest;

namespace {
class EditTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 320, 200);
    Form->SetName("Form");
    Edit = New<TEdit>(Form, 20, 20, 200, 21, "Edit");
    Edit->SetOnChange(MakeMethod<&TEventLog::Click>(Log));
    Other = New<TEdit>(Form, 20, 60, 200, 21, "Other");
    Driver.ProcessMessages();
  }
  // The client x where the character boundary after count characters of the text lies.
  int XAfter(TEdit* edit, size_t count) {
    const std::string text = edit->GetText();
    edit->GetCanvas()->SetFont(edit->GetFont());
    const int width = edit->GetCanvas()->TextWidth(text.substr(0, Utf8OffsetOfIndex(text, count)));
    return edit->GetFormatRect().Left + width;
  }
  int Changes() const { return static_cast<int>(Log->Lines.size()); }

  TForm* Form = nullptr;
  TEdit* Edit = nullptr;
  TEdit* Other = nullptr;
};

// One keystroke of a table row: a key with modifiers, or text typed.
struct TStroke {
  int Key = 0;
  bool Shift = false;
  bool Ctrl = false;
  const char* Typed = nullptr;
};
TStroke Key(int key) {
  return {key};
}
TStroke Shift(int key) {
  return {key, true};
}
TStroke Ctrl(int key) {
  return {key, false, true};
}
TStroke CtrlShift(int key) {
  return {key, true, true};
}
TStroke Type(const char* text) {
  return {0, false, false, text};
}

struct TKeyRow {
  const char* Name;
  const char* Start;
  std::vector<TStroke> Strokes;
  const char* Expected;
};

// "é" is two bytes, "€" three, "😀" four.
const TKeyRow KeyRows[] = {
    {"Left moves one character", "ab|c", {Key(VK_LEFT)}, "a|bc"},
    {"Left steps over a whole two-byte character",
     "a\xC3\xA9|b",
     {Key(VK_LEFT)},
     "a|\xC3\xA9"
     "b"},
    {"Right steps over a whole four-byte character",
     "a|\xF0\x9F\x98\x80"
     "b",
     {Key(VK_RIGHT)},
     "a\xF0\x9F\x98\x80|b"},
    {"Left at the start stays", "|ab", {Key(VK_LEFT)}, "|ab"},
    {"Shift+Left selects backwards", "abc|", {Shift(VK_LEFT), Shift(VK_LEFT)}, "a[bc]"},
    {"Shift+Right after Shift+Left shrinks the selection",
     "abc|",
     {Shift(VK_LEFT), Shift(VK_LEFT), Shift(VK_RIGHT)},
     "ab[c]"},
    {"Shift+Right over a multibyte character selects all of it",
     "|\xE2\x82\xAC"
     "x",
     {Shift(VK_RIGHT)},
     "[\xE2\x82\xAC]x"},
    {"Left collapses a selection to its start", "a^bc|d", {Key(VK_LEFT)}, "a|bcd"},
    {"Right collapses a selection to its end", "a|bc^d", {Key(VK_RIGHT)}, "abc|d"},
    {"Up and Down of one line act as Left and Right",
     "ab|c",
     {Key(VK_UP), Key(VK_UP), Key(VK_DOWN)},
     "a|bc"},
    {"Home and End", "ab|c", {Key(VK_HOME)}, "|abc"},
    {"End", "a|bc", {Key(VK_END)}, "abc|"},
    {"Shift+Home selects to the start", "ab|c", {Shift(VK_HOME)}, "[ab]c"},
    {"Shift+End selects to the end", "a|bc", {Shift(VK_END)}, "a[bc]"},
    {"Ctrl+Left goes to the start of the word",
     "one two| three",
     {Ctrl(VK_LEFT)},
     "one |two three"},
    {"Ctrl+Left twice goes a word further",
     "one two| three",
     {Ctrl(VK_LEFT), Ctrl(VK_LEFT)},
     "|one two three"},
    {"Ctrl+Right goes past the word and its blank", "|one two", {Ctrl(VK_RIGHT)}, "one |two"},
    {"Ctrl+Shift+Right selects a word", "|one two", {CtrlShift(VK_RIGHT)}, "[one ]two"},
    {"Backspace deletes a whole multibyte character", "a\xC3\xA9|b", {Key(VK_BACK)}, "a|b"},
    {"Delete deletes a whole multibyte character",
     "a|\xF0\x9F\x98\x80"
     "b",
     {Key(VK_DELETE)},
     "a|b"},
    {"Backspace deletes the selection", "a^bc|d", {Key(VK_BACK)}, "a|d"},
    {"Delete deletes the selection", "a|bc^d", {Key(VK_DELETE)}, "a|d"},
    {"Backspace at the start does nothing", "|ab", {Key(VK_BACK)}, "|ab"},
    {"Ctrl+Backspace deletes the word before", "one two|", {Ctrl(VK_BACK)}, "one |"},
    {"Ctrl+Delete deletes the word after", "|one two", {Ctrl(VK_DELETE)}, "|two"},
    {"Ctrl+A selects everything", "ab|c", {Ctrl('A')}, "[abc]"},
    {"Typing replaces the selection", "a^bc|d", {Type("x")}, "ax|d"},
    {"Typing multibyte characters",
     "|",
     {Type("\xC5\xBC\xC3\xB3\xC5\x82\xE2\x82\xAC")},
     "\xC5\xBC\xC3\xB3\xC5\x82\xE2\x82\xAC|"},
    {"Ctrl+Z undoes the typing as one step", "ab|", {Type("cde"), Ctrl('Z')}, "ab|"},
    {"A second Ctrl+Z redoes it", "ab|", {Type("cde"), Ctrl('Z'), Ctrl('Z')}, "abcde|"},
    {"Ctrl+Z brings deleted text back", "a^bc|d", {Key(VK_DELETE), Ctrl('Z')}, "a[bc]d"},
    {"Enter types nothing in one line", "ab|", {Key(VK_RETURN)}, "ab|"},
};
}  // namespace

TEST_F(EditTest, KeysMoveSelectAndEditAsTheTableSays) {
  Edit->SetFocus();
  for (const TKeyRow& row : KeyRows) {
    LoadSelection(Edit, row.Start);
    for (const TStroke& stroke : row.Strokes) {
      if (stroke.Typed)
        Driver.Type(stroke.Typed);
      else
        Driver.PressKey(stroke.Key, stroke.Shift, stroke.Ctrl);
    }
    EXPECT_EQ(ShowSelection(Edit), row.Expected) << row.Name;
  }
}

TEST_F(EditTest, DefaultSizeAndPublishedDefaults) {
  auto* fresh = new TEdit(Form);
  EXPECT_EQ(fresh->GetWidth(), 121);
  EXPECT_EQ(fresh->GetHeight(), 21);
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_EQ(fresh->GetColor(), clWindow);
  EXPECT_FALSE(fresh->GetParentColor());
  EXPECT_EQ(fresh->GetBorderStyle(), bsSingle);
  EXPECT_TRUE(fresh->GetAutoSelect());
  EXPECT_EQ(GetPropInfo(fresh, "TabStop")->GetDefault(), 1);
  EXPECT_EQ(GetPropInfo(fresh, "Color")->GetDefault(), clWindow);
  EXPECT_EQ(GetPropInfo(fresh, "ParentColor")->GetDefault(), 0);
  EXPECT_EQ(GetPropInfo(fresh, "MaxLength")->GetDefault(), 0);
  // AutoSize fits the height to the font: 13 pixels of text and the frame.
  fresh->SetParent(Form);
  fresh->GetFont()->SetHeight(-20);
  EXPECT_GT(fresh->GetHeight(), 21);
  fresh->SetAutoSize(false);
  fresh->SetHeight(40);
  fresh->GetFont()->SetHeight(-11);
  EXPECT_EQ(fresh->GetHeight(), 40);
  fresh->Free();
}

TEST_F(EditTest, TypedMultibyteCharactersAreDeletedWhole) {
  Edit->SetFocus();
  // Characters no key gives arrive as text input, one code point at a time.
  Driver.Type("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(std::string(Edit->GetText()), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(Edit->GetSelStart(), 4);
  const char* remaining[] = {"a\xC3\xA9\xE2\x82\xAC", "a\xC3\xA9", "a", ""};
  for (const char* expected : remaining) {
    Driver.PressKey(VK_BACK);
    EXPECT_EQ(std::string(Edit->GetText()), expected);
  }
  EXPECT_EQ(Changes(), 8);  // four typed, four deleted
}

TEST_F(EditTest, ClickPlacesTheCaretDragSelectsDoubleClickSelectsAWord) {
  Edit->SetText("alpha beta gamma");
  Edit->SetAutoSelect(true);
  const int y = Edit->GetClientHeight() / 2;
  // A click between "alpha " and "beta": focus without selecting everything.
  ClickAt(Edit, XAfter(Edit, 6), y);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(ShowSelection(Edit), "alpha |beta gamma");
  // A click just right of a boundary's middle goes to the nearer boundary.
  ClickAt(Edit, XAfter(Edit, 2) + 1, y);
  EXPECT_EQ(ShowSelection(Edit), "al|pha beta gamma");
  // Dragging selects from the press to the release.
  Driver.AdvanceClock(1000);
  const TPoint from = ScreenPoint(Edit, XAfter(Edit, 6), y);
  const TPoint to = ScreenPoint(Edit, XAfter(Edit, 10), y);
  Driver.Drag(from.X, from.Y, to.X, to.Y);
  EXPECT_EQ(ShowSelection(Edit), "alpha [beta] gamma");
  // Shift+click extends it.
  Driver.AdvanceClock(1000);
  Driver.KeyDown(VK_SHIFT);
  ClickAt(Edit, XAfter(Edit, 16), y);
  Driver.KeyUp(VK_SHIFT);
  EXPECT_EQ(ShowSelection(Edit), "alpha [beta gamma]");
  // A double click selects the word under the mouse.
  Driver.AdvanceClock(1000);
  const TPoint word = ScreenPoint(Edit, XAfter(Edit, 13), y);
  Driver.DoubleClick(word.X, word.Y);
  EXPECT_EQ(ShowSelection(Edit), "alpha beta [gamma]");
  EXPECT_EQ(Changes(), 1);  // only SetText changed the text
}

TEST_F(EditTest, HoldingADragBeyondTheEdgeScrollsThroughLongText) {
  Edit->SetText(std::string(80, 'm'));
  Edit->SetFocus();
  Driver.PressKey(VK_END);
  const int y = Edit->GetClientHeight() / 2;
  const TPoint start = ScreenPoint(Edit, Edit->GetClientWidth() - 3, y);
  const TPoint outside = Edit->ClientToScreen({-40, y});
  Driver.MoveTo(start.X, start.Y);
  Driver.Press();
  Driver.MoveTo(outside.X, outside.Y);
  const int afterMove = Edit->GetSelStart();
  EXPECT_GT(afterMove, 0);
  for (int tick = 0; tick < 10; ++tick)
    Driver.AdvanceClock(100);
  EXPECT_EQ(Edit->GetSelStart(), afterMove - 10);  // one character for each tick
  for (int tick = 0; tick < 100; ++tick)
    Driver.AdvanceClock(100);
  Driver.Release();
  EXPECT_EQ(ShowSelection(Edit), "[" + std::string(80, 'm') + "]");
  // Released, the scrolling stops.
  Edit->Perform(EM_SETSEL, 40, 40);
  Driver.AdvanceClock(1000);
  EXPECT_EQ(Edit->GetSelStart(), 40);
}

TEST_F(EditTest, ClipboardRoundTrip) {
  EmptyClipboard();
  Edit->SetFocus();
  LoadSelection(Edit, "one ^two| three");
  Driver.PressKey('C', false, true);
  EXPECT_EQ(GetClipboardText(), "two");
  Driver.PressKey(VK_END);
  Driver.PressKey('V', false, true);
  EXPECT_EQ(ShowSelection(Edit), "one two threetwo|");
  // Cut takes the text away and puts it on the clipboard.
  LoadSelection(Edit, "^one |two threetwo");
  Driver.PressKey('X', false, true);
  EXPECT_EQ(GetClipboardText(), "one ");
  EXPECT_EQ(ShowSelection(Edit), "|two threetwo");
  // Into another edit, with the other keys for the same.
  Other->SetFocus();
  Driver.PressKey(VK_INSERT, true);
  EXPECT_EQ(std::string(Other->GetText()), "one ");
  LoadSelection(Other, "^on|e ");
  Driver.PressKey(VK_INSERT, false, true);
  EXPECT_EQ(GetClipboardText(), "on");
  Driver.PressKey(VK_DELETE, true);
  EXPECT_EQ(std::string(Other->GetText()), "e ");
  // A single line takes pasted text up to its first line break.
  SetClipboardText("first\r\nsecond");
  Other->Perform(WM_PASTE);
  EXPECT_EQ(std::string(Other->GetText()), "firste ");
  // The messages do the same.
  Other->Perform(EM_SETSEL, 0, 5);
  Other->Perform(WM_COPY);
  EXPECT_EQ(GetClipboardText(), "first");
  Other->Perform(WM_CLEAR);
  EXPECT_EQ(std::string(Other->GetText()), "e ");
  Other->Perform(WM_CUT);  // nothing selected: nothing cut
  EXPECT_EQ(GetClipboardText(), "first");
}

TEST_F(EditTest, MaxLengthLimitsTypingAndPastingInCharacters) {
  Edit->SetMaxLength(4);
  Edit->SetFocus();
  const int beeps = GetBeepCount();
  Driver.Type("ab\xC3\xA9\xE2\x82\xACxy");
  EXPECT_EQ(std::string(Edit->GetText()), "ab\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(GetBeepCount(), beeps + 2);  // one beep for each refused character
  SetClipboardText("12345");
  LoadSelection(Edit, "a^b|\xC3\xA9\xE2\x82\xAC");
  Driver.PressKey('V', false, true);
  EXPECT_EQ(ShowSelection(Edit), "a1|\xC3\xA9\xE2\x82\xAC");
  // A program's text is not cut; the limit applies to what the user adds.
  Edit->SetText("longer than four");
  EXPECT_EQ(std::string(Edit->GetText()), "longer than four");
  EXPECT_EQ(Edit->Perform(EM_GETLIMITTEXT), 4);
  Edit->Perform(EM_LIMITTEXT, 0);
  EXPECT_EQ(Edit->GetMaxLength(), 0);
}

TEST_F(EditTest, ReadOnlyRefusesEditingButSelectsAndCopies) {
  Edit->SetText("fixed text");
  Edit->Perform(EM_SETREADONLY, TRUE);
  EXPECT_TRUE(Edit->GetReadOnly());
  Edit->SetFocus();
  Log->Lines.clear();
  const int beeps = GetBeepCount();
  LoadSelection(Edit, "fixed| text");
  Driver.Type("x");
  Driver.PressKey(VK_BACK);
  Driver.PressKey(VK_DELETE);
  SetClipboardText("pasted");
  Driver.PressKey('V', false, true);
  EXPECT_EQ(std::string(Edit->GetText()), "fixed text");
  EXPECT_GE(GetBeepCount(), beeps + 3);
  Driver.PressKey(VK_RIGHT, true, true);
  EXPECT_EQ(ShowSelection(Edit), "fixed[ ]text");
  Driver.PressKey(VK_END, true);
  Driver.PressKey('C', false, true);
  EXPECT_EQ(GetClipboardText(), " text");
  Driver.PressKey('X', false, true);
  EXPECT_EQ(std::string(Edit->GetText()), "fixed text");
  EXPECT_TRUE(Log->Lines.empty());
  // Editable again.
  Edit->Perform(EM_SETREADONLY, FALSE);
  Driver.Type("!");
  EXPECT_EQ(std::string(Edit->GetText()), "fixed!");
}

TEST_F(EditTest, CharCaseConvertsTypedAndAssignedText) {
  Edit->SetText("Mixed \xC3\xA9t\xC3\xA9");
  Edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(std::string(Edit->GetText()), "MIXED \xC3\x89T\xC3\x89");
  Edit->SetFocus();
  Driver.PressKey(VK_END);
  Driver.Type("x\xC3\xBC");
  EXPECT_EQ(std::string(Edit->GetText()), "MIXED \xC3\x89T\xC3\x89X\xC3\x9C");
  Edit->SetCharCase(ecLowerCase);
  EXPECT_EQ(std::string(Edit->GetText()), "mixed \xC3\xA9t\xC3\xA9x\xC3\xBC");
  Edit->SetText("ABC");
  EXPECT_EQ(std::string(Edit->GetText()), "abc");
}

TEST_F(EditTest, OnChangeAndModifiedFollowEveryChangeOfTheText) {
  Edit->SetText("start");
  EXPECT_EQ(Changes(), 1);
  Edit->SetText("start");  // unchanged: nothing
  EXPECT_EQ(Changes(), 1);
  EXPECT_FALSE(Edit->GetModified());
  EXPECT_EQ(Edit->Perform(EM_GETMODIFY), 0);
  Edit->SetFocus();
  Driver.PressKey(VK_HOME);
  Driver.PressKey(VK_RIGHT, true);  // moving and selecting change nothing
  EXPECT_EQ(Changes(), 1);
  Driver.Type("S");
  EXPECT_EQ(Changes(), 2);
  EXPECT_TRUE(Edit->GetModified());
  EXPECT_EQ(Edit->Perform(EM_GETMODIFY), 1);
  Edit->Perform(EM_SETMODIFY, FALSE);
  EXPECT_FALSE(Edit->GetModified());
  // A program's replacement of the selection is a change too.
  Edit->Perform(EM_SETSEL, 0, -1);
  Edit->Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("new"));
  EXPECT_EQ(std::string(Edit->GetText()), "new");
  EXPECT_EQ(Changes(), 3);
  EXPECT_EQ(Edit->Perform(EM_CANUNDO), 1);
  EXPECT_EQ(Edit->Perform(EM_UNDO), 1);
  EXPECT_EQ(std::string(Edit->GetText()), "Start");
  EXPECT_EQ(Changes(), 4);
  // The text through the messages, as the composite edit reads and writes it.
  Edit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("via message"));
  EXPECT_EQ(Changes(), 5);
  EXPECT_EQ(Edit->Perform(WM_GETTEXTLENGTH), 11);
}

TEST_F(EditTest, GetTextAndSelectionMessagesCountCorrectly) {
  Edit->SetText(
      "a\xE2\x82\xAC"
      "b");  // 5 bytes, 3 characters
  EXPECT_EQ(Edit->Perform(WM_GETTEXTLENGTH), 5);
  char buffer[8] = {};
  // A buffer too short for the euro sign gets none of it.
  EXPECT_EQ(Edit->Perform(WM_GETTEXT, 3, reinterpret_cast<LPARAM>(buffer)), 1);
  EXPECT_STREQ(buffer, "a");
  EXPECT_EQ(Edit->Perform(WM_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)), 4);
  EXPECT_STREQ(buffer, "a\xE2\x82\xAC");
  EXPECT_EQ(Edit->Perform(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_EQ(Edit->Perform(WM_GETTEXT, 8, 0), 0);
  // Selection positions count characters.
  Edit->Perform(EM_SETSEL, 1, 2);
  EXPECT_EQ(Edit->GetSelText(), "\xE2\x82\xAC");
  EXPECT_EQ(Edit->Perform(EM_GETSEL), MAKELONG(1, 2));
  Edit->Perform(EM_SETSEL, 0, -1);
  EXPECT_EQ(ShowSelection(Edit),
            "[a\xE2\x82\xAC"
            "b]");
  Edit->Perform(EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Edit->GetSelLength(), 0);
  Edit->Perform(EM_SETSEL, 99, 99);  // beyond the end: the end
  EXPECT_EQ(Edit->GetSelStart(), 3);
  Edit->SetSelStart(1);
  Edit->SetSelLength(5);
  EXPECT_EQ(ShowSelection(Edit),
            "a[\xE2\x82\xAC"
            "b]");
  Edit->SetSelText("-");
  EXPECT_EQ(std::string(Edit->GetText()), "a-");
}

TEST_F(EditTest, FocusFromTheKeyboardSelectsAllUnlessAutoSelectIsOff) {
  Edit->SetText("first");
  Other->SetText("second");
  Edit->SetFocus();
  Driver.PressKey(VK_TAB);
  EXPECT_TRUE(Other->Focused());
  EXPECT_EQ(ShowSelection(Other), "[second]");
  Edit->SetAutoSelect(false);
  Edit->SetSelStart(2);
  Driver.PressKey(VK_TAB, true);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ(Edit->GetSelLength(), 0);
}

TEST_F(EditTest, EnterReachesTheDefaultButtonAndTheEditKeepsArrows) {
  auto* ok = New<TButton>(Form, 230, 20, 75, 25, "Ok");
  ok->SetDefault(true);
  ok->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  Edit->SetText("abc");
  Edit->SetFocus();
  Log->Lines.clear();
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Ok"});
  EXPECT_EQ(std::string(Edit->GetText()), "abc");
  Driver.PressKey(VK_DOWN);  // arrows stay in the edit, they move no focus
  EXPECT_TRUE(Edit->Focused());
}

TEST_F(EditTest, PaintsTextSelectionAndCaret) {
  Edit->SetText("MMMM");
  const int y = Edit->GetClientHeight() / 2;
  auto darkBetween = [&](int from, int to) {
    for (int x = from; x < to; ++x)
      for (int row = 2; row < Edit->GetClientHeight() - 2; ++row)
        if (IsDark(Pixel(Edit, x, row))) return true;
    return false;
  };
  EXPECT_TRUE(darkBetween(XAfter(Edit, 0), XAfter(Edit, 4)));
  EXPECT_FALSE(darkBetween(XAfter(Edit, 4) + 2, Edit->GetClientWidth()));
  EXPECT_EQ(Pixel(Edit, XAfter(Edit, 4) + 10, y), Rgb(clWindow));
  // A focused selection shows in the highlight colour; unfocused it hides.
  Edit->SetFocus();
  Edit->Perform(EM_SETSEL, 1, 3);
  const int inside = (XAfter(Edit, 1) + XAfter(Edit, 3)) / 2;
  bool highlighted = false;
  for (int row = 0; row < Edit->GetClientHeight(); ++row)
    highlighted = highlighted || Pixel(Edit, inside, row) == Rgb(clHighlight);
  EXPECT_TRUE(highlighted);
  Other->SetFocus();
  for (int row = 0; row < Edit->GetClientHeight(); ++row)
    EXPECT_NE(Pixel(Edit, inside, row), Rgb(clHighlight)) << row;
  // The caret: a dark line at the caret's boundary while focused, blinking off and on.
  Edit->SetText("");
  Edit->SetFocus();
  const int caretX = Edit->GetFormatRect().Left;
  EXPECT_TRUE(IsDark(Pixel(Edit, caretX, y)));
  Driver.AdvanceClock(600);
  EXPECT_EQ(Pixel(Edit, caretX, y), Rgb(clWindow));
  Driver.AdvanceClock(600);
  EXPECT_TRUE(IsDark(Pixel(Edit, caretX, y)));
  // A disabled edit greys its text.
  Edit->SetText("MMMM");
  Edit->SetEnabled(false);
  bool grey = false;
  for (int x = XAfter(Edit, 0); x < XAfter(Edit, 4); ++x)
    for (int row = 0; row < Edit->GetClientHeight(); ++row)
      grey = grey || Pixel(Edit, x, row) == Rgb(clGrayText);
  EXPECT_TRUE(grey);
}

TEST_F(EditTest, ASingleLineEditIgnoresAFormattingRectangle) {
  const TRect before = Edit->GetFormatRect();
  TRect asked{30, 2, 60, 10};
  Edit->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&asked));
  TRect after;
  Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&after));
  EXPECT_EQ(after, before);
}
