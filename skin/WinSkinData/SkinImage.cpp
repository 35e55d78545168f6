#include "skin/WinSkinData/SkinImage.h"

#include <algorithm>
#include <cstring>

namespace skin {

std::string ImageEntryName(std::string_view value) {
  const std::size_t sep = value.find_last_of("\\:");
  const std::string_view name = sep == std::string_view::npos ? value : value.substr(sep + 1);
  const std::size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return {};
  return std::string(name);
}

void LoadImage(ui::TBitmap& bitmap, std::string_view value, const TSkinReader& reader) {
  bitmap.Clear();
  const std::string name = ImageEntryName(value);
  if (name.empty()) return;
  ui::TMemoryStream entry;
  if (!reader.ExtractByName(name, entry) || entry.Size() == 0) return;
  bitmap.LoadFromBytes(entry.Bytes());  // clears the bitmap on malformed data
}

void CopyBitmapRect(const ui::TBitmap& source, int x, int y, int width, int height, ui::TBitmap& dest) {
  dest.SetPixelFormat(source.PixelFormat());
  x = std::clamp(x, 0, source.Width());
  y = std::clamp(y, 0, source.Height());
  width = std::clamp(width, 0, source.Width() - x);
  height = std::clamp(height, 0, source.Height() - y);
  dest.SetSize(width, height);
  if (dest.Empty()) return;
  const int bpp = source.BytesPerPixel();
  for (int row = 0; row < height; ++row)
    std::memcpy(dest.ScanLine(row), source.ScanLine(y + row) + std::size_t(x) * bpp, std::size_t(width) * bpp);
}

}  // namespace skin
