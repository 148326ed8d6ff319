#include "skin/render/scroll_geometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdint>

namespace tebix::scroll {
namespace {

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

// a * b / c rounded to the nearest, halves away from zero; c must not be 0.
std::int64_t ScaleRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  std::int64_t product = a * b;
  const bool negative = (product < 0) != (c < 0);
  if (product < 0) product = -product;
  if (c < 0) c = -c;
  const std::int64_t quotient = (product + c / 2) / c;
  return negative ? -quotient : quotient;
}

// A range's width, max - min, without overflow.
std::int64_t RangeOf(const BarInfo& info) {
  return std::int64_t{info.max} - std::int64_t{info.min};
}

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t result = ScaleRounded(a, b, c);
  return result < INT_MIN || result > INT_MAX ? -1 : static_cast<int>(result);
}

Thumb ComputeThumb(int track_length, const BarInfo& info, const ThumbRules& rules) {
  Thumb thumb;
  if (track_length <= 0) return thumb;
  const int minimum = std::max(rules.min_length, 0);
  const std::int64_t range = RangeOf(info);
  const std::int64_t from_min = std::int64_t{info.pos} - std::int64_t{info.min};
  std::int64_t offset = 0;
  std::int64_t length = minimum;
  if (range <= 0) {
    if (rules.empty_range_hides) return thumb;
  } else if (info.page != 0) {
    offset = ScaleRounded(from_min, track_length, range);
    length = range >= std::int64_t{info.page} ? ScaleRounded(std::int64_t{info.page} - 1, track_length, range)
                                              : track_length;
    if (length < minimum) {
      // Grown to the minimum towards the track start, so that its far end stays put.
      offset -= minimum - length;
      length = minimum;
    }
    offset = std::max<std::int64_t>(offset, 0);
    if (offset + length > track_length) offset = std::max<std::int64_t>(track_length - length, 0);
  } else {
    offset = ScaleRounded(from_min, std::int64_t{track_length} - minimum, range);
    offset = std::clamp<std::int64_t>(offset, 0, std::max(track_length - minimum, 0));
    if (rules.dragged_offset >= 0 && std::abs(offset - rules.dragged_offset) < minimum) {
      offset = rules.dragged_offset;
    }
  }
  if (length == track_length) return thumb;
  if (length > track_length) {
    if (rules.longer_removed) return thumb;
    offset = 0;
    length = track_length;
  }
  if (length <= 0) return thumb;
  thumb.present = true;
  thumb.offset = static_cast<int>(offset);
  thumb.length = static_cast<int>(length);
  return thumb;
}

int HitCodeOf(Element element) {
  switch (element) {
    case Element::kLeftArrow: return 0x3000;
    case Element::kHorizontalTrack: return 0x3001;
    case Element::kRightArrow: return 0x3002;
    case Element::kUpArrow: return 0x3003;
    case Element::kVerticalTrack: return 0x3004;
    case Element::kDownArrow: return 0x3005;
    case Element::kHorizontalThumb: return 0x3006;
    case Element::kVerticalThumb: return 0x3007;
    case Element::kNone: break;
  }
  return 0;
}

Element ElementOfHitCode(int code) {
  switch (code) {
    case 0x3000: return Element::kLeftArrow;
    case 0x3001: return Element::kHorizontalTrack;
    case 0x3002: return Element::kRightArrow;
    case 0x3003: return Element::kUpArrow;
    case 0x3004: return Element::kVerticalTrack;
    case 0x3005: return Element::kDownArrow;
    case 0x3006: return Element::kHorizontalThumb;
    case 0x3007: return Element::kVerticalThumb;
  }
  return Element::kNone;
}

WindowBars LayOutWindowBars(const Rect& client, const BarMetrics& m, bool horizontal_shown, bool vertical_shown,
                            bool left_vertical) {
  WindowBars bars;
  if (horizontal_shown) {
    const int top = client.bottom, bottom = client.bottom + m.horizontal_height;
    bars.left_arrow = {client.left, top, client.left + m.horizontal_arrow, bottom};
    bars.horizontal_track = {client.left + m.horizontal_arrow, top, client.right - m.horizontal_arrow, bottom};
    bars.right_arrow = {client.right - m.horizontal_arrow, top, client.right, bottom};
  }
  if (vertical_shown) {
    const int left = left_vertical ? client.left - m.vertical_width : client.right;
    const int right = left + m.vertical_width;
    bars.up_arrow = {left, client.top, right, client.top + m.vertical_arrow};
    bars.vertical_track = {left, client.top + m.vertical_arrow, right, client.bottom - m.vertical_arrow};
    bars.down_arrow = {left, client.bottom - m.vertical_arrow, right, client.bottom};
  }
  if (horizontal_shown && vertical_shown) {
    bars.size_box = {bars.up_arrow.left, bars.left_arrow.top, bars.up_arrow.right, bars.left_arrow.bottom};
  }
  return bars;
}

Rect ThumbRect(const Rect& track, const Thumb& thumb, bool vertical) {
  if (!thumb.present) return {};
  if (vertical) return {track.left, track.top + thumb.offset, track.right, track.top + thumb.offset + thumb.length};
  return {track.left + thumb.offset, track.top, track.left + thumb.offset + thumb.length, track.bottom};
}

Element HitTestWindowBars(const WindowBars& bars, bool horizontal_shown, bool vertical_shown, int x, int y) {
  if (horizontal_shown) {
    if (bars.left_arrow.contains(x, y)) return Element::kLeftArrow;
    if (bars.horizontal_thumb.contains(x, y)) return Element::kHorizontalThumb;
    if (bars.right_arrow.contains(x, y)) return Element::kRightArrow;
    if (bars.horizontal_track.contains(x, y)) return Element::kHorizontalTrack;
  }
  if (vertical_shown) {
    if (bars.up_arrow.contains(x, y)) return Element::kUpArrow;
    if (bars.vertical_thumb.contains(x, y)) return Element::kVerticalThumb;
    if (bars.down_arrow.contains(x, y)) return Element::kDownArrow;
    if (bars.vertical_track.contains(x, y)) return Element::kVerticalTrack;
  }
  return Element::kNone;
}

bool InDragZone(const Rect& first_arrow, const Rect& track, const Rect& second_arrow, bool vertical, int x,
                int y) {
  if (vertical) {
    return y >= first_arrow.bottom && y < second_arrow.top && x >= track.left - kVerticalDragReach &&
           x < track.right + kVerticalDragReach;
  }
  return x >= first_arrow.right && x < second_arrow.left && y >= track.top - kHorizontalDragReach &&
         y < track.bottom + kHorizontalDragReach;
}

int MoveThumb(int offset, int delta, int track_length, int thumb_length) {
  const std::int64_t moved = std::int64_t{offset} + delta;
  const std::int64_t last = std::max<std::int64_t>(std::int64_t{track_length} - thumb_length, 0);
  return static_cast<int>(std::clamp<std::int64_t>(moved, 0, last));
}

int DragPosition(const BarInfo& info, int offset, int track_length, int thumb_length) {
  const std::int64_t span = RangeOf(info) - std::int64_t{info.page} + 1;
  const std::int64_t free = std::int64_t{track_length} - thumb_length;
  if (span <= 0 || free <= 0) return info.min;
  return ClampToInt(std::int64_t{info.min} + ScaleRounded(offset, span, free));
}

StandaloneBar LayOutStandaloneBar(int width, int height, bool vertical, int arrow_metric) {
  StandaloneBar bar;
  const int length = vertical ? height : width;
  const int arrow = 2 * arrow_metric < length ? arrow_metric : std::max((length - 1) / 2, 0);
  if (vertical) {
    bar.first_arrow = {0, 0, width, arrow};
    bar.track = {0, arrow, width, height - arrow};
    bar.second_arrow = {0, height - arrow, width, height};
  } else {
    bar.first_arrow = {0, 0, arrow, height};
    bar.track = {arrow, 0, width - arrow, height};
    bar.second_arrow = {width - arrow, 0, width, height};
  }
  return bar;
}

int HitTestStandaloneBar(const StandaloneBar& bar, int x, int y) {
  if (bar.first_arrow.contains(x, y)) return 1;
  if (bar.thumb.contains(x, y)) return 2;
  if (bar.second_arrow.contains(x, y)) return 3;
  if (bar.track.contains(x, y)) return 4;
  return 0;
}

int PageCode(const Rect& thumb, bool vertical, int x, int y) {
  return (vertical ? y < thumb.top : x < thumb.left) ? 2 : 3;
}

}  // namespace tebix::scroll
