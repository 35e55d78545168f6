// A skin at a display DPI. The definition's values and the base images are
// in 96-DPI units; a window at another DPI is painted from a copy of the skin
// set whose measures are scaled and whose images are the author's pictures
// for that scale, or the nearest ones scaled. This file holds the whole rule:
// painters never scale anything themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/WinSkinData/ColourShift.h"
#include "skin/WinSkinData/SkinSet.h"

namespace skin {

inline constexpr int kBaseDpi = 96;

// A 96-DPI length at `dpi`, rounded half away from zero and kept within 32 bits.
std::int32_t ScaleLength(std::int64_t length, int dpi);

// Whether `larger`, drawn for `dpi`, has the size of `base` at that scale:
// along an axis holding `frames` equal frames each frame's length scaled
// times the frames (or the whole length scaled).
bool LargerImageFits(const ui::TBitmap& base, const ui::TBitmap& larger, int dpi, int framesAcross, int framesDown);

// Drops the larger images of `set` that do not fit their base image and
// tells which they were.
std::vector<TMisfitImage> DropMisfitLargerImages(TSkinSet& set);

// `out` (a fresh set) becomes `base` at `dpi`: every pixel measure scaled,
// every image the exact larger picture for `dpi` where the skin has one,
// otherwise the nearest larger one scaled down, otherwise the largest scaled
// up, cut frame by frame. Colours and names stay.
void BuildSkinAtDpi(const TSkinSet& base, int dpi, TSkinSet& out);

// `out` (a fresh set) becomes `plain` in the colour `shift`: every image and
// every larger picture shifted (key colour exact), the colour table and the
// objects' colours shifted, each text colour kept at least as readable
// against its face as it was. Measures stay. With a plain shift an exact copy.
void BuildColouredSkin(const TSkinSet& plain, const TColourShift& shift, TSkinSet& out);

}  // namespace skin
