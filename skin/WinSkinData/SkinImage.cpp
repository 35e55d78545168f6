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

int LargerImageDpi(std::string_view base, std::string_view entry) {
  constexpr std::string_view kExtension = ".bmp";
  if (!base.ends_with(kExtension)) return 0;
  const std::string_view stem = base.substr(0, base.size() - kExtension.size());
  if (!entry.starts_with(stem) || !entry.ends_with(kExtension)) return 0;
  std::string_view scale = entry.substr(stem.size(), entry.size() - stem.size() - kExtension.size());
  if (scale.size() < 3 || scale.front() != '@' || scale.back() != 'x') return 0;
  scale = scale.substr(1, scale.size() - 2);
  // Whole part, then at most two decimals, in hundredths.
  int hundredths = 0, decimals = -1;
  for (const char c : scale) {
    if (c == '.' && decimals < 0) { decimals = 0; continue; }
    if (c < '0' || c > '9' || decimals >= 2 || hundredths > 100000) return 0;
    hundredths = hundredths * 10 + (c - '0');
    if (decimals >= 0) ++decimals;
  }
  if (decimals == 0) return 0;  // "2.x": a point without decimals
  for (int d = std::max(decimals, 0); d < 2; ++d) hundredths *= 10;
  const int dpi = (hundredths * 96 + 50) / 100;
  return dpi > 96 && dpi <= 8 * 96 ? dpi : 0;
}

void LoadImage(ui::TBitmap& bitmap, TLargerImages& larger, std::string_view value, const TSkinReader& reader) {
  LoadImage(bitmap, value, reader);
  larger.clear();
  const std::string base = LowerAscii(ImageEntryName(value));
  if (bitmap.Empty()) return;
  for (const std::string& name : reader.Names()) {
    const std::string entry = LowerAscii(name);
    const int dpi = LargerImageDpi(base, entry);
    const bool known = std::any_of(larger.begin(), larger.end(), [dpi](const auto& l) { return l->Dpi == dpi; });
    if (dpi == 0 || known) continue;
    auto image = std::make_unique<TLargerImage>();
    image->Name = entry;
    image->Dpi = dpi;
    LoadImage(image->Bitmap, entry, reader);
    if (!image->Bitmap.Empty()) larger.push_back(std::move(image));
  }
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
