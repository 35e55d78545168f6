#include "skin/WinSubClass/BorderBlit.h"

namespace skin {

TBorderCanvas::TBorderCanvas(const RECT& size) : drawn_(CreateRectRgn(0, 0, 0, 0)) {
  const int width = size.right - size.left, height = size.bottom - size.top;
  if (width <= 0 || height <= 0 || !drawn_) return;
  bitmap_.SetSize(width, height);
  ok_ = !bitmap_.Empty() && bitmap_.Canvas().Handle();
}

void TBorderCanvas::Drawn(const RECT& area) {
  if (!ok_ || area.right <= area.left || area.bottom <= area.top) return;
  ui::RegionHandle part(CreateRectRgnIndirect(&area));
  if (part) CombineRgn(drawn_.Get(), drawn_.Get(), part.Get(), RGN_OR);
}

void TBorderCanvas::DrawnRing(const RECT& outer, int thickness) {
  if (!ok_ || thickness <= 0) return;
  ui::RegionHandle ring(CreateRectRgnIndirect(&outer));
  RECT inner = outer;
  InflateRect(&inner, -thickness, -thickness);
  if (inner.right > inner.left && inner.bottom > inner.top) {
    ui::RegionHandle hole(CreateRectRgnIndirect(&inner));
    if (hole) CombineRgn(ring.Get(), ring.Get(), hole.Get(), RGN_DIFF);
  }
  if (ring) CombineRgn(drawn_.Get(), drawn_.Get(), ring.Get(), RGN_OR);
}

void TBorderCanvas::PutOn(HDC dc, int x, int y) {
  if (!ok_) return;
  ui::RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  if (!clip) return;
  CombineRgn(clip.Get(), drawn_.Get(), nullptr, RGN_COPY);
  OffsetRgn(clip.Get(), x, y);
  ui::SavedDC saved(dc);
  // A DC without a clip region of its own takes this one as it is.
  ui::RegionHandle current(CreateRectRgn(0, 0, 0, 0));
  const bool clipped = current && GetClipRgn(dc, current.Get()) == 1;
  ExtSelectClipRgn(dc, clip.Get(), clipped ? RGN_AND : RGN_COPY);
  BitBlt(dc, x, y, bitmap_.Width(), bitmap_.Height(), bitmap_.Canvas().Handle(), 0, 0, SRCCOPY);
}

HBRUSH RingBrush(HDC dc) {
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  LOGBRUSH info{};
  if (!brush || !GetObjectW(brush, sizeof(info), &info) || info.lbStyle == BS_NULL) return GetSysColorBrush(COLOR_WINDOW);
  return brush;
}

}  // namespace skin
