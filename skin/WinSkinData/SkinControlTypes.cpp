#include "skin/WinSkinData/SkinControlTypes.h"

#include <array>

namespace skin {

namespace {

constexpr std::array<std::string_view, kSkinControlTypeCount> kNames = {
    "xcMainMenu", "xcPopupMenu", "xcToolbar",  "xcControlbar",  "xcCombo",   "xcCheckBox",
    "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit",   "xcButton",  "xcBitBtn",
    "xcSpeedButton", "xcPanel",  "xcGroupBox", "xcStatusBar", "xcTab", "xcFastReport",
};

}  // namespace

std::optional<TSkinControlType> SkinControlTypeByName(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return TSkinControlType(i);
  return std::nullopt;
}

}  // namespace skin
