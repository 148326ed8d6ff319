#include "skin/core/colour_exports.h"

#include "skin/core/engine_state.h"
#include "skin/core/skin_recolour.h"

extern "C" {

int WINAPI Tebix_Adjust_HSV(int hue, int saturation, int brightness) {
  return tebix::AdjustSkinHsv(hue, saturation, brightness);
}

COLORREF WINAPI Tebix_GetColor(HWND window, int x, int y) {
  if (!tebix::EngineStarted()) return 0;
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return CLR_INVALID;
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

int WINAPI Tebix_Alpha(HWND window, int alpha) {
  if (!tebix::EngineStarted() || !IsWindow(window)) return 1;
  const LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  if ((style & WS_EX_LAYERED) == 0) SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
  using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user32 = GetModuleHandleA("User32");
  auto set_attributes = user32 != nullptr ? reinterpret_cast<SetLayeredAttributes>(reinterpret_cast<void*>(
                                                GetProcAddress(user32, "SetLayeredWindowAttributes")))
                                          : nullptr;
  if (set_attributes == nullptr) return 1;
  // A refusal by the system is reported, not passed off as done.
  return set_attributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA) ? 0 : 1;
}
}
