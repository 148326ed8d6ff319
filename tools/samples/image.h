// A game file being built in memory, with little-endian field writers.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/samples/layout.h"

namespace vdk::samples {

using Bytes = std::vector<std::uint8_t>;

// One record of a table inside a file image; offsets are within the record.
class Record {
 public:
  Record(Bytes& file, const Table& table, std::uint32_t index)
      : data_(file.data() + table.at(index)), size_(table.size) {}

  void u8(std::uint32_t at, std::uint32_t v) { data_[at] = static_cast<std::uint8_t>(v); }
  // A signed byte stored the game's way: negatives as 256 + v.
  void s8(std::uint32_t at, std::int32_t v) { u8(at, static_cast<std::uint32_t>(v) & 0xFF); }
  void u16(std::uint32_t at, std::uint32_t v) {
    u8(at, v);
    u8(at + 1, v >> 8);
  }
  void s16(std::uint32_t at, std::int32_t v) { u16(at, static_cast<std::uint32_t>(v) & 0xFFFF); }
  void u32(std::uint32_t at, std::uint32_t v) {
    u16(at, v);
    u16(at + 2, v >> 16);
  }
  std::uint32_t size() const { return size_; }

 private:
  std::uint8_t* data_;
  std::uint32_t size_;
};

// Little-endian readers for checks on finished images.
inline std::uint32_t ReadU8(const Bytes& b, std::uint32_t at) {
  return b.at(at);
}
inline std::uint32_t ReadU16(const Bytes& b, std::uint32_t at) {
  return b.at(at) | (b.at(at + 1) << 8);
}
inline std::uint32_t ReadU32(const Bytes& b, std::uint32_t at) {
  return ReadU16(b, at) | (ReadU16(b, at + 2) << 16);
}

}  // namespace vdk::samples
