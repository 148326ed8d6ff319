// Unpacking of the skin stream (the bytes behind a skin file's magic): the
// unpacked size, then the LZARI bit stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tebix {

// Declared sizes above this are refused: no skin comes near it, and a
// corrupt size must not make us reserve gigabytes.
inline constexpr std::uint32_t kMaxUnpackedSize = 64u << 20;

// A complete stream ends with the coder's closing bits; decoding its last
// symbol then looks at most this many bits past the end of the input. A
// stream that needs more was cut short.
inline constexpr std::uint32_t kMaxBitsPastEnd = 15;

enum class LzariStatus {
  kOk,
  kNoSize,     // fewer than four bytes: no unpacked size
  kTooLarge,   // declared size above kMaxUnpackedSize
  kTruncated,  // the stream ends before the declared size is produced
};

// English description for tools and test output.
const char* Describe(LzariStatus status);

// The unpacked bytes, followed by one zero byte that size() does not count,
// so that a block can also be read as text.
class UnpackedBlock {
 public:
  const std::uint8_t* data() const { return storage_.data() + offset_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::span<const std::uint8_t> bytes() const { return {data(), size_}; }
  void clear();

 private:
  friend LzariStatus LzariDecode(std::span<const std::uint8_t>, UnpackedBlock&);
  std::vector<std::uint8_t> storage_;
  std::size_t offset_ = 0;
  std::size_t size_ = 0;
};

// Unpacks `input` (size dword, then the bit stream). On success `out` holds
// every byte produced: the declared size, or a little more when the last
// match runs past it. On failure `out` is empty. Never reads outside `input`.
LzariStatus LzariDecode(std::span<const std::uint8_t> input, UnpackedBlock& out);

}  // namespace tebix
