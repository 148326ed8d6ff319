#include "skin/render/date_layout.h"

#include <algorithm>

namespace tebix::dates {

Box DropButton(const Box& window, const Box& client, int span_metric) {
  const Box& base = span_metric != 0 ? window : client;
  if (base.empty()) return {};
  return {std::max(base.left, base.right - kDropButtonWidth), base.top, base.right, base.bottom};
}

int DropButtonPart(bool disabled, bool pressed) {
  if (disabled) return kDropDisabledPart;
  return pressed ? kDropPressedPart : kDropNormalPart;
}

namespace {

// The extent months of `size` with their gaps fill in `extent`: `gap` per
// month more and `spare` once (rows: 6 and +8; columns: 6 and -6); a single
// month keeps `single` (rows: the month and 5 px above and below; columns:
// the month alone). Negative when the extent stays as it is.
int BlockExtent(int extent, int size, int spare, int single) {
  if (size <= 0 || size >= extent) return -1;
  int n = extent / size;
  if (extent < n * (size + 6) + spare) --n;
  if (n < 2) return single;
  return n * (size + 6) + spare;
}

}  // namespace

Box MonthBlock(const Box& client, int month_width, int month_height) {
  Box block = client;
  const int height = BlockExtent(client.height(), month_height, 8, month_height + 10);
  if (height >= 0) {
    block.top = client.top + (client.height() - height) / 2;
    block.bottom = block.top + height;
  }
  const int width = BlockExtent(client.width(), month_width, -6, month_width);
  if (width >= 0) {
    block.left = client.left + (client.width() - width) / 2;
    block.right = block.left + width;
  }
  return block;
}

Box PreviousButtonEstimate(const Box& block) {
  return {block.left + 5 - 4, block.top + 5 - 4, block.left + 28 + 4, block.top + 23 + 4};
}

Box NextButtonEstimate(const Box& block) {
  return {block.right - 28 - 4, block.top + 5 - 4, block.right - 5 + 4, block.top + 23 + 4};
}

Box ProbeButton(const Box& estimate, const std::function<bool(int x, int y)>& is_button) {
  if (estimate.empty()) return {};
  const int row = estimate.top + estimate.height() / 2;
  int left = estimate.left;
  while (left < estimate.right && !is_button(left, row)) ++left;
  if (left == estimate.right) return {};
  int right = estimate.right - 1;
  while (right > left && !is_button(right, row)) --right;
  const int column = left + (right - left) / 2;
  int top = estimate.top;
  while (top < row && !is_button(column, top)) ++top;
  int bottom = estimate.bottom - 1;
  while (bottom > row && !is_button(column, bottom)) --bottom;
  return {left - 1, top - 1, right + 2, bottom + 2};
}

int TitleButtonPart(TitleButton button, bool disabled, MouseState state, TitleButton state_owner) {
  const int normal = button == TitleButton::kPrevious ? kPreviousNormalPart : kNextNormalPart;
  if (disabled) return normal + 3;
  if (state_owner != button) return normal;
  if (state == MouseState::kPressed) return normal + 2;
  if (state == MouseState::kHot) return normal + 1;
  return normal;
}

}  // namespace tebix::dates
