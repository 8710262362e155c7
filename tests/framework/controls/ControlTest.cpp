#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/CustomControl.h"
#include "controls/Designer.h"
#include "controls/GraphicControl.h"
#include "controls/Menus.h"
#include "core/Module.h"
#include "winsys/Cursors.h"

using namespace ControlTest;

namespace {
// A graphic control that paints itself in its colour.
class TSwatch : public TGraphicControl {
  DECLARE_CLASS(TSwatch, TGraphicControl);

 public:
  explicit TSwatch(TComponent* owner) : TGraphicControl(owner) { SetColor(clRed); }

 protected:
  void Paint() override {
    GetCanvas()->GetBrush()->SetColor(GetColor());
    GetCanvas()->FillRect(GetClientRect());
  }
};
IMPLEMENT_CLASS(TSwatch) {}

// A windowed control that paints itself in its colour and counts text changes.
class TPad : public TCustomControl {
  DECLARE_CLASS(TPad, TCustomControl);

 public:
  using TCustomControl::TCustomControl;
  int TextChanges = 0;

 protected:
  void Paint() override {
    GetCanvas()->GetBrush()->SetColor(GetColor());
    GetCanvas()->FillRect(GetClientRect());
  }
  void CMTextChanged(TMessage&) { ++TextChanges; }
};
IMPLEMENT_CLASS(TPad) {
  MESSAGE_HANDLER(CM_TEXTCHANGED, CMTextChanged);
}

class TRecordingMenu : public TPopupMenu {
  DECLARE_CLASS(TRecordingMenu, TPopupMenu);

 public:
  using TPopupMenu::TPopupMenu;
  std::vector<TPoint> Shown;
  void Popup(int x, int y) override {
    TPopupMenu::Popup(x, y);
    Shown.push_back({x, y});
  }
};
IMPLEMENT_CLASS(TRecordingMenu) {}

// A designer that takes every mouse message of the controls it designs.
class TGreedyDesigner : public TDesigner {
  DECLARE_CLASS(TGreedyDesigner, TDesigner);

 public:
  TGreedyDesigner() = default;
  std::vector<UINT> Taken;
  bool IsDesignMsg(TControl*, TMessage& message) override {
    if (message.Msg < WM_MOUSEFIRST || message.Msg > WM_MOUSELAST) return false;
    Taken.push_back(message.Msg);
    return true;
  }
  void Modified() override {}
  void Notification(TComponent*, TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
};
IMPLEMENT_CLASS(TGreedyDesigner) {}

// Takes the mouse in design mode over its left half.
class THalfInteractive : public TPad {
  DECLARE_CLASS(THalfInteractive, TPad);

 public:
  using TPad::TPad;

 protected:
  void CMDesignHitTest(TCMDesignHitTest& message) {
    if (message.XPos() < GetWidth() / 2) message.Result = 1;
  }
};
IMPLEMENT_CLASS(THalfInteractive) {
  MESSAGE_HANDLER(CM_DESIGNHITTEST, CMDesignHitTest);
}

class ControlTest : public ::testing::Test, public TFixture {};
}  // namespace

TEST_F(ControlTest, ParentsChildrenAndCoordinates) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* panel = New<TWinControl>(form, 10, 20, 150, 100, "Panel");
  auto* label = New<TLabel>(panel, 5, 6, 40, 13, "Label1");
  auto* pad = New<TPad>(panel, 50, 40, 60, 30, "Pad");
  ASSERT_EQ(panel->GetControlCount(), 2);
  EXPECT_EQ(panel->GetControl(0), label);
  EXPECT_EQ(panel->GetControl(1), pad);
  try {
    panel->GetControl(2);
    FAIL() << "an index past the end must raise";
  } catch (const EListError& e) {
    EXPECT_EQ(e.GetMessage(), "List index out of bounds (2)");
  }
  EXPECT_THROW(panel->GetControl(-1), EListError);
  EXPECT_TRUE(form->ContainsControl(pad));
  EXPECT_FALSE(pad->ContainsControl(panel));
  EXPECT_EQ(pad->GetParentForm(), form);
  EXPECT_EQ(GetParentForm(label), form);

  // Coordinates: a graphic control's client area is its place on its parent.
  const TPoint formOrigin = form->ClientToScreen({0, 0});
  EXPECT_EQ(label->ClientToScreen({0, 0}), (TPoint{formOrigin.X + 15, formOrigin.Y + 26}));
  EXPECT_EQ(pad->ScreenToClient({formOrigin.X + 60, formOrigin.Y + 60}), (TPoint{0, 0}));
  EXPECT_EQ(FindControlAtPos({formOrigin.X + 62, formOrigin.Y + 62}), pad);
  EXPECT_EQ(FindControlAtPos({formOrigin.X + 16, formOrigin.Y + 27}), label);

  // No cycles: a control cannot sit on itself or on what it holds.
  EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);
  auto* inner = New<TWinControl>(panel, 0, 0, 10, 10, "Inner");
  EXPECT_THROW(panel->SetParent(inner), EInvalidOperation);
  EXPECT_EQ(panel->GetParent(), form);

  // Moving a control to another parent moves its window too.
  pad->SetParent(form);
  EXPECT_EQ(panel->GetControlCount(), 2);
  EXPECT_EQ(GetParent(pad->GetHandle()), form->GetHandle());
  pad->SetParent(nullptr);
  EXPECT_FALSE(pad->HandleAllocated());
  EXPECT_THROW(pad->GetHandle(), EInvalidOperation);
  pad->Free();
}

TEST_F(ControlTest, ColourFontAndCtl3DFollowTheParentUntilSetOwnValues) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  auto* label = New<TLabel>(form, 10, 50, 60, 13, "Label1");
  EXPECT_EQ(pad->GetColor(), clBtnFace);
  form->SetColor(clTeal);
  form->GetFont()->SetName("System");
  form->GetFont()->SetColor(clMaroon);
  form->SetCtl3D(false);
  EXPECT_EQ(pad->GetColor(), clTeal);
  EXPECT_EQ(label->GetFont()->GetColor(), clMaroon);
  EXPECT_EQ(std::string(label->GetFont()->GetName()), "System");
  EXPECT_FALSE(pad->GetCtl3D());
  EXPECT_TRUE(label->GetParentFont());

  label->GetFont()->SetColor(clNavy);  // its own font from now on
  pad->SetColor(clYellow);
  EXPECT_FALSE(label->GetParentFont());
  EXPECT_FALSE(pad->GetParentColor());
  form->GetFont()->SetColor(clGreen);
  form->SetColor(clOlive);
  EXPECT_EQ(label->GetFont()->GetColor(), clNavy);
  EXPECT_EQ(pad->GetColor(), clYellow);
  label->SetParentFont(true);
  pad->SetParentColor(true);
  EXPECT_EQ(label->GetFont()->GetColor(), clGreen);
  EXPECT_EQ(pad->GetColor(), clOlive);
  EXPECT_EQ(Pixel(pad, 5, 5), Rgb(clOlive));
}

TEST_F(ControlTest, TextChangesGoThroughMessages) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  pad->SetText("one");
  pad->SetText("one");
  EXPECT_EQ(pad->TextChanges, 1);
  char buffer[16];
  EXPECT_EQ(GetWindowText(pad->GetHandle(), buffer, sizeof buffer), 3);
  // What the window is told is what the control reports.
  SendMessage(pad->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("two"));
  EXPECT_EQ(std::string(pad->GetText()), "two");
  // A graphic control keeps its text itself; a short buffer gets a terminated prefix.
  auto* label = New<TLabel>(form, 10, 50, 60, 13);
  label->SetCaption("Caption");
  char small[4];
  EXPECT_EQ(label->Perform(WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 3);
  EXPECT_STREQ(small, "Cap");
  EXPECT_EQ(label->Perform(WM_GETTEXTLENGTH), 7);
  form->SetCaption("Form title");
  char title[32];
  GetWindowText(form->GetHandle(), title, sizeof title);
  EXPECT_STREQ(title, "Form title");
}

TEST_F(ControlTest, GraphicControlsArePaintedByTheirParentAndGetItsMouse) {
  TForm* form = NewForm(20, 30, 300, 200);
  form->SetColor(clWhite);
  auto* swatch = New<TSwatch>(form, 40, 30, 20, 10, "Swatch");
  swatch->SetOnMouseDown(MakeMethod<&TEventLog::MouseDown>(Log));
  swatch->SetOnMouseUp(MakeMethod<&TEventLog::MouseUp>(Log));
  swatch->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  EXPECT_EQ(Pixel(form, 40, 30), Rgb(clRed));
  EXPECT_EQ(Pixel(form, 59, 39), Rgb(clRed));
  EXPECT_EQ(Pixel(form, 60, 39), Rgb(clWhite));  // guard pixels just outside
  EXPECT_EQ(Pixel(form, 39, 30), Rgb(clWhite));

  ClickAt(swatch, 3, 4);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"MouseDown Swatch 0 3,4", "Click Swatch",
                                                  "MouseUp Swatch 0 3,4"}));
  // Pressed on it and released elsewhere: the release still reaches it, without a click.
  Log->Lines.clear();
  const TPoint from = ScreenPoint(swatch, 2, 2);
  Driver.Drag(from.X, from.Y, from.X + 100, from.Y + 50);
  ASSERT_EQ(Log->Lines.size(), 2u);
  EXPECT_EQ(Log->Lines[1], "MouseUp Swatch 0 102,52");

  // Hidden, it is neither painted nor hit.
  swatch->Hide();
  EXPECT_EQ(Pixel(form, 45, 35), Rgb(clWhite));
  Log->Lines.clear();
  ClickAt(form, 45, 35);
  EXPECT_TRUE(Log->Lines.empty());
}

TEST_F(ControlTest, ClicksDoubleClicksAndReleasesOutside) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  pad->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  pad->SetOnDblClick(MakeMethod<&TEventLog::DblClick>(Log));
  pad->SetOnMouseDown(MakeMethod<&TEventLog::MouseDown>(Log));
  const TPoint p = ScreenPoint(pad, 5, 5);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"MouseDown Pad 0 5,5", "Click Pad",
                                                  "DblClick Pad", "MouseDown Pad 0 5,5 double"}));
  // Without double clicks in its style the second press is a second click.
  pad->SetControlStyle(pad->GetControlStyle() - TControlStyle{csDoubleClicks});
  Log->Lines.clear();
  Driver.AdvanceClock(1000);
  Driver.DoubleClick(p.X, p.Y);
  EXPECT_EQ(std::count(Log->Lines.begin(), Log->Lines.end(), "Click Pad"), 2);
  EXPECT_EQ(std::count(Log->Lines.begin(), Log->Lines.end(), "DblClick Pad"), 0);
  // Released outside: no click.
  Log->Lines.clear();
  Driver.Drag(p.X, p.Y, p.X + 200, p.Y);
  EXPECT_EQ(std::count(Log->Lines.begin(), Log->Lines.end(), "Click Pad"), 0);
}

TEST_F(ControlTest, RightClickPopsUpTheControlsMenu) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  auto* menu = new TRecordingMenu(form);
  pad->SetPopupMenu(menu);
  const TPoint p = ScreenPoint(pad, 7, 8);
  Driver.Click(p.X, p.Y, MouseRight);
  ASSERT_EQ(menu->Shown.size(), 1u);
  EXPECT_EQ(menu->Shown[0], p);
  EXPECT_EQ(menu->GetPopupComponent(), pad);
  // From the keyboard's context-menu message, at the control's corner.
  SendMessage(pad->GetHandle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pad->GetHandle()),
              MAKELPARAM(0xFFFF, 0xFFFF));
  ASSERT_EQ(menu->Shown.size(), 2u);
  EXPECT_EQ(menu->Shown[1], pad->ClientToScreen({0, 0}));
  // A menu that goes is forgotten; the left button never pops it up.
  menu->SetAutoPopup(false);
  Driver.Click(p.X, p.Y, MouseRight);
  EXPECT_EQ(menu->Shown.size(), 2u);
  menu->Free();
  EXPECT_EQ(pad->GetPopupMenu(), nullptr);
  Driver.Click(p.X, p.Y, MouseRight);
}

TEST_F(ControlTest, TheCursorIsTheOneOfTheControlUnderTheMouse) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  auto* swatch = New<TSwatch>(form, 100, 10, 30, 30, "Swatch");
  pad->SetCursor(crHandPoint);
  swatch->SetCursor(crIBeam);
  MoveOver(pad);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Hand);
  MoveOver(swatch);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::IBeam);
  MoveOver(form, 200, 150);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Arrow);
  // A screen cursor shows everywhere until it is reset.
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Wait);
  MoveOver(pad);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Wait);
  Screen->SetCursor(crDefault);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Hand);
  // Changing the cursor of the control under the mouse shows at once.
  pad->SetCursor(crCross);
  EXPECT_EQ(VisibleCursorShape(), TCursorShape::Cross);
  EXPECT_EQ(Screen->GetCursors(crHSplit), LoadFrameworkCursor(crHSplit));
}

TEST_F(ControlTest, InDesignModeTheDesignerTakesTheMouseUnlessTheControlAsksForIt) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* half = New<THalfInteractive>(form, 10, 10, 100, 40, "Half");
  half->SetOnMouseDown(MakeMethod<&TEventLog::MouseDown>(Log));
  auto* designer = new TGreedyDesigner();
  form->SetDesigner(designer);
  half->SetDesigning(true);
  ClickAt(half, 80, 20);  // the right half: the designer's
  EXPECT_TRUE(Log->Lines.empty());
  EXPECT_FALSE(designer->Taken.empty());
  designer->Taken.clear();
  ClickAt(half, 20, 20);  // the left half: the control's own
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"MouseDown Half 0 20,20"});
  EXPECT_TRUE(designer->Taken.empty());
  form->SetDesigner(nullptr);
  designer->Free();
}

TEST_F(ControlTest, HiddenAndDisabledControlsTakeNoInput) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  pad->SetOnClick(MakeMethod<&TEventLog::Click>(Log));
  pad->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(pad->GetHandle()));
  const int beeps = GetBeepCount();
  ClickAt(pad);
  EXPECT_TRUE(Log->Lines.empty());
  EXPECT_GT(GetBeepCount(), beeps);
  pad->SetEnabled(true);
  pad->Hide();
  EXPECT_FALSE(IsWindowVisible(pad->GetHandle()));
  ClickAt(form, 20, 20);
  EXPECT_TRUE(Log->Lines.empty());
  pad->Show();
  ClickAt(pad);
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Click Pad"});
}

TEST_F(ControlTest, AControlFreedByItsOwnMouseHandlerCrashesNothing) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  auto* swatch = New<TSwatch>(form, 100, 10, 30, 30, "Swatch");
  pad->SetOnMouseDown(MakeMethod<&TEventLog::MouseDown>(Log));
  pad->SetOnClick(MakeMethod<&TEventLog::FreeSender>(Log));
  swatch->SetOnMouseDown(MakeMethod<&TEventLog::MouseDown>(Log));
  swatch->SetOnClick(MakeMethod<&TEventLog::FreeSender>(Log));
  ClickAt(pad);
  ClickAt(swatch);
  EXPECT_EQ(form->GetControlCount(), 0);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"MouseDown Pad 0 30,15", "Free Pad",
                                                  "MouseDown Swatch 0 15,15", "Free Swatch"}));
  ClickAt(form, 40, 25);  // where they were
}

TEST_F(ControlTest, CanvasesDrawOutsidePaintingOnlyWithinTheirControl) {
  TForm* form = NewForm(20, 30, 300, 200);
  form->SetColor(clWhite);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  auto* swatch = New<TSwatch>(form, 100, 10, 30, 20, "Swatch");
  Driver.ProcessMessages();
  pad->GetCanvas()->GetBrush()->SetColor(clBlue);
  pad->GetCanvas()->FillRect({0, 0, 500, 500});
  swatch->GetCanvas()->GetBrush()->SetColor(clLime);
  swatch->GetCanvas()->FillRect({-50, -50, 500, 500});
  EXPECT_EQ(Pixel(pad, 59, 29), Rgb(clBlue));
  EXPECT_EQ(Pixel(swatch, 29, 19), Rgb(clLime));
  // Nothing beyond the controls changed.
  EXPECT_EQ(Pixel(form, 70, 10), Rgb(clWhite));
  EXPECT_EQ(Pixel(form, 130, 15), Rgb(clWhite));
  EXPECT_EQ(Pixel(form, 99, 15), Rgb(clWhite));
  EXPECT_EQ(Pixel(form, 115, 30), Rgb(clWhite));
  // After the form moves, the canvas draws where the control now is.
  form->SetBounds(60, 60, 300, 200);
  Driver.ProcessMessages();
  pad->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  pad->GetCanvas()->FillRect({0, 0, 60, 30});
  EXPECT_EQ(Pixel(pad, 30, 15), Rgb(clFuchsia));
}

TEST_F(ControlTest, FramedControlsFollowCtl3DByMakingTheirWindowAgain) {
  TForm* form = NewForm(20, 30, 300, 200);
  auto* pad = New<TPad>(form, 10, 10, 60, 30, "Pad");
  pad->SetControlStyle(pad->GetControlStyle() + TControlStyle{csFramed});
  pad->SetTabStop(true);
  pad->RecreateWnd();
  pad->SetFocus();
  const HWND first = pad->GetHandle();
  EXPECT_TRUE(GetWindowLongPtr(first, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(pad->GetClientWidth(), 60 - 2 * GetSystemMetrics(SM_CXEDGE));
  form->SetCtl3D(false);  // followed through ParentCtl3D
  const HWND second = pad->GetHandle();
  EXPECT_NE(second, first);
  EXPECT_FALSE(GetWindowLongPtr(second, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongPtr(second, GWL_STYLE) & WS_BORDER);
  EXPECT_EQ(pad->GetClientWidth(), 58);
  EXPECT_TRUE(pad->Focused());  // the focus came along
  EXPECT_TRUE(IsWindowVisible(second));
  EXPECT_EQ(pad->GetBoundsRect(), (TRect{10, 10, 70, 40}));
}
