#include "app/SystemFollow.h"

#include <windows.h>

#include "skin/system/SystemColours.h"

namespace {

// The stored dark skin the program carries (BuiltinSkins.rc).
std::vector<std::uint8_t> DarkSkin() {
  HRSRC found = FindResourceW(nullptr, L"TAVRINSKIN_NIGHT", reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!found) return {};
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  const DWORD size = SizeofResource(nullptr, found);
  if (!bytes || size == 0) return {};
  return std::vector<std::uint8_t>(bytes, bytes + size);
}

}  // namespace

TTrainingFollow::TTrainingFollow(skin::TSkinData& data)
    : data_(data), stored_(data.StoredSkin().Bytes().begin(), data.StoredSkin().Bytes().end()) {
  watch_ = std::make_unique<skin::TSystemWatch>([this](unsigned) { Follow(); });
  Follow();
}

void TTrainingFollow::Follow() {
  const bool dark = !skin::AppsUseLightTheme();
  // A skin put on switches skinning on: a program started without its skin
  // (--no-skin) only follows the accent, for when the skin comes back.
  if (dark != dark_ && data_.Active()) {
    std::vector<std::uint8_t> wanted = dark ? DarkSkin() : stored_;
    if (!wanted.empty() && data_.LoadSkin(std::move(wanted))) dark_ = dark;
  }
  const std::optional<ui::TColor> accent = skin::SystemAccentColour();
  data_.SetHue(accent ? skin::AccentRotation(data_.PlainSkin().AccentHue, *accent) : 0);
}
