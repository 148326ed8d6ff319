// Recolouring a full-size skin bitmap (221 x 271, 32 bits) by hue,
// saturation and brightness, two ways on identical copies:
//  - pixel by pixel through GetPixel and SetPixel on a memory DC, column by
//    column, the plain way;
//  - RecolourBitmap, the library's way, through one device-independent copy.
// Both results are read back and compared pixel for pixel; then the times
// and their ratio are printed (best of several runs each). Also timed: the
// whole Tebix_Adjust_HSV step.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "skin/core/hsv_shift.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_recolour.h"
#include "skin/core/skin_resources.h"
#include "tools/tbxtool/sample_skin.h"

namespace {

using Clock = std::chrono::steady_clock;
using tebix::HsvDeltas;

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// A copy of the loaded skin bitmap, not selected anywhere.
HBITMAP CopyOfSkin(SIZE size) {
  HBITMAP copy = CreateCompatibleBitmap(tebix::SkinBitmapDc(), size.cx, size.cy);
  SelectObject(tebix::ScratchDc(), copy);
  BitBlt(tebix::ScratchDc(), 0, 0, size.cx, size.cy, tebix::SkinBitmapDc(), 0, 0, SRCCOPY);
  tebix::DeselectBitmap(tebix::ScratchDc());
  return copy;
}

void PerPixel(HBITMAP bitmap, SIZE size, HsvDeltas deltas) {
  HDC dc = tebix::ScratchDc();
  SelectObject(dc, bitmap);
  for (int x = 0; x < size.cx; ++x) {
    for (int y = 0; y < size.cy; ++y) SetPixel(dc, x, y, tebix::HsvShift(GetPixel(dc, x, y), deltas));
  }
  tebix::DeselectBitmap(dc);
}

std::vector<std::uint32_t> Pixels(HBITMAP bitmap, SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
  GetDIBits(tebix::ScreenDc(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

// Best of `runs` timings of `work` on fresh copies of the skin; `keep`
// receives the last result.
template <typename Work>
double Best(int runs, SIZE size, Work work, std::vector<std::uint32_t>& keep) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    HBITMAP copy = CopyOfSkin(size);
    const auto t0 = Clock::now();
    work(copy);
    best = std::min(best, Seconds(Clock::now() - t0));
    keep = Pixels(copy, size);
    DeleteObject(copy);
  }
  return best;
}

bool Measure(const char* name, int noise_percent) {
  const tebix::tbx::SkinSource skin = tebix::tbx::MakeSampleSkin(7, noise_percent);
  if (tebix::LoadSkinModel(tebix::tbx::BuildSkinBlock(skin)) != 1) {
    std::printf("the sample skin did not load\n");
    return false;
  }
  const SIZE size = tebix::SkinBitmapSize();
  std::vector<std::uint32_t> original;
  Best(
      1, size, [](HBITMAP) {}, original);
  std::sort(original.begin(), original.end());
  const auto distinct = std::unique(original.begin(), original.end()) - original.begin();
  std::printf("%s skin: %ld x %ld pixels, %ld colours\n", name, size.cx, size.cy,
              static_cast<long>(distinct));

  const HsvDeltas runs[] = {{120, 0, 0}, {200, 100, 220}, {33, 250, 7}};
  double plain_total = 0, fast_total = 0;
  bool same = true;
  for (const HsvDeltas& deltas : runs) {
    std::vector<std::uint32_t> plain_pixels, fast_pixels;
    const double plain = Best(
        3, size, [&](HBITMAP b) { PerPixel(b, size, deltas); }, plain_pixels);
    bool done = true;
    const double fast = Best(
        9, size, [&](HBITMAP b) { done = tebix::RecolourBitmap(tebix::ScreenDc(), b, size, deltas) && done; },
        fast_pixels);
    const bool equal = done && plain_pixels == fast_pixels;
    same = same && equal;
    plain_total += plain;
    fast_total += fast;
    std::printf(
        "  shift %3d %3d %3d: GetPixel/SetPixel %7.2f ms, device-independent %5.2f ms, ratio %6.1f, %s\n",
        deltas.hue, deltas.saturation, deltas.brightness, 1000 * plain, 1000 * fast, plain / fast,
        equal ? "same pixels" : "PIXELS DIFFER");
  }
  const bool met = same && plain_total / fast_total >= 50;
  std::printf("  overall ratio %.1f (target at least 50): %s\n", plain_total / fast_total,
              met ? "met" : "NOT MET");

  constexpr int kAdjusts = 20;
  const auto t0 = Clock::now();
  for (int i = 0; i < kAdjusts; ++i) tebix::AdjustSkinHsv(10 + i, 20, 30);
  std::printf("  whole Tebix_Adjust_HSV step (no windows to repaint): %.2f ms each\n",
              1000 * Seconds(Clock::now() - t0) / kAdjusts);
  tebix::AdjustSkinHsv(0, 0, 0);
  return met;
}

}  // namespace

int main() {
  if (!tebix::StartDrawingSurfaces()) {
    std::printf("no drawing surfaces\n");
    return 1;
  }
  // A skin as drawn (few colours per cell), and one with noisy cells: many
  // distinct colours, the hard case for the colour memo.
  const bool typical = Measure("typical", 5);
  const bool noisy = Measure("noisy", 60);
  tebix::FreeSkinModel();
  tebix::StopDrawingSurfaces();
  return typical && noisy ? 0 : 1;
}
