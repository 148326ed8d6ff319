#include "skins/generator/shapes.h"

#include <algorithm>
#include <cmath>

namespace tebix::skins {
namespace {

constexpr int kSamples = 4;  // per axis: 16 samples a pixel

using Inside = std::function<bool(double x, double y)>;

void Paint(Raster& r, double x0, double y0, double x1, double y1, const Inside& inside, const Shader& shade,
           Colour matte) {
  const int i0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int j0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int i1 = std::min(r.width(), static_cast<int>(std::ceil(x1)));
  const int j1 = std::min(r.height(), static_cast<int>(std::ceil(y1)));
  for (int j = j0; j < j1; ++j) {
    for (int i = i0; i < i1; ++i) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          hits += inside(i + (sx + 0.5) / kSamples, j + (sy + 0.5) / kSamples) ? 1 : 0;
        }
      }
      if (hits == 0) continue;
      const double coverage = static_cast<double>(hits) / (kSamples * kSamples);
      const Colour below = r.At(i, j);
      const Colour colour = shade(i, j);
      if (coverage >= 1.0) {
        r.Set(i, j, colour);
      } else if (below != kKey) {
        r.Set(i, j, tbx::Mix(below, colour, coverage));
      } else if (matte != kKey) {
        r.Set(i, j, tbx::Mix(matte, colour, coverage));
      } else if (coverage >= 0.5) {
        r.Set(i, j, colour);
      }
    }
  }
}

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

Shader Solid(Colour c) {
  return [c](int, int) { return c; };
}

Shader Vertical(Colour top, Colour bottom, int y0, int y1) {
  return [=](int, int y) {
    return y1 <= y0 ? top : tbx::Mix(top, bottom, static_cast<double>(y - y0) / (y1 - y0));
  };
}

void FillRoundRect(Raster& r, double x, double y, double w, double h, double radius, const Shader& shade,
                   Colour matte) {
  radius = std::clamp(radius, 0.0, std::min(w, h) / 2);
  const Inside inside = [=](double px, double py) {
    if (px < x || py < y || px > x + w || py > y + h) return false;
    const double cx = std::clamp(px, x + radius, x + w - radius);
    const double cy = std::clamp(py, y + radius, y + h - radius);
    return std::hypot(px - cx, py - cy) <= radius;
  };
  Paint(r, x, y, x + w, y + h, inside, shade, matte);
}

void FillCircle(Raster& r, double cx, double cy, double radius, const Shader& shade, Colour matte) {
  const Inside inside = [=](double px, double py) { return std::hypot(px - cx, py - cy) <= radius; };
  Paint(r, cx - radius, cy - radius, cx + radius, cy + radius, inside, shade, matte);
}

void FillPolygon(Raster& r, const std::vector<Point>& points, const Shader& shade, Colour matte) {
  if (points.size() < 3) return;
  double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
  for (const Point& p : points) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  const Inside inside = [&points](double px, double py) {
    bool in = false;  // even-odd crossing test
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const Point& a = points[i];
      const Point& b = points[j];
      if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
  };
  Paint(r, x0, y0, x1, y1, inside, shade, matte);
}

void StrokeLine(Raster& r, const std::vector<Point>& points, double thickness, Colour colour, Colour matte) {
  if (points.empty()) return;
  const double half = thickness / 2;
  double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
  for (const Point& p : points) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  const Inside inside = [&points, half](double px, double py) {
    if (points.size() == 1) return std::hypot(px - points[0].x, py - points[0].y) <= half;
    for (std::size_t i = 1; i < points.size(); ++i) {
      if (SegmentDistance({px, py}, points[i - 1], points[i]) <= half) return true;
    }
    return false;
  };
  Paint(r, x0 - half, y0 - half, x1 + half, y1 + half, inside, Solid(colour), matte);
}

void DrawChevron(Raster& r, double x, double y, double w, double h, Chevron direction, double thickness,
                 Colour colour, Colour matte) {
  const double t = thickness / 2;
  std::vector<Point> points;
  switch (direction) {
    case Chevron::kUp:
      points = {{x + t, y + h - t}, {x + w / 2, y + t}, {x + w - t, y + h - t}};
      break;
    case Chevron::kDown:
      points = {{x + t, y + t}, {x + w / 2, y + h - t}, {x + w - t, y + t}};
      break;
    case Chevron::kLeft:
      points = {{x + w - t, y + t}, {x + t, y + h / 2}, {x + w - t, y + h - t}};
      break;
    case Chevron::kRight:
      points = {{x + t, y + t}, {x + w - t, y + h / 2}, {x + t, y + h - t}};
      break;
  }
  StrokeLine(r, points, thickness, colour, matte);
}

bool UsesKey(const Raster& r) {
  return std::find(r.pixels().begin(), r.pixels().end(), kKey) != r.pixels().end();
}

}  // namespace tebix::skins
