// Message pumping for the window tests: everything queued now, until a
// condition holds (with a time limit), or for a while. Waiting is done in
// the message wait, never by spinning.
#pragma once

#include <windows.h>

namespace test_support {

inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Handles messages until `done` holds or `timeoutMs` has passed; returns done().
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Pump();
    if (!done()) MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  return true;
}

inline void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace test_support
