// A decoder for the skin stream written step by step as the format is
// described: one bit at a time, the character model updated linearly, the
// position found by bisection. Kept as the yardstick for the library's
// decoder (speed here, identical output in the fuzz target).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tebix::bench {

struct PlainDecodeResult {
  std::vector<std::uint8_t> bytes;  // every byte produced
  std::uint64_t bits_past_end = 0;  // zero bits read beyond the input
  bool gave_up = false;             // stopped after more than max_bits_past_end such bits
};

// Missing bits read as zeros; decoding stops early once more than
// `max_bits_past_end` of them were needed.
PlainDecodeResult PlainLzariDecode(std::span<const std::uint8_t> input, std::uint64_t max_bits_past_end);

}  // namespace tebix::bench
