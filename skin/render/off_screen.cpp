#include "skin/render/off_screen.h"

#include "skin/attach/text_recolour.h"
#include "skin/core/skin_data.h"

namespace tebix {

HBRUSH BackgroundBrush() {
  const HBRUSH brush = SkinBackgroundBrush();
  return brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

bool MakeClientMemoryDc(HWND window, HDC dc, HDC& memory_dc, HBITMAP& bitmap) {
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right > 0 ? client.right : 1;
  const int height = client.bottom > 0 ? client.bottom : 1;
  memory_dc = CreateCompatibleDC(dc);
  bitmap = memory_dc != nullptr ? CreateSurfaceBitmap(dc, width, height) : nullptr;
  if (bitmap == nullptr) {
    if (memory_dc != nullptr) DeleteDC(memory_dc);
    memory_dc = nullptr;
    return false;
  }
  SelectObject(memory_dc, bitmap);
  return true;
}

void BlitAround(HDC target, const RECT& outer, const RECT& inner, HDC source, int source_left, int source_top) {
  RECT hole{};
  if (!IntersectRect(&hole, &outer, &inner)) hole = {outer.left, outer.top, outer.left, outer.top};
  const RECT strips[] = {
      {outer.left, outer.top, outer.right, hole.top},
      {outer.left, hole.bottom, outer.right, outer.bottom},
      {outer.left, hole.top, hole.left, hole.bottom},
      {hole.right, hole.top, outer.right, hole.bottom},
  };
  for (const RECT& s : strips) {
    if (s.right <= s.left || s.bottom <= s.top) continue;
    BitBlt(target, s.left, s.top, s.right - s.left, s.bottom - s.top, source, source_left + s.left - outer.left,
           source_top + s.top - outer.top, SRCCOPY);
  }
}

void DiscardMemoryDc(HDC& memory_dc, HBITMAP& bitmap) {
  if (memory_dc != nullptr && TextRecolourDc() == memory_dc) ClearTextRecolour();
  if (memory_dc != nullptr) DeleteDC(memory_dc);
  if (bitmap != nullptr) DeleteObject(bitmap);
  memory_dc = nullptr;
  bitmap = nullptr;
}

void ComposeOverSkinBackground(HWND window, HDC real_dc, HDC memory_dc) {
  RECT client{};
  GetClientRect(window, &client);
  HDC composed = nullptr;
  HBITMAP bitmap = nullptr;
  if (!MakeClientMemoryDc(window, real_dc, composed, bitmap)) return;
  FillRect(composed, &client, BackgroundBrush());
  TransparentBlt(composed, 0, 0, client.right, client.bottom, memory_dc, 0, 0, client.right, client.bottom,
                 GetSysColor(COLOR_BTNFACE));
  BitBlt(real_dc, 0, 0, client.right, client.bottom, composed, 0, 0, SRCCOPY);
  DiscardMemoryDc(composed, bitmap);
}

}  // namespace tebix
