#include "tools/tbxtool/png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tebix::tbx {
namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr auto kCrcTable = MakeCrcTable();

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, Crc32(std::span(out).subspan(start)));
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  crc = ~crc;
  for (std::uint8_t b : bytes) crc = kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

std::vector<std::uint8_t> EncodePng(const Raster& raster) {
  // Filter type 0 (none) before every row, then the RGB bytes.
  std::vector<std::uint8_t> scanlines;
  scanlines.reserve(static_cast<std::size_t>(raster.height()) *
                    (1 + 3 * static_cast<std::size_t>(raster.width())));
  for (int y = 0; y < raster.height(); ++y) {
    scanlines.push_back(0);
    for (int x = 0; x < raster.width(); ++x) {
      const Colour c = raster.At(x, y);
      scanlines.push_back(static_cast<std::uint8_t>(Red(c)));
      scanlines.push_back(static_cast<std::uint8_t>(Green(c)));
      scanlines.push_back(static_cast<std::uint8_t>(Blue(c)));
    }
  }
  // zlib: header, stored blocks of at most 65535 bytes, Adler-32.
  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  std::size_t pos = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, scanlines.size() - pos);
    const bool last = pos + n == scanlines.size();
    zlib.push_back(last ? 1 : 0);
    zlib.push_back(static_cast<std::uint8_t>(n));
    zlib.push_back(static_cast<std::uint8_t>(n >> 8));
    zlib.push_back(static_cast<std::uint8_t>(~n));
    zlib.push_back(static_cast<std::uint8_t>(~n >> 8));
    zlib.insert(zlib.end(), scanlines.begin() + static_cast<std::ptrdiff_t>(pos),
                scanlines.begin() + static_cast<std::ptrdiff_t>(pos + n));
    pos += n;
  } while (pos < scanlines.size());
  PutBig32(zlib, Adler32(scanlines));

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutBig32(header, static_cast<std::uint32_t>(raster.width()));
  PutBig32(header, static_cast<std::uint32_t>(raster.height()));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filter 0, no interlace
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", zlib);
  Chunk(png, "IEND", {});
  return png;
}

}  // namespace tebix::tbx
