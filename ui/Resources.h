// Access to the program's RCDATA resources (form descriptions and their binary
// properties).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ui {

// The bytes of the RCDATA resource `name` in `module` (the program when null),
// or nothing when there is no such resource.
std::optional<std::vector<std::uint8_t>> LoadResourceBytes(const std::string& name, HMODULE module = nullptr);

}  // namespace ui
