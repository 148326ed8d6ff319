// The scroll state block of a skinned window: kept in the engine's window table
// (SetScrollState) and published as the window's "Scroll_Prop" property.
//
// The skin draws every scroll bar itself, so the scroll functions that programs
// call are served from this block instead of the system's own bar state: the
// skinned bars then always show what the program set. Every field is 32 bits and
// the order is fixed; the scroll-bar engine and the frame renderer fill it, the
// intercepted scroll functions read and write the two bar blocks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace tebix {

inline constexpr char kScrollStateProperty[] = "Scroll_Prop";

struct ScrollBarState {
  int32_t shown;     // 1 while the bar exists
  int32_t disabled;  // 1: drawn with its disabled parts and no thumb
  SCROLLINFO info;   // cbSize, fMask, nMin, nMax, nPage, nPos, nTrackPos
};

struct ScrollState {
  ScrollBarState horizontal;  // SB_HORZ
  ScrollBarState vertical;    // SB_VERT, and SB_CTL for a standalone scroll bar
  RECT horizontal_track;      // window coordinates
  RECT vertical_track;
  RECT size_box;          // where both bars meet
  RECT horizontal_thumb;  // empty when there is none
  RECT vertical_thumb;
  RECT left_arrow;
  RECT right_arrow;
  RECT up_arrow;
  RECT down_arrow;
  int32_t dragging;        // 1 while a thumb is dragged
  int32_t left_scrollbar;  // 1 with WS_EX_LEFTSCROLLBAR
  int32_t painted;         // set by the first non-client paint: the bars may be drawn
  int32_t captured;        // 1 while the scroll-bar engine holds the mouse capture
  int32_t last_track_pos;  // position last sent with SB_THUMBTRACK; -1 at attach
  int32_t scroll_code;     // pending auto-repeat or drag code; -1 at attach
  int32_t scroll_message;  // WM_HSCROLL or WM_VSCROLL of the pending auto-repeat; -1 at attach
  int32_t drag_kind;       // hit code of the dragged thumb, 0x3006 or 0x3007
  int32_t drag_anchor;     // last pointer coordinate along the dragged bar
  int32_t mouse_state;     // 0 normal, 1 hot, 2 pressed
  int32_t hot_element;     // 0 none, 1..8 (up arrow ... horizontal track)
};

static_assert(sizeof(ScrollBarState) == 9 * 4);
static_assert(sizeof(ScrollState) == 65 * 4, "65 words, as the renderers lay them out");
static_assert(offsetof(ScrollState, vertical) == 9 * 4);
static_assert(offsetof(ScrollState, horizontal_track) == 18 * 4);
static_assert(offsetof(ScrollState, dragging) == 54 * 4);
static_assert(offsetof(ScrollState, hot_element) == 64 * 4);

// Repaints the skinned bars of a window after a scroll function changed them. The
// scroll-bar engine registers it; until then the bars are repainted at the next
// non-client paint only.
using ScrollBarPainter = void (*)(HWND window, ScrollState* state);
void SetScrollBarPainter(ScrollBarPainter painter);

}  // namespace tebix
