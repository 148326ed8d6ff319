#include "skin/render/grid_rules.h"

#include <algorithm>

namespace tebix::grid {

layout::Rect Shrunk(const layout::Rect& r, int by) {
  layout::Rect s{r.left + by, r.top + by, r.right - by, r.bottom - by};
  if (s.right < s.left) s.left = s.right = r.left + (r.right - r.left) / 2;
  if (s.bottom < s.top) s.top = s.bottom = r.top + (r.bottom - r.top) / 2;
  return s;
}

layout::Rect ComboItem(const layout::Rect& client) {
  layout::Rect item = Shrunk(client, 2);
  item.right = std::max(item.left, item.right - kComboButtonWidth);
  return item;
}

layout::Rect ComboButton(const layout::Rect& window, int metric20) {
  const layout::Rect button{std::max(window.left, window.right - kComboButtonWindowWidth), window.top, window.right,
                            window.bottom};
  return metric20 == 0 ? Shrunk(button, 2) : button;
}

int ComboButtonPart(bool enabled, bool pressed) {
  if (!enabled) return kComboButtonDisabledPart;
  return pressed ? kComboButtonPressedPart : kComboButtonPart;
}

}  // namespace tebix::grid
