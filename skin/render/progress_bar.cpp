#include "skin/render/progress_bar.h"

#include <commctrl.h>

#include "skin/attach/skinned_window.h"
#include "skin/render/range_paint.h"

namespace tebix {
namespace {

using ranges::Box;

class ProgressBar : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

void DrawProgress(HWND window, HDC dc, const ranges::WindowGeometry& geometry) {
  const bool vertical = (GetWindowLongW(window, GWL_STYLE) & PBS_VERTICAL) != 0;
  const ranges::ProgressParts parts = ranges::ProgressPartsFor(vertical, IsWindowEnabled(window) != FALSE);
  const Box bar{0, 0, geometry.width, geometry.height};
  ranges::DrawRangePart(dc, bar, parts.track);

  const auto position = static_cast<std::int32_t>(SendMessageW(window, PBM_GETPOS, 0, 0));
  PBRANGE range{};
  SendMessageW(window, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const int filled = ranges::FilledLength(position, range.iLow, range.iHigh, vertical ? bar.bottom : bar.right);
  // The fill keeps inside the enabled track's margins in either state.
  const ranges::Margins margins = ranges::PartMargins(
      vertical ? ranges::kProgressVerticalTrackPart : ranges::kProgressTrackPart);
  ranges::DrawRangePart(dc, ranges::ProgressFill(bar, vertical, filled, margins), parts.fill);
}

void Paint(HWND window, HDC given) {
  ranges::PaintWholeWindow(window, given, [window](HDC dc, const ranges::WindowGeometry& geometry) {
    DrawProgress(window, dc, geometry);
  });
}

bool HasBorder(HWND window) {
  const ranges::WindowGeometry g = ranges::GeometryOf(window);
  return g.width != g.client.width() || g.height != g.client.height();
}

LRESULT ProgressBarProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = self.window();
  switch (message) {
    case WM_PAINT:
      return ranges::OnPaintMessage(window, wparam, [window](HDC dc) { Paint(window, dc); });
    case WM_PRINTCLIENT:
      Paint(window, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      // The border is part of the picture: a frame uncovered alone is
      // painted again with it.
      if (HasBorder(window)) Paint(window, nullptr);
      return 0;
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateProgressBar(HWND window) {
  return std::make_unique<ProgressBar>(window);
}

}  // namespace

const RendererEntry kProgressBarRenderer = {RendererId::kProgressBar, &CreateProgressBar, &ProgressBarProc};

}  // namespace tebix
