#include "skin/core/nine_grid.h"

#include <limits>

namespace tebix {
namespace {

bool Fits(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

bool Usable(const PieceRect& r) {
  return r.width > 0 && r.height > 0 && Fits(r.x) && Fits(r.y) && Fits(r.width) && Fits(r.height) &&
         Fits(r.x + r.width) && Fits(r.y + r.height);
}

}  // namespace

std::array<SkinPiece, 9> NinePieces(const SkinPart& part, std::int32_t left, std::int32_t top,
                                    std::int32_t right, std::int32_t bottom) {
  // Everything in 64 bits: cells and margins come straight from a skin file.
  const std::int64_t l = left, t = top, r = right, b = bottom;
  const std::int64_t x = part.x, y = part.y, w = part.width, h = part.height;
  const std::int64_t lm = part.left_margin, tm = part.top_margin, rm = part.right_margin,
                     bm = part.bottom_margin;
  const std::int64_t dw = r - l, dh = b - t;
  const std::int64_t mid_dw = dw - rm - lm, mid_dh = dh - bm - tm;
  const std::int64_t mid_w = w - rm - lm, mid_h = h - bm - tm;
  return {{
      {{l, t, lm, tm}, {x, y, lm, tm}, true},
      {{l + lm, t, mid_dw, tm}, {x + lm, y, mid_w, tm}, false},
      {{r - rm, t, rm, tm}, {x + w - rm, y, rm, tm}, true},
      {{l, t + tm, lm, mid_dh}, {x, y + tm, lm, mid_h}, false},
      {{l + lm, t + tm, mid_dw, mid_dh}, {x + lm, y + tm, mid_w, mid_h}, false},
      {{r - rm, t + tm, rm, mid_dh}, {x + w - rm, y + tm, rm, mid_h}, false},
      {{l, b - bm, lm, bm}, {x, y + h - bm, lm, bm}, true},
      {{l + lm, b - bm, mid_dw, bm}, {x + lm, y + h - bm, mid_w, bm}, false},
      {{r - rm, b - bm, rm, bm}, {x + w - rm, y + h - bm, rm, bm}, true},
  }};
}

bool Drawable(const PieceRect& dest, const PieceRect& source) {
  return Usable(dest) && Usable(source);
}

std::optional<GlyphPlacement> PlaceGlyph(const SkinPart& part, std::int32_t left, std::int32_t top,
                                         std::int32_t right, std::int32_t bottom) {
  if (part.glyph_width == 0 || part.glyph_height == 0) return std::nullopt;
  const PieceRect source{part.glyph_x, part.glyph_y, part.glyph_width, part.glyph_height};
  if ((part.flags & SkinPart::kStretchGlyph) != 0) {
    return GlyphPlacement{{left, top, std::int64_t{right} - left, std::int64_t{bottom} - top}, source, true};
  }
  const std::int64_t x = (std::int64_t{left} + right) / 2 - part.glyph_width / 2 + part.glyph_shift_x;
  const std::int64_t y = (std::int64_t{top} + bottom) / 2 - part.glyph_height / 2 + part.glyph_shift_y;
  return GlyphPlacement{{x, y, part.glyph_width, part.glyph_height}, source, false};
}

}  // namespace tebix
