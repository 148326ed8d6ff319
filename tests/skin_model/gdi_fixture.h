// Shared pieces of the Wine tests: the drawing surfaces set up and torn down
// around each test, a skin whose every pixel names its own position, and a
// 32-bit canvas to draw into and read back.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "skin/core/engine_state.h"
#include "skin/core/shifted_colour.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "tests/skin_model/test_skins.h"

namespace tebix::test {

inline constexpr std::uint32_t kMagenta = 0xFF00FF;

// The colour of skin pixel (x, y): red 4x, green 8y, blue 0x40. Never the
// key colour, and (x, y) can be read back from it.
inline std::uint32_t Code(int x, int y) {
  return static_cast<std::uint32_t>(4 * x) | static_cast<std::uint32_t>(8 * y) << 8 | 0x40u << 16;
}
inline int CodeX(std::uint32_t colour) {
  return static_cast<int>(colour & 0xFF) / 4;
}
inline int CodeY(std::uint32_t colour) {
  return static_cast<int>((colour >> 8) & 0xFF) / 8;
}
inline bool IsCode(std::uint32_t colour) {
  return (colour >> 16) == 0x40;
}

// A 64 x 32 skin bitmap of Code pixels; `keyed` pixels are magenta.
inline Bytes CodedDib(std::initializer_list<std::pair<int, int>> keyed = {}, int bits = 32) {
  Bytes dib = tbx::MakeSampleDib(64, 32, bits);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) PutPixel(dib, x, y, Code(x, y));
  }
  for (auto [x, y] : keyed) PutPixel(dib, x, y, kMagenta);
  return dib;
}

inline Bytes CodedSkinBlock(std::initializer_list<std::pair<int, int>> keyed = {}) {
  tbx::SkinSource skin = NumberedSkin(22, 63, 15, 29, 48);
  skin.rectangles[0] = {2, 3, 4, 5};
  skin.bitmap = CodedDib(keyed);
  return tbx::BuildSkinBlock(skin);
}

class GdiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartDrawingSurfaces());
    SetEngineStarted(true);
    ResetDeltas();
  }
  void TearDown() override {
    FreeSkinModel();
    StopDrawingSurfaces();
    SetEngineStarted(false);
    ResetDeltas();
    SetSkinModelHooks({});
  }
};

// A top-down 32-bit DIB section selected into its own memory DC.
class Canvas {
 public:
  Canvas(int width, int height, std::uint32_t fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width * height; ++i) bits_[i] = ToDib(fill);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  // COLORREF of pixel (x, y).
  std::uint32_t At(int x, int y) const {
    GdiFlush();
    return ToDib(bits_[y * width_ + x]);  // the swap is its own inverse
  }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  static std::uint32_t ToDib(std::uint32_t c) { return ((c >> 16) & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16; }
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_;
};

}  // namespace tebix::test
