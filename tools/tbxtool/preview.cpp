#include "tools/tbxtool/preview.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "skin/core/nine_grid.h"
#include "tools/tbxtool/pixel_font.h"
#include "tools/tbxtool/skin_catalogue.h"

namespace tebix::tbx {
namespace {

// Source offset of destination pixel i when n source pixels cover m
// destination pixels: each destination pixel takes the source pixel under
// its centre, the lower one when the centre falls on a boundary (as GDI
// does).
std::int64_t SourceStep(std::int64_t i, std::int64_t n, std::int64_t m) {
  return ((2 * i + 1) * n - 1) / (2 * m);
}

// Copies source rectangle s of `skin` onto destination rectangle d of
// `target`, nearest pixel, leaving out pixels of colour `key` (0: none).
void Stretch(Raster& target, const Raster& skin, const PieceRect& d, const PieceRect& s, Colour key) {
  for (std::int64_t j = 0; j < d.height; ++j) {
    const std::int64_t ty = d.y + j;
    if (ty < 0 || ty >= target.height()) continue;
    const std::int64_t sy = s.y + SourceStep(j, s.height, d.height);
    for (std::int64_t i = 0; i < d.width; ++i) {
      const std::int64_t tx = d.x + i;
      if (tx < 0 || tx >= target.width()) continue;
      const std::int64_t sx = s.x + SourceStep(i, s.width, d.width);
      if (!skin.Inside(static_cast<int>(sx), static_cast<int>(sy))) continue;
      const Colour c = skin.At(static_cast<int>(sx), static_cast<int>(sy));
      if (key != 0 && c == key) continue;
      target.Set(static_cast<int>(tx), static_cast<int>(ty), c);
    }
  }
}

constexpr Colour kPage = Rgb(0xF4, 0xF5, 0xF7);
constexpr Colour kInk = Rgb(0x20, 0x24, 0x2A);
constexpr Colour kFaint = Rgb(0x6A, 0x70, 0x78);
constexpr Colour kBad = Rgb(0xC0, 0x1C, 0x1C);
constexpr Colour kGood = Rgb(0x1E, 0x7A, 0x34);
constexpr int kSheetWidth = 1360;
constexpr int kGap = 10;

// A checkerboard behind parts, so that keyed pixels show as holes.
void Checker(Raster& r, int x, int y, int w, int h) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i)
      r.Set(x + i, y + j, ((i / 4 + j / 4) % 2) ? Rgb(0xC4, 0xC8, 0xCE) : Rgb(0xE6, 0xE8, 0xEB));
  }
}

void Frame(Raster& r, int x, int y, int w, int h, Colour c) {
  r.Fill(x - 1, y - 1, w + 2, 1, c);
  r.Fill(x - 1, y + h, w + 2, 1, c);
  r.Fill(x - 1, y, 1, h, c);
  r.Fill(x + w, y, 1, h, c);
}

std::string Hex6(std::uint32_t c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", Red(c), Green(c), Blue(c));
  return text;
}

std::string Ratio(double r) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f:1", r);
  return text;
}

std::string Where(int part) {
  return part < 0 ? std::string("background") : "part " + std::to_string(part);
}

bool Empty(const SkinPart& p) {
  return p.width <= 0 || p.height <= 0;
}

// Lays boxes out left to right in rows.
class Flow {
 public:
  Flow(int left, int top, int right) : left_(left), right_(right), x_(left), y_(top) {}
  // The top-left corner for a w x h box.
  std::pair<int, int> Place(int w, int h) {
    if (x_ > left_ && x_ + w > right_) NewRow();
    const std::pair<int, int> at{x_, y_};
    x_ += w + kGap;
    row_ = std::max(row_, h);
    return at;
  }
  int Bottom() const { return y_ + row_; }
  void NewRow() {
    x_ = left_;
    y_ += row_ + kGap;
    row_ = 0;
  }

 private:
  int left_, right_, x_, y_, row_ = 0;
};

}  // namespace

void DrawPart(Raster& target, const Raster& skin, const SkinPart& part, int left, int top, int right,
              int bottom) {
  if (right <= left || bottom <= top) return;
  const auto key = static_cast<Colour>(part.transparent);
  for (const SkinPiece& piece : NinePieces(part, left, top, right, bottom)) {
    if (Drawable(piece.dest, piece.source)) Stretch(target, skin, piece.dest, piece.source, key);
  }
  const auto glyph = PlaceGlyph(part, left, top, right, bottom);
  if (glyph && Drawable(glyph->dest, glyph->source)) {
    Stretch(target, skin, glyph->dest, glyph->source, static_cast<Colour>(part.glyph_transparent));
  }
}

Size StretchedSize(const SkinPart& part) {
  const int w = std::clamp(part.width * 2 + 12, part.width, std::max(part.width, 140));
  const int h = std::clamp(part.height * 2 + 6, part.height, std::max(part.height, 72));
  return {w, h};
}

Raster MakeContactSheet(const SkinSource& skin, const Raster& bitmap,
                        const std::vector<ContrastResult>& contrast) {
  // Composed on a tall page, then cut to what was used.
  Raster page(kSheetWidth, 8000, kPage);
  int y = kGap;
  DrawLabel(page, kGap, y,
            "Skin contact sheet: " + std::to_string(bitmap.width()) + " x " +
                std::to_string(bitmap.height()) + " bitmap",
            kInk, 2);
  y += 2 * kLineHeight + kGap;

  // Parts: label, own size, stretched.
  DrawLabel(page, kGap, y,
            "PARTS (own size, then stretched by the nine-grid rule; checkerboard = transparent key)", kInk);
  y += kLineHeight + 4;
  Flow flow(kGap, y, kSheetWidth - kGap);
  for (std::size_t i = 0; i < skin.parts.size(); ++i) {
    const SkinPart& part = skin.parts[i];
    if (Empty(part)) continue;
    std::string label = std::to_string(i) + " " + PartUse(static_cast<int>(i));
    if (PartUse(static_cast<int>(i)).empty()) label += "(unused)";
    const Size big = StretchedSize(part);
    const int pictures = part.width + kGap + big.width;
    const int w = std::max(pictures, LabelWidth(label));
    const int h = kLineHeight + std::max(part.height, big.height) + 2;
    const auto [x0, y0] = flow.Place(w, h);
    DrawLabel(page, x0, y0, label, kInk);
    const int py = y0 + kLineHeight + 1;
    Checker(page, x0, py, part.width, part.height);
    DrawPart(page, bitmap, part, x0, py, x0 + part.width, py + part.height);
    const int bx = x0 + part.width + kGap;
    Checker(page, bx, py, big.width, big.height);
    DrawPart(page, bitmap, part, bx, py, bx + big.width, py + big.height);
  }
  y = flow.Bottom() + 2 * kGap;

  // Colours.
  DrawLabel(page, kGap, y, "COLOURS", kInk);
  y += kLineHeight + 4;
  Flow swatches(kGap, y, kSheetWidth - kGap);
  for (std::size_t i = 0; i < skin.colours.size(); ++i) {
    const auto c = static_cast<std::uint32_t>(skin.colours[i]);
    const std::string label = std::to_string(i) + " " + Hex6(c) + " " + ColourUse(static_cast<int>(i));
    const auto [x0, y0] = swatches.Place(320, 16);
    page.Fill(x0, y0, 28, 16, c & 0xFFFFFF);
    Frame(page, x0, y0, 28, 16, kFaint);
    DrawLabel(page, x0 + 34, y0 + 5, label, ColourUse(static_cast<int>(i)).empty() ? kFaint : kInk);
  }
  y = swatches.Bottom() + 2 * kGap;

  // Metrics, offset pairs, rectangles.
  const int column = kSheetWidth / 3;
  int ym = y, yp = y, yr = y;
  DrawLabel(page, kGap, ym, "METRICS", kInk);
  DrawLabel(page, kGap + column, yp, "OFFSET PAIRS", kInk);
  DrawLabel(page, kGap + 2 * column, yr, "RECTANGLES", kInk);
  ym += kLineHeight + 4, yp += kLineHeight + 4, yr += kLineHeight + 4;
  for (std::size_t i = 0; i < skin.metrics.size(); ++i) {
    const std::string use = MetricUse(static_cast<int>(i));
    DrawLabel(page, kGap, ym, std::to_string(i) + " = " + std::to_string(skin.metrics[i]) + "  " + use,
              use.empty() ? kFaint : kInk);
    ym += kLineHeight;
  }
  for (std::size_t i = 0; i < skin.offset_pairs.size(); ++i) {
    const std::string use = OffsetPairUse(static_cast<int>(i));
    DrawLabel(page, kGap + column, yp,
              std::to_string(i) + " = (" + std::to_string(skin.offset_pairs[i][0]) + ", " +
                  std::to_string(skin.offset_pairs[i][1]) + ")  " + use,
              use.empty() ? kFaint : kInk);
    yp += kLineHeight;
  }
  for (std::size_t i = 0; i < skin.rectangles.size(); ++i) {
    const auto& r = skin.rectangles[i];
    if (r[2] == 0 && r[3] == 0 && i != 0) continue;
    DrawLabel(page, kGap + 2 * column, yr,
              std::to_string(i) + " = (" + std::to_string(r[0]) + ", " + std::to_string(r[1]) + ", " +
                  std::to_string(r[2]) + ", " + std::to_string(r[3]) + ")  " +
                  RectangleUse(static_cast<int>(i)),
              kInk);
    yr += kLineHeight;
    if (i == 0 && r[2] > 0 && r[3] > 0) {  // the background pattern, tiled
      for (int j = 0; j < 24; ++j) {
        for (int k = 0; k < 96; ++k)
          page.Set(kGap + 2 * column + k, yr + j, bitmap.At(r[0] + k % r[2], r[1] + j % r[3]));
      }
      Frame(page, kGap + 2 * column, yr, 96, 24, kFaint);
      yr += 24 + 4;
    }
  }
  DrawLabel(page, kGap + 2 * column, yr, "(other rectangles empty: the menus draw their own glyphs)", kFaint);
  yr += kLineHeight;
  y = std::max({ym, yp, yr}) + 2 * kGap;

  // Contrast report.
  int failures = 0;
  for (const ContrastResult& r : contrast) failures += r.ok ? 0 : 1;
  DrawLabel(page, kGap, y,
            "TEXT CONTRAST (at least " + Ratio(kMinimumTextContrast) +
                "): " + std::to_string(contrast.size()) + " pairs, " + std::to_string(failures) + " below",
            failures ? kBad : kInk);
  y += kLineHeight + 4;
  Flow lines(kGap, y, kSheetWidth - kGap);
  for (const ContrastResult& r : contrast) {
    const auto colour =
        static_cast<std::size_t>(r.colour) < skin.colours.size()
            ? static_cast<std::uint32_t>(skin.colours[static_cast<std::size_t>(r.colour)]) & 0xFFFFFF
            : 0u;
    const auto [x0, y0] = lines.Place(440, kLineHeight);
    page.Fill(x0, y0, 8, 8, colour);
    DrawLabel(page, x0 + 12, y0,
              "colour " + std::to_string(r.colour) + " on " + Where(r.part) + ": " + Ratio(r.ratio) +
                  (r.ok ? " ok" : " TOO LOW"),
              r.ok ? kGood : kBad);
  }
  y = lines.Bottom() + kGap;
  return page.Crop(0, 0, kSheetWidth, std::min(y, page.height()));
}

void WriteContrastReport(const std::vector<ContrastResult>& contrast, const SkinSource& skin,
                         std::ostream& out) {
  int failures = 0;
  for (const ContrastResult& r : contrast) {
    const auto colour = static_cast<std::size_t>(r.colour) < skin.colours.size()
                            ? static_cast<std::uint32_t>(skin.colours[static_cast<std::size_t>(r.colour)])
                            : 0u;
    out << "  colour " << r.colour << " (" << Hex6(colour) << ", " << ColourUse(r.colour) << ") on "
        << Where(r.part);
    if (r.part >= 0) out << " (" << PartUse(r.part) << ")";
    out << ": " << Ratio(r.ratio) << (r.ok ? "" : "  TOO LOW") << "\n";
    failures += r.ok ? 0 : 1;
  }
  out << "contrast: " << contrast.size() << " text colours checked, " << failures << " below "
      << Ratio(kMinimumTextContrast) << "\n";
}

}  // namespace tebix::tbx
