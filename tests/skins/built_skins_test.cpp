// The skins the build packs: they load with the skin model and hold every
// entry the renderers draw from, in the sizes the renderers expect, with
// readable text.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "skin/core/skin_block_format.h"
#include "skin/core/skin_file.h"
#include "skin/core/skin_tables.h"
#include "tests/skins/built_skins.h"
#include "tools/tbxtool/contrast.h"

namespace tebix::test {
namespace {

constexpr std::int32_t kMagenta = 0x00FF00FF;

// Which entries each renderer reads. Written from the renderers' side, not
// from the generator: a part the generator forgets shows up here.
struct RendererNeeds {
  const char* renderer;
  std::vector<int> parts;
  std::vector<int> colours;
  std::vector<int> positive_metrics;  // sizes: zero would collapse what they size
  std::vector<int> offset_pairs;      // must not be (0, 0)
};

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; ++i) v.push_back(i);
  return v;
}
std::vector<int> Join(std::initializer_list<std::vector<int>> lists) {
  std::vector<int> v;
  for (const auto& l : lists) v.insert(v.end(), l.begin(), l.end());
  return v;
}

const std::vector<RendererNeeds>& Needs() {
  static const std::vector<RendererNeeds> needs = {
      {"window frame", Range(0, 47), {24, 25, 26, 27, 61, 62}, {}, {0, 1, 2, 3, 4, 5, 6, 8, 9}},
      {"buttons", Range(71, 104), {0, 4, 5, 9, 10, 14, 28, 29, 30, 31, 61, 62}, {}, {14}},
      {"scroll bars",
       Join({Range(116, 132), {135, 136, 139, 140, 141, 142, 144, 145, 146, 149}}),
       Range(15, 22),
       Range(14, 19),
       {}},
      {"edit, list and combo boxes", {214, 217}, {15, 16, 19, 20, 21, 22}, {}, {}},
      {"menus",
       {48, 50, 51, 53, 54, 55, 57, 58, 59, 61, 62, 63, 65, 66, 68, 116, 120},
       {36, 37, 39, 40, 41, 42},
       {7, 8, 10, 11, 13},
       {}},
      {"tabs",
       {71, 73, 75, 166, 168, 170, 171, 173, 175, 176, 178, 180, 181, 183, 185, 186},
       {48, 61, 62},
       {},
       {}},
      {"progress bars, trackbars, up-down controls, headers",
       Join({Range(150, 152),
             Range(154, 157),
             Range(160, 163),
             Range(194, 209),
             {219, 220, 222, 223, 224, 225, 227, 228, 229, 230, 232, 233, 234, 235, 237, 238},
             Range(239, 245),
             {247, 248},
             Range(249, 252)}),
       {32, 33, 34},
       {},
       {}},
      {"status bars and toolbars",
       {106, 107, 108, 109, 111, 112, 113, 149, 266},
       {46, 53, 54, 55, 56},
       {},
       {}},
      {"date picker and month calendar",
       Join({Range(253, 261), {264, 265}}),
       {44, 45, 15, 16, 19, 20, 21, 22},
       {},
       {}},
      {"data-bound controls", {214, 217, 218}, Range(15, 22), {}, {}},
  };
  return needs;
}

class BuiltSkinTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadBuiltSkin(GetParam(), skin_, bitmap_)); }
  const SkinPart& Part(int i) const { return skin_.parts.at(static_cast<std::size_t>(i)); }

  tbx::SkinSource skin_;
  tbx::Raster bitmap_;
};

TEST_P(BuiltSkinTest, LoadsIntoTheSkinModelWithinItsCapacities) {
  const std::vector<std::uint8_t> file = ReadBuiltSkin(GetParam());
  UnpackedBlock block;
  ASSERT_EQ(UnpackSkinFile(file.data(), file.size(), block).status, SkinFileStatus::kOk);
  SkinData data;
  SkinBitmapLayout layout;
  std::string error;
  ASSERT_EQ(ParseSkinBlock(block.bytes(), data, layout, error), SkinBlockStatus::kOk) << error;
  EXPECT_GE(layout.bit_count, kMinSkinBitCount);
  // Nothing beyond the capacities: the model would drop it silently.
  EXPECT_LE(skin_.metrics.size(), kMetricCapacity);
  EXPECT_LE(skin_.colours.size(), kColourCapacity);
  EXPECT_LE(skin_.offset_pairs.size(), kOffsetPairCapacity);
  EXPECT_LE(skin_.rectangles.size(), kRectangleCapacity);
  EXPECT_LE(skin_.parts.size(), kPartCapacity);
  EXPECT_EQ(data.parts[0].width, Part(0).width);
}

TEST_P(BuiltSkinTest, EveryEntryARendererReadsIsFilledAndLiesInTheBitmap) {
  for (const RendererNeeds& need : Needs()) {
    SCOPED_TRACE(need.renderer);
    for (int i : need.parts) {
      ASSERT_LT(static_cast<std::size_t>(i), skin_.parts.size()) << "part " << i;
      const SkinPart& p = Part(i);
      EXPECT_GT(p.width, 0) << "part " << i;
      EXPECT_GT(p.height, 0) << "part " << i;
      EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.width <= bitmap_.width() &&
                  p.y + p.height <= bitmap_.height())
          << "part " << i << " leaves the bitmap";
      EXPECT_LE(p.left_margin + p.right_margin, p.width) << "part " << i;
      EXPECT_LE(p.top_margin + p.bottom_margin, p.height) << "part " << i;
      EXPECT_TRUE(p.transparent == 0 || p.transparent == kMagenta) << "part " << i;
      if (p.glyph_width != 0) {
        EXPECT_TRUE(p.glyph_x >= 0 && p.glyph_y >= 0 && p.glyph_x + p.glyph_width <= bitmap_.width() &&
                    p.glyph_y + p.glyph_height <= bitmap_.height())
            << "glyph of part " << i;
      }
    }
    for (int i : need.colours) {
      ASSERT_LT(static_cast<std::size_t>(i), skin_.colours.size()) << "colour " << i;
      EXPECT_EQ(skin_.colours[static_cast<std::size_t>(i)] & ~0x00FFFFFF, 0) << "colour " << i;
    }
    for (int i : need.positive_metrics) {
      ASSERT_LT(static_cast<std::size_t>(i), skin_.metrics.size());
      EXPECT_GT(skin_.metrics[static_cast<std::size_t>(i)], 0) << "metric " << i;
    }
    for (int i : need.offset_pairs) {
      ASSERT_LT(static_cast<std::size_t>(i), skin_.offset_pairs.size());
      const auto& pair = skin_.offset_pairs[static_cast<std::size_t>(i)];
      EXPECT_FALSE(pair[0] == 0 && pair[1] == 0) << "offset pair " << i;
    }
  }
  // Rectangle 0 is the background pattern; 1..28 must stay empty, or the
  // menus would no longer draw their check marks, arrows and window glyphs.
  ASSERT_GE(skin_.rectangles.size(), 1u);
  EXPECT_GT(skin_.rectangles[0][2], 0);
  EXPECT_GT(skin_.rectangles[0][3], 0);
  for (std::size_t i = 1; i < skin_.rectangles.size(); ++i)
    EXPECT_EQ(skin_.rectangles[i][2], 0) << "rectangle " << i;
}

TEST_P(BuiltSkinTest, GlyphsOfOneKindShareTheSizeTheRendererTakesFromTheFirst) {
  // Check boxes are drawn at the size of part 76, radio buttons at that of
  // part 91: a state of another size would be squeezed.
  for (int i = 77; i <= 90; ++i) {
    EXPECT_EQ(Part(i).width, Part(76).width) << i;
    EXPECT_EQ(Part(i).height, Part(76).height) << i;
  }
  for (int i = 92; i <= 100; ++i) {
    EXPECT_EQ(Part(i).width, Part(91).width) << i;
    EXPECT_EQ(Part(i).height, Part(91).height) << i;
  }
  // The menu separator is drawn at its own height inside an item of metric 8.
  EXPECT_LE(Part(66).height, skin_.metrics[8]);
  // The child-window buttons of the menu bar fit a row of metric 13.
  for (int i : {53, 54, 55, 57, 58, 59, 61, 62, 63}) EXPECT_LE(Part(i).height, skin_.metrics[13]) << i;
}

TEST_P(BuiltSkinTest, CaptionButtonsSitInsideTheCaptionWithoutOverlapping) {
  struct Frame {
    int caption;
    std::vector<int> pairs;  // close, then the ones further left
    int first_button;
    int right_border;
  };
  const Frame frames[] = {{0, {0, 1, 2, 3}, 8, 4}, {28, {8}, 36, 32}};
  for (const Frame& f : frames) {
    const int caption_height = Part(f.caption).height;
    int previous_left = -Part(f.right_border).width;  // relative to the window's right edge
    const int kinds[] = {0, 1, 3, 4};  // close, maximize, minimize, help among the five button images
    for (std::size_t n = 0; n < f.pairs.size(); ++n) {
      const int pair = f.pairs[n];
      const auto& at = skin_.offset_pairs[static_cast<std::size_t>(pair)];
      const int button = f.first_button + 4 * kinds[n];
      EXPECT_LE(at[0], 0) << "pair " << pair << " counts from the right edge";
      EXPECT_LE(at[0] + Part(button).width, previous_left) << "pair " << pair;
      EXPECT_GE(at[1], 0);
      EXPECT_LE(at[1] + Part(button).height, caption_height) << "pair " << pair;
      previous_left = at[0];
    }
  }
}

TEST_P(BuiltSkinTest, RoundedCaptionCornersAreKeyedSoTheWindowRegionCutsThem) {
  for (int caption : {0, 1, 28, 29}) {
    const SkinPart& p = Part(caption);
    EXPECT_EQ(p.transparent, kMagenta) << caption;
    EXPECT_EQ(bitmap_.At(p.x, p.y), static_cast<tbx::Colour>(kMagenta)) << caption;
    EXPECT_EQ(bitmap_.At(p.x + p.width - 1, p.y), static_cast<tbx::Colour>(kMagenta)) << caption;
    // The corners lie in the fixed columns, so they stay corners at any width.
    EXPECT_GT(p.left_margin, 0);
    EXPECT_GT(p.right_margin, 0);
    // ... and the middle of the caption is solid.
    EXPECT_NE(bitmap_.At(p.x + p.width / 2, p.y + p.height / 2), static_cast<tbx::Colour>(kMagenta));
  }
}

TEST_P(BuiltSkinTest, TextIsReadableOnWhatItIsDrawnOn) {
  const std::vector<tbx::ContrastResult> results = tbx::CheckTextContrast(skin_, bitmap_);
  ASSERT_FALSE(results.empty());
  for (const tbx::ContrastResult& r : results) {
    EXPECT_TRUE(r.ok) << "colour " << r.colour << " on part " << r.part << ": " << r.ratio << ":1";
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, BuiltSkinTest, ::testing::ValuesIn(kBuiltSkins));

TEST(BuiltSkins, TheSecondSkinIsVisiblyDifferent) {
  tbx::SkinSource compact, dark;
  tbx::Raster compact_bitmap, dark_bitmap;
  ASSERT_TRUE(LoadBuiltSkin("compact", compact, compact_bitmap));
  ASSERT_TRUE(LoadBuiltSkin("dark", dark, dark_bitmap));
  auto background = [](const tbx::SkinSource& s, const tbx::Raster& b) {
    return tbx::RelativeLuminance(b.At(s.rectangles[0][0], s.rectangles[0][1]));
  };
  EXPECT_GT(background(compact, compact_bitmap), 0.7);
  EXPECT_LT(background(dark, dark_bitmap), 0.1);
  EXPECT_NE(compact.colours, dark.colours);
}

}  // namespace
}  // namespace tebix::test
