#pragma once

#include <memory>

#include "controls/Control.h"

// A reference to a control that turns null once the control is destroyed. Code that calls out
// to user handlers (events, messages) keeps one to learn afterwards whether the control still
// exists before it touches it again; the framework keeps them where it remembers a control
// without owning it (the control under the mouse, the hint's control).
template <typename T = TControl>
class TControlRef {
 public:
  TControlRef() = default;
  TControlRef(T* control) {
    if (control) FCell = control->GetLifeCell();
  }

  T* Get() const { return FCell && *FCell ? static_cast<T*>(*FCell) : nullptr; }
  T* operator->() const { return Get(); }
  explicit operator bool() const { return Get() != nullptr; }
  bool operator==(const T* other) const { return Get() == other; }
  void Reset() { FCell.reset(); }

 private:
  std::shared_ptr<TControl*> FCell;
};
