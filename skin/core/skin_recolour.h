// Recolouring the skin: the whole skin bitmap shifted in hue, saturation
// and brightness, and the shift made current for everything drawn after.
#pragma once

#include <windows.h>

#include "skin/core/hsv_shift.h"

namespace tebix {

// Replaces every pixel of `bitmap` (not selected into any DC) by its HSV
// shift, through a 32-bit device-independent copy: the colours are those
// GetPixel reads and SetPixel writes, pixel for pixel. False when the
// pixels cannot be read or written back.
bool RecolourBitmap(HDC dc, HBITMAP bitmap, SIZE size, HsvDeltas deltas);

// Tebix_Adjust_HSV: shows the loaded skin shifted by the three values
// (all zero: as loaded), rebuilds the background brush, empties the
// shifted-colour cache and has the windows repainted. Returns 0, or 1 when
// refused: no skin loaded; any value non-zero and either all three equal
// the current shift, or hue outside 0..360, saturation outside 0..256 or
// brightness outside 0..256. A refusal changes nothing.
int AdjustSkinHsv(int hue, int saturation, int brightness);

}  // namespace tebix
