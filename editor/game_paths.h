// The two game files the user chose in the main window. Set only by the
// main window, read by every editor; each operation opens the file anew.
#pragma once

#include <filesystem>

namespace vdk {

extern std::filesystem::path SharedBinPath;  // SHARED.BIN, empty until chosen
extern std::filesystem::path ExePath;        // VDKX_418.06, empty until chosen

}  // namespace vdk
