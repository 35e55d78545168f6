// Whether the user has asked every program for the system's own look: while
// high contrast is on, the skin steps aside on every window, as "No skin"
// does, and comes back when it goes off.
#pragma once

#include <optional>

namespace skin {

// High contrast as the system reports it, unless a test has set it.
bool HighContrastOn();
// Replaces the system's answer (std::nullopt gives it back): Wine always
// reports high contrast off and cannot turn it on.
void SetHighContrastForTests(std::optional<bool> on);

}  // namespace skin
