// The window-free rules of the data controls and grids: where a data combo
// lets its control paint, where its drop button goes and which part it
// shows, and the inner rectangles the grids are framed around.
#pragma once

#include "skin/render/layout_rect.h"

namespace tebix::grid {

// Width the data combo keeps free for its drop button at the client's right.
inline constexpr int kComboButtonWidth = 18;
// The drop button's width counted from the window's right edge (border included).
inline constexpr int kComboButtonWindowWidth = 22;

// Parts of the data combo's drop button.
inline constexpr int kComboButtonPart = 214;
inline constexpr int kComboButtonPressedPart = 217;
inline constexpr int kComboButtonDisabledPart = 218;

// `r` shrunk by `by` on every side; never turned inside out (an overshrunk
// rectangle collapses to an empty one at its middle).
layout::Rect Shrunk(const layout::Rect& r, int by);

// What the data combo's control may paint: its client rectangle shrunk by
// 2 px, then shortened at the right by the button's width. Empty (never
// inside out) for a combo too small for it.
layout::Rect ComboItem(const layout::Rect& client);

// The drop button in window coordinates (`window` is the window rectangle
// moved to 0,0): the last 22 px at the right over the full height, shrunk
// by 2 px on every side when skin metric 20 is 0.
layout::Rect ComboButton(const layout::Rect& window, int metric20);

// Disabled wins over pressed.
int ComboButtonPart(bool enabled, bool pressed);

}  // namespace tebix::grid
