// Loading unpacked skin blocks into the process-wide model: the skin bitmap
// in its DC, the background brush, the fonts, the drawing surfaces, and
// what a bad block leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/core/skin_file_load.h"
#include "skin/core/skin_recolour.h"
#include "tests/skin_model/gdi_fixture.h"
#include "tools/tbxtool/lzari_encoder.h"

namespace tebix {
namespace {

using test::Bytes;
using test::Code;

class SkinLoadTest : public test::GdiTest {};

void ExpectCodedBitmap(const char* what) {
  for (int y = 0; y < 32; y += 3) {
    for (int x = 0; x < 64; x += 5) {
      ASSERT_EQ(GetPixel(SkinBitmapDc(), x, y), Code(x, y)) << what << " at " << x << ", " << y;
    }
  }
}

TEST_F(SkinLoadTest, SurfacesAreScreenSizedAndSurviveLoads) {
  for (int i = 0; i < 2; ++i) {
    BITMAP info{};
    ASSERT_EQ(GetObjectW(GetCurrentObject(BackBufferDc(i), OBJ_BITMAP), sizeof info, &info),
              int{sizeof info});
    EXPECT_EQ(info.bmWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.bmHeight, GetSystemMetrics(SM_CYSCREEN));
  }
  EXPECT_EQ(BackBufferDc(2), nullptr);
  const HDC skin_dc = SkinBitmapDc();
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock()), 1);
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock()), 1);
  EXPECT_EQ(SkinBitmapDc(), skin_dc);
  EXPECT_TRUE(StartDrawingSurfaces()) << "a second start keeps what is there";
  EXPECT_EQ(SkinBitmapDc(), skin_dc);
}

TEST_F(SkinLoadTest, BitmapBrushFontsAndTablesOfAGoodBlock) {
  EXPECT_EQ(CurrentSkinData(), nullptr);
  EXPECT_FALSE(SkinLoaded());
  int forgotten = 0;
  static int* counter = &forgotten;
  SetSkinModelHooks({[] { ++*counter; }, nullptr});
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock()), 1);
  EXPECT_EQ(forgotten, 1) << "owner-drawn menu items are forgotten on every load";
  ASSERT_NE(CurrentSkinData(), nullptr);
  EXPECT_EQ(CurrentSkinData()->metrics[21], 1021);
  EXPECT_EQ(CurrentSkinData()->parts[47].x, 47);
  EXPECT_EQ(SkinFrameStyle(kToolFrame).parts[0].x, 28);
  EXPECT_TRUE(SkinLoaded());
  EXPECT_EQ(SkinBitmapSize().cx, 64);
  EXPECT_EQ(SkinBitmapSize().cy, 32);
  EXPECT_EQ(GetCurrentObject(SkinBitmapDc(), OBJ_BITMAP), LoadedSkinBitmap());
  ExpectCodedBitmap("bottom-up 32-bit");

  // The background brush repeats the cell of rectangle 0, (2, 3) 4 x 5, and
  // is what both back buffers paint with.
  EXPECT_EQ(GetCurrentObject(BackBufferDc(0), OBJ_BRUSH), SkinBackgroundBrush());
  EXPECT_EQ(GetCurrentObject(BackBufferDc(1), OBJ_BRUSH), SkinBackgroundBrush());
  HDC back = BackBufferDc(1);
  SetBrushOrgEx(back, 0, 0, nullptr);
  PatBlt(back, 0, 0, 12, 15, PATCOPY);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 12; ++x)
      ASSERT_EQ(GetPixel(back, x, y), Code(2 + x % 4, 3 + y % 5)) << x << ", " << y;
  }

  for (auto [font, weight] : {std::pair{SkinFont(), 400}, std::pair{SkinBoldFont(), 700}}) {
    LOGFONTW log{};
    ASSERT_EQ(GetObjectW(font, sizeof log, &log), int{sizeof log});
    EXPECT_EQ(log.lfHeight, 12);
    EXPECT_EQ(log.lfWidth, 0);
    EXPECT_EQ(log.lfWeight, weight);
    EXPECT_EQ(log.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(log.lfPitchAndFamily, FF_MODERN | DEFAULT_PITCH);
    EXPECT_EQ(std::wstring(log.lfFaceName), L"宋体_GB2312");
  }
}

// The whole way in: a packed skin file through the container check and the
// decoder into the model.
TEST_F(SkinLoadTest, APackedSkinFileLoadsThroughTheContainer) {
  Bytes file = {'.', 'T', 'B', 'X'};
  const Bytes stream = tbx::LzariEncode(test::CodedSkinBlock(), tbx::Parsing::kGreedy);
  file.insert(file.end(), stream.begin(), stream.end());
  ASSERT_EQ(LoadSkinBlock(file.data(), static_cast<std::uint32_t>(file.size()), LoadSkinModel), 1);
  EXPECT_TRUE(SkinLoaded());
  EXPECT_EQ(CurrentSkinData()->colours[62], 0x0010003Eu);
  ExpectCodedBitmap("packed");
}

TEST_F(SkinLoadTest, OtherBitmapFormatsGiveTheSamePixels) {
  tbx::SkinSource skin = test::NumberedSkin(1, 1, 1, 1, 1);
  skin.bitmap = test::CodedDib({}, 24);
  ASSERT_EQ(LoadSkinModel(tbx::BuildSkinBlock(skin)), 1);
  ExpectCodedBitmap("24-bit");

  // Top-down: the rows flipped and the height negated.
  Bytes flipped = test::CodedDib({}, 32);
  Bytes rows(flipped.begin() + 40, flipped.end());
  for (int y = 0; y < 32; ++y)
    std::copy_n(rows.begin() + (31 - y) * 256, 256, flipped.begin() + 40 + y * 256);
  const std::int32_t minus = -32;
  std::memcpy(flipped.data() + 8, &minus, 4);
  skin.bitmap = flipped;
  ASSERT_EQ(LoadSkinModel(tbx::BuildSkinBlock(skin)), 1);
  ExpectCodedBitmap("top-down");

  // Colour masks in front of the pixels.
  skin.bitmap = test::WithColourMasks(test::CodedDib({}, 32));
  ASSERT_EQ(LoadSkinModel(tbx::BuildSkinBlock(skin)), 1);
  ExpectCodedBitmap("bit fields");
}

TEST_F(SkinLoadTest, ShortTablesChangeNothingABadBitmapUnloadsTheSkin) {
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock()), 1);
  const SkinData* loaded = CurrentSkinData();
  const HBITMAP bitmap = LoadedSkinBitmap();
  ASSERT_EQ(AdjustSkinHsv(30, 0, 0), 0);

  const Bytes good = test::CodedSkinBlock();
  for (std::size_t length : {std::size_t{0}, std::size_t{63}, std::size_t{64}, std::size_t{300}}) {
    EXPECT_EQ(LoadSkinModel(std::span(good).first(length)), 0) << length;
  }
  EXPECT_EQ(CurrentSkinData(), loaded) << "a block too short for its tables leaves the skin as it was";
  EXPECT_EQ(LoadedSkinBitmap(), bitmap);
  EXPECT_EQ(CurrentDeltas(), (HsvDeltas{30, 0, 0}));

  // A bitmap the skin cannot use: the tables are taken, but no skin is
  // loaded and nothing is drawn from the skin until the next good load.
  tbx::SkinSource shallow = test::NumberedSkin(3, 3, 3, 3, 3);
  shallow.bitmap = tbx::MakeSampleDib(64, 32, 16);
  const Bytes cut(good.begin(), good.end() - 1);
  for (const Bytes& block : {tbx::BuildSkinBlock(shallow), cut}) {
    EXPECT_EQ(LoadSkinModel(block), 0);
    EXPECT_FALSE(SkinLoaded());
    EXPECT_EQ(LoadedSkinBitmap(), nullptr);
    EXPECT_EQ(SkinBackgroundBrush(), nullptr);
    EXPECT_EQ(SkinFont(), nullptr);
    ASSERT_NE(CurrentSkinData(), nullptr);
    EXPECT_EQ(AdjustSkinHsv(10, 0, 0), 1) << "nothing to recolour";
  }
  EXPECT_EQ(CurrentSkinData()->metrics[0], 1000);
  EXPECT_EQ(GetCurrentObject(SkinBitmapDc(), OBJ_BITMAP), GetCurrentObject(ScratchDc(), OBJ_BITMAP))
      << "the skin bitmap DC holds only its empty bitmap";

  ASSERT_EQ(LoadSkinModel(good), 1);
  ExpectCodedBitmap("after a bad load");
}

TEST_F(SkinLoadTest, NoSurfacesNoLoad) {
  StopDrawingSurfaces();
  EXPECT_EQ(LoadSkinModel(test::CodedSkinBlock()), 0);
  EXPECT_EQ(CurrentSkinData(), nullptr);
}

TEST_F(SkinLoadTest, ReleasingAndFreeingTheModel) {
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock()), 1);
  ASSERT_EQ(AdjustSkinHsv(200, 0, 0), 0);
  ReleaseSkinObjects();
  EXPECT_FALSE(SkinLoaded());
  EXPECT_EQ(SkinBackgroundBrush(), nullptr);
  EXPECT_EQ(SkinBoldFont(), nullptr);
  EXPECT_NE(CurrentSkinData(), nullptr) << "the tables stay until the engine stops";
  FreeSkinModel();
  EXPECT_EQ(CurrentSkinData(), nullptr);
  EXPECT_EQ(SkinFrameStyle(kNormalFrame).parts[0].x, 0);
}

// Every load and every recolour deletes what it replaces: the handles of
// the previous bitmap, recoloured copy, brush and fonts are dead afterwards.
TEST_F(SkinLoadTest, ReplacedObjectsAreDeleted) {
  const Bytes block = test::CodedSkinBlock();
  auto current = [] {
    return std::vector<HGDIOBJ>{LoadedSkinBitmap(), GetCurrentObject(SkinBitmapDc(), OBJ_BITMAP),
                                SkinBackgroundBrush(), SkinFont(), SkinBoldFont()};
  };
  auto expect_dead = [](const std::vector<HGDIOBJ>& objects, const char* after) {
    for (HGDIOBJ object : objects)
      EXPECT_EQ(GetObjectType(object), 0u) << object << " still alive after " << after;
  };
  ASSERT_EQ(LoadSkinModel(block), 1);
  ASSERT_EQ(AdjustSkinHsv(5, 5, 5), 0);
  std::vector<HGDIOBJ> before = current();
  const HGDIOBJ copy = before[1];
  const HGDIOBJ brush = before[2];
  ASSERT_NE(copy, LoadedSkinBitmap());

  ASSERT_EQ(AdjustSkinHsv(6, 5, 5), 0);
  expect_dead({copy, brush}, "a second recolour");
  ASSERT_EQ(AdjustSkinHsv(0, 0, 0), 0);
  before = current();
  ASSERT_EQ(LoadSkinModel(block), 1);
  expect_dead(before, "a new load");
  before = current();
  ASSERT_EQ(AdjustSkinHsv(7, 0, 0), 0);
  const HGDIOBJ shifted_copy = GetCurrentObject(SkinBitmapDc(), OBJ_BITMAP);
  ReleaseSkinObjects();
  expect_dead({before[0], before[2], before[3], before[4], shifted_copy}, "releasing the skin");

  // Engine stop may take the surfaces down before the model.
  ASSERT_EQ(LoadSkinModel(block), 1);
  ASSERT_EQ(AdjustSkinHsv(8, 0, 0), 0);
  before = current();
  StopDrawingSurfaces();
  FreeSkinModel();
  expect_dead(before, "stopping the surfaces, then freeing the model");
}

}  // namespace
}  // namespace tebix
