#include "ui/Graphics.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "ui/BitmapFile.h"

namespace ui {

namespace {

int StrideFor(int width, TPixelFormat format) {
  const int bpp = format == TPixelFormat::pf32bit ? 4 : 3;
  return ((width * bpp) + 3) & ~3;  // rows stay DWORD-aligned as GDI wants them
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
#ifdef _WIN32
  canvas_.reset();  // deselects the picture before it is deleted
  if (dib_) {
    DeleteObject(dib_);
    CountGdi(-1);
  }
#endif
}

void TBitmap::Flush() const {
#ifdef _WIN32
  GdiFlush();  // GDI may batch drawing; pixels must be current before direct access
#endif
}

// Makes a new, black picture and frees the old one (the caller copies what it keeps).
void TBitmap::Allocate(int width, int height, TPixelFormat format) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width > kMaxBitmapSide || height > kMaxBitmapSide ||
      std::uint64_t(width) * std::uint64_t(height) > kMaxBitmapPixels)
    throw std::length_error("bitmap too large");
  const int stride = StrideFor(width, format);
#ifdef _WIN32
  HBITMAP dib = nullptr;
  void* bits = nullptr;
  if (width > 0 && height > 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = WORD(format == TPixelFormat::pf32bit ? 32 : 24);
    info.bmiHeader.biCompression = BI_RGB;
    dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib) throw std::bad_alloc();
    CountGdi(1);
  }
  if (canvas_) SelectObject(canvas_->dc_, dib ? HGDIOBJ(dib) : canvas_->oldBitmap_);
  if (dib_) {
    DeleteObject(dib_);
    CountGdi(-1);
  }
  dib_ = dib;
  bits_ = static_cast<std::uint8_t*>(bits);
#else
  store_.assign(std::size_t(stride) * height, 0);
  bits_ = store_.empty() ? nullptr : store_.data();
#endif
  width_ = width;
  height_ = height;
  stride_ = stride;
  format_ = format;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  // The old picture moves aside (no copy of it is made) until its overlap is
  // in the new one; the canvas stays with this bitmap.
  const TPixelFormat format = format_;
  TBitmap old;
  old.TakePicture(*this);
  try {
    Allocate(width, height, format);
  } catch (...) {
    TakePicture(old);  // a failed resize leaves the picture as it was
    throw;
  }
  const int rows = std::min(height_, old.height_);
  const int bytes = std::min(width_, old.width_) * BytesPerPixel();
  for (int y = 0; y < rows; ++y) std::memcpy(ScanLine(y), old.ScanLine(y), std::size_t(bytes));
}

void TBitmap::Swap(TBitmap& other) {
  if (&other == this) return;
  Flush();
#ifdef _WIN32
  // A picture can be selected into one device context at a time: both
  // canvases let go of theirs before either takes the other's.
  if (canvas_) SelectObject(canvas_->dc_, canvas_->oldBitmap_);
  if (other.canvas_) SelectObject(other.canvas_->dc_, other.canvas_->oldBitmap_);
#endif
  TakePicture(other);
#ifdef _WIN32
  if (canvas_ && dib_) SelectObject(canvas_->dc_, dib_);
  if (other.canvas_ && other.dib_) SelectObject(other.canvas_->dc_, other.dib_);
#endif
}

void TBitmap::TakePicture(TBitmap& from) {
  std::swap(width_, from.width_);
  std::swap(height_, from.height_);
  std::swap(stride_, from.stride_);
  std::swap(format_, from.format_);
  std::swap(bits_, from.bits_);
#ifdef _WIN32
  std::swap(dib_, from.dib_);
#else
  std::swap(store_, from.store_);
#endif
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  TBitmap old;
  old.Assign(*this);
  Allocate(width_, height_, format);
  const int from = old.BytesPerPixel(), to = BytesPerPixel();
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = old.ScanLine(y);
    std::uint8_t* d = ScanLine(y);
    for (int x = 0; x < width_; ++x) std::memcpy(d + x * to, s + x * from, 3);
  }
}

std::uint8_t* TBitmap::ScanLine(int row) {
  Flush();
  if (row < 0 || row >= height_) throw std::out_of_range("scan line index out of range");
  return bits_ + std::size_t(row) * stride_;
}

const std::uint8_t* TBitmap::ScanLine(int row) const {
  return const_cast<TBitmap*>(this)->ScanLine(row);
}

TColor TBitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::uint8_t* p = ScanLine(y) + x * BytesPerPixel();
  return RGBColor(p[2], p[1], p[0]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  color = ColorToRGB(color);
  std::uint8_t* p = ScanLine(y) + x * BytesPerPixel();
  p[0] = GetBValue(color);
  p[1] = GetGValue(color);
  p[2] = GetRValue(color);
}

void TBitmap::Fill(TColor color) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) SetPixel(x, y, color);
}

bool TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  auto decoded = DecodeBitmapFile(bytes);
  if (!decoded) {
    Clear();
    return false;
  }
  Allocate(decoded->Width, decoded->Height,
           decoded->SourceBitCount > 24 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
  const int bpp = BytesPerPixel();
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = &decoded->Pixels[std::size_t(y) * width_ * 4];
    std::uint8_t* d = ScanLine(y);
    for (int x = 0; x < width_; ++x) std::memcpy(d + x * bpp, s + x * 4, std::size_t(bpp));
  }
  return true;
}

bool TBitmap::LoadFromStream(TStream& stream) {
  std::vector<std::uint8_t> bytes(std::size_t(stream.Remaining()));
  const std::size_t got = bytes.empty() ? 0 : stream.Read(bytes.data(), bytes.size());
  bytes.resize(got);
  return LoadFromBytes(bytes);
}

void TBitmap::SaveToStream(TStream& stream) const {
  std::vector<std::uint8_t> bgra(std::size_t(width_) * height_ * 4, 0);
  const int bpp = BytesPerPixel();
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* s = ScanLine(y);
    for (int x = 0; x < width_; ++x) std::memcpy(&bgra[(std::size_t(y) * width_ + x) * 4], s + x * bpp, std::size_t(bpp));
  }
  const auto file = EncodeBitmapFile(width_, height_, bgra, bpp * 8);
  stream.WriteBuffer(file.data(), file.size());
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  Allocate(source.width_, source.height_, source.format_);
  for (int y = 0; y < height_; ++y)
    std::memcpy(ScanLine(y), source.ScanLine(y), std::size_t(stride_));
  Transparent = source.Transparent;
  TransparentColor = source.TransparentColor;
}

TColor TBitmap::EffectiveTransparentColor() const {
  if (TransparentColor != clNone) return ColorToRGB(TransparentColor);
  return Pixel(0, height_ - 1);
}

#ifdef _WIN32

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    auto canvas = std::make_unique<TCanvas>(CreateCompatibleDC(nullptr));
    if (!canvas->dc_) throw std::bad_alloc();
    CountGdi(1);
    canvas->owned_ = true;
    if (dib_) canvas->oldBitmap_ = SelectObject(canvas->dc_, dib_);
    else canvas->oldBitmap_ = GetCurrentObject(canvas->dc_, OBJ_BITMAP);
    canvas_ = std::move(canvas);
  }
  return *canvas_;
}

BitmapHandle TBitmap::CreateMask(TColor key) const {
  if (Empty()) return BitmapHandle();
  key = ColorToRGB(key);
  const int maskStride = ((width_ + 15) / 16) * 2;  // monochrome rows are WORD-aligned
  std::vector<std::uint8_t> bits(std::size_t(maskStride) * height_, 0);
  const int bpp = BytesPerPixel();
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* p = ScanLine(y);
    for (int x = 0; x < width_; ++x, p += bpp)
      if (RGBColor(p[2], p[1], p[0]) == key) bits[std::size_t(y) * maskStride + x / 8] |= std::uint8_t(0x80 >> (x % 8));
  }
  return BitmapHandle(CreateBitmap(width_, height_, 1, 1, bits.data()));
}

TCanvas::~TCanvas() {
  if (owned_ && dc_) {
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
    CountGdi(-1);
  }
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& from, const RECT& source) {
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, from.Handle(),
             source.left, source.top, source.right - source.left, source.bottom - source.top, SRCCOPY);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& dest, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = dest.right - dest.left, h = dest.bottom - dest.top;
  HDC src = bitmap.Canvas().Handle();
  if (!bitmap.Transparent) {
    StretchBlt(dc_, dest.left, dest.top, w, h, src, 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
    return;
  }
  // Key pixels keep the destination: invert in, mask out, invert back.
  BitmapHandle mask = bitmap.CreateMask(bitmap.EffectiveTransparentColor());
  MemoryDC maskDC;
  SelectGuard selectMask(maskDC.Get(), mask.Get());
  const COLORREF oldBk = SetBkColor(dc_, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc_, RGB(0, 0, 0));
  StretchBlt(dc_, dest.left, dest.top, w, h, src, 0, 0, bitmap.Width(), bitmap.Height(), SRCINVERT);
  StretchBlt(dc_, dest.left, dest.top, w, h, maskDC.Get(), 0, 0, bitmap.Width(), bitmap.Height(), SRCAND);
  StretchBlt(dc_, dest.left, dest.top, w, h, src, 0, 0, bitmap.Width(), bitmap.Height(), SRCINVERT);
  SetBkColor(dc_, oldBk);
  SetTextColor(dc_, oldText);
}

void TCanvas::FillRect(const RECT& r, TColor color) {
  BrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
  ::FillRect(dc_, &r, brush.Get());
}

TColor TCanvas::Pixel(int x, int y) const { return TColor(GetPixel(dc_, x, y)); }

#endif

}  // namespace ui
