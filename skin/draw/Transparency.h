// Key-colour transparency: a bitmap put on a device context except where it
// holds the key colour, so the destination shows through there.
#pragma once

#include "ui/Graphics.h"

namespace skin {

// The bitmap from its own origin copied to destRect, leaving out the pixels of
// `keyColour`. Only the part that both destRect and the bitmap cover is drawn.
void DrawTransparent(HDC dc, const RECT& destRect, ui::TBitmap& bitmap, ui::TColor keyColour);

// The three-blit path through a mask kept selected in `maskDC`: for a bitmap
// put on again and again, without the temporary bitmaps and device contexts
// that MaskBlt makes on each call where the system emulates it. The same
// pixels as DrawTransparent.
void DrawTransparentThroughMask(HDC dc, const RECT& destRect, ui::TBitmap& bitmap, HDC maskDC);

// The same pixels as DrawTransparent put on a bitmap of ours by copying them
// (one pass instead of blits). False, with nothing drawn, where the two
// bitmaps' pixel formats differ.
bool CopyTransparent(ui::TBitmap& target, const RECT& destRect, const ui::TBitmap& bitmap, ui::TColor keyColour);

// How DrawTransparent puts the pixels on: one MaskBlt (NT-family systems) or
// three BitBlts through an inverted copy (the others). Platform picks by the
// system's platform id; the other two force a path (tests use them).
enum class TTransparentPath { Platform, MaskBlt, ThreeBlits };

// Process-wide; GUI thread only, like all drawing.
void SetTransparentPath(TTransparentPath path);
TTransparentPath GetTransparentPath();

}  // namespace skin
