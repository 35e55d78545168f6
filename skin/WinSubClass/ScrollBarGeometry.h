// Where the parts of a skinned scroll bar lie: the bars beside a scrolling
// control's client area, the thumb on its track, which part a point is on,
// and the position a dragged thumb stands for. Pure arithmetic on the values
// the system reports; the scroll-bar companions (TSkinScrollBar,
// TSkinScControl) read the system and paint with it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

// PressedPart: the part of a bar shown pressed.
enum TScrollPart {
  spNone = 0,
  spLeftArrow = 1,
  spRightArrow = 2,
  spUpArrow = 3,
  spDownArrow = 4,
  spHorzThumb = 5,
  spVertThumb = 6,
};

// One bar's geometry in pixels, along the bar.
struct TScrollMetrics {
  int ArrowSize = 0;    // each arrow button
  int TrackLength = 0;  // between the arrows
  int ThumbLength = 0;
  int ThumbOffset = 0;  // from the end of the first arrow
  DWORD StyleBit = 0;   // WS_HSCROLL or WS_VSCROLL
};

// The bars of a scrolling control, in window coordinates.
struct TBarRects {
  RECT Horz{};
  RECT Vert{};
  RECT Corner{};  // between the two bars, when both are there
};

// The bars a control with `client` (its client rectangle) shows inside
// `window` (its window rectangle at the origin). The frame border is what the
// window has beside the client area and the bar, split in two. Bars are
// `arrow` pixels thick.
TBarRects BarRects(const RECT& window, const RECT& client, bool horz, bool vert, int arrow);

// The shortest thumb: half an arrow on the Windows 95 family (`winVersion`
// with its top bit set, as GetVersion reports it), else 8 pixels.
int MinThumbLength(std::uint32_t winVersion, int arrow);

// The thumb of a bar `barLength` long from the system's scroll information
// (nPage = 0: a thumb `defaultThumb` long). False, leaving `m` as it was,
// when the range is empty.
bool ThumbFromInfo(const SCROLLINFO& info, int barLength, int arrow, int minThumb, int defaultThumb,
                   TScrollMetrics& m);
// The same for a scroll bar control from its Min, Max, PageSize and Position.
bool ThumbFromControl(int min, int max, int page, int position, int barLength, int arrow, int minThumb,
                      int defaultThumb, TScrollMetrics& m);

// The scroll code for a point `coordinate` pixels along the bar from its
// start: SB_LINEUP, SB_PAGEUP, SB_THUMBTRACK, SB_PAGEDOWN, SB_LINEDOWN, or -1
// beyond the bar.
int HitTestBar(int coordinate, const TScrollMetrics& m);

// The position a thumb dragged to `offset` (along the track) stands for, kept
// between nMin and the last position the bar can take (nMax, or with a page
// nMax - nPage + 1). `offset` comes back limited to the track.
int DragPosition(int& offset, const SCROLLINFO& info, const TScrollMetrics& m);

// a * b / c rounded, 0 when c is 0.
int ScaleBy(int a, int b, int c);

}  // namespace skin
