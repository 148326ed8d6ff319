// A system RECT to and from the rectangle of the window-free rules.
#pragma once

#include <windows.h>

#include "skin/render/layout_rect.h"

namespace tebix {

inline layout::Rect ToLayout(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

inline RECT ToRect(const layout::Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace tebix
