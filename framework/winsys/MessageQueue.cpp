#include "winsys/MessageQueue.h"

#include <algorithm>

#include "winsys/WinUser.h"
#include "winsys/WindowSystem.h"

namespace {
TWindowSystem& System() {
  return TWindowSystem::Instance();
}
constexpr UINT MinimumTimerElapse = 10;

MSG Stamped(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG result{window, message, wParam, lParam, GetTickCount(), System().Input().CursorPos()};
  return result;
}
}  // namespace

void TMessageQueue::PostInput(const TInputEvent& event) {
  const bool headInUse = FInput.size() == 1 && FHeadReady;
  if (event.Kind == TInputEvent::TKind::MouseMove && !FInput.empty() && !headInUse &&
      FInput.back().Kind == TInputEvent::TKind::MouseMove) {
    FInput.back() = event;
    return;
  }
  FInput.push_back(event);
}

void TMessageQueue::PostQuit(int exitCode) {
  FQuit = true;
  FExitCode = exitCode;
}

bool TMessageQueue::Matches(const MSG& message, HWND filter, UINT first, UINT last) const {
  if (first != 0 || last != 0) {
    if (message.message < first || message.message > last) return false;
  }
  if (!filter) return true;
  if (message.hwnd == filter) return true;
  TWindow* parent = System().Find(filter);
  TWindow* window = System().Find(message.hwnd);
  return parent && window && parent->IsAncestorOf(window);
}

bool TMessageQueue::TakePosted(MSG& message, HWND filter, UINT first, UINT last, bool remove) {
  for (auto it = FPosted.begin(); it != FPosted.end(); ++it) {
    if (!Matches(*it, filter, first, last)) continue;
    message = *it;
    if (remove) FPosted.erase(it);
    return true;
  }
  return false;
}

bool TMessageQueue::TakeInput(MSG& message, HWND filter, UINT first, UINT last, bool remove) {
  while (!FInput.empty()) {
    if (!FHeadReady) {
      const TInputEvent event = FInput.front();
      MSG translated;
      const bool produced = System().Input().Translate(event, translated);
      if (FInput.empty()) return false;
      if (!produced) {
        FInput.pop_front();
        continue;
      }
      FHead = translated;
      FHeadExtraInfo = event.NoTranslate ? NoTranslateExtraInfo : 0;
      FHeadReady = true;
    }
    if (!Matches(FHead, filter, first, last)) return false;
    message = FHead;
    if (remove) {
      FInput.pop_front();
      FHeadReady = false;
      FLastExtraInfo = FHeadExtraInfo;
    }
    return true;
  }
  return false;
}

bool TMessageQueue::TakeTimer(MSG& message, HWND filter, UINT first, UINT last, bool remove) {
  const DWORD now = GetTickCount();
  for (TTimer& timer : FTimers) {
    if (static_cast<int32_t>(now - timer.Due) < 0) continue;
    MSG candidate = Stamped(timer.Window, WM_TIMER, timer.Id, reinterpret_cast<LPARAM>(timer.Proc));
    if (!Matches(candidate, filter, first, last) || (filter && !timer.Window)) continue;
    message = candidate;
    if (remove) timer.Due = now + timer.Elapse;
    return true;
  }
  return false;
}

bool TMessageQueue::Take(MSG& message, HWND filter, UINT first, UINT last, bool remove) {
  if (TakePosted(message, filter, first, last, remove)) return true;
  if (TakeInput(message, filter, first, last, remove)) return true;
  if (FQuit) {
    message = Stamped(nullptr, WM_QUIT, static_cast<WPARAM>(FExitCode), 0);
    if (remove) FQuit = false;
    return true;
  }
  if ((first == 0 && last == 0) || (first <= WM_PAINT && WM_PAINT <= last)) {
    if (TWindow* window = System().FindWindowToPaint(filter)) {
      message = Stamped(window->Handle, WM_PAINT, 0, 0);
      return true;
    }
  }
  System().Tracker().Tick(GetTickCount());
  if (TakePosted(message, filter, first, last, remove)) return true;
  return TakeTimer(message, filter, first, last, remove);
}

UINT_PTR TMessageQueue::SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (!window) id = FNextTimerId++;
  elapse = std::max(elapse, MinimumTimerElapse);
  const DWORD due = GetTickCount() + elapse;
  for (TTimer& timer : FTimers)
    if (timer.Window == window && timer.Id == id) {
      timer = {window, id, elapse, proc, due};
      return id;
    }
  FTimers.push_back({window, id, elapse, proc, due});
  return window && id == 0 ? 1 : id;
}

bool TMessageQueue::KillTimer(HWND window, UINT_PTR id) {
  return std::erase_if(FTimers, [&](const TTimer& t) { return t.Window == window && t.Id == id; }) >
         0;
}

bool TMessageQueue::NextTimerDue(DWORD& due) const {
  bool found = false;
  for (const TTimer& timer : FTimers)
    if (!found || static_cast<int32_t>(timer.Due - due) < 0) {
      due = timer.Due;
      found = true;
    }
  return found;
}

void TMessageQueue::Forget(HWND window) {
  std::erase_if(FPosted, [window](const MSG& m) { return m.hwnd == window; });
  std::erase_if(FTimers, [window](const TTimer& t) { return t.Window == window; });
  if (FHeadReady && FHead.hwnd == window) FHeadReady = false;
}

void TMessageQueue::Clear() {
  FPosted.clear();
  FInput.clear();
  FTimers.clear();
  FQuit = false;
  FHeadReady = false;
  FLastExtraInfo = 0;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TWindow* target = System().Find(window);
  return target ? System().Send(target, message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window && !System().Find(window)) return FALSE;
  System().Queue().Post(Stamped(window, message, wParam, lParam));
  return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
  if (threadId != GetCurrentThreadId()) return FALSE;
  return PostMessage(nullptr, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
  System().Queue().PostQuit(exitCode);
}

namespace {
// Waits for input through the installed source until a timer is due; false without a source.
bool WaitForInput() {
  const TInputWait wait = System().InputWait();
  if (!wait) return false;
  DWORD due = 0;
  int timeout = -1;
  TWindowSystem& system = System();
  if (system.Queue().NextTimerDue(due) || system.Tracker().NextDue(due))
    timeout = std::max(0, static_cast<int>(static_cast<int32_t>(due - GetTickCount())));
  return wait(timeout);
}

void Remember(const MSG& message) {
  System().SetLastMessage(message.time, message.pt);
}
}  // namespace

BOOL GetMessage(MSG* message, HWND window, UINT first, UINT last) {
  if (!message || (window && !System().Find(window))) return -1;
  while (true) {
    if (System().Queue().Take(*message, window, first, last, true)) {
      Remember(*message);
      return message->message == WM_QUIT ? FALSE : TRUE;
    }
    if (!WaitForInput()) {
      *message = Stamped(nullptr, WM_QUIT, 0, 0);
      return FALSE;
    }
  }
}

BOOL PeekMessage(MSG* message, HWND window, UINT first, UINT last, UINT remove) {
  if (!message || (window && !System().Find(window))) return FALSE;
  if (!System().Queue().Take(*message, window, first, last, (remove & PM_REMOVE) != 0))
    return FALSE;
  Remember(*message);
  return TRUE;
}

BOOL WaitMessage() {
  MSG message;
  if (System().Queue().Take(message, nullptr, 0, 0, false)) return TRUE;
  return WaitForInput() ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* message) {
  if (!message || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN))
    return FALSE;
  const TInputRouter& input = System().Input();
  const bool shift = input.KeyState(VK_SHIFT) & 0x80;
  const bool control = input.KeyState(VK_CONTROL) & 0x80;
  const bool caps = input.KeyState(VK_CAPITAL) & 0x01;
  const char32_t character =
      CharacterOfKey(static_cast<int>(message->wParam), shift, control, caps);
  if (!character) return FALSE;
  const bool printable = character >= 0x20 && character != 0x7F;
  if (printable && System().Queue().LastExtraInfo() == TMessageQueue::NoTranslateExtraInfo)
    return FALSE;
  MSG result = *message;
  result.message = message->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  result.wParam = character;
  System().Queue().PostNext(result);
  return TRUE;
}

LRESULT DispatchMessage(const MSG* message) {
  if (!message) return 0;
  if (message->message == WM_TIMER && message->lParam) {
    reinterpret_cast<TIMERPROC>(message->lParam)(message->hwnd, WM_TIMER, message->wParam,
                                                 message->time);
    return 0;
  }
  return SendMessage(message->hwnd, message->message, message->wParam, message->lParam);
}

int DispatchPendingMessages(int limit) {
  MSG message;
  int count = 0;
  while (count < limit && PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
    ++count;
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return count;
}

DWORD GetMessageTime() {
  return System().LastMessageTime();
}

DWORD GetMessagePos() {
  const TPoint pos = System().LastMessagePos();
  return MAKELONG(static_cast<WORD>(pos.X), static_cast<WORD>(pos.Y));
}

LONG_PTR GetMessageExtraInfo() {
  return static_cast<LONG_PTR>(System().Queue().LastExtraInfo());
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (window && !System().Find(window)) return 0;
  return System().Queue().SetTimer(window, id, elapse, proc);
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  return System().Queue().KillTimer(window, id) ? TRUE : FALSE;
}

void SetInputWait(TInputWait wait) {
  System().SetInputWait(wait);
}
