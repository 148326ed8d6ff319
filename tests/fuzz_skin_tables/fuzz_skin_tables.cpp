// Fuzz target for the skin model's parser and the geometry drawn from it.
// Each input is taken as an unpacked skin block:
//  - parsing must not read outside it, must refuse exactly what the block
//    layout refuses, and must find the same bitmap, inside the block;
//  - every part's nine pieces and glyph, for a few destinations, must come
//    out either drawable (positive, in-range sizes) or left out, without
//    overflowing;
//  - the block's bytes, read as pixels, must shift like single colours.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/core/frame_styles.h"
#include "skin/core/hsv_shift.h"
#include "skin/core/nine_grid.h"
#include "skin/core/skin_tables.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool InRange(const tebix::PieceRect& r) {
  return r.width > 0 && r.height > 0 && r.x >= INT32_MIN && r.x + r.width <= INT32_MAX && r.y >= INT32_MIN &&
         r.y + r.height <= INT32_MAX;
}

void CheckGeometry(std::span<const tebix::SkinPart> parts) {
  static const std::int32_t kDestinations[][4] = {
      {0, 0, 100, 30}, {5, 5, 6, 6}, {-20, -10, 3, 4}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}};
  for (const tebix::SkinPart& part : parts) {
    for (const auto& d : kDestinations) {
      for (const tebix::SkinPiece& piece : tebix::NinePieces(part, d[0], d[1], d[2], d[3])) {
        if (tebix::Drawable(piece.dest, piece.source)) Check(InRange(piece.dest) && InRange(piece.source));
      }
      if (auto glyph = tebix::PlaceGlyph(part, d[0], d[1], d[2], d[3])) {
        if (tebix::Drawable(glyph->dest, glyph->source))
          Check(InRange(glyph->dest) && InRange(glyph->source));
      }
    }
  }
}

void CheckShift(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 8) return;
  const tebix::HsvDeltas deltas{bytes[0] * 2 - 100, bytes[1] * 2 - 100, bytes[2] * 2 - 100};
  std::vector<std::uint32_t> pixels((bytes.size() - 3) / 4);
  std::memcpy(pixels.data(), bytes.data() + 3, pixels.size() * 4);
  std::vector<std::uint32_t> shifted = pixels;
  tebix::ShiftPixels(shifted, deltas);
  for (std::size_t i = 0; i < pixels.size() && i < 64; ++i) {
    const std::uint32_t p = pixels[i];
    const std::uint32_t colour = ((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16;
    const std::uint32_t want = tebix::HsvShift(colour, deltas);
    Check(want <= 0xFFFFFF);
    Check(shifted[i] == (((want >> 16) & 0xFF) | (want & 0xFF00) | (want & 0xFF) << 16));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly `size` bytes, so that any read past the end is caught.
  std::vector<std::uint8_t> block(data, data + size);
  const std::span<const std::uint8_t> bytes(block);

  auto skin = std::make_unique<tebix::SkinData>();
  tebix::SkinBitmapLayout bitmap;
  std::string error;
  const tebix::SkinBlockStatus status = tebix::ParseSkinBlock(bytes, *skin, bitmap, error);

  tebix::SkinBlockLayout layout;
  std::string layout_error;
  std::size_t bitmap_offset = 0;
  const bool tables = tebix::ParseSkinTableLayout(bytes, layout, bitmap_offset, layout_error);
  Check(tables == (status != tebix::SkinBlockStatus::kBadTables));
  Check(status == tebix::SkinBlockStatus::kOk ? error.empty() : !error.empty());
  if (status == tebix::SkinBlockStatus::kOk) {
    Check(tebix::ParseSkinBlockLayout(bytes, layout, layout_error));
    Check(bitmap.offset == bitmap_offset && bitmap.pixels_offset == layout.bitmap.pixels_offset);
    Check(bitmap.bit_count >= tebix::kMinSkinBitCount);
    Check(bitmap.pixels_offset <= size && bitmap.pixel_bytes <= size - bitmap.pixels_offset);
    Check(bitmap.stride *
              static_cast<std::size_t>(bitmap.height < 0 ? -std::int64_t{bitmap.height} : bitmap.height) ==
          bitmap.pixel_bytes);
  }
  if (tables) {
    const std::size_t parts = std::min<std::size_t>(layout.counts[tebix::kSkinParts], tebix::kPartCapacity);
    for (std::size_t i = 0; i < parts; ++i) {
      const tebix::SkinPart read =
          tebix::ReadSkinPart(bytes, layout.table_offsets[tebix::kSkinParts] + 72 * i);
      Check(std::memcmp(&read, &skin->parts[i], sizeof read) == 0);
    }
    tebix::BuildFrameStyles(*skin);
    CheckGeometry(std::span(skin->parts).first(parts));  // the rest are zero
  }
  CheckShift(bytes);
  return 0;
}
