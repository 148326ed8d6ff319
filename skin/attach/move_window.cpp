// MoveWindow: frame size compensation for windows with a skin frame.
#include <windows.h>

#include "skin/attach/frame_size.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/replacements.h"
#include "skin/attach/window_table.h"

namespace tebix {

namespace {
FrameSizeQuery g_query = nullptr;
}  // namespace

void SetFrameSizeQuery(FrameSizeQuery query) {
  g_query = query;
}

BOOL WINAPI SkinMoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  void* frame = FindFrameObject(window);
  FrameSize f;
  if (frame && g_query && g_query(window, frame, &f)) {
    const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
    const int caption = f.caption == FrameCaption::kNormal     ? GetSystemMetrics(SM_CYCAPTION)
                        : f.caption == FrameCaption::kMdiChild ? GetSystemMetrics(SM_CYSMCAPTION)
                                                               : 0;
    const int skin_height =
        f.caption_height + f.bottom_height + height - 2 * fy - caption + f.menu_extra_height;
    const int skin_width = f.left_width + f.right_width + width - 2 * fx;
    if (!f.has_limits || (skin_width < f.limit_width && skin_height < f.limit_height)) {
      // A size the window already has is a skin size already: it stays.
      RECT current{};
      GetWindowRect(window, &current);
      if (width != current.right - current.left) width = skin_width;
      if (height != current.bottom - current.top) height = skin_height;
    }
  }
  return real::MoveWindow(window, x, y, width, height, repaint);
}

}  // namespace tebix
