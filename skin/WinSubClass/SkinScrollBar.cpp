#include "skin/WinSubClass/SkinScrollBar.h"

#include <windowsx.h>

#include "skin/WinSkinData/SkinData.h"
#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/draw/Frames.h"
#include "skin/manager/SkinManage.h"
#include "ui/FlagScope.h"

namespace skin {

namespace {

constexpr int kFarAway = 10000;

using ui::FlagScope;

int PressedPartFor(WORD code, bool horizontal) {
  switch (code) {
    case SB_LINEUP: return horizontal ? spLeftArrow : spUpArrow;
    case SB_LINEDOWN: return horizontal ? spRightArrow : spDownArrow;
    case SB_THUMBTRACK: return horizontal ? spHorzThumb : spVertThumb;
    default: return spNone;
  }
}

}  // namespace

TSkinScrollBar::TSkinScrollBar(TWinSkinForm* owner) : TSkinControl(owner) { ResetScrollState(false); }

TSkinScrollBar::~TSkinScrollBar() { *alive_ = false; }

void TSkinScrollBar::ResetScrollState(bool dragThumb) {
  Dragging = InHScroll = InVScroll = false;
  HorzInfo.cbSize = VertInfo.cbSize = sizeof(SCROLLINFO);
  HorzMetrics.StyleBit = WS_HSCROLL;
  VertMetrics.StyleBit = WS_VSCROLL;
  DragThumb = dragThumb;
}

bool TSkinScrollBar::AttachScroll(ui::TWinControl* control, TSkinSet* skinData, bool dragThumb,
                                  ui::TCanvas* canvas) {
  if (!TSkinControl::Attach(control, skinData, false, canvas)) return false;
  ResetScrollState(dragThumb);
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

bool TSkinScrollBar::AttachScrollWindow(HWND wnd, TSkinSet* skinData, bool dragThumb, ui::TCanvas* canvas) {
  if (!TSkinControl::AttachWindow(wnd, skinData, canvas)) return false;
  ResetScrollState(dragThumb);
  SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

// --- Messages --------------------------------------------------------------------

bool TSkinScrollBar::BeforeDefault(ui::TMessage& message) {
  if (message.Msg == ScrollBarRedrawRequest() && message.Msg != 0) {
    redrawPosted_ = false;
    Redraw();
    message.Result = 0;
    return false;
  }
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      CallDefault(message);
      return false;
    case WM_NCMOUSEMOVE:
      // The system would show its own bars' hover look over the skin.
      if (message.WParam != HTHSCROLL && message.WParam != HTVSCROLL) return true;
      message.Result = 0;
      return false;
    case WM_NCLBUTTONDOWN:
      if (!DragThumb || !TrackClick(message)) return true;
      message.Result = 0;
      return false;
    case WM_HSCROLL:
      Scrolled(message, true);
      return false;
    case WM_VSCROLL:
      Scrolled(message, false);
      return false;
    default:
      return true;
  }
}

void TSkinScrollBar::AfterDefault(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_PRINT:
      Redraw();
      break;
    case WM_NCLBUTTONDOWN:
      // The system's tracking of an arrow or the track has ended.
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) Redraw();
      break;
    default:
      TSkinControl::AfterDefault(message);
      break;
  }
}

void TSkinScrollBar::Scrolled(ui::TMessage& message, bool horizontal) {
  PressedPart = PressedPartFor(LOWORD(message.WParam), horizontal);
  {
    FlagScope scrolling(horizontal ? InHScroll : InVScroll);
    CallDefault(message);
    Redraw();
  }
  if (!Dragging) PostRedraw();
}

void TSkinScrollBar::PostRedraw() {
  if (redrawPosted_ || !ScrollBarRedrawRequest()) return;
  redrawPosted_ = PostMessageW(Handle, ScrollBarRedrawRequest(), 0, 0) != FALSE;
}

// --- Geometry --------------------------------------------------------------------

void TSkinScrollBar::CalcBarRects(const RECT& window) {
  const int arrow = SystemMetric(SM_CXHSCROLL);
  RECT client{};
  GetClientRect(Handle, &client);
  const TBarRects bars = BarRects(window, client, (Style & WS_HSCROLL) != 0, (Style & WS_VSCROLL) != 0, arrow);
  HorzBarRect = bars.Horz;
  VertBarRect = bars.Vert;
  CornerRect = bars.Corner;
  HorzMetrics.ArrowSize = VertMetrics.ArrowSize = arrow;
}

void TSkinScrollBar::CalcThumb(const RECT& bar, bool horizontal) {
  if (Dragging) return;
  const int arrow = SystemMetric(SM_CXHSCROLL);
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(Handle, horizontal ? SB_HORZ : SB_VERT, &info)) return;
  TScrollMetrics& m = horizontal ? HorzMetrics : VertMetrics;
  const int length = horizontal ? RectWidth(bar) : RectHeight(bar);
  if (!ThumbFromInfo(info, length, arrow, MinThumbLength(WinVersion, arrow), SystemMetric(SM_CXHTHUMB), m))
    return;
  SCROLLINFO& kept = horizontal ? HorzInfo : VertInfo;
  kept.nMin = info.nMin;
  kept.nMax = info.nMax;
  kept.nPage = info.nPage;
  kept.nPos = info.nPos;
  kept.nTrackPos = info.nTrackPos;
}

int TSkinScrollBar::HitTestBar(int coordinate, bool horizontal) const {
  return skin::HitTestBar(coordinate, horizontal ? HorzMetrics : VertMetrics);
}

// --- Painting --------------------------------------------------------------------

void TSkinScrollBar::PaintSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !HasScrollBarImage(*SkinData)) return;
  Style = DWORD(GetWindowLongPtrW(Handle, GWL_STYLE));
  // A bar the system is adding or taking away while it scrolls is drawn still.
  if (InVScroll) Style |= WS_VSCROLL;
  if (InHScroll) Style |= WS_HSCROLL;
  if (!(Style & (WS_HSCROLL | WS_VSCROLL)) || rect.top > kFarAway || rect.left > kFarAway) return;
  CalcBarRects(rect);
  if (!IsEmptyArea(HorzBarRect)) DrawBar(dc, HorzBarRect, true);
  if (!IsEmptyArea(VertBarRect)) DrawBar(dc, VertBarRect, false);
  if (!IsEmptyArea(CornerRect)) FillFace(dc, CornerRect);
}

void TSkinScrollBar::DrawBar(HDC dc, const RECT& bar, bool horizontal) {
  CalcThumb(bar, horizontal);
  DrawScrollBarImage(dc, bar, horizontal, horizontal ? HorzMetrics : VertMetrics, PressedPart, *SkinData);
}

// --- The thumb -------------------------------------------------------------------

bool TSkinScrollBar::TrackClick(ui::TMessage& message) {
  if (message.WParam != HTHSCROLL && message.WParam != HTVSCROLL) return false;
  POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  ScreenToClient(Handle, &p);
  const bool horizontal = message.WParam == HTHSCROLL;
  const int code = HitTestBar(horizontal ? p.x : p.y, horizontal);
  PressedPart = horizontal ? spHorzThumb : spVertThumb;
  if (code != SB_THUMBTRACK) return false;  // the system's arrows and pages follow
  Redraw();
  TrackThumb(horizontal, horizontal ? WM_HSCROLL : WM_VSCROLL);
  return true;
}

}  // namespace skin
