// The HSV shift: the worked examples, a sweep against the textbook HSV
// conversion in exact integer arithmetic, pixel rows, and the cache of
// shifted colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/core/hsv_shift.h"
#include "skin/core/shifted_colour.h"

namespace tebix {
namespace {

std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b) << 16;
}

TEST(HsvShift, WorkedExamples) {
  EXPECT_EQ(HsvShift(0x0000FF, {120, 0, 0}), 0x00FF00u) << "red turned by 120 degrees is green";
  EXPECT_EQ(HsvShift(0x0000FF, {240, 0, 0}), 0xFF0000u);
  EXPECT_EQ(HsvShift(0x00FF00, {120, 0, 0}), 0xFF0000u);
  for (int grey = 0; grey < 256; grey += 15) {
    const Hsv hsv = ToHsv(Rgb(grey, grey, grey));
    EXPECT_EQ(hsv.hue, 0);
    EXPECT_EQ(hsv.saturation, 0);
    EXPECT_EQ(HsvShift(Rgb(grey, grey, grey), {200, 0, 0}), Rgb(grey, grey, grey)) << "hue moves no grey";
  }
  EXPECT_EQ(HsvShift(Rgb(200, 200, 200), {0, 0, 100}), Rgb(44, 44, 44)) << "brightness wraps at 256";
  EXPECT_EQ(HsvShift(Rgb(200, 200, 200), {0, 0, 55}), Rgb(255, 255, 255));
  EXPECT_EQ(HsvShift(Rgb(200, 200, 200), {0, 0, 56}), Rgb(0, 0, 0));
  // Where double arithmetic lands just below a whole number, truncation
  // keeps the lower value: exactly 123 degrees comes out as 122, and an
  // exact 95 green as 94.
  EXPECT_EQ(ToHsv(Rgb(0, 20, 1)).hue, 122);
  EXPECT_EQ(FromHsv({6, 68, 125}), Rgb(125, 94, 91));
}

TEST(HsvShift, DeltasWrapAndOutOfRangeOnesAreIgnored) {
  const std::uint32_t colour = Rgb(40, 120, 200);
  const Hsv hsv = ToHsv(colour);
  auto shifted = [&](HsvDeltas d) { return ToHsv(HsvShift(colour, d)); };
  EXPECT_EQ(HsvShift(colour, {360, 0, 0}), FromHsv(hsv)) << "a full turn";
  EXPECT_EQ(HsvShift(colour, {0, 256, 256}), FromHsv(hsv)) << "saturation and value wrap at 256";
  EXPECT_EQ(HsvShift(colour, {-1, 300, -5}), FromHsv(hsv)) << "out-of-range deltas leave their component";
  EXPECT_EQ(HsvShift(colour, {361, 257, 257}), FromHsv(hsv));
  EXPECT_EQ(shifted({0, 0, 256 - hsv.value}).value, 0) << "value reaching 256 starts again at 0";
  // The saturation wraps too: past 255 a strong colour turns grey-ish.
  const Hsv wrapped = ToHsv(FromHsv({hsv.hue, (hsv.saturation + 200) - 256, hsv.value}));
  EXPECT_EQ(shifted({0, 200, 0}).saturation, wrapped.saturation);
  EXPECT_LT(shifted({0, 200, 0}).saturation, hsv.saturation);
  EXPECT_EQ(HsvShift(0x7F0000FF, {0, 0, 0}) >> 24, 0u) << "no bits above the colour";
}

// Textbook HSV in exact integers: S = floor(255 d / max), H = floor of the
// sector angle, and back through p, q, t. The shift's double arithmetic may
// land one below where the exact value is a whole number, nowhere else.
struct Exact {
  int value;
  bool whole;  // the exact quotient had no fraction
};

Exact Quotient(long long num, long long den) {
  return {static_cast<int>(num / den), num % den == 0};
}

bool Matches(int got, Exact want) {
  return got == want.value || (want.whole && got == want.value - 1);
}

Exact ExactHue(int r, int g, int b) {
  const int max = std::max({r, g, b});
  const int d = max - std::min({r, g, b});
  long long num;
  if (r == max) {
    num = 60LL * (g - b);
  } else if (g == max) {
    num = 60LL * (b - r) + 120LL * d;
  } else {
    num = 60LL * (r - g) + 240LL * d;
  }
  if (num < 0) num += 360LL * d;
  Exact hue = Quotient(num, d);
  if (hue.value == 360) hue.value = 0;
  return hue;
}

// One channel of the textbook conversion, in 255*60ths.
std::array<long long, 3> ExactRgbNumerators(int h, int s, int v) {
  const long long f = h % 60;
  const long long p = 60LL * v * (255 - s);
  const long long q = v * (15300LL - s * f);
  const long long t = v * (15300LL - s * (60 - f));
  const long long full = 15300LL * v;
  switch (h / 60) {
    case 0:
      return {full, t, p};
    case 1:
      return {q, full, p};
    case 2:
      return {p, full, t};
    case 3:
      return {p, q, full};
    case 4:
      return {t, p, full};
    default:
      return {full, p, q};
  }
}

TEST(HsvShift, ToHsvAgreesWithExactArithmetic) {
  for (int r = 0; r < 256; r += 3) {
    for (int g = 1; g < 256; g += 5) {
      for (int b = 2; b < 256; b += 7) {
        const Hsv hsv = ToHsv(Rgb(r, g, b));
        const int max = std::max({r, g, b});
        const int d = max - std::min({r, g, b});
        ASSERT_EQ(hsv.value, max);
        if (d == 0) continue;
        ASSERT_TRUE(Matches(hsv.saturation, Quotient(255LL * d, max))) << r << " " << g << " " << b;
        ASSERT_TRUE(Matches(hsv.hue, ExactHue(r, g, b))) << r << " " << g << " " << b << ": " << hsv.hue;
      }
    }
  }
}

// Saturation comes from a table of integer quotients; it must be what the
// double expression truncate(d / max * 255) gives, for every pair.
TEST(HsvShift, SaturationEqualsTheDoubleExpressionEverywhere) {
  for (int max = 1; max < 256; ++max) {
    for (int d = 0; d <= max; ++d) {
      const int want = static_cast<int>(static_cast<double>(d) / max * 255);
      ASSERT_EQ(ToHsv(Rgb(max - d, max, max - d)).saturation, want) << "max " << max << " d " << d;
    }
  }
}

TEST(HsvShift, FromHsvAgreesWithTheTextbookConversion) {
  for (int h = 0; h < 360; ++h) {
    for (int s = 0; s < 256; s += 17) {
      for (int v = 0; v < 256; v += 5) {
        const std::uint32_t colour = FromHsv({h, s, v});
        const auto want = ExactRgbNumerators(h, s, v);
        for (int channel = 0; channel < 3; ++channel) {
          const int got = static_cast<int>((colour >> (8 * channel)) & 0xFF);
          ASSERT_TRUE(Matches(got, Quotient(want[static_cast<std::size_t>(channel)], 15300)))
              << "H " << h << " S " << s << " V " << v << " channel " << channel << ": " << got;
        }
      }
    }
  }
}

TEST(HsvShift, PixelRowsGetExactlyTheShiftOfEachColour) {
  std::vector<std::uint32_t> pixels;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1103515245u + 12345u;
    pixels.push_back(i % 3 == 0 ? 0xAAFF00FFu : seed);  // repeats, and junk in the top byte
  }
  const HsvDeltas deltas{77, 31, 200};
  std::vector<std::uint32_t> shifted = pixels;
  ShiftPixels(shifted, deltas);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t p = pixels[i];
    const std::uint32_t colour = ((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16;  // DIB to COLORREF
    const std::uint32_t want = HsvShift(colour, deltas);
    ASSERT_EQ(shifted[i], ((want >> 16) & 0xFF) | (want & 0xFF00) | (want & 0xFF) << 16) << "pixel " << i;
  }
}

TEST(ShiftedColour, IdentityUnshiftedCachedWhileShiftedEmptiedOnChange) {
  ResetDeltas();
  EXPECT_EQ(ShiftedColour(0x0000FF), 0x0000FFu);
  EXPECT_EQ(ShiftedColourCacheSize(), 0u) << "nothing cached without a shift";

  SetCurrentDeltas({120, 0, 0});
  EXPECT_EQ(ShiftedColour(0x0000FF), 0x00FF00u);
  EXPECT_EQ(ShiftedColour(0x0000FF), 0x00FF00u);
  EXPECT_EQ(ShiftedColour(0x123456), HsvShift(0x123456, {120, 0, 0}));
  EXPECT_EQ(ShiftedColourCacheSize(), 2u) << "each colour computed once";

  SetCurrentDeltas({240, 0, 0});
  EXPECT_EQ(ShiftedColourCacheSize(), 0u) << "a new shift empties the cache";
  EXPECT_EQ(ShiftedColour(0x0000FF), 0xFF0000u) << "no stale entry from the old shift";

  for (std::uint32_t c = 0; c < 1000; ++c) ShiftedColour(c);
  EXPECT_LE(ShiftedColourCacheSize(), 256u) << "the cache stays small";
  EXPECT_EQ(ShiftedColour(999), HsvShift(999, {240, 0, 0})) << "colours past the limit are still shifted";
  ResetDeltas();
  EXPECT_EQ(ShiftedColour(0x0000FF), 0x0000FFu);
}

}  // namespace
}  // namespace tebix
