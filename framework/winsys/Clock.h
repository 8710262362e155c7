#pragma once

#include <chrono>

#include "types/WinTypes.h"

// The window system's millisecond clock: real time by default, or a manual clock that only
// moves when told to, so that tests decide what time it is.
class TClock {
 public:
  TClock() : FStart(std::chrono::steady_clock::now()) {}

  DWORD Now() const;
  // Switches to the manual clock, reading start from now on.
  void SetManual(DWORD start);
  void Advance(DWORD milliseconds);
  void UseRealTime();
  bool IsManual() const { return FManual; }

 private:
  std::chrono::steady_clock::time_point FStart;
  bool FManual = false;
  DWORD FManualNow = 0;
};

// Milliseconds since the window system started (or the manual clock's time).
DWORD GetTickCount();
