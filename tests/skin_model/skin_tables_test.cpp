// Parsing an unpacked skin block into the skin model's tables, and the
// frame style records taken from them.
#include <gtest/gtest.h>

#include <string>

#include "skin/core/frame_styles.h"
#include "skin/core/skin_tables.h"
#include "tests/skin_model/test_skins.h"

namespace tebix {
namespace {

using test::Bytes;

SkinBlockStatus Parse(const Bytes& block, SkinData& data, SkinBitmapLayout& bitmap) {
  std::string error;
  const SkinBlockStatus status = ParseSkinBlock(block, data, bitmap, error);
  EXPECT_EQ(status == SkinBlockStatus::kOk, error.empty()) << error;
  return status;
}

void PutInt32(Bytes& b, std::size_t offset, std::int32_t v) {
  std::memcpy(b.data() + offset, &v, 4);
}

TEST(SkinTables, FullSkinLandsAtItsIndicesWithFixedHeader) {
  tbx::SkinSource skin = test::NumberedSkin(22, 63, 15, 29, 271);
  skin.kind = 7;
  skin.version = 9;
  skin.reserved = {1, 2, 3, 4};
  skin.bitmap = tbx::MakeSampleDib(221, 271, 32);
  Bytes block = tbx::BuildSkinBlock(skin);
  SkinData data;
  SkinBitmapLayout bitmap;
  ASSERT_EQ(Parse(block, data, bitmap), SkinBlockStatus::kOk);

  EXPECT_EQ(data.kind, 0) << "kind and version are the loader's, not the block's";
  EXPECT_EQ(data.version, 2);
  EXPECT_EQ(data.reserved, (std::array<std::int32_t, 4>{}));
  EXPECT_EQ(data.capacities, (std::array<std::int32_t, 5>{24, 63, 15, 29, 271}));
  EXPECT_EQ(data.metrics[0], 1000);
  EXPECT_EQ(data.metrics[21], 1021);
  EXPECT_EQ(data.metrics[22], 0) << "metrics the block lacks read as zero";
  EXPECT_EQ(data.metrics[23], 0);
  EXPECT_EQ(data.colours[62], 0x0010003Eu);
  EXPECT_EQ(data.offset_pairs[14].dx, 14);
  EXPECT_EQ(data.offset_pairs[14].dy, -14);
  EXPECT_EQ(data.rectangles[28].x, 28);
  EXPECT_EQ(data.rectangles[28].height, 31);
  EXPECT_EQ(data.parts[270].x, 270);
  EXPECT_EQ(data.parts[270].y, 540);
  EXPECT_EQ(data.parts[270].glyph_shift_y, -270);

  EXPECT_EQ(bitmap.offset, test::BitmapOffset(skin));
  EXPECT_EQ(bitmap.offset, 20500u) << "the full table sizes put the bitmap where a full skin has it";
  EXPECT_EQ(bitmap.width, 221);
  EXPECT_EQ(bitmap.height, 271);
  EXPECT_EQ(bitmap.pixels_offset, bitmap.offset + 40);
}

TEST(SkinTables, CountsAboveCapacityAreSkippedAndTheBitmapStillFound) {
  tbx::SkinSource skin = test::NumberedSkin(30, 70, 20, 35, 300);
  skin.bitmap = tbx::MakeSampleDib(5, 3, 24);
  const Bytes block = tbx::BuildSkinBlock(skin);
  SkinData data;
  SkinBitmapLayout bitmap;
  ASSERT_EQ(Parse(block, data, bitmap), SkinBlockStatus::kOk);
  EXPECT_EQ(data.metrics[23], 1023);
  EXPECT_EQ(data.colours[62], 0x0010003Eu) << "colour 63 onwards skipped, colour 62 kept";
  EXPECT_EQ(data.offset_pairs[14].dx, 14);
  EXPECT_EQ(data.rectangles[28].x, 28);
  EXPECT_EQ(data.parts[270].x, 270);
  EXPECT_EQ(bitmap.offset, test::BitmapOffset(skin)) << "found behind all 300 parts";
  EXPECT_EQ(bitmap.width, 5);
  EXPECT_EQ(bitmap.bit_count, 24);
}

TEST(SkinTables, CountsBelowCapacityLeaveTheRestZero) {
  const tbx::SkinSource skin = test::NumberedSkin(1, 2, 0, 1, 3);
  const Bytes block = tbx::BuildSkinBlock(skin);
  SkinData data;
  SkinBitmapLayout bitmap;
  ASSERT_EQ(Parse(block, data, bitmap), SkinBlockStatus::kOk);
  EXPECT_EQ(data.metrics[0], 1000);
  EXPECT_EQ(data.metrics[1], 0);
  EXPECT_EQ(data.colours[1], 0x00100001u);
  EXPECT_EQ(data.colours[2], 0u);
  EXPECT_EQ(data.offset_pairs[0].dx, 0);
  EXPECT_EQ(data.rectangles[0].height, 3);
  EXPECT_EQ(data.rectangles[1].height, 0);
  EXPECT_EQ(data.parts[2].y, 4);
  EXPECT_EQ(data.parts[3].y, 0);
  EXPECT_EQ(bitmap.offset, test::BitmapOffset(skin));
}

// Every cut of a block fails cleanly: before the end of the part table the
// tables are refused, before the end of the pixels the bitmap is; no byte
// past the cut is read (the sanitizers watch the copy).
TEST(SkinTables, ShortBlocksAreRefusedWithoutReadingPastTheirEnd) {
  const tbx::SkinSource skin = test::NumberedSkin(3, 4, 2, 2, 3);
  const Bytes block = tbx::BuildSkinBlock(skin);
  const std::size_t tables_end = test::BitmapOffset(skin);
  for (std::size_t length = 0; length <= block.size(); ++length) {
    const Bytes cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length));
    SkinData data;
    SkinBitmapLayout bitmap;
    const SkinBlockStatus want = length < tables_end     ? SkinBlockStatus::kBadTables
                                 : length < block.size() ? SkinBlockStatus::kBadBitmap
                                                         : SkinBlockStatus::kOk;
    ASSERT_EQ(Parse(cut, data, bitmap), want) << "block cut to " << length << " bytes";
    if (want == SkinBlockStatus::kBadTables) {
      EXPECT_EQ(data.metrics[0], 0) << "nothing filled";
    }
    if (want == SkinBlockStatus::kBadBitmap) {
      EXPECT_EQ(data.parts[2].y, 4) << "tables filled";
    }
  }
}

TEST(SkinTables, BitmapsTheSkinCannotDrawFromAreRefused) {
  const tbx::SkinSource base = test::NumberedSkin(1, 1, 1, 1, 1);
  const std::size_t at = test::BitmapOffset(base);
  auto status_with = [&](auto change) {
    tbx::SkinSource skin = base;
    Bytes block = tbx::BuildSkinBlock(skin);
    change(block);
    SkinData data;
    SkinBitmapLayout bitmap;
    return Parse(block, data, bitmap);
  };
  for (int bits : {1, 4, 8, 16}) {
    tbx::SkinSource skin = base;
    skin.bitmap = tbx::MakeSampleDib(8, 4, bits);
    SkinData data;
    SkinBitmapLayout bitmap;
    EXPECT_EQ(Parse(tbx::BuildSkinBlock(skin), data, bitmap), SkinBlockStatus::kBadBitmap) << bits << " bits";
  }
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, at + 8, 5); }), SkinBlockStatus::kBadBitmap)
      << "five rows claimed, four there";
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, at + 4, 0x40000000); }), SkinBlockStatus::kBadBitmap)
      << "a width whose rows overflow 32 bits";
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, at + 8, -4); }), SkinBlockStatus::kOk)
      << "top-down is fine";
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, at + 16, 1); }), SkinBlockStatus::kBadBitmap) << "RLE";
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, at + 32, 1000); }), SkinBlockStatus::kBadBitmap)
      << "a palette larger than the block";
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, 40, -1); }), SkinBlockStatus::kBadTables)
      << "negative part count";
  EXPECT_EQ(status_with([&](Bytes& b) { PutInt32(b, 40, 0x7FFFFFFF); }), SkinBlockStatus::kBadTables);

  // Colour masks only make sense at 32 bits; 24-bit pixels with masks are refused.
  tbx::SkinSource masked = base;
  masked.bitmap = test::WithColourMasks(tbx::MakeSampleDib(8, 4, 32));
  SkinData data;
  SkinBitmapLayout bitmap;
  EXPECT_EQ(Parse(tbx::BuildSkinBlock(masked), data, bitmap), SkinBlockStatus::kOk);
  EXPECT_EQ(bitmap.pixels_offset, at + 52);
  masked.bitmap[14] = 24;
  EXPECT_EQ(Parse(tbx::BuildSkinBlock(masked), data, bitmap), SkinBlockStatus::kBadBitmap);
}

TEST(FrameStyles, SlotsTakeTheirPartsPairsColoursAndMetric) {
  SkinData skin;
  for (std::size_t i = 0; i < skin.parts.size(); ++i) skin.parts[i].x = static_cast<std::int32_t>(i + 1);
  for (std::size_t i = 0; i < skin.offset_pairs.size(); ++i)
    skin.offset_pairs[i].dx = static_cast<std::int32_t>(i + 1);
  for (std::size_t i = 0; i < skin.colours.size(); ++i) skin.colours[i] = static_cast<std::uint32_t>(i + 1);
  for (std::size_t i = 0; i < skin.metrics.size(); ++i) skin.metrics[i] = static_cast<std::int32_t>(i + 1);
  const FrameStyles styles = BuildFrameStyles(skin);

  // Slot contents as part (or pair) number + 1; 0 for an empty slot.
  auto parts = [](const FrameStyle& style) {
    std::vector<int> x;
    for (const SkinPart& part : style.parts) x.push_back(part.x);
    return x;
  };
  auto pairs = [](const FrameStyle& style) {
    std::vector<int> dx;
    for (const OffsetPair& pair : style.offset_pairs) dx.push_back(pair.dx);
    return dx;
  };
  std::vector<int> normal = {1, 3, 5, 7, 2, 4, 6, 8};
  for (int i = 9; i <= 28; ++i) normal.push_back(i);
  EXPECT_EQ(parts(styles[kNormalFrame]), normal);
  EXPECT_EQ(pairs(styles[kNormalFrame]), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7}));
  EXPECT_EQ(styles[kNormalFrame].colours, (std::array<std::uint32_t, 2>{25, 26}));
  EXPECT_EQ(styles[kNormalFrame].metric, 2);

  std::vector<int> tool = {29, 31, 33, 35, 30, 32, 34, 36, 37, 38, 39, 40};
  tool.resize(28, 0);
  EXPECT_EQ(parts(styles[kToolFrame]), tool);
  EXPECT_EQ(pairs(styles[kToolFrame]), (std::vector<int>{9, 0, 0, 0, 0, 0, 10, 10}));
  EXPECT_EQ(styles[kToolFrame].colours, (std::array<std::uint32_t, 2>{27, 28}));
  EXPECT_EQ(styles[kToolFrame].metric, 0);

  std::vector<int> border = {41, 43, 45, 47, 42, 44, 46, 48};
  border.resize(28, 0);
  EXPECT_EQ(parts(styles[kBorderOnlyFrame]), border);
  EXPECT_EQ(pairs(styles[kBorderOnlyFrame]), std::vector<int>(8, 0));
  EXPECT_EQ(styles[kBorderOnlyFrame].colours, (std::array<std::uint32_t, 2>{}));
  EXPECT_EQ(styles[kBorderOnlyFrame].metric, 0);
  EXPECT_EQ(styles[kNormalFrame].parts[0].y, skin.parts[0].y) << "whole parts are copied";
}

}  // namespace
}  // namespace tebix
