// Thumb size and place, bar layout, hit tests and drag positions of the
// skinned scroll bars.
#include <gtest/gtest.h>

#include <climits>

#include "skin/render/scroll_geometry.h"

namespace tebix::scroll {
namespace {

struct ThumbCase {
  const char* name;
  int track;
  BarInfo info;
  ThumbRules rules;
  Thumb expected;
};

TEST(ScrollGeometry, ThumbSizeAndPlace) {
  const ThumbRules min17{17};
  const ThumbRules min17_hides{17, true};
  const ThumbRules standalone{17, false, true};
  const ThumbCase cases[] = {
      // A page of 10 in 0..99 along 200 px: 9/99 of the track, scaled.
      {"page at start", 200, {0, 99, 10, 0}, min17, {true, 0, 18}},
      {"page in the middle", 200, {0, 99, 10, 45}, min17, {true, 91, 18}},
      {"page at the end", 200, {0, 99, 10, 90}, min17, {true, 182, 18}},
      // Shorter than the minimum: grown towards the start, far end kept.
      {"minimum, far end kept", 200, {0, 999, 10, 500}, min17, {true, 100 + 2 - 17, 17}},
      {"minimum at the range start", 200, {0, 999, 10, 0}, min17, {true, 0, 17}},
      {"minimum at the range end", 200, {0, 999, 10, 990}, min17, {true, 183, 17}},
      // The whole range in one page: the thumb fills the track and goes.
      {"page larger than the range", 200, {0, 50, 80, 0}, min17, {}},
      {"page exactly the range", 200, {0, 49, 50, 0}, min17, {}},
      // Empty range: a minimum thumb at the start, or none.
      {"empty range", 200, {5, 5, 0, 5}, min17, {true, 0, 17}},
      {"inverted range", 200, {9, 2, 0, 5}, min17, {true, 0, 17}},
      {"empty range, disabled look", 200, {5, 5, 0, 5}, min17_hides, {}},
      // Page 0: minimum thumb placed along what is left of the track.
      {"page 0 at start", 117, {0, 100, 0, 0}, min17, {true, 0, 17}},
      {"page 0 at end", 117, {0, 100, 0, 100}, min17, {true, 100, 17}},
      {"page 0 past the end", 117, {0, 100, 0, 300}, min17, {true, 100, 17}},
      {"page 0, kept by the drag", 117, {0, 100, 0, 50}, {17, false, false, 40}, {true, 40, 17}},
      {"page 0, too far from the drag", 117, {0, 100, 0, 50}, {17, false, false, 20}, {true, 50, 17}},
      // A minimum thumb longer than a short track is cut to it; the
      // standalone control removes it instead.
      {"track shorter than the minimum", 10, {0, 100, 0, 0}, min17, {true, 0, 10}},
      {"standalone, shorter track", 10, {0, 100, 0, 0}, standalone, {}},
      {"standalone, empty range", 200, {0, 0, 0, 0}, standalone, {true, 0, 17}},
      {"no track", 0, {0, 100, 10, 0}, min17, {}},
      // Extreme ranges do not overflow.
      {"full int range", 1000, {INT_MIN, INT_MAX, 0x40000000u, 0}, min17, {true, 500, 250}},
  };
  for (const ThumbCase& c : cases) {
    const Thumb t = ComputeThumb(c.track, c.info, c.rules);
    EXPECT_EQ(t.present, c.expected.present) << c.name;
    if (t.present && c.expected.present) {
      EXPECT_EQ(t.offset, c.expected.offset) << c.name;
      EXPECT_EQ(t.length, c.expected.length) << c.name;
      EXPECT_LE(t.offset + t.length, c.track) << c.name;
    }
  }
}

TEST(ScrollGeometry, MulDivRoundsLikeTheSystem) {
  const struct {
    int a, b, c, expected;
  } cases[] = {
      {10, 10, 4, 25}, {1, 3, 2, 2}, {-1, 3, 2, -2}, {7, 1, 2, 4}, {5, 5, 0, -1}, {INT_MAX, 2, 2, INT_MAX},
      {INT_MAX, 4, 2, -1}, {INT_MIN, 4, 2, -1}, {-7, -1, 2, 4},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(ScrollGeometry, WindowBarsLieAroundTheClientArea) {
  const BarMetrics m{16, 15, 12, 17, 18, 19};
  const Rect client{2, 2, 202, 102};
  const WindowBars both = LayOutWindowBars(client, m, true, true, false);
  EXPECT_EQ(both.left_arrow, (Rect{2, 102, 17, 118}));
  EXPECT_EQ(both.horizontal_track, (Rect{17, 102, 187, 118}));
  EXPECT_EQ(both.right_arrow, (Rect{187, 102, 202, 118}));
  EXPECT_EQ(both.up_arrow, (Rect{202, 2, 219, 20}));
  EXPECT_EQ(both.vertical_track, (Rect{202, 20, 219, 84}));
  EXPECT_EQ(both.down_arrow, (Rect{202, 84, 219, 102}));
  EXPECT_EQ(both.size_box, (Rect{202, 102, 219, 118}));

  const WindowBars left = LayOutWindowBars(client, m, false, true, true);
  EXPECT_EQ(left.up_arrow, (Rect{-15, 2, 2, 20}));
  EXPECT_TRUE(left.left_arrow.empty()) << "no horizontal bar";
  EXPECT_TRUE(left.size_box.empty());
}

TEST(ScrollGeometry, HitTestPrefersTheHorizontalBarAndTheThumbOverTheTrack) {
  const BarMetrics m{16, 15, 12, 17, 18, 19};
  WindowBars bars = LayOutWindowBars({0, 0, 200, 100}, m, true, true, false);
  bars.vertical_thumb = ThumbRect(bars.vertical_track, {true, 10, 20}, true);
  bars.horizontal_thumb = ThumbRect(bars.horizontal_track, {true, 30, 20}, false);
  EXPECT_EQ(bars.vertical_thumb, (Rect{200, 28, 217, 48}));
  const struct {
    int x, y;
    Element expected;
  } cases[] = {
      {0, 100, Element::kLeftArrow},         {14, 115, Element::kLeftArrow},
      {15, 100, Element::kHorizontalTrack},  {45, 108, Element::kHorizontalThumb},
      {64, 108, Element::kHorizontalThumb},  {65, 108, Element::kHorizontalTrack},
      {185, 100, Element::kRightArrow},      {200, 0, Element::kUpArrow},
      {216, 17, Element::kUpArrow},          {210, 18, Element::kVerticalTrack},
      {210, 28, Element::kVerticalThumb},    {210, 48, Element::kVerticalTrack},
      {210, 82, Element::kDownArrow},        {205, 105, Element::kNone},  // size box
      {100, 50, Element::kNone},             {217, 50, Element::kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HitTestWindowBars(bars, true, true, c.x, c.y), c.expected) << c.x << "," << c.y;
  }
  EXPECT_EQ(HitTestWindowBars(bars, false, true, 0, 100), Element::kNone) << "hidden bars are not hit";
  EXPECT_EQ(HitTestWindowBars(bars, true, false, 210, 28), Element::kNone);
  for (int code = 0x3000; code <= 0x3007; ++code) EXPECT_EQ(HitCodeOf(ElementOfHitCode(code)), code);
  EXPECT_EQ(ElementOfHitCode(0x3008), Element::kNone);
}

TEST(ScrollGeometry, DragPositionRunsFromMinToTheLastFullPage) {
  const BarInfo info{10, 110, 10, 10};
  const int track = 200;
  const Thumb thumb = ComputeThumb(track, info, {19});
  ASSERT_TRUE(thumb.present);
  EXPECT_EQ(DragPosition(info, 0, track, thumb.length), 10);
  EXPECT_EQ(DragPosition(info, track - thumb.length, track, thumb.length), 101);
  // Dragging far beyond either end stays at the ends.
  EXPECT_EQ(DragPosition(info, MoveThumb(50, -500, track, thumb.length), track, thumb.length), 10);
  EXPECT_EQ(DragPosition(info, MoveThumb(50, 500, track, thumb.length), track, thumb.length), 101);
  // Nothing to scroll, or no room to move: the minimum.
  EXPECT_EQ(DragPosition({3, 3, 0, 3}, 20, track, 17), 3);
  EXPECT_EQ(DragPosition({0, 100, 10, 0}, 0, 17, 17), 0);
  // A page larger than the range.
  EXPECT_EQ(DragPosition({0, 10, 50, 0}, 30, track, 17), 0);
}

TEST(ScrollGeometry, DragZoneReachesAcrossTheBarButNotPastTheArrows) {
  const Rect up{200, 0, 217, 18}, track{200, 18, 217, 182}, down{200, 182, 217, 200};
  const struct {
    int x, y;
    bool inside;
  } vertical[] = {
      {208, 18, true},  {208, 181, true}, {208, 17, false}, {208, 182, false},
      {104, 50, true},  {103, 50, false}, {312, 50, true},  {313, 50, false},
  };
  for (const auto& c : vertical) EXPECT_EQ(InDragZone(up, track, down, true, c.x, c.y), c.inside) << c.x << "," << c.y;
  const Rect left{0, 100, 15, 116}, htrack{15, 100, 185, 116}, right{185, 100, 200, 116};
  const struct {
    int x, y;
    bool inside;
  } horizontal[] = {
      {15, 108, true}, {14, 108, false}, {184, 108, true}, {185, 108, false},
      {50, 52, true},  {50, 51, false},  {50, 163, true},  {50, 164, false},
  };
  for (const auto& c : horizontal)
    EXPECT_EQ(InDragZone(left, htrack, right, false, c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(ScrollGeometry, StandaloneBarShrinksItsArrowsWhenShort) {
  const struct {
    const char* name;
    int width, height;
    bool vertical;
    int metric;
    StandaloneBar expected;
  } cases[] = {
      {"tall", 17, 120, true, 18, {{0, 0, 17, 18}, {0, 18, 17, 102}, {0, 102, 17, 120}, {}}},
      {"30 px with 18 px arrows", 17, 30, true, 18, {{0, 0, 17, 14}, {0, 14, 17, 16}, {0, 16, 17, 30}, {}}},
      {"exactly two arrows", 17, 36, true, 18, {{0, 0, 17, 17}, {0, 17, 17, 19}, {0, 19, 17, 36}, {}}},
      {"wide", 100, 17, false, 15, {{0, 0, 15, 17}, {15, 0, 85, 17}, {85, 0, 100, 17}, {}}},
      {"narrow", 21, 17, false, 15, {{0, 0, 10, 17}, {10, 0, 11, 17}, {11, 0, 21, 17}, {}}},
      {"nothing", 0, 0, true, 18, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {}}},
  };
  for (const auto& c : cases) {
    const StandaloneBar bar = LayOutStandaloneBar(c.width, c.height, c.vertical, c.metric);
    EXPECT_EQ(bar.first_arrow, c.expected.first_arrow) << c.name;
    EXPECT_EQ(bar.track, c.expected.track) << c.name;
    EXPECT_EQ(bar.second_arrow, c.expected.second_arrow) << c.name;
  }
  StandaloneBar bar = LayOutStandaloneBar(17, 120, true, 18);
  bar.thumb = ThumbRect(bar.track, {true, 20, 30}, true);
  EXPECT_EQ(HitTestStandaloneBar(bar, 5, 5), 1);
  EXPECT_EQ(HitTestStandaloneBar(bar, 5, 40), 2);
  EXPECT_EQ(HitTestStandaloneBar(bar, 5, 110), 3);
  EXPECT_EQ(HitTestStandaloneBar(bar, 5, 20), 4);
  EXPECT_EQ(HitTestStandaloneBar(bar, 17, 20), 0);
  EXPECT_EQ(PageCode(bar.thumb, true, 5, 20), 2);
  EXPECT_EQ(PageCode(bar.thumb, true, 5, 90), 3);
}

}  // namespace
}  // namespace tebix::scroll
