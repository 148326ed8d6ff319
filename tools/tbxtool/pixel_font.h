// A small bitmap font for labelling pictures the tool draws: printable
// ASCII in 5 x 7 pixel cells, 6 pixels apart. Other characters show as '?'.
#pragma once

#include <string_view>

#include "tools/tbxtool/raster.h"

namespace tebix::tbx {

inline constexpr int kGlyphAdvance = 6;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kLineHeight = 10;

// Draws `text` with its top-left corner at (x, y), `scale` pixels a dot.
void DrawLabel(Raster& target, int x, int y, std::string_view text, Colour colour, int scale = 1);
int LabelWidth(std::string_view text, int scale = 1);

}  // namespace tebix::tbx
