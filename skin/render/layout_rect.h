// The rectangle the renderers' window-free rules (button layout, scroll-bar
// geometry) work in, as the system has rectangles: right and bottom exclusive.
#pragma once

namespace tebix::layout {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  // Left and top edges inside, right and bottom edges outside.
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tebix::layout
