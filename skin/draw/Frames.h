// Frame selection and the geometry shared by every frame-aware draw. A skin
// image holds FrameCount equal frames side by side (or stacked); margins cut a
// frame into corners, edges and a centre.
#pragma once

#include <memory>

#include "ui/Graphics.h"

namespace skin {

// Pixels of this colour in skin images are transparent.
inline constexpr ui::TColor kKeyColour = ui::clFuchsia;

// One frame of a skin image: origin (SX, SY) and size (FW, FH) inside the image.
struct TFrame {
  int SX = 0;
  int SY = 0;
  int FW = 0;
  int FH = 0;
  bool Empty() const { return FW <= 0 || FH <= 0; }
};

// Frame `frameIndex` (1-based) of `frameCount` equal frames; the frame size is
// truncated, so pixels after the last whole frame are never used. Skin data may
// be wrong: a count below 1 counts as 1 and the index is clamped to 1..count,
// so the frame always lies inside the image (it is empty for an empty image or
// when there are more frames than pixels).
TFrame SelectFrame(const ui::TBitmap& image, bool vertical, int frameCount, int frameIndex);

// The margins (Left = L, Top = T, Right = R, Bottom = B) cut down to what
// `frame` can give: negative values become 0, then L is at most FW and R at
// most FW - L (T and B alike), so no source slice ever has a negative size.
RECT FitMarginsToFrame(RECT margins, const TFrame& frame);

// Margins that do not fit a width x height destination together drop to 0 on
// that axis, so the frame is stretched whole along it; an exact fit stays.
RECT CollapseMargins(RECT margins, int width, int height);

inline int RectWidth(const RECT& r) { return r.right - r.left; }
inline int RectHeight(const RECT& r) { return r.bottom - r.top; }
inline bool IsInverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }
inline bool IsEmptyArea(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Stretches `source` of `from` onto `dest` of `to` (SRCCOPY, the target's
// stretch mode). Nothing is drawn when either rectangle is empty: a zero-sized
// source has nothing to give, and an inverted one would mirror the picture.
void StretchCopy(HDC to, const RECT& dest, HDC from, const RECT& source);

// Sets COLORONCOLOR, the stretch mode of every skin draw: it drops rows and
// columns instead of blending them, so key-colour pixels stay exact.
void UseColorOnColor(HDC dc);

// A new bitmap of the given size in `like`'s pixel format, with COLORONCOLOR
// set on its canvas.
std::unique_ptr<ui::TBitmap> CreateWorkBitmap(int width, int height, const ui::TBitmap& like);

}  // namespace skin
