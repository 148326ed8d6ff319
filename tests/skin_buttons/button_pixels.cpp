#include "tests/skin_buttons/button_pixels.h"

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"

namespace tebix::test {
namespace {

// A 32-bit top-down DIB section and a DC holding it.
struct Canvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  DWORD* bits = nullptr;
  int width, height;

  Canvas(int w, int h) : width(w), height(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc = CreateCompatibleDC(nullptr);
    void* raw = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &raw, nullptr, 0);
    bits = static_cast<DWORD*>(raw);
    old = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Pixels Read() const {
    GdiFlush();
    Pixels p;
    p.width = width;
    p.height = height;
    p.colours.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < p.colours.size(); ++i) {
      const DWORD v = bits[i];
      p.colours[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    return p;
  }
};

}  // namespace

Pixels CaptureClient(HWND window) {
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Canvas canvas(client.right, client.bottom);
  HDC dc = GetWindowDC(window);
  BitBlt(canvas.dc, 0, 0, client.right, client.bottom, dc, origin.x - outer.left, origin.y - outer.top, SRCCOPY);
  ReleaseDC(window, dc);
  return canvas.Read();
}

Pixels Expected(int width, int height, const std::function<void(HDC)>& draw) {
  Canvas canvas(width, height);
  const HGDIOBJ old = SelectObject(canvas.dc, SkinBackgroundBrush());
  PatBlt(canvas.dc, 0, 0, width, height, PATCOPY);
  SelectObject(canvas.dc, old);
  draw(canvas.dc);
  return canvas.Read();
}

Pixels ExpectedPart(int width, int height, int part, const RECT& rect) {
  return Expected(width, height,
                  [&](HDC dc) { DrawSkinPart(dc, rect, CurrentSkinData()->parts[part], SkinBitmapDc()); });
}

int Differences(const Pixels& a, const Pixels& b, const RECT& rect) {
  int n = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (a.at(x, y) != b.at(x, y)) ++n;
  return n;
}

Span DifferingColumns(const Pixels& a, const Pixels& b, const RECT& rect) {
  Span span;
  for (int x = rect.left; x < rect.right; ++x) {
    for (int y = rect.top; y < rect.bottom; ++y) {
      if (a.at(x, y) != b.at(x, y)) {
        if (span.first < 0) span.first = x;
        span.last = x;
        break;
      }
    }
  }
  return span;
}

Span DifferingRows(const Pixels& a, const Pixels& b, const RECT& rect) {
  Span span;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if (a.at(x, y) != b.at(x, y)) {
        if (span.first < 0) span.first = y;
        span.last = y;
        break;
      }
    }
  }
  return span;
}

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace tebix::test
