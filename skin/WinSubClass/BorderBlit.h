// Painting only the border of a control that paints its own inside: the
// border parts are composed off screen and put on the window in one blit
// clipped to the parts drawn, so the control's text and caret are never
// touched and whatever was not drawn keeps the control's own pixels.
#pragma once

#include <windows.h>

#include "ui/GdiHandles.h"
#include "ui/Graphics.h"

namespace skin {

class TBorderCanvas {
 public:
  // A canvas of `size`'s width and height (its origin at 0, 0).
  explicit TBorderCanvas(const RECT& size);

  // False when there is nothing to draw on (an empty or failed bitmap).
  bool Ok() const { return ok_; }
  HDC Handle() { return bitmap_.Canvas().Handle(); }

  // `area` (canvas coordinates) has been drawn and goes on the window.
  void Drawn(const RECT& area);
  // The ring of `thickness` pixels just inside `outer` has been drawn.
  void DrawnRing(const RECT& outer, int thickness);

  // Blits the drawn parts onto `dc` with the canvas origin at (x, y).
  void PutOn(HDC dc, int x, int y);

 private:
  ui::TBitmap bitmap_;
  ui::RegionHandle drawn_;
  bool ok_ = false;
};

// The brush selected in `dc`, which paints over the inner rings of a system
// border; the window colour's when it is hollow (or there is none), so
// that the rings are never left unpainted.
HBRUSH RingBrush(HDC dc);

}  // namespace skin
