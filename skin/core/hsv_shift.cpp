#include "skin/core/hsv_shift.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tebix {
namespace {

constexpr double kOneIn255 = 0.00392156862745098;
constexpr double kOneIn60 = 0.016666666666666666;

// A channel value: truncated toward zero, low eight bits.
std::uint32_t Channel(double value) {
  return static_cast<std::uint32_t>(static_cast<int>(value)) & 0xFF;
}

// Saturation by (max, d): truncate(d / max * 255). The double quotient
// never falls below a whole number here (the tests check every pair), so
// the integer quotient is the same value, and a table saves the division
// on each pixel.
constexpr std::array<std::uint8_t, 256 * 256> kSaturation = [] {
  std::array<std::uint8_t, 256 * 256> table{};
  for (int max = 1; max < 256; ++max) {
    for (int d = 0; d <= max; ++d)
      table[static_cast<std::size_t>(max * 256 + d)] = static_cast<std::uint8_t>(255 * d / max);
  }
  return table;
}();

int Wrap(int value, int delta, int limit, int modulus) {
  if (delta < 0 || delta > limit) return value;
  value += delta;
  return value >= modulus ? value - modulus : value;
}

}  // namespace

Hsv ToHsv(std::uint32_t colour) {
  const int r = static_cast<int>(colour & 0xFF);
  const int g = static_cast<int>((colour >> 8) & 0xFF);
  const int b = static_cast<int>((colour >> 16) & 0xFF);
  const int max = std::max({r, g, b});
  const int d = max - std::min({r, g, b});
  if (d == 0) return {0, 0, max};
  const int saturation = kSaturation[static_cast<std::size_t>(max * 256 + d)];
  double h;
  if (r == max) {
    h = static_cast<double>(g - b) / d;
  } else if (g == max) {
    h = static_cast<double>(b - r) / d + 2;
  } else {
    h = static_cast<double>(r - g) / d + 4;
  }
  h *= 60;
  if (h < 0) h += 360;
  const int hue = h == 360 ? 0 : static_cast<int>(h);
  return {hue, saturation, max};
}

std::uint32_t FromHsv(Hsv hsv) {
  const double v = hsv.value;
  const double c = v * hsv.saturation * kOneIn255;
  const double m = v - c;
  const double t = hsv.hue * kOneIn60;
  double r, g, b;
  if (hsv.hue <= 60) {
    r = v, g = m + c * t, b = m;
  } else if (hsv.hue < 120) {
    r = m - c * (t - 2), g = v, b = m;
  } else if (hsv.hue < 180) {
    r = m, g = v, b = m + c * (t - 2);
  } else if (hsv.hue < 240) {
    r = m, g = m - c * (t - 4), b = v;
  } else if (hsv.hue <= 300) {
    r = m + c * (t - 4), g = m, b = v;
  } else {
    r = v, g = m, b = m - c * (hsv.hue - 360) / 60;
  }
  return Channel(r) | Channel(g) << 8 | Channel(b) << 16;
}

std::uint32_t HsvShift(std::uint32_t colour, HsvDeltas deltas) {
  Hsv hsv = ToHsv(colour);
  hsv.hue = Wrap(hsv.hue, deltas.hue, 360, 360);
  hsv.saturation = Wrap(hsv.saturation, deltas.saturation, 256, 256);
  hsv.value = Wrap(hsv.value, deltas.brightness, 256, 256);
  return FromHsv(hsv);
}

void ShiftPixels(std::span<std::uint32_t> pixels, HsvDeltas deltas) {
  // Skins are drawn with few colours: remember recent ones, direct-mapped.
  constexpr std::size_t kSlots = 4096;
  struct Slot {
    std::uint32_t pixel = 0xFFFFFFFF;  // never a masked pixel
    std::uint32_t shifted = 0;
  };
  auto memo = std::make_unique<std::array<Slot, kSlots>>();
  for (std::uint32_t& pixel : pixels) {
    const std::uint32_t rgb = pixel & 0x00FFFFFF;
    Slot& slot = (*memo)[(rgb ^ (rgb >> 12) ^ (rgb >> 20)) & (kSlots - 1)];
    if (slot.pixel != rgb) {
      // DIB pixels keep red in the third byte, COLORREF in the first.
      const std::uint32_t colour = (rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
      const std::uint32_t shifted = HsvShift(colour, deltas);
      slot = {rgb, (shifted >> 16) | (shifted & 0xFF00) | (shifted & 0xFF) << 16};
    }
    pixel = slot.shifted;
  }
}

}  // namespace tebix
