// The colour exports of Tebix_VB6.dll (standard calling convention,
// undecorated names through Tebix_VB6.def).
#pragma once

#include <windows.h>

extern "C" {

// Shifts the skin's hue (0..360), saturation (0..256) and brightness
// (0..256); 0 done, 1 refused.
int WINAPI Tebix_Adjust_HSV(int hue, int saturation, int brightness);
// The colour of the pixel at (x, y) of the window, non-client area
// included; CLR_INVALID outside the window, 0 before the engine started.
COLORREF WINAPI Tebix_GetColor(HWND window, int x, int y);
// Makes the window translucent with `alpha` (0 transparent .. 255
// opaque); 0 done, 1 when the window does not exist, layered windows are
// not supported, the engine has not started or the system refuses.
int WINAPI Tebix_Alpha(HWND window, int alpha);
}
