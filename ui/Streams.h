// Byte streams: the abstract TStream and the growable in-memory TMemoryStream.
// Portable (no Win32), used by the skin reader, the form reader and the tools.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

// Raised when a stream cannot deliver what a reader insists on (ReadBuffer).
class EStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to `count` bytes; returns how many were read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes `count` bytes; returns how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;

  virtual std::uint64_t Size() const = 0;
  virtual std::uint64_t Position() const = 0;
  virtual void SetPosition(std::uint64_t pos) = 0;

  std::uint64_t Remaining() const { return Size() > Position() ? Size() - Position() : 0; }

  // Reads exactly `count` bytes or throws EStreamError.
  void ReadBuffer(void* buffer, std::size_t count);
  // Writes exactly `count` bytes or throws EStreamError.
  void WriteBuffer(const void* buffer, std::size_t count);

  std::uint32_t ReadUInt32LE();
  void WriteUInt32LE(std::uint32_t value);

  // Copies `count` bytes (all remaining ones when 0) from `source`; returns the number copied.
  std::uint64_t CopyFrom(TStream& source, std::uint64_t count);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> bytes) : data_(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::uint64_t Size() const override { return data_.size(); }
  std::uint64_t Position() const override { return pos_; }
  void SetPosition(std::uint64_t pos) override { pos_ = pos; }

  // Resizes the content (new bytes are zero); the position is kept.
  void SetSize(std::size_t size) { data_.resize(size); }
  void Clear() {
    data_.clear();
    pos_ = 0;
  }

  std::span<const std::uint8_t> Bytes() const { return data_; }
  std::span<std::uint8_t> Bytes() { return data_; }
  const std::vector<std::uint8_t>& Vector() const { return data_; }

  bool LoadFromFile(const std::string& path);  // false when the file cannot be read
  bool SaveToFile(const std::string& path) const;

 private:
  std::vector<std::uint8_t> data_;
  std::uint64_t pos_ = 0;
};

}  // namespace ui
