#include "skin/core/skin_resources.h"

#include "skin/core/draw_skin_part.h"

#include <array>

namespace tebix {
namespace {

struct Surfaces {
  HDC screen = nullptr;
  HDC skin_bitmap = nullptr;
  HDC scratch = nullptr;
  std::array<HDC, 2> back_buffers{};
  std::array<HBITMAP, 2> back_bitmaps{};
  SIZE back_size{};  // the screen's size when the back buffers were made
  HGDIOBJ empty_bitmap = nullptr;  // the 1 x 1 bitmap a new memory DC starts with
  HGDIOBJ stock_brush = nullptr;   // the brush a new DC starts with
};

Surfaces g_surfaces;

void Release(Surfaces& s) {
  for (HDC dc : {s.skin_bitmap, s.scratch}) {
    if (dc != nullptr) {
      DeselectBitmap(dc);
      DeleteDC(dc);
    }
  }
  for (std::size_t i = 0; i < s.back_buffers.size(); ++i) {
    if (s.back_buffers[i] != nullptr) {
      SelectObject(s.back_buffers[i], s.stock_brush);
      SelectObject(s.back_buffers[i], s.empty_bitmap);
      DeleteDC(s.back_buffers[i]);
    }
    if (s.back_bitmaps[i] != nullptr) DeleteObject(s.back_bitmaps[i]);
  }
  if (s.screen != nullptr) ReleaseDC(nullptr, s.screen);
  s = {};
}

}  // namespace

bool StartDrawingSurfaces() {
  if (DrawingSurfacesReady()) return true;
  Surfaces& s = g_surfaces;
  s.screen = GetDC(nullptr);
  if (s.screen == nullptr) return false;
  s.skin_bitmap = CreateCompatibleDC(s.screen);
  s.scratch = CreateCompatibleDC(s.screen);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  s.back_size = {width, height};
  bool ok = s.skin_bitmap != nullptr && s.scratch != nullptr;
  if (ok) {
    s.empty_bitmap = GetCurrentObject(s.skin_bitmap, OBJ_BITMAP);
    s.stock_brush = GetCurrentObject(s.skin_bitmap, OBJ_BRUSH);
  }
  for (std::size_t i = 0; ok && i < s.back_buffers.size(); ++i) {
    s.back_buffers[i] = CreateCompatibleDC(s.screen);
    s.back_bitmaps[i] = CreateCompatibleBitmap(s.screen, width, height);
    ok = s.back_buffers[i] != nullptr && s.back_bitmaps[i] != nullptr;
    if (ok) SelectObject(s.back_buffers[i], s.back_bitmaps[i]);
  }
  if (!ok) {
    Release(s);
    return false;
  }
  return true;
}

int ScreenBitsPerPixel() {
  static int bits = 0;
  if (bits == 0) {
    HDC screen = g_surfaces.screen != nullptr ? g_surfaces.screen : GetDC(nullptr);
    bits = screen != nullptr ? GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) : 0;
    if (screen != nullptr && screen != g_surfaces.screen) ReleaseDC(nullptr, screen);
  }
  return bits;
}

namespace {

// The colour depth `dc` draws in: a memory DC's bitmap's, else the screen's.
int BitsOf(HDC dc) {
  if (GetObjectType(dc) == OBJ_MEMDC) {
    BITMAP bm{};
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof bm, &bm) == 0) return 0;
    return bm.bmBitsPixel * bm.bmPlanes;
  }
  return ScreenBitsPerPixel();
}

}  // namespace

HBITMAP CreateSurfaceBitmap(HDC like, int width, int height) {
  if (width > 0 && height > 0 && ScreenBitsPerPixel() == 32 && BitsOf(like) == 32) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    if (HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) return dib;
  }
  return CreateCompatibleBitmap(like, width, height);
}

void StopDrawingSurfaces() {
  ReleaseKeyedScratch();
  Release(g_surfaces);
}

bool DrawingSurfacesReady() {
  return g_surfaces.screen != nullptr;
}

HDC ScreenDc() {
  return g_surfaces.screen;
}
HDC SkinBitmapDc() {
  return g_surfaces.skin_bitmap;
}
HDC ScratchDc() {
  return g_surfaces.scratch;
}
SIZE BackBufferSize() {
  return g_surfaces.back_buffers[0] != nullptr ? g_surfaces.back_size : SIZE{};
}

HDC BackBufferDc(int index) {
  return index == 0 || index == 1 ? g_surfaces.back_buffers[static_cast<std::size_t>(index)] : nullptr;
}

HBITMAP DeselectBitmap(HDC memory_dc) {
  if (memory_dc == nullptr || g_surfaces.empty_bitmap == nullptr) return nullptr;
  HGDIOBJ previous = SelectObject(memory_dc, g_surfaces.empty_bitmap);
  return previous == g_surfaces.empty_bitmap ? nullptr : static_cast<HBITMAP>(previous);
}

void SelectBackgroundBrush(HBRUSH brush) {
  for (HDC dc : g_surfaces.back_buffers) {
    if (dc != nullptr)
      SelectObject(dc, brush != nullptr ? static_cast<HGDIOBJ>(brush) : g_surfaces.stock_brush);
  }
}

}  // namespace tebix
