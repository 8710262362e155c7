#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "controls/CustomControl.h"
#include "controls/ObjectInstance.h"
#include "core/Module.h"

using namespace ControlTest;

namespace {
constexpr UINT WM_PROBE = WM_USER + 1;
constexpr UINT WM_ONLY_BASE = WM_USER + 2;

// Three generations binding the same messages, each recording what reached it.
class TProbeBase : public TCustomControl {
  DECLARE_CLASS(TProbeBase, TCustomControl);

 public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> Seen;

 protected:
  void WMProbe(TMessage& message) {
    Seen.push_back("base");
    message.Result += 1;
  }
  void WMOnlyBase(TMessage& message) {
    Seen.push_back("only-base");
    message.Result = 7;
  }
  void WMSize(TWMSize& message) {
    Seen.push_back("base-size " + std::to_string(message.Width()) + "x" +
                   std::to_string(message.Height()));
    TCustomControl::WMSize(message);
  }
};

IMPLEMENT_CLASS(TProbeBase) {
  MESSAGE_HANDLER(WM_PROBE, WMProbe);
  MESSAGE_HANDLER(WM_ONLY_BASE, WMOnlyBase);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
}

class TProbeMiddle : public TProbeBase {
  DECLARE_CLASS(TProbeMiddle, TProbeBase);

 public:
  using TProbeBase::TProbeBase;

 protected:
  // Bound to the same number under another name: a descendant reaches it only through
  // INHERITED_MESSAGE.
  void HandleProbeDifferently(TMessage& message) {
    Seen.push_back("middle");
    message.Result += 10;
    INHERITED_MESSAGE(message);
  }
};

IMPLEMENT_CLASS(TProbeMiddle) {
  MESSAGE_HANDLER(WM_PROBE, HandleProbeDifferently);
}

class TProbeLeaf : public TProbeMiddle {
  DECLARE_CLASS(TProbeLeaf, TProbeMiddle);

 public:
  using TProbeMiddle::TProbeMiddle;
  bool CallInherited = true;

 protected:
  void WMProbe(TMessage& message) {
    Seen.push_back("leaf");
    message.Result += 100;
    if (CallInherited) INHERITED_MESSAGE(message);
  }
  void WMSize(TWMSize& message) {
    Seen.push_back("leaf-size");
    TProbeBase::WMSize(message);
  }
};

IMPLEMENT_CLASS(TProbeLeaf) {
  MESSAGE_HANDLER(WM_PROBE, WMProbe);
  MESSAGE_HANDLER(WM_SIZE, WMSize);
}

class TSubclasser : public TObject {
  DECLARE_CLASS(TSubclasser, TObject);

 public:
  TSubclasser() = default;
  TWndMethod Previous;
  WNDPROC PreviousProc = nullptr;
  HWND Window = nullptr;
  std::vector<UINT> Seen;

  void ObjectLevel(TMessage& message) {
    Seen.push_back(message.Msg);
    if (message.Msg == WM_ONLY_BASE) {
      message.Result = 99;  // taken here, never reaches the control
      return;
    }
    Previous(message);
  }
  void WindowLevel(TMessage& message) {
    Seen.push_back(message.Msg);
    message.Result =
        CallWindowProc(PreviousProc, Window, message.Msg, message.WParam, message.LParam);
    if (message.Msg == WM_PROBE) message.Result += 1000;
  }
  void Throwing(TMessage& message) {
    if (message.Msg == WM_PROBE) throw Exception("probe failed");
    message.Result =
        CallWindowProc(PreviousProc, Window, message.Msg, message.WParam, message.LParam);
  }
};

IMPLEMENT_CLASS(TSubclasser) {}

class MessageDispatchTest : public ::testing::Test, public TFixture {};
}  // namespace

TEST_F(MessageDispatchTest, TheMostDerivedHandlerWinsAndReachesItsAncestorsOnRequest) {
  TForm* form = NewForm(10, 10, 200, 150);
  auto* leaf = New<TProbeLeaf>(form, 0, 0, 50, 50);
  leaf->Seen.clear();
  EXPECT_EQ(leaf->Perform(WM_PROBE), 111);
  EXPECT_EQ(leaf->Seen, (std::vector<std::string>{"leaf", "middle", "base"}));

  leaf->Seen.clear();
  leaf->CallInherited = false;
  EXPECT_EQ(leaf->Perform(WM_PROBE), 100);
  EXPECT_EQ(leaf->Seen, (std::vector<std::string>{"leaf"}));

  // A message only the ancestor binds reaches the ancestor's handler.
  leaf->Seen.clear();
  EXPECT_EQ(leaf->Perform(WM_ONLY_BASE), 7);
  EXPECT_EQ(leaf->Seen, (std::vector<std::string>{"only-base"}));

  // The middle class alone: its own handler, then the base's.
  auto* middle = New<TProbeMiddle>(form, 60, 0, 50, 50);
  middle->Seen.clear();
  EXPECT_EQ(middle->Perform(WM_PROBE), 11);
  EXPECT_EQ(middle->Seen, (std::vector<std::string>{"middle", "base"}));
}

TEST_F(MessageDispatchTest, TypedViewsReadTheParametersAndTheWindowSendsThroughTheHandlers) {
  TForm* form = NewForm(10, 10, 200, 150);
  auto* leaf = New<TProbeLeaf>(form, 0, 0, 50, 40);
  Driver.ProcessMessages();
  ASSERT_TRUE(leaf->HandleAllocated());
  leaf->Seen.clear();
  leaf->SetBounds(0, 0, 70, 30);
  EXPECT_EQ(leaf->Seen, (std::vector<std::string>{"leaf-size", "base-size 70x30"}));
  EXPECT_EQ(leaf->GetWidth(), 70);
  // Through the window: SendMessage reaches the same handlers.
  EXPECT_EQ(SendMessage(leaf->GetHandle(), WM_PROBE, 0, 0), 111);
}

TEST_F(MessageDispatchTest, UnhandledMessagesReachTheWindowsDefaultProcedure) {
  TForm* form = NewForm(10, 10, 200, 150);
  auto* control = New<TCustomControl>(form, 0, 0, 50, 40);
  control->SetText("before");
  // WM_NCHITTEST has no handler here: the default procedure answers it.
  const TPoint inside = control->ClientToScreen({5, 5});
  EXPECT_EQ(control->Perform(WM_NCHITTEST, 0, PointToLParam(inside)), HTCLIENT);
  // The text lives in the window once there is one, and survives the window being remade.
  control->HandleNeeded();
  char buffer[32] = {};
  GetWindowText(control->GetHandle(), buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "before");
  SetWindowText(control->GetHandle(), "after");
  control->RecreateWnd();
  EXPECT_EQ(std::string(control->GetText()), "after");
  // A message nobody knows gets the default answer 0.
  EXPECT_EQ(control->Perform(WM_USER + 77, 1, 2), 0);
}

TEST_F(MessageDispatchTest, WindowProcCanBeReplacedAndWindowsSubclassedThroughMethods) {
  TForm* form = NewForm(10, 10, 200, 150);
  auto* leaf = New<TProbeLeaf>(form, 0, 0, 50, 40);
  auto* subclasser = new TSubclasser();
  subclasser->Previous = leaf->GetWindowProc();
  leaf->SetWindowProc(MakeMethod<&TSubclasser::ObjectLevel>(subclasser));
  leaf->Seen.clear();
  EXPECT_EQ(leaf->Perform(WM_ONLY_BASE), 99);
  EXPECT_TRUE(leaf->Seen.empty());
  EXPECT_EQ(leaf->Perform(WM_PROBE), 111);
  EXPECT_EQ(leaf->Seen, (std::vector<std::string>{"leaf", "middle", "base"}));
  leaf->SetWindowProc(subclasser->Previous);

  // The window itself: a procedure bound to a method sees the messages first.
  subclasser->Seen.clear();
  subclasser->Window = leaf->GetHandle();
  subclasser->PreviousProc =
      reinterpret_cast<WNDPROC>(GetWindowLongPtr(subclasser->Window, GWLP_WNDPROC));
  WNDPROC hook = MakeObjectInstance(MakeMethod<&TSubclasser::WindowLevel>(subclasser));
  SetWindowLongPtr(subclasser->Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook));
  EXPECT_EQ(SendMessage(subclasser->Window, WM_PROBE, 0, 0), 1111);
  EXPECT_EQ(leaf->Perform(WM_PROBE), 111);  // Perform bypasses the window
  SetWindowLongPtr(subclasser->Window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(subclasser->PreviousProc));
  FreeObjectInstance(hook);
  EXPECT_EQ(subclasser->Seen, std::vector<UINT>{WM_PROBE});

  // A freed procedure calls nothing any more; a method that raises reports to Application.
  EXPECT_EQ(hook(subclasser->Window, WM_PROBE, 0, 0), 0);
  WNDPROC throwing = MakeObjectInstance(MakeMethod<&TSubclasser::Throwing>(subclasser));
  SetWindowLongPtr(subclasser->Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(throwing));
  EXPECT_EQ(SendMessage(subclasser->Window, WM_PROBE, 0, 0), 0);
  EXPECT_NE(Errors().find("probe failed"), std::string::npos);
  SetWindowLongPtr(subclasser->Window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(subclasser->PreviousProc));
  FreeObjectInstance(throwing);
  subclasser->Free();
}

TEST_F(MessageDispatchTest, AnExceptionInAHandlerIsReportedOnceAndTheWindowSurvives) {
  TForm* form = NewForm(10, 10, 200, 150);
  auto* leaf = New<TProbeLeaf>(form, 0, 0, 50, 40);
  auto* subclasser = new TSubclasser();
  subclasser->Previous = leaf->GetWindowProc();
  subclasser->Window = leaf->GetHandle();
  subclasser->PreviousProc =
      reinterpret_cast<WNDPROC>(GetWindowLongPtr(subclasser->Window, GWLP_WNDPROC));
  // Raising at the object level, reached through the window procedure of the control.
  leaf->SetWindowProc(MakeMethod<&TSubclasser::Throwing>(subclasser));
  // Throwing passes other messages to the window's procedure, which is the control's own and
  // would come back here; give it the default procedure instead.
  subclasser->PreviousProc = &DefWindowProc;
  EXPECT_EQ(SendMessage(leaf->GetHandle(), WM_PROBE, 0, 0), 0);
  EXPECT_EQ(Errors(), Application->GetTitle() + ": probe failed\n");
  // Called directly, the exception reaches the caller.
  EXPECT_THROW(leaf->Perform(WM_PROBE), Exception);
  leaf->SetWindowProc(subclasser->Previous);
  EXPECT_TRUE(IsWindow(leaf->GetHandle()));
  subclasser->Free();
}
