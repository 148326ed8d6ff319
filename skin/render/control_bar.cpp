#include "skin/render/control_bar.h"

#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/bar_layout.h"
#include "skin/render/bar_paint.h"
#include "skin/render/layout_rect_win32.h"

namespace tebix {
namespace {

class ControlBar : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

// The whole window in its window DC, less every visible child (the bars
// inside keep their own looks, borders included).
void PaintBackground(HWND window) {
  RECT window_rect{};
  GetWindowRect(window, &window_rect);
  const POINT origin{window_rect.left, window_rect.top};
  OffsetRect(&window_rect, -origin.x, -origin.y);
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  if (HRGN clip = CreateRectRgnIndirect(&window_rect)) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      RECT r{};
      GetWindowRect(child, &r);
      OffsetRect(&r, -origin.x, -origin.y);
      if (HRGN hole = CreateRectRgnIndirect(&r)) {
        CombineRgn(clip, clip, hole, RGN_DIFF);
        DeleteObject(hole);
      }
    }
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
  }
  FillRect(dc, &window_rect, BackgroundBrush());
  bars::DrawPart(dc, ToLayout(window_rect), bars::kBarFramePart);
  real::ReleaseDC(window, dc);
}

LRESULT ControlBarProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
      // Only the container's own update region: a container without
      // WS_CLIPCHILDREN would otherwise take the paint from its bars too.
      RedrawWindow(self.window(), nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
      PaintBackground(self.window());
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateControlBar(HWND window) {
  return std::make_unique<ControlBar>(window);
}

}  // namespace

const RendererEntry kControlBarRenderer = {RendererId::kControlBar, &CreateControlBar, &ControlBarProc};

}  // namespace tebix
