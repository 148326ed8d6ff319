// DrawSkinPart into memory DCs, checked pixel by pixel against the skin
// bitmap: every skin pixel names its own position, so each drawn pixel
// tells which cell pixel it came from.
#include "skin/core/draw_skin_part.h"

#include <gtest/gtest.h>

#include "skin/core/hsv_shift.h"
#include "skin/core/skin_recolour.h"
#include "tests/skin_model/gdi_fixture.h"

namespace tebix {
namespace {

using test::Canvas;
using test::Code;
using test::CodeX;
using test::CodeY;
using test::IsCode;
using test::kMagenta;

constexpr std::uint32_t kBackground = 0x123456;

// A 12 x 10 cell at (16, 4) with margins 3, 2, 4, 3.
SkinPart Cell(std::int32_t key = 0) {
  SkinPart part{};
  part.x = 16;
  part.y = 4;
  part.width = 12;
  part.height = 10;
  part.transparent = key;
  part.left_margin = 3;
  part.top_margin = 2;
  part.right_margin = 4;
  part.bottom_margin = 3;
  return part;
}

class DrawSkinPartTest : public test::GdiTest {
 protected:
  void Load(std::initializer_list<std::pair<int, int>> keyed = {}) {
    const test::Bytes block = test::CodedSkinBlock(keyed);
    ASSERT_EQ(LoadSkinModel(block), 1);
  }
};

// Checks every pixel of the destination (left, top)-(right, bottom) drawn
// with Cell(): corners copied pixel for pixel, edges and centre taken from
// their own band of the cell.
void ExpectNineGrid(const Canvas& canvas, int left, int top, int right, int bottom) {
  const SkinPart p = Cell();
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const std::uint32_t got = canvas.At(x, y);
      ASSERT_TRUE(IsCode(got)) << "(" << x << ", " << y << ") not drawn from the skin: " << std::hex << got;
      const int sx = CodeX(got), sy = CodeY(got);
      const int column = x < left + p.left_margin ? 0 : x >= right - p.right_margin ? 2 : 1;
      const int row = y < top + p.top_margin ? 0 : y >= bottom - p.bottom_margin ? 2 : 1;
      if (column != 1 && row != 1) {  // a corner: unscaled
        const int want_x = column == 0 ? p.x + (x - left) : p.x + p.width - (right - x);
        const int want_y = row == 0 ? p.y + (y - top) : p.y + p.height - (bottom - y);
        ASSERT_EQ(got, Code(want_x, want_y)) << "corner pixel (" << x << ", " << y << ")";
        continue;
      }
      const int band_x[] = {p.x, p.x + p.left_margin, p.x + p.width - p.right_margin, p.x + p.width};
      const int band_y[] = {p.y, p.y + p.top_margin, p.y + p.height - p.bottom_margin, p.y + p.height};
      ASSERT_GE(sx, band_x[column]) << "(" << x << ", " << y << ")";
      ASSERT_LT(sx, band_x[column + 1]) << "(" << x << ", " << y << ")";
      ASSERT_GE(sy, band_y[row]) << "(" << x << ", " << y << ")";
      ASSERT_LT(sy, band_y[row + 1]) << "(" << x << ", " << y << ")";
    }
  }
}

TEST_F(DrawSkinPartTest, OpaquePartCornersUnscaledEdgesAndCentreStretched) {
  Load();
  Canvas canvas(80, 60, kBackground);
  DrawSkinPart(canvas.dc(), RECT{5, 7, 5 + 41, 7 + 33}, Cell(), SkinBitmapDc());
  ExpectNineGrid(canvas, 5, 7, 46, 40);
  EXPECT_EQ(canvas.At(4, 7), kBackground) << "nothing outside the rectangle";
  EXPECT_EQ(canvas.At(46, 39), kBackground);
  EXPECT_EQ(canvas.At(45, 40), kBackground);
  // The centre is stretched over its whole band: both ends of the cell's
  // centre show up in the destination's centre.
  EXPECT_EQ(CodeX(canvas.At(5 + 3, 20)), 16 + 3);
  EXPECT_EQ(CodeX(canvas.At(46 - 4 - 1, 20)), 16 + 12 - 4 - 1);

  // The left-top-right-bottom twin draws the same.
  Canvas twin(80, 60, kBackground);
  DrawSkinPart(twin.dc(), 5, 7, 46, 40, Cell(), SkinBitmapDc());
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(twin.At(x, y), canvas.At(x, y));
  }
}

TEST_F(DrawSkinPartTest, NothingForAnEmptyRectangleOrPiecesWithoutArea) {
  Load();
  Canvas canvas(40, 40, kBackground);
  DrawSkinPart(canvas.dc(), RECT{10, 10, 10, 30}, Cell(), SkinBitmapDc());
  DrawSkinPart(canvas.dc(), RECT{10, 10, 30, 10}, Cell(), SkinBitmapDc());
  DrawSkinPart(canvas.dc(), RECT{30, 30, 10, 10}, Cell(), SkinBitmapDc());
  DrawSkinPart(canvas.dc(), RECT{0, 0, 40, 40}, SkinPart{}, SkinBitmapDc());
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_EQ(canvas.At(x, y), kBackground) << x << ", " << y;
  }

  // A cell narrower than its margins: its centre band has negative width.
  // Nothing may come of it (a mirrored copy would), so the middle column of
  // the destination stays as it was while the rest is drawn.
  SkinPart narrow = Cell();
  narrow.width = 6;
  DrawSkinPart(canvas.dc(), RECT{0, 0, 20, 20}, narrow, SkinBitmapDc());
  EXPECT_TRUE(IsCode(canvas.At(0, 0)));
  EXPECT_TRUE(IsCode(canvas.At(19, 10)));
  for (int y = 0; y < 20; ++y) {
    for (int x = 3; x < 16; ++x) ASSERT_EQ(canvas.At(x, y), kBackground) << x << ", " << y;
  }
}

TEST_F(DrawSkinPartTest, KeyedPartLeavesKeyPixelsUntouched) {
  // Key pixels in the top-left corner and across the whole centre row 8.
  Load({{16, 4}, {17, 4}, {16, 5}, {19, 8}, {20, 8}, {21, 8}, {22, 8}, {23, 8}});
  Canvas canvas(60, 40, kBackground);
  DrawSkinPart(canvas.dc(), RECT{2, 2, 42, 32}, Cell(kMagenta), SkinBitmapDc());
  EXPECT_EQ(canvas.At(2, 2), kBackground);
  EXPECT_EQ(canvas.At(3, 2), kBackground);
  EXPECT_EQ(canvas.At(2, 3), kBackground);
  EXPECT_EQ(canvas.At(4, 2), Code(18, 4)) << "the rest of the corner is drawn";
  EXPECT_EQ(canvas.At(3, 3), Code(17, 5));
  int untouched_centre = 0;
  for (int y = 2; y < 32; ++y) {
    for (int x = 2; x < 42; ++x) {
      const std::uint32_t got = canvas.At(x, y);
      ASSERT_NE(got, kMagenta) << "the key colour is never drawn";
      if (x >= 5 && x < 38 && y >= 4 && y < 29 && got == kBackground) ++untouched_centre;
    }
  }
  EXPECT_GT(untouched_centre, 0) << "the keyed row of the centre shows through";
}

TEST_F(DrawSkinPartTest, GlyphCentredAndShiftedOrStretched) {
  // Glyph cell 5 x 3 at (40, 20) with its top-left pixel keyed.
  Load({{40, 20}});
  SkinPart part = Cell();
  part.glyph_x = 40;
  part.glyph_y = 20;
  part.glyph_width = 5;
  part.glyph_height = 3;
  part.glyph_transparent = kMagenta;
  part.glyph_shift_x = 2;
  part.glyph_shift_y = -1;
  Canvas canvas(60, 40, kBackground);
  DrawSkinPart(canvas.dc(), RECT{0, 0, 31, 20}, part, SkinBitmapDc());
  const int gx = 31 / 2 - 5 / 2 + 2, gy = 20 / 2 - 3 / 2 - 1;
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 5; ++i) {
      if (i == 0 && j == 0) continue;
      ASSERT_EQ(canvas.At(gx + i, gy + j), Code(40 + i, 20 + j)) << i << ", " << j;
    }
  }
  EXPECT_NE(canvas.At(gx, gy), kMagenta);
  EXPECT_LT(CodeX(canvas.At(gx, gy)), 40) << "the part shows through the glyph's key pixel";
  EXPECT_LT(CodeX(canvas.At(gx + 5, gy)), 40) << "nothing of the glyph right of it";

  part.flags = 0x00200000;
  Canvas stretched(60, 40, kBackground);
  DrawSkinPart(stretched.dc(), RECT{0, 0, 50, 30}, part, SkinBitmapDc());
  EXPECT_EQ(stretched.At(49, 29), Code(44, 22)) << "the glyph's corner reaches the destination's corner";
  EXPECT_LT(CodeX(stretched.At(0, 0)), 40) << "keyed there: the part shows";
}

TEST_F(DrawSkinPartTest, KeyColoursFollowTheColourShift) {
  Load({{16, 4}, {40, 20}});
  ASSERT_EQ(AdjustSkinHsv(120, 30, 40), 0);
  const HsvDeltas deltas{120, 30, 40};
  SkinPart part = Cell(kMagenta);
  part.glyph_x = 40;
  part.glyph_y = 20;
  part.glyph_width = 5;
  part.glyph_height = 3;
  part.glyph_transparent = kMagenta;

  Canvas canvas(60, 40, kBackground);
  DrawSkinPart(canvas.dc(), RECT{0, 0, 31, 20}, part, SkinBitmapDc());
  EXPECT_EQ(canvas.At(0, 0), kBackground) << "the recoloured key pixel is still keyed";
  EXPECT_EQ(canvas.At(1, 0), HsvShift(Code(17, 4), deltas)) << "drawn from the recoloured bitmap";
  const int gx = 31 / 2 - 5 / 2, gy = 20 / 2 - 3 / 2;
  EXPECT_EQ(canvas.At(gx + 1, gy), HsvShift(Code(41, 20), deltas));
  EXPECT_NE(canvas.At(gx, gy), HsvShift(kMagenta, deltas)) << "centred glyph's key shifted";

  // A stretched glyph's key follows the shift as well.
  part.flags = 0x00F00000;
  Canvas stretched(60, 40, kBackground);
  DrawSkinPart(stretched.dc(), RECT{0, 0, 50, 30}, part, SkinBitmapDc());
  EXPECT_NE(stretched.At(0, 0), HsvShift(kMagenta, deltas)) << "stretched glyph's key shifted";
  EXPECT_EQ(stretched.At(0, 0), kBackground) << "both the part's and the glyph's key pixel are there";
}

}  // namespace
}  // namespace tebix
