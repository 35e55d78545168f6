#include "ui/ScrollBar.h"

#include <algorithm>

#include "ui/FormParser.h"
#include "ui/FormReader.h"

namespace ui {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  StoreBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  TabStop = true;
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  if (!InState(csLoading)) SetBounds(Left(), Top(), Height(), Width());  // turned on its side
  if (HandleAllocated()) {
    DestroyHandle();
    HandleNeeded();
  }
}

void TScrollBar::SetPageSize(int value) {
  pageSize_ = std::max(0, value);
  SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  const bool changed = std::clamp(position, min_, MaxPosition()) != position_;
  position_ = std::clamp(position, min_, MaxPosition());
  ShowInfo();
  if (changed && OnChange && !InState(csLoading)) OnChange(this);
}

void TScrollBar::ShowInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = min_;
  info.nMax = max_;
  info.nPage = UINT(pageSize_);
  info.nPos = position_;
  // Without redrawing the bar straight onto the screen: a paint follows, which
  // whoever draws the bar (the system, or a skin over it) takes part in.
  SetScrollInfo(Handle(), SB_CTL, &info, FALSE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = L"SCROLLBAR";
  params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  ShowInfo();
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    Scrolled(LOWORD(m.WParam));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

void TScrollBar::Scrolled(WORD code) {
  int pos = position_;
  TScrollCode scrollCode = scEndScroll;
  switch (code) {
    case SB_LINEUP: scrollCode = scLineUp; pos -= SmallChange; break;
    case SB_LINEDOWN: scrollCode = scLineDown; pos += SmallChange; break;
    case SB_PAGEUP: scrollCode = scPageUp; pos -= LargeChange; break;
    case SB_PAGEDOWN: scrollCode = scPageDown; pos += LargeChange; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The 32-bit track position (the message carries only 16 bits).
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(Handle(), SB_CTL, &info)) pos = info.nTrackPos;
      scrollCode = code == SB_THUMBTRACK ? scTrack : scPosition;
      break;
    }
    case SB_TOP: scrollCode = scTop; pos = min_; break;
    case SB_BOTTOM: scrollCode = scBottom; pos = max_; break;
    default: break;
  }
  if (OnScroll) OnScroll(this, scrollCode, pos);
  if (scrollCode != scEndScroll) SetPosition(pos);
}

bool TScrollBar::SetProperty(std::string_view name, const TPropertyValue& value, TReader& reader) {
  if (name == "Kind") SetKind(value.AsEnum<TScrollBarKind>({{"sbHorizontal", sbHorizontal}, {"sbVertical", sbVertical}}));
  else if (name == "Min") SetMin(value.AsInt());
  else if (name == "Max") SetMax(value.AsInt());
  else if (name == "PageSize") SetPageSize(value.AsInt());
  else if (name == "Position") SetPosition(value.AsInt());
  else if (name == "SmallChange") SmallChange = value.AsInt();
  else if (name == "LargeChange") LargeChange = value.AsInt();
  else if (name == "OnScroll") OnScroll = reader.FindEvent<TScrollEvent>(value);
  else if (name == "OnChange") OnChange = reader.FindEvent<TNotifyEvent>(value);
  else return TWinControl::SetProperty(name, value, reader);
  return true;
}

}  // namespace ui
