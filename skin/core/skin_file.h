// A skin file: the magic ".TBX", then the packed stream (unpacked size and
// LZARI bits). Checking a block and unpacking it, without any user interface.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "skin/core/lzari_decoder.h"

namespace tebix {

inline constexpr std::array<std::uint8_t, 4> kSkinMagic = {'.', 'T', 'B', 'X'};

// Bytes in front of the unpacked skin block's tables (see skin_block_format.h).
inline constexpr std::size_t kSkinBlockHeaderBytes = 64;

enum class SkinFileStatus {
  kOk,
  kEmpty,       // no block, or a block of length 0
  kBadMagic,    // the block does not start with ".TBX" (also when shorter than that)
  kBadStream,   // the stream cannot be unpacked (see the LzariStatus)
  kNoHeader,    // the unpacked block is too short to be a skin block
};

const char* Describe(SkinFileStatus status);

struct SkinFileResult {
  SkinFileStatus status = SkinFileStatus::kOk;
  LzariStatus stream = LzariStatus::kOk;  // why the stream failed, for kBadStream
};

// Checks the magic of `block` and unpacks the rest into `out` (empty unless
// the result is kOk). Reads nothing outside the `length` bytes at `block`.
SkinFileResult UnpackSkinFile(const void* block, std::size_t length, UnpackedBlock& out);

}  // namespace tebix
