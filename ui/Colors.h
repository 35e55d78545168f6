// Colour values: 32-bit, RGB with red in the low byte, or a system colour with
// 0xFF in the high byte and the system colour index in the low byte.
#pragma once

#include <cstdint>

// <windows.h> defines these three as macros; included before this header they
// would mangle the functions below (after it, the macros compute the same).
#undef GetRValue
#undef GetGValue
#undef GetBValue

namespace ui {

using TColor = std::uint32_t;

constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}
constexpr std::uint8_t GetRValue(TColor c) { return std::uint8_t(c); }
constexpr std::uint8_t GetGValue(TColor c) { return std::uint8_t(c >> 8); }
constexpr std::uint8_t GetBValue(TColor c) { return std::uint8_t(c >> 16); }
constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == 0xFF000000u; }

constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clFuchsia = 0xFF00FF;  // the skins' transparent key colour
constexpr TColor clNone = 0x1FFFFFFF;

// Resolves a system colour to RGB (through the system on Windows, a classic
// table elsewhere); RGB values pass through unchanged.
TColor ColorToRGB(TColor c);

}  // namespace ui
