// Shared pieces of the interception tests: the patches installed for a scope,
// and plain top-level windows whose painting a test decides.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tebix::testing {

// Installs all 21 patches and removes them again at the end of the scope; the test
// fails when any of them does not go in or come out.
class Intercepted {
 public:
  Intercepted();
  ~Intercepted();
  Intercepted(const Intercepted&) = delete;
  Intercepted& operator=(const Intercepted&) = delete;
};

// A visible top-level window; WM_PAINT goes to `on_paint` when set, else to DefWindowProc.
class TestWindow {
 public:
  explicit TestWindow(DWORD style = WS_OVERLAPPEDWINDOW, int width = 200, int height = 150);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND handle() const { return hwnd_; }
  std::function<void(HWND)> on_paint;

  // Invalidates the whole client area and lets the window paint now.
  void Repaint() const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

// Handles every queued message of this thread.
void PumpMessages();

// The client area as the screen shows it, row by row; `width` receives the row length.
std::vector<COLORREF> ClientSnapshot(HWND window, int* width);

// The colour of a client pixel as the screen shows it.
COLORREF ClientPixel(HWND window, int x, int y);

// Counts the pixels of `colour` in a window's client area.
int CountClientPixels(HWND window, COLORREF colour);

}  // namespace tebix::testing
