// The editable form of a skin: the five tables as text (one entry a line)
// and the bitmap as a BMP file, and the conversions between that form and
// the unpacked skin block.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/core/skin_block_format.h"

namespace tebix::tbx {

struct SkinSource {
  std::int32_t kind = 0;
  std::int32_t version = 2;
  std::array<std::int32_t, kSkinReservedWords> reserved{};
  std::array<std::int32_t, kSkinSpareWords> spare{};
  std::vector<std::int32_t> metrics;
  std::vector<std::int32_t> colours;
  std::vector<std::array<std::int32_t, 2>> offset_pairs;  // dx, dy
  std::vector<std::array<std::int32_t, 4>> rectangles;    // x, y, width, height
  std::vector<SkinPart> parts;
  std::vector<std::uint8_t> bitmap;  // packed DIB: header, masks, palette, pixels

  bool operator==(const SkinSource& other) const;
};

// File names inside a skin source folder.
inline constexpr char kTablesFileName[] = "skin.txt";
inline constexpr char kBitmapFileName[] = "skin.bmp";

// Unpacked block <-> source.
std::vector<std::uint8_t> BuildSkinBlock(const SkinSource& source);
bool ReadSkinBlock(std::span<const std::uint8_t> block, SkinSource& source, std::string& error);

// The tables as text, and back. ParseSkinTables leaves `source.bitmap`
// alone; errors name the line.
std::string WriteSkinTables(const SkinSource& source);
bool ParseSkinTables(std::string_view text, SkinSource& source, std::string& error);

// A packed DIB as a BMP file, and back. Reading accepts the larger header
// versions and a gap before the pixels, and gives a DIB with the 40-byte
// header the skin block uses.
std::vector<std::uint8_t> MakeBmpFile(std::span<const std::uint8_t> dib);
bool ReadBmpFile(std::span<const std::uint8_t> file, std::vector<std::uint8_t>& dib, std::string& error);

}  // namespace tebix::tbx
