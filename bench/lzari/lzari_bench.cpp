// Decode speed and packed size for skin blocks of 260,104 bytes: one whose
// bitmap packs to about 12 %, one to about 30 %. Prints the library
// decoder's throughput against the step-by-step decoder's, and the
// encoder's packed size for each way of parsing.
//
//   lzari_bench [seconds per measurement, default 1]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "bench/lzari/plain_lzari_decoder.h"
#include "skin/core/lzari_decoder.h"
#include "tools/tbxtool/lzari_encoder.h"
#include "tools/tbxtool/sample_skin.h"
#include "tools/tbxtool/skin_source.h"

namespace {

using Clock = std::chrono::steady_clock;

// Times both decoders in turns for about `seconds` and keeps each one's
// fastest run, so that other work on the machine disturbs the comparison
// as little as possible. Returns MB of output per second for each.
template <typename Plain, typename Fast>
std::pair<double, double> Throughput(std::size_t output_bytes, double seconds, Plain plain, Fast fast) {
  double best_plain = 1e30;
  double best_fast = 1e30;
  auto time = [](auto& decode) {
    const auto start = Clock::now();
    decode();
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  const auto start = Clock::now();
  do {
    best_plain = std::min(best_plain, time(plain));
    best_fast = std::min(best_fast, time(fast));
  } while (std::chrono::duration<double>(Clock::now() - start).count() < seconds);
  const double mb = static_cast<double>(output_bytes) / 1e6;
  return {mb / best_plain, mb / best_fast};
}

bool Measure(const char* name, int noise_percent, double seconds) {
  const std::vector<std::uint8_t> block = tebix::tbx::BuildSkinBlock(tebix::tbx::MakeSampleSkin(7, noise_percent));
  const auto greedy = tebix::tbx::LzariEncode(block, tebix::tbx::Parsing::kGreedy);
  const auto lazy = tebix::tbx::LzariEncode(block, tebix::tbx::Parsing::kLazy);
  const auto optimal = tebix::tbx::LzariEncode(block, tebix::tbx::Parsing::kOptimal);
  const auto smallest = tebix::tbx::LzariEncode(block, tebix::tbx::Parsing::kSmallest);
  auto percent = [&](const std::vector<std::uint8_t>& s) { return 100.0 * static_cast<double>(s.size()) / static_cast<double>(block.size()); };
  std::printf("%s: skin block of %zu bytes\n", name, block.size());
  std::printf("  packed, greedy longest match: %7zu bytes (%.2f %%)\n", greedy.size(), percent(greedy));
  auto gain = [&](const std::vector<std::uint8_t>& s) {
    return 100.0 * (1.0 - static_cast<double>(s.size()) / static_cast<double>(greedy.size()));
  };
  std::printf("  packed, lazy matching:        %7zu bytes (%.2f %%), %.2f %% smaller than greedy\n", lazy.size(),
              percent(lazy), gain(lazy));
  std::printf("  packed, optimal parsing:      %7zu bytes (%.2f %%), %.2f %% smaller than greedy\n", optimal.size(),
              percent(optimal), gain(optimal));
  std::printf("  packed, the tool's choice:    %7zu bytes (%.2f %%), %.2f %% smaller than greedy\n", smallest.size(),
              percent(smallest), gain(smallest));

  // Both decoders must agree before their speed means anything.
  tebix::UnpackedBlock fast;
  if (tebix::LzariDecode(smallest, fast) != tebix::LzariStatus::kOk || fast.size() != block.size() ||
      std::memcmp(fast.data(), block.data(), block.size()) != 0) {
    std::printf("  ERROR: the library decoder does not give the block back\n");
    return false;
  }
  const auto plain = tebix::bench::PlainLzariDecode(smallest, tebix::kMaxBitsPastEnd);
  if (plain.bytes != block) {
    std::printf("  ERROR: the step-by-step decoder does not give the block back\n");
    return false;
  }

  const auto [plain_mbs, fast_mbs] = Throughput(
      block.size(), seconds,
      [&] {
        const auto r = tebix::bench::PlainLzariDecode(smallest, tebix::kMaxBitsPastEnd);
        if (r.bytes.size() != block.size()) std::abort();
      },
      [&] {
        tebix::UnpackedBlock out;
        if (tebix::LzariDecode(smallest, out) != tebix::LzariStatus::kOk) std::abort();
      });
  std::printf("  decode, step by step: %7.1f MB/s (best run)\n", plain_mbs);
  std::printf("  decode, library:      %7.1f MB/s (best run), %.2f times the step-by-step decoder\n", fast_mbs,
              fast_mbs / plain_mbs);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
  const bool ok = Measure("skin packing to about 12 %", 5, seconds) && Measure("skin packing to about 30 %", 25, seconds);
  return ok ? 0 : 1;
}
