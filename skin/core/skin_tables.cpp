#include "skin/core/skin_tables.h"

#include <algorithm>

namespace tebix {
namespace {

// How many entries of table `t` are taken: the block's count, at most the capacity.
std::size_t Taken(const SkinBlockLayout& layout, int t, std::size_t capacity) {
  return std::min<std::size_t>(layout.counts[t], capacity);
}

}  // namespace

SkinBlockStatus ParseSkinBlock(std::span<const std::uint8_t> block, SkinData& data, SkinBitmapLayout& bitmap,
                               std::string& error) {
  bitmap = {};
  SkinBlockLayout layout;
  std::size_t bitmap_offset = 0;
  if (!ParseSkinTableLayout(block, layout, bitmap_offset, error)) return SkinBlockStatus::kBadTables;

  std::size_t at = layout.table_offsets[kSkinMetrics];
  for (std::size_t i = 0; i < Taken(layout, kSkinMetrics, kMetricCapacity); ++i, at += 4) {
    data.metrics[i] = ReadInt32(block, at);
  }
  at = layout.table_offsets[kSkinColours];
  for (std::size_t i = 0; i < Taken(layout, kSkinColours, kColourCapacity); ++i, at += 4) {
    data.colours[i] = static_cast<std::uint32_t>(ReadInt32(block, at));
  }
  at = layout.table_offsets[kSkinOffsetPairs];
  for (std::size_t i = 0; i < Taken(layout, kSkinOffsetPairs, kOffsetPairCapacity); ++i, at += 8) {
    data.offset_pairs[i] = {ReadInt32(block, at), ReadInt32(block, at + 4)};
  }
  at = layout.table_offsets[kSkinRectangles];
  for (std::size_t i = 0; i < Taken(layout, kSkinRectangles, kRectangleCapacity); ++i, at += 16) {
    data.rectangles[i] = {ReadInt32(block, at), ReadInt32(block, at + 4), ReadInt32(block, at + 8),
                          ReadInt32(block, at + 12)};
  }
  at = layout.table_offsets[kSkinParts];
  for (std::size_t i = 0; i < Taken(layout, kSkinParts, kPartCapacity); ++i, at += 72) {
    data.parts[i] = ReadSkinPart(block, at);
  }

  SkinBitmapLayout found;
  if (!ParseSkinBitmap(block, bitmap_offset, found, error)) return SkinBlockStatus::kBadBitmap;
  if (found.bit_count < kMinSkinBitCount) {
    error = "the bitmap has " + std::to_string(found.bit_count) + " bits per pixel, fewer than 24";
    return SkinBlockStatus::kBadBitmap;
  }
  if (found.compression == kBiBitfields && found.bit_count != 32) {
    error = "the bitmap has colour masks at " + std::to_string(found.bit_count) + " bits per pixel";
    return SkinBlockStatus::kBadBitmap;
  }
  bitmap = found;
  return SkinBlockStatus::kOk;
}

}  // namespace tebix
