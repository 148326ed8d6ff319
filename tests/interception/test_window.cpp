#include "tests/interception/test_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "skin/attach/interception.h"

namespace tebix::testing {

Intercepted::Intercepted() {
  for (const auto& outcome : InstallInterception())
    EXPECT_TRUE(outcome.result.ok()) << HookedFunctionName(outcome.function) << ": "
                                     << PatchStatusName(outcome.result.status);
}

Intercepted::~Intercepted() {
  for (const auto& outcome : RemoveInterception())
    EXPECT_TRUE(outcome.result.ok()) << HookedFunctionName(outcome.function) << ": "
                                     << PatchStatusName(outcome.result.status);
}

namespace {
constexpr wchar_t kClassName[] = L"TebixInterceptionTest";
}  // namespace

TestWindow::TestWindow(DWORD style, int width, int height) {
  static const ATOM registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TestWindow::Procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc);
  }();
  (void)registered;
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"interception", style | WS_VISIBLE, 40, 40, width,
                          height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  PumpMessages();
}

TestWindow::~TestWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  PumpMessages();
}

void TestWindow::Repaint() const {
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
  PumpMessages();
}

LRESULT CALLBACK TestWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_PAINT && self && self->on_paint) {
    self->on_paint(hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::vector<COLORREF> ClientSnapshot(HWND window, int* width) {
  RECT r;
  GetClientRect(window, &r);
  *width = r.right;
  std::vector<COLORREF> pixels;
  if (r.right <= 0 || r.bottom <= 0) return pixels;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = r.right;
  bi.bmiHeader.biHeight = -r.bottom;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = ::GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < r.right * r.bottom; ++i) {
    const uint32_t v = p[i];  // 0x00RRGGBB
    pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
  }
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ::ReleaseDC(window, screen);
  return pixels;
}

COLORREF ClientPixel(HWND window, int x, int y) {
  int width = 0;
  const auto pixels = ClientSnapshot(window, &width);
  const size_t at = static_cast<size_t>(y) * width + x;
  return at < pixels.size() ? pixels[at] : CLR_INVALID;
}

int CountClientPixels(HWND window, COLORREF colour) {
  int width = 0;
  int n = 0;
  for (COLORREF c : ClientSnapshot(window, &width)) n += c == colour;
  return n;
}

}  // namespace tebix::testing
