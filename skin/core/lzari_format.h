// The constants of the skin stream's LZARI coding: LZ77 over a 4096-byte
// window with an adaptive arithmetic model for literals and match lengths and
// a fixed one for match positions. Shared by the decoder in the library and
// the encoder of the skin tool; every value here is fixed by the file format.
#pragma once

#include <array>
#include <cstdint>

namespace tebix::lzari {

inline constexpr int kWindowSize = 4096;   // N: positions are taken modulo this
inline constexpr int kLongestMatch = 60;   // F
inline constexpr int kThreshold = 2;       // matches are at least kThreshold + 1 bytes long
inline constexpr int kSymbolCount = 314;   // 256 literals + 58 match lengths (3..60)
inline constexpr int kFirstLengthSymbol = 256;
inline constexpr int kLengthBias = kFirstLengthSymbol - kThreshold - 1;  // 253: length = char - bias

// Quarter points of the coder's 17-bit range.
inline constexpr std::uint32_t kQ1 = 0x8000;
inline constexpr std::uint32_t kQ2 = 0x10000;
inline constexpr std::uint32_t kQ3 = 0x18000;
inline constexpr std::uint32_t kQ4 = 0x20000;
inline constexpr int kCodeBits = 17;

// The character model is halved once its total reaches this.
inline constexpr std::uint32_t kMaxCum = 0x7FFF;

// The window before any byte is written: 0x20 in 0..4035, writing starts at 4036.
inline constexpr int kWindowStart = kWindowSize - kLongestMatch;
inline constexpr std::uint8_t kFillByte = 0x20;

// The four bytes in front of the stream: the unpacked size, little-endian.
inline constexpr int kSizeFieldBytes = 4;

// position_cum[i] = sum over j >= i of floor(10000 / (j + 201)), i = 0..4096;
// position p occupies [position_cum[p + 1], position_cum[p]).
using PositionTable = std::array<std::uint32_t, kWindowSize + 1>;
const PositionTable& PositionCum();
inline constexpr std::uint32_t kPositionTotal = 28568;  // PositionCum()[0]

}  // namespace tebix::lzari
