// The contact sheet: PNG encoding, the software nine-grid drawing, and the
// preview command on the built skins.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "skin/core/skin_block_format.h"
#include "tests/skin_container/temp_folder.h"
#include "tests/skins/built_skins.h"
#include "tools/tbxtool/contrast.h"
#include "tools/tbxtool/png_writer.h"
#include "tools/tbxtool/preview.h"
#include "tools/tbxtool/tbxtool.h"

namespace tebix::test {
namespace {

using tbx::Colour;
using tbx::Raster;
using tbx::Rgb;

std::uint32_t Big32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 | std::uint32_t{b[at + 2]} << 8 |
         b[at + 3];
}

// Reads back a PNG made of stored deflate blocks, checking every CRC and
// the Adler-32; returns the scanlines or fails the test.
std::vector<std::uint8_t> ReadStoredPng(const std::vector<std::uint8_t>& png, int& width, int& height) {
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(png.size() > 8 && std::equal(signature, signature + 8, png.begin()));
  std::vector<std::uint8_t> zlib;
  std::size_t at = 8;
  std::string last;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = Big32(png, at);
    const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const auto body = std::span(png).subspan(at + 8, length);
    EXPECT_EQ(Big32(png, at + 8 + length), tbx::Crc32(std::span(png).subspan(at + 4, length + 4))) << type;
    if (type == "IHDR") {
      width = static_cast<int>(Big32(png, at + 8));
      height = static_cast<int>(Big32(png, at + 12));
      EXPECT_EQ(body[8], 8);  // bit depth
      EXPECT_EQ(body[9], 2);  // RGB
    }
    if (type == "IDAT") zlib.insert(zlib.end(), body.begin(), body.end());
    last = type;
    at += 12 + length;
  }
  EXPECT_EQ(last, "IEND");
  EXPECT_EQ(at, png.size());
  std::vector<std::uint8_t> data;
  std::size_t z = 2;
  EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);  // zlib header check
  for (bool final_block = false; !final_block && z + 5 <= zlib.size();) {
    final_block = zlib[z] & 1;
    EXPECT_EQ(zlib[z] & 6, 0);  // stored
    const std::size_t n = zlib[z + 1] | zlib[z + 2] << 8;
    EXPECT_EQ(n ^ 0xFFFF, static_cast<std::size_t>(zlib[z + 3] | zlib[z + 4] << 8));
    data.insert(data.end(), zlib.begin() + static_cast<std::ptrdiff_t>(z + 5),
                zlib.begin() + static_cast<std::ptrdiff_t>(z + 5 + n));
    z += 5 + n;
  }
  EXPECT_EQ(Big32(zlib, z), tbx::Adler32(data));
  return data;
}

TEST(PngWriter, ChecksumsMatchTheirPublishedValues) {
  const std::string digits = "123456789";
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size());
  EXPECT_EQ(tbx::Crc32(bytes), 0xCBF43926u);
  const std::string wiki = "Wikipedia";
  EXPECT_EQ(tbx::Adler32(std::span(reinterpret_cast<const std::uint8_t*>(wiki.data()), wiki.size())),
            0x11E60398u);
}

TEST(PngWriter, PixelsSurviveARoundTripAcrossSeveralStoredBlocks) {
  // 200 x 120 RGB is 72,120 bytes of scanlines: two stored blocks.
  Raster picture(200, 120);
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 200; ++x) picture.Set(x, y, Rgb(x, y * 2, (x + y) & 0xFF));
  }
  int width = 0, height = 0;
  const std::vector<std::uint8_t> rows = ReadStoredPng(tbx::EncodePng(picture), width, height);
  ASSERT_EQ(width, 200);
  ASSERT_EQ(height, 120);
  ASSERT_EQ(rows.size(), 120u * (1 + 3 * 200));
  for (int y : {0, 57, 119}) {
    const std::size_t row = static_cast<std::size_t>(y) * 601;
    EXPECT_EQ(rows[row], 0);  // filter none
    for (int x : {0, 133, 199}) {
      const std::size_t p = row + 1 + 3 * static_cast<std::size_t>(x);
      EXPECT_EQ(Rgb(rows[p], rows[p + 1], rows[p + 2]), picture.At(x, y)) << x << "," << y;
    }
  }
}

// A 6 x 6 cell with a distinct colour per pixel, corners keyed, and a
// 2 x 2 glyph beside it.
struct SmallSkin {
  Raster bitmap{10, 6, Rgb(255, 0, 255)};
  SkinPart part{};
  SmallSkin() {
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 6; ++x) bitmap.Set(x, y, Rgb(10 * x + 1, 10 * y + 1, 7));
    }
    bitmap.Set(0, 0, Rgb(255, 0, 255));
    bitmap.Fill(7, 0, 2, 2, Rgb(1, 2, 3));
    bitmap.Set(8, 1, Rgb(255, 0, 255));
    part = {0, 0, 6, 6, 0x00FF00FF, 7, 0, 2, 2, 0x00FF00FF, 2, 2, 2, 2, 0, 0, 0, 0};
  }
};

TEST(DrawPart, CornersStayFixedEdgesStretchAndKeysLeaveHoles) {
  SmallSkin s;
  const Colour back = Rgb(9, 9, 9);
  Raster target(20, 10, back);
  tbx::DrawPart(target, s.bitmap, s.part, 2, 1, 16, 9);  // 14 x 8
  EXPECT_EQ(target.At(2, 1), back);                      // keyed corner pixel
  EXPECT_EQ(target.At(3, 1), s.bitmap.At(1, 0));         // corner copied as is
  EXPECT_EQ(target.At(15, 8), s.bitmap.At(5, 5));
  EXPECT_EQ(target.At(14, 7), s.bitmap.At(4, 4));
  // The 2-pixel centre spans 10 x 4: each source column covers five.
  for (int i = 0; i < 10; ++i) EXPECT_EQ(target.At(4 + i, 3), s.bitmap.At(2 + i / 5, 2)) << i;
  EXPECT_EQ(target.At(4, 6), s.bitmap.At(2, 3));
  EXPECT_EQ(target.At(1, 1), back);  // nothing outside the rectangle
  // The glyph, centred at ((2 + 16) / 2 - 1, (1 + 9) / 2 - 1), keeps its hole.
  EXPECT_EQ(target.At(8, 4), Rgb(1, 2, 3));
  EXPECT_EQ(target.At(9, 5), s.bitmap.At(2 + 5 / 5, 2 + 2 / 2));
}

TEST(DrawPart, AnOpaquePartDrawsItsKeyColourAndCornersOverlapInDrawingOrder) {
  SmallSkin s;
  s.part.transparent = 0;
  s.part.glyph_width = 0;
  Raster target(8, 8, 0);
  tbx::DrawPart(target, s.bitmap, s.part, 0, 0, 3, 3);  // smaller than the margins: corners only
  EXPECT_EQ(target.At(0, 0), Rgb(255, 0, 255));         // top-left, key colour drawn
  EXPECT_EQ(target.At(2, 0), s.bitmap.At(5, 0));        // top-right
  EXPECT_EQ(target.At(0, 2), s.bitmap.At(0, 5));        // bottom-left
  EXPECT_EQ(target.At(1, 1), s.bitmap.At(4, 4));        // bottom-right comes last
  EXPECT_EQ(target.At(3, 3), 0u);
}

TEST(Contrast, RatiosFollowTheLuminanceFormula) {
  EXPECT_NEAR(tbx::ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0, 1e-9);
  EXPECT_NEAR(tbx::ContrastRatio(Rgb(118, 118, 118), Rgb(255, 255, 255)), 4.54, 0.01);
  EXPECT_DOUBLE_EQ(tbx::ContrastRatio(Rgb(10, 80, 200), Rgb(10, 80, 200)), 1.0);
}

class PreviewOfBuiltSkin : public ::testing::TestWithParam<const char*> {};

TEST_P(PreviewOfBuiltSkin, WritesAContactSheetAndAReport) {
  testing::TempFolder folder;
  const std::string out_png = (folder / "sheet.png").string();
  std::ostringstream out, err;
  const std::vector<std::string> args = {"preview", BuiltSkinPath(GetParam()).string(), out_png};
  ASSERT_EQ(tbx::RunTbxTool(args, out, err), 0) << err.str();
  EXPECT_NE(out.str().find(", 0 below"), std::string::npos) << out.str();
  int width = 0, height = 0;
  const std::vector<std::uint8_t> rows = ReadStoredPng(testing::ReadBytes(out_png), width, height);
  EXPECT_GT(width, 1000);
  EXPECT_GT(height, 1000);
  EXPECT_EQ(rows.size(), static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
}

INSTANTIATE_TEST_SUITE_P(Skins, PreviewOfBuiltSkin, ::testing::ValuesIn(kBuiltSkins));

TEST(Preview, ABrokenFileIsReportedAndWritesNothing) {
  testing::TempFolder folder;
  const auto bad = folder / "bad.tbx";
  std::ofstream(bad, std::ios::binary) << ".TBX\x10\x00\x00\x00garbage";
  std::ostringstream out, err;
  const std::vector<std::string> args = {"preview", bad.string(), (folder / "x.png").string()};
  EXPECT_EQ(tbx::RunTbxTool(args, out, err), 1);
  EXPECT_FALSE(err.str().empty());
  EXPECT_FALSE(std::filesystem::exists(folder / "x.png"));
}

}  // namespace
}  // namespace tebix::test
