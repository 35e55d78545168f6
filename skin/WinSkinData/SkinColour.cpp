#include "skin/WinSkinData/SkinColour.h"

#include <array>
#include <string>

namespace skin {

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

ui::TColor ParseColour(std::string_view text, ui::TColor def) {
  if (text.empty()) return def;
  std::array<unsigned, 3> component{};
  std::size_t k = 0;  // index of the component being read
  unsigned value = 0;  // kept modulo 256: only the low byte counts
  bool digits = false;
  for (char c : TrimBlanks(text)) {
    if (c >= '0' && c <= '9') {
      value = (value * 10 + unsigned(c - '0')) % 256;
      digits = true;
      continue;
    }
    if (digits && k < component.size()) component[k] = value;
    ++k;
    value = 0;
    digits = false;
  }
  if (k == 2 && digits) component[2] = value;
  return ui::RGBColor(std::uint8_t(component[0]), std::uint8_t(component[1]), std::uint8_t(component[2]));
}

ui::TColor ReadTitleColour(const TIniFile& ini, std::string_view prefix) {
  const std::string p(prefix);
  const std::int32_t r = ini.ReadInteger("Personality", p + "R", -1);
  const std::int32_t g = ini.ReadInteger("Personality", p + "G", -1);
  const std::int32_t b = ini.ReadInteger("Personality", p + "B", -1);
  if (r < 0 || g < 0 || b < 0) return ui::clNone;
  return ui::RGBColor(std::uint8_t(r % 256), std::uint8_t(g % 256), std::uint8_t(b % 256));
}

}  // namespace skin
