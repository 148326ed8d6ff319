// Loading a skin from a memory block or a skin file, with the library's two
// message boxes for unusable input (Win32).
#pragma once

#include <cstdint>

#include "skin/core/lzari_decoder.h"

namespace tebix {

// Takes over an unpacked skin block as the current skin; returns 1 when it
// did, 0 when it refused the block. Called only with a completely unpacked
// block of at least the header's size.
using SkinInstaller = int (*)(const UnpackedBlock& block);

// The messages and their captions.
inline constexpr wchar_t kBadSkinFileText[] = L"无效的皮肤文件!";
inline constexpr wchar_t kBadSkinFileCaption[] = L"错误";
inline constexpr wchar_t kBadSkinFormatText[] = L"无效的皮肤格式!";
inline constexpr wchar_t kBadSkinFormatCaption[] = L"错误!";

// Checks and unpacks the block and hands it to `install`. Returns 1 when the
// skin was installed and 0 otherwise; a missing or empty block shows
// "无效的皮肤文件!", a wrong magic or a damaged stream "无效的皮肤格式!".
// Nothing is installed unless the whole block unpacked, so the current skin
// stays as it was on every failure.
int LoadSkinBlock(const void* block, std::uint32_t length, SkinInstaller install);

// Reads the whole file (opened for reading, no sharing) and loads it as
// above. A file that cannot be opened or read, is empty or is too large
// shows "无效的皮肤文件!" and gives 0.
int LoadSkinFile(const char* path, SkinInstaller install);

}  // namespace tebix
