#include "controls/ObjectInstance.h"

#include <array>
#include <utility>

#include "controls/Application.h"
#include "core/Exception.h"

namespace {
constexpr size_t SlotCount = 512;

struct TSlot {
  TWndMethod Method;
  bool Used = false;
};

std::array<TSlot, SlotCount>& Slots() {
  static std::array<TSlot, SlotCount> slots;
  return slots;
}

template <size_t Index>
LRESULT SlotProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A copy: the method may free its own slot while it runs.
  const TWndMethod method = Slots()[Index].Method;
  TMessage message{msg, wParam, lParam, 0};
  if (!method) return 0;
  try {
    method(message);
  } catch (...) {
    Application->HandleException(method.GetMethod().Data);
  }
  return message.Result;
}

template <size_t... Index>
constexpr std::array<WNDPROC, sizeof...(Index)> MakeProcTable(std::index_sequence<Index...>) {
  return {&SlotProc<Index>...};
}

constexpr std::array<WNDPROC, SlotCount> Procs =
    MakeProcTable(std::make_index_sequence<SlotCount>{});
}  // namespace

WNDPROC MakeObjectInstance(TWndMethod method) {
  auto& slots = Slots();
  for (size_t i = 0; i < SlotCount; ++i)
    if (!slots[i].Used) {
      slots[i] = {method, true};
      return Procs[i];
    }
  throw EInvalidOperation("Too many window procedures bound to methods");
}

void FreeObjectInstance(WNDPROC proc) {
  for (size_t i = 0; i < SlotCount; ++i)
    if (Procs[i] == proc) {
      Slots()[i] = TSlot();
      return;
    }
}
