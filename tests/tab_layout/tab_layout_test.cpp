#include <gtest/gtest.h>

#include <vector>

#include "skin/render/tab_layout.h"

namespace tebix::tab {
namespace {

// A 200 x 100 control whose display rectangle is inset by 4 and leaves 20 px for tabs on each side.
const Box kClient{0, 0, 200, 100};
const Box kDisplay{24, 24, 176, 76};

TEST(TabLayout, PaneRunsFromTheSelectedTabToTheFarEdge) {
  struct Case {
    const char* name;
    Side side;
    Box item;
    Box pane;
  } cases[] = {
      {"top", Side::kTop, {30, 2, 80, 22}, {0, 22, 200, 100}},
      {"bottom", Side::kBottom, {30, 78, 80, 98}, {0, 0, 200, 78}},
      {"left", Side::kLeft, {2, 30, 22, 80}, {22, 0, 200, 100}},
      {"right", Side::kRight, {178, 30, 198, 80}, {0, 0, 178, 100}},
  };
  const Box near_display{4, 4, 196, 96};  // as TCM_ADJUSTRECT leaves it on the far side
  for (const Case& c : cases) {
    Box display = kDisplay;
    // The display rectangle reaches to within 4 px of the far edge: no probe.
    int probes = 0;
    switch (c.side) {
      case Side::kTop: display.bottom = near_display.bottom; break;
      case Side::kBottom: display.top = near_display.top; break;
      case Side::kLeft: display.right = near_display.right; break;
      case Side::kRight: display.left = near_display.left; break;
    }
    const int far = FarEdge(c.side, display, kClient, [&](int, int) { return ++probes, false; });
    EXPECT_EQ(probes, 0) << c.name;
    EXPECT_EQ(PaneOf(c.side, InnerEdge(c.item, c.side), far, kClient), c.pane) << c.name;
  }
}

TEST(TabLayout, FarEdgeIsProbedAlongTheMiddleLineWhenTheDisplayStopsShort) {
  // The display rectangle ends 24 px short of the far edge; a tab row begins at 90 (or 10).
  struct Case {
    const char* name;
    Side side;
    int far_with_tabs;
    int far_without;
  } cases[] = {
      {"top", Side::kTop, 90, 100},
      {"bottom", Side::kBottom, 10, 0},
      {"left", Side::kLeft, 190, 200},
      {"right", Side::kRight, 10, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<int, int>> probed;
    auto tabs_at_far_end = [&](int x, int y) {
      probed.emplace_back(x, y);
      switch (c.side) {
        case Side::kTop: return y >= 90;
        case Side::kBottom: return y < 10;
        case Side::kLeft: return x >= 190;
        case Side::kRight: return x < 10;
      }
      return false;
    };
    EXPECT_EQ(FarEdge(c.side, kDisplay, kClient, tabs_at_far_end), c.far_with_tabs) << c.name;
    ASSERT_FALSE(probed.empty()) << c.name;
    const bool vertical = c.side == Side::kLeft || c.side == Side::kRight;
    for (auto [x, y] : probed) {
      if (vertical) EXPECT_EQ(y, 50) << c.name << ": off the middle line";
      else EXPECT_EQ(x, 100) << c.name << ": off the middle line";
    }
    // Probing starts at the display's edge and moves one pixel at a time.
    const int first = vertical ? probed.front().first : probed.front().second;
    const int expected_first = c.side == Side::kTop ? 76 : c.side == Side::kBottom ? 23 : c.side == Side::kLeft ? 176 : 23;
    EXPECT_EQ(first, expected_first) << c.name;
    EXPECT_EQ(FarEdge(c.side, kDisplay, kClient, [](int, int) { return false; }), c.far_without) << c.name;
  }
}

TEST(TabLayout, ItemContentIsPlacedByEscapement) {
  const Box item{10, 20, 110, 60};  // 100 x 40, middle (60, 40)
  struct Case {
    const char* name;
    int escapement;
    int image_w, image_h;
    ItemPlacement expected;
  } cases[] = {
      // Text 40 long, 12 high. Across: centred; with a 16 px image the group is 60 wide.
      {"across, text only", 0, 0, 0, {.text_x = 40, .text_y = 34}},
      {"across, image and text", 0, 16, 16, {.image_x = 32, .image_y = 32, .text_x = 50, .text_y = 34}},
      // Upwards: text from its bottom end at 20 + (40 - 40) / 2 + 40; x = 60 - 6.
      {"upwards, text only", 900, 0, 0, {.text_x = 54, .text_y = 40 + 20}},
      // Group 16 + 4 + 40 = 60 from 20 + (40 - 60) / 2 = 10: text 10..50, image at the bottom end.
      {"upwards, image and text", 900, 16, 16, {.image_x = 52, .image_y = 52, .text_x = 54, .text_y = 50}},
      // Downwards: text from its top end; x = 60 + 6.
      {"downwards, text only", -900, 0, 0, {.text_x = 66, .text_y = 20}},
      {"downwards, image and text", -900, 16, 16, {.image_x = 52, .image_y = 12, .text_x = 66, .text_y = 30}},
  };
  for (const Case& c : cases) {
    const ItemPlacement p = PlaceItem(item, c.escapement, 40, 12, c.image_w, c.image_h);
    EXPECT_EQ(p.text_x, c.expected.text_x) << c.name;
    EXPECT_EQ(p.text_y, c.expected.text_y) << c.name;
    if (c.image_w > 0) {
      EXPECT_EQ(p.image_x, c.expected.image_x) << c.name;
      EXPECT_EQ(p.image_y, c.expected.image_y) << c.name;
    }
  }
}

}  // namespace
}  // namespace tebix::tab
