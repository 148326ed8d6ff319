// Fuzz target for the skin stream decoder. Each input is used three ways:
//  - as a packed stream (size dword, bits): the library's decoder must not
//    fail unsafely, and must agree byte for byte with the step-by-step
//    decoder on everything it accepts, and on what it refuses;
//  - as a whole skin file, through the magic check;
//  - as data: encoded, then decoded again, it must come back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "bench/lzari/plain_lzari_decoder.h"
#include "skin/core/lzari_decoder.h"
#include "skin/core/skin_file.h"
#include "tools/tbxtool/lzari_encoder.h"

namespace {

// Above this, comparing with the slow decoder costs more than it finds.
constexpr std::uint32_t kLargestCompared = 256u << 10;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CompareDecoders(std::span<const std::uint8_t> input) {
  tebix::UnpackedBlock fast;
  const tebix::LzariStatus status = tebix::LzariDecode(input, fast);
  Check(fast.data()[fast.size()] == 0);
  if (input.size() < 4) {
    Check(status == tebix::LzariStatus::kNoSize);
    return;
  }
  std::uint32_t declared;
  std::memcpy(&declared, input.data(), 4);
  if (declared > tebix::kMaxUnpackedSize) {
    Check(status == tebix::LzariStatus::kTooLarge);
    return;
  }
  if (declared > kLargestCompared) return;
  const auto plain = tebix::bench::PlainLzariDecode(input, tebix::kMaxBitsPastEnd);
  if (status == tebix::LzariStatus::kOk) {
    Check(!plain.gave_up && plain.bits_past_end <= tebix::kMaxBitsPastEnd);
    Check(plain.bytes.size() == fast.size());
    Check(fast.size() >= declared && fast.size() < std::size_t{declared} + 60);
    Check(plain.bytes.empty() || std::memcmp(plain.bytes.data(), fast.data(), fast.size()) == 0);
  } else {
    Check(status == tebix::LzariStatus::kTruncated);
    Check(fast.empty());
    Check(plain.gave_up || plain.bits_past_end > tebix::kMaxBitsPastEnd);
  }
}

void RoundTrip(std::span<const std::uint8_t> data) {
  const auto parsing = static_cast<tebix::tbx::Parsing>(data.empty() ? 0 : data[0] % 3);
  const std::vector<std::uint8_t> stream = tebix::tbx::LzariEncode(data, parsing);
  tebix::UnpackedBlock back;
  Check(tebix::LzariDecode(stream, back) == tebix::LzariStatus::kOk);
  Check(back.size() == data.size());
  Check(data.empty() || std::memcmp(back.data(), data.data(), data.size()) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  CompareDecoders(input);
  tebix::UnpackedBlock block;
  tebix::UnpackSkinFile(data, size, block);
  RoundTrip(input);
  return 0;
}
