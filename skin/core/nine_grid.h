// Where the pieces of a skin part go: the nine-grid split of the part's
// cell into fixed corners, stretched edges and a stretched centre, and the
// place of its glyph. Win32-free; draw_skin_part.h does the drawing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "skin/core/skin_block_format.h"

namespace tebix {

struct PieceRect {
  std::int64_t x;
  std::int64_t y;
  std::int64_t width;
  std::int64_t height;
};

struct SkinPiece {
  PieceRect dest;
  PieceRect source;
  bool corner;  // copied unscaled when the part is opaque
};

// Top-left, top, top-right, left, centre, right, bottom-left, bottom,
// bottom-right: the drawing order.
std::array<SkinPiece, 9> NinePieces(const SkinPart& part, std::int32_t left, std::int32_t top,
                                    std::int32_t right, std::int32_t bottom);

// A piece (or glyph) is drawn only when both of its rectangles have a
// positive size and lie within the 32-bit coordinate range; a destination
// smaller than the margins, or a cell smaller than them, leaves such pieces
// out.
bool Drawable(const PieceRect& dest, const PieceRect& source);

struct GlyphPlacement {
  PieceRect dest;
  PieceRect source;
  bool stretched;  // over the whole destination; otherwise centred, unscaled
};

// The glyph's place, or nothing when the part has no glyph (a zero glyph
// width or height). A centred glyph sits at the integer centre of the
// destination, moved by the part's glyph shift.
std::optional<GlyphPlacement> PlaceGlyph(const SkinPart& part, std::int32_t left, std::int32_t top,
                                         std::int32_t right, std::int32_t bottom);

}  // namespace tebix
