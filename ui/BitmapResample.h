// Resizing a picture for another display scale. Portable, tested natively.
#pragma once

#include "ui/Colors.h"
#include "ui/Graphics.h"

namespace ui {

// Resizes `source` into `dest` (width x height, the source's pixel format
// and transparency settings) by area averaging: each new pixel is the mean of
// the source pixels it covers, weighted by how much of each it covers, so a
// whole-number enlargement repeats pixels exactly. Pixels of `key` (clNone:
// none) are never mixed with others: a new pixel covered more than half by key
// pixels is the key, any other the mean of the non-key pixels it covers, so a
// transparent colour stays exact and leaves no fringe.
void ResampleBitmap(const TBitmap& source, TBitmap& dest, int width, int height, TColor key = clNone);

}  // namespace ui
