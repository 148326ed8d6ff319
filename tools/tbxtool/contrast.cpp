#include "tools/tbxtool/contrast.h"

#include <algorithm>
#include <cmath>

#include "tools/tbxtool/skin_catalogue.h"

namespace tebix::tbx {
namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

void Sample(const Raster& bitmap, int x, int y, int w, int h, Colour key, std::vector<Colour>& out) {
  for (int j = y; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) {
      if (!bitmap.Inside(i, j)) continue;
      const Colour c = bitmap.At(i, j);
      if (key == 0 || c != key) out.push_back(c);
    }
  }
}

std::vector<Colour> Background(const SkinSource& skin, const Raster& bitmap) {
  std::vector<Colour> out;
  if (skin.rectangles.empty()) return out;
  const auto& r = skin.rectangles[0];
  Sample(bitmap, r[0], r[1], r[2], r[3], 0, out);
  return out;
}

}  // namespace

double RelativeLuminance(Colour c) {
  return 0.2126 * Linear(Red(c)) + 0.7152 * Linear(Green(c)) + 0.0722 * Linear(Blue(c));
}

double ContrastRatio(Colour a, Colour b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<Colour> Backdrop(const SkinSource& skin, const Raster& bitmap, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= skin.parts.size()) return Background(skin, bitmap);
  const SkinPart& p = skin.parts[static_cast<std::size_t>(index)];
  if (p.width <= 0 || p.height <= 0) return Background(skin, bitmap);
  const auto key = static_cast<Colour>(p.transparent);
  std::vector<Colour> out;
  const int cw = p.width - p.left_margin - p.right_margin;
  const int chh = p.height - p.top_margin - p.bottom_margin;
  if (cw > 0 && chh > 0) Sample(bitmap, p.x + p.left_margin, p.y + p.top_margin, cw, chh, key, out);
  if (out.empty()) Sample(bitmap, p.x, p.y, p.width, p.height, key, out);
  return out;
}

std::vector<ContrastResult> CheckTextContrast(const SkinSource& skin, const Raster& bitmap) {
  std::vector<ContrastResult> results;
  for (const TextOnPart& pair : TextPairs()) {
    ContrastResult result{pair.colour, pair.part, 0, false};
    if (static_cast<std::size_t>(pair.colour) < skin.colours.size()) {
      const auto text = static_cast<Colour>(skin.colours[static_cast<std::size_t>(pair.colour)]) & 0xFFFFFF;
      std::vector<double> ratios;
      for (Colour c : Backdrop(skin, bitmap, pair.part)) ratios.push_back(ContrastRatio(text, c));
      if (!ratios.empty()) {
        // A one-pixel highlight or outline at the edge of the area does not
        // decide; the colour most of the area has does.
        std::sort(ratios.begin(), ratios.end());
        result.ratio = ratios[ratios.size() / 10];
      }
    }
    result.ok = result.ratio >= kMinimumTextContrast;
    results.push_back(result);
  }
  return results;
}

}  // namespace tebix::tbx
