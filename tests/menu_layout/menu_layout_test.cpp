// Item sizes, bar rows and places, tab-split text, drop-down switching,
// text cutting and the glyphs.
#include "skin/render/menu_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tebix::menu {
namespace {

const Metrics kMetrics{20, 7, 4, 3, 24};

TEST(MenuLayout, PopupItemSizes) {
  const struct {
    const char* name;
    int text;
    bool submenu, separator;
    ItemSize want;
  } cases[] = {
      {"plain", 50, false, false, {50 + 24 - 3 + 10, 20}},
      {"submenu is 10 wider", 50, true, false, {50 + 24 - 3 + 20, 20}},
      {"separator", 0, false, true, {24 - 3 + 10, 7}},
      {"submenu separator keeps the item height", 0, true, false, {24 - 3 + 20, 20}},
      {"negative width from a broken font", -40, false, false, {24 - 3 + 10, 20}},
  };
  for (const auto& c : cases) {
    const ItemSize got = PopupItemSize(kMetrics, c.text, c.submenu, c.separator);
    EXPECT_EQ(got.width, c.want.width) << c.name;
    EXPECT_EQ(got.height, c.want.height) << c.name;
  }
  EXPECT_EQ(ForeignItemWidth(kMetrics, 80), 80 + 24 - 3 + 50);
  EXPECT_EQ(TextWidth(30, 20, true), 30 + kTabGap + 20 + kTabRightInset);
  EXPECT_EQ(TextWidth(30, 99, false), 30);
  // A skin whose metrics would make an item negative gives an empty one.
  EXPECT_EQ(PopupItemSize({-5, -5, 0, 500, 0}, 10, false, true).width, 0);
  EXPECT_EQ(PopupItemSize({-5, -5, 0, 500, 0}, 10, false, true).height, 0);
}

TEST(MenuLayout, RowsRoundUp) {
  const struct {
    int item_top, bar_top, row_height, rows, want;
  } cases[] = {
      {100, 100, 19, 2, 0},  // first row
      {119, 100, 19, 2, 1},  // exactly one row down
      {118, 100, 19, 2, 1},  // a pixel short still counts as the next row
      {101, 100, 19, 2, 1},  // anything below the top is the next row
      {140, 100, 19, 2, 1},  // kept to the rows the bar has
      {90, 100, 19, 2, 0},   // above the bar
      {120, 100, 0, 2, 0},   // no row height
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RowOf(c.item_top, c.bar_top, c.row_height, c.rows), c.want) << c.item_top << " " << c.bar_top;
  }
}

TEST(MenuLayout, SkinnedItemRectangles) {
  const layout::Rect system_bar{10, 30, 310, 68};
  const layout::Rect skinned_bar{4, 26, 316, 76};
  // Second row, 25 px skin rows, moved by the bars' difference.
  EXPECT_EQ(SkinnedItemRect({60, 49, 100, 68}, system_bar, skinned_bar, 1, 25, 0),
            (layout::Rect{54, 51, 94, 76}));
  // The MDI buttons move right by what the frames differ.
  const int shift = MdiButtonShift(4, 3, 3);
  EXPECT_EQ(shift, 2);
  EXPECT_EQ(SkinnedItemRect({280, 30, 300, 49}, system_bar, skinned_bar, 0, 25, shift),
            (layout::Rect{276, 26, 296, 51}));
}

TEST(MenuLayout, TabSplitTextPlaces) {
  const TextPlaces p = PlaceText({3, 40, 203, 60}, 24);
  EXPECT_EQ(p.left, (layout::Rect{27, 40, 203, 60}));
  EXPECT_EQ(p.right.right, 203 - 6);
  EXPECT_EQ(p.right.left, 27);
  EXPECT_EQ(TabAt(L"Open\tCtrl+O"), 4u);
  EXPECT_EQ(TabAt(L"Open"), std::wstring_view::npos);
}

TEST(MenuLayout, DropDownSwitching) {
  const BarItem tracked{0, 100, 140};
  const struct {
    const char* name;
    BarItem next;
    bool want;
  } cases[] = {
      {"same row right", {0, 150, 190}, true},
      {"same row left", {0, 40, 90}, true},
      {"row above", {0, 300, 340}, true},
      {"lower row further right", {1, 120, 160}, false},
      {"lower row overlapping", {1, 90, 130}, false},
      {"lower row entirely left", {1, 20, 100}, true},
  };
  for (const auto& c : cases) EXPECT_EQ(SwitchDropDown(tracked, c.next), c.want) << c.name;
  EXPECT_TRUE(SwitchDropDown({1, 100, 140}, {0, 300, 340})) << "up from the second row";
}

TEST(MenuLayout, TextIsCutToTheRecord) {
  const std::wstring long_text(400, L'\x4E2D');
  std::wstring pair_at_end(254, L'a');
  pair_at_end += L"\xD83D\xDE00";  // a pair across the cut
  const struct {
    const char* name;
    std::wstring text;
    std::size_t capacity, want;
  } cases[] = {
      {"short", L"File", 256, 4},
      {"long CJK", long_text, 256, 255},
      {"pair kept whole", pair_at_end, 256, 254},
      {"fits exactly", std::wstring(255, L'x'), 256, 255},
      {"no room", L"abc", 0, 0},
      {"terminator only", L"abc", 1, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CutLength(c.text, c.capacity), c.want) << c.name;
}

TEST(MenuLayout, Glyphs) {
  EXPECT_EQ(GlyphRow(Glyph::kArrow, 4), 0x3C);
  EXPECT_EQ(GlyphRow(Glyph::kCheck, 3), 0x8E);
  EXPECT_EQ(GlyphRow(Glyph::kRestore, 0), 0x3F);
  EXPECT_EQ(GlyphRow(Glyph::kMinimize, 3), 0xFF);
  EXPECT_EQ(GlyphRow(Glyph::kClose, 8), 0) << "outside the glyph";
  EXPECT_EQ(GlyphTop(40, 60), 46);
}

}  // namespace
}  // namespace tebix::menu
