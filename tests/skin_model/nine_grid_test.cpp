// The nine-grid geometry's corner cases: pieces that come out empty or
// negative, coordinates that overflow, and glyph centring.
#include <gtest/gtest.h>

#include <limits>

#include "skin/core/nine_grid.h"

namespace tebix {
namespace {

SkinPart Part(int w, int h, int l, int t, int r, int b) {
  SkinPart part{};
  part.x = 10;
  part.y = 20;
  part.width = w;
  part.height = h;
  part.left_margin = l;
  part.top_margin = t;
  part.right_margin = r;
  part.bottom_margin = b;
  return part;
}

int DrawnCount(const SkinPart& part, int left, int top, int right, int bottom) {
  int drawn = 0;
  for (const SkinPiece& piece : NinePieces(part, left, top, right, bottom))
    drawn += Drawable(piece.dest, piece.source);
  return drawn;
}

TEST(NineGrid, PiecesWithoutAreaAreLeftOut) {
  EXPECT_EQ(DrawnCount(Part(20, 20, 4, 4, 4, 4), 0, 0, 50, 30), 9);
  EXPECT_EQ(DrawnCount(Part(20, 20, 4, 4, 4, 4), 0, 0, 6, 30), 6)
      << "narrower than the margins: no middle column";
  EXPECT_EQ(DrawnCount(Part(20, 20, 4, 4, 4, 4), 0, 0, 8, 8), 4) << "exactly the margins: corners only";
  EXPECT_EQ(DrawnCount(Part(20, 20, 0, 0, 0, 0), 0, 0, 50, 30), 1) << "no margins: the centre alone";
  EXPECT_EQ(DrawnCount(Part(6, 20, 4, 4, 4, 4), 0, 0, 50, 30), 6) << "a cell narrower than its margins";
  EXPECT_EQ(DrawnCount(Part(0, 0, 0, 0, 0, 0), 0, 0, 50, 30), 0) << "an all-zero part draws nothing";
  EXPECT_EQ(DrawnCount(Part(20, 20, -4, 4, 4, 4), 0, 0, 50, 30), 6) << "a negative margin drops its column";
  const auto pieces = NinePieces(Part(20, 20, 4, 3, 5, 6), 100, 200, 150, 230);
  EXPECT_EQ(pieces[8].dest.x, 145);
  EXPECT_EQ(pieces[8].dest.y, 224);
  EXPECT_EQ(pieces[8].source.x, 10 + 20 - 5);
  EXPECT_EQ(pieces[8].source.y, 20 + 20 - 6);
  EXPECT_EQ(pieces[4].dest.width, 50 - 4 - 5);
  EXPECT_EQ(pieces[4].source.height, 20 - 3 - 6);
}

TEST(NineGrid, HugeCellsFromABadFileAreNotDrawn) {
  const int big = std::numeric_limits<std::int32_t>::max();
  SkinPart part = Part(big, big, 0, 0, 0, 0);
  part.x = big;
  EXPECT_EQ(DrawnCount(part, 0, 0, 10, 10), 0);
  EXPECT_EQ(DrawnCount(Part(20, 20, big, 0, 0, 0), -big, 0, big, 10), 0)
      << "sources past the coordinate range";
}

TEST(NineGrid, GlyphIsCentredWithIntegerDivisionThenShifted) {
  SkinPart part{};
  EXPECT_FALSE(PlaceGlyph(part, 0, 0, 10, 10)) << "no glyph";
  part.glyph_x = 3;
  part.glyph_y = 4;
  part.glyph_width = 5;
  part.glyph_height = 3;
  part.glyph_shift_x = 2;
  part.glyph_shift_y = -1;
  auto glyph = PlaceGlyph(part, 10, 20, 31, 40);
  ASSERT_TRUE(glyph);
  EXPECT_FALSE(glyph->stretched);
  EXPECT_EQ(glyph->dest.x, (10 + 31) / 2 - 5 / 2 + 2);
  EXPECT_EQ(glyph->dest.y, (20 + 40) / 2 - 3 / 2 - 1);
  EXPECT_EQ(glyph->dest.width, 5);
  glyph = PlaceGlyph(part, -31, -40, -10, -20);
  EXPECT_EQ(glyph->dest.x, -20 - 2 + 2) << "division truncates toward zero";
  part.flags = 0x00100000;
  glyph = PlaceGlyph(part, 10, 20, 31, 40);
  EXPECT_TRUE(glyph->stretched);
  EXPECT_EQ(glyph->dest.width, 21);
  EXPECT_EQ(glyph->dest.height, 20);
  EXPECT_EQ(glyph->source.x, 3);
}

}  // namespace
}  // namespace tebix
