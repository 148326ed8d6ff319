// Combo frame state, frame and drop-button geometry, the edit wheel rule
// and the drop-down list's capture rule.
#include <gtest/gtest.h>

#include "skin/render/scrolled_rules.h"

namespace tebix::scrolled {
namespace {

TEST(ScrolledRules, ComboFrameStateDisabledBeforeFocused) {
  struct Case {
    bool enabled, focused;
    int expected;
  };
  const Case cases[] = {
      {true, false, kFrameNormal}, {true, true, kFrameFocused}, {false, true, kFrameDisabled}, {false, false, kFrameDisabled}};
  for (const Case& c : cases) {
    EXPECT_EQ(ComboFrameState(c.enabled, c.focused), c.expected) << c.enabled << c.focused;
  }
}

TEST(ScrolledRules, ComboFrameOfSimpleCombosEndsAboveTheList) {
  struct Case {
    const char* name;
    int width, height;
    bool simple;
    int list_top;
    layout::Rect expected;
  };
  const Case cases[] = {
      {"drop-down", 120, 22, false, 0, {0, 0, 120, 22}},
      {"simple", 120, 100, true, 24, {0, 0, 120, 23}},
      {"simple, list not found", 120, 100, true, 0, {0, 0, 120, 100}},
      {"simple, list below the window", 120, 100, true, 140, {0, 0, 120, 100}},
      {"negative size", -5, -1, false, 0, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(ComboFrame(c.width, c.height, c.simple, c.list_top), c.expected) << c.name;
}

TEST(ScrolledRules, DropButtonStretchesOnlyWithMetric20) {
  const layout::Rect frame{0, 0, 120, 24};
  const layout::Rect button{101, 3, 117, 21};
  struct Case {
    const char* name;
    layout::Rect button;
    int metric;
    layout::Rect expected;
  };
  const Case cases[] = {
      {"metric 0: as the control places it", button, 0, button},
      {"metric set: to the top, right and bottom", button, 1, {101, 0, 120, 24}},
      {"any non-zero metric", button, -3, {101, 0, 120, 24}},
      {"no button stays without", {}, 1, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(DropButton(c.button, frame, c.metric), c.expected) << c.name;
  EXPECT_EQ(DropButtonPart(false), 214);
  EXPECT_EQ(DropButtonPart(true), 217);
}

std::uint32_t Wheel(int delta) {
  return static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16;
}

TEST(ScrolledRules, WheelScrollsOneLinePerMessageOutsideComboBoxes) {
  struct Case {
    const char* name;
    int version_flag;
    bool combo_parent;
    std::uint32_t wparam;
    int expected;
  };
  const Case cases[] = {
      {"notch up", 1, false, Wheel(120), 0},
      {"notch down", 1, false, Wheel(-120), 1},
      {"three notches down: still one line", 1, false, Wheel(-360), 1},
      {"small delta up", 1, false, Wheel(1), 0},
      {"key state bits do not matter", 1, false, Wheel(120) | 0x0004u | 0x0008u, 0},
      {"older system: passed on", 0, false, Wheel(120), -1},
      {"in a combo box: passed on", 1, true, Wheel(-120), -1},
  };
  for (const Case& c : cases) EXPECT_EQ(WheelLineCode(c.version_flag, c.combo_parent, c.wparam), c.expected) << c.name;
}

TEST(ScrolledRules, ComboBoxParentByEitherAtom) {
  struct Case {
    const char* name;
    unsigned parent, system_combo;
    bool expected;
  };
  const Case cases[] = {
      {"the classic combo box atom", 0xC01C, 0, true},
      {"the running system's combo box atom", 0xC0A7, 0xC0A7, true},
      {"classic atom, system's differs", 0xC01C, 0xC0A7, true},
      {"another class", 0xC01D, 0xC0A7, false},
      {"system atom unknown", 0, 0, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsComboBoxParent(c.parent, c.system_combo), c.expected) << c.name;
  EXPECT_TRUE(DropListMayCapture(true));
  EXPECT_FALSE(DropListMayCapture(false));
}

}  // namespace
}  // namespace tebix::scrolled
