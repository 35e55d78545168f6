#include "skin/draw/Transforms.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin {

void FlipBitmapVertical(ui::TBitmap& bitmap) {
  const int h = bitmap.Height();
  const std::size_t bytes = std::size_t(bitmap.Width()) * bitmap.BytesPerPixel();
  for (int top = 0, bottom = h - 1; top < bottom; ++top, --bottom) {
    std::uint8_t* a = bitmap.ScanLine(top);
    std::swap_ranges(a, a + bytes, bitmap.ScanLine(bottom));
  }
}

namespace {

// A quarter turn of a W x H picture: the old pixel that lands at new (x, y).
struct TTurn {
  int W, H;
  bool Clockwise;
  POINT Source(int x, int y) const { return Clockwise ? POINT{y, H - 1 - x} : POINT{W - 1 - y, x}; }
};

// Reads the old pixels through the scan lines (the picture is a DIB section,
// so no device context is needed), then resizes and writes each new pixel.
void Rotate(ui::TBitmap& bitmap, bool clockwise) {
  const TTurn turn{bitmap.Width(), bitmap.Height(), clockwise};
  if (turn.W == 0 || turn.H == 0) {
    bitmap.SetSize(turn.H, turn.W);
    return;
  }
  const int bpp = bitmap.BytesPerPixel();
  const std::size_t rowBytes = std::size_t(turn.W) * bpp;
  std::vector<std::uint8_t> old(rowBytes * turn.H);
  for (int y = 0; y < turn.H; ++y)
    std::memcpy(&old[std::size_t(y) * rowBytes], bitmap.ScanLine(y), rowBytes);

  bitmap.SetSize(turn.H, turn.W);
  for (int y = 0; y < turn.W; ++y) {
    std::uint8_t* target = bitmap.ScanLine(y);
    for (int x = 0; x < turn.H; ++x) {
      const POINT from = turn.Source(x, y);
      std::memcpy(target + x * bpp,
                  &old[std::size_t(from.y) * rowBytes + std::size_t(from.x) * bpp],
                  std::size_t(bpp));
    }
  }
}

}  // namespace

void RotateBitmapLeft(ui::TBitmap& bitmap) { Rotate(bitmap, false); }

void RotateBitmapRight(ui::TBitmap& bitmap) { Rotate(bitmap, true); }

}  // namespace skin
