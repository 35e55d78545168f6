// Putting a skin on, or taking it off, every window of a skin data component
// through the component's own requests: the windows stay, only their skin
// changes (at once before the first window is up, else at the manager's
// next tick).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "skin/WinSkinData/SkinData.h"

namespace skin {

// `stored` has passed StoredSkinProblem, which names what is wrong with a bad
// skin; the component checks it once more and refuses it untouched.
inline bool UseStoredSkin(TSkinData& data, std::vector<std::uint8_t> stored) {
  return data.LoadSkin(std::move(stored));
}

// Every window back to the system's look; the stored skin stays for later.
inline void UseNoSkin(TSkinData& data) { data.SetActive(false); }

}  // namespace skin
