// The command line that starts the disc-image tool shipped in the data folder.
#pragma once

#include <string>

namespace vdk {

// The program folder, then "\" + "data\", then "\Voruzo.exe" (two separators
// before the tool's name, which the file system accepts), behind the shell's
// file-protocol handler.
std::wstring DiscImageToolCommand(const std::wstring& programFolder);

}  // namespace vdk
