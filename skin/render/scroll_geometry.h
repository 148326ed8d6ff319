// Scroll-bar geometry without any window: where the arrows, the track and the
// thumb of a skinned bar lie, which element a point hits, and which position
// a dragged thumb stands for. The in-window bars and the standalone scroll
// bar control both lay themselves out with these functions.
#pragma once

#include <cstdint>

#include "skin/render/layout_rect.h"

namespace tebix::scroll {

using Rect = layout::Rect;

// What a bar shows: the SCROLLINFO fields that matter for the layout.
struct BarInfo {
  int min = 0;
  int max = 0;
  std::uint32_t page = 0;
  int pos = 0;
};

// The skin's bar metrics (skin metrics 14 to 19).
struct BarMetrics {
  int horizontal_height = 0;     // 14
  int horizontal_arrow = 0;      // 15: width of the left and right arrows
  int horizontal_min_thumb = 0;  // 16
  int vertical_width = 0;        // 17
  int vertical_arrow = 0;        // 18: height of the up and down arrows
  int vertical_min_thumb = 0;    // 19
};

// MulDiv as the system does it: a * b / c in 64 bits, rounded to the
// nearest integer (halves away from zero); -1 when c is 0 or the result
// does not fit.
int MulDiv(int a, int b, int c);

// A thumb along a track, as an offset from the track start and a length.
struct Thumb {
  bool present = false;
  int offset = 0;
  int length = 0;
};

struct ThumbRules {
  int min_length = 0;
  // An empty range (max <= min) shows no thumb at all; otherwise it shows
  // a thumb of minimum length at the track start.
  bool empty_range_hides = false;
  // A thumb exactly as long as its track is always removed; a longer one is
  // cut to the track, or removed as well with this set.
  bool longer_removed = false;
  // After a drag of a bar whose page is 0: the offset where the dragged
  // thumb stands. When the computed offset differs from it by less than the
  // minimum length, the thumb stays there. Negative: no such thumb.
  int dragged_offset = -1;
};

// The thumb of `info` along a track `track_length` long.
Thumb ComputeThumb(int track_length, const BarInfo& info, const ThumbRules& rules);

// --- Bars a window carries in its non-client area ---------------------------

// The elements of the two bars; the numbers are the hot-element codes the
// scroll state keeps.
enum class Element : int {
  kNone = 0,
  kUpArrow = 1,
  kVerticalThumb = 2,
  kDownArrow = 3,
  kVerticalTrack = 4,
  kLeftArrow = 5,
  kHorizontalThumb = 6,
  kRightArrow = 7,
  kHorizontalTrack = 8,
};

// The non-client hit code of an element (0x3000..0x3007), 0 for none; and back.
int HitCodeOf(Element element);
Element ElementOfHitCode(int code);

struct WindowBars {
  Rect left_arrow, horizontal_track, right_arrow, horizontal_thumb;
  Rect up_arrow, vertical_track, down_arrow, vertical_thumb;
  Rect size_box;
};

// The arrows, tracks and size box around the client rectangle `client`
// (window coordinates). The horizontal bar lies under the client area and is
// as wide as it; the vertical one right of it, or left with `left_vertical`.
// Thumbs are left empty (see PlaceThumbs).
WindowBars LayOutWindowBars(const Rect& client, const BarMetrics& metrics, bool horizontal_shown,
                            bool vertical_shown, bool left_vertical);

// The thumb rectangle of a thumb along a track; vertical tracks run down.
Rect ThumbRect(const Rect& track, const Thumb& thumb, bool vertical);

// The element at (x, y): the horizontal bar first (left arrow, thumb, right
// arrow, track), then the vertical one (up arrow, thumb, down arrow, track).
Element HitTestWindowBars(const WindowBars& bars, bool horizontal_shown, bool vertical_shown, int x, int y);

// --- Dragging ------------------------------------------------------------------

// Whether a pointer at (x, y) may move the dragged thumb: between the two
// arrows along the bar, and within 96 px (vertical) or 48 px (horizontal)
// across it.
bool InDragZone(const Rect& first_arrow, const Rect& track, const Rect& second_arrow, bool vertical, int x, int y);

inline constexpr int kVerticalDragReach = 96;
inline constexpr int kHorizontalDragReach = 48;

// The thumb offset after the pointer moved by `delta` along the bar, kept
// inside the track.
int MoveThumb(int offset, int delta, int track_length, int thumb_length);

// The position a thumb at `offset` stands for: min + offset scaled from the
// free track length to max - min - page + 1; min when either is not positive.
int DragPosition(const BarInfo& info, int offset, int track_length, int thumb_length);

// --- The standalone scroll bar control ----------------------------------------

// The single bar of a scroll bar control of the given size (window
// coordinates, top-left 0,0): first arrow, track, second arrow.
struct StandaloneBar {
  Rect first_arrow, track, second_arrow, thumb;
};
StandaloneBar LayOutStandaloneBar(int width, int height, bool vertical, int arrow_metric);

// Elements of the standalone bar: 1 first arrow, 2 thumb, 3 second arrow,
// 4 track, 0 none.
int HitTestStandaloneBar(const StandaloneBar& bar, int x, int y);

// The page code a press on the track sends: before the thumb (SB_PAGEUP,
// SB_PAGELEFT: 2) or after it (SB_PAGEDOWN, SB_PAGERIGHT: 3).
int PageCode(const Rect& thumb, bool vertical, int x, int y);

}  // namespace tebix::scroll
