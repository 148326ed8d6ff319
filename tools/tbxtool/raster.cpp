#include "tools/tbxtool/raster.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "skin/core/skin_block_format.h"

namespace tebix::tbx {

Colour Mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [&](int ca, int cb) { return static_cast<int>(std::lround(ca + (cb - ca) * t)); };
  return Rgb(channel(Red(a), Red(b)), channel(Green(a), Green(b)), channel(Blue(a), Blue(b)));
}

Raster::Raster(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Raster::Fill(int x, int y, int w, int h, Colour c) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
  for (int j = y0; j < y1; ++j) {
    std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(Index(x0, j)), std::max(x1 - x0, 0), c);
  }
}

void Raster::Copy(const Raster& source, int sx, int sy, int w, int h, int dx, int dy) {
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      if (source.Inside(sx + i, sy + j)) Set(dx + i, dy + j, source.At(sx + i, sy + j));
    }
  }
}

Raster Raster::Crop(int x, int y, int w, int h) const {
  Raster out(w, h);
  out.Copy(*this, x, y, w, h, 0, 0);
  return out;
}

Raster Raster::RotatedClockwise() const {
  Raster out(height_, width_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.Set(height_ - 1 - y, x, At(x, y));
  }
  return out;
}

Raster Raster::RotatedAnticlockwise() const {
  Raster out(height_, width_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) out.Set(y, width_ - 1 - x, At(x, y));
  }
  return out;
}

Raster Raster::FlippedVertically() const {
  Raster out(width_, height_);
  for (int y = 0; y < height_; ++y) out.Copy(*this, 0, y, width_, 1, 0, height_ - 1 - y);
  return out;
}

Raster Raster::FlippedHorizontally() const {
  Raster out(width_, height_);
  for (int x = 0; x < width_; ++x) out.Copy(*this, x, 0, 1, height_, width_ - 1 - x, 0);
  return out;
}

std::vector<std::uint8_t> RasterToDib(const Raster& raster) {
  const auto w = static_cast<std::uint32_t>(raster.width());
  const auto h = static_cast<std::uint32_t>(raster.height());
  std::vector<std::uint8_t> dib(kBitmapInfoHeaderBytes + std::size_t{w} * h * 4, 0);
  auto put = [&](std::size_t offset, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
      dib[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(0, kBitmapInfoHeaderBytes, 4);
  put(4, w, 4);
  put(8, h, 4);  // bottom-up
  put(12, 1, 2);
  put(14, 32, 2);
  put(20, w * h * 4, 4);
  std::size_t p = kBitmapInfoHeaderBytes;
  for (int y = raster.height() - 1; y >= 0; --y) {
    for (int x = 0; x < raster.width(); ++x) {
      const Colour c = raster.At(x, y);
      dib[p++] = static_cast<std::uint8_t>(Blue(c));
      dib[p++] = static_cast<std::uint8_t>(Green(c));
      dib[p++] = static_cast<std::uint8_t>(Red(c));
      dib[p++] = 0;
    }
  }
  return dib;
}

namespace {

// One channel of a 32-bit pixel through its colour mask, scaled to 8 bits.
int MaskedChannel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<int>((std::uint64_t{(pixel & mask) >> shift} * 255 + max / 2) / max);
}

}  // namespace

bool DibToRaster(std::span<const std::uint8_t> dib, Raster& raster, std::string& error) {
  SkinBitmapLayout layout;
  if (!ParseSkinBitmap(dib, 0, layout, error)) return false;
  if (layout.bit_count != 24 && layout.bit_count != 32) {
    error = "the bitmap has " + std::to_string(layout.bit_count) + " bits per pixel, not 24 or 32";
    return false;
  }
  if (layout.compression == kBiBitfields && layout.bit_count != 32) {
    error = "colour masks on a " + std::to_string(layout.bit_count) + "-bit bitmap";
    return false;
  }
  std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  if (layout.compression == kBiBitfields) {
    for (int i = 0; i < 3; ++i)
      masks[i] = static_cast<std::uint32_t>(ReadInt32(dib, kBitmapInfoHeaderBytes + 4 * i));
  }
  const bool bottom_up = layout.height > 0;
  const int rows = bottom_up ? layout.height : -layout.height;
  raster = Raster(layout.width, rows);
  for (int row = 0; row < rows; ++row) {
    const std::size_t line = layout.pixels_offset + static_cast<std::size_t>(row) * layout.stride;
    const int y = bottom_up ? rows - 1 - row : row;
    for (int x = 0; x < layout.width; ++x) {
      if (layout.bit_count == 24) {
        const std::size_t p = line + static_cast<std::size_t>(x) * 3;
        raster.Set(x, y, Rgb(dib[p + 2], dib[p + 1], dib[p]));
      } else {
        const auto pixel = static_cast<std::uint32_t>(ReadInt32(dib, line + static_cast<std::size_t>(x) * 4));
        raster.Set(x, y,
                   Rgb(MaskedChannel(pixel, masks[0]), MaskedChannel(pixel, masks[1]),
                       MaskedChannel(pixel, masks[2])));
      }
    }
  }
  return true;
}

}  // namespace tebix::tbx
