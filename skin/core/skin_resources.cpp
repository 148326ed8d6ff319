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
