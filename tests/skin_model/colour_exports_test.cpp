// The colour exports: Tebix_Adjust_HSV with its refusals and its effect on
// the skin bitmap, the brush and the cache; Tebix_Alpha and Tebix_GetColor
// on real windows; and the three names exported by the library.
#include "skin/core/colour_exports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "skin/core/hsv_shift.h"
#include "tests/skin_model/gdi_fixture.h"

namespace tebix {
namespace {

using test::Code;

class ColourExportsTest : public test::GdiTest {
 protected:
  void SetUp() override {
    test::GdiTest::SetUp();
    repaints = 0;
    SetSkinModelHooks({nullptr, [] { ++repaints; }});
  }
  static inline int repaints = 0;
};

// The skin bitmap DC's pixels, row by row.
std::vector<COLORREF> SkinPixels() {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) pixels.push_back(GetPixel(SkinBitmapDc(), x, y));
  }
  return pixels;
}

TEST_F(ColourExportsTest, AdjustRefusals) {
  EXPECT_EQ(Tebix_Adjust_HSV(0, 0, 0), 1) << "no skin loaded";
  EXPECT_EQ(Tebix_Adjust_HSV(10, 0, 0), 1);
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock()), 1);

  ASSERT_EQ(Tebix_Adjust_HSV(10, 20, 30), 0);
  EXPECT_EQ(repaints, 1) << "windows are repainted after a recolour";
  const std::vector<COLORREF> shifted = SkinPixels();
  const HBRUSH brush = SkinBackgroundBrush();
  ShiftedColour(0x0000FF);
  ASSERT_EQ(ShiftedColourCacheSize(), 1u);

  struct Case {
    int h, s, v;
    const char* why;
  };
  for (const Case& c :
       {Case{10, 20, 30, "the shift already shown"}, Case{361, 0, 0, "hue above 360"},
        Case{-1, 0, 0, "negative hue"}, Case{0, 257, 0, "saturation above 256"},
        Case{0, -1, 0, "negative saturation"}, Case{0, 0, 257, "brightness above 256"},
        Case{0, 0, -1, "negative brightness"}, Case{360, 256, 257, "one value out of range"}}) {
    EXPECT_EQ(Tebix_Adjust_HSV(c.h, c.s, c.v), 1) << c.why;
  }
  EXPECT_EQ(repaints, 1) << "a refusal repaints nothing";
  EXPECT_EQ(SkinPixels(), shifted) << "and changes nothing";
  EXPECT_EQ(SkinBackgroundBrush(), brush);
  EXPECT_EQ(CurrentDeltas(), (HsvDeltas{10, 20, 30}));
  EXPECT_EQ(ShiftedColourCacheSize(), 1u);

  EXPECT_EQ(Tebix_Adjust_HSV(360, 256, 256), 0) << "the upper limits are accepted";
  EXPECT_EQ(Tebix_Adjust_HSV(0, 0, 0), 0);
  EXPECT_EQ(Tebix_Adjust_HSV(0, 0, 0), 0) << "three zeros are always accepted";
  EXPECT_EQ(repaints, 4);
}

TEST_F(ColourExportsTest, AdjustRecoloursEveryPixelAndRestoresTheSkin) {
  ASSERT_EQ(LoadSkinModel(test::CodedSkinBlock({{3, 3}})), 1);
  const std::vector<COLORREF> loaded = SkinPixels();
  const HsvDeltas deltas{200, 100, 220};
  ASSERT_EQ(Tebix_Adjust_HSV(deltas.hue, deltas.saturation, deltas.brightness), 0);
  const std::vector<COLORREF> shifted = SkinPixels();
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    ASSERT_EQ(shifted[i], HsvShift(loaded[i], deltas)) << "pixel " << i % 64 << ", " << i / 64;
  }
  EXPECT_NE(GetCurrentObject(SkinBitmapDc(), OBJ_BITMAP), LoadedSkinBitmap()) << "a copy is shown";
  EXPECT_EQ(GetPixel(SkinBitmapDc(), 3, 3), HsvShift(test::kMagenta, deltas));
  EXPECT_EQ(ShiftedColour(test::kMagenta), HsvShift(test::kMagenta, deltas))
      << "key colours match the pixels";

  // The brush is rebuilt from the recoloured rectangle 0, (2, 3) 4 x 5.
  HDC back = BackBufferDc(0);
  EXPECT_EQ(GetCurrentObject(back, OBJ_BRUSH), SkinBackgroundBrush());
  PatBlt(back, 0, 0, 4, 5, PATCOPY);
  EXPECT_EQ(GetPixel(back, 1, 1), HsvShift(Code(3, 4), deltas));

  // A second shift starts from the skin as loaded, not from the first shift.
  ASSERT_EQ(Tebix_Adjust_HSV(100, 0, 0), 0);
  EXPECT_EQ(GetPixel(SkinBitmapDc(), 10, 10), HsvShift(Code(10, 10), {100, 0, 0}));

  ASSERT_EQ(Tebix_Adjust_HSV(0, 0, 0), 0);
  EXPECT_EQ(SkinPixels(), loaded) << "three zeros show the skin as loaded";
  EXPECT_EQ(CurrentDeltas(), HsvDeltas{});
  EXPECT_EQ(ShiftedColour(test::kMagenta), test::kMagenta);
  PatBlt(back, 0, 0, 4, 5, PATCOPY);
  EXPECT_EQ(GetPixel(back, 1, 1), Code(3, 4));
}

class Window {
 public:
  Window() {
    window_ = CreateWindowExW(0, L"STATIC", L"colour test", WS_POPUP | WS_VISIBLE | WS_BORDER, 40, 40, 120,
                              80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    UpdateWindow(window_);
  }
  ~Window() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST_F(ColourExportsTest, AlphaMakesARealWindowTranslucent) {
  Window window;
  ASSERT_NE(window.get(), nullptr);
  EXPECT_EQ(Tebix_Alpha(nullptr, 128), 1) << "no window";
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(Tebix_Alpha(gone, 128), 1) << "a destroyed window";

  SetEngineStarted(false);
  EXPECT_EQ(Tebix_Alpha(window.get(), 128), 1) << "the engine has not started";
  EXPECT_EQ(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  SetEngineStarted(true);

  ASSERT_EQ(Tebix_Alpha(window.get(), 128), 0);
  EXPECT_NE(GetWindowLongW(window.get(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  COLORREF key = 1;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.get(), &key, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_EQ(flags, DWORD{LWA_ALPHA});
  ASSERT_EQ(Tebix_Alpha(window.get(), 300), 0);
  ASSERT_TRUE(GetLayeredWindowAttributes(window.get(), &key, &alpha, &flags));
  EXPECT_EQ(alpha, 300 & 0xFF) << "the value is taken as a byte";
}

TEST_F(ColourExportsTest, GetColorReadsTheWindowIncludingItsFrame) {
  Window window;
  ASSERT_NE(window.get(), nullptr);
  HDC dc = GetWindowDC(window.get());
  SetPixel(dc, 0, 0, 0x00A0B0C0);  // on the border
  SetPixel(dc, 30, 20, 0x00102030);
  ReleaseDC(window.get(), dc);
  GdiFlush();
  EXPECT_EQ(Tebix_GetColor(window.get(), 0, 0), 0x00A0B0C0u);
  EXPECT_EQ(Tebix_GetColor(window.get(), 30, 20), 0x00102030u);
  EXPECT_EQ(Tebix_GetColor(window.get(), 500, 20), CLR_INVALID) << "outside the window";
  SetEngineStarted(false);
  EXPECT_EQ(Tebix_GetColor(window.get(), 30, 20), 0u) << "the engine has not started";
}

TEST(ColourExportsLibrary, ExportedUndecoratedWithTheStandardCallingConvention) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::filesystem::path dll = std::filesystem::path(path).parent_path() / L"Tebix_VB6.dll";
  HMODULE library = LoadLibraryW(dll.c_str());
  ASSERT_NE(library, nullptr) << dll;
  using Adjust = int(WINAPI*)(int, int, int);
  using GetColor = COLORREF(WINAPI*)(HWND, int, int);
  using Alpha = int(WINAPI*)(HWND, int);
  auto adjust =
      reinterpret_cast<Adjust>(reinterpret_cast<void*>(GetProcAddress(library, "Tebix_Adjust_HSV")));
  auto get_color =
      reinterpret_cast<GetColor>(reinterpret_cast<void*>(GetProcAddress(library, "Tebix_GetColor")));
  auto alpha = reinterpret_cast<Alpha>(reinterpret_cast<void*>(GetProcAddress(library, "Tebix_Alpha")));
  ASSERT_NE(adjust, nullptr);
  ASSERT_NE(get_color, nullptr);
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(GetProcAddress(library, "_Tebix_Adjust_HSV@12"), nullptr) << "no decorated name";
  // The library has no skin of its own here: refused, with the stack intact
  // across the calls (a caller-pops mismatch would wreck the loop).
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(adjust(10, 20, 30), 1);
  EXPECT_EQ(alpha(nullptr, 10), 1);
  FreeLibrary(library);
}

}  // namespace
}  // namespace tebix
