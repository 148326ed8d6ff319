#include "skin/render/flex_grid.h"

#include "skin/attach/engine_messages.h"
#include "skin/render/button_paint.h"
#include "skin/render/grid_compose.h"
#include "skin/render/off_screen.h"
#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// Border and bars repainted at once when focus or enabled state changes;
// nothing of its own when a scroll ends.
constexpr ScrolledTraits kTraits = {.focus_repaint = true, .end_scroll_repaint = false};

class FlexGrid : public ScrolledControl {
 public:
  explicit FlexGrid(HWND window) : ScrolledControl(window, kTraits) {}
  GridDc dc;
};

HDC BeginCells(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  return BeginGridPaint(window, ps, record, nullptr, nullptr);
}

LRESULT FlexGridProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& grid = static_cast<FlexGrid&>(self);
  if (message == WM_CREATE || message == kAttachMessage) grid.dc.Hang(self.window());
  if (message == WM_PAINT && wparam == 0) {
    if (!self.attached()) SendMessageW(self.window(), kAttachMessage, 0, 0);
    PaintRedirect record;
    record.type = kFlexGridPaint;
    grid.dc.SetPainting(true);
    PassPaintOn(self, record);
    grid.dc.SetPainting(false);
    DiscardMemoryDc(record.memory_dc, record.bitmap);  // a paint the grid never ended
    return 0;
  }
  return ScrolledControlProc(self, message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return std::make_unique<FlexGrid>(window);
}

}  // namespace

const RendererEntry kFlexGridRenderer = {RendererId::kFlexGrid, &Create, &FlexGridProc};
const PaintSubstitute kFlexGridPaintSubstitute = {&BeginCells, nullptr};

}  // namespace tebix
