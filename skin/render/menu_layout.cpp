#include "skin/render/menu_layout.h"

#include <algorithm>
#include <array>

namespace tebix::menu {

ItemSize PopupItemSize(const Metrics& m, int text_width, bool submenu, bool separator) {
  ItemSize size;
  size.width = std::max(0, text_width) + m.text_x - m.check_x + 10 + (submenu ? kSubmenuExtra : 0);
  size.height = separator ? m.separator_height : m.item_height;
  size.width = std::max(0, size.width);
  size.height = std::max(0, size.height);
  return size;
}

int BarItemWidth(int text_width) {
  return std::max(0, text_width);
}

int ForeignItemWidth(const Metrics& m, int width) {
  return std::max(0, width + m.text_x - m.check_x + 50);
}

int TextWidth(int before, int after, bool has_tab) {
  if (!has_tab) return std::max(0, before);
  return std::max(0, before) + kTabGap + std::max(0, after) + kTabRightInset;
}

int RowOf(int item_top, int bar_top, int system_row_height, int rows) {
  if (system_row_height <= 0 || rows <= 0) return 0;
  const int offset = std::max(0, item_top - bar_top);
  const int row = (offset + system_row_height - 1) / system_row_height;
  return std::min(row, rows - 1);
}

layout::Rect SkinnedItemRect(const layout::Rect& system_item, const layout::Rect& system_bar,
                             const layout::Rect& skinned_bar, int row, int skin_row_height, int shift) {
  const int dx = skinned_bar.left - system_bar.left + shift;
  const int top = skinned_bar.top + std::max(0, row) * std::max(0, skin_row_height);
  return {system_item.left + dx, top, system_item.right + dx, top + std::max(0, skin_row_height)};
}

int MdiButtonShift(int system_frame_width, int left_border, int right_border) {
  return 2 * system_frame_width - left_border - right_border;
}

TextPlaces PlaceText(const layout::Rect& item, int text_x) {
  TextPlaces places;
  places.left = {item.left + text_x, item.top, item.right, item.bottom};
  places.right = {item.left + text_x, item.top, item.right - kTabRightInset, item.bottom};
  return places;
}

std::size_t TabAt(std::wstring_view text) {
  return text.find(L'\t');
}

bool SwitchDropDown(const BarItem& tracked, const BarItem& next) {
  if (next.row <= tracked.row) return true;
  return next.right <= tracked.left;
}

std::size_t CutLength(std::wstring_view text, std::size_t capacity) {
  if (capacity == 0) return 0;
  std::size_t length = std::min(text.size(), capacity - 1);
  // Never end on the first half of a pair.
  if (length > 0 && length < text.size()) {
    const wchar_t last = text[length - 1];
    if (last >= 0xD800 && last <= 0xDBFF) --length;
  }
  return length;
}

std::uint8_t GlyphRow(Glyph glyph, int row) {
  static constexpr std::array<std::array<std::uint8_t, 8>, 7> kRows = {{
      {0x00, 0x20, 0x30, 0x38, 0x3C, 0x38, 0x30, 0x20},  // arrow
      {0x00, 0x02, 0x06, 0x8E, 0xDC, 0xF8, 0x70, 0x20},  // check
      {0x00, 0x3C, 0x7E, 0x7E, 0x7E, 0x7E, 0x3C, 0x00},  // radio
      {0x63, 0x77, 0x3E, 0x1C, 0x1C, 0x3E, 0x77, 0x63},  // close
      {0x3F, 0x01, 0xFD, 0xFD, 0xCD, 0xCD, 0xFC, 0xFC},  // restore
      {0x00, 0xFF, 0xFF, 0xC3, 0xC3, 0xC3, 0xFF, 0xFF},  // maximize
      {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00},  // minimize
  }};
  const auto index = static_cast<std::size_t>(glyph);
  if (index >= kRows.size() || row < 0 || row > 7) return 0;
  return kRows[index][static_cast<std::size_t>(row)];
}

}  // namespace tebix::menu
