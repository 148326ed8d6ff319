// A small pseudo-random generator whose output is the same on every compiler
// and standard library, so the sample files come out byte-identical from the
// native and the Windows builds.
#pragma once

#include <cstdint>

namespace vdk::samples {

// splitmix64: 64-bit state, one addition and a finaliser per number.
class Prng {
 public:
  // `stream` picks an independent sequence: each game table draws from its
  // own stream, so a change in one table's generator leaves the others alone.
  explicit Prng(std::uint64_t seed, std::uint64_t stream = 0)
      : state_(seed ^ (stream * 0xD1B54A32D192ED03ull)) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 56); }
  std::uint16_t word() { return static_cast<std::uint16_t>(next() >> 48); }
  std::uint32_t dword() { return static_cast<std::uint32_t>(next() >> 32); }

  // Uniform enough for sample data: lo..hi inclusive (hi >= lo).
  std::uint32_t range(std::uint32_t lo, std::uint32_t hi) {
    const std::uint64_t span = std::uint64_t{hi} - lo + 1;
    return lo + static_cast<std::uint32_t>((next() >> 11) % span);
  }
  // Signed lo..hi inclusive.
  std::int32_t srange(std::int32_t lo, std::int32_t hi) {
    const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t{hi} - lo) + 1;
    return static_cast<std::int32_t>(lo + static_cast<std::int64_t>((next() >> 11) % span));
  }
  // True with the given percentage (0..100).
  bool chance(std::uint32_t percent) { return range(0, 99) < percent; }
  // A multiple of `step` in lo..hi.
  std::uint32_t steps(std::uint32_t lo, std::uint32_t hi, std::uint32_t step) {
    return range(lo / step, hi / step) * step;
  }

 private:
  std::uint64_t state_;
};

// The fixed seed every sample file is made from.
inline constexpr std::uint64_t kSampleSeed = 0x5644'4B58'3431'3806ull;

}  // namespace vdk::samples
