// The skins the build packed (bin/skins/*.tbx), read back for the tests.
#pragma once

#include <filesystem>
#include <string>

#include "tools/tbxtool/raster.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::test {

inline const char* const kBuiltSkins[] = {"compact", "dark"};

std::filesystem::path BuiltSkinPath(const std::string& name);
// The packed file as bytes; fails the calling test when it is missing.
std::vector<std::uint8_t> ReadBuiltSkin(const std::string& name);
// The skin's tables and bitmap, through the tool's own reader.
bool LoadBuiltSkin(const std::string& name, tbx::SkinSource& skin, tbx::Raster& bitmap);

}  // namespace tebix::test
