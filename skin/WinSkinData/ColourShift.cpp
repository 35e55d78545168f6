#include "skin/WinSkinData/ColourShift.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace skin {

namespace {

// Channels by hand: <windows.h> defines the usual names as macros.
constexpr std::uint8_t Red(ui::TColor c) { return std::uint8_t(c); }
constexpr std::uint8_t Green(ui::TColor c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t Blue(ui::TColor c) { return std::uint8_t(c >> 16); }

struct THsl {
  double H = 0;  // degrees
  double S = 0;
  double L = 0;
};

THsl ToHsl(ui::TColor c) {
  const double r = Red(c) / 255.0, g = Green(c) / 255.0, b = Blue(c) / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  THsl out;
  out.L = (high + low) / 2;
  const double d = high - low;
  if (d <= 0) return out;  // a grey: no hue, no saturation
  out.S = out.L > 0.5 ? d / (2 - high - low) : d / (high + low);
  if (high == r) out.H = 60 * std::fmod((g - b) / d + 6, 6);
  else if (high == g) out.H = 60 * ((b - r) / d + 2);
  else out.H = 60 * ((r - g) / d + 4);
  return out;
}

std::uint8_t Channel(double v) { return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

ui::TColor FromHsl(const THsl& c) {
  if (c.S <= 0) return ui::RGBColor(Channel(c.L), Channel(c.L), Channel(c.L));
  const double chroma = (1 - std::fabs(2 * c.L - 1)) * c.S;
  const double h = std::fmod(c.H, 360) / 60;
  const double x = chroma * (1 - std::fabs(std::fmod(h, 2) - 1));
  double r = 0, g = 0, b = 0;
  switch (int(h)) {
    case 0: r = chroma, g = x; break;
    case 1: r = x, g = chroma; break;
    case 2: g = chroma, b = x; break;
    case 3: g = x, b = chroma; break;
    case 4: r = x, b = chroma; break;
    default: r = chroma, b = x; break;
  }
  const double m = c.L - chroma / 2;
  return ui::RGBColor(Channel(r + m), Channel(g + m), Channel(b + m));
}

ui::TColor ShiftRgb(ui::TColor colour, const TColourShift& s) {
  THsl c = ToHsl(colour);
  c.H = std::fmod(c.H + s.Hue, 360);
  c.S = std::clamp(c.S * (1 + s.Saturation / 100.0), 0.0, 1.0);  // a grey stays grey whatever the sign
  const double b = s.Brightness / 100.0;
  c.L = b < 0 ? c.L * (1 + b) : c.L + (1 - c.L) * b;
  return FromHsl(c);
}

double Linear(std::uint8_t channel) {
  const double v = channel / 255.0;
  return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(ui::TColor c) {
  return 0.2126 * Linear(Red(c)) + 0.7152 * Linear(Green(c)) + 0.0722 * Linear(Blue(c));
}

// Skin images repeat few colours: each distinct colour is shifted once.
class TShiftCache {
 public:
  explicit TShiftCache(const TColourShift& shift) : shift_(shift) { keys_.fill(kUnused); }
  ui::TColor Shift(ui::TColor c) {
    const std::size_t slot = (c * 2654435761u >> 20) & (kSlots - 1);
    if (keys_[slot] != c) {
      keys_[slot] = c;
      values_[slot] = ShiftRgb(c, shift_);
    }
    return values_[slot];
  }

 private:
  static constexpr std::size_t kSlots = 4096;
  static constexpr ui::TColor kUnused = 0xFFFFFFFFu;  // no RGB colour
  TColourShift shift_;
  std::array<ui::TColor, kSlots> keys_;
  std::array<ui::TColor, kSlots> values_{};
};

// One step of green off a key colour (up, or down from full green).
ui::TColor OffKey(ui::TColor c) {
  const std::uint8_t g = Green(c);
  return ui::RGBColor(Red(c), std::uint8_t(g < 255 ? g + 1 : g - 1), Blue(c));
}

bool ParseInt(std::string_view text, int& value) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

TColourShift NormalisedShift(TColourShift s) {
  s.Hue = ((s.Hue % 360) + 360) % 360;
  s.Saturation = std::clamp(s.Saturation, -100, 100);
  s.Brightness = std::clamp(s.Brightness, -100, 100);
  return s;
}

ui::TColor ShiftColour(ui::TColor colour, const TColourShift& shift) {
  if (shift.Plain() || (colour & 0xFF000000u) != 0) return colour;
  return ShiftRgb(colour, shift);
}

void ShiftPixels(ui::TBitmap& bitmap, const TColourShift& shift, std::span<const ui::TColor> keys) {
  if (shift.Plain() || bitmap.Empty()) return;
  TShiftCache cache(shift);
  const int bpp = bitmap.BytesPerPixel();
  const auto isKey = [keys](ui::TColor c) { return std::find(keys.begin(), keys.end(), c) != keys.end(); };
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += bpp) {
      const ui::TColor c = ui::RGBColor(p[2], p[1], p[0]);
      if (isKey(c)) continue;
      ui::TColor shifted = cache.Shift(c);
      for (int tries = 0; isKey(shifted) && tries < 2; ++tries) shifted = OffKey(shifted);
      p[0] = Blue(shifted);
      p[1] = Green(shifted);
      p[2] = Red(shifted);
    }
  }
}

int HueOf(ui::TColor colour) { return int(std::lround(ToHsl(colour).H)) % 360; }

double SaturationOf(ui::TColor colour) { return ToHsl(colour).S; }

double ContrastRatio(ui::TColor a, ui::TColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ui::TColor KeepContrast(ui::TColor text, ui::TColor face, double wanted) {
  if ((text | face) & 0xFF000000u) return text;  // a system colour: the system keeps it readable
  if (ContrastRatio(text, face) >= wanted) return text;
  // Away from the face: darker on a light face, lighter on a dark one.
  const bool darker = Luminance(face) > 0.18;
  THsl c = ToHsl(text);
  for (int step = 1; step <= 20; ++step) {
    const double t = step / 20.0;
    THsl moved = c;
    moved.L = darker ? c.L * (1 - t) : c.L + (1 - c.L) * t;
    const ui::TColor candidate = FromHsl(moved);
    if (ContrastRatio(candidate, face) >= wanted) return candidate;
  }
  return ContrastRatio(ui::clBlack, face) >= ContrastRatio(ui::clWhite, face) ? ui::clBlack : ui::clWhite;
}

int AccentRotation(int accentHue, ui::TColor accent) {
  if (accentHue < 0 || SaturationOf(accent) < 0.05) return 0;
  return ((HueOf(accent) - accentHue) % 360 + 360) % 360;
}

std::optional<TColourShift> ParseColourShift(std::string_view text, std::string& problem) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  TColourShift shift;
  if (parts.size() != 3 || !ParseInt(parts[0], shift.Hue) || !ParseInt(parts[1], shift.Saturation) ||
      !ParseInt(parts[2], shift.Brightness)) {
    problem = "--colour " + quoted + ": three whole numbers are needed, hue,saturation,brightness (e.g. 120,0,0)";
    return std::nullopt;
  }
  if (shift.Hue < 0 || shift.Hue > 359) {
    problem = "--colour " + quoted + ": the hue must be 0 to 359 degrees";
    return std::nullopt;
  }
  if (shift.Saturation < -100 || shift.Saturation > 100 || shift.Brightness < -100 || shift.Brightness > 100) {
    problem = "--colour " + quoted + ": saturation and brightness must be -100 to 100";
    return std::nullopt;
  }
  return shift;
}

}  // namespace skin
