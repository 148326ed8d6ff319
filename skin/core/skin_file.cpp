#include "skin/core/skin_file.h"

#include <cstring>

namespace tebix {

const char* Describe(SkinFileStatus status) {
  switch (status) {
    case SkinFileStatus::kOk:
      return "ok";
    case SkinFileStatus::kEmpty:
      return "the skin file is empty";
    case SkinFileStatus::kBadMagic:
      return "not a skin file: it does not start with \".TBX\"";
    case SkinFileStatus::kBadStream:
      return "the packed skin is damaged";
    case SkinFileStatus::kNoHeader:
      return "the unpacked skin is too short for its header";
  }
  return "unknown error";
}

SkinFileResult UnpackSkinFile(const void* block, std::size_t length, UnpackedBlock& out) {
  out.clear();
  if (block == nullptr || length == 0) return {SkinFileStatus::kEmpty};
  const auto* bytes = static_cast<const std::uint8_t*>(block);
  if (length < kSkinMagic.size() || std::memcmp(bytes, kSkinMagic.data(), kSkinMagic.size()) != 0) {
    return {SkinFileStatus::kBadMagic};
  }
  const std::span<const std::uint8_t> stream(bytes + kSkinMagic.size(), length - kSkinMagic.size());
  const LzariStatus unpacked = LzariDecode(stream, out);
  if (unpacked != LzariStatus::kOk) return {SkinFileStatus::kBadStream, unpacked};
  if (out.size() < kSkinBlockHeaderBytes) {
    out.clear();
    return {SkinFileStatus::kNoHeader};
  }
  return {};
}

}  // namespace tebix
