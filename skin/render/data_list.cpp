#include "skin/render/data_list.h"

#include "skin/attach/engine_messages.h"
#include "skin/render/button_paint.h"
#include "skin/render/client_edge.h"
#include "skin/render/grid_rules.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/scrolled_control.h"

namespace tebix {
namespace {

// One-shot clip of the control's paint to the inside of the ring.
constexpr int kClipInside = 1003;

// Focus and enabled state show through a full repaint; a scroll that ends
// repaints nothing of its own.
constexpr ScrolledTraits kTraits = {.focus_repaint = false, .end_scroll_repaint = false};

LRESULT Paint(ScrolledControl& list) {
  const HWND window = list.window();
  if (!list.attached()) SendMessageW(window, kAttachMessage, 0, 0);
  RECT client{};
  GetClientRect(window, &client);
  const RECT inside = ToRect(grid::Shrunk(ToLayout(client), 2));
  PaintRedirect record;
  record.type = kClipInside;
  record.clip = &inside;
  PassPaintOn(list, record);
  WithWindowDc(window, [&](HDC dc) { DrawEdgeRing(dc, client, inside, EdgeStateOf(window)); });
  return 0;
}

LRESULT DataListProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& list = static_cast<ScrolledControl&>(self);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = ScrolledControlProc(self, message, wparam, lparam);
      if (IsWindow(self.window())) InvalidateRect(self.window(), nullptr, TRUE);
      return result;
    }
    case WM_PAINT:
      if (wparam != 0) break;  // painting into a DC of the caller's
      return Paint(list);
  }
  return ScrolledControlProc(self, message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> Create(HWND window) {
  return CreateScrolledControl(window, kTraits);
}

}  // namespace

const RendererEntry kDataListRenderer = {RendererId::kDataList, &Create, &DataListProc};

}  // namespace tebix
