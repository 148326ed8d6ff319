// Under Wine: the preview's nine-grid drawing agrees with DrawSkinPart pixel
// for pixel on the built skins, and the build put the compact skin where
// the editor and the library look for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_file.h"
#include "skin/core/skin_resources.h"
#include "tests/skin_model/gdi_fixture.h"
#include "tests/skins/built_skins.h"
#include "tools/tbxtool/preview.h"

namespace tebix::test {
namespace {

class BuiltSkinDrawing : public GdiTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    GdiTest::SetUp();
    ASSERT_TRUE(LoadBuiltSkin(GetParam(), skin_, bitmap_));
    const std::vector<std::uint8_t> file = ReadBuiltSkin(GetParam());
    UnpackedBlock block;
    ASSERT_EQ(UnpackSkinFile(file.data(), file.size(), block).status, SkinFileStatus::kOk);
    ASSERT_EQ(LoadSkinModel(block), 1);
  }

  // Draws part `index` into a w x h rectangle both ways over the same
  // backdrop and counts the pixels that differ.
  void Compare(int index, int w, int h) {
    SCOPED_TRACE("part " + std::to_string(index) + " at " + std::to_string(w) + " x " + std::to_string(h));
    const SkinPart& part = skin_.parts[static_cast<std::size_t>(index)];
    ASSERT_GT(part.width, 0);
    constexpr std::uint32_t kBackdrop = 0x00336699;
    const int cw = w + 8, ch = h + 8;
    Canvas canvas(cw, ch, kBackdrop);
    const RECT dest{4, 4, 4 + w, 4 + h};
    DrawSkinPart(canvas.dc(), dest, part, SkinBitmapDc());
    tbx::Raster soft(cw, ch, kBackdrop);
    tbx::DrawPart(soft, bitmap_, part, 4, 4, 4 + w, 4 + h);
    int differing = 0;
    std::string first;
    for (int y = 0; y < ch; ++y) {
      for (int x = 0; x < cw; ++x) {
        if (canvas.At(x, y) == soft.At(x, y)) continue;
        if (differing++ == 0) {
          char text[96];
          std::snprintf(text, sizeof text, "first at (%d, %d): GDI %06X, preview %06X", x, y, canvas.At(x, y),
                        soft.At(x, y));
          first = text;
        }
      }
    }
    EXPECT_EQ(differing, 0) << first;
  }

  tbx::SkinSource skin_;
  tbx::Raster bitmap_;
};

TEST_P(BuiltSkinDrawing, PreviewAgreesWithDrawSkinPartAtOwnAndStretchedSizes) {
  // Keyed and opaque parts, parts with glyphs, gradients stretched along
  // and across, odd stretch factors.
  for (int index : {0, 1, 6, 8, 65, 71, 74, 116, 128, 140, 144, 154, 156, 168, 176, 186, 214, 229, 253}) {
    const SkinPart& part = skin_.parts[static_cast<std::size_t>(index)];
    const tbx::Size big = tbx::StretchedSize(part);
    Compare(index, part.width, part.height);
    Compare(index, big.width, big.height);
    Compare(index, part.width * 3 + 7, part.height + 5);
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, BuiltSkinDrawing, ::testing::ValuesIn(kBuiltSkins));

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(BuiltSkinPlaces, TheEditorCarriesTheCompactSkinAsTbxCompactInSimplifiedChinese) {
  const std::filesystem::path bin = BuiltSkinPath("compact").parent_path().parent_path();
  const std::vector<std::uint8_t> compact = ReadBuiltSkin("compact");
  ASSERT_FALSE(compact.empty());
  HMODULE editor = LoadLibraryExW((bin / "vdkedit.exe").wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(editor, nullptr);
  HRSRC found =
      FindResourceExW(editor, L"TBX", L"COMPACT", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  ASSERT_NE(found, nullptr);
  ASSERT_EQ(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), 2052);
  const DWORD size = SizeofResource(editor, found);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(editor, found)));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::vector<std::uint8_t>(data, data + size), compact);
  FreeLibrary(editor);
  // The library's default skin file beside it is the same skin.
  EXPECT_TRUE(std::filesystem::exists(bin / "Tebix_VB6.dll"));
  EXPECT_EQ(ReadAll(bin / "tebix.tbx"), compact);
}

}  // namespace
}  // namespace tebix::test
