// DrawSkinPart: the one drawing operation of the skin. Draws a part's cell
// of the skin bitmap into a rectangle by the nine-grid rule (fixed corners,
// stretched edges and centre), keyed through its transparent colour or
// opaque, then its glyph centred or stretched.
#pragma once

#include <windows.h>

#include "skin/core/skin_block_format.h"

namespace tebix {

// `source` is the skin bitmap DC. Nothing is drawn for an empty rectangle,
// nor for pieces that come out with no area. While a colour shift is
// active, the key colours are shifted to match the recoloured bitmap.
void DrawSkinPart(HDC target, const RECT& dest, const SkinPart& part, HDC source);
// Frees the work surfaces keyed parts are drawn through (engine stop).
void ReleaseKeyedScratch();
void DrawSkinPart(HDC target, int left, int top, int right, int bottom, const SkinPart& part, HDC source);

}  // namespace tebix
