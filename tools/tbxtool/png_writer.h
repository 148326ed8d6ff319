// PNG files of pictures: 8-bit RGB, the image data in stored (uncompressed)
// deflate blocks, which every PNG reader accepts.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/tbxtool/raster.h"

namespace tebix::tbx {

std::vector<std::uint8_t> EncodePng(const Raster& raster);

// The checksums a PNG file carries, for chunks and for the zlib stream.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

}  // namespace tebix::tbx
