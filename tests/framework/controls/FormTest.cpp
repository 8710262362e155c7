#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "winsys/NonClient.h"
#include "winsys/WindowSystem.h"

using namespace ControlTest;

namespace {
class FormTest : public ::testing::Test, public TFixture {
 protected:
  TForm* LoggedForm(const char* name) {
    TForm* form = NewForm(50, 40, 300, 200, false);
    form->SetName(name);
    form->SetOnShow(MakeMethod<&TEventLog::Show>(Log));
    form->SetOnHide(MakeMethod<&TEventLog::Hide>(Log));
    form->SetOnClose(MakeMethod<&TEventLog::Close>(Log));
    form->SetOnCloseQuery(MakeMethod<&TEventLog::CloseQuery>(Log));
    form->SetOnActivate(MakeMethod<&TEventLog::Activate>(Log));
    form->SetOnDestroy(MakeMethod<&TEventLog::Destroy>(Log));
    return form;
  }
  // A modal dialog with an OK button (default) and a Cancel button (cancel).
  TForm* Dialog() {
    TForm* dialog = NewForm(100, 100, 250, 120, false);
    dialog->SetName("Dialog");
    dialog->SetBorderStyle(bsDialog);
    Ok = New<TButton>(dialog, 20, 40, 75, 25, "Ok");
    Ok->SetCaption("OK");
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    Cancel = New<TButton>(dialog, 110, 40, 75, 25, "Cancel");
    Cancel->SetCaption("Cancel");
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
    return dialog;
  }
  TButton* Ok = nullptr;
  TButton* Cancel = nullptr;
};
}  // namespace

TEST_F(FormTest, ShowHideAndTheEventsAroundThem) {
  TForm* form = LoggedForm("Main");
  form->Show();
  Driver.ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
  EXPECT_EQ(GetActiveWindow(), form->GetHandle());
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"Show Main", "Activate Main"}));
  EXPECT_EQ(Driver.ScreenPixel(form->ClientToScreen({5, 5}).X, form->ClientToScreen({5, 5}).Y),
            Rgb(clBtnFace));
  Log->Lines.clear();
  form->Hide();
  EXPECT_FALSE(IsWindowVisible(form->GetHandle()));
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"Hide Main"});
}

TEST_F(FormTest, BorderStylesGiveTheirFramesAndCaptions) {
  TForm* form = NewForm(10, 10, 200, 150);
  form->SetBorderStyle(bsNone);
  EXPECT_EQ(form->GetClientRect(), (TRect{0, 0, 200, 150}));
  EXPECT_FALSE(GetWindowLongPtr(form->GetHandle(), GWL_STYLE) & WS_CAPTION);
  form->SetBorderStyle(bsSizeable);
  const LONG_PTR sizeable = GetWindowLongPtr(form->GetHandle(), GWL_STYLE);
  EXPECT_TRUE(sizeable & WS_THICKFRAME);
  EXPECT_TRUE(sizeable & WS_SYSMENU);
  EXPECT_TRUE(sizeable & WS_MAXIMIZEBOX);
  EXPECT_EQ(form->GetClientWidth(), 200 - 2 * GetSystemMetrics(SM_CXFRAME));
  form->SetBorderStyle(bsDialog);
  const LONG_PTR dialog = GetWindowLongPtr(form->GetHandle(), GWL_STYLE);
  EXPECT_FALSE(dialog & WS_THICKFRAME);
  EXPECT_FALSE(dialog & WS_MAXIMIZEBOX);  // dialogs show only the close box
  EXPECT_TRUE(GetWindowLongPtr(form->GetHandle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  form->SetBorderStyle(bsToolWindow);
  EXPECT_TRUE(GetWindowLongPtr(form->GetHandle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  form->SetBorderIcons({});
  EXPECT_FALSE(GetWindowLongPtr(form->GetHandle(), GWL_STYLE) & WS_SYSMENU);
  // The window was made again each time; the form kept its place and stays shown.
  EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
  EXPECT_EQ(form->GetLeft(), 10);
}

TEST_F(FormTest, PositionPlacesTheFormWhenItShows) {
  TForm* centred = NewForm(0, 0, 200, 100, false);
  centred->SetPosition(poScreenCenter);
  centred->Show();
  EXPECT_EQ(centred->GetBoundsRect(), (TRect{220, 190, 420, 290}));
  TForm* placed = NewForm(0, 0, 200, 100, false);
  placed->SetPosition(poDefault);
  placed->Show();
  TRect window;
  GetWindowRect(placed->GetHandle(), &window);
  EXPECT_EQ(placed->GetBoundsRect(), window);
  EXPECT_GT(placed->GetWidth(), 200);  // the window system chose its size
}

TEST_F(FormTest, CloseHidesAsksFirstAndObeysTheCloseAction) {
  TForm* form = LoggedForm("Main");
  form->Show();
  Driver.ProcessMessages();
  Log->Lines.clear();
  Log->CanClose = false;
  form->Close();
  EXPECT_TRUE(form->GetVisible());
  EXPECT_EQ(Log->Lines, std::vector<std::string>{"CloseQuery Main"});

  Log->CanClose = true;
  Log->CloseAction = caNone;
  form->Close();
  EXPECT_TRUE(form->GetVisible());
  Log->CloseAction = caMinimize;
  form->Close();
  EXPECT_EQ(form->GetWindowState(), wsMinimized);
  EXPECT_TRUE(IsIconic(form->GetHandle()));
  form->SetWindowState(wsNormal);
  Log->CloseAction = caHide;
  Log->Lines.clear();
  // The caption's close box goes through the same path.
  SendMessage(form->GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(form->GetVisible());
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"CloseQuery Main", "Close Main", "Hide Main"}));
  // So does Alt+F4, also while a control of the form has the focus.
  auto* button = New<TButton>(form, 10, 10, 75, 25, "Button");
  form->Show();
  button->SetFocus();
  ASSERT_TRUE(button->Focused());
  Log->Lines.clear();
  Driver.PressKey(VK_F4, false, false, true);
  EXPECT_FALSE(form->GetVisible());
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"CloseQuery Main", "Close Main", "Hide Main"}));
}

namespace {
// Closes the form of the clicked button from the button's own OnClick.
class TCloser : public TObject {
  DECLARE_CLASS(TCloser, TObject);

 public:
  TCloser() = default;
  void CloseOwner(TObject* sender) {
    auto* button = static_cast<TControl*>(sender);
    TControlRef<TCustomForm> form(button->GetParentForm());
    form->Close();
    FormAliveAfterClose = static_cast<bool>(form);
    Clicked = button->GetName();  // the button is still whole here
  }
  bool FormAliveAfterClose = false;
  std::string Clicked;
};
IMPLEMENT_CLASS(TCloser) {}
}  // namespace

TEST_F(FormTest, CloseWithCaFreeFreesTheFormOnlyAfterTheHandlerReturns) {
  TForm* form = LoggedForm("Temp");
  auto* button = New<TButton>(form, 10, 10, 75, 25, "CloseIt");
  form->Show();
  Driver.ProcessMessages();
  Log->CloseAction = caFree;
  auto* closer = new TCloser();
  button->SetOnClick(MakeMethod<&TCloser::CloseOwner>(closer));
  TControlRef<TForm> alive(form);
  ClickAt(button);
  EXPECT_TRUE(closer->FormAliveAfterClose);
  EXPECT_EQ(closer->Clicked, "CloseIt");
  EXPECT_FALSE(alive);
  EXPECT_EQ(Log->Lines.back(), "Destroy Temp");
  closer->Free();
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgram) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  ASSERT_EQ(Application->GetMainForm(), main);
  main->Show();
  main->Close();
  EXPECT_TRUE(Application->GetTerminated());
  EXPECT_TRUE(main->GetVisible());
}

TEST_F(FormTest, ShowModalRunsUntilAButtonSetsTheModalResult) {
  TForm* owner = NewForm(10, 10, 200, 150);
  TForm* dialog = Dialog();
  std::vector<std::string> seen;
  Application->SetIdleHook([&] {
    seen.push_back(IsWindowEnabled(owner->GetHandle()) ? "owner enabled" : "owner disabled");
    seen.push_back(GetActiveWindow() == dialog->GetHandle() ? "dialog active" : "other active");
    Driver.PressKey(VK_RETURN);  // the default button
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(seen, (std::vector<std::string>{"owner disabled", "dialog active"}));
  EXPECT_FALSE(dialog->GetVisible());
  EXPECT_TRUE(IsWindowEnabled(owner->GetHandle()));
  EXPECT_EQ(GetActiveWindow(), owner->GetHandle());

  // Escape presses the cancel button; a click on a button works as well.
  Application->SetIdleHook([&] { Driver.PressKey(VK_ESCAPE); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  Application->SetIdleHook([&] { ClickAt(Ok); });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  // Showing a visible form modally is refused.
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, AModalFormAsksBeforeItClosesAndEndsWhenNothingCanAnswer) {
  TForm* dialog = Dialog();
  dialog->SetOnCloseQuery(MakeMethod<&TEventLog::CloseQuery>(Log));
  int idle = 0;
  Log->CanClose = false;
  Application->SetIdleHook([&] {
    ++idle;
    if (idle == 1) Driver.PressKey(VK_RETURN);  // refused by OnCloseQuery
    if (idle == 2) {
      Log->CanClose = true;
      Driver.PressKey(VK_ESCAPE);
    }
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(idle, 2);
  EXPECT_EQ(Log->Lines, (std::vector<std::string>{"CloseQuery Dialog", "CloseQuery Dialog"}));
  // With nobody to press a key and no input source, the loop ends instead of waiting forever.
  Application->SetIdleHook(nullptr);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(FormTest, AFormScalesToTheScreenWhenItsFileWasStoredAtAnotherResolution) {
  TForm* form = NewForm(0, 0, 100, 100, false);
  auto* button = New<TButton>(form, 0, 0, 75, 25, "Button1");
  form->SetClientWidth(240);
  form->SetClientHeight(120);
  button->SetBounds(24, 12, 96, 36);
  button->SetParentFont(false);
  button->GetFont()->SetHeight(-15);
  form->GetFont()->SetHeight(-15);
  // Stored at 120 pixels per inch, read on a 96 pixels per inch screen.
  const int frameWidth = form->GetWidth() - form->GetClientWidth();
  form->ScaleBy(96, 120);
  EXPECT_EQ(form->GetClientWidth(), 192);
  EXPECT_EQ(form->GetClientHeight(), 96);
  EXPECT_EQ(form->GetWidth() - form->GetClientWidth(), frameWidth);
  EXPECT_EQ(button->GetBoundsRect(), (TRect{19, 10, 96, 38}));
  EXPECT_EQ(button->GetFont()->GetHeight(), -12);
  EXPECT_EQ(form->GetFont()->GetHeight(), -12);
}
