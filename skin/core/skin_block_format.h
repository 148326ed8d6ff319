// Layout of an unpacked skin block: a 64-byte header with five table counts,
// the five tables (metrics, colours, offset pairs, rectangles, parts) and the
// skin bitmap as a packed DIB. All integers are little-endian. Reading only;
// the skin tool builds blocks from the same description.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tebix {

// Header fields (byte offsets).
inline constexpr std::size_t kSkinKindOffset = 0;      // 0, not read by the library
inline constexpr std::size_t kSkinVersionOffset = 4;   // 2, not read by the library
inline constexpr std::size_t kSkinReservedOffset = 8;  // four words, zero
inline constexpr std::size_t kSkinReservedWords = 4;
inline constexpr std::size_t kSkinCountsOffset = 24;   // five counts
inline constexpr std::size_t kSkinSpareOffset = 44;    // five words, any value
inline constexpr std::size_t kSkinSpareWords = 5;
inline constexpr std::size_t kSkinTablesOffset = 64;

enum SkinTable : int { kSkinMetrics, kSkinColours, kSkinOffsetPairs, kSkinRectangles, kSkinParts };
inline constexpr int kSkinTableCount = 5;
// Bytes per entry of each table.
inline constexpr std::array<std::size_t, kSkinTableCount> kSkinEntryBytes = {4, 4, 8, 16, 72};

// One skin part: a nine-grid cell of the skin bitmap with an optional glyph.
struct SkinPart {
  std::int32_t x;                  // cell in the skin bitmap
  std::int32_t y;
  std::int32_t width;
  std::int32_t height;
  std::int32_t transparent;        // COLORREF not drawn; 0: opaque
  std::int32_t glyph_x;            // optional glyph cell
  std::int32_t glyph_y;
  std::int32_t glyph_width;        // 0: no glyph
  std::int32_t glyph_height;
  std::int32_t glyph_transparent;  // COLORREF not drawn in the glyph
  std::int32_t left_margin;        // fixed rows and columns of the nine-grid
  std::int32_t top_margin;
  std::int32_t right_margin;
  std::int32_t bottom_margin;
  std::int32_t flags;              // any bit of kStretchGlyph: glyph stretched over the destination
  std::int32_t reserved;
  std::int32_t glyph_shift_x;      // added to the centred glyph position
  std::int32_t glyph_shift_y;

  static constexpr std::int32_t kStretchGlyph = 0x00F00000;
};
static_assert(sizeof(SkinPart) == 72);

// The parts' fields in block order, with the names the skin tool writes;
// `colour` marks fields best shown in hexadecimal.
struct SkinPartField {
  const char* name;
  std::int32_t SkinPart::*member;
  bool colour;
};
extern const std::array<SkinPartField, 18> kSkinPartFields;

// The packed DIB behind the part table.
struct SkinBitmapLayout {
  std::size_t offset = 0;         // of the BITMAPINFOHEADER in the block
  std::uint32_t header_bytes = 0; // biSize
  std::int32_t width = 0;
  std::int32_t height = 0;        // positive: bottom-up
  std::uint16_t planes = 0;
  std::uint16_t bit_count = 0;
  std::uint32_t compression = 0;  // 0 BI_RGB or 3 BI_BITFIELDS
  std::uint32_t colours_used = 0;
  std::size_t pixels_offset = 0;  // first pixel byte in the block
  std::size_t pixel_bytes = 0;    // rows * stride
  std::size_t stride = 0;
};

struct SkinBlockLayout {
  std::array<std::uint32_t, kSkinTableCount> counts{};
  std::array<std::size_t, kSkinTableCount> table_offsets{};
  SkinBitmapLayout bitmap;
};

inline constexpr std::uint32_t kBitmapInfoHeaderBytes = 40;
inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiBitfields = 3;
inline constexpr std::uint16_t kMinSkinBitCount = 24;  // the library draws nothing shallower

// Little-endian reads; the caller has checked the bounds.
std::int32_t ReadInt32(std::span<const std::uint8_t> block, std::size_t offset);
std::uint16_t ReadUint16(std::span<const std::uint8_t> block, std::size_t offset);
SkinPart ReadSkinPart(std::span<const std::uint8_t> block, std::size_t offset);

// Finds the tables and the bitmap in `block`. False, with `error` set, when
// the block is too short for its header, its tables or its bitmap, or when a
// count is negative or the bitmap is not an uncompressed DIB. The bit depth
// is not judged here (see kMinSkinBitCount).
bool ParseSkinBlockLayout(std::span<const std::uint8_t> block, SkinBlockLayout& layout, std::string& error);

// The first half of the above: the counts and table offsets only. Returns
// the offset behind the part table (where the bitmap starts), or false with
// `error` set when the block is too short for its header or tables or a
// count is negative. `layout.bitmap` is left empty.
bool ParseSkinTableLayout(std::span<const std::uint8_t> block, SkinBlockLayout& layout, std::size_t& bitmap_offset,
                          std::string& error);

// Checks a packed DIB starting at `offset` of `bytes` (header, masks,
// palette, pixels) and fills `bitmap`. Shared with the tool's BMP reader.
bool ParseSkinBitmap(std::span<const std::uint8_t> bytes, std::size_t offset, SkinBitmapLayout& bitmap,
                     std::string& error);

}  // namespace tebix
