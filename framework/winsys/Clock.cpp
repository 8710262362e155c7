#include "winsys/Clock.h"

#include "winsys/WindowSystem.h"

DWORD TClock::Now() const {
  if (FManual) return FManualNow;
  const auto elapsed = std::chrono::steady_clock::now() - FStart;
  return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void TClock::SetManual(DWORD start) {
  FManual = true;
  FManualNow = start;
}

void TClock::Advance(DWORD milliseconds) {
  if (FManual) FManualNow += milliseconds;
}

void TClock::UseRealTime() {
  FManual = false;
}

DWORD GetTickCount() {
  return TWindowSystem::Instance().Clock().Now();
}
