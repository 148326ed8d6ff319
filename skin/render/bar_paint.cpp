#include "skin/render/bar_paint.h"

#include <algorithm>

#include "skin/attach/paint_redirect.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/button_paint.h"
#include "skin/render/layout_rect_win32.h"

namespace tebix::bars {

SIZE PartSize(int index) {
  return ButtonPartSize(index);
}

void DrawPart(HDC dc, const layout::Rect& rect, int index) {
  if (rect.empty()) return;
  DrawButtonPart(dc, ToRect(rect), index);
}

bool BarText::Plain() const {
  if (unicode) return std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return c < 0x80; });
  return std::all_of(narrow.begin(), narrow.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void BarText::Draw(HDC dc, const layout::Rect& rect, UINT flags) const {
  RECT r = ToRect(rect);
  if (unicode)
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
  else
    DrawTextA(dc, narrow.c_str(), static_cast<int>(narrow.size()), &r, flags);
}

HFONT TextFont(HWND window, const BarText& text) {
  HFONT font = SkinFont();
  if (!text.Plain() || SkinFontIsEastAsian()) {
    if (HFONT own = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) font = own;
  }
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawGlyph(HDC dc, const unsigned char rows[8], int x, int y, COLORREF colour) {
  for (int row = 0; row < 8; ++row) {
    for (int bit = 0; bit < 8; ++bit) {
      if (rows[row] & (0x80 >> bit)) SetPixel(dc, x + bit, y + row, colour);
    }
  }
}

SIZE IconSize(HICON icon) {
  SIZE size{};
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return size;
  BITMAP bm{};
  if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof bm, &bm)) {
    size = {bm.bmWidth, bm.bmHeight};
  } else if (info.hbmMask != nullptr && GetObjectW(info.hbmMask, sizeof bm, &bm)) {
    size = {bm.bmWidth, bm.bmHeight / 2};  // a monochrome icon: mask over image
  }
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return size;
}

void PassPaintOnSuppressed(SkinnedWindow& self, WPARAM wparam, LPARAM lparam) {
  constexpr int kSuppressedPaint = 2;  // BeginPaint clipped to an empty rectangle
  RECT nothing{};
  PaintRedirect record;
  record.type = kSuppressedPaint;
  record.clip = &nothing;
  SetPaintRedirect(self.window(), &record);
  self.CallPrevious(WM_PAINT, wparam, lparam);
  if (ObjectOf(self.window()) == &self) SetPaintRedirect(self.window(), nullptr);
}

}  // namespace tebix::bars
