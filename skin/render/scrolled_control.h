// What the scrolled controls share: edit boxes, list boxes, list and tree
// views, rich edit boxes, view clients and the combo drop-down list keep
// painting their own client area and get the skin's client-edge border and
// in-window scroll bars. They differ only in a few messages, which their
// traits name; one window procedure serves them all.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/attach/scroll_state.h"
#include "skin/attach/skinned_window.h"

namespace tebix {

struct ScrolledTraits {
  // WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE: passed on, then the border and
  // bars repainted in the new state at once.
  bool focus_repaint = true;
  // WM_HSCROLL / WM_VSCROLL with SB_ENDSCROLL: passed on, then the border
  // and bars repainted.
  bool end_scroll_repaint = true;
  // Edit boxes: a wheel notch scrolls one line (scrolled_rules.h).
  bool wheel_by_line = false;
  // Drop-down lists: the mouse capture by the parent's class, and WM_PRINT
  // with the non-client area printing border and bars.
  bool drop_list = false;
};

class ScrolledControl : public SkinnedWindow {
 public:
  ScrolledControl(HWND window, const ScrolledTraits& traits);

  const ScrolledTraits& traits;
  ScrollState state{};
  // The parent's class atom, read once when first needed; -1 before.
  long parent_atom = -1;
  // The control's own scroll information as last seen (horizontal,
  // vertical). The standard controls set it without going through the
  // scroll functions a program calls; what they set since is taken over
  // into the block after each message.
  SCROLLINFO seen[2]{};
  // Messages of this window on the stack.
  int depth = 0;
  // WM_SETREDRAW turned the control's redrawing off.
  bool redraw_off = false;
  // A repaint of border and bars waits for the control to be idle.
  bool repaint_pending = false;
  // The frame is being worked out again after a bar came or went.
  bool reframing = false;
  // The bar styles the last WM_NCCALCSIZE allowed for; -1 when they changed
  // while it was being worked out.
  LONG framed_bars = -1;
};

std::unique_ptr<SkinnedWindow> CreateScrolledControl(HWND window, const ScrolledTraits& traits);
LRESULT ScrolledControlProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tebix
