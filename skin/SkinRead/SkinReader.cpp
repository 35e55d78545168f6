#include "skin/SkinRead/SkinReader.h"

#include <optional>
#include <utility>

#include "skin/SkinRead/SkinMessage.h"
#include "skin/codec/LZH.h"

namespace skin {

namespace {

std::uint32_t UInt32LE(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// The decompressed package, or nothing (with the reason) when the stored skin is malformed.
std::optional<std::vector<std::uint8_t>> Decompress(ui::TStream& stored, std::string& failure) {
  stored.SetPosition(0);
  std::uint8_t sizeBytes[4];
  if (stored.Read(sizeBytes, 4) != 4) {
    failure = "the stored skin is shorter than its 4-byte size";
    return std::nullopt;
  }
  const std::uint32_t size = UInt32LE(sizeBytes);
  if (size > kMaxPackageSize) {
    failure = "the package claims " + std::to_string(size) + " bytes, more than the limit of 64 MiB";
    return std::nullopt;
  }
  std::vector<std::uint8_t> package;
  const auto read = [&stored](std::uint8_t* buffer, std::size_t requested, std::size_t& actual) {
    actual = stored.Read(buffer, requested);
  };
  const auto write = [&package](const std::uint8_t* buffer, std::size_t count, std::size_t& actual) {
    package.insert(package.end(), buffer, buffer + count);
    actual = count;
  };
  TLZH lzh;
  lzh.StopAtInputEnd = true;
  if (lzh.Decode(size, read, write) != TLZHResult::Done) {
    failure = "the compressed stream is truncated";
    return std::nullopt;
  }
  package.resize(size);  // drop the tail of a final match that ran past the size
  return package;
}

// Lines end at CR, LF or CR LF; a break after the last line adds no line.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return lower;
}

void TSkinReader::Clear() {
  names_.clear();
  sizes_.fill(0);
  offsets_.fill(0);
  version_ = 0;
  namesLength_ = 0;
  data_.Clear();
  failure_.clear();
}

bool TSkinReader::Fail(std::string reason) {
  Clear();
  failure_ = std::move(reason);
  return false;
}

bool TSkinReader::Load(ui::TStream& stored) {
  Clear();
  std::string failure;
  std::optional<std::vector<std::uint8_t>> package = Decompress(stored, failure);
  if (!package) return Fail(failure);
  if (package->size() < kPackageHeaderSize) return Fail("the package is shorter than its header");
  const std::uint32_t version = UInt32LE(package->data());
  if (version != kSkinPackageVersion) {
    ShowSkinMessage(kOlderSkinMessage);
    return Fail("package version " + std::to_string(version) + ", expected " +
                std::to_string(kSkinPackageVersion));
  }
  version_ = version;
  return Index(*package);
}

// Reads the names, the size table and the data area after the header.
bool TSkinReader::Index(const std::vector<std::uint8_t>& package) {
  namesLength_ = UInt32LE(package.data() + 4);
  const std::uint64_t namesEnd = kPackageHeaderSize + std::uint64_t(namesLength_);
  if (namesEnd > package.size()) return Fail("the names text runs past the package");
  const auto* text = reinterpret_cast<const char*>(package.data() + kPackageHeaderSize);
  names_ = SplitLines(LowerAscii(std::string_view(text, namesLength_)));
  if (names_.size() > kMaxSkinFiles) return Fail("more than 1001 names");
  const std::uint64_t dataStart = namesEnd + 4 * std::uint64_t(names_.size());
  if (dataStart > package.size()) return Fail("the size table runs past the package");
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    sizes_[i] = UInt32LE(package.data() + namesEnd + 4 * i);
    offsets_[i] = offset;
    offset += sizes_[i];
  }
  if (offset > package.size() - dataStart) return Fail("the file sizes run past the package data");
  data_.WriteBuffer(package.data() + dataStart, std::size_t(package.size() - dataStart));
  data_.SetPosition(0);
  return true;
}

void TSkinReader::WriteEntry(std::size_t index, ui::TMemoryStream& stream) const {
  const auto bytes = data_.Bytes().subspan(std::size_t(offsets_[index]), sizes_[index]);
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
}

bool TSkinReader::ExtractByName(std::string_view name, ui::TMemoryStream& stream) const {
  stream.Clear();
  const std::string wanted = LowerAscii(name);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == wanted) {
      WriteEntry(i, stream);
      return true;
    }
  }
  return false;
}

bool TSkinReader::ExtractBySubstring(std::string_view part, ui::TMemoryStream& stream, std::string& name) const {
  stream.Clear();
  if (part.empty()) return false;  // an empty part names no file
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i].find(part) != std::string::npos) {
      WriteEntry(i, stream);
      name = names_[i];
      return true;
    }
  }
  return false;
}

void TSkinReader::ExtractByIndex(std::size_t index, ui::TMemoryStream& stream) const {
  stream.Clear();
  if (index < names_.size()) WriteEntry(index, stream);
}

}  // namespace skin
