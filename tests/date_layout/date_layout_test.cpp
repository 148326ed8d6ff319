#include "skin/render/date_layout.h"

#include <gtest/gtest.h>

namespace tebix::dates {
namespace {

TEST(DropButton, SpansWindowOrClientByMetric) {
  const Box window{0, 0, 200, 24};
  const Box client{2, 2, 198, 22};
  struct Case {
    int metric;
    Box window, client, expected;
  } cases[] = {
      {0, window, client, {176, 2, 198, 22}},
      {1, window, client, {178, 0, 200, 24}},
      {-3, window, client, {178, 0, 200, 24}},
      {0, {0, 0, 16, 24}, {2, 2, 14, 22}, {2, 2, 14, 22}},  // never left of the client
      {0, window, {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(DropButton(c.window, c.client, c.metric), c.expected) << c.metric;
  EXPECT_EQ(DropButtonPart(false, false), 261);
  EXPECT_EQ(DropButtonPart(false, true), 264);
  EXPECT_EQ(DropButtonPart(true, true), 265);
}

TEST(MonthBlock, CentresTheMonthsThatFit) {
  struct Case {
    const char* name;
    Box client;
    int w, h;
    Box expected;
  } cases[] = {
      {"one month, room around", {0, 0, 300, 200}, 180, 150, {60, 20, 240, 180}},
      {"exact fit keeps the client", {0, 0, 180, 150}, 180, 150, {0, 0, 180, 150}},
      {"two across, one down", {0, 0, 380, 170}, 180, 150, {7, 5, 373, 165}},
      {"two by two", {0, 0, 400, 330}, 180, 150, {17, 5, 383, 325}},
      // 2 x (150 + 6) + 8 = 320 does not fit 310: one row.
      {"second row too tight", {0, 0, 180, 310}, 180, 150, {0, 75, 180, 235}},
      {"unknown month size", {0, 0, 300, 200}, 0, 0, {0, 0, 300, 200}},
      {"negative month size", {0, 0, 300, 200}, -5, -5, {0, 0, 300, 200}},
  };
  for (const Case& c : cases) EXPECT_EQ(MonthBlock(c.client, c.w, c.h), c.expected) << c.name;
}

TEST(ProbeButton, FindsTheButtonInsideItsEstimate) {
  const Box block{10, 10, 190, 160};
  EXPECT_EQ(PreviousButtonEstimate(block), (Box{11, 11, 42, 37}));
  EXPECT_EQ(NextButtonEstimate(block), (Box{158, 11, 189, 37}));
  struct Case {
    const char* name;
    Box button;  // where the control says the button is
    Box expected;
  } cases[] = {
      {"inside", {16, 15, 36, 31}, {15, 14, 37, 32}},
      {"reaching past the estimate", {0, 0, 60, 60}, {10, 10, 43, 38}},
      {"outside", {100, 15, 120, 31}, {}},
  };
  for (const Case& c : cases) {
    int probes = 0;
    const Box found = ProbeButton(PreviousButtonEstimate(block), [&](int x, int y) {
      ++probes;
      return c.button.contains(x, y);
    });
    EXPECT_EQ(found, c.expected) << c.name;
    EXPECT_LE(probes, 31 * 2 + 26 * 2) << c.name;
  }
  EXPECT_EQ(ProbeButton({}, [](int, int) { return true; }), Box{});
}

}  // namespace
}  // namespace tebix::dates
