#include "skin/render/data_combo.h"

#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/button_paint.h"
#include "skin/render/client_edge.h"
#include "skin/render/grid_rules.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"
#include "skin/render/scroll_bar_engine.h"

namespace tebix {
namespace {

// One-shot clip of the control's paint to its item.
constexpr int kClipToItem = 1005;

class DataCombo : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
  bool pressed = false;
  RECT button{};  // the drop button as last painted, window coordinates
};

DataCombo& Combo(SkinnedWindow& self) {
  return static_cast<DataCombo&>(self);
}

// The window rectangle at 0,0 and the client rectangle within it.
void WindowRects(HWND window, RECT& whole, RECT& client) {
  RECT on_screen{};
  GetWindowRect(window, &on_screen);
  whole = {0, 0, on_screen.right - on_screen.left, on_screen.bottom - on_screen.top};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -on_screen.left, -on_screen.top);
}

// The frame and the drop button, through the window DC.
void PaintButton(DataCombo& combo) {
  const HWND window = combo.window();
  RECT whole{}, client{};
  WindowRects(window, whole, client);
  combo.button = ToRect(grid::ComboButton(ToLayout(whole), SkinMetric(20)));
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  DrawEdgeRing(dc, whole, client, EdgeStateOf(combo.window()));
  if (!IsRectEmpty(&combo.button)) {
    FillRect(dc, &combo.button, BackgroundBrush());
    DrawBarPart(dc, combo.button, grid::ComboButtonPart(IsWindowEnabled(window) != FALSE, combo.pressed));
  }
  real::ReleaseDC(window, dc);
}

LRESULT Paint(DataCombo& combo) {
  const HWND window = combo.window();
  RECT client{};
  GetClientRect(window, &client);
  const RECT item = ToRect(grid::ComboItem(ToLayout(client)));
  PaintRedirect record;
  record.type = kClipToItem;
  record.clip = &item;
  PassPaintOn(combo, record);
  const RECT inner = ToRect(grid::Shrunk(ToLayout(client), 2));
  WithWindowDc(window, [&](HDC dc) { DrawEdgeRing(dc, client, inner, EdgeStateOf(combo.window())); });
  PaintButton(combo);
  return 0;
}

bool OverButton(const DataCombo& combo, LPARAM lparam) {
  POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  RECT whole{}, client{};
  WindowRects(combo.window(), whole, client);
  point.x += client.left;
  point.y += client.top;
  const RECT button = ToRect(grid::ComboButton(ToLayout(whole), SkinMetric(20)));
  return PtInRect(&button, point) != FALSE;
}

// The control handles the message with its DCs suppressed: whatever it
// would draw outside WM_PAINT waits for the repaint.
LRESULT PassOnSuppressed(DataCombo& combo, UINT message, WPARAM wparam, LPARAM lparam) {
  DcSuppression quiet(combo.window());
  return combo.CallPrevious(message, wparam, lparam);
}

LRESULT DataComboProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  DataCombo& combo = Combo(self);
  const HWND window = self.window();
  switch (message) {
    case WM_SETFOCUS:
      combo.pressed = false;
      InvalidateRect(window, nullptr, TRUE);
      return self.CallPrevious(message, wparam, lparam);
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(window)) InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_PAINT:
      if (wparam != 0) break;  // painting into a DC of the caller's
      return Paint(combo);
    case WM_NCPAINT:
      return 0;
    case WM_LBUTTONDOWN: {
      if (OverButton(combo, lparam)) {
        combo.pressed = true;
        PaintButton(combo);
      }
      const LRESULT result = PassOnSuppressed(combo, message, wparam, lparam);
      if (IsWindow(window)) SetCapture(window);
      return result;
    }
    case WM_LBUTTONUP: {
      if (GetCapture() == window) ReleaseCapture();
      combo.pressed = false;
      PaintButton(combo);
      // Passed on once: the control sees each release exactly once.
      return PassOnSuppressed(combo, message, wparam, lparam);
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateDataCombo(HWND window) {
  return std::make_unique<DataCombo>(window);
}

}  // namespace

const RendererEntry kDataComboRenderer = {RendererId::kDataCombo, &CreateDataCombo, &DataComboProc};

}  // namespace tebix
