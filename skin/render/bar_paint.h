// What the status bar, toolbar and control-bar renderers share: skin parts
// by index, a control's text read and drawn wide or ANSI as the window is,
// the font it is drawn in, and the paint composed in a client-sized memory
// bitmap and copied to the window in one go.
#pragma once

#include <windows.h>

#include <string>

#include "skin/render/layout_rect.h"

namespace tebix {
class SkinnedWindow;
}

namespace tebix::bars {

SIZE PartSize(int index);
void DrawPart(HDC dc, const layout::Rect& rect, int index);

// A text read from a control: wide for a wide window, ANSI otherwise, so
// that it never passes through a code page it was not written in.
struct BarText {
  bool unicode = false;
  std::wstring wide;
  std::string narrow;
  bool empty() const { return unicode ? wide.empty() : narrow.empty(); }
  // Only characters below 0x80, which every font draws.
  bool Plain() const;
  void Draw(HDC dc, const layout::Rect& rect, UINT flags) const;
};

// The skin font; the control's own font (WM_GETFONT), when it has one, for
// a text beyond ASCII or when the skin font came out as an East Asian face:
// the skin's small face either lacks the glyphs or draws them unreadably
// small, and the control's font is the one linked to a face that has them.
HFONT TextFont(HWND window, const BarText& text);

// The 8 x 8 glyph (a row a byte, bit 7 leftmost) with its top-left at (x, y).
void DrawGlyph(HDC dc, const unsigned char rows[8], int x, int y, COLORREF colour);

// Size of an icon's image; zero for none.
SIZE IconSize(HICON icon);

// Calls `draw(memory_dc)` on a memory DC of the window's client size (its
// bitmap filled with the skin background first), then copies it to `dc`.
template <typename Draw>
void PaintOffScreen(HWND window, HDC dc, Draw draw);

// WM_PAINT handed to the control with its BeginPaint clipped away: it
// validates what it was asked to paint but draws nothing that shows.
void PassPaintOnSuppressed(SkinnedWindow& self, WPARAM wparam, LPARAM lparam);

}  // namespace tebix::bars

#include "skin/render/off_screen.h"

namespace tebix::bars {

template <typename Draw>
void PaintOffScreen(HWND window, HDC dc, Draw draw) {
  RECT client{};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  if (!MakeClientMemoryDc(window, dc, memory, bitmap)) return;
  FillRect(memory, &client, BackgroundBrush());
  SetBkMode(memory, TRANSPARENT);
  draw(memory);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  DiscardMemoryDc(memory, bitmap);
}

}  // namespace tebix::bars
