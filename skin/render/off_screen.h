// What the renderers share to draw off screen: the brush behind what they
// draw, memory DCs of a window's client size, and the back buffer in which
// a piece is composed before it is copied to the screen in one go.
#pragma once

#include <windows.h>

#include "skin/core/skin_resources.h"

namespace tebix {

// The skin's background brush; the button-face colour's while no skin gives one.
HBRUSH BackgroundBrush();

// A memory DC with a bitmap of the window's client size compatible with `dc`;
// false (nothing made) when GDI is out of resources.
bool MakeClientMemoryDc(HWND window, HDC dc, HDC& memory_dc, HBITMAP& bitmap);
// The memory DC released (and the text-recolour slot cleared if it named it).
void DiscardMemoryDc(HDC& memory_dc, HBITMAP& bitmap);

// The client-sized drawing of `memory_dc` onto `real_dc` over the skin
// background, its button-face pixels left out so the background shows
// there. Composed off screen first and copied in one go; nothing when GDI is
// out of resources.
void ComposeOverSkinBackground(HWND window, HDC real_dc, HDC memory_dc);

// Copies the ring between `outer` and `inner` (rectangles of `target`) from
// `source`, where `outer` sits at `source_left`, `source_top`: four plain
// copies, no clipping. Changing the clip of a screen DC costs round trips
// to the window server under some systems; a memory DC's costs nothing.
void BlitAround(HDC target, const RECT& outer, const RECT& inner, HDC source, int source_left, int source_top);

// Calls `draw(buffer)` on back buffer 1, clipped to `width` x `height` and
// filled with the background first, then copies that piece to `target` at
// `left`, `top`. Nothing without the buffer or with an empty size.
template <typename Draw>
void ComposeInBackBuffer(HDC target, int left, int top, int width, int height, Draw draw) {
  if (width <= 0 || height <= 0) return;
  HDC buffer = BackBufferDc(0);
  if (buffer == nullptr) return;
  const int saved = SaveDC(buffer);
  HRGN clip = CreateRectRgn(0, 0, width, height);
  SelectClipRgn(buffer, clip);
  DeleteObject(clip);
  const RECT all{0, 0, width, height};
  FillRect(buffer, &all, BackgroundBrush());
  draw(buffer);
  BitBlt(target, left, top, width, height, buffer, 0, 0, SRCCOPY);
  RestoreDC(buffer, saved);
}

}  // namespace tebix
