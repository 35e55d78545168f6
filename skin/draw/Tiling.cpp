#include "skin/draw/Tiling.h"

#include "skin/draw/Frames.h"

namespace skin {

void TileImage(ui::TCanvas& canvas, const RECT& destRect, ui::TBitmap& image,
               const RECT& sourceRect) {
  const int sw = RectWidth(sourceRect), sh = RectHeight(sourceRect);
  if (sw <= 0 || sh <= 0 || image.Empty()) return;
  // The tile is copied out first, so tiling works even onto the image's own canvas.
  auto tile = CreateWorkBitmap(sw, sh, image);
  BitBlt(tile->Canvas().Handle(), 0, 0, sw, sh, image.Canvas().Handle(), sourceRect.left,
         sourceRect.top, SRCCOPY);
  HDC from = tile->Canvas().Handle();
  for (int x = destRect.left; x < destRect.right; x += sw)
    for (int y = destRect.top; y < destRect.bottom; y += sh)
      BitBlt(canvas.Handle(), x, y, sw, sh, from, 0, 0, SRCCOPY);
}

namespace {

// The strip's middle, x from L up to w - R, each copy stretched from the
// frame's height to h; the last copy may overhang into the right cap.
void DrawStripMiddle(HDC to, HDC from, const TFrame& f, const RECT& m, int w, int h) {
  const int mw = f.FW - m.left - m.right;
  if (mw <= 0) {
    // The caps fill the whole frame, so there is no pattern to repeat (and the
    // loop would never advance): the whole frame is stretched between the caps.
    StretchCopy(to, {m.left, 0, w - m.right, h}, from, {f.SX, f.SY, f.SX + f.FW, f.SY + f.FH});
    return;
  }
  const RECT source{f.SX + m.left, f.SY, f.SX + m.left + mw, f.SY + f.FH};
  for (int x = m.left; x < w - m.right; x += mw) StretchCopy(to, {x, 0, x + mw, h}, from, source);
}

}  // namespace

void DrawTiledStrip(ui::TCanvas& canvas, const RECT& destRect, ui::TBitmap& image,
                    const RECT& margins, bool vertical, bool transparent, int frameCount,
                    int frameIndex) {
  if (IsEmptyArea(destRect)) return;
  const TFrame f = SelectFrame(image, vertical, frameCount, frameIndex);
  if (f.Empty()) return;
  // Caps wider than the frame are cut to it; unlike slicing, caps wider than
  // the strip are not collapsed (the right cap then covers part of the left).
  const RECT m = FitMarginsToFrame(margins, f);
  const int w = RectWidth(destRect), h = RectHeight(destRect);

  auto strip = CreateWorkBitmap(w, h, image);
  HDC to = strip->Canvas().Handle();
  HDC from = image.Canvas().Handle();
  StretchCopy(to, {0, 0, m.left, h}, from, {f.SX, f.SY, f.SX + m.left, f.SY + f.FH});
  DrawStripMiddle(to, from, f, m, w, h);
  StretchCopy(to, {w - m.right, 0, w, h}, from,
              {f.SX + f.FW - m.right, f.SY, f.SX + f.FW, f.SY + f.FH});

  if (transparent) {
    strip->Transparent = true;
    strip->TransparentColor = kKeyColour;
    canvas.Draw(destRect.left, destRect.top, *strip);
  } else {
    BitBlt(canvas.Handle(), destRect.left, destRect.top, w, h, to, 0, 0, SRCCOPY);
  }
}

}  // namespace skin
