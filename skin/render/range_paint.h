// What the progress bar, trackbar, up-down and header renderers share:
// skin parts by index with their margins, and a picture of the whole window
// composed in the back buffer and copied out in one go.
#pragma once

#include <windows.h>

#include "skin/render/layout_rect.h"
#include "skin/render/range_layout.h"

namespace tebix::ranges {

// Skin part `index`'s fixed rows and columns (zero outside the table or before a load).
Margins PartMargins(int index);
// Skin part `index` drawn into `rect`; nothing for an empty rectangle.
void DrawRangePart(HDC dc, const Box& rect, int index);

// Where a window's client area lies inside its window rectangle.
struct WindowGeometry {
  int width = 0;   // of the window rectangle
  int height = 0;
  int client_x = 0;  // the client area's origin, window-relative
  int client_y = 0;
  Box client;        // the client area in client coordinates
};
WindowGeometry GeometryOf(HWND window);

// Calls `draw(buffer, geometry)` to draw the whole window with its top-left
// at 0,0 (the back buffer, filled with the skin background first), then
// copies the picture to the window through the real GetWindowDC. Given a DC
// of the caller's (WM_PRINTCLIENT, or WM_PAINT with a DC), copies it there
// instead, placed so that the client area lands at the DC's origin.
template <typename Draw>
void PaintWholeWindow(HWND window, HDC given, Draw draw);

// WM_PAINT of a control painted whole: `paint(dc)` into the DC a caller
// passes in wParam; without one, the update region validated and
// `paint(nullptr)`, which paints through the window DC.
template <typename Paint>
LRESULT OnPaintMessage(HWND window, WPARAM wparam, Paint paint) {
  if (wparam != 0) {
    paint(reinterpret_cast<HDC>(wparam));
    return 0;
  }
  PAINTSTRUCT ps{};
  if (BeginPaint(window, &ps) != nullptr) EndPaint(window, &ps);
  paint(nullptr);
  return 0;
}

}  // namespace tebix::ranges

#include "skin/attach/real_functions.h"
#include "skin/render/off_screen.h"

namespace tebix::ranges {

template <typename Draw>
void PaintWholeWindow(HWND window, HDC given, Draw draw) {
  const WindowGeometry geometry = GeometryOf(window);
  auto compose = [&](HDC target, int left, int top) {
    ComposeInBackBuffer(target, left, top, geometry.width, geometry.height, [&](HDC buffer) {
      SetBkMode(buffer, TRANSPARENT);
      draw(buffer, geometry);
    });
  };
  if (given != nullptr) {
    compose(given, -geometry.client_x, -geometry.client_y);
  } else if (HDC dc = real::GetWindowDC(window)) {
    compose(dc, 0, 0);
    real::ReleaseDC(window, dc);
  }
}

}  // namespace tebix::ranges
