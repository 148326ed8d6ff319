// The rules of the date/time picker and month calendar renderers that need
// no window: where the picker's drop button goes and which part it shows,
// where the calendar's title buttons are looked for, how a probe along a
// row and a column finds a button's edges, and which part a title button
// shows in which state. Win32-free; the renderers apply them.
#pragma once

#include <functional>

#include "skin/render/layout_rect.h"

namespace tebix::dates {

using Box = layout::Rect;

// --- Date/time picker --------------------------------------------------------

inline constexpr int kDropNormalPart = 261;
inline constexpr int kDropPressedPart = 264;
inline constexpr int kDropDisabledPart = 265;
inline constexpr int kDropButtonWidth = 22;
// Skin metric: the drop button spans the whole window height when not 0,
// else the client height.
inline constexpr int kDropSpanMetric = 21;

// The drop button: the last kDropButtonWidth pixels of `window` (metric 21
// not 0) or of `client` (both in window coordinates), never reaching left
// of it.
Box DropButton(const Box& window, const Box& client, int span_metric);
int DropButtonPart(bool disabled, bool pressed);

// --- Month calendar ----------------------------------------------------------

inline constexpr int kPreviousNormalPart = 253;
inline constexpr int kNextNormalPart = 257;
// Parts follow the normal one: +1 hot, +2 pressed, +3 disabled.
inline constexpr int kTitleFillColour = 44;
inline constexpr int kTitleFillDisabledColour = 45;

enum class MouseState : int { kNormal = 0, kHot = 1, kPressed = 2 };
enum class TitleButton : int { kNext = 0, kPrevious = 1 };

// The block the calendar's months fill inside `client`, given the size of
// one month (`month_width` x `month_height`): as many rows and columns as
// fit with their 6 px gaps, centred. A side whose month size is unknown
// (0 or less) or does not fit keeps the client's extent.
Box MonthBlock(const Box& client, int month_width, int month_height);

// Where the two title buttons are looked for: near the block's top corners,
// with a 4 px margin.
Box PreviousButtonEstimate(const Box& block);
Box NextButtonEstimate(const Box& block);

// Finds a button inside `estimate` with `is_button(x, y)`: from the left
// edge rightwards and from the right edge leftwards along the middle row,
// then along the middle column of that span downwards and upwards. The
// span found, grown by 1 px on every side (its right and bottom edges are
// the last pixels hit plus one); empty when the probe never hits.
Box ProbeButton(const Box& estimate, const std::function<bool(int x, int y)>& is_button);

// The part a title button shows.
int TitleButtonPart(TitleButton button, bool disabled, MouseState state, TitleButton state_owner);

}  // namespace tebix::dates
