#include "skin/WinSubClass/SkinScControl.h"

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/draw/Frames.h"
#include "skin/manager/SkinManage.h"
#include "ui/ScrollBar.h"

namespace skin {

bool TSkinScControl::BeforeDefault(ui::TMessage& message) {
  if (message.Msg == ScrollBarRedrawRequest() && message.Msg != 0) {
    redrawPosted_ = false;
    Redraw();
    message.Result = 0;
    return false;
  }
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (message.WParam != HTHSCROLL && message.WParam != HTVSCROLL) return true;
      message.Result = 0;
      return false;
    case ui::CN_HSCROLL:
    case ui::CN_VSCROLL:
      // The pressed part is known before the control acts on the message:
      // a handler that repaints the bar shows it.
      NotePressedPart(message.WParam, message.Msg == ui::CN_HSCROLL);
      CallDefault(message);
      ShowScrolled();
      return false;
    default:
      return true;
  }
}

void TSkinScControl::ScrollReported(WPARAM code, bool horizontal) {
  NotePressedPart(code, horizontal);
  ShowScrolled();
}

void TSkinScControl::NotePressedPart(WPARAM code, bool horizontal) {
  switch (LOWORD(code)) {
    case SB_LINEUP: PressedPart = horizontal ? spLeftArrow : spUpArrow; break;
    case SB_LINEDOWN: PressedPart = horizontal ? spRightArrow : spDownArrow; break;
    case SB_THUMBTRACK: PressedPart = horizontal ? spHorzThumb : spVertThumb; break;
    default: PressedPart = spNone; break;
  }
}

void TSkinScControl::ShowScrolled() {
  Redraw();
  // The system's tracking may paint its own bar right after this message.
  if (!redrawPosted_) redrawPosted_ = PostMessageW(Handle, ScrollBarRedrawRequest(), 0, 0) != FALSE;
}

void TSkinScControl::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    // The system may paint its own bar on the mouse's way over it (a hot
    // arrow), on its press and release: the skin goes over it again.
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      Redraw();
      break;
    // A new range or position the caller wants shown: the system has drawn
    // its own bar straight onto the window.
    case SBM_SETPOS:
      if (message.LParam) Redraw();
      break;
    case SBM_SETSCROLLINFO:
      if (message.WParam) Redraw();
      break;
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
      Redraw();
      break;
    default:
      TSkinControl::AfterDefault(message);
      break;
  }
}

bool TSkinScControl::ReadBar(const RECT& rect, bool& horizontal) {
  int min = 0, max = 0, page = 0, position = 0;
  if (auto* bar = dynamic_cast<ui::TScrollBar*>(Control)) {
    horizontal = bar->Kind() != ui::sbVertical;
    min = bar->Min();
    max = bar->Max();
    page = bar->PageSize();
    position = bar->Position();
  } else {
    horizontal = (GetWindowLongPtrW(Handle, GWL_STYLE) & SBS_VERT) == 0;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(Handle, SB_CTL, &info)) return false;
    min = info.nMin;
    max = info.nMax;
    page = int(info.nPage);
    position = info.nPos;
  }
  const int arrow = SystemMetric(SM_CXHSCROLL);
  TScrollMetrics m;
  m.ArrowSize = arrow;
  m.TrackLength = TrackLength;
  m.ThumbLength = ThumbLength;
  m.ThumbOffset = ThumbOffset;
  const int length = horizontal ? RectWidth(rect) : RectHeight(rect);
  // An unusable range keeps the thumb where it was.
  if (ThumbFromControl(min, max, page, position, length, arrow, MinThumbLength(WinVersion, arrow),
                       SystemMetric(SM_CXHTHUMB), m)) {
    TrackLength = m.TrackLength;
    ThumbLength = m.ThumbLength;
    ThumbOffset = m.ThumbOffset;
  }
  return true;
}

void TSkinScControl::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !HasScrollBarImage(*SkinData)) return;
  bool horizontal = true;
  if (!ReadBar(rect, horizontal)) return;
  TScrollMetrics m;
  m.ArrowSize = SystemMetric(SM_CXHSCROLL);
  m.TrackLength = TrackLength;
  m.ThumbLength = ThumbLength;
  m.ThumbOffset = ThumbOffset;
  DrawScrollBarImage(dc, rect, horizontal, m, PressedPart, *SkinData);
}

}  // namespace skin
