#include "skin/render/data_grid.h"

#include "skin/attach/engine_messages.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/button_paint.h"
#include "skin/render/client_edge.h"
#include "skin/render/grid_compose.h"
#include "skin/render/grid_rules.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

class DataGrid : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
  void Attach() {
    MarkAttached();
    dc.Hang(window());
  }

  void PaintBorder() {
    if (HDC window_dc = real::GetWindowDC(window())) {
      DrawClientEdge(window_dc, window(), EdgeStateOf(window()));
      real::ReleaseDC(window(), window_dc);
    }
  }

  GridDc dc;
};

// BeginPaint: the cells into a memory DC on the skin background, kept 1 px
// inside the client rectangle.
HDC BeginCells(HWND window, PAINTSTRUCT* ps, PaintRedirect* record) {
  RECT client{};
  GetClientRect(window, &client);
  const RECT inside = ToRect(grid::Shrunk(ToLayout(client), 1));
  return BeginGridPaint(window, ps, record, BackgroundBrush(), &inside);
}

LRESULT Paint(DataGrid& grid) {
  if (!grid.attached()) SendMessageW(grid.window(), kAttachMessage, 0, 0);
  PaintRedirect record;
  record.type = kDataGridRedirect;
  grid.dc.SetPainting(true);
  PassPaintOn(grid, record);
  if (ObjectOf(grid.window()) == &grid) grid.dc.SetPainting(false);
  DiscardMemoryDc(record.memory_dc, record.bitmap);  // a paint the grid never ended
  return 0;
}

LRESULT DataGridProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& grid = static_cast<DataGrid&>(self);
  switch (message) {
    case WM_CREATE:
    case kAttachMessage:
      grid.Attach();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(self.window())) grid.PaintBorder();
      return result;
    }
    case WM_PAINT:
      if (wparam != 0) break;  // painting into a DC of the caller's
      return Paint(grid);
    case WM_NCPAINT:
      if (!grid.attached()) SendMessageW(grid.window(), kAttachMessage, 0, 0);
      grid.PaintBorder();
      return 0;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateDataGrid(HWND window) {
  return std::make_unique<DataGrid>(window);
}

}  // namespace

const RendererEntry kDataGridRenderer = {RendererId::kDataGrid, &CreateDataGrid, &DataGridProc};
const PaintSubstitute kDataGridPaintSubstitute = {&BeginCells, nullptr};

}  // namespace tebix
