#include "skin/draw/Transparency.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "skin/draw/Frames.h"

namespace skin {

namespace {

TTransparentPath chosenPath = TTransparentPath::Platform;

#ifdef _MSC_VER
#pragma warning(push)
// GetVersionExW is deprecated, yet it is what reports the platform id.
#pragma warning(disable : 4996)
#endif
bool IsNtPlatform() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExW(&info)) return true;
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
#ifdef _MSC_VER
#pragma warning(pop)
#endif

bool UseMaskBlt() {
  switch (chosenPath) {
    case TTransparentPath::MaskBlt:
      return true;
    case TTransparentPath::ThreeBlits:
      return false;
    case TTransparentPath::Platform:
      break;
  }
  static const bool nt = IsNtPlatform();
  return nt;
}

// Mask 1 (key colour) keeps the destination, mask 0 takes the source.
constexpr DWORD kKeepDestination = 0x00AA0029;
constexpr DWORD kKeyKeepsDestination = MAKEROP4(kKeepDestination, SRCCOPY);

// Without MaskBlt: D ^ S, then AND the mask (key pixels white, others black,
// by the white background and black text colours), then ^ S again: key
// pixels come back to D, the others become S.
void ThreeBlits(HDC dc, int x, int y, int w, int h, HDC source, HDC mask) {
  const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  BitBlt(dc, x, y, w, h, mask, 0, 0, SRCAND);
  BitBlt(dc, x, y, w, h, source, 0, 0, SRCINVERT);
  SetBkColor(dc, oldBk);
  SetTextColor(dc, oldText);
}

// The bitmap put on through its key colour's mask: one MaskBlt, or the
// three blits through the mask selected for this call.
void PutThroughMask(HDC dc, const RECT& destRect, ui::TBitmap& bitmap, HBITMAP mask) {
  if (!mask) return;
  if (!UseMaskBlt()) {
    ui::MemoryDC maskDC;
    ui::SelectGuard selectMask(maskDC.Get(), mask);
    DrawTransparentThroughMask(dc, destRect, bitmap, maskDC.Get());
    return;
  }
  // Never read past the bitmap: its mask is only as large as the bitmap itself.
  const int w = std::min(RectWidth(destRect), bitmap.Width());
  const int h = std::min(RectHeight(destRect), bitmap.Height());
  if (w <= 0 || h <= 0) return;
  MaskBlt(dc, destRect.left, destRect.top, w, h, bitmap.Canvas().Handle(), 0, 0, mask, 0, 0, kKeyKeepsDestination);
}

}  // namespace

void SetTransparentPath(TTransparentPath path) { chosenPath = path; }

TTransparentPath GetTransparentPath() { return chosenPath; }

void DrawTransparent(HDC dc, const RECT& destRect, ui::TBitmap& bitmap, ui::TColor keyColour) {
  if (RectWidth(destRect) <= 0 || RectHeight(destRect) <= 0 || bitmap.Empty()) return;
  const ui::BitmapHandle mask = bitmap.CreateMask(keyColour);
  PutThroughMask(dc, destRect, bitmap, mask.Get());
}

void DrawTransparentThroughMask(HDC dc, const RECT& destRect, ui::TBitmap& bitmap, HDC maskDC) {
  const int w = std::min(RectWidth(destRect), bitmap.Width());
  const int h = std::min(RectHeight(destRect), bitmap.Height());
  if (w <= 0 || h <= 0 || !maskDC) return;
  ThreeBlits(dc, destRect.left, destRect.top, w, h, bitmap.Canvas().Handle(), maskDC);
}

bool CopyTransparent(ui::TBitmap& target, const RECT& destRect, const ui::TBitmap& bitmap, ui::TColor keyColour) {
  if (target.PixelFormat() != bitmap.PixelFormat()) return false;
  // The part that destRect, the bitmap and the target all cover.
  const int left = std::max<int>(destRect.left, 0), top = std::max<int>(destRect.top, 0);
  // In 64 bits: a rectangle far out must not overflow on its way to being cut off.
  const int right = int(std::min<std::int64_t>(
      {destRect.right, std::int64_t(destRect.left) + bitmap.Width(), std::int64_t(target.Width())}));
  const int bottom = int(std::min<std::int64_t>(
      {destRect.bottom, std::int64_t(destRect.top) + bitmap.Height(), std::int64_t(target.Height())}));
  const ui::TColor key = ui::ColorToRGB(keyColour);
  const int bpp = bitmap.BytesPerPixel();
  for (int y = top; y < bottom; ++y) {
    const std::uint8_t* from = bitmap.ScanLine(y - destRect.top) + std::size_t(left - destRect.left) * bpp;
    std::uint8_t* to = target.ScanLine(y) + std::size_t(left) * bpp;
    for (int x = left; x < right; ++x, from += bpp, to += bpp)
      if (ui::RGBColor(from[2], from[1], from[0]) != key) std::memcpy(to, from, std::size_t(bpp));
  }
  return true;
}

}  // namespace skin
