#include "skin/system/SystemColours.h"

#include <windows.h>

namespace skin {

namespace {

std::optional<DWORD> ReadUserDword(const wchar_t* key, const wchar_t* value) {
  DWORD data = 0, size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return data;
}

// 0xAARRGGBB, as the colorization colour comes, to an RGB colour.
ui::TColor FromArgb(DWORD argb) { return ui::RGBColor(BYTE(argb >> 16), BYTE(argb >> 8), BYTE(argb)); }

// The composition's colour from dwmapi, loaded when asked: the library is
// missing on some systems, and the call fails where composition is off.
std::optional<ui::TColor> DwmColour() {
  HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!dwm) return std::nullopt;
  using TGetColour = HRESULT(WINAPI*)(DWORD*, BOOL*);
  const auto get = reinterpret_cast<TGetColour>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetColorizationColor")));
  DWORD colour = 0;
  BOOL opaque = FALSE;
  const bool got = get && SUCCEEDED(get(&colour, &opaque));
  FreeLibrary(dwm);
  if (!got) return std::nullopt;
  return FromArgb(colour);
}

}  // namespace

std::optional<ui::TColor> SystemAccentColour() {
  if (const auto colour = DwmColour()) return colour;
  constexpr const wchar_t* kDwm = L"Software\\Microsoft\\Windows\\DWM";
  // AccentColor is 0xAABBGGRR: its low three bytes are an RGB colour as is.
  if (const auto accent = ReadUserDword(kDwm, L"AccentColor")) return ui::TColor(*accent & 0xFFFFFF);
  if (const auto colour = ReadUserDword(kDwm, L"ColorizationColor")) return FromArgb(*colour);
  return std::nullopt;
}

bool AppsUseLightTheme() {
  const auto light =
      ReadUserDword(L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", L"AppsUseLightTheme");
  return !light || *light != 0;
}

}  // namespace skin
