// Which kinds of controls and windows a skin data component skins.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace skin {

// In ordinal order: bit n of the stored set is member n.
enum TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcFastReport,
};
inline constexpr int kSkinControlTypeCount = xcFastReport + 1;

// The member of that name ("xcMainMenu"), if any.
std::optional<TSkinControlType> SkinControlTypeByName(std::string_view name);

// A set of TSkinControlType, stored in 3 bytes (little-endian bits).
class TSkinControlTypes {
 public:
  constexpr TSkinControlTypes() = default;
  constexpr TSkinControlTypes(std::initializer_list<TSkinControlType> members) {
    for (TSkinControlType m : members) bits_ |= Bit(m);
  }
  static constexpr TSkinControlTypes FromBits(std::uint32_t bits) {
    TSkinControlTypes set;
    set.bits_ = bits & kAll;
    return set;
  }

  constexpr bool Contains(TSkinControlType m) const { return (bits_ & Bit(m)) != 0; }
  constexpr void Include(TSkinControlType m) { bits_ |= Bit(m); }
  constexpr void Exclude(TSkinControlType m) { bits_ &= ~Bit(m); }
  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool operator==(const TSkinControlTypes&) const = default;

 private:
  static constexpr std::uint32_t kAll = (1u << kSkinControlTypeCount) - 1;
  static constexpr std::uint32_t Bit(TSkinControlType m) { return 1u << unsigned(m); }
  std::uint32_t bits_ = 0;
};

// Every member but xcFastReport: 0x1FFFF.
inline constexpr TSkinControlTypes kDefaultSkinControls = TSkinControlTypes::FromBits(0x1FFFF);

}  // namespace skin
