// The data combo's item and drop button and the shrinking the grids frame by.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/render/grid_rules.h"

namespace tebix::grid {
namespace {

TEST(GridRules, ComboItemLeavesTheButtonFreeAndNeverTurnsInsideOut) {
  struct Case {
    const char* name;
    layout::Rect client, expected;
  };
  const Case cases[] = {
      {"usual", {0, 0, 120, 20}, {2, 2, 100, 18}},
      {"just the button", {0, 0, 22, 20}, {2, 2, 2, 18}},
      {"narrower than the button", {0, 0, 10, 20}, {2, 2, 2, 18}},
      {"flat", {0, 0, 120, 3}, {2, 1, 100, 1}},
  };
  for (const Case& c : cases) {
    const layout::Rect item = ComboItem(c.client);
    EXPECT_EQ(item, c.expected) << c.name;
    EXPECT_GE(item.right, item.left) << c.name;
    EXPECT_GE(item.bottom, item.top) << c.name;
    // Never reaches into the 18 px the button keeps.
    EXPECT_LE(item.right, std::max(c.client.left + 2, c.client.right - kComboButtonWidth)) << c.name;
  }
}

TEST(GridRules, ComboButtonByMetricAndWidth) {
  struct Case {
    const char* name;
    layout::Rect window;
    int metric20;
    layout::Rect expected;
  };
  const Case cases[] = {
      {"stretched", {0, 0, 124, 24}, 1, {102, 0, 124, 24}},
      {"shrunk", {0, 0, 124, 24}, 0, {104, 2, 122, 22}},
      {"narrow window", {0, 0, 10, 24}, 1, {0, 0, 10, 24}},
      {"narrow and shrunk", {0, 0, 3, 24}, 0, {1, 2, 1, 22}},
  };
  for (const Case& c : cases) EXPECT_EQ(ComboButton(c.window, c.metric20), c.expected) << c.name;
}

TEST(GridRules, ComboButtonPartDisabledBeforePressed) {
  EXPECT_EQ(ComboButtonPart(true, false), 214);
  EXPECT_EQ(ComboButtonPart(true, true), 217);
  EXPECT_EQ(ComboButtonPart(false, true), 218);
  EXPECT_EQ(ComboButtonPart(false, false), 218);
}

}  // namespace
}  // namespace tebix::grid
