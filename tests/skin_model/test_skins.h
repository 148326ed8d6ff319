// Skin blocks made in the tests: table entries with recognisable values and
// 32- or 24-bit bitmaps whose pixels the tests set one by one.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "tools/tbxtool/sample_skin.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::test {

using Bytes = std::vector<std::uint8_t>;

// A skin with the given table sizes; entry i of each table carries values
// derived from i so that a misplaced entry shows.
inline tbx::SkinSource NumberedSkin(int metrics, int colours, int pairs, int rectangles, int parts) {
  tbx::SkinSource skin;
  for (int i = 0; i < metrics; ++i) skin.metrics.push_back(1000 + i);
  for (int i = 0; i < colours; ++i) skin.colours.push_back(0x00100000 + i);
  for (int i = 0; i < pairs; ++i) skin.offset_pairs.push_back({i, -i});
  for (int i = 0; i < rectangles; ++i) skin.rectangles.push_back({i, i + 1, i + 2, i + 3});
  for (int i = 0; i < parts; ++i) {
    SkinPart part{};
    part.x = i;
    part.y = 2 * i;
    part.glyph_shift_y = -i;
    skin.parts.push_back(part);
  }
  skin.bitmap = tbx::MakeSampleDib(8, 4, 32);
  return skin;
}

// Writes a pixel (COLORREF 0x00BBGGRR) into a bottom-up packed DIB made by
// MakeSampleDib; (x, y) counts from the top-left.
inline void PutPixel(Bytes& dib, int x, int y, std::uint32_t colour) {
  std::int32_t width, height;
  std::uint16_t bits;
  std::memcpy(&width, dib.data() + 4, 4);
  std::memcpy(&height, dib.data() + 8, 4);
  std::memcpy(&bits, dib.data() + 14, 2);
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  std::uint8_t* p = dib.data() + 40 + static_cast<std::size_t>(height - 1 - y) * stride +
                    static_cast<std::size_t>(x) * (bits / 8);
  p[0] = static_cast<std::uint8_t>(colour >> 16);
  p[1] = static_cast<std::uint8_t>(colour >> 8);
  p[2] = static_cast<std::uint8_t>(colour);
}

// The same 32-bit DIB with BI_BITFIELDS and the usual red, green and blue
// masks between its header and its pixels.
inline Bytes WithColourMasks(Bytes dib) {
  const std::uint8_t masks[12] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
  dib.insert(dib.begin() + 40, masks, masks + 12);
  dib[16] = 3;  // BI_BITFIELDS
  return dib;
}

// Offset of the bitmap in a block built from `skin` (behind all its tables).
inline std::size_t BitmapOffset(const tbx::SkinSource& skin) {
  return 64 + 4 * skin.metrics.size() + 4 * skin.colours.size() + 8 * skin.offset_pairs.size() +
         16 * skin.rectangles.size() + 72 * skin.parts.size();
}

}  // namespace tebix::test
