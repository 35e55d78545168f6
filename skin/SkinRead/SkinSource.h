// A skin named at run time: a stored skin file (what `skinpack pack` writes)
// or a skin folder (an .ini and its bitmaps, packed in memory exactly as the
// tool packs it). Read and checked completely before any window sees it, so
// a bad skin never reaches the live skin data component.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace skin {

struct TSkinSourceRead {
  std::vector<std::uint8_t> Stored;  // the stored skin (size + LZH package)
  std::string Name;                  // the name its definition gives
  std::string Problem;               // UTF-8, empty when the skin can be used
  bool Usable() const { return Problem.empty(); }
};

// The one check of stored skin bytes before they go on windows: the package
// loads, the authoring tool's check finds no error, and the definition loads
// into a scratch skin set. Empty when the skin can be used, otherwise the
// problems one a line, as `skinpack check` states them; `name` gets the
// skin's name when given.
std::string StoredSkinProblem(const std::vector<std::uint8_t>& stored, std::string* name = nullptr);

// Reads (and for a folder packs) the skin at `path` and checks it. The
// problem text starts with the path.
TSkinSourceRead ReadSkinSource(const std::filesystem::path& path);

// UTF-8 text of a path, for messages.
std::string PathText(const std::filesystem::path& path);

}  // namespace skin
