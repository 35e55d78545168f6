// Window regions from skin bitmaps: every pixel that is not of the key colour.
#pragma once

#include <cstdint>

#include "ui/Graphics.h"

namespace skin {

// The region of all non-key pixels of `bitmap`, shifted by (xOffset, yOffset),
// as one-pixel-high runs per row; the caller owns it. A pixel is a key pixel
// when each channel lies between the key's channel and that plus its tolerance
// (both bounds inclusive, capped at 255). The bitmap is converted to 32 bits
// per pixel in place. An empty bitmap, or one of key pixels only, gives an
// empty region.
ui::RegionHandle CreateRegionFromBitmap(ui::TBitmap& bitmap, int xOffset, int yOffset,
                                        ui::TColor keyColour, std::uint8_t toleranceR,
                                        std::uint8_t toleranceG, std::uint8_t toleranceB);

// The same for the part `area` of a 24- or 32-bit `bitmap`, read as it is:
// pixel (x, y) of the area counts at (x - area.left + xOffset, y - area.top
// + yOffset). The area is cut to the bitmap. Rows whose runs equal the row
// above's extend its rectangles downwards (the same pixels, fewer pieces).
ui::RegionHandle CreateRegionFromArea(const ui::TBitmap& bitmap, RECT area, int xOffset,
                                      int yOffset, ui::TColor keyColour, std::uint8_t toleranceR,
                                      std::uint8_t toleranceG, std::uint8_t toleranceB);

}  // namespace skin
