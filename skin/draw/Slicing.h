// Nine-part drawing: a frame of a skin image cut by four margins into fixed
// corners, stretched edges and a stretched or tiled centre.
#pragma once

#include <memory>

#include "ui/Graphics.h"

namespace skin {

// A new bitmap of destRect's size (only the size counts) holding frame
// `frameIndex` of `image` in nine parts; the caller owns it. Margins are
// Left = L, Top = T, Right = R, Bottom = B. Where nothing is drawn (an empty
// image, a centre with no source pixels) the bitmap keeps its initial black.
std::unique_ptr<ui::TBitmap> CreateSlicedBitmap(const RECT& destRect, ui::TBitmap& image,
                                                const RECT& margins, bool vertical, bool tile,
                                                int frameCount, int frameIndex);

// The nine-part frame composed off screen and put on `dc` at destRect in one
// blit, leaving key-colour pixels out when `transparent`.
void DrawSlicedImage(HDC dc, const RECT& destRect, ui::TBitmap& image, const RECT& margins,
                     bool vertical, bool tile, bool transparent, int frameCount, int frameIndex);

// Only the four corners and four edges, straight onto `dc` (whose stretch mode
// becomes COLORONCOLOR and stays so); whatever `dc` holds inside stays. `tile`
// is accepted for the callers' uniform argument list and has no effect.
void DrawSlicedBorder(HDC dc, const RECT& destRect, ui::TBitmap& image, const RECT& margins,
                      bool vertical, bool tile, int frameCount, int frameIndex);

// One whole frame of a side-by-side image stretched to destRect.
void DrawImageFrame(HDC dc, const RECT& destRect, ui::TBitmap& image, bool transparent,
                    int frameCount, int frameIndex);

// DrawImageFrame with `transparent` for an image put on again and again (a
// caption button): the stretched frame and its key-colour mask are made once
// per image, frame and size and kept, and each draw is the same blits as
// DrawImageFrame's.
class TKeptImageFrame {
 public:
  void Draw(HDC dc, const RECT& destRect, ui::TBitmap& image, int frameCount, int frameIndex);
  // The same onto a bitmap of ours: its pixels are copied, without blits.
  void Draw(ui::TBitmap& target, const RECT& destRect, ui::TBitmap& image, int frameCount, int frameIndex);
  void Clear();

 private:
  // Composes the frame and its mask anew unless they are kept for these;
  // false where nothing is drawn.
  bool Prepare(const RECT& destRect, ui::TBitmap& image, int frameCount, int frameIndex);

  struct TKey {
    const ui::TBitmap* Image = nullptr;
    HBITMAP Handle = nullptr;
    int ImageWidth = 0;
    int ImageHeight = 0;
    int FrameCount = 0;
    int FrameIndex = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TKey&) const = default;
  };
  TKey key_;
  std::unique_ptr<ui::TBitmap> composed_;  // null: nothing to draw for key_
  // The composition's mask, selected into its own DC while kept (freed in
  // the reverse order).
  ui::BitmapHandle mask_;
  std::unique_ptr<ui::MemoryDC> maskDC_;
  std::unique_ptr<ui::SelectGuard> maskSelected_;
};

}  // namespace skin
