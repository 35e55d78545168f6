// Moving the real mouse pointer in GUI tests. Under Wine on Xvfb the pointer
// position is reported back a little late, and an older position may still
// turn up after the new one has been seen once.
#pragma once

#include <windows.h>

namespace test_support {

// Puts the pointer at `p` (screen coordinates) and waits until the display
// has reported that position several times running.
inline void SettleCursor(POINT p) {
  int held = 0;
  for (int attempt = 0; attempt < 60 && held < 3; ++attempt) {
    POINT now{};
    GetCursorPos(&now);
    if (now.x != p.x || now.y != p.y) {
      SetCursorPos(p.x, p.y);
      held = 0;
    } else {
      ++held;
    }
    Sleep(10);
    MSG m;
    PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE);
  }
}

}  // namespace test_support
