#include "ui/Screen.h"

#include <algorithm>

namespace ui {

TScreen* Screen = nullptr;

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  if (cursor == crDefault) {
    // Let the window under the mouse choose its own cursor again.
    POINT p;
    GetCursorPos(&p);
    HWND wnd = WindowFromPoint(p);
    if (wnd && GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId()) {
      const LRESULT hit = SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(WORD(short(p.x)), WORD(short(p.y))));
      SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(WORD(hit), WM_MOUSEMOVE));
      return;
    }
  }
  ::SetCursor(CursorHandle(cursor));
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::AddForm(TForm* form) {
  if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
}

}  // namespace ui
