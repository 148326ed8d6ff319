// A plain RGB picture in memory, one COLORREF (0x00BBGGRR) a pixel, rows
// top-down, and its conversions to and from the packed DIB a skin carries.
// The skin generator paints into it and the preview composes its sheet in
// it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tebix::tbx {

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 |
         static_cast<Colour>(b & 0xFF) << 16;
}
constexpr int Red(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int Green(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int Blue(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// a + (b - a) * t per channel, rounded; t in 0..1.
Colour Mix(Colour a, Colour b, double t);

class Raster {
 public:
  Raster() = default;
  Raster(int width, int height, Colour fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Reads outside the picture give 0; writes outside it are dropped.
  Colour At(int x, int y) const { return Inside(x, y) ? pixels_[Index(x, y)] : 0; }
  void Set(int x, int y, Colour c) {
    if (Inside(x, y)) pixels_[Index(x, y)] = c;
  }
  void Fill(int x, int y, int w, int h, Colour c);
  // Copies a w x h block of `source` from (sx, sy) to (dx, dy), clipped to
  // both pictures.
  void Copy(const Raster& source, int sx, int sy, int w, int h, int dx, int dy);
  Raster Crop(int x, int y, int w, int h) const;

  // Turned a quarter clockwise or anticlockwise, or mirrored.
  Raster RotatedClockwise() const;
  Raster RotatedAnticlockwise() const;
  Raster FlippedVertically() const;
  Raster FlippedHorizontally() const;

  const std::vector<Colour>& pixels() const { return pixels_; }
  bool operator==(const Raster& other) const = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

// A 32-bit bottom-up packed DIB of the picture (header and pixels).
std::vector<std::uint8_t> RasterToDib(const Raster& raster);
// The picture of a packed DIB of 24 or 32 bits (32 also with colour masks).
// False, with `error` set, for anything else or a cut-short DIB.
bool DibToRaster(std::span<const std::uint8_t> dib, Raster& raster, std::string& error);

}  // namespace tebix::tbx
