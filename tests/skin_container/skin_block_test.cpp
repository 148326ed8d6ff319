// The container check (magic, stream, header size) and the layout of an
// unpacked skin block.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "skin/core/skin_block_format.h"
#include "skin/core/skin_file.h"
#include "tools/tbxtool/lzari_encoder.h"
#include "tools/tbxtool/sample_skin.h"

namespace tebix {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes SkinFile(const Bytes& block, const char* magic = ".TBX") {
  Bytes file(magic, magic + 4);
  const Bytes stream = tbx::LzariEncode(block, tbx::Parsing::kGreedy);
  file.insert(file.end(), stream.begin(), stream.end());
  return file;
}

SkinFileStatus Status(const Bytes& file) {
  UnpackedBlock block;
  const SkinFileStatus status = UnpackSkinFile(file.data(), file.size(), block).status;
  if (status != SkinFileStatus::kOk) {
    EXPECT_TRUE(block.empty());
  }
  return status;
}

void PutInt32(Bytes& b, std::size_t offset, std::int32_t v) { std::memcpy(b.data() + offset, &v, 4); }

TEST(SkinFile, ChecksMagicStreamAndHeader) {
  tbx::SkinSource skin = tbx::MakeSampleSkin(1, 5);
  skin.bitmap = tbx::MakeSampleDib(16, 16, 32);
  const Bytes block = tbx::BuildSkinBlock(skin);
  const Bytes file = SkinFile(block);
  UnpackedBlock unpacked;
  ASSERT_EQ(UnpackSkinFile(file.data(), file.size(), unpacked).status, SkinFileStatus::kOk);
  EXPECT_EQ(Bytes(unpacked.data(), unpacked.data() + unpacked.size()), block);

  EXPECT_EQ(UnpackSkinFile(nullptr, 100, unpacked).status, SkinFileStatus::kEmpty);
  EXPECT_EQ(UnpackSkinFile(file.data(), 0, unpacked).status, SkinFileStatus::kEmpty);
  EXPECT_EQ(Status(SkinFile(block, ".tbx")), SkinFileStatus::kBadMagic) << "the magic is upper case";
  EXPECT_EQ(Status(SkinFile(block, "XTBX")), SkinFileStatus::kBadMagic);
  EXPECT_EQ(Status(Bytes{'.', 'T', 'B'}), SkinFileStatus::kBadMagic);
  for (std::size_t length = 4; length < 8; ++length) {
    EXPECT_EQ(Status(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length))),
              SkinFileStatus::kBadStream);
  }
  EXPECT_EQ(Status(Bytes(file.begin(), file.end() - 1)), SkinFileStatus::kBadStream);
  EXPECT_EQ(Status(SkinFile({})), SkinFileStatus::kNoHeader) << "declared size 0";
  EXPECT_EQ(Status(SkinFile(Bytes(63, 0))), SkinFileStatus::kNoHeader);
  EXPECT_EQ(Status(SkinFile(Bytes(64, 0))), SkinFileStatus::kOk);
}

TEST(SkinBlockLayout, FindsTablesAndBitmap) {
  const Bytes block = tbx::BuildSkinBlock(tbx::MakeSampleSkin(1, 5));
  SkinBlockLayout layout;
  std::string error;
  ASSERT_TRUE(ParseSkinBlockLayout(block, layout, error)) << error;
  EXPECT_EQ(layout.counts, (std::array<std::uint32_t, 5>{22, 63, 15, 29, 271}));
  EXPECT_EQ(layout.table_offsets[kSkinParts], 64u + 4 * 22 + 4 * 63 + 8 * 15 + 16 * 29);
  EXPECT_EQ(layout.bitmap.offset, 20500u);
  EXPECT_EQ(layout.bitmap.width, 221);
  EXPECT_EQ(layout.bitmap.height, 271);
  EXPECT_EQ(layout.bitmap.bit_count, 32);
  EXPECT_EQ(layout.bitmap.pixels_offset, 20540u);
  EXPECT_EQ(layout.bitmap.pixel_bytes, 221u * 4 * 271);
  EXPECT_EQ(block.size(), 260104u);
}

TEST(SkinBlockLayout, PartsAreReadFieldByField) {
  tbx::SkinSource source = tbx::MakeSampleSkin(2, 0);
  SkinPart part{};
  for (std::size_t i = 0; i < kSkinPartFields.size(); ++i) part.*kSkinPartFields[i].member = static_cast<std::int32_t>(100 + i);
  source.parts.assign(300, SkinPart{});
  source.parts[0] = part;
  source.parts[299] = part;
  const Bytes block = tbx::BuildSkinBlock(source);
  SkinBlockLayout layout;
  std::string error;
  ASSERT_TRUE(ParseSkinBlockLayout(block, layout, error)) << error;
  EXPECT_EQ(layout.counts[kSkinParts], 300u) << "more parts than a skin model keeps";
  const SkinPart first = ReadSkinPart(block, layout.table_offsets[kSkinParts]);
  EXPECT_EQ(first.x, 100);
  EXPECT_EQ(first.transparent, 104);
  EXPECT_EQ(first.flags, 114);
  EXPECT_EQ(first.glyph_shift_y, 117);
  EXPECT_EQ(ReadSkinPart(block, layout.table_offsets[kSkinParts] + 299 * 72).left_margin, 110);
  EXPECT_EQ(layout.bitmap.width, 221) << "the bitmap is found behind all 300 parts";
}

TEST(SkinBlockLayout, RefusesBlocksTooShortOrInconsistent) {
  const Bytes good = tbx::BuildSkinBlock(tbx::MakeSampleSkin(1, 5));
  SkinBlockLayout layout;
  std::string error;
  auto refused = [&](const Bytes& block) { return !ParseSkinBlockLayout(block, layout, error) && !error.empty(); };

  EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 63)));
  EXPECT_TRUE(refused(Bytes(good.begin(), good.end() - 1))) << "pixels missing";
  EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 20500 + 39))) << "bitmap header cut";
  Bytes negative = good;
  PutInt32(negative, 24 + 4 * kSkinColours, -1);
  EXPECT_TRUE(refused(negative));
  Bytes too_many = good;
  PutInt32(too_many, 24 + 4 * kSkinParts, 0x7FFFFFFF);
  EXPECT_TRUE(refused(too_many));
  Bytes compressed = good;
  PutInt32(compressed, 20500 + 16, 1);  // BI_RLE8
  EXPECT_TRUE(refused(compressed));
  Bytes empty_bitmap = good;
  PutInt32(empty_bitmap, 20500 + 4, 0);
  EXPECT_TRUE(refused(empty_bitmap));

  Bytes top_down = good;
  PutInt32(top_down, 20500 + 8, -271);
  ASSERT_TRUE(ParseSkinBlockLayout(top_down, layout, error)) << error;
  EXPECT_EQ(layout.bitmap.pixel_bytes, 221u * 4 * 271);
}

TEST(SkinBlockLayout, ColourMasksSitBetweenHeaderAndPixels) {
  tbx::SkinSource source = tbx::MakeSampleSkin(1, 0);
  source.bitmap = tbx::MakeSampleDib(3, 2, 32);
  PutInt32(source.bitmap, 16, static_cast<std::int32_t>(kBiBitfields));
  const std::uint32_t masks[3] = {0xFF0000, 0xFF00, 0xFF};
  source.bitmap.insert(source.bitmap.begin() + 40, reinterpret_cast<const std::uint8_t*>(masks),
                       reinterpret_cast<const std::uint8_t*>(masks) + 12);
  const Bytes block = tbx::BuildSkinBlock(source);
  SkinBlockLayout layout;
  std::string error;
  ASSERT_TRUE(ParseSkinBlockLayout(block, layout, error)) << error;
  EXPECT_EQ(layout.bitmap.pixels_offset, layout.bitmap.offset + 52);
  EXPECT_EQ(layout.bitmap.pixels_offset + layout.bitmap.pixel_bytes, block.size());
}

}  // namespace
}  // namespace tebix
