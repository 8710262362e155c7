#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/CustomControl.h"
#include "controls/DataModule.h"
#include "controls/HintWindow.h"
#include "core/Module.h"

using namespace ControlTest;

namespace {
// The form stored in the test module as TGREETINGFORM.
class TGreetingForm : public TForm {
  DECLARE_CLASS(TGreetingForm, TForm);

 public:
  explicit TGreetingForm(TComponent* owner) : TForm(owner) {}
  TButton* Greet = nullptr;
  TLabel* Prompt = nullptr;
  std::vector<std::string> Events;

  void FormCreate(TObject*) {
    Events.push_back(std::string("create, greet ") + (Greet ? "bound" : "missing") +
                     (GetVisible() && IsWindowVisible(GetHandle()) ? ", shown" : ", not shown"));
  }
  void GreetClick(TObject*) { Events.push_back("greet"); }
};
IMPLEMENT_CLASS(TGreetingForm) {
  FIELD(Greet);
  FIELD(Prompt);
  METHOD(FormCreate);
  METHOD(GreetClick);
}

// Its stored file names a property that does not exist.
class TBrokenForm : public TForm {
  DECLARE_CLASS(TBrokenForm, TForm);

 public:
  explicit TBrokenForm(TComponent* owner) : TForm(owner) {}
  TButton* Greet = nullptr;
};
IMPLEMENT_CLASS(TBrokenForm) {
  FIELD(Greet);
}

class TStore : public TDataModule {
  DECLARE_CLASS(TStore, TDataModule);

 public:
  explicit TStore(TComponent* owner) : TDataModule(owner) {}
};
IMPLEMENT_CLASS(TStore) {}

// Counts what the mouse tells it and can change or refuse its hint.
class THinted : public TCustomControl {
  DECLARE_CLASS(THinted, TCustomControl);

 public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> Seen;
  std::string Replacement;
  bool Refuse = false;

 protected:
  void CMMouseEnter(TCMMouseEnterLeave&) { Seen.push_back("enter"); }
  void CMMouseLeave(TCMMouseEnterLeave&) { Seen.push_back("leave"); }
  void CMHintShow(TCMHintShow& message) {
    Seen.push_back("hint " + message.HintInfo()->HintStr);
    if (!Replacement.empty()) message.HintInfo()->HintStr = Replacement;
    if (Refuse) message.Result = 1;
  }
};
IMPLEMENT_CLASS(THinted) {
  MESSAGE_HANDLER(CM_MOUSEENTER, CMMouseEnter);
  MESSAGE_HANDLER(CM_MOUSELEAVE, CMMouseLeave);
  MESSAGE_HANDLER(CM_HINTSHOW, CMHintShow);
}

class TRaiser : public TObject {
  DECLARE_CLASS(TRaiser, TObject);

 public:
  TRaiser() = default;
  void RaiseFramework(TObject*) { throw EConvertError("'x' is not a valid integer value"); }
  void RaiseAbort(TObject*) { throw EAbort("silent"); }
  void RaiseStandard(TObject*) { throw std::runtime_error("disk full"); }
  void Catch(TObject* sender, const Exception& error) {
    Caught.push_back(NameOf(sender) + ": " + error.GetMessage());
  }
  void Idle(TObject*, bool& done) {
    ++IdleCalls;
    done = true;
  }
  std::vector<std::string> Caught;
  int IdleCalls = 0;
};
IMPLEMENT_CLASS(TRaiser) {}

class ApplicationTest : public ::testing::Test, public TFixture {};
}  // namespace

TEST_F(ApplicationTest, ExceptionsInHandlersAreReportedAndDoNotEscape) {
  TForm* form = NewForm(10, 10, 300, 200);
  auto* button = New<TButton>(form, 10, 10, 75, 25, "Button1");
  auto* raiser = new TRaiser();
  button->SetOnClick(MakeMethod<&TRaiser::RaiseFramework>(raiser));
  ClickAt(button);
  EXPECT_EQ(Errors(), Application->GetTitle() + ": 'x' is not a valid integer value\n");
  button->SetOnClick(MakeMethod<&TRaiser::RaiseAbort>(raiser));
  ClickAt(button);
  button->SetOnClick(MakeMethod<&TRaiser::RaiseStandard>(raiser));
  ClickAt(button);
  EXPECT_EQ(Errors(), Application->GetTitle() + ": 'x' is not a valid integer value\n" +
                          Application->GetTitle() + ": disk full\n");
  // OnException takes the reports instead, with the control as sender.
  Application->SetOnException(MakeMethod<&TRaiser::Catch>(raiser));
  ClickAt(button);
  EXPECT_EQ(raiser->Caught, std::vector<std::string>{"Button1: disk full"});
  // With a screen, the report is a message box.
  Application->SetOnException(nullptr);
  Application->SetHeadless(false);
  std::vector<std::string> boxes;
  Application->SetMessageDlgHook([&](const std::string& text, TMsgDlgType type, TMsgDlgButtons) {
    boxes.push_back(text + (type == mtError ? " (error)" : ""));
    return int{mrOk};
  });
  ClickAt(button);
  EXPECT_EQ(boxes, std::vector<std::string>{"disk full (error)"});
  raiser->Free();
}

TEST_F(ApplicationTest, FormsMadeFromTheirStoredFile) {
  TGreetingForm* form = nullptr;
  Application->CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Application->GetMainForm(), form);
  EXPECT_EQ(std::string(form->GetName()), "GreetingForm");
  EXPECT_EQ(std::string(form->GetCaption()), "Greeting");
  ASSERT_NE(form->Greet, nullptr);
  EXPECT_EQ(form->Prompt->GetFocusControl(), form->Greet);
  // OnCreate ran after reading, before the form showed.
  EXPECT_EQ(form->Events, std::vector<std::string>{"create, greet bound, not shown"});
  Driver.ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(form->GetHandle()));
  Driver.PressKey(VK_RETURN);
  EXPECT_EQ(form->Events.back(), "greet");
  // A second form does not replace the main form; by class reference works as well.
  TComponent* second = Application->CreateForm(TGreetingForm::StaticClass());
  EXPECT_EQ(Application->GetMainForm(), form);
  EXPECT_TRUE(second->InheritsFrom(TGreetingForm::StaticClass()));
  EXPECT_EQ(std::string(second->GetName()), "GreetingForm_1");
}

TEST_F(ApplicationTest, AFormWhoseFileCannotBeReadIsFreedAndTheErrorSaysWhere) {
  const int forms = Screen->GetFormCount();
  TBrokenForm* form = nullptr;
  try {
    Application->CreateForm(form);
    FAIL() << "reading must fail";
  } catch (const EReadError& e) {
    EXPECT_NE(e.GetMessage().find("Greet.Colour"), std::string::npos) << e.GetMessage();
    EXPECT_NE(e.GetMessage().find("line 11"), std::string::npos) << e.GetMessage();
  }
  EXPECT_EQ(form, nullptr);
  EXPECT_EQ(Screen->GetFormCount(), forms);
  EXPECT_EQ(Application->GetMainForm(), nullptr);
  EXPECT_EQ(Application->GetComponentCount(), 0);
}

TEST_F(ApplicationTest, DataModulesAreListedByTheScreen) {
  const int before = Screen->GetDataModuleCount();
  TStore* store = nullptr;
  Application->CreateForm(store);
  ASSERT_EQ(Screen->GetDataModuleCount(), before + 1);
  EXPECT_EQ(Screen->GetDataModule(before), store);
  EXPECT_EQ(Application->GetMainForm(), nullptr);  // a data module is no main form
  store->Free();
  EXPECT_EQ(Screen->GetDataModuleCount(), before);
  EXPECT_THROW(Screen->GetDataModule(before), EListError);
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndEndsHeadlessWhenNothingIsLeft) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  auto* raiser = new TRaiser();
  Application->SetOnIdle(MakeMethod<&TRaiser::Idle>(raiser));
  int hooked = 0;
  Application->SetIdleHook([&] { ++hooked; });
  Application->Run();
  EXPECT_TRUE(Application->GetTerminated());
  EXPECT_TRUE(IsWindowVisible(main->GetHandle()));
  EXPECT_EQ(raiser->IdleCalls, 1);
  EXPECT_EQ(hooked, 1);
  Application->SetOnIdle(nullptr);
  raiser->Free();
}

TEST_F(ApplicationTest, MessageDialogsAnswerTheButtonChosen) {
  // Answered by the test driver from inside the dialog's own loop.
  std::vector<std::string> captions;
  Application->SetIdleHook([&] {
    TCustomForm* dialog = Screen->GetActiveForm();
    captions.push_back(std::string(dialog->GetCaption()));
    for (int i = 0; i < dialog->GetControlCount(); ++i)
      if (auto* button = dynamic_cast<TButton*>(dialog->GetControl(i)))
        captions.push_back(std::string(button->GetCaption()) +
                           (button->GetDefault() ? " default" : "") +
                           (button->GetCancel() ? " cancel" : ""));
    Driver.PressKey(VK_RETURN);
  });
  EXPECT_EQ(MessageDlg("Save the changes?", mtConfirmation, mbYesNoCancel), mrYes);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"Confirm", "&Yes default", "&No", "Cancel cancel"}));
  Application->SetIdleHook([&] { Driver.PressKey(VK_ESCAPE); });
  EXPECT_EQ(MessageDlg("Save the changes?", mtConfirmation, {mbYes, mbNo}), mrNo);
  Application->SetIdleHook([&] { Driver.PressKey('N', false, false, true); });
  EXPECT_EQ(MessageDlg("Save the changes?", mtConfirmation, mbYesNoCancel), mrNo);
  // ShowMessage's OK button also answers Escape; the dialog is gone afterwards.
  const int forms = Screen->GetFormCount();
  Application->SetIdleHook([&] { Driver.PressKey(VK_ESCAPE); });
  ShowMessage("Done");
  EXPECT_EQ(Screen->GetFormCount(), forms);
  // The hook answers without any dialog.
  Application->SetIdleHook(nullptr);
  Application->SetMessageDlgHook([](const std::string&, TMsgDlgType, TMsgDlgButtons buttons) {
    return buttons.Contains(mbRetry) ? int{mrRetry} : int{mrAbort};
  });
  EXPECT_EQ(MessageDlg("Disk not ready", mtError, mbAbortRetryIgnore), mrRetry);
}

TEST_F(ApplicationTest, HintsShowAfterThePauseAndHideAgain) {
  TForm* form = NewForm(10, 10, 300, 200);
  auto* hinted = New<THinted>(form, 20, 20, 100, 40, "Hinted");
  hinted->SetHint("Short|A longer explanation");
  hinted->SetShowHint(true);
  MoveOver(hinted, 10, 10);
  Driver.AdvanceClock(400);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
  Driver.AdvanceClock(150);
  THintWindow* hint = Application->GetActiveHintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(std::string(hint->GetCaption()), "Short");
  const TPoint cursor = ScreenPoint(hinted, 10, 10);
  EXPECT_EQ(hint->GetLeft(), cursor.X);
  EXPECT_GT(hint->GetTop(), cursor.Y);
  EXPECT_EQ(Driver.ScreenPixel(hint->GetLeft() + hint->GetWidth() - 2, hint->GetTop() + 1),
            Rgb(clInfoBk));
  EXPECT_EQ(Driver.ScreenPixel(hint->GetLeft(), hint->GetTop()), Rgb(clWindowFrame));
  Driver.AdvanceClock(Application->GetHintHidePause() + 10);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
  EXPECT_EQ(hinted->Seen, (std::vector<std::string>{"enter", "hint Short"}));

  // A click takes it away; leaving the control before the pause shows none.
  MoveOver(form, 200, 150);
  MoveOver(hinted, 12, 12);
  Driver.AdvanceClock(600);
  ASSERT_NE(Application->GetActiveHintWindow(), nullptr);
  ClickAt(hinted, 12, 12);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
  MoveOver(form, 200, 150);
  MoveOver(hinted, 14, 14);
  Driver.AdvanceClock(300);
  MoveOver(form, 200, 150);
  Driver.AdvanceClock(600);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
}

TEST_F(ApplicationTest, ControlsMayChangeOrRefuseTheirHintAndChildrenShowTheirParentsHint) {
  TForm* form = NewForm(10, 10, 300, 200);
  auto* hinted = New<THinted>(form, 20, 20, 100, 40, "Hinted");
  hinted->SetHint("Original");
  hinted->SetShowHint(true);
  hinted->Replacement = "Changed";
  MoveOver(hinted);
  Driver.AdvanceClock(600);
  ASSERT_NE(Application->GetActiveHintWindow(), nullptr);
  EXPECT_EQ(std::string(Application->GetActiveHintWindow()->GetCaption()), "Changed");
  MoveOver(form, 200, 150);
  hinted->Refuse = true;
  MoveOver(hinted);
  Driver.AdvanceClock(600);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
  // A label with ParentShowHint shows its hint when its form has ShowHint on.
  auto* label = New<TLabel>(form, 150, 20, 60, 17, "Label1");
  label->SetCaption("Label");
  label->SetHint("On the label");
  EXPECT_FALSE(label->GetShowHint());
  form->SetShowHint(true);
  EXPECT_TRUE(label->GetShowHint());
  MoveOver(label, 2, 2);
  Driver.AdvanceClock(600);
  ASSERT_NE(Application->GetActiveHintWindow(), nullptr);
  EXPECT_EQ(std::string(Application->GetActiveHintWindow()->GetCaption()), "On the label");
  // Hints switched off for the program: none.
  Application->SetShowHint(false);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
  MoveOver(form, 200, 150);
  MoveOver(label, 3, 3);
  Driver.AdvanceClock(600);
  EXPECT_EQ(Application->GetActiveHintWindow(), nullptr);
}

TEST_F(ApplicationTest, TheMouseEntersAndLeavesControls) {
  TForm* form = NewForm(10, 10, 300, 200);
  auto* a = New<THinted>(form, 20, 20, 50, 40, "A");
  auto* b = New<THinted>(form, 100, 20, 50, 40, "B");
  MoveOver(a);
  MoveOver(a, 5, 5);
  MoveOver(b);
  EXPECT_EQ(a->Seen, (std::vector<std::string>{"enter", "leave"}));
  EXPECT_EQ(b->Seen, std::vector<std::string>{"enter"});
  // Leaving to the bare desktop is noticed when the program goes idle.
  Driver.MoveTo(600, 450);
  Application->SetIdleHook(nullptr);
  Application->HandleMessage();
  EXPECT_EQ(b->Seen, (std::vector<std::string>{"enter", "leave"}));
}
