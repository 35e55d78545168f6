// Scaling a skin image for a display scale: piece by piece along each axis,
// so frame boundaries and slice margins land on whole pixels of the result
// and no piece takes colour from its neighbour. Key-colour pixels are picked
// by the nearest source pixel and never blended into colour, so a scaled
// image cuts the same kind of region as its original.
#pragma once

#include <vector>

#include "ui/Graphics.h"

namespace skin {

// Source span [From, To) (in source pixels, may be fractional) drawn onto the
// destination span [DestFrom, DestTo).
struct TScalePiece {
  double From = 0;
  double To = 0;
  int DestFrom = 0;
  int DestTo = 0;
};
using TScaleAxis = std::vector<TScalePiece>;

// One axis of a strip of `frames` equal frames: each source frame
// (`sourceFrame` pixels long) goes onto `destFrame` pixels, and inside it
// the fixed ends `sourceLow` and `sourceHigh` onto `destLow` and `destHigh`
// pixels; the rest in between is stretched.
TScaleAxis FramePieces(double sourceFrame, double sourceLow, double sourceHigh, int frames, int destFrame,
                       int destLow, int destHigh);

// `dest` becomes `source` scaled by the two axes' pieces (its size is the
// last piece's end on each axis); smooth inside a piece, key colour exact.
void ScaleImagePieces(const ui::TBitmap& source, const TScaleAxis& across, const TScaleAxis& down,
                      ui::TBitmap& dest);

}  // namespace skin
