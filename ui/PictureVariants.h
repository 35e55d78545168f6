// Pictures drawn for larger display scales. Beside a picture stored as the
// resource NAME a program may carry the same picture drawn for a larger scale
// as NAME@1.25X, NAME@1.5X, NAME@1.75X, NAME@2X, NAME@2.5X, NAME@3X or
// NAME@4X (RCDATA; resource names are found in any case). A picture for a
// DPI comes from the one drawn for exactly its scale, else from the nearest
// larger one, else from the largest (the base picture counting as drawn for
// 96 DPI); the caller scales it to the size it needs. Portable.
#pragma once

#include <string>

#include "ui/FormReader.h"
#include "ui/Graphics.h"

namespace ui {

// Loads into `picture` the picture that resource `name` has for `dpi` and
// returns the DPI it was drawn for (96 for the base picture); 0, with
// `picture` left as it was, when no picture of that name can be read.
int LoadPictureVariant(const TResourceLoader& resources, const std::string& name, int dpi, TBitmap& picture);

// Makes `picture` width x height for its display scale (ResampleBitmap; a
// picture of that size already is left as it is). Its transparent colour
// `key` (clNone: none) stays exact; with `frames` images side by side, each
// image's bottom-left pixel is the key afterwards when it was before, as
// painters that take the transparent colour from there expect.
void FitPicture(TBitmap& picture, int width, int height, TColor key, int frames = 1);

}  // namespace ui
