// Putting a skin on, or taking it off, every window of a skin data component
// through the component's own requests: the windows stay, only their skin
// changes (at once before the first window is up, else at the manager's
// next tick).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "skin/WinSkinData/SkinData.h"
#include "ui/Streams.h"

namespace skin {

// `stored` must have passed StoredSkinProblem: a load that failed half-way
// would leave the component without a skin.
inline void UseStoredSkin(TSkinData& data, std::vector<std::uint8_t> stored) {
  data.StoredSkin() = ui::TMemoryStream(std::move(stored));
  data.LoadFromStored();
  if (data.Active())
    data.ApplySkin();
  else
    data.SetActive(true);
}

// Every window back to the system's look; the stored skin stays for later.
inline void UseNoSkin(TSkinData& data) { data.SetActive(false); }

}  // namespace skin
