// Colouring a skin: a hue rotation, a saturation and a brightness change on
// every pixel and colour of the skin. Greys have no hue and stay grey under a
// rotation; the key colour is never touched and nothing else becomes it, so
// regions and transparency never change with the colour. 0/0/0 is the skin
// as painted, pixel for pixel. Portable.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/Colors.h"
#include "ui/Graphics.h"

namespace skin {

struct TColourShift {
  int Hue = 0;         // rotation in degrees, 0 to 359
  int Saturation = 0;  // -100 (grey) to +100 (twice as saturated), 0 = as painted
  int Brightness = 0;  // -100 (black) to +100 (white), 0 = as painted

  bool Plain() const { return Hue == 0 && Saturation == 0 && Brightness == 0; }
  friend bool operator==(const TColourShift&, const TColourShift&) = default;
};

// Hue brought into 0..359, the others clamped to -100..100.
TColourShift NormalisedShift(TColourShift shift);

// `colour` shifted; system colours (and clNone) stay as they are.
ui::TColor ShiftColour(ui::TColor colour, const TColourShift& shift);

// Every pixel of `bitmap` shifted, except those of the `keys` colours; a
// pixel that would become a key colour is moved off it by one step of green.
void ShiftPixels(ui::TBitmap& bitmap, const TColourShift& shift, std::span<const ui::TColor> keys);

// The hue of an RGB colour in degrees (0 to 359; 0 for greys), and its
// saturation in HSL, 0 to 1.
int HueOf(ui::TColor colour);
double SaturationOf(ui::TColor colour);

// The contrast ratio of two RGB colours as readability guidelines define it
// (1 to 21).
double ContrastRatio(ui::TColor a, ui::TColor b);

// `text`, made lighter or darker away from `face` until it has at least
// `wanted` contrast against it; the best of black and white when no shade of
// it reaches that.
ui::TColor KeepContrast(ui::TColor text, ui::TColor face, double wanted);

// The hue rotation that turns a skin's accent (`accentHue` degrees, as
// painted) into the hue of `accent`; 0 for a grey accent, which has no hue.
int AccentRotation(int accentHue, ui::TColor accent);

// "H,S,B" (e.g. "120,0,0"; blanks allowed around the numbers): the shift, or
// nothing with `problem` saying what is wrong (the text quoted).
std::optional<TColourShift> ParseColourShift(std::string_view text, std::string& problem);

}  // namespace skin
