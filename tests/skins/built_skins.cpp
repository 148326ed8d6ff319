#include "tests/skins/built_skins.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/core/skin_file.h"

namespace tebix::test {

std::filesystem::path BuiltSkinPath(const std::string& name) {
  return std::filesystem::path(BUILT_SKINS_DIR) / (name + ".tbx");
}

std::vector<std::uint8_t> ReadBuiltSkin(const std::string& name) {
  std::ifstream in(BuiltSkinPath(name), std::ios::binary);
  EXPECT_TRUE(in) << "missing " << BuiltSkinPath(name).string();
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool LoadBuiltSkin(const std::string& name, tbx::SkinSource& skin, tbx::Raster& bitmap) {
  const std::vector<std::uint8_t> file = ReadBuiltSkin(name);
  UnpackedBlock block;
  const SkinFileResult result = UnpackSkinFile(file.data(), file.size(), block);
  EXPECT_EQ(result.status, SkinFileStatus::kOk) << name;
  std::string error;
  if (!tbx::ReadSkinBlock(block.bytes(), skin, error)) {
    ADD_FAILURE() << name << ": " << error;
    return false;
  }
  if (!tbx::DibToRaster(skin.bitmap, bitmap, error)) {
    ADD_FAILURE() << name << ": " << error;
    return false;
  }
  return result.status == SkinFileStatus::kOk;
}

}  // namespace tebix::test
