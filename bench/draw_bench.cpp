// Drawing benchmark: the window region of the training window (713 x 548) built
// from our skin's four border strips, against a naive build of the same region
// (a GetPixel per pixel, a CombineRgn per run); and one title bar of 713 x 26
// composed with CreateSlicedBitmap and put on a bitmap with one blit.
// Prints ratios of times measured side by side in one run.
//
//   draw_bench [stored-skin-file] [--rounds N]
// The stored skin defaults to ..\skin\tavrin.skin beside the executable's folder.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/StoredSkinFile.h"
#include "skin/WinSkinData/SkinSet.h"
#include "skin/draw/SkinDraw.h"
#include "ui/Graphics.h"

namespace {

constexpr int kWindowWidth = 713;
constexpr int kWindowHeight = 548;
constexpr ui::TColor kKey = 0x00FF00FF;

bool LoadSkin(const std::wstring& path, skin::TSkinSet& skinSet) {
  std::vector<std::uint8_t> bytes;
  if (!bench::ReadWholeFile(path, bytes)) return false;
  ui::TMemoryStream stream(std::move(bytes));
  return skinSet.LoadFromStored(stream);
}

// One border strip of the window as the frame painter composes it (frame 1).
struct Strip {
  std::unique_ptr<ui::TBitmap> bitmap;
  int x, y;
};

std::vector<Strip> BorderStrips(skin::TSkinSet& skinSet) {
  auto& left = *skinSet.Borders[skin::bdLeft];
  auto& right = *skinSet.Borders[skin::bdRight];
  auto& top = *skinSet.Borders[skin::bdTop];
  auto& bottom = *skinSet.Borders[skin::bdBottom];
  const int bl = left.Bitmap.Width() / left.SafeFrameCount();
  const int br = right.Bitmap.Width() / right.SafeFrameCount();
  const int bt = top.Bitmap.Height() / top.SafeFrameCount();
  const int bb = bottom.Bitmap.Height() / bottom.SafeFrameCount();
  auto make = [](skin::TDataSkinBorder& border, RECT r, bool vertical) {
    const RECT margins{border.LeftWidth, border.TopHeight, border.RightWidth, border.BottomHeight};
    return skin::CreateSlicedBitmap(r, border.Bitmap, margins, vertical, border.Tile != 1,
                                    border.FrameCount, 1);
  };
  std::vector<Strip> strips;
  strips.push_back({make(left, RECT{0, 0, bl, kWindowHeight}, false), 0, 0});
  strips.push_back({make(right, RECT{0, 0, br, kWindowHeight}, false), kWindowWidth - br, 0});
  strips.push_back({make(top, RECT{0, 0, kWindowWidth - bl - br, bt}, true), bl, 0});
  strips.push_back({make(bottom, RECT{0, 0, kWindowWidth - bl - br, bb}, true), bl, kWindowHeight - bb});
  return strips;
}

// The window region the engine's way: one region per strip, joined.
HRGN FastRegion(std::vector<Strip>& strips) {
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  for (Strip& s : strips) {
    ui::RegionHandle part = skin::CreateRegionFromBitmap(*s.bitmap, s.x, s.y, kKey, 1, 1, 1);
    CombineRgn(all, all, part.Get(), RGN_OR);
  }
  return all;
}

bool IsKey(COLORREF c) {
  return ui::GetRValue(c) == 255 && ui::GetGValue(c) <= 1 && ui::GetBValue(c) == 255;
}

// The obvious way: read each pixel through GDI and add each run as a region.
HRGN NaiveRegion(std::vector<Strip>& strips) {
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  for (Strip& s : strips) {
    HDC dc = s.bitmap->Canvas().Handle();
    for (int y = 0; y < s.bitmap->Height(); ++y) {
      int x = 0;
      while (x < s.bitmap->Width()) {
        const int x0 = x;
        while (x < s.bitmap->Width() && !IsKey(GetPixel(dc, x, y))) ++x;
        if (x > x0) {
          HRGN run = CreateRectRgn(s.x + x0, s.y + y, s.x + x, s.y + y + 1);
          CombineRgn(all, all, run, RGN_OR);
          DeleteObject(run);
        }
        ++x;
      }
    }
  }
  return all;
}

double Seconds(const std::function<void()>& work, int rounds) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const bench::TBenchArgs args = bench::ParseArgs(argc, argv, 20);
  const std::wstring& skinPath = args.SkinPath;
  const int rounds = args.Rounds;
  skin::TSkinSet skinSet;
  if (!LoadSkin(skinPath, skinSet)) {
    std::fprintf(stderr, "cannot load the stored skin %ls\n", skinPath.c_str());
    return 1;
  }
  std::vector<Strip> strips = BorderStrips(skinSet);

  // Both builds must give the same region before their times mean anything.
  HRGN fast = FastRegion(strips), naive = NaiveRegion(strips);
  const bool same = EqualRgn(fast, naive) != FALSE;
  DeleteObject(fast);
  DeleteObject(naive);
  std::printf("window region %dx%d from the four border strips: regions %s\n", kWindowWidth,
              kWindowHeight, same ? "equal" : "DIFFER");
  if (!same) return 2;

  double tFast = 0, tNaive = 0;
  for (int pass = 0; pass < 3; ++pass) {  // alternate so machine noise hits both
    tFast += Seconds([&] { DeleteObject(FastRegion(strips)); }, rounds);
    tNaive += Seconds([&] { DeleteObject(NaiveRegion(strips)); }, std::max(1, rounds / 4)) * 4;
  }
  std::printf("  CreateRegionFromBitmap: %8.3f ms per region\n", tFast * 1000 / (3 * rounds));
  std::printf("  naive (GetPixel, CombineRgn per run): %8.3f ms per region\n", tNaive * 1000 / (3 * rounds));
  std::printf("  ratio naive / ours: %.1fx\n", tNaive / tFast);

  // Title bar: compose 713 x 26 off screen, then one blit onto a target bitmap.
  auto& top = *skinSet.Borders[skin::bdTop];
  const RECT margins{top.LeftWidth, top.TopHeight, top.RightWidth, top.BottomHeight};
  ui::TBitmap target;
  target.SetSize(kWindowWidth, 26);
  const RECT bar{0, 0, kWindowWidth, 26};
  auto titleBar = [&] {
    auto sliced = skin::CreateSlicedBitmap(bar, top.Bitmap, margins, true, top.Tile != 1, top.FrameCount, 1);
    BitBlt(target.Canvas().Handle(), 0, 0, kWindowWidth, 26, sliced->Canvas().Handle(), 0, 0, SRCCOPY);
    GdiFlush();
  };
  // Beside it, the border slices drawn straight onto the target: no off-screen
  // bitmap to allocate, but every slice lands on the target separately (on a
  // window that shows as flicker). The ratio is the price of composing.
  auto direct = [&] {
    skin::DrawSlicedBorder(target.Canvas().Handle(), bar, top.Bitmap, margins, true, false, top.FrameCount, 1);
    GdiFlush();
  };
  const int barRounds = rounds * 25;
  double tCompose = 0, tDirect = 0;
  for (int pass = 0; pass < 3; ++pass) {
    tCompose += Seconds(titleBar, barRounds);
    tDirect += Seconds(direct, barRounds);
  }
  std::printf("title bar %dx26: CreateSlicedBitmap + one blit %8.3f ms, border slices drawn in place %8.3f ms\n",
              kWindowWidth, tCompose * 1000 / (3 * barRounds), tDirect * 1000 / (3 * barRounds));
  std::printf("  ratio composed / in place: %.2fx\n", tCompose / tDirect);
  return 0;
}
