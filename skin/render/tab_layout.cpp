#include "skin/render/tab_layout.h"

#include <algorithm>

namespace tebix::tab {

Side SideOf(const Box& item, const Box& display) {
  if (item.top > display.bottom) return Side::kBottom;
  if (item.right < display.left) return Side::kLeft;
  if (item.left > display.right) return Side::kRight;
  return Side::kTop;
}

Side SideOfStyle(std::uint32_t style) {
  if (style & kStyleVertical) return (style & kStyleRight) ? Side::kRight : Side::kLeft;
  return (style & kStyleBottom) ? Side::kBottom : Side::kTop;
}

int PartOf(Side side, Look look, bool enabled, bool buttons) {
  if (buttons) {
    if (!enabled) return 75;
    return look == Look::kSelected ? 73 : 71;
  }
  int normal = 166;
  switch (side) {
    case Side::kTop: normal = 166; break;
    case Side::kBottom: normal = 171; break;
    case Side::kLeft: normal = 176; break;
    case Side::kRight: normal = 181; break;
  }
  if (!enabled) return normal + 4;
  return look == Look::kSelected ? normal + 2 : normal;
}

int EscapementOf(std::uint32_t style) {
  if (!(style & kStyleVertical)) return 0;
  return (style & kStyleRight) ? -900 : 900;
}

Box GrowSelected(const Box& item, Side side, Family family) {
  Box grown{item.left - 2, item.top - 2, item.right + 2, item.bottom + 2};
  if (family == Family::kTabStrip && side == Side::kBottom) grown.bottom = item.bottom + 3;
  return grown;
}

int InnerEdge(const Box& item, Side side) {
  switch (side) {
    case Side::kTop: return item.bottom;
    case Side::kBottom: return item.top;
    case Side::kLeft: return item.right;
    case Side::kRight: return item.left;
  }
  return item.bottom;
}

Box PaneOf(Side side, int inner, int far_edge, const Box& client) {
  switch (side) {
    case Side::kTop: return {client.left, inner, client.right, std::max(inner, far_edge)};
    case Side::kBottom: return {client.left, std::min(inner, far_edge), client.right, inner};
    case Side::kLeft: return {inner, client.top, std::max(inner, far_edge), client.bottom};
    case Side::kRight: return {std::min(inner, far_edge), client.top, inner, client.bottom};
  }
  return {};
}

ItemPlacement PlaceItem(const Box& item, int escapement, int text_length, int text_height, int image_width,
                        int image_height) {
  ItemPlacement p;
  const bool image = image_width > 0 && image_height > 0;
  const int mid_x = item.left + item.width() / 2;
  const int mid_y = item.top + item.height() / 2;
  if (escapement == 0) {
    // Image, gap and text centred as one group across; each centred down.
    const int group = image ? image_width + kImageGap + text_length : text_length;
    const int start = item.left + (item.width() - group) / 2;
    p.image_x = start + kImageInset;
    p.image_y = mid_y - image_height / 2;
    p.text_x = image ? start + image_width + kImageGap : start;
    p.text_y = item.top + (item.height() - text_height) / 2;
    return p;
  }
  const int group = image ? image_height + kImageGap + text_length : text_length;
  const int start = item.top + (item.height() - group) / 2;  // the group's top end
  p.image_x = mid_x - image_width / 2;
  if (escapement > 0) {
    // Reading upwards: the text runs from its bottom end up, the image below it.
    p.text_x = mid_x - text_height / 2;
    p.text_y = start + text_length;
    p.image_y = start + group - image_height - (image ? kImageInset : 0);
  } else {
    // Reading downwards: the image at the top, the text from its top end down.
    p.text_x = mid_x + text_height / 2;
    p.text_y = image ? start + image_height + kImageGap : start;
    p.image_y = start + kImageInset;
  }
  return p;
}

}  // namespace tebix::tab
