// What the MoveWindow replacement needs from a skinned top-level window's frame.
//
// Frame renderers hang their frame object on the window (SetFrameObject: the
// engine's window table, published as "Tebix_WndSz") and register one query
// that reads the sizes below from such an object. MoveWindow on that window
// then takes the caller's outer size as meant for the system's
// standard frame and converts it to the skin frame's, so that the client area
// comes out as large as the caller intended.
#pragma once

#include <windows.h>

namespace tebix {

inline constexpr char kFrameSizeProperty[] = "Tebix_WndSz";

enum class FrameCaption {
  kNone,      // no caption height to take off
  kNormal,    // the system frame had SM_CYCAPTION
  kMdiChild,  // the system frame had SM_CYSMCAPTION
};

struct FrameSize {
  FrameCaption caption = FrameCaption::kNone;
  int caption_height = 0;  // height of the caption part (frame slot 0)
  int left_width = 0;      // width of the left border part (slot 1)
  int right_width = 0;     // width of the right border part (slot 2)
  int bottom_height = 0;   // height of the bottom border part (slot 3)
  // With a menu: (skin menu-row height - the frame's system menu-row height) x rows,
  // after the query has laid the menu bar out again; 0 without a menu.
  int menu_extra_height = 0;
  bool has_limits = false;  // the frame knows a maximum tracking size
  int limit_width = 0;
  int limit_height = 0;
};

// Fills `out` for `window`, whose frame object is `frame`. Returns false when
// the frame has no frame style record (MoveWindow then passes through unchanged).
using FrameSizeQuery = bool (*)(HWND window, void* frame, FrameSize* out);
void SetFrameSizeQuery(FrameSizeQuery query);

}  // namespace tebix
