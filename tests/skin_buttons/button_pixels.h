// Pixels of a window's client area, and the same area drawn as the skin
// says it should look, for comparing the two.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace tebix::test {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;  // row by row
  COLORREF at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};

// The window's client area as the screen shows it.
Pixels CaptureClient(HWND window);

// A client-sized picture: the skin background, then whatever `draw` adds.
Pixels Expected(int width, int height, const std::function<void(HDC)>& draw);
// The skin background with skin part `part` drawn into `rect`.
Pixels ExpectedPart(int width, int height, int part, const RECT& rect);

// Pixels that differ between the two inside `rect`.
int Differences(const Pixels& a, const Pixels& b, const RECT& rect);

// The columns (or rows) inside `rect` where the two differ: first and last,
// -1 when they do not differ at all.
struct Span {
  int first = -1;
  int last = -1;
};
Span DifferingColumns(const Pixels& a, const Pixels& b, const RECT& rect);
Span DifferingRows(const Pixels& a, const Pixels& b, const RECT& rect);

// Paints the window now, erasing its background first.
void Repaint(HWND window);

}  // namespace tebix::test
