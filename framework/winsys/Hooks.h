#pragma once

#include <memory>
#include <vector>

#include "types/WinTypes.h"

// Hook kinds and codes.
enum : int { WH_KEYBOARD = 2, WH_MOUSE = 7 };
enum : int { HC_ACTION = 0, HC_NOREMOVE = 3 };

// The hook chains of the (single) thread: each event passes the most recently installed hook
// first; a hook passes it on with CallNextHookEx or swallows it by returning non-zero.
class THookChain {
 public:
  HHOOK Add(int kind, HOOKPROC proc);
  bool Remove(HHOOK hook);
  bool HasHooks(int kind) const;
  // Runs the chain of kind; the answer of the first hook (0 when there is none).
  LRESULT Call(int kind, int code, WPARAM wParam, LPARAM lParam);
  // Passes an event on from inside a hook procedure.
  LRESULT CallNext(int code, WPARAM wParam, LPARAM lParam);
  void Clear();

 private:
  struct THook {
    HHOOK Handle;
    int Kind;
    HOOKPROC Proc;
    bool Removed = false;
  };
  LRESULT CallFrom(size_t index, int kind, int code, WPARAM wParam, LPARAM lParam);

  std::vector<std::shared_ptr<THook>> FHooks;  // most recent first
  struct TFrame {
    int Kind;
    size_t Index;
    bool CurrentRemoved = false;  // the running hook unhooked itself; Index is the next one
  };
  std::vector<TFrame> FStack;  // chains being run, innermost last
  uintptr_t FNextHandle = 0x4000;
};

// Installs a hook procedure for this thread. Only WH_MOUSE and WH_KEYBOARD exist; threadId
// must be 0 or GetCurrentThreadId(). Null on failure.
HHOOK SetWindowsHookEx(int kind, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
DWORD GetCurrentThreadId();
