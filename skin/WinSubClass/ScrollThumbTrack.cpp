// TSkinScrollBar's own thumb drag: a message loop on the GUI thread that
// runs from the press on the thumb until the release. It holds the mouse
// (so the release comes back here wherever it happens), sleeps while nothing
// happens, and ends as well when the mouse is taken away, the window goes,
// the companion goes, or the program is told to quit.
#include <algorithm>
#include <memory>

#include "skin/WinSubClass/SkinScrollBar.h"

namespace skin {

namespace {

// Waits for the next message of the thread (sent, posted or input).
void WaitForMessage() { MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE); }

bool IsMouseMove(UINT msg) { return msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE; }
bool IsRelease(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP; }

}  // namespace

void TSkinScrollBar::TrackThumb(bool horizontal, UINT scrollMessage) {
  const std::shared_ptr<bool> alive = alive_;
  const HWND wnd = Handle;
  const int bar = horizontal ? SB_HORZ : SB_VERT;
  POINT start{};
  GetCursorPos(&start);
  const int startOffset = (horizontal ? HorzMetrics : VertMetrics).ThumbOffset;
  int lastPos = (horizontal ? HorzInfo : VertInfo).nPos;
  int pos = lastPos;

  Dragging = true;
  SetCapture(wnd);
  bool quit = false;
  WPARAM quitCode = 0;
  // Anything that takes the mouse (another window, the system) ends the drag.
  while (*alive && Dragging && IsWindow(wnd) && GetCapture() == wnd) {
    MSG msg{};
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitForMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      quit = true;
      quitCode = msg.wParam;
      break;
    }
    if (IsRelease(msg.message)) break;  // not passed on: the press was never the control's
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (!IsMouseMove(msg.message) || !*alive || !IsWindow(wnd)) continue;

    SCROLLINFO& info = horizontal ? HorzInfo : VertInfo;
    TScrollMetrics& m = horizontal ? HorzMetrics : VertMetrics;
    POINT cursor{};
    GetCursorPos(&cursor);
    int offset = startOffset + (horizontal ? cursor.x - start.x : cursor.y - start.y);
    pos = DragPosition(offset, info, m);
    if (pos != lastPos) {
      info.fMask = SIF_POS;
      info.nPos = info.nTrackPos = pos;
      m.ThumbOffset = std::min(offset, std::max(0, m.TrackLength - m.ThumbLength));
      SetScrollInfo(wnd, bar, &info, FALSE);
      // The control scrolls and repaints the bar with the thumb where it is now.
      SendMessageW(wnd, scrollMessage, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
    }
    lastPos = pos;
  }
  if (*alive) Dragging = false;
  if (GetCapture() == wnd) ReleaseCapture();
  if (*alive && IsWindow(wnd)) EndDrag(scrollMessage, pos);
  if (quit) PostQuitMessage(int(quitCode));  // for the loop that waits for it
}

void TSkinScrollBar::EndDrag(UINT scrollMessage, int pos) {
  SendMessageW(Handle, scrollMessage, MAKEWPARAM(SB_THUMBPOSITION, pos), 0);
  PostMessageW(Handle, scrollMessage, SB_ENDSCROLL, 0);
}

}  // namespace skin
