#include "skin/render/apex_grid.h"

#include "skin/attach/engine_messages.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/client_edge.h"
#include "skin/render/grid_compose.h"
#include "skin/render/grid_rules.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

// Paint record word: the grid has the focus.
constexpr std::size_t kFocused = 0;

class ApexGrid : public SkinnedWindow {
 public:
  explicit ApexGrid(HWND window) : SkinnedWindow(window) {}

  // The paint record stays hung for the window's life: every BeginPaint of
  // the grid goes to the substitute.
  void Attach() {
    MarkAttached();
    DiscardMemoryDc(paint.memory_dc, paint.bitmap);
    paint = {};
    paint.type = kApexGridPaint;
    paint.extra[kFocused] = HasFocus(window()) ? 1 : 0;
    SetPaintRedirect(window(), &paint);
    dc.Hang(window());
  }

  PaintRedirect paint;
  GridDc dc;
};

// BeginPaint: the frame onto the screen first, then a memory DC for the cells.
HDC BeginCells(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  if (HDC window_dc = real::GetWindowDC(window)) {
    RECT on_screen{};
    GetWindowRect(window, &on_screen);
    const RECT whole{0, 0, on_screen.right - on_screen.left, on_screen.bottom - on_screen.top};
    const RECT inner = ToRect(grid::Shrunk(ToLayout(whole), 2));
    const EdgeState state = !IsWindowEnabled(window)        ? EdgeState::kDisabled
                            : record->extra[kFocused] != 0 ? EdgeState::kFocused
                                                           : EdgeState::kNormal;
    DrawEdgeRing(window_dc, whole, inner, state);
    real::ReleaseDC(window, window_dc);
  }
  return BeginGridPaint(window, ps, record, nullptr, nullptr);
}

LRESULT ApexGridProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& grid = static_cast<ApexGrid&>(self);
  switch (message) {
    case WM_CREATE:
    case kAttachMessage:
      grid.Attach();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      if (message != WM_ENABLE) grid.paint.extra[kFocused] = message == WM_SETFOCUS ? 1 : 0;
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(self.window())) InvalidateRect(self.window(), nullptr, TRUE);
      return result;
    }
    case WM_PAINT: {
      if (!grid.attached()) SendMessageW(grid.window(), kAttachMessage, 0, 0);
      grid.dc.SetPainting(true);
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (ObjectOf(self.window()) == &grid) grid.dc.SetPainting(false);
      return result;
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateApexGrid(HWND window) {
  return std::make_unique<ApexGrid>(window);
}

}  // namespace

const RendererEntry kApexGridRenderer = {RendererId::kApexGrid, &CreateApexGrid, &ApexGridProc};
const PaintSubstitute kApexGridPaintSubstitute = {&BeginCells, nullptr};

}  // namespace tebix
