// Made-up skins for tests and benchmarks: the table sizes of a full skin and
// a 221 x 271 32-bit bitmap of window-like cells (gradients, borders and
// glyphs on a magenta key colour). `noise_percent` of the cell pixels get a
// random shift, which makes the bitmap harder to pack.
#pragma once

#include <cstdint>

#include "tools/tbxtool/skin_source.h"

namespace tebix::tbx {

SkinSource MakeSampleSkin(std::uint32_t seed, int noise_percent);

// A packed DIB of `width` x `height` pixels at `bit_count` bits, bottom-up,
// filled with the key colour magenta (24 and 32 bits) or black.
std::vector<std::uint8_t> MakeSampleDib(int width, int height, int bit_count);

}  // namespace tebix::tbx
