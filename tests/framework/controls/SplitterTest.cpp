#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/Panel.h"
#include "controls/Splitter.h"

using namespace ControlTest;

namespace {
class TSplitterLog : public TEventLog {
  DECLARE_CLASS(TSplitterLog, TEventLog);

 public:
  void CanResize(TObject*, int& newSize, bool& accept) {
    Lines.push_back("CanResize " + std::to_string(newSize));
    if (newSize > Limit) newSize = Limit;
    accept = newSize != Refused;
  }
  int Limit = 100000;
  int Refused = -1;
};
IMPLEMENT_CLASS(TSplitterLog) {}

class SplitterTest : public ::testing::Test, public TFixture {
 protected:
  void SetUp() override {
    Form = NewForm(10, 10, 400, 300);
    Form->SetName("Form");
    Left = New<TPanel>(Form, 0, 0, 100, 50, "Left");
    Left->SetAlign(alLeft);
    Splitter = New<TSplitter>(Form, 100, 0, 4, 50, "Splitter");
    Rest = New<TPanel>(Form, 0, 0, 50, 50, "Rest");
    Rest->SetAlign(alClient);
    Rest->SetBevelOuter(bvNone);
    Rest->SetColor(clWhite);
    Splitter->SetOnMoved(MakeMethod<&TEventLog::Click>(Log));
    Driver.ProcessMessages();
  }
  // Presses on the splitter's middle and moves by dx, dy, holding the button.
  void PressAndMove(int dx, int dy) {
    Start = ScreenPoint(Splitter, Splitter->GetWidth() / 2, Splitter->GetHeight() / 2);
    Driver.MoveTo(Start.X, Start.Y);
    Driver.Press();
    Driver.MoveTo(Start.X + dx, Start.Y + dy);
  }
  // A pixel of the form's client area, as the screen shows it.
  COLORREF FormPixel(int x, int y) { return Pixel(Form, x, y); }
  TForm* Form = nullptr;
  TPanel* Left = nullptr;
  TSplitter* Splitter = nullptr;
  TPanel* Rest = nullptr;
  TPoint Start;
};

constexpr COLORREF InvertedWhite = RGB(0, 0, 0);
}  // namespace

TEST_F(SplitterTest, DefaultsAndTheSplitCursors) {
  auto* fresh = new TSplitter(Form);
  EXPECT_EQ(fresh->GetAlign(), alLeft);
  EXPECT_EQ(fresh->GetWidth(), 3);
  EXPECT_EQ(fresh->GetCursor(), crHSplit);
  EXPECT_EQ(fresh->GetMinSize(), 30);
  EXPECT_EQ(fresh->GetResizeStyle(), rsPattern);
  EXPECT_EQ(GetPropInfo(fresh, "Align")->GetDefault(), alLeft);
  EXPECT_EQ(GetPropInfo(fresh, "Cursor")->GetDefault(), crHSplit);
  EXPECT_THROW(fresh->SetMinSize(0), EInvalidOperation);
  fresh->SetParent(Form);
  fresh->SetAlign(alTop);
  EXPECT_EQ(fresh->GetCursor(), crVSplit);
  fresh->SetAlign(alRight);
  EXPECT_EQ(fresh->GetCursor(), crHSplit);
  fresh->SetCursor(crHandPoint);
  fresh->SetAlign(alBottom);
  EXPECT_EQ(fresh->GetCursor(), crHandPoint);  // a cursor of its own stays
  fresh->Free();
  EXPECT_EQ(Splitter->GetLeft(), 100);
  EXPECT_EQ(Splitter->GetHeight(), Form->GetClientHeight());
}

TEST_F(SplitterTest, DraggingShowsAHalftoneBarAndResizesTheControlOnRelease) {
  PressAndMove(50, 0);
  EXPECT_TRUE(Splitter->GetDragging());
  EXPECT_EQ(Left->GetWidth(), 100);  // not yet
  // The bar lies over the white panel at the new place, every other pixel inverted.
  const int barX = 150 - Rest->GetLeft();
  const COLORREF a = Pixel(Rest, barX, 20);
  const COLORREF b = Pixel(Rest, barX + 1, 20);
  EXPECT_NE(a, b);
  EXPECT_TRUE((a == InvertedWhite && b == RGB(255, 255, 255)) ||
              (b == InvertedWhite && a == RGB(255, 255, 255)));
  EXPECT_EQ(Pixel(Rest, barX, 21), b);
  EXPECT_EQ(Pixel(Rest, barX + 4, 20), RGB(255, 255, 255));  // 4 wide, like the splitter
  // Moving on erases the old bar and draws the new one.
  Driver.MoveTo(Start.X + 70, Start.Y);
  EXPECT_EQ(Pixel(Rest, barX, 20), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(Rest, barX + 1, 20), RGB(255, 255, 255));
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 170);
  EXPECT_EQ(Splitter->GetLeft(), 170);
  EXPECT_EQ(Rest->GetLeft(), 174);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Splitter"});
  EXPECT_FALSE(Splitter->GetDragging());
  for (int x = 0; x < 8; ++x)
    EXPECT_NE(Pixel(Rest, 30 + x, 20), InvertedWhite);  // no bar left behind
}

TEST_F(SplitterTest, TheSizeStaysBetweenMinSizeAndWhatLeavesMinSizeForTheRest) {
  const int client = Form->GetClientWidth();
  PressAndMove(1000, 0);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), client - 30 - 4);
  EXPECT_EQ(Rest->GetWidth(), 30);
  PressAndMove(-1000, 0);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 30);
  Splitter->SetMinSize(60);
  PressAndMove(-10, 0);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 60);
  // A press without a move changes nothing and reports nothing.
  Log->Lines.clear();
  PressAndMove(0, 0);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 60);
  EXPECT_TRUE(Log->Lines.empty());
}

TEST_F(SplitterTest, ResizeStylesDecideTheFeedback) {
  Splitter->SetResizeStyle(rsUpdate);
  PressAndMove(20, 0);
  EXPECT_EQ(Left->GetWidth(), 120);  // live
  Driver.MoveTo(Start.X + 30, Start.Y);
  EXPECT_EQ(Left->GetWidth(), 130);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 130);
  Splitter->SetResizeStyle(rsNone);
  PressAndMove(20, 0);
  EXPECT_EQ(Left->GetWidth(), 130);
  EXPECT_EQ(Pixel(Rest, 150 - Rest->GetLeft(), 20), RGB(255, 255, 255));  // no bar
  EXPECT_EQ(Pixel(Rest, 151 - Rest->GetLeft(), 20), RGB(255, 255, 255));
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 150);
  // rsLine inverts the whole bar.
  Splitter->SetResizeStyle(rsLine);
  PressAndMove(20, 0);
  const int barX = 170 - Rest->GetLeft();
  EXPECT_EQ(Pixel(Rest, barX, 20), InvertedWhite);
  EXPECT_EQ(Pixel(Rest, barX + 1, 20), InvertedWhite);
  Driver.Release();
  EXPECT_EQ(Pixel(Rest, barX + 1, 20), RGB(255, 255, 255));
}

TEST_F(SplitterTest, OnCanResizeMayChangeOrRefuseTheSize) {
  auto* log = new TSplitterLog();
  Splitter->SetOnCanResize(MakeMethod<&TSplitterLog::CanResize>(log));
  log->Limit = 140;
  PressAndMove(60, 0);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 140);
  EXPECT_EQ(log->Lines, std::vector<std::string>{"CanResize 160"});
  log->Refused = 150;
  PressAndMove(10, 0);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 140);
  Splitter->SetOnCanResize(nullptr);
  log->Free();
}

TEST_F(SplitterTest, ACancelledDragLeavesTheSizeAndErasesTheBar) {
  PressAndMove(40, 0);
  const int barX = 140 - Rest->GetLeft();
  ASSERT_TRUE(Pixel(Rest, barX, 20) == InvertedWhite || Pixel(Rest, barX + 1, 20) == InvertedWhite);
  Form->Perform(WM_CANCELMODE);
  Splitter->Perform(WM_CANCELMODE);
  EXPECT_FALSE(Splitter->GetDragging());
  EXPECT_EQ(Pixel(Rest, barX, 20), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(Rest, barX + 1, 20), RGB(255, 255, 255));
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 100);
  EXPECT_TRUE(Log->Lines.empty());
}

TEST_F(SplitterTest, HorizontalSplittersResizeTheControlAboveOrBelow) {
  auto* bottom = New<TPanel>(Form, 0, 0, 50, 80, "Bottom");
  bottom->SetAlign(alBottom);
  auto* split = New<TSplitter>(Form, 0, 0, 50, 5, "Split");
  split->SetAlign(alBottom);
  split->SetBounds(0, bottom->GetTop() - 5, 50, 5);
  Form->Realign();
  EXPECT_EQ(split->GetCursor(), crVSplit);
  ASSERT_EQ(split->GetTop() + 5, bottom->GetTop());
  const TPoint p = ScreenPoint(split, 20, 2);
  Driver.Drag(p.X, p.Y, p.X, p.Y - 30);
  EXPECT_EQ(bottom->GetHeight(), 110);
  EXPECT_EQ(split->GetTop() + 5, bottom->GetTop());
  // A splitter with no control of its alignment beside it does nothing.
  auto* lonely = New<TSplitter>(Form, 0, 0, 5, 5, "Lonely");
  lonely->SetAlign(alRight);
  const TPoint q = ScreenPoint(lonely, 2, 20);
  Driver.Drag(q.X, q.Y, q.X - 40, q.Y);
  EXPECT_FALSE(lonely->GetDragging());
  EXPECT_EQ(Rest->GetWidth(), Form->GetClientWidth() - 104 - 5);
}

TEST_F(SplitterTest, ASplitterFreedWhileDraggingCrashesNothing) {
  PressAndMove(30, 0);
  Splitter->Free();
  Driver.MoveTo(Start.X + 50, Start.Y);
  Driver.Release();
  EXPECT_EQ(Left->GetWidth(), 100);
}
