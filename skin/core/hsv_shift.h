// The hue/saturation/brightness shift that recolours a skin, on single
// colours and on rows of 32-bit pixels. Win32-free.
//
// Arithmetic is in double precision throughout and must stay so: the exact
// truncations decide each channel, and the recoloured bitmap must agree
// with the shifted key colours bit for bit.
#pragma once

#include <cstdint>
#include <span>

namespace tebix {

struct HsvDeltas {
  int hue = 0;         // 0..360
  int saturation = 0;  // 0..256
  int brightness = 0;  // 0..256

  bool Any() const { return hue != 0 || saturation != 0 || brightness != 0; }
  bool operator==(const HsvDeltas&) const = default;
};

struct Hsv {
  int hue;         // 0..359
  int saturation;  // 0..255
  int value;       // 0..255
};

// COLORREF (0x00BBGGRR) to HSV and back, as the shift does them.
// Saturation is truncate(d / max * 255) with d = max - min.
Hsv ToHsv(std::uint32_t colour);
std::uint32_t FromHsv(Hsv hsv);

// Adds the deltas to the colour's hue, saturation and value, each wrapping
// around (hue at 360, saturation and value at 256). A delta outside its
// range leaves that component alone. The result has no bits above 0xFFFFFF.
std::uint32_t HsvShift(std::uint32_t colour, HsvDeltas deltas);

// Shifts 32-bit DIB pixels in place (blue in the low byte, as 0x00RRGGBB);
// the top byte is cleared. Every pixel gets exactly HsvShift of its colour.
void ShiftPixels(std::span<std::uint32_t> pixels, HsvDeltas deltas);

}  // namespace tebix
