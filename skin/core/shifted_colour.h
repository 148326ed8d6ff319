// The skin's current colour shift and the shifted colours handed to the
// renderers. Process-wide, unlocked: used only on the skinned thread.
// Win32-free.
#pragma once

#include <cstdint>

#include "skin/core/hsv_shift.h"

namespace tebix {

// The deltas the skin bitmap is currently shown with; all zero unshifted.
HsvDeltas CurrentDeltas();
// Changing the deltas empties the shifted-colour cache.
void SetCurrentDeltas(HsvDeltas deltas);
void ResetDeltas();

// `colour` under the current deltas: the colour itself when they are all
// zero, otherwise its HSV shift, computed once and then taken from a cache.
std::uint32_t ShiftedColour(std::uint32_t colour);

void ClearShiftedColourCache();
std::size_t ShiftedColourCacheSize();

}  // namespace tebix
