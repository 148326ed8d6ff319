#include "skin/core/skin_block_format.h"

#include <algorithm>
#include <cstdint>

namespace tebix {

const std::array<SkinPartField, 18> kSkinPartFields = {{
    {"x", &SkinPart::x, false},
    {"y", &SkinPart::y, false},
    {"width", &SkinPart::width, false},
    {"height", &SkinPart::height, false},
    {"transparent", &SkinPart::transparent, true},
    {"glyph_x", &SkinPart::glyph_x, false},
    {"glyph_y", &SkinPart::glyph_y, false},
    {"glyph_width", &SkinPart::glyph_width, false},
    {"glyph_height", &SkinPart::glyph_height, false},
    {"glyph_transparent", &SkinPart::glyph_transparent, true},
    {"left_margin", &SkinPart::left_margin, false},
    {"top_margin", &SkinPart::top_margin, false},
    {"right_margin", &SkinPart::right_margin, false},
    {"bottom_margin", &SkinPart::bottom_margin, false},
    {"flags", &SkinPart::flags, true},
    {"reserved", &SkinPart::reserved, false},
    {"glyph_shift_x", &SkinPart::glyph_shift_x, false},
    {"glyph_shift_y", &SkinPart::glyph_shift_y, false},
}};

std::int32_t ReadInt32(std::span<const std::uint8_t> block, std::size_t offset) {
  const std::uint32_t v = static_cast<std::uint32_t>(block[offset]) |
                          static_cast<std::uint32_t>(block[offset + 1]) << 8 |
                          static_cast<std::uint32_t>(block[offset + 2]) << 16 |
                          static_cast<std::uint32_t>(block[offset + 3]) << 24;
  return static_cast<std::int32_t>(v);
}

std::uint16_t ReadUint16(std::span<const std::uint8_t> block, std::size_t offset) {
  return static_cast<std::uint16_t>(block[offset] | block[offset + 1] << 8);
}

SkinPart ReadSkinPart(std::span<const std::uint8_t> block, std::size_t offset) {
  SkinPart part{};
  for (std::size_t i = 0; i < kSkinPartFields.size(); ++i) {
    part.*kSkinPartFields[i].member = ReadInt32(block, offset + 4 * i);
  }
  return part;
}

bool ParseSkinBitmap(std::span<const std::uint8_t> bytes, std::size_t offset, SkinBitmapLayout& bitmap,
                     std::string& error) {
  bitmap = {};
  bitmap.offset = offset;
  if (offset > bytes.size() || bytes.size() - offset < kBitmapInfoHeaderBytes) {
    error = "the bitmap header is missing";
    return false;
  }
  bitmap.header_bytes = static_cast<std::uint32_t>(ReadInt32(bytes, offset));
  bitmap.width = ReadInt32(bytes, offset + 4);
  bitmap.height = ReadInt32(bytes, offset + 8);
  bitmap.planes = ReadUint16(bytes, offset + 12);
  bitmap.bit_count = ReadUint16(bytes, offset + 14);
  bitmap.compression = static_cast<std::uint32_t>(ReadInt32(bytes, offset + 16));
  bitmap.colours_used = static_cast<std::uint32_t>(ReadInt32(bytes, offset + 32));
  if (bitmap.header_bytes < kBitmapInfoHeaderBytes) {
    error = "the bitmap header size is " + std::to_string(bitmap.header_bytes) + ", not at least 40";
    return false;
  }
  if (bitmap.width <= 0 || bitmap.height == 0 || bitmap.height == INT32_MIN) {
    error = "the bitmap is " + std::to_string(bitmap.width) + " x " + std::to_string(bitmap.height) + " pixels";
    return false;
  }
  switch (bitmap.bit_count) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default:
      error = "the bitmap has " + std::to_string(bitmap.bit_count) + " bits per pixel";
      return false;
  }
  if (bitmap.compression != kBiRgb && bitmap.compression != kBiBitfields) {
    error = "the bitmap is compressed (compression " + std::to_string(bitmap.compression) + ")";
    return false;
  }
  std::uint64_t palette = bitmap.colours_used;
  if (palette == 0 && bitmap.bit_count <= 8) palette = 1u << bitmap.bit_count;
  const std::uint64_t masks =
      (bitmap.compression == kBiBitfields && bitmap.header_bytes == kBitmapInfoHeaderBytes) ? 12 : 0;
  const std::uint64_t stride = (static_cast<std::uint64_t>(bitmap.width) * bitmap.bit_count + 31) / 32 * 4;
  const std::uint64_t rows = bitmap.height < 0 ? -static_cast<std::int64_t>(bitmap.height) : bitmap.height;
  const std::uint64_t pixels = offset + std::uint64_t{bitmap.header_bytes} + masks + palette * 4;
  const std::uint64_t end = pixels + stride * rows;
  if (end > bytes.size()) {
    error = "the bitmap needs " + std::to_string(end - offset) + " bytes, " +
            std::to_string(bytes.size() - offset) + " are there";
    return false;
  }
  bitmap.pixels_offset = static_cast<std::size_t>(pixels);
  bitmap.pixel_bytes = static_cast<std::size_t>(stride * rows);
  bitmap.stride = static_cast<std::size_t>(stride);
  return true;
}

bool ParseSkinTableLayout(std::span<const std::uint8_t> block, SkinBlockLayout& layout, std::size_t& bitmap_offset,
                          std::string& error) {
  layout = {};
  if (block.size() < kSkinTablesOffset) {
    error = "the block is " + std::to_string(block.size()) + " bytes long, shorter than its 64-byte header";
    return false;
  }
  static const char* const kNames[kSkinTableCount] = {"metrics", "colours", "offset pairs", "rectangles",
                                                      "parts"};
  std::uint64_t offset = kSkinTablesOffset;
  for (int t = 0; t < kSkinTableCount; ++t) {
    const std::int32_t count = ReadInt32(block, kSkinCountsOffset + 4 * t);
    if (count < 0) {
      error = std::string("the number of ") + kNames[t] + " is negative (" + std::to_string(count) + ")";
      return false;
    }
    layout.counts[t] = static_cast<std::uint32_t>(count);
    layout.table_offsets[t] = static_cast<std::size_t>(std::min<std::uint64_t>(offset, block.size()));
    offset += std::uint64_t{layout.counts[t]} * kSkinEntryBytes[t];
    if (offset > block.size()) {
      error = std::string("the table of ") + std::to_string(count) + " " + kNames[t] +
              " runs past the end of the block";
      return false;
    }
  }
  bitmap_offset = static_cast<std::size_t>(offset);
  return true;
}

bool ParseSkinBlockLayout(std::span<const std::uint8_t> block, SkinBlockLayout& layout, std::string& error) {
  std::size_t bitmap_offset = 0;
  if (!ParseSkinTableLayout(block, layout, bitmap_offset, error)) return false;
  return ParseSkinBitmap(block, bitmap_offset, layout.bitmap, error);
}

}  // namespace tebix
