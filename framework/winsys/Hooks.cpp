#include "winsys/Hooks.h"

#include <algorithm>

#include "winsys/WindowSystem.h"

namespace {
constexpr DWORD ThreadId = 1;
}

HHOOK THookChain::Add(int kind, HOOKPROC proc) {
  auto hook = std::make_shared<THook>(THook{reinterpret_cast<HHOOK>(FNextHandle++), kind, proc});
  FHooks.insert(FHooks.begin(), hook);
  // Chains being run keep their place.
  for (TFrame& frame : FStack)
    ++frame.Index;
  return hook->Handle;
}

bool THookChain::Remove(HHOOK handle) {
  auto found = std::find_if(FHooks.begin(), FHooks.end(),
                            [handle](const auto& h) { return h->Handle == handle; });
  if (found == FHooks.end()) return false;
  const size_t index = static_cast<size_t>(found - FHooks.begin());
  (*found)->Removed = true;
  FHooks.erase(found);
  for (TFrame& frame : FStack) {
    if (frame.Index > index)
      --frame.Index;
    else if (frame.Index == index)
      frame.CurrentRemoved = true;
  }
  return true;
}

bool THookChain::HasHooks(int kind) const {
  return std::any_of(FHooks.begin(), FHooks.end(),
                     [kind](const auto& h) { return h->Kind == kind; });
}

LRESULT THookChain::Call(int kind, int code, WPARAM wParam, LPARAM lParam) {
  return CallFrom(0, kind, code, wParam, lParam);
}

LRESULT THookChain::CallNext(int code, WPARAM wParam, LPARAM lParam) {
  if (FStack.empty()) return 0;
  const TFrame frame = FStack.back();
  return CallFrom(frame.CurrentRemoved ? frame.Index : frame.Index + 1, frame.Kind, code, wParam,
                  lParam);
}

LRESULT THookChain::CallFrom(size_t index, int kind, int code, WPARAM wParam, LPARAM lParam) {
  while (index < FHooks.size() && FHooks[index]->Kind != kind)
    ++index;
  if (index >= FHooks.size()) return 0;
  const std::shared_ptr<THook> hook = FHooks[index];
  FStack.push_back({kind, index, false});
  struct TPop {
    std::vector<TFrame>& Stack;
    ~TPop() { Stack.pop_back(); }
  } pop{FStack};
  return hook->Proc(code, wParam, lParam);
}

void THookChain::Clear() {
  FHooks.clear();
  FStack.clear();
}

HHOOK SetWindowsHookEx(int kind, HOOKPROC proc, HINSTANCE, DWORD threadId) {
  if (!proc || (kind != WH_MOUSE && kind != WH_KEYBOARD) || (threadId != 0 && threadId != ThreadId))
    return nullptr;
  return TWindowSystem::Instance().Hooks().Add(kind, proc);
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
  return TWindowSystem::Instance().Hooks().Remove(hook) ? TRUE : FALSE;
}

LRESULT CallNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam) {
  return TWindowSystem::Instance().Hooks().CallNext(code, wParam, lParam);
}

DWORD GetCurrentThreadId() {
  return ThreadId;
}
