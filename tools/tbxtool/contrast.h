// Text contrast of a skin: each text colour against the part (or the
// background) it is drawn on, by the relative-luminance contrast ratio
// (1:1 for equal colours up to 21:1 for black on white).
#pragma once

#include <string>
#include <vector>

#include "tools/tbxtool/raster.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::tbx {

inline constexpr double kMinimumTextContrast = 4.5;

double RelativeLuminance(Colour c);
double ContrastRatio(Colour a, Colour b);

struct ContrastResult {
  int colour;    // skin colour index
  int part;      // skin part index, -1 for the background rectangle
  double ratio;  // met by at least 90 % of the backdrop's pixels
  bool ok;
};

// The pixels a text sits on: the centre of the part's nine-grid cell (all
// of the cell when its centre is empty), key-coloured pixels left out; the
// cell of rectangle 0 for the background. Empty when there is nothing to
// sample, and a missing part falls back to the background (the renderers
// draw text on the background then).
std::vector<Colour> Backdrop(const SkinSource& skin, const Raster& bitmap, int part);

// Every pair of the catalogue, in its order.
std::vector<ContrastResult> CheckTextContrast(const SkinSource& skin, const Raster& bitmap);

}  // namespace tebix::tbx
