// Painting one skinned scroll bar: the track between the arrows from the
// direction's track object, the two arrows from the Scrollbar image (23
// frames; left 1, right 5, up 9, down 13, each followed by its pressed look)
// and the thumb from the direction's thumb object (frame 2 while pressed),
// on the skin's scroll-bar colour. The bar is composed off screen at its own
// size and put on the target in one blit, so it never flickers.
#pragma once

#include <windows.h>

#include "skin/WinSubClass/ScrollBarGeometry.h"

namespace skin {

class TSkinSet;

// The message a scroll-bar companion posts to its own window to repaint the
// skin once the system's scroll tracking has painted its own bar (a name no
// control uses).
UINT ScrollBarRedrawRequest();

// The skin has the arrow image bars are drawn with.
bool HasScrollBarImage(const TSkinSet& data);

// Draws the bar `bar` (in `dc`'s coordinates) with the thumb of `m`;
// `pressedPart` is a TScrollPart. Nothing is drawn for absurd sizes.
void DrawScrollBarImage(HDC dc, const RECT& bar, bool horizontal, const TScrollMetrics& m, int pressedPart,
                        TSkinSet& data);

}  // namespace skin
