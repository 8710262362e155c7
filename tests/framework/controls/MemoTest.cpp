#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestSupport.h"
#include "EditTestSupport.h"
#include "controls/Memo.h"
#include "core/Exception.h"

using namespace ControlTest;

namespace {
class MemoTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 360, 260);
    Memo = New<TMemo>(Form, 10, 10, 200, 70, "Memo");
    Memo->SetOnChange(MakeMethod<&TEventLog::Click>(Log));
    Driver.ProcessMessages();
  }
  int LineHeight() {
    Memo->GetCanvas()->SetFont(Memo->GetFont());
    return Memo->GetCanvas()->TextHeight("M");
  }
  // Whether any dark pixel lies in the client rectangle area.
  bool DarkIn(const TRect& area) {
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (IsDark(Pixel(Memo, x, y))) return true;
    return false;
  }

  TForm* Form = nullptr;
  TMemo* Memo = nullptr;
};

struct TMemoRow {
  const char* Name;
  const char* Start;
  std::vector<int> Keys;  // negative: with Shift; +1000: with Ctrl
  const char* Expected;
};

constexpr int Ctrl = 1000;

const TMemoRow MemoRows[] = {
    {"Down keeps the column", "mm|mm\nmmmm", {VK_DOWN}, "mmmm\nmm|mm"},
    {"Down through a shorter line keeps the column for the longer one after it",
     "nnn|n\ne\nnnnn",
     {VK_DOWN, VK_DOWN},
     "nnnn\ne\nnnn|n"},
    {"Up from the first line stays", "a|b\ncd", {VK_UP}, "a|b\ncd"},
    {"Shift+Down selects to the same column below", "a|bc\ndef", {-VK_DOWN}, "a[bc\nd]ef"},
    {"Home and End work on the caret's line", "ab\ncd|ef\ngh", {VK_HOME}, "ab\n|cdef\ngh"},
    {"End", "ab\nc|def\ngh", {VK_END}, "ab\ncdef|\ngh"},
    {"Ctrl+Home goes to the start of the text", "ab\ncd|", {Ctrl + VK_HOME}, "|ab\ncd"},
    {"Ctrl+End goes to its end", "a|b\ncd", {Ctrl + VK_END}, "ab\ncd|"},
    {"Right at a line's end goes to the next line", "ab|\ncd", {VK_RIGHT}, "ab\n|cd"},
    {"Enter breaks the line", "ab|cd", {VK_RETURN}, "ab\n|cd"},
    {"Backspace at a line's start joins the lines", "ab\n|cd", {VK_BACK}, "ab|cd"},
};
}  // namespace

TEST_F(MemoTest, KeysWorkOnLinesAsTheTableSays) {
  Memo->SetFocus();
  for (const TMemoRow& row : MemoRows) {
    LoadSelection(Memo, row.Start);
    for (int key : row.Keys) {
      const int plain = key < 0 ? -key : key % Ctrl;
      Driver.PressKey(plain, key < 0, key >= Ctrl);
    }
    EXPECT_EQ(ShowSelection(Memo), row.Expected) << row.Name;
  }
}

TEST_F(MemoTest, DefaultsAndPublishedProperties) {
  auto* fresh = new TMemo(Form);
  EXPECT_EQ(fresh->GetWidth(), 185);
  EXPECT_EQ(fresh->GetHeight(), 89);
  EXPECT_TRUE(fresh->GetTabStop());
  EXPECT_TRUE(fresh->GetWantReturns());
  EXPECT_FALSE(fresh->GetWantTabs());
  EXPECT_EQ(fresh->GetScrollBars(), ssNone);
  EXPECT_EQ(GetPropInfo(fresh, "ScrollBars")->GetDefault(), ssNone);
  EXPECT_EQ(GetPropInfo(fresh, "Text"), nullptr);  // a memo publishes Lines instead
  EXPECT_NE(GetPropInfo(fresh, "Lines"), nullptr);
  fresh->Free();
}

TEST_F(MemoTest, TheCaretScrollsTheLinesAndTheScrollBarFollows) {
  Memo->SetScrollBars(ssVertical);
  const int visible = Memo->GetFormatRect().Height() / LineHeight();
  ASSERT_GE(visible, 2);
  Memo->SetFocus();
  for (int line = 0; line < 12; ++line) {
    if (line > 0) Driver.PressKey(VK_RETURN);
    Driver.Type("line" + std::to_string(line));
  }
  EXPECT_EQ(Memo->GetLines()->GetCount(), 12);
  EXPECT_EQ(Memo->GetTopLine(), 12 - visible);  // the caret's line is the last one shown
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(Memo->GetHandle(), SB_VERT, &info);
  EXPECT_EQ(info.nMax, 11);
  EXPECT_EQ(info.nPos, 12 - visible);
  EXPECT_EQ(static_cast<int>(info.nPage), visible);
  // Back to the top with the caret.
  Driver.PressKey(VK_HOME, false, true);
  EXPECT_EQ(Memo->GetTopLine(), 0);
  // PageDown moves the caret a page and the view with it.
  Driver.PressKey(VK_NEXT);
  EXPECT_EQ(Memo->GetCaretPos().Y, visible);
  EXPECT_EQ(Memo->GetTopLine(), 1);
  // The scroll bar scrolls the view, not the caret.
  Memo->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Memo->GetTopLine(), 2);
  EXPECT_EQ(Memo->GetCaretPos().Y, visible);
  Memo->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(Memo->GetTopLine(), 12 - visible);
  EXPECT_EQ(Memo->Perform(EM_GETFIRSTVISIBLELINE), 12 - visible);
  Memo->Perform(EM_LINESCROLL, 0, -100);
  EXPECT_EQ(Memo->GetTopLine(), 0);
  // The first line is drawn at the top again.
  EXPECT_TRUE(DarkIn({2, 0, 40, LineHeight()}));
}

TEST_F(MemoTest, LinesAreTheTextInStrings) {
  TStrings* lines = Memo->GetLines();
  lines->Add("one");
  lines->Add("two");
  EXPECT_EQ(std::string(Memo->GetText()), "one\ntwo\n");
  lines->Insert(1, "between");
  lines->Put(0, "first");
  EXPECT_EQ(lines->GetCount(), 3);
  EXPECT_EQ(lines->Get(1), "between");
  lines->Delete(2);
  EXPECT_EQ(std::string(Memo->GetText()), "first\nbetween\n");
  // A text without a final line break: the last line is a string too, and Add follows it.
  Memo->SetText("a\r\nb");
  EXPECT_EQ(lines->GetCount(), 2);
  lines->Add("c");
  EXPECT_EQ(std::string(Memo->GetText()), "a\nb\nc");
  lines->Delete(2);
  EXPECT_EQ(std::string(Memo->GetText()), "a\nb");
  EXPECT_THROW(lines->Get(2), EStringListError);
  try {
    lines->Delete(5);
    ADD_FAILURE() << "no error";
  } catch (const EStringListError& error) {
    EXPECT_EQ(error.GetMessage(), "List index out of bounds (5)");
  }
  // A batch is one change; programs' changes leave Modified alone.
  Log->Lines.clear();
  TStringList source;
  source.SetText("x\ny\nz\n");
  lines->Assign(&source);
  EXPECT_EQ(Log->Lines.size(), 1u);
  EXPECT_EQ(std::string(Memo->GetText()), "x\ny\nz\n");
  EXPECT_FALSE(Memo->GetModified());
  lines->Clear();
  EXPECT_EQ(lines->GetCount(), 0);
  EXPECT_EQ(std::string(Memo->GetText()), "");
}

TEST_F(MemoTest, EnterTabAndEscapeInADialog) {
  auto* ok = New<TButton>(Form, 230, 10, 75, 25, "Ok");
  ok->SetDefault(true);
  ok->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  auto* cancel = New<TButton>(Form, 230, 40, 75, 25, "Cancel");
  cancel->SetCancel(true);
  cancel->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  Memo->SetFocus();
  Log->Lines.clear();
  // Enter breaks the line even with a default button; Escape still cancels.
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(std::string(Memo->GetText()), "\n");
  Driver.PressKey(VK_ESCAPE);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Click Memo", "Click Cancel"}));
  // Without WantReturns Enter presses the default button and types nothing.
  Memo->SetWantReturns(false);
  Memo->SetFocus();
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(Log->Lines.back(), "Click Ok");
  EXPECT_EQ(std::string(Memo->GetText()), "\n");
  // Tab moves on unless WantTabs.
  Memo->SetFocus();
  Driver.PressKey(VK_TAB);
  EXPECT_FALSE(Memo->Focused());
  Memo->SetWantTabs(true);
  Memo->SetFocus();
  Driver.PressKey(VK_TAB);
  EXPECT_TRUE(Memo->Focused());
  EXPECT_EQ(std::string(Memo->GetText()), "\n\t");
}

TEST_F(MemoTest, TheFormattingRectangleConfinesTheText) {
  Memo->SetText("MMMMMMMMMMMMMMMMMMMMMMMM\nMMMMMMMMMMMMMMMMMMMMMMMM\nMMMMMMMMMMMMMMMMMMMMMMMM");
  const TRect client = Memo->GetClientRect();
  EXPECT_TRUE(DarkIn({0, 0, 30, client.Bottom}));
  TRect asked{40, 10, 120, client.Bottom - 10};
  Memo->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&asked));
  TRect answered;
  Memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&answered));
  EXPECT_EQ(answered, asked);
  // Guard pixels outside the rectangle stay clear; inside, the text is drawn.
  EXPECT_FALSE(DarkIn({0, 0, asked.Left, client.Bottom}));
  EXPECT_FALSE(DarkIn({asked.Right, 0, client.Right, client.Bottom}));
  EXPECT_FALSE(DarkIn({0, 0, client.Right, asked.Top}));
  EXPECT_TRUE(DarkIn({asked.Left, asked.Top, asked.Left + 20, asked.Top + LineHeight()}));
  // Clicks map through the rectangle: the first character's left half is its start.
  ClickAt(Memo, asked.Left + 2, asked.Top + 2);
  EXPECT_EQ(Memo->GetSelStart(), 0);
  // A new size brings back the default rectangle.
  Memo->SetWidth(Memo->GetWidth() + 10);
  Memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&answered));
  EXPECT_EQ(answered.Left, 1);
  EXPECT_EQ(answered.Top, 0);
}

TEST_F(MemoTest, LineMessagesCountCharacters) {
  Memo->SetText("ab\n\xC3\xA9\xC3\xA9\xC3\xA9\nz");
  EXPECT_EQ(Memo->Perform(EM_GETLINECOUNT), 3);
  EXPECT_EQ(Memo->Perform(EM_LINEINDEX, 1), 3);
  EXPECT_EQ(Memo->Perform(EM_LINEINDEX, 2), 7);
  EXPECT_EQ(Memo->Perform(EM_LINEINDEX, 3), -1);
  EXPECT_EQ(Memo->Perform(EM_LINELENGTH, 4), 3);
  EXPECT_EQ(Memo->Perform(EM_LINEFROMCHAR, 7), 2);
  Memo->Perform(EM_SETSEL, 5, 5);
  EXPECT_EQ(Memo->GetCaretPos(), (TPoint{2, 1}));
}
