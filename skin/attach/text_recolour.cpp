// Text recolouring: TextOutA/W, ExtTextOutA/W and DrawTextExA/W.
#include "skin/attach/text_recolour.h"

#include "skin/attach/real_functions.h"
#include "skin/attach/replacements.h"

namespace tebix {

namespace {

HDC g_recolour_dc = nullptr;
COLORREF g_recolour_colour = 0;

// Black text on the recolour DC is drawn in the recolour colour, then the DC gets black back.
template <typename Draw>
auto Recoloured(HDC dc, Draw draw) {
  if (dc != nullptr && dc == g_recolour_dc && GetTextColor(dc) == RGB(0, 0, 0)) {
    SetTextColor(dc, g_recolour_colour);
    const auto result = draw();
    SetTextColor(dc, RGB(0, 0, 0));
    return result;
  }
  return draw();
}

}  // namespace

void SetTextRecolour(HDC dc, COLORREF colour) {
  g_recolour_dc = dc;
  g_recolour_colour = colour;
}

void ClearTextRecolour() {
  g_recolour_dc = nullptr;
  g_recolour_colour = 0;
}

HDC TextRecolourDc() {
  return g_recolour_dc;
}
COLORREF TextRecolourColour() {
  return g_recolour_colour;
}

BOOL WINAPI SkinTextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
  return Recoloured(dc, [&] { return real::TextOutA(dc, x, y, text, count); });
}

BOOL WINAPI SkinTextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
  return Recoloured(dc, [&] { return real::TextOutW(dc, x, y, text, count); });
}

BOOL WINAPI SkinExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                            const INT* dx) {
  return Recoloured(dc, [&] { return real::ExtTextOutA(dc, x, y, options, rect, text, count, dx); });
}

BOOL WINAPI SkinExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                            const INT* dx) {
  return Recoloured(dc, [&] { return real::ExtTextOutW(dc, x, y, options, rect, text, count, dx); });
}

int WINAPI SkinDrawTextExA(HDC dc, LPSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params) {
  return Recoloured(dc, [&] { return real::DrawTextExA(dc, text, count, rect, format, params); });
}

int WINAPI SkinDrawTextExW(HDC dc, LPWSTR text, int count, LPRECT rect, UINT format,
                           LPDRAWTEXTPARAMS params) {
  return Recoloured(dc, [&] { return real::DrawTextExW(dc, text, count, rect, format, params); });
}

}  // namespace tebix
