#include "tools/tbxtool/sample_skin.h"

#include <algorithm>

namespace tebix::tbx {
namespace {

class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  std::uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

 private:
  std::uint32_t state_;
};

constexpr std::int32_t kMagenta = 0x00FF00FF;

struct Canvas {
  int width;
  int height;
  int bytes_per_pixel;
  std::size_t stride;
  std::uint8_t* pixels;  // bottom-up

  void Put(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t* p = pixels + static_cast<std::size_t>(height - 1 - y) * stride +
                      static_cast<std::size_t>(x) * static_cast<std::size_t>(bytes_per_pixel);
    p[0] = static_cast<std::uint8_t>(colour >> 16);  // blue
    p[1] = static_cast<std::uint8_t>(colour >> 8);   // green
    p[2] = static_cast<std::uint8_t>(colour);        // red
  }
};

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int step, int steps) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF);
    const int cb = static_cast<int>((b >> shift) & 0xFF);
    out |= static_cast<std::uint32_t>(ca + (cb - ca) * step / std::max(steps, 1)) << shift;
  }
  return out;
}

std::uint32_t Jitter(std::uint32_t colour, Random& random) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int c = static_cast<int>((colour >> shift) & 0xFF) + random.Below(33) - 16;
    out |= static_cast<std::uint32_t>(std::clamp(c, 0, 255)) << shift;
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> MakeSampleDib(int width, int height, int bit_count) {
  const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bit_count) + 31) / 32 * 4;
  std::vector<std::uint8_t> dib(kBitmapInfoHeaderBytes + stride * static_cast<std::size_t>(height), 0);
  auto put = [&](std::size_t offset, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) dib[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(0, kBitmapInfoHeaderBytes, 4);
  put(4, static_cast<std::uint32_t>(width), 4);
  put(8, static_cast<std::uint32_t>(height), 4);
  put(12, 1, 2);
  put(14, static_cast<std::uint32_t>(bit_count), 2);
  put(20, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)), 4);
  if (bit_count < 24) return dib;  // shallower ones stay black
  Canvas canvas{width, height, bit_count / 8, stride, dib.data() + kBitmapInfoHeaderBytes};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) canvas.Put(x, y, kMagenta);
  }
  return dib;
}

SkinSource MakeSampleSkin(std::uint32_t seed, int noise_percent) {
  constexpr int kWidth = 221;
  constexpr int kHeight = 271;
  Random random(seed);
  SkinSource skin;
  skin.metrics = {0, 0, 0, 0, 1, 0, 0, 18, 10, 5, 4, 22, 0, 20, 16, 16, 20, 16, 16, 20, 0, 0};
  for (int i = 0; i < 63; ++i) skin.colours.push_back(static_cast<std::int32_t>(random.Next() & 0x00FFFFFF));
  for (int i = 0; i < 15; ++i) skin.offset_pairs.push_back({random.Below(8), random.Below(8)});

  skin.bitmap = MakeSampleDib(kWidth, kHeight, 32);
  Canvas canvas{kWidth, kHeight, 4, static_cast<std::size_t>(kWidth) * 4,
                skin.bitmap.data() + kBitmapInfoHeaderBytes};

  // Cells in rows, as a skin artist lays out buttons, frames and arrows.
  std::vector<std::array<std::int32_t, 4>> cells;
  for (int y = 0; y + 10 <= kHeight;) {
    const int row_height = 10 + random.Below(16);
    for (int x = 0; x + 8 <= kWidth;) {
      const int w = std::min(8 + random.Below(64), kWidth - x);
      const int h = std::min(row_height, kHeight - y);
      const std::uint32_t top = random.Next() & 0xFFFFFF;
      const std::uint32_t bottom = Mix(top, 0x404040, 1, 2);
      const std::uint32_t border = Mix(top, 0, 3, 4);
      for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
          const bool corner = (i == 0 || i == w - 1) && (j == 0 || j == h - 1);
          if (corner) continue;  // rounded: the key colour shows
          std::uint32_t colour = (i == 0 || j == 0 || i == w - 1 || j == h - 1) ? border : Mix(top, bottom, j, h);
          if (random.Below(100) < noise_percent) colour = Jitter(colour, random);
          canvas.Put(x + i, y + j, colour);
        }
      }
      if (w > 12 && h > 8 && random.Below(3) == 0) {  // an arrow glyph
        const int cx = x + w / 2;
        const int cy = y + h / 2 - 2;
        for (int k = 0; k < 4; ++k) {
          for (int i = -k; i <= k; ++i) canvas.Put(cx + i, cy + k, 0x101010);
        }
      }
      cells.push_back({x, y, w, h});
      x += w + 1;
    }
    y += row_height + 1;
  }

  skin.rectangles.push_back({46, 42, 4, 4});
  for (int i = 1; i < 29; ++i) skin.rectangles.push_back(cells[static_cast<std::size_t>(random.Below(static_cast<int>(cells.size())))]);
  for (int i = 0; i < 271; ++i) {
    SkinPart part{};
    if (random.Below(3) != 0) {  // many parts are unused, all zero
      const auto& cell = cells[static_cast<std::size_t>(random.Below(static_cast<int>(cells.size())))];
      part.x = cell[0];
      part.y = cell[1];
      part.width = cell[2];
      part.height = cell[3];
      part.transparent = random.Below(2) ? kMagenta : 0x0000FF;
      part.glyph_transparent = kMagenta;
      part.left_margin = std::min(4, cell[2] / 2);
      part.top_margin = std::min(3, cell[3] / 2);
      part.right_margin = std::min(4, cell[2] / 2);
      part.bottom_margin = std::min(3, cell[3] / 2);
    }
    skin.parts.push_back(part);
  }
  return skin;
}

}  // namespace tebix::tbx
