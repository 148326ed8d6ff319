// The contact sheet of a skin: every part at its own size and stretched by
// the nine-grid rule, the colour table as swatches, the metrics, offset
// pairs and rectangles as text, and the text-contrast report.
#pragma once

#include <ostream>

#include "tools/tbxtool/contrast.h"
#include "tools/tbxtool/raster.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::tbx {

// Draws `part` of `skin` into the rectangle the way the library's
// DrawSkinPart does: nine pieces (corners unscaled, edges and centre
// stretched, nearest pixel), the part's key colour left out, then the
// glyph centred (moved by its shift) or stretched, its own key left out.
void DrawPart(Raster& target, const Raster& skin, const SkinPart& part, int left, int top, int right,
              int bottom);

// The size a part is shown stretched to on the sheet.
struct Size {
  int width;
  int height;
};
Size StretchedSize(const SkinPart& part);

Raster MakeContactSheet(const SkinSource& skin, const Raster& bitmap,
                        const std::vector<ContrastResult>& contrast);

// The contrast report as text lines, failures marked.
void WriteContrastReport(const std::vector<ContrastResult>& contrast, const SkinSource& skin,
                         std::ostream& out);

}  // namespace tebix::tbx
