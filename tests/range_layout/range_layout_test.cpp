// Fill arithmetic, trackbar parts and channel, up-down buttons, header columns.
#include "skin/render/range_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace tebix::ranges {
namespace {

TEST(ProgressFill, TruncatesThePercentageBeforeScalingAndNeverDividesByZero) {
  struct Case {
    const char* name;
    std::int32_t position, low, high;
    int length;
    int filled;
  } cases[] = {
      {"low + 1 of 0..300 is 0 %", 1, 0, 300, 100, 0},
      {"low + 3 of 0..300 is 1 %", 3, 0, 300, 100, 1},
      {"1 % of 150 px truncates to 1 px", 3, 0, 300, 150, 1},
      {"99.9 % truncates to 99 %", 999, 0, 1000, 200, 198},
      {"full", 300, 0, 300, 100, 100},
      {"offset range", 60, 50, 70, 80, 40},
      {"negative range", -5, -10, 0, 100, 50},
      {"at low", 0, 0, 100, 100, 0},
      {"below low", -3, 0, 100, 100, 0},
      {"past high fills all", 500, 0, 100, 90, 90},
      {"high equal to low", 7, 7, 7, 100, 0},
      {"reversed range", 5, 10, 0, 100, 0},
      {"no length", 50, 0, 100, 0, 0},
      {"the whole 32-bit range", INT_MAX / 2, INT_MIN, INT_MAX, 100, 74},
      {"a wide range does not overflow", 1'000'000'000, 0, 2'000'000'000, 100, 50},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilledLength(c.position, c.low, c.high, c.length), c.filled) << c.name;
  }
}

TEST(ProgressFill, GrowsFromTheLeftOrUpFromTheBottomInsideTheTrackMargins) {
  const Box bar{0, 0, 100, 20};
  const Box column{0, 0, 20, 100};
  const Margins m{2, 3, 4, 5};
  struct Case {
    const char* name;
    Box bar;
    bool vertical;
    int filled;
    Box fill;
  } cases[] = {
      {"horizontal half", bar, false, 50, {2, 3, 46, 15}},
      {"horizontal full", bar, false, 100, {2, 3, 96, 15}},
      {"horizontal narrower than the margins", bar, false, 6, {}},
      {"nothing filled", bar, false, 0, {}},
      {"vertical half rises from the bottom", column, true, 50, {2, 53, 16, 95}},
      {"vertical full", column, true, 100, {2, 3, 16, 95}},
      {"vertical lower than the margins", column, true, 8, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgressFill(c.bar, c.vertical, c.filled, m), c.fill) << c.name;

  EXPECT_EQ(ProgressPartsFor(false, true).track, 154);
  EXPECT_EQ(ProgressPartsFor(false, false).fill, 157);
  EXPECT_EQ(ProgressPartsFor(true, true).fill, 162);
  EXPECT_EQ(ProgressPartsFor(true, false).track, 161);
}

TEST(Trackbar, ThumbPartFollowsTickSideStateAndFocus) {
  constexpr std::uint32_t V = kTrackVertical, T = kTrackTopOrLeft, B = kTrackBothSides;
  struct Case {
    std::uint32_t style;
    int normal, hot, pressed, disabled, focused;
  } cases[] = {
      {0, 229, 230, 232, 233, 229},
      {T, 224, 225, 227, 228, 224},
      {B, 219, 220, 222, 223, 219},
      {B | T, 219, 220, 222, 223, 219},
      {V, 244, 245, 247, 248, 244},
      {V | T, 239, 240, 242, 243, 241},
      {V | B, 234, 235, 237, 238, 234},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ThumbPart(c.style, true, Mouse::kNormal, false), c.normal) << c.style;
    EXPECT_EQ(ThumbPart(c.style, true, Mouse::kHot, false), c.hot) << c.style;
    EXPECT_EQ(ThumbPart(c.style, true, Mouse::kPressed, true), c.pressed) << c.style;
    EXPECT_EQ(ThumbPart(c.style, false, Mouse::kHot, true), c.disabled) << c.style;
    EXPECT_EQ(ThumbPart(c.style, true, Mouse::kNormal, true), c.focused) << c.style;
    // The focus shows only while the mouse is away.
    EXPECT_EQ(ThumbPart(c.style, true, Mouse::kHot, true), c.hot) << c.style;
  }
  EXPECT_EQ(ChannelPart(0, true), 251);
  EXPECT_EQ(ChannelPart(0, false), 252);
  EXPECT_EQ(ChannelPart(V, true), 249);
  EXPECT_EQ(ChannelPart(V | B, false), 250);
}

TEST(Trackbar, VerticalChannelIsTurnedAboutTheClientMiddleAndTheThumb) {
  struct Case {
    const char* name;
    Box reported, client, thumb;
    Box upright;
  } cases[] = {
      {"laid out across", {8, 10, 88, 14}, {0, 0, 40, 100}, {10, 40, 30, 50}, {18, 10, 22, 90}},
      {"odd sizes", {8, 10, 89, 15}, {0, 0, 41, 101}, {11, 40, 30, 50}, {18, 10, 23, 91}},
      {"already upright is kept", {18, 10, 22, 90}, {0, 0, 40, 100}, {10, 40, 30, 50}, {18, 10, 22, 90}},
  };
  for (const Case& c : cases) EXPECT_EQ(UprightChannel(c.reported, c.client, c.thumb), c.upright) << c.name;
}

TEST(UpDown, SplitsIntoHalvesWithAOnePixelGapAndShrinksInsideAPicker) {
  struct Case {
    const char* name;
    Box client;
    bool picker, horizontal;
    Box first, second;
  } cases[] = {
      {"vertical", {0, 0, 18, 36}, false, false, {0, 0, 18, 18}, {0, 19, 18, 36}},
      {"vertical odd", {0, 0, 18, 37}, false, false, {0, 0, 18, 18}, {0, 19, 18, 37}},
      {"horizontal", {0, 0, 36, 22}, false, true, {0, 0, 18, 22}, {19, 0, 36, 22}},
      {"inside a picker", {0, 0, 16, 20}, true, false, {0, 0, 15, 9}, {0, 10, 15, 19}},
  };
  for (const Case& c : cases) {
    const UpDownHalves h = SplitUpDown(UpDownArea(c.client, c.picker), c.horizontal);
    EXPECT_EQ(h.first, c.first) << c.name;
    EXPECT_EQ(h.second, c.second) << c.name;
  }
  const UpDownHalves h = SplitUpDown({0, 0, 18, 36}, false);
  EXPECT_EQ(HalfAt(h, 5, 17), 0);
  EXPECT_EQ(HalfAt(h, 5, 18), -1) << "the gap belongs to neither";
  EXPECT_EQ(HalfAt(h, 5, 19), 1);
  EXPECT_EQ(HalfAt(h, 18, 5), -1);
}

TEST(UpDown, OnlyTheHeldButtonShowsPressedAndOnlyTheOneUnderThePointerHot) {
  struct Case {
    const char* name;
    bool horizontal, enabled;
    Mouse mouse;
    int hot, held;
    int first, second;
  } cases[] = {
      {"at rest", false, true, Mouse::kNormal, -1, -1, 194, 198},
      {"hot upper", false, true, Mouse::kHot, 0, -1, 195, 198},
      {"hot lower", false, true, Mouse::kHot, 1, -1, 194, 199},
      {"hot over the gap", false, true, Mouse::kHot, -1, -1, 194, 198},
      {"lower held", false, true, Mouse::kPressed, 0, 1, 194, 200},
      {"upper held", false, true, Mouse::kPressed, 0, 0, 196, 198},
      {"pressed in the gap", false, true, Mouse::kPressed, -1, -1, 194, 198},
      {"disabled", false, false, Mouse::kPressed, 0, 0, 197, 201},
      {"horizontal right held", true, true, Mouse::kPressed, 1, 1, 202, 208},
      {"horizontal left hot", true, true, Mouse::kHot, 0, -1, 203, 206},
      {"horizontal disabled", true, false, Mouse::kNormal, -1, -1, 205, 209},
  };
  for (const Case& c : cases) {
    const UpDownLook look = LookOfUpDown(c.horizontal, c.enabled, c.mouse, c.hot, c.held);
    EXPECT_EQ(look.first, c.first) << c.name;
    EXPECT_EQ(look.second, c.second) << c.name;
  }
}

TEST(Header, ColumnsFollowTheDisplayOrderAndHitTestByPosition) {
  const std::vector<Box> rects = {{0, 0, 100, 20}, {180, 0, 250, 20}, {100, 0, 180, 20}};
  const std::vector<int> order = {0, 2, 1};
  const std::vector<HeaderColumn> columns = ColumnsInDisplayOrder(order, rects);
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[1].index, 2);
  EXPECT_EQ(columns[1].rect, rects[2]);
  struct Case {
    int x, y, position;
  } cases[] = {{0, 0, 0}, {99, 19, 0}, {100, 5, 1}, {179, 5, 1}, {180, 5, 2}, {249, 5, 2}, {250, 5, -1},
               {5, 20, -1}, {-1, 5, -1}};
  for (const Case& c : cases) EXPECT_EQ(PositionAt(columns, c.x, c.y), c.position) << c.x << "," << c.y;

  struct Bad {
    const char* name;
    std::vector<int> order;
    std::vector<int> indices;
  } bad[] = {
      {"an index past the items is left out", {0, 7, 1}, {0, 1}},
      {"a negative index is left out", {-1, 2}, {2}},
      {"an item shown twice shows once", {1, 1, 0}, {1, 0}},
      {"no items", {}, {}},
  };
  for (const Bad& b : bad) {
    std::vector<int> got;
    for (const HeaderColumn& c : ColumnsInDisplayOrder(b.order, rects)) got.push_back(c.index);
    EXPECT_EQ(got, b.indices) << b.name;
  }
}

TEST(Header, LooksAndItemLayout) {
  struct Case {
    int position, hot;
    Mouse mouse;
    int part, colour;
  } cases[] = {{0, -1, Mouse::kNormal, 150, 32}, {1, 1, Mouse::kHot, 151, 33}, {1, 1, Mouse::kPressed, 152, 34},
               {0, 1, Mouse::kPressed, 150, 32}, {-1, -1, Mouse::kHot, 150, 32}};
  for (const Case& c : cases) {
    const HeaderLook look = LookOfColumn(c.position, c.hot, c.mouse);
    EXPECT_EQ(look.part, c.part) << c.position << " hot " << c.hot;
    EXPECT_EQ(look.text_colour, c.colour) << c.position << " hot " << c.hot;
  }

  const HeaderItemLayout plain = LayOutColumn({100, 0, 200, 24}, false, 16, 16);
  EXPECT_FALSE(plain.image);
  EXPECT_EQ(plain.text, (Box{106, 0, 194, 24}));
  const HeaderItemLayout imaged = LayOutColumn({100, 0, 200, 25}, true, 16, 16);
  EXPECT_TRUE(imaged.image);
  EXPECT_EQ(imaged.image_x, 106);
  EXPECT_EQ(imaged.image_y, 4);
  EXPECT_EQ(imaged.text.left, 128);
  EXPECT_FALSE(LayOutColumn({0, 0, 50, 20}, true, 0, 0).image) << "no image list";
}

}  // namespace
}  // namespace tebix::ranges
