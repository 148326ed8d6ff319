// The in-window scroll bars: the horizontal and vertical bars a window
// carries in its non-client area (WS_HSCROLL, WS_VSCROLL), drawn from the
// skin and operated by the skin instead of the system.
//
// The engine is not a renderer of its own. A renderer whose windows may
// carry bars keeps a ScrollState in its object and forwards messages:
//
//   WM_CREATE, the attach message   AttachScrollBars
//   WM_NCCALCSIZE                   ScrollBarsCalcSize
//   WM_NCPAINT                      ScrollBarsNcPaint (client edge, then bars; 0)
//   WM_NCHITTEST, WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_NCLBUTTONDOWN/DBLCLK/UP,
//   WM_LBUTTONDOWN/DBLCLK/UP, WM_TIMER, WM_HSCROLL, WM_VSCROLL,
//   WM_CAPTURECHANGED               ScrollBarsMessage
//   the detach message              DetachScrollBars
//
// Each entry passes the message on to the window's previous procedure
// where the bars' rules say so and returns the message's result. The block
// is published for the intercepted scroll functions (GetScrollInfo,
// SetScrollInfo ...), so a program's changes show in the skinned bars.
//
// The bars use hit codes 0x3000..0x3007 of their own and the window timers
// 0x3005 (first auto-repeat, 500 ms), 0x3006 (auto-repeat, 55 ms) and 0x3007
// (hover-leave poll).
#pragma once

#include <windows.h>

#include "skin/attach/scroll_state.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/scroll_geometry.h"

namespace tebix {

class SkinnedWindow;

inline constexpr UINT_PTR kFirstRepeatTimer = 0x3005;
inline constexpr UINT kFirstRepeatDelay = 500;
inline constexpr UINT_PTR kRepeatTimer = 0x3006;
inline constexpr UINT kRepeatDelay = 55;
inline constexpr UINT_PTR kHoverTimer = 0x3007;
inline constexpr UINT kHoverPoll = 1;

// What the block keeps of a bar's SCROLLINFO.
inline constexpr UINT kAllScrollInfo = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

// Skin parts of the bars (normal; +1 hot, +2 pressed, +3 disabled look).
inline constexpr int kUpArrowPart = 116;
inline constexpr int kDownArrowPart = 120;
inline constexpr int kLeftArrowPart = 124;
inline constexpr int kRightArrowPart = 128;
inline constexpr int kVerticalTrackPart = 132;
inline constexpr int kHorizontalTrackPart = 136;
inline constexpr int kVerticalThumbPart = 140;
inline constexpr int kHorizontalThumbPart = 144;
inline constexpr int kSizeGripPart = 149;

// Skin metrics 14 to 19.
scroll::BarMetrics CurrentBarMetrics();

// Draws skin part `index` into `rect` of `dc`; nothing without a skin or for
// an index outside the part table.
void DrawBarPart(HDC dc, const RECT& rect, int index);

// WM_CREATE or the attach message: fills the block from the window's own
// scroll information and styles, publishes it and has the frame
// recalculated. A real WM_CREATE is passed on first and its result returned;
// the attach message returns 0.
LRESULT AttachScrollBars(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam);

// Before the window is let go: timers stopped, the capture given back, and
// the system's own bars told what the program set while the skin kept them.
void DetachScrollBars(HWND window, ScrollState& state);

// WM_NCCALCSIZE: the client loses the skin's bar sizes instead of the
// system's. Returns the previous procedure's result.
LRESULT ScrollBarsCalcSize(SkinnedWindow& self, ScrollState& state, WPARAM wparam, LPARAM lparam);

// WM_NCPAINT: the client-edge border, then the bars; returns 0 without the
// previous procedure.
LRESULT ScrollBarsNcPaint(SkinnedWindow& self, ScrollState& state);

// The mouse, timer and scroll messages of the bars (see above).
// `allow_capture` lets a thumb press take the mouse capture.
LRESULT ScrollBarsMessage(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam,
                          bool allow_capture);

// Recomputes the arrows, tracks, thumbs and size box (window coordinates);
// nothing while a thumb is dragged.
void UpdateScrollGeometry(HWND window, ScrollState& state);

// Recomputes the geometry and paints the shown bars of a visible window into
// `dc` (window coordinates); with a null `dc` into its window DC.
void PaintScrollBars(HWND window, ScrollState& state, HDC dc);
// The same into `dc` whether or not the window is shown yet (WM_PRINT of a
// window about to appear).
void PrintScrollBars(HWND window, ScrollState& state, HDC dc);

// --- Shared with the standalone scroll bar control ---------------------------------

// The block started afresh from the window's own scroll information (both
// bars): no drag, no track position, no scroll code or message.
void ReadScrollState(HWND window, ScrollState& state);

// Stops the auto-repeat timers.
void StopAutoRepeat(HWND window);

// WM_TIMER of the auto-repeat: the first delay gives way to the repeat, and
// each repeat calls `repeat()` while an arrow or track press left a scroll
// message to send again, or else stops. False for any other timer.
template <typename Repeat>
bool StepAutoRepeat(HWND window, const ScrollState& state, WPARAM timer, Repeat repeat) {
  if (timer == kFirstRepeatTimer) {
    KillTimer(window, kFirstRepeatTimer);
    SetTimer(window, kRepeatTimer, kRepeatDelay, nullptr);
    return true;
  }
  if (timer != kRepeatTimer) return false;
  if (state.scroll_message == WM_HSCROLL || state.scroll_message == WM_VSCROLL) repeat();
  else KillTimer(window, kRepeatTimer);
  return true;
}

// A dragged thumb follows the pointer, now at `along` (x, or y on a
// vertical bar), from the state's anchor: `thumb` moves along `track`, and
// the bar's `info` takes the position that stands for as its track position.
// True when the position changed: it is then also the state's last track
// position and `info`'s position, and the caller sends SB_THUMBTRACK with it.
bool DragThumb(ScrollState& state, SCROLLINFO& info, RECT& thumb, const RECT& track, bool vertical, int along);

// Registers the services the frame and the scroll functions reach the
// engine by; ClearScrollBarServices takes them back.
void RegisterScrollBarServices();
void ClearScrollBarServices();

}  // namespace tebix
