#include "ui/Colors.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ui {

namespace {

#ifndef _WIN32
// The classic system colours, for builds without a system to ask.
TColor ClassicSystemColor(unsigned index) {
  static const TColor table[] = {
      RGBColor(200, 200, 200), RGBColor(0, 128, 128),   RGBColor(0, 0, 128),
      RGBColor(128, 128, 128), RGBColor(192, 192, 192), RGBColor(255, 255, 255),
      RGBColor(0, 0, 0),       RGBColor(0, 0, 0),       RGBColor(0, 0, 0),
      RGBColor(255, 255, 255), RGBColor(192, 192, 192), RGBColor(192, 192, 192),
      RGBColor(128, 128, 128), RGBColor(0, 0, 128),     RGBColor(255, 255, 255),
      RGBColor(192, 192, 192), RGBColor(128, 128, 128), RGBColor(128, 128, 128),
      RGBColor(0, 0, 0),       RGBColor(192, 192, 192), RGBColor(255, 255, 255),
      RGBColor(0, 0, 0),       RGBColor(223, 223, 223), RGBColor(0, 0, 0),
      RGBColor(255, 255, 225)};
  return index < sizeof table / sizeof table[0] ? table[index] : 0;
}
#endif

}  // namespace

TColor ColorToRGB(TColor c) {
  if (!IsSystemColor(c)) return c & 0x00FFFFFF;
#ifdef _WIN32
  return TColor(GetSysColor(int(c & 0xFF)));
#else
  return ClassicSystemColor(c & 0xFF);
#endif
}

}  // namespace ui
