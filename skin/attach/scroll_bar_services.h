// The in-window scroll-bar engine as the attachment layer sees it.
//
// Windows that carry WS_HSCROLL or WS_VSCROLL have their bars drawn and
// operated by the skin. The engine itself lives with the renderers; the
// top-level frame (and any other caller in this layer) reaches it through the
// services below, which the renderers register at engine start. Until they
// are registered the frame leaves the bars alone: messages go on to the
// previous procedure and nothing is painted.
#pragma once

#include <windows.h>

#include "skin/attach/scroll_state.h"

namespace tebix {

class SkinnedWindow;

struct ScrollBarServices {
  // One message for the window's in-window bars, whose block is `state`:
  // WM_NCHITTEST, WM_NCMOUSEMOVE, WM_MOUSEMOVE, the left-button messages
  // (client and non-client), WM_TIMER, WM_HSCROLL/WM_VSCROLL. The engine
  // passes on to self's previous procedure where its rules say so and
  // returns the message's result. `allow_capture` lets a press take the mouse.
  LRESULT (*message)(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam,
                     bool allow_capture) = nullptr;
  // Recomputes the geometry and paints the shown bars into `dc` (window
  // coordinates; null: the window DC is taken and released).
  void (*paint)(HWND window, ScrollState& state, HDC dc) = nullptr;
  // The client-edge border of a window without a skinned frame.
  void (*client_edge)(HDC dc, HWND window) = nullptr;
};

void SetScrollBarServices(const ScrollBarServices& services);
// The registered services; every pointer is null until they are registered.
const ScrollBarServices& ScrollBars();

}  // namespace tebix
