// The drawing surfaces every renderer shares, made once at engine start and
// kept across skin loads: the screen DC, the skin bitmap DC (the skin
// bitmap is selected into it by the skin loader), a scratch DC and two
// screen-sized back buffers with the skin's background brush selected.
#pragma once

#include <windows.h>

namespace tebix {

// Engine start: takes the screen DC and makes the memory DCs and the two
// back-buffer bitmaps. False (and nothing held) when any of them cannot be
// made; true at once when they already exist.
bool StartDrawingSurfaces();
// Engine stop: deletes the memory DCs and the back-buffer bitmaps and
// releases the screen DC. Whatever is still selected into the skin bitmap
// DC or the back buffers is deselected first, not deleted: the skin model
// owns it (see FreeSkinModel).
void StopDrawingSurfaces();
bool DrawingSurfacesReady();

HDC ScreenDc();
HDC SkinBitmapDc();
HDC ScratchDc();
HDC BackBufferDc(int index);  // 0 or 1; null for any other index
// The size of both back buffers (the screen's when they were made), kept
// so that painting need not ask the system for the screen's size.
SIZE BackBufferSize();

// Puts a memory DC's own empty bitmap back in and returns the bitmap that
// was selected before (which the caller may now delete).
HBITMAP DeselectBitmap(HDC memory_dc);

// Colour depth of the screen, asked once (asking costs round trips to the
// window server under some systems).
int ScreenBitsPerPixel();
// A bitmap of `width` x `height` for drawing off screen in the format of
// `like` (a screen DC, or a memory DC holding a screen-format bitmap). On a
// 32-bit screen it is a 32-bit DIB section: the same pixels as a compatible
// bitmap, but making and selecting it asks the window server nothing.
HBITMAP CreateSurfaceBitmap(HDC like, int width, int height);

// Selects `brush` into both back buffers; null selects the stock brush back.
void SelectBackgroundBrush(HBRUSH brush);

}  // namespace tebix
