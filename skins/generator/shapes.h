// Anti-aliased shapes for painting skin cells: rounded rectangles, circles,
// polygons and stroked lines, each filled with a colour or a shader. Pixels
// a shape covers only in part are blended with what is below; where that is
// the key colour, with the `matte` (the colour the part will be drawn on),
// or, when the matte is the key itself, not at all (the pixel is covered
// when at least half of it is inside).
#pragma once

#include <functional>
#include <vector>

#include "tools/tbxtool/raster.h"

namespace tebix::skins {

using tbx::Colour;
using tbx::Raster;

// The key colour of every keyed part and glyph: magenta.
inline constexpr Colour kKey = tbx::Rgb(255, 0, 255);

using Shader = std::function<Colour(int x, int y)>;
Shader Solid(Colour c);
// Top-to-bottom gradient over rows y0..y1.
Shader Vertical(Colour top, Colour bottom, int y0, int y1);

struct Point {
  double x;
  double y;
};

void FillRoundRect(Raster& r, double x, double y, double w, double h, double radius, const Shader& shade,
                   Colour matte);
void FillCircle(Raster& r, double cx, double cy, double radius, const Shader& shade, Colour matte);
void FillPolygon(Raster& r, const std::vector<Point>& points, const Shader& shade, Colour matte);
// A polyline of the given thickness with round joins and ends.
void StrokeLine(Raster& r, const std::vector<Point>& points, double thickness, Colour colour, Colour matte);

// Drawn glyphs, fitted into the w x h box at (x, y).
enum class Chevron { kUp, kDown, kLeft, kRight };
void DrawChevron(Raster& r, double x, double y, double w, double h, Chevron direction, double thickness,
                 Colour colour, Colour matte);

// True when any pixel is the key colour (such a part needs its key set).
bool UsesKey(const Raster& r);

}  // namespace tebix::skins
