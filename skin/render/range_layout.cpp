#include "skin/render/range_layout.h"

#include <algorithm>

namespace tebix::ranges {

// --- Progress bar -----------------------------------------------------------

ProgressParts ProgressPartsFor(bool vertical, bool enabled) {
  const int step = enabled ? 0 : 1;
  if (vertical) return {kProgressVerticalTrackPart + step, kProgressVerticalFillPart + step};
  return {kProgressTrackPart + step, kProgressFillPart + step};
}

int FilledLength(std::int32_t position, std::int32_t low, std::int32_t high, int length) {
  if (high <= low || length <= 0 || position <= low) return 0;
  // In 64 bits: a range as wide as 32 bits allow would overflow the product.
  const std::int64_t span = static_cast<std::int64_t>(high) - low;
  const std::int64_t done = std::min<std::int64_t>(static_cast<std::int64_t>(position) - low, span);
  const std::int64_t percent = done * 100 / span;
  return static_cast<int>(percent * length / 100);
}

Box ProgressFill(const Box& bar, bool vertical, int filled, const Margins& track) {
  if (filled <= 0) return {};
  Box fill;
  if (vertical) {
    fill = {bar.left + track.left, bar.bottom - filled + track.top, bar.right - track.right,
            bar.bottom - track.bottom};
  } else {
    fill = {bar.left + track.left, bar.top + track.top, bar.left + filled - track.right, bar.bottom - track.bottom};
  }
  return fill.empty() ? Box{} : fill;
}

// --- Trackbar ---------------------------------------------------------------

int ChannelPart(std::uint32_t style, bool enabled) {
  const int step = enabled ? 0 : 1;
  return (style & kTrackVertical) ? 249 + step : 251 + step;
}

int ThumbPart(std::uint32_t style, bool enabled, Mouse mouse, bool focused) {
  const bool vertical = (style & kTrackVertical) != 0;
  int base = 0;
  if (style & kTrackBothSides) {
    base = vertical ? 234 : 219;
  } else if (style & kTrackTopOrLeft) {
    base = vertical ? 239 : 224;
  } else {
    base = vertical ? 244 : 229;
  }
  // Each set: normal, hot, (focused), pressed, disabled.
  if (!enabled) return base + 4;
  switch (mouse) {
    case Mouse::kHot: return base + 1;
    case Mouse::kPressed: return base + 3;
    case Mouse::kNormal: break;
  }
  if (focused && base == 239) return base + 2;
  return base;
}

Box UprightChannel(const Box& reported, const Box& client, const Box& thumb) {
  const int across = reported.width();
  const int thickness = reported.height();
  if (thickness > across) return reported;
  const int top = (client.top + client.bottom) / 2 - across / 2;
  const int left = (thumb.left + thumb.right) / 2 - thickness / 2;
  return {left, top, left + thickness, top + across};
}

// --- Up-down control ----------------------------------------------------------

Box UpDownArea(const Box& client, bool inside_picker) {
  Box area = client;
  if (inside_picker) {
    area.right -= 1;
    area.bottom -= 1;
  }
  return area;
}

UpDownHalves SplitUpDown(const Box& area, bool horizontal) {
  UpDownHalves halves;
  if (horizontal) {
    const int middle = (area.left + area.right) / 2;
    halves.first = {area.left, area.top, middle, area.bottom};
    halves.second = {middle + 1, area.top, area.right, area.bottom};
  } else {
    const int middle = (area.top + area.bottom) / 2;
    halves.first = {area.left, area.top, area.right, middle};
    halves.second = {area.left, middle + 1, area.right, area.bottom};
  }
  return halves;
}

int HalfAt(const UpDownHalves& halves, int x, int y) {
  if (halves.first.contains(x, y)) return 0;
  if (halves.second.contains(x, y)) return 1;
  return -1;
}

UpDownLook LookOfUpDown(bool horizontal, bool enabled, Mouse mouse, int hot_half, int held_half) {
  const int first = horizontal ? 202 : 194;
  const int second = horizontal ? 206 : 198;
  if (!enabled) return {first + 3, second + 3};
  auto step = [&](int half) {
    if (mouse == Mouse::kPressed) return half == held_half ? 2 : 0;
    if (mouse == Mouse::kHot) return half == hot_half ? 1 : 0;
    return 0;
  };
  return {first + step(0), second + step(1)};
}

// --- Header -------------------------------------------------------------------

std::vector<HeaderColumn> ColumnsInDisplayOrder(std::span<const int> order, std::span<const Box> rects) {
  std::vector<HeaderColumn> columns;
  std::vector<bool> shown(rects.size(), false);
  columns.reserve(order.size());
  for (const int index : order) {
    if (index < 0 || static_cast<std::size_t>(index) >= rects.size() || shown[index]) continue;
    shown[index] = true;
    columns.push_back({index, rects[index]});
  }
  return columns;
}

int PositionAt(std::span<const HeaderColumn> columns, int x, int y) {
  for (std::size_t p = 0; p < columns.size(); ++p) {
    if (columns[p].rect.contains(x, y)) return static_cast<int>(p);
  }
  return -1;
}

HeaderLook LookOfColumn(int position, int hot_position, Mouse mouse) {
  if (position < 0 || position != hot_position) return {};
  if (mouse == Mouse::kPressed) return {kHeaderPressedPart, kHeaderPressedTextColour};
  if (mouse == Mouse::kHot) return {kHeaderHotPart, kHeaderHotTextColour};
  return {};
}

HeaderItemLayout LayOutColumn(const Box& item, bool draw_image, int image_width, int image_height) {
  HeaderItemLayout out;
  int left = item.left + kHeaderTextInset;
  if (draw_image && image_width > 0 && image_height > 0) {
    out.image = true;
    out.image_x = left;
    out.image_y = item.top + (item.height() - image_height) / 2;
    left += image_width + kHeaderTextInset;
  }
  out.text = {left, item.top, item.right - kHeaderTextInset, item.bottom};
  return out;
}

}  // namespace tebix::ranges
