#include <gtest/gtest.h>

#include "WindowTestSupport.h"

using namespace WindowTest;

namespace {
class MessageQueueTest : public ::testing::Test, public TFixtureBase {};

int TimerProcCalls = 0;
void CountingTimer(HWND, UINT, UINT_PTR, DWORD) {
  ++TimerProcCalls;
}
}  // namespace

TEST_F(MessageQueueTest, FiltersSelectByWindowIncludingChildrenAndByRange) {
  HWND parent = Create(WS_POPUP, 0, 0, 50, 50);
  HWND child = Create(WS_CHILD, 0, 0, 10, 10, parent);
  HWND other = Create(WS_POPUP, 0, 0, 50, 50);
  Driver.ProcessMessages();
  PostMessage(other, WM_USER, 1, 0);
  PostMessage(child, WM_USER, 2, 0);
  PostMessage(nullptr, WM_APP, 3, 0);  // a thread message
  MSG message;
  ASSERT_TRUE(PeekMessage(&message, parent, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.hwnd, child);
  EXPECT_FALSE(PeekMessage(&message, parent, 0, 0, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
  EXPECT_EQ(message.hwnd, nullptr);
  EXPECT_EQ(message.wParam, 3u);
  EXPECT_TRUE(PostThreadMessage(GetCurrentThreadId(), WM_APP, 4, 0));
  EXPECT_FALSE(PostThreadMessage(12345, WM_APP, 4, 0));
  ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.hwnd, other);
}

TEST_F(MessageQueueTest, MessagesCarryTheirTimeAndPosition) {
  HWND window = Create(WS_POPUP, 0, 0, 50, 50);
  Driver.MoveTo(7, 9);
  Driver.AdvanceClock(25);
  const DWORD posted = GetTickCount();
  PostMessage(window, WM_USER, 0, 0);
  TWindowSystem::Instance().Clock().Advance(10);  // later, without handling the queue
  MSG message;
  ASSERT_TRUE(PeekMessage(&message, window, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_EQ(message.time, posted);
  EXPECT_EQ(message.pt, (TPoint{7, 9}));
  EXPECT_EQ(GetMessageTime(), posted);
}

TEST_F(MessageQueueTest, MouseMovesMergeWhileQueuedButNotOnceHandedOut) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  Driver.ProcessMessages();
  Log().clear();
  TInputRouter& input = TWindowSystem::Instance().Input();
  input.InjectMouseMove({10, 10});
  input.InjectMouseMove({20, 20});
  input.InjectMouseMove({30, 30});
  input.InjectButton(MouseLeft, true);
  input.InjectMouseMove({40, 40});
  Driver.ProcessMessages();
  const auto moves = Find(WM_MOUSEMOVE, window);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].LParam, MAKELPARAM(30, 30));
  EXPECT_EQ(moves[1].WParam, MK_LBUTTON);
  input.InjectButton(MouseLeft, false);
  Driver.ProcessMessages();
}

TEST_F(MessageQueueTest, TranslationSkipsCharactersThatArriveSeparately) {
  HWND window = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  SetFocus(window);
  Log().clear();
  TInputRouter& input = TWindowSystem::Instance().Input();
  input.InjectKey('A', true, true);  // a presenter sends the text itself
  input.InjectChar(U'a');
  input.InjectKey('A', false, true);
  input.InjectKey(VK_RETURN, true, true);  // control characters are still translated
  input.InjectKey(VK_RETURN, false, true);
  Driver.ProcessMessages();
  const auto chars = Find(WM_CHAR, window);
  ASSERT_EQ(chars.size(), 2u);
  EXPECT_EQ(chars[0].WParam, static_cast<WPARAM>('a'));
  EXPECT_EQ(chars[1].WParam, static_cast<WPARAM>('\r'));
  Log().clear();
  Driver.Type("\xC3\xA9");  // no key types it: it arrives as one character alone
  const auto typed = Find(WM_CHAR);
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_EQ(typed[0].WParam, static_cast<WPARAM>(0xE9));
  EXPECT_TRUE(Find(WM_KEYDOWN).empty());
}

TEST_F(MessageQueueTest, TimersWithProceduresAndThreadTimers) {
  TimerProcCalls = 0;
  const UINT_PTR id = SetTimer(nullptr, 0, 50, &CountingTimer);
  ASSERT_NE(id, 0u);
  EXPECT_NE(SetTimer(nullptr, 0, 50, &CountingTimer), id);  // each gets its own id
  KillTimer(nullptr, id + 1);
  Driver.AdvanceClock(50);
  EXPECT_EQ(TimerProcCalls, 1);
  HWND window = Create(WS_POPUP, 0, 0, 10, 10);
  SetTimer(window, 1, 5, nullptr);  // below the platform's minimum of 10 ms
  Driver.AdvanceClock(5);
  EXPECT_TRUE(Find(WM_TIMER, window).empty());
  Driver.AdvanceClock(5);
  EXPECT_EQ(Find(WM_TIMER, window).size(), 1u);
  DestroyWindow(window);  // its timers go with it
  Driver.AdvanceClock(100);
  KillTimer(nullptr, id);
}

TEST_F(MessageQueueTest, QuitComesAfterPostedMessagesAndWithoutInputGetMessageEnds) {
  HWND window = Create(WS_POPUP, 0, 0, 10, 10);
  Driver.ProcessMessages();
  PostQuitMessage(3);
  PostMessage(window, WM_USER, 0, 0);
  MSG message;
  EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), TRUE);
  EXPECT_EQ(message.message, UINT{WM_USER});
  EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), FALSE);
  EXPECT_EQ(message.wParam, 3u);
  EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), FALSE);  // nothing can come any more
  EXPECT_EQ(DispatchMessage(nullptr), 0);
  EXPECT_EQ(GetMessage(nullptr, nullptr, 0, 0), -1);
}
