#include "skin/core/skin_file_load.h"

#include <windows.h>

#include <memory>

#include "skin/core/skin_file.h"

namespace tebix {
namespace {

// A packed skin is smaller than what it unpacks to; anything beyond this is
// not a skin file.
constexpr DWORD kMaxSkinFileBytes = 2 * kMaxUnpackedSize;

int BadSkinFile() {
  MessageBoxW(nullptr, kBadSkinFileText, kBadSkinFileCaption, MB_OK);
  return 0;
}

int BadSkinFormat() {
  MessageBoxW(nullptr, kBadSkinFormatText, kBadSkinFormatCaption, MB_OK);
  return 0;
}

}  // namespace

int LoadSkinBlock(const void* block, std::uint32_t length, SkinInstaller install) {
  UnpackedBlock unpacked;
  const SkinFileResult result = UnpackSkinFile(block, length, unpacked);
  switch (result.status) {
    case SkinFileStatus::kOk:
      break;
    case SkinFileStatus::kEmpty:
      return BadSkinFile();
    case SkinFileStatus::kBadMagic:
    case SkinFileStatus::kBadStream:
    case SkinFileStatus::kNoHeader:
      return BadSkinFormat();
  }
  return install != nullptr && install(unpacked) == 1 ? 1 : 0;
}

int LoadSkinFile(const char* path, SkinInstaller install) {
  if (path == nullptr) return BadSkinFile();
  HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return BadSkinFile();
  LARGE_INTEGER size{};
  std::unique_ptr<std::uint8_t[]> buffer;
  DWORD read = 0;
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= kMaxSkinFileBytes;
  if (ok) {
    buffer.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(size.QuadPart)]);
    ok = buffer != nullptr &&
         ReadFile(file, buffer.get(), static_cast<DWORD>(size.QuadPart), &read, nullptr) &&
         read == static_cast<DWORD>(size.QuadPart);
  }
  CloseHandle(file);
  if (!ok) return BadSkinFile();
  return LoadSkinBlock(buffer.get(), read, install);
}

}  // namespace tebix
