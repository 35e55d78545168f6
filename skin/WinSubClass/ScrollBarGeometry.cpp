#include "skin/WinSubClass/ScrollBarGeometry.h"

#include <algorithm>

namespace skin {

namespace {

// Length and offset of the thumb on a track, from its wanted length, whether
// the page covers the whole range, and the position as a part of `steps`.
void PlaceThumb(int trackLength, int thumbLength, bool fullPage, int fromStart, int steps, TScrollMetrics& m) {
  int length = thumbLength;
  if (length >= trackLength) length = trackLength;
  int offset = 0;
  if (fullPage) {
    length -= 1;  // a thumb that fills its track leaves one pixel
  } else {
    offset = ScaleBy(fromStart, trackLength - length, steps);
  }
  // The thumb never leaves its track, whatever the control reports.
  offset = std::clamp(offset, 0, std::max(0, trackLength - length));
  m.TrackLength = trackLength;
  m.ThumbLength = length;
  m.ThumbOffset = offset;
}

}  // namespace

int ScaleBy(int a, int b, int c) {
  if (c == 0) return 0;
  return MulDiv(a, b, c);
}

TBarRects BarRects(const RECT& w, const RECT& c, bool horz, bool vert, int a) {
  int e = 0;
  if (vert) e = (w.right - c.right - a) / 2;
  else if (horz) e = (w.bottom - c.bottom - a) / 2;
  TBarRects bars;
  // The vertical bar starts below the top border, as the horizontal one
  // starts right of the left border: where the system has its bar.
  if (horz && vert) {
    bars.Horz = RECT{w.left + e, w.bottom - e - a, w.right - e - a, w.bottom - e};
    bars.Vert = RECT{w.right - e - a, w.top + e, w.right - e, w.bottom - e - a};
    bars.Corner = RECT{bars.Vert.left, bars.Horz.top, bars.Vert.right, bars.Horz.bottom};
  } else if (horz) {
    bars.Horz = RECT{w.left + e, w.bottom - e - a, w.right - e, w.bottom - e};
  } else if (vert) {
    bars.Vert = RECT{w.right - e - a, w.top + e, w.right - e, w.bottom - e};
  }
  return bars;
}

int MinThumbLength(std::uint32_t winVersion, int arrow) { return (winVersion & 0x80000000u) ? arrow / 2 : 8; }

bool ThumbFromInfo(const SCROLLINFO& info, int barLength, int arrow, int minThumb, int defaultThumb,
                   TScrollMetrics& m) {
  const int range = info.nMax - info.nMin;
  if (range <= 0) return false;
  const int track = barLength - 2 * arrow;
  const int page = int(std::min<UINT>(info.nPage, 0x7FFFFFFF));
  const int length = page != 0 ? std::max(ScaleBy(page, track, range), minThumb) : defaultThumb;
  // A page as long as the range fills the track.
  PlaceThumb(track, length, page == range, info.nPos - info.nMin, range - page, m);
  return true;
}

bool ThumbFromControl(int min, int max, int page, int position, int barLength, int arrow, int minThumb,
                      int defaultThumb, TScrollMetrics& m) {
  const long long wide = static_cast<long long>(max) - min;
  if (wide < 0 || wide >= 0x7FFFFFFF) return false;
  const int range = int(wide);
  const int track = barLength - 2 * arrow;
  page = std::max(page, 0);
  const int length = page != 0 ? std::max(ScaleBy(page, track, range + 1), minThumb) : defaultThumb;
  PlaceThumb(track, length, page == range + 1, position - min, range - page + 1, m);
  return true;
}

int HitTestBar(int c, const TScrollMetrics& m) {
  const int a = m.ArrowSize;
  if (c < a) return SB_LINEUP;
  if (c < a + m.ThumbOffset) return SB_PAGEUP;
  if (c < a + m.ThumbOffset + m.ThumbLength) return SB_THUMBTRACK;
  if (c < a + m.TrackLength) return SB_PAGEDOWN;
  if (c < 2 * a + m.TrackLength) return SB_LINEDOWN;
  return -1;
}

int DragPosition(int& offset, const SCROLLINFO& info, const TScrollMetrics& m) {
  const int range = info.nMax - info.nMin;
  const int track = m.TrackLength;
  const int free = track - m.ThumbLength;
  offset = std::max(offset, 0);
  int pos = info.nMin;
  if (info.nPage == 0) {
    offset = std::min(offset, std::max(free, 0));
    if (free > 0) pos = ScaleBy(offset, range, free) + info.nMin;
    pos = std::min(pos, info.nMax);
  } else {
    offset = std::min(offset, std::max(track, 0));
    if (track > 0) pos = ScaleBy(offset, range, track) + info.nMin;
    // The last position the system gives the bar; every one before it is reachable.
    const int last = info.nMax - int(info.nPage) + 1;
    pos = std::min(pos, last);
  }
  return std::max(pos, info.nMin);
}

}  // namespace skin
