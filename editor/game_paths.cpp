#include "editor/game_paths.h"

namespace vdk {

std::filesystem::path SharedBinPath;
std::filesystem::path ExePath;

}  // namespace vdk
