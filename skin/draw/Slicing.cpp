#include "skin/draw/Slicing.h"

#include <array>

#include "skin/draw/Frames.h"
#include "skin/draw/Tiling.h"
#include "skin/draw/Transparency.h"

namespace skin {

namespace {

struct TSlice {
  RECT Dest;
  RECT Source;
};

constexpr std::size_t kCentre = 5;

// The nine slices of frame `f` for a w x h destination, in drawing order
// a..i. The order matters: a tiled centre overhangs into the right and bottom
// bands, and the slices drawn after it cover that. A slice whose margin is 0
// comes out empty and is skipped by StretchCopy.
std::array<TSlice, 9> NineSlices(const TFrame& f, const RECT& m, int w, int h) {
  const int L = m.left, T = m.top, R = m.right, B = m.bottom;
  const int x0 = f.SX, y0 = f.SY, x1 = f.SX + f.FW, y1 = f.SY + f.FH;
  return {{
      {{0, 0, L, T}, {x0, y0, x0 + L, y0 + T}},                  // a top-left
      {{0, h - B, L, h}, {x0, y1 - B, x0 + L, y1}},              // b bottom-left
      {{w - R, 0, w, T}, {x1 - R, y0, x1, y0 + T}},              // c top-right
      {{0, T, L, h - B}, {x0, y0 + T, x0 + L, y1 - B}},          // d left edge
      {{L, 0, w - R, T}, {x0 + L, y0, x1 - R, y0 + T}},          // e top edge
      {{L, T, w - R, h - B}, {x0 + L, y0 + T, x1 - R, y1 - B}},  // f centre
      {{w - R, h - B, w, h}, {x1 - R, y1 - B, x1, y1}},          // g bottom-right
      {{w - R, T, w, h - B}, {x1 - R, y0 + T, x1, y1 - B}},      // h right edge
      {{L, h - B, w - R, h}, {x0 + L, y1 - B, x1 - R, y1}},      // i bottom edge
  }};
}

struct TSlicing {
  TFrame Frame;
  std::array<TSlice, 9> Slices;
};

// The selected frame and its slices for a w x h destination, with the margins
// fitted to the frame and collapsed to the destination.
TSlicing Slice(const ui::TBitmap& image, const RECT& margins, bool vertical, int frameCount,
               int frameIndex, int w, int h) {
  const TFrame frame = SelectFrame(image, vertical, frameCount, frameIndex);
  const RECT m = CollapseMargins(FitMarginsToFrame(margins, frame), w, h);
  return {frame, NineSlices(frame, m, w, h)};
}

RECT Offset(RECT r, int dx, int dy) {
  OffsetRect(&r, dx, dy);
  return r;
}

// Puts a composed bitmap on `dc` at destRect: transparently or by one BitBlt.
void PutComposed(HDC dc, const RECT& destRect, ui::TBitmap& composed, bool transparent) {
  if (transparent) {
    DrawTransparent(dc, destRect, composed, kKeyColour);
    return;
  }
  BitBlt(dc, destRect.left, destRect.top, RectWidth(destRect), RectHeight(destRect),
         composed.Canvas().Handle(), 0, 0, SRCCOPY);
}

// One whole frame of `image` stretched to destRect's size in a new bitmap;
// null where nothing is drawn.
std::unique_ptr<ui::TBitmap> ComposeImageFrame(const RECT& destRect, ui::TBitmap& image,
                                               int frameCount, int frameIndex) {
  if (IsEmptyArea(destRect)) return nullptr;
  const TFrame frame = SelectFrame(image, false, frameCount, frameIndex);
  if (frame.Empty()) return nullptr;
  // COLORONCOLOR here too: the default mode ANDs the dropped pixels together
  // when a frame is shrunk, which garbles its colours.
  auto composed = CreateWorkBitmap(RectWidth(destRect), RectHeight(destRect), image);
  StretchCopy(composed->Canvas().Handle(), {0, 0, composed->Width(), composed->Height()},
              image.Canvas().Handle(),
              {frame.SX, frame.SY, frame.SX + frame.FW, frame.SY + frame.FH});
  return composed;
}

}  // namespace

std::unique_ptr<ui::TBitmap> CreateSlicedBitmap(const RECT& destRect, ui::TBitmap& image,
                                                const RECT& margins, bool vertical, bool tile,
                                                int frameCount, int frameIndex) {
  const int w = RectWidth(destRect), h = RectHeight(destRect);
  auto result = CreateWorkBitmap(w, h, image);
  const TSlicing slicing = Slice(image, margins, vertical, frameCount, frameIndex, w, h);
  if (slicing.Frame.Empty() || result->Empty()) return result;

  ui::TCanvas& canvas = result->Canvas();
  HDC source = image.Canvas().Handle();
  for (std::size_t i = 0; i < slicing.Slices.size(); ++i) {
    const TSlice& s = slicing.Slices[i];
    if (i == kCentre && tile)
      TileImage(canvas, s.Dest, image, s.Source);
    else
      StretchCopy(canvas.Handle(), s.Dest, source, s.Source);
  }
  return result;
}

void DrawSlicedImage(HDC dc, const RECT& destRect, ui::TBitmap& image, const RECT& margins,
                     bool vertical, bool tile, bool transparent, int frameCount, int frameIndex) {
  if (IsEmptyArea(destRect) || SelectFrame(image, vertical, frameCount, frameIndex).Empty()) return;
  auto sliced =
      CreateSlicedBitmap(destRect, image, margins, vertical, tile, frameCount, frameIndex);
  PutComposed(dc, destRect, *sliced, transparent);
}

void DrawSlicedBorder(HDC dc, const RECT& destRect, ui::TBitmap& image, const RECT& margins,
                      bool vertical, bool /*tile*/, int frameCount, int frameIndex) {
  if (IsInverted(destRect)) return;  // would mirror the slices around the rectangle
  UseColorOnColor(dc);
  const int w = RectWidth(destRect), h = RectHeight(destRect);
  const TSlicing slicing = Slice(image, margins, vertical, frameCount, frameIndex, w, h);
  if (slicing.Frame.Empty()) return;

  HDC source = image.Canvas().Handle();
  for (std::size_t i = 0; i < slicing.Slices.size(); ++i) {
    if (i == kCentre) continue;
    const TSlice& s = slicing.Slices[i];
    StretchCopy(dc, Offset(s.Dest, destRect.left, destRect.top), source, s.Source);
  }
}

void DrawImageFrame(HDC dc, const RECT& destRect, ui::TBitmap& image, bool transparent,
                    int frameCount, int frameIndex) {
  if (auto composed = ComposeImageFrame(destRect, image, frameCount, frameIndex))
    PutComposed(dc, destRect, *composed, transparent);
}

bool TKeptImageFrame::Prepare(const RECT& destRect, ui::TBitmap& image, int frameCount, int frameIndex) {
  const TKey key{&image,      image.Handle(), image.Width(),          image.Height(),
                 frameCount,  frameIndex,     RectWidth(destRect),    RectHeight(destRect)};
  if (!(key == key_)) {
    Clear();
    composed_ = ComposeImageFrame(destRect, image, frameCount, frameIndex);
    if (composed_) mask_ = composed_->CreateMask(kKeyColour);
    if (mask_) {
      maskDC_ = std::make_unique<ui::MemoryDC>();
      maskSelected_ = std::make_unique<ui::SelectGuard>(maskDC_->Get(), mask_.Get());
    }
    key_ = key;
  }
  return composed_ && maskDC_;
}

void TKeptImageFrame::Draw(HDC dc, const RECT& destRect, ui::TBitmap& image, int frameCount,
                           int frameIndex) {
  if (Prepare(destRect, image, frameCount, frameIndex))
    DrawTransparentThroughMask(dc, destRect, *composed_, maskDC_->Get());
}

void TKeptImageFrame::Draw(ui::TBitmap& target, const RECT& destRect, ui::TBitmap& image, int frameCount,
                           int frameIndex) {
  if (!Prepare(destRect, image, frameCount, frameIndex)) return;
  if (!CopyTransparent(target, destRect, *composed_, kKeyColour))
    DrawTransparentThroughMask(target.Canvas().Handle(), destRect, *composed_, maskDC_->Get());
}

void TKeptImageFrame::Clear() {
  key_ = TKey{};
  maskSelected_.reset();
  maskDC_.reset();
  mask_ = ui::BitmapHandle();
  composed_.reset();
}

}  // namespace skin
