// The skin model's tables: `SkinData` with its five fixed-capacity tables,
// filled from an unpacked skin block. Win32-free; the GDI side (bitmap,
// brush, fonts) lives in skin_data.h.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "skin/core/skin_block_format.h"

namespace tebix {

struct OffsetPair {
  std::int32_t dx;
  std::int32_t dy;
};

struct SkinRectangle {
  std::int32_t x;  // cell in the skin bitmap
  std::int32_t y;
  std::int32_t width;
  std::int32_t height;
};

// Fixed table sizes, whatever a block carries.
inline constexpr std::size_t kMetricCapacity = 24;
inline constexpr std::size_t kColourCapacity = 63;
inline constexpr std::size_t kOffsetPairCapacity = 15;
inline constexpr std::size_t kRectangleCapacity = 29;
inline constexpr std::size_t kPartCapacity = 271;

// The skin model. Renderers address its tables by fixed index; entries a
// block did not fill read as zero (an all-zero part draws nothing).
struct SkinData {
  std::int32_t kind = 0;
  std::int32_t version = 2;
  std::array<std::int32_t, 4> reserved{};
  std::array<std::int32_t, kSkinTableCount> capacities = {
      static_cast<std::int32_t>(kMetricCapacity), static_cast<std::int32_t>(kColourCapacity),
      static_cast<std::int32_t>(kOffsetPairCapacity), static_cast<std::int32_t>(kRectangleCapacity),
      static_cast<std::int32_t>(kPartCapacity)};
  std::array<std::int32_t, kMetricCapacity> metrics{};
  std::array<std::uint32_t, kColourCapacity> colours{};  // COLORREF 0x00BBGGRR
  std::array<OffsetPair, kOffsetPairCapacity> offset_pairs{};
  std::array<SkinRectangle, kRectangleCapacity> rectangles{};
  std::array<SkinPart, kPartCapacity> parts{};
};

enum class SkinBlockStatus {
  kOk,
  kBadTables,  // too short for the header or the tables, or a negative count: nothing filled
  kBadBitmap,  // tables filled, but no usable bitmap behind them
};

// Fills `data` (which must be fresh: its tables zero) from `block` and finds
// the bitmap behind the part table. The bitmap must be an uncompressed DIB
// of 24 or 32 bits (bit fields only at 32) whose pixels lie inside the
// block. `error` says what is wrong for anything but kOk. Reads nothing
// outside `block`.
SkinBlockStatus ParseSkinBlock(std::span<const std::uint8_t> block, SkinData& data, SkinBitmapLayout& bitmap,
                               std::string& error);

}  // namespace tebix
