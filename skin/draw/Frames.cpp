#include "skin/draw/Frames.h"

#include <algorithm>

namespace skin {

TFrame SelectFrame(const ui::TBitmap& image, bool vertical, int frameCount, int frameIndex) {
  const int count = std::max(frameCount, 1);
  const int index = std::clamp(frameIndex, 1, count);
  TFrame f;
  if (vertical) {
    f.FW = image.Width();
    f.FH = image.Height() / count;
    f.SY = (index - 1) * f.FH;
  } else {
    f.FW = image.Width() / count;
    f.FH = image.Height();
    f.SX = (index - 1) * f.FW;
  }
  return f;
}

namespace {

// Splits `size` between a leading and a trailing margin, the leading one first.
void FitPair(LONG& leading, LONG& trailing, int size) {
  const int available = std::max(size, 0);
  leading = std::clamp<LONG>(leading, 0, available);
  trailing = std::clamp<LONG>(trailing, 0, available - leading);
}

}  // namespace

RECT FitMarginsToFrame(RECT margins, const TFrame& frame) {
  FitPair(margins.left, margins.right, frame.FW);
  FitPair(margins.top, margins.bottom, frame.FH);
  return margins;
}

RECT CollapseMargins(RECT margins, int width, int height) {
  if (margins.left + margins.right > width) margins.left = margins.right = 0;
  if (margins.top + margins.bottom > height) margins.top = margins.bottom = 0;
  return margins;
}

void StretchCopy(HDC to, const RECT& dest, HDC from, const RECT& source) {
  if (IsEmptyArea(dest) || IsEmptyArea(source)) return;
  StretchBlt(to, dest.left, dest.top, RectWidth(dest), RectHeight(dest), from, source.left,
             source.top, RectWidth(source), RectHeight(source), SRCCOPY);
}

void UseColorOnColor(HDC dc) { SetStretchBltMode(dc, COLORONCOLOR); }

std::unique_ptr<ui::TBitmap> CreateWorkBitmap(int width, int height, const ui::TBitmap& like) {
  auto bitmap = std::make_unique<ui::TBitmap>();
  bitmap->SetPixelFormat(like.PixelFormat());
  bitmap->SetSize(width, height);
  UseColorOnColor(bitmap->Canvas().Handle());
  return bitmap;
}

}  // namespace skin
