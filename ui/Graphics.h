// Bitmaps and canvases. A TBitmap keeps its pixels in one block of top-down
// rows (a DIB section on Windows, plain memory elsewhere), so painters can use
// scan lines and GDI on the same image; a TCanvas is a device context with the
// few drawing operations the painters share.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "ui/Colors.h"
#include "ui/Streams.h"

#ifdef _WIN32
#include <windows.h>

#include "ui/GdiHandles.h"
#endif

namespace ui {

enum class TPixelFormat { pf24bit, pf32bit };

#ifdef _WIN32
class TCanvas;
#endif

class TBitmap {
 public:
  TBitmap();
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  TPixelFormat PixelFormat() const { return format_; }
  // Converts the pixels to the new format.
  void SetPixelFormat(TPixelFormat format);
  int BytesPerPixel() const { return format_ == TPixelFormat::pf32bit ? 4 : 3; }

  // New size; the overlapping part of the old picture is kept, new pixels are black.
  // Negative sizes count as 0; sizes beyond the bitmap-file limits throw std::length_error.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Frees the picture (Empty() becomes true); format and transparency stay.
  void Clear() { SetSize(0, 0); }

  // Row `row` (0 = top) of the picture; rows are BytesPerLine() apart.
  // Pixel bytes are B, G, R (and a fourth, unused byte at 32 bits).
  std::uint8_t* ScanLine(int row);
  const std::uint8_t* ScanLine(int row) const;
  int BytesPerLine() const { return stride_; }

  // RGB colour of one pixel (0 outside the picture); writes outside are ignored.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  void Fill(TColor color);

  // Loads a bitmap file from `bytes`; on malformed data clears the picture and returns false.
  // Files of more than 24 bits load as pf32bit, all others as pf24bit.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes);
  // Loads the rest of `stream` as a bitmap file.
  bool LoadFromStream(TStream& stream);
  // Writes the picture as a bitmap file of its pixel format.
  void SaveToStream(TStream& stream) const;

  // Copies picture, format and transparency settings of `source`.
  void Assign(const TBitmap& source);
  // Exchanges the pictures (with their sizes and formats) of this bitmap and
  // `other`, copying no pixel; each canvas then draws into its bitmap's new
  // picture. Transparency settings stay.
  void Swap(TBitmap& other);

  // Drawing with Transparent set leaves the TransparentColor pixels out;
  // clNone as TransparentColor means the colour of the bottom-left pixel.
  bool Transparent = false;
  TColor TransparentColor = clNone;
  TColor EffectiveTransparentColor() const;

#ifdef _WIN32
  HBITMAP Handle() const { return dib_; }
  // The canvas draws into the picture (created on first use).
  TCanvas& Canvas();
  // Monochrome mask of the size of the picture: pixels of `key` are 1 (white), others 0.
  BitmapHandle CreateMask(TColor key) const;
#endif

 private:
  void Allocate(int width, int height, TPixelFormat format);
  // Swaps the pictures (not the canvases) of this bitmap and `from`, which
  // has no canvas; this bitmap's canvas keeps its selection until Allocate.
  void TakePicture(TBitmap& from);
  void Flush() const;

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  std::uint8_t* bits_ = nullptr;
#ifdef _WIN32
  HBITMAP dib_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
#else
  std::vector<std::uint8_t> store_;
#endif
};

#ifdef _WIN32
// A drawing surface around a device context. A canvas made for a bitmap owns
// its memory DC; one made over a given DC only borrows it.
class TCanvas {
 public:
  explicit TCanvas(HDC dc = nullptr) : dc_(dc) {}
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }

  // Stretches `source` of `from` onto `dest` (SRCCOPY, the DC's stretch mode).
  void CopyRect(const RECT& dest, TCanvas& from, const RECT& source);
  // Puts the whole bitmap at (x, y), leaving out its transparent colour when Transparent.
  void Draw(int x, int y, TBitmap& bitmap);
  // Stretches the whole bitmap to `dest`, honouring Transparent like Draw.
  void StretchDraw(const RECT& dest, TBitmap& bitmap);
  void FillRect(const RECT& r, TColor color);
  TColor Pixel(int x, int y) const;

 private:
  friend class TBitmap;
  HDC dc_;
  bool owned_ = false;
  HGDIOBJ oldBitmap_ = nullptr;
};
#endif

}  // namespace ui
