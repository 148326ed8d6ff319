// The menus' rules that need no window: how big an item is, which row of a
// wrapped menu bar an item sits in and where it goes on the skinned bar,
// where the two halves of an item text split at a tab are placed, which
// drop-down the pointer switches to, how a text is cut to the record, and
// the built-in 8 x 8 glyphs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/render/layout_rect.h"

namespace tebix::menu {

// The skin's menu metrics, by meaning.
struct Metrics {
  int item_height = 0;       // 7
  int separator_height = 0;  // 8
  int arrow_inset = 0;       // 9: the submenu arrow's distance from the right edge
  int check_x = 0;           // 10
  int text_x = 0;            // 11
};

struct ItemSize {
  int width = 0;
  int height = 0;
};

// A popup item the skin converted: the text's width (both halves of a
// tab-split text with the room between them, see TextWidth), whether the
// item opens a submenu and whether it is a separator.
ItemSize PopupItemSize(const Metrics& m, int text_width, bool submenu, bool separator);
// A menu-bar item is as wide as its text; the system gives it its height.
int BarItemWidth(int text_width);
// An item an application draws itself: the width it asked for, widened by
// the skin's text inset and room for the check mark.
int ForeignItemWidth(const Metrics& m, int width);
// The width a text needs: `before` and `after` are the widths of the parts
// before and after its tab (after is 0 without one).
int TextWidth(int before, int after, bool has_tab);

// Room kept between the two halves of a tab-split text.
inline constexpr int kTabGap = 16;
// The right half of a tab-split text ends this far inside the item.
inline constexpr int kTabRightInset = 6;
// A submenu item is this much wider than a plain one.
inline constexpr int kSubmenuExtra = 10;

// Row of a wrapped menu bar an item belongs to: its offset below the bar's
// top divided by the system's row height, rounded up, and kept to the rows
// the bar has (an item reported a pixel low stays in the last row).
int RowOf(int item_top, int bar_top, int system_row_height, int rows);

// An item's rectangle on the skinned bar (bar-relative when `skinned_bar`
// is, screen coordinates when it is): the system's place moved by the
// difference between the two bars, in the skin's row of height
// `skin_row_height`; `shift` moves it right (the buttons of a maximised
// MDI child).
layout::Rect SkinnedItemRect(const layout::Rect& system_item, const layout::Rect& system_bar,
                             const layout::Rect& skinned_bar, int row, int skin_row_height, int shift);

// How far the buttons of a maximised MDI child move right: the system puts
// them against its own frame, the skin's frame has other widths.
int MdiButtonShift(int system_frame_width, int left_border, int right_border);

// The two places of a tab-split text inside an item: the left part starts
// `text_x` right of the left edge; the right part ends kTabRightInset inside
// the right edge.
struct TextPlaces {
  layout::Rect left;
  layout::Rect right;
};
TextPlaces PlaceText(const layout::Rect& item, int text_x);

// Where the text splits: the index of the first tab, or npos.
std::size_t TabAt(std::wstring_view text);

// While the drop-down of the `tracked` item is open and the pointer rests
// on `next`: whether to close it and open next's. An item in the same row,
// in a row above, or entirely to the left is switched to; one lower down
// and further right is not (the pointer is on its way into the drop-down).
struct BarItem {
  int row = 0;
  int left = 0;
  int right = 0;
};
bool SwitchDropDown(const BarItem& tracked, const BarItem& next);

// Length of `text` cut to a record of `capacity` characters with its
// terminator: never more than capacity - 1, and never half a surrogate pair.
std::size_t CutLength(std::wstring_view text, std::size_t capacity);

// The built-in glyphs.
enum class Glyph { kArrow, kCheck, kRadio, kClose, kRestore, kMaximize, kMinimize };
// Row `row` (0-7) of the glyph; bit 7 is the leftmost pixel.
std::uint8_t GlyphRow(Glyph glyph, int row);
// Top of a glyph centred in an item.
inline int GlyphTop(int item_top, int item_bottom) { return (item_top + item_bottom) / 2 - 4; }

}  // namespace tebix::menu
