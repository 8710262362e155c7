#pragma once

#include <deque>
#include <vector>

#include "winsys/Input.h"
#include "winsys/Messages.h"

// The message queue of the (single) thread: posted messages, raw input, timers, the quit
// request, and the WM_PAINT messages the window system makes up for invalid windows. Handed
// out in the platform's order: posted messages, input, quit, paint, timers.
class TMessageQueue {
 public:
  void Post(const MSG& message) { FPosted.push_back(message); }
  // Queues message to be handed out next (characters translated from a key).
  void PostNext(const MSG& message) { FPosted.push_front(message); }
  // Queues raw input; consecutive mouse moves merge as the platform's do.
  void PostInput(const TInputEvent& event);
  void PostQuit(int exitCode);

  // The next message for window filter (null: any) in the range [first, last] (both 0: any).
  // remove false leaves it queued. False when there is none.
  bool Take(MSG& message, HWND filter, UINT first, UINT last, bool remove);
  // The extra information of the last input message handed out; key events whose characters
  // come separately carry NoTranslateExtraInfo, which TranslateMessage respects.
  ULONG_PTR LastExtraInfo() const { return FLastExtraInfo; }
  static constexpr ULONG_PTR NoTranslateExtraInfo = 0x564D0001;

  UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC proc);
  bool KillTimer(HWND window, UINT_PTR id);
  // The time the next timer is due, or false when there is none.
  bool NextTimerDue(DWORD& due) const;
  // Forgets everything addressed to window.
  void Forget(HWND window);
  void Clear();

 private:
  bool Matches(const MSG& message, HWND filter, UINT first, UINT last) const;
  bool TakePosted(MSG& message, HWND filter, UINT first, UINT last, bool remove);
  bool TakeInput(MSG& message, HWND filter, UINT first, UINT last, bool remove);
  bool TakeTimer(MSG& message, HWND filter, UINT first, UINT last, bool remove);

  struct TTimer {
    HWND Window;
    UINT_PTR Id;
    UINT Elapse;
    TIMERPROC Proc;
    DWORD Due;
  };
  std::deque<MSG> FPosted;
  std::deque<TInputEvent> FInput;
  std::vector<TTimer> FTimers;
  MSG FHead;  // the first input event, once translated
  bool FHeadReady = false;
  ULONG_PTR FHeadExtraInfo = 0;
  ULONG_PTR FLastExtraInfo = 0;
  bool FQuit = false;
  int FExitCode = 0;
  UINT_PTR FNextTimerId = 1;
};
