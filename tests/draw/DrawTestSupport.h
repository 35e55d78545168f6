// Helpers of the drawing tests: pictures whose pixels tell where they came
// from, target bitmaps to draw into and read back, and GDI object counts.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "ui/Graphics.h"

namespace drawtest {

constexpr ui::TColor kKey = ui::clFuchsia;
constexpr ui::TColor kBackground = ui::RGBColor(1, 2, 3);  // what targets hold before a draw

// Every pixel (x, y) of a coordinate picture is RGB(x, y, 0x80): a destination
// pixel names the source pixel that landed there. Never the key colour.
inline ui::TColor CoordColor(int x, int y) {
  return ui::RGBColor(std::uint8_t(x), std::uint8_t(y), 0x80);
}
inline bool IsCoord(ui::TColor c) { return ((c >> 16) & 0xFF) == 0x80; }
inline int SourceX(ui::TColor c) { return int(c & 0xFF); }
inline int SourceY(ui::TColor c) { return int((c >> 8) & 0xFF); }

inline std::unique_ptr<ui::TBitmap> CoordImage(int width, int height) {
  auto b = std::make_unique<ui::TBitmap>();
  b->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b->SetPixel(x, y, CoordColor(x, y));
  return b;
}

// A picture to draw into, filled with kBackground.
inline std::unique_ptr<ui::TBitmap> Target(int width, int height) {
  auto b = std::make_unique<ui::TBitmap>();
  b->SetSize(width, height);
  b->Fill(kBackground);
  return b;
}

inline HDC DC(ui::TBitmap& b) { return b.Canvas().Handle(); }

inline DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace drawtest

namespace drawtest {

// One axis of a nine-part draw: the frame's span in the image and the fixed
// bands at either end (after collapsing).
struct TAxis {
  int Start;  // of the frame in the image
  int Size;   // of the frame
  int Lead;   // fixed band at the start
  int Trail;  // fixed band at the end

  bool InMiddle(int d, int length) const { return d >= Lead && d < length - Trail; }
};

// Source coordinates [Low, High) that destination coordinate d of `length`
// may come from: the fixed bands are copied one to one, the middle comes from
// the frame's middle (exactly, repeating, when `tiled`).
struct TSourceSpan {
  int Low;
  int High;
};

inline TSourceSpan ExpectedSource(const TAxis& a, int d, int length, bool tiled) {
  if (d < a.Lead) return {a.Start + d, a.Start + d + 1};
  if (d >= length - a.Trail) {
    const int s = a.Start + a.Size - (length - d);
    return {s, s + 1};
  }
  if (tiled) {
    const int s = a.Start + a.Lead + (d - a.Lead) % (a.Size - a.Lead - a.Trail);
    return {s, s + 1};
  }
  return {a.Start + a.Lead, a.Start + a.Size - a.Trail};
}

// Checks every pixel of the w x h area at (ox, oy) of `out` against the
// nine-part layout; only the centre is tiled. `skipCentre` leaves it unchecked.
inline ::testing::AssertionResult MatchesNinePart(const ui::TBitmap& out, int ox, int oy, int w,
                                                  int h, TAxis ax, TAxis ay, bool tiled,
                                                  bool skipCentre = false) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool centre = ax.InMiddle(x, w) && ay.InMiddle(y, h);
      if (centre && skipCentre) continue;
      const ui::TColor c = out.Pixel(ox + x, oy + y);
      const TSourceSpan sx = ExpectedSource(ax, x, w, tiled && centre);
      const TSourceSpan sy = ExpectedSource(ay, y, h, tiled && centre);
      if (!IsCoord(c) || SourceX(c) < sx.Low || SourceX(c) >= sx.High || SourceY(c) < sy.Low ||
          SourceY(c) >= sy.High)
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") came from (" << SourceX(c) << ", " << SourceY(c)
               << "), expected x in [" << sx.Low << ", " << sx.High << "), y in [" << sy.Low << ", "
               << sy.High << ")";
    }
  return ::testing::AssertionSuccess();
}

// True when every pixel of the area still holds kBackground.
inline ::testing::AssertionResult Untouched(const ui::TBitmap& out, const RECT& area) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (out.Pixel(x, y) != kBackground)
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") was drawn";
  return ::testing::AssertionSuccess();
}

// True when every pixel of `out` outside `drawn` still holds kBackground.
inline ::testing::AssertionResult UntouchedOutside(const ui::TBitmap& out, const RECT& drawn) {
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      const POINT p{x, y};
      if (!PtInRect(&drawn, p) && out.Pixel(x, y) != kBackground)
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") was drawn";
    }
  return ::testing::AssertionSuccess();
}

}  // namespace drawtest
