#include "ui/Streams.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace ui {

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (Read(buffer, count) != count) throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (Write(buffer, count) != count) throw EStreamError("Stream write error");
}

std::uint32_t TStream::ReadUInt32LE() {
  std::uint8_t b[4];
  ReadBuffer(b, 4);
  return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
         std::uint32_t(b[3]) << 24;
}

void TStream::WriteUInt32LE(std::uint32_t value) {
  const std::uint8_t b[4] = {std::uint8_t(value), std::uint8_t(value >> 8),
                             std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
  WriteBuffer(b, 4);
}

std::uint64_t TStream::CopyFrom(TStream& source, std::uint64_t count) {
  if (count == 0) count = source.Remaining();
  std::uint8_t chunk[16384];
  std::uint64_t copied = 0;
  while (copied < count) {
    const std::size_t want = std::size_t(std::min<std::uint64_t>(sizeof chunk, count - copied));
    const std::size_t got = source.Read(chunk, want);
    if (got == 0) break;
    WriteBuffer(chunk, got);
    copied += got;
  }
  return copied;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (pos_ >= data_.size() || count == 0) return 0;
  const std::size_t n = std::size_t(std::min<std::uint64_t>(count, data_.size() - pos_));
  std::memcpy(buffer, data_.data() + pos_, n);
  pos_ += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  const std::uint64_t end = pos_ + count;
  if (end > data_.size()) data_.resize(std::size_t(end));
  std::memcpy(data_.data() + pos_, buffer, count);
  pos_ = end;
  return count;
}

bool TMemoryStream::LoadFromFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  data_ = std::move(bytes);
  pos_ = 0;
  return true;
}

bool TMemoryStream::SaveToFile(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(data_.data()), std::streamsize(data_.size()));
  return bool(out);
}

}  // namespace ui
