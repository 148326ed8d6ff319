#include "skin/render/trackbar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/attach/skinned_window.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/range_paint.h"

namespace tebix {
namespace {

using ranges::Box;
using ranges::Mouse;

class Trackbar : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
  Mouse mouse = Mouse::kNormal;
  bool tracking = false;      // leave tracking armed
};

Box ThumbRect(HWND window) {
  RECT r{};
  SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  return ToLayout(r);
}

Box Offset(const Box& r, int dx, int dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void Draw(Trackbar& self, HDC dc, const ranges::WindowGeometry& geometry) {
  const HWND window = self.window();
  const auto style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
  const bool enabled = IsWindowEnabled(window) != FALSE;
  RECT channel{};
  SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const Box thumb = ThumbRect(window);
  Box lane = ToLayout(channel);
  if (style & ranges::kTrackVertical) lane = ranges::UprightChannel(lane, geometry.client, thumb);

  // The control's rectangles are client-relative; the picture is of the whole window.
  ranges::DrawRangePart(dc, Offset(lane, geometry.client_x, geometry.client_y), ranges::ChannelPart(style, enabled));
  ranges::DrawRangePart(dc, Offset(thumb, geometry.client_x, geometry.client_y),
                        ranges::ThumbPart(style, enabled, self.mouse, HasFocus(self.window())));
}

void Paint(Trackbar& self, HDC given) {
  ranges::PaintWholeWindow(self.window(), given,
                           [&self](HDC dc, const ranges::WindowGeometry& geometry) { Draw(self, dc, geometry); });
}

bool OverThumb(HWND window, LPARAM lparam) {
  return ThumbRect(window).contains(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
}

void SetMouse(Trackbar& self, Mouse mouse) {
  if (self.mouse == mouse) return;
  self.mouse = mouse;
  Paint(self, nullptr);
}

// The messages after which the control looks different and that it does
// not always repaint for by itself.
bool Invalidates(UINT message) {
  return (message >= TBM_SETTIC && message <= TBM_SETSELEND) ||
         (message >= TBM_CLEARSEL && message <= TBM_SETPAGESIZE) || message == TBM_SETLINESIZE ||
         message == TBM_SETTHUMBLENGTH || message == TBM_SETTOOLTIPS || message == TBM_SETTIPSIDE ||
         message == TBM_SETBUDDY;
}

LRESULT TrackbarProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<Trackbar&>(base);
  const HWND window = self.window();
  switch (message) {
    case WM_PAINT:
      return ranges::OnPaintMessage(window, wparam, [&self](HDC dc) { Paint(self, dc); });
    case WM_PRINTCLIENT:
      Paint(self, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    case WM_MOUSEMOVE:
      if (self.mouse != Mouse::kPressed) SetMouse(self, OverThumb(window, lparam) ? Mouse::kHot : Mouse::kNormal);
      if (!self.tracking) {
        // Leave tracking stays armed until the pointer leaves: one call per visit.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 1};
        self.tracking = TrackMouseEvent(&track) != FALSE;
      }
      return self.CallPrevious(message, wparam, lparam);
    case WM_MOUSELEAVE:
      self.tracking = false;
      self.mouse = Mouse::kNormal;
      Paint(self, nullptr);
      return self.CallPrevious(message, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (OverThumb(window, lparam)) SetMouse(self, Mouse::kPressed);
      return self.CallPrevious(message, wparam, lparam);
    case WM_LBUTTONUP: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (ObjectOf(window) != &self) return result;
      // Released over the channel (a page step), the thumb is not under the pointer.
      self.mouse = OverThumb(window, lparam) ? Mouse::kHot : Mouse::kNormal;
      Paint(self, nullptr);
      return result;
    }
    case WM_CAPTURECHANGED:
      // A drag the control gave up (Escape, another window took the mouse).
      if (self.mouse == Mouse::kPressed && reinterpret_cast<HWND>(lparam) != window) SetMouse(self, Mouse::kNormal);
      return self.CallPrevious(message, wparam, lparam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      return self.CallPrevious(message, wparam, lparam);
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
  }
  if (Invalidates(message)) InvalidateRect(window, nullptr, TRUE);
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateTrackbar(HWND window) {
  return std::make_unique<Trackbar>(window);
}

}  // namespace

const RendererEntry kTrackbarRenderer = {RendererId::kTrackbar, &CreateTrackbar, &TrackbarProc};

}  // namespace tebix
