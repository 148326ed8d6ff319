#include "skin/render/client_edge.h"

#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

struct EdgeColours {
  COLORREF line;
  COLORREF fill;
};

EdgeColours ColoursOf(EdgeState state) {
  int first = 15;
  switch (state) {
    case EdgeState::kNormal: first = 15; break;
    case EdgeState::kHot:
    case EdgeState::kPressed: first = 17; break;
    case EdgeState::kFocused: first = 19; break;
    case EdgeState::kDisabled: first = 21; break;
  }
  return {SkinColour(first), SkinColour(first + 1)};
}

// Client and window rectangles, both relative to the window's top-left.
bool Rectangles(HWND window, RECT& outer, RECT& inner) {
  RECT window_rect{};
  if (!GetWindowRect(window, &window_rect) || !GetClientRect(window, &inner)) return false;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&inner, origin.x - window_rect.left, origin.y - window_rect.top);
  outer = {0, 0, window_rect.right - window_rect.left, window_rect.bottom - window_rect.top};
  return true;
}

bool HasEdgeStyle(HWND window) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG ex_style = GetWindowLongW(window, GWL_EXSTYLE);
  return (style & WS_BORDER) != 0 || (ex_style & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE)) != 0;
}

void FillStrips(HDC dc, const RECT& outer, const RECT& inner, HBRUSH brush) {
  const RECT strips[] = {
      {outer.left, outer.top, outer.right, inner.top},
      {outer.left, inner.bottom, outer.right, outer.bottom},
      {outer.left, inner.top, inner.left, inner.bottom},
      {inner.right, inner.top, outer.right, inner.bottom},
  };
  for (const RECT& strip : strips) {
    if (strip.right > strip.left && strip.bottom > strip.top) FillRect(dc, &strip, brush);
  }
}

}  // namespace

EdgeState EdgeStateOf(HWND window) {
  if (!IsWindowEnabled(window)) return EdgeState::kDisabled;
  if (HasFocus(window)) return EdgeState::kFocused;
  return EdgeState::kNormal;
}

// The ring drawn straight into `dc`, clipped to stay outside `inner`.
void DrawEdgeRingClipped(HDC dc, const RECT& outer, const RECT& inner, EdgeState state) {
  // Everything below stays outside the inner rectangle.
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  const HBRUSH background = SkinBackgroundBrush();
  FillRect(dc, &outer, background != nullptr ? background : GetSysColorBrush(COLOR_BTNFACE));
  // The line and the fill inside it in one go, so that rounded corners keep
  // their line and show the background outside it.
  const EdgeColours colours = ColoursOf(state);
  const HPEN pen = CreatePen(PS_SOLID, 1, colours.line);
  const HBRUSH fill = CreateSolidBrush(colours.fill);
  const HGDIOBJ old_pen = SelectObject(dc, pen);
  const HGDIOBJ old_brush = SelectObject(dc, fill);
  RoundRect(dc, outer.left, outer.top, outer.right, outer.bottom, SkinMetric(22), SkinMetric(23));
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(fill);
  DeleteObject(pen);
  RestoreDC(dc, saved);
}

void DrawEdgeRing(HDC dc, const RECT& outer, const RECT& inner, EdgeState state) {
  // A window or screen DC: drawn in the back buffer (whose clip is free to
  // change) and copied around the inner rectangle, so that the screen DC's
  // clip is never touched. The same pixels either way.
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  HDC buffer = GetObjectType(dc) == OBJ_MEMDC ? nullptr : BackBufferDc(0);
  const SIZE room = BackBufferSize();
  if (buffer == nullptr || width <= 0 || height <= 0 || width > room.cx || height > room.cy) {
    DrawEdgeRingClipped(dc, outer, inner, state);
    return;
  }
  RECT o = outer, i = inner;
  OffsetRect(&o, -outer.left, -outer.top);
  OffsetRect(&i, -outer.left, -outer.top);
  DrawEdgeRingClipped(buffer, o, i, state);
  BlitAround(dc, outer, inner, buffer, 0, 0);
}

void PrintClientEdge(HDC dc, HWND window, EdgeState state) {
  if (dc == nullptr) return;
  RECT outer{}, inner{};
  if (!Rectangles(window, outer, inner) || EqualRect(&outer, &inner)) return;
  if (HasEdgeStyle(window)) {
    DrawEdgeRing(dc, outer, inner, state);
  } else {
    FillStrips(dc, outer, inner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
}

void DrawClientEdge(HDC dc, HWND window, EdgeState state) {
  if (dc == nullptr || !IsWindowVisible(window)) return;
  PrintClientEdge(dc, window, state);
}

void DrawClientEdge(HDC dc, HWND window) {
  if (dc == nullptr || !IsWindowVisible(window)) return;
  PrintClientEdge(dc, window, EdgeStateOf(window));
}

}  // namespace tebix
