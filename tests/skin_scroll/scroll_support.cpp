#include "tests/skin_scroll/scroll_support.h"

#include <functional>

#include "skin/attach/real_functions.h"
#include "skin/attach/window_table.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"

namespace tebix::test {
namespace {

std::vector<ScrollEvent> g_log;

void Log(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  g_log.push_back({window, message, LOWORD(wparam), static_cast<short>(HIWORD(wparam)), lparam});
}

LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      Log(window, message, wparam, lparam);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT client;
      GetClientRect(window, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      const RECT square{10, 10, 30, 30};
      HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
      FillRect(dc, &square, red);
      DeleteObject(red);
      EndPaint(window, &ps);
      return 0;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    Log(window, message, wparam, lparam);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// The pixel at (x, y) of a screen-compatible surface of `width` x `height`
// filled with the skin background, after `draw` drew on it.
COLORREF SurfacePixel(int width, int height, int x, int y, const std::function<void(HDC, const RECT&)>& draw) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const RECT all{0, 0, width, height};
  FillRect(memory, &all, SkinBackgroundBrush());
  draw(memory, all);
  const COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return colour;
}

}  // namespace

const wchar_t kPaneClass[] = L"TestVSFlexGridPane";
const wchar_t kHostClass[] = L"ScrollTestHost";

std::vector<ScrollEvent>& ScrollLog() {
  return g_log;
}

int CountEvents(UINT message, int code) {
  int n = 0;
  for (const ScrollEvent& e : g_log)
    if (e.message == message && (code < 0 || e.code == code)) ++n;
  return n;
}

void ScrollTest::SetUp() {
  EngineTest::SetUp();
  RegisterPlainClass(kPaneClass, PaneProc);
  RegisterPlainClass(kHostClass, HostProc);
  host_ = CreateWindowExW(0, kHostClass, L"scroll test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 30,
                          30, 560, 420, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(host_);
  g_log.clear();
}

void ScrollTest::TearDown() {
  for (HWND child : children_)
    if (IsWindow(child)) DestroyWindow(child);
  if (IsWindow(host_)) DestroyWindow(host_);
  g_log.clear();
  EngineTest::TearDown();
}

HWND ScrollTest::Child(const wchar_t* class_name, DWORD style, DWORD ex_style, int x, int y, int width,
                       int height) {
  HWND w = CreateWindowExW(ex_style, class_name, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, host_,
                           nullptr, nullptr, nullptr);
  if (w != nullptr) children_.push_back(w);
  UpdateWindow(host_);
  Pump();
  return w;
}

HWND ScrollTest::ChildA(const char* class_name, DWORD style, DWORD ex_style, int x, int y, int width,
                        int height) {
  HWND w = CreateWindowExA(ex_style, class_name, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, host_,
                           nullptr, nullptr, nullptr);
  if (w != nullptr) children_.push_back(w);
  UpdateWindow(host_);
  Pump();
  return w;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    Pump();
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
  }
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  HDC dc = real::GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  real::ReleaseDC(window, dc);
  return colour;
}

LPARAM ScreenPoint(HWND window, int x, int y) {
  RECT r;
  GetWindowRect(window, &r);
  return MAKELPARAM(r.left + x, r.top + y);
}

RECT ClientInWindow(HWND window) {
  RECT r, client;
  GetWindowRect(window, &r);
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x - r.left, origin.y - r.top);
  return client;
}

LPARAM ClientPoint(HWND window, int x, int y) {
  const RECT client = ClientInWindow(window);
  return MAKELPARAM(x - client.left, y - client.top);
}

COLORREF PartPixel(int index, const RECT& rect, int x, int y) {
  return SurfacePixel(rect.right - rect.left, rect.bottom - rect.top, x - rect.left, y - rect.top,
                      [index](HDC dc, const RECT& all) {
                        DrawSkinPart(dc, all, CurrentSkinData()->parts[index], SkinBitmapDc());
                      });
}

COLORREF BackgroundPixel(int x, int y) {
  return SurfacePixel(x + 1, y + 1, x, y, [](HDC, const RECT&) {});
}

ScrollState& StateOf(HWND window) {
  static ScrollState none{};
  ScrollState* state = FindScrollState(window);
  return state != nullptr ? *state : none;
}

}  // namespace tebix::test
