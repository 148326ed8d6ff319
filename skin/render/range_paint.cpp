#include "skin/render/range_paint.h"

#include "skin/render/button_paint.h"
#include "skin/render/layout_rect_win32.h"

namespace tebix::ranges {

Margins PartMargins(int index) {
  const SkinPart& part = ButtonPart(index);
  return {part.left_margin, part.top_margin, part.right_margin, part.bottom_margin};
}

void DrawRangePart(HDC dc, const Box& rect, int index) {
  if (rect.empty()) return;
  DrawButtonPart(dc, ToRect(rect), index);
}

WindowGeometry GeometryOf(HWND window) {
  WindowGeometry g;
  RECT bounds{}, client{};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  g.width = bounds.right - bounds.left;
  g.height = bounds.bottom - bounds.top;
  g.client_x = origin.x - bounds.left;
  g.client_y = origin.y - bounds.top;
  g.client = ToLayout(client);
  return g;
}

}  // namespace tebix::ranges
