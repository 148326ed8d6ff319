#include "skin/core/draw_skin_part.h"

#include "skin/core/nine_grid.h"
#include "skin/core/shifted_colour.h"

namespace tebix {
namespace {

int I(std::int64_t v) {
  return static_cast<int>(v);
}

void Keyed(HDC target, const PieceRect& d, HDC source, const PieceRect& s, std::uint32_t key) {
  TransparentBlt(target, I(d.x), I(d.y), I(d.width), I(d.height), source, I(s.x), I(s.y), I(s.width),
                 I(s.height), key);
}

}  // namespace

void DrawSkinPart(HDC target, int left, int top, int right, int bottom, const SkinPart& part, HDC source) {
  if (right <= left || bottom <= top) return;
  const auto key = static_cast<std::uint32_t>(part.transparent);
  for (const SkinPiece& piece : NinePieces(part, left, top, right, bottom)) {
    if (!Drawable(piece.dest, piece.source)) continue;
    const PieceRect& d = piece.dest;
    const PieceRect& s = piece.source;
    if (key != 0) {
      Keyed(target, d, source, s, ShiftedColour(key));
    } else if (piece.corner) {
      BitBlt(target, I(d.x), I(d.y), I(d.width), I(d.height), source, I(s.x), I(s.y), SRCCOPY);
    } else {
      StretchBlt(target, I(d.x), I(d.y), I(d.width), I(d.height), source, I(s.x), I(s.y), I(s.width),
                 I(s.height), SRCCOPY);
    }
  }
  const auto glyph = PlaceGlyph(part, left, top, right, bottom);
  if (glyph && Drawable(glyph->dest, glyph->source)) {
    // The glyph's key is shifted with the bitmap whether the glyph is
    // centred or stretched: an unshifted key would no longer match its
    // recoloured background.
    Keyed(target, glyph->dest, source, glyph->source,
          ShiftedColour(static_cast<std::uint32_t>(part.glyph_transparent)));
  }
}

void DrawSkinPart(HDC target, const RECT& dest, const SkinPart& part, HDC source) {
  DrawSkinPart(target, dest.left, dest.top, dest.right, dest.bottom, part, source);
}

}  // namespace tebix
