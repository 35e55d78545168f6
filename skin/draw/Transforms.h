// Bitmap transforms done in place: a vertical mirror and quarter turns.
// They work on 24- and 32-bit pictures alike and keep the pixel format.
#pragma once

#include "ui/Graphics.h"

namespace skin {

// Mirrored top to bottom.
void FlipBitmapVertical(ui::TBitmap& bitmap);
// Rotated 90 degrees anticlockwise: new (x, y) = old (W - 1 - y, x); W x H becomes H x W.
void RotateBitmapLeft(ui::TBitmap& bitmap);
// Rotated 90 degrees clockwise: new (x, y) = old (y, H - 1 - x); W x H becomes H x W.
void RotateBitmapRight(ui::TBitmap& bitmap);

}  // namespace skin
