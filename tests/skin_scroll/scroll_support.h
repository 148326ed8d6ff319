// What the scroll-bar tests share: windows placed where the test says, a log
// of the scroll messages their procedures receive, pumping with timers, and
// the skin's parts drawn for comparison.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/attach/scroll_state.h"
#include "tests/skin_engine/engine_support.h"

namespace tebix::test {

struct ScrollEvent {
  HWND window;     // the window that received the message
  UINT message;    // WM_HSCROLL, WM_VSCROLL, WM_LBUTTONUP, WM_NCLBUTTONUP
  int code;        // LOWORD(wParam)
  int position;    // (short) HIWORD(wParam)
  LPARAM lparam;
};
std::vector<ScrollEvent>& ScrollLog();
// Events of one kind: `code` < 0 matches every code.
int CountEvents(UINT message, int code = -1);

// A window class with "VSFlexGrid" in its name (the generic renderer takes
// it) whose procedure logs scroll messages and button releases and paints
// its client in the button-face colour with a red square at (10, 10, 30, 30).
extern const wchar_t kPaneClass[];
// A window class that logs the scroll messages its children send.
extern const wchar_t kHostClass[];

class ScrollTest : public EngineTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A visible child of a host window at (x, y) in the host's client area.
  HWND Child(const wchar_t* class_name, DWORD style, DWORD ex_style, int x, int y, int width, int height);
  HWND ChildA(const char* class_name, DWORD style, DWORD ex_style, int x, int y, int width, int height);
  HWND host() const { return host_; }

 private:
  HWND host_ = nullptr;
  std::vector<HWND> children_;
};

// Handles messages, timers included, for about `milliseconds`.
void PumpFor(DWORD milliseconds);

// The colour at a point of the window (window coordinates, the non-client
// area included), read through the real window DC so that no redirection of
// the window's own DCs matters.
COLORREF ScreenPixel(HWND window, int x, int y);
// A window-relative point as the screen point a non-client message carries.
LPARAM ScreenPoint(HWND window, int x, int y);
// A window-relative point as the client point a client message carries.
LPARAM ClientPoint(HWND window, int x, int y);
// The client rectangle relative to the window's top-left.
RECT ClientInWindow(HWND window);

// The pixels skin part `index` gives when drawn over `rect` (its own
// coordinates), read at (x, y) inside it.
COLORREF PartPixel(int index, const RECT& rect, int x, int y);
// The skin background at a point of a DC whose brush origin is (0, 0).
COLORREF BackgroundPixel(int x, int y);

ScrollState& StateOf(HWND window);

}  // namespace tebix::test
