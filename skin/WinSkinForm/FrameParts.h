// TFrameParts: the composed border images of one skinned window, kept between
// paints. Composing a border cuts its skin image into nine parts and stretches
// or tiles them into a new bitmap; an unchanged window needs none of that
// again, so a full frame repaint (and the region's border strips) is one blit
// per border. A part is kept for one skin image, activation look and size,
// and the companion drops all of them when its skin changes. The part of the
// look or size before is kept too: a window goes back and forth (restored
// after a maximise, a resize undone, activated and deactivated), and a new
// bitmap costs more than composing into it (its memory is new).
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "ui/Graphics.h"

namespace skin {

class TDataSkinBorder;

class TFrameParts {
 public:
  // Border `index` (1 left, 2 right, 3 top, 4 bottom) in frame `frame` of its
  // image at `size`, composed now if the kept one does not fit; null without
  // a border object.
  ui::TBitmap* Get(TDataSkinBorder* border, int index, int frame, SIZE size);
  void Clear();
  // How many parts were composed (not taken from the kept ones) so far.
  int Composed() const { return composed_; }

 private:
  struct TKey {
    const TDataSkinBorder* Border = nullptr;
    HBITMAP Image = nullptr;
    int Frame = 0;
    int Width = 0;
    int Height = 0;
    RECT Margins{};
    int Tile = 0;
    int FrameCount = 0;
    bool operator==(const TKey& other) const {
      return Border == other.Border && Image == other.Image && Frame == other.Frame && Width == other.Width &&
             Height == other.Height && EqualRect(&Margins, &other.Margins) && Tile == other.Tile &&
             FrameCount == other.FrameCount;
    }
  };
  struct TPart {
    TKey Key;
    std::unique_ptr<ui::TBitmap> Bitmap;
  };
  std::array<TPart, 4> parts_;
  std::array<TPart, 4> previous_;  // each border's part before the current one
  int composed_ = 0;
};

}  // namespace skin
