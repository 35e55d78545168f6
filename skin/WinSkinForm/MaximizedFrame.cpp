// TWinSkinForm: where a maximised window goes. The system puts its own border
// thickness off the work area; a skinned window must show its whole title bar
// (caption buttons included) at the top of the work area and put exactly the
// skin's side and bottom borders off it. A maximised MDI child keeps the
// system's frame (the MDI client hides it), so it keeps the system's place.
#include <algorithm>

#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/draw/Frames.h"

namespace skin {

namespace {

// The skin's maximised place on a work area: the title bar at its top, the
// side and bottom borders just off it.
RECT MaximizedOnWork(const TWinSkinForm& form, const RECT& work) {
  return RECT{work.left - form.BorderLeft, work.top, work.right + form.BorderRight, work.bottom + form.BorderBottom};
}

}  // namespace

bool TWinSkinForm::SkinFrameMaximizes() const {
  const bool frameRunning = SkinState == ssRunning || SkinState == ssReskinning || SkinState == ssFirstSizing;
  return frameRunning && FormKind != fkMdiChild && BorderKind != bkNone && WndProcStub.Attached();
}

bool TWinSkinForm::SkinMaximizedRect(RECT& rect) const {
  RECT monitor{}, work{};
  if (!SkinFrameMaximizes() || !TScreenMetrics::AskMonitorAreas(Handle, monitor, work)) return false;
  rect = MaximizedOnWork(*this, work);
  return true;
}

void TWinSkinForm::HandleGetMinMaxInfo(ui::TMessage& message) {
  CallOld(message);
  UpdateWindowState();
  SetButtonStyles(WindowState == wsMinimized);
  auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
  // Every size change asks: the metrics and the monitor's areas are the kept ones.
  info->ptMaxTrackSize = POINT{SystemMetric(SM_CXMAXIMIZED), SystemMetric(SM_CYMAXIMIZED)};
  RECT monitor{}, work{};
  if (!SkinFrameMaximizes() || !ScreenMetrics.MonitorAreas(Handle, monitor, work, FormKind != fkMdiChild)) return;
  const RECT rect = MaximizedOnWork(*this, work);
  // The maximised position is relative to the monitor's origin.
  info->ptMaxPosition = POINT{rect.left - monitor.left, rect.top - monitor.top};
  info->ptMaxSize = POINT{RectWidth(rect), RectHeight(rect)};
  // The system keeps a maximised window within the tracking size.
  info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, info->ptMaxSize.x);
  info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, info->ptMaxSize.y);
}

void TWinSkinForm::PlaceMaximized() {
  RECT rect{};
  if (!SkinMaximizedRect(rect)) {
    ForceFrameChange();
    return;
  }
  SetWindowPos(Handle, nullptr, rect.left, rect.top, RectWidth(rect), RectHeight(rect),
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Back to the system's own maximised place once the skin frame is off: the
// work area with the system's border around it (the caption stays on it),
// offered to the window's own procedure as the system offers it.
void TWinSkinForm::PlaceSystemMaximized() {
  RECT monitor{}, work{};
  if (!TScreenMetrics::AskMonitorAreas(Handle, monitor, work)) {
    ForceFrameChange();
    return;
  }
  const DWORD style = DWORD(GetWindowLongPtrW(Handle, GWL_STYLE));
  const DWORD exStyle = DWORD(GetWindowLongPtrW(Handle, GWL_EXSTYLE));
  // Without the caption's own thin border only the frame is added around the work area.
  const DWORD borderStyle = (style & WS_CAPTION) == WS_CAPTION ? style & ~DWORD(WS_BORDER) : style;
  RECT outer = work;
  AdjustWindowRectEx(&outer, borderStyle, FALSE, exStyle);
  MINMAXINFO info{};
  info.ptMaxSize = POINT{RectWidth(outer), RectHeight(outer)};
  info.ptMaxPosition = POINT{outer.left - monitor.left, outer.top - monitor.top};
  info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageW(Handle, WM_GETMINMAXINFO, 0, LPARAM(&info));
  SetWindowPos(Handle, nullptr, monitor.left + info.ptMaxPosition.x, monitor.top + info.ptMaxPosition.y,
               info.ptMaxSize.x, info.ptMaxSize.y, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace skin
