#include "tools/skinpack/StoredSkinFile.h"

#include <algorithm>
#include <fstream>
#include <utility>

#include "skin/codec/LZH.h"
#include "skin/SkinRead/FileBytes.h"

namespace skinpack {

bool DecodeStoredFile(const std::filesystem::path& input, const std::filesystem::path& output, std::string& error) {
  std::ifstream in(input, std::ios::binary);
  std::uint8_t sizeBytes[4] = {};
  if (!in || !in.read(reinterpret_cast<char*>(sizeBytes), 4)) {
    error = input.string() + ": cannot be read, or shorter than its 4-byte size";
    return false;
  }
  const std::uint32_t size = std::uint32_t(sizeBytes[0]) | std::uint32_t(sizeBytes[1]) << 8 |
                             std::uint32_t(sizeBytes[2]) << 16 | std::uint32_t(sizeBytes[3]) << 24;
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  std::uint64_t written = 0;
  const auto read = [&in](std::uint8_t* buffer, std::size_t requested, std::size_t& actual) {
    in.read(reinterpret_cast<char*>(buffer), std::streamsize(requested));
    actual = std::size_t(in.gcount());
  };
  // Only the first `size` bytes count; a final match may run past them.
  const auto write = [&](const std::uint8_t* buffer, std::size_t count, std::size_t& actual) {
    const auto wanted = std::size_t(std::min<std::uint64_t>(count, size - written));
    out.write(reinterpret_cast<const char*>(buffer), std::streamsize(wanted));
    written += wanted;
    actual = out ? count : 0;
  };
  skin::TLZH lzh;
  lzh.StopAtInputEnd = true;
  const skin::TLZHResult result = lzh.Decode(size, read, write);
  out.close();
  if (result == skin::TLZHResult::OutputRefused || !out)
    error = output.string() + ": cannot be written";
  else if (result == skin::TLZHResult::InputRanOut)
    error = input.string() + ": the stream is truncated (" + std::to_string(written) + " of " +
            std::to_string(size) + " bytes decoded)";
  else
    return true;
  skin::RemovePartialFile(output);
  return false;
}

}  // namespace skinpack
