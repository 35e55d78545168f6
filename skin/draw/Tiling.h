// Repeated patterns: a source rectangle tiled over an area, and the
// three-part strip (left cap, repeated middle, right cap) of bars.
#pragma once

#include "ui/Graphics.h"

namespace skin {

// sourceRect of `image` repeated over destRect, down each column first, then
// column after column. The last tiles are drawn whole and overhang Right and
// Bottom by up to a tile less one pixel. A source of no area draws nothing.
void TileImage(ui::TCanvas& canvas, const RECT& destRect, ui::TBitmap& image,
               const RECT& sourceRect);

// A horizontal strip: the frame's left L columns, its middle repeated, its
// right R columns (only L and R of `margins` count), each stretched to the
// strip's height, composed off screen and put on `canvas` in one draw.
void DrawTiledStrip(ui::TCanvas& canvas, const RECT& destRect, ui::TBitmap& image,
                    const RECT& margins, bool vertical, bool transparent, int frameCount,
                    int frameIndex);

}  // namespace skin
