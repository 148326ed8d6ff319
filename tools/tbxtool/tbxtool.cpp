#include "tools/tbxtool/tbxtool.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "skin/core/lzari_decoder.h"
#include "skin/core/skin_block_format.h"
#include "skin/core/skin_file.h"
#include "tools/tbxtool/lzari_encoder.h"
#include "tools/tbxtool/png_writer.h"
#include "tools/tbxtool/preview.h"
#include "tools/tbxtool/skin_source.h"

namespace tebix::tbx {
namespace {

namespace fs = std::filesystem;

constexpr char kUsage[] =
    "usage:\n"
    "  tbxtool info FILE.tbx            what a skin file holds\n"
    "  tbxtool unpack FILE.tbx FOLDER   writes FOLDER/skin.txt (the tables) and FOLDER/skin.bmp\n"
    "  tbxtool pack FOLDER FILE.tbx     builds a skin file from such a folder\n"
    "  tbxtool decode FILE.tbx OUT.bin  writes the unpacked block\n"
    "  tbxtool encode IN.bin FILE.tbx   packs any block into a skin file\n"
    "  tbxtool preview FILE.tbx OUT.png draws a contact sheet of the skin and reports its text contrast\n";

// Largest file the tool reads: a packed skin never comes near it.
constexpr std::uintmax_t kMaxInputBytes = 2ull * kMaxUnpackedSize;

// A failure with its message; commands return it up to RunTbxTool.
struct Failure {
  std::string message;
};

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) throw Failure{"cannot read " + path.string() + ": no such file"};
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) throw Failure{"cannot read " + path.string() + ": " + ec.message()};
  if (size > kMaxInputBytes) throw Failure{path.string() + " is too large (" + std::to_string(size) + " bytes)"};
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    throw Failure{"cannot read " + path.string()};
  }
  return bytes;
}

void WriteWholeFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Failure{"cannot write " + path.string()};
}

std::string DescribeFailure(const SkinFileResult& result) {
  std::string text = Describe(result.status);
  if (result.status == SkinFileStatus::kBadStream) text += std::string(": ") + Describe(result.stream);
  return text;
}

// Reads and unpacks a skin file; throws with a message when it cannot.
UnpackedBlock ReadSkinFile(const fs::path& path) {
  const std::vector<std::uint8_t> file = ReadWholeFile(path);
  UnpackedBlock block;
  const SkinFileResult result = UnpackSkinFile(file.data(), file.size(), block);
  if (result.status != SkinFileStatus::kOk && result.status != SkinFileStatus::kNoHeader) {
    throw Failure{path.string() + ": " + DescribeFailure(result)};
  }
  if (result.status == SkinFileStatus::kNoHeader) {
    // Not a skin, but a valid stream: unpack again without the header check.
    LzariDecode(std::span(file).subspan(kSkinMagic.size()), block);
  }
  return block;
}

std::vector<std::uint8_t> PackToFile(std::span<const std::uint8_t> block) {
  if (block.size() > kMaxUnpackedSize) {
    throw Failure{"the block is " + std::to_string(block.size()) +
                  " bytes long; skin files hold at most 64 MiB"};
  }
  std::vector<std::uint8_t> file(kSkinMagic.begin(), kSkinMagic.end());
  const std::vector<std::uint8_t> stream = LzariEncode(block);
  file.insert(file.end(), stream.begin(), stream.end());
  return file;
}

SkinSource ReadSkin(const fs::path& path, const UnpackedBlock& block) {
  SkinSource source;
  std::string error;
  if (!ReadSkinBlock(block.bytes(), source, error)) throw Failure{path.string() + ": not a skin: " + error};
  return source;
}

int Info(const fs::path& path, std::ostream& out) {
  const std::vector<std::uint8_t> file = ReadWholeFile(path);
  out << "file: " << path.string() << ", " << file.size() << " bytes\n";
  if (file.size() >= kSkinMagic.size()) {
    out << "magic: ";
    for (std::size_t i = 0; i < kSkinMagic.size(); ++i) {
      const char c = static_cast<char>(file[i]);
      out << (c >= 0x20 && c < 0x7F ? c : '?');
    }
    out << "\n";
  }
  if (file.size() >= kSkinMagic.size() + 4) {
    out << "declared unpacked size: " << static_cast<std::uint32_t>(ReadInt32(file, kSkinMagic.size()))
        << " bytes\n";
  }
  const UnpackedBlock block = ReadSkinFile(path);
  out << "real unpacked size: " << block.size() << " bytes\n";
  const SkinSource skin = ReadSkin(path, block);
  SkinBlockLayout layout;
  std::string error;
  ParseSkinBlockLayout(block.bytes(), layout, error);
  out << "tables: " << skin.metrics.size() << " metrics, " << skin.colours.size() << " colours, "
      << skin.offset_pairs.size() << " offset pairs, " << skin.rectangles.size() << " rectangles, "
      << skin.parts.size() << " parts\n";
  const SkinBitmapLayout& bitmap = layout.bitmap;
  out << "bitmap: " << bitmap.width << " x " << (bitmap.height < 0 ? -std::int64_t{bitmap.height} : bitmap.height)
      << " pixels, " << bitmap.bit_count << " bits per pixel, " << (bitmap.height < 0 ? "top-down" : "bottom-up")
      << (bitmap.compression == kBiBitfields ? ", with colour masks" : "") << ", at offset " << bitmap.offset
      << "\n";
  if (bitmap.bit_count < kMinSkinBitCount) {
    throw Failure{path.string() + ": the bitmap has fewer than 24 bits per pixel; the library will not load it"};
  }
  return 0;
}

int Unpack(const fs::path& path, const fs::path& folder, std::ostream& out) {
  const SkinSource skin = ReadSkin(path, ReadSkinFile(path));
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) throw Failure{"cannot make the folder " + folder.string()};
  const std::string tables = WriteSkinTables(skin);
  WriteWholeFile(folder / kTablesFileName, std::span(reinterpret_cast<const std::uint8_t*>(tables.data()), tables.size()));
  WriteWholeFile(folder / kBitmapFileName, MakeBmpFile(skin.bitmap));
  out << "wrote " << (folder / kTablesFileName).string() << " and " << (folder / kBitmapFileName).string() << "\n";
  return 0;
}

int Pack(const fs::path& folder, const fs::path& path, std::ostream& out) {
  const fs::path tables_path = folder / kTablesFileName;
  const fs::path bitmap_path = folder / kBitmapFileName;
  const std::vector<std::uint8_t> text = ReadWholeFile(tables_path);
  SkinSource skin;
  std::string error;
  if (!ParseSkinTables(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), skin, error)) {
    throw Failure{tables_path.string() + " " + error};
  }
  if (!ReadBmpFile(ReadWholeFile(bitmap_path), skin.bitmap, error)) throw Failure{bitmap_path.string() + ": " + error};
  SkinBitmapLayout bitmap;
  ParseSkinBitmap(skin.bitmap, 0, bitmap, error);
  if (bitmap.bit_count < kMinSkinBitCount) {
    throw Failure{bitmap_path.string() + " has " + std::to_string(bitmap.bit_count) +
                  " bits per pixel; skins need 24 or 32"};
  }
  const std::vector<std::uint8_t> block = BuildSkinBlock(skin);
  const std::vector<std::uint8_t> file = PackToFile(block);
  WriteWholeFile(path, file);
  out << "wrote " << path.string() << ": " << file.size() << " bytes, unpacking to " << block.size() << "\n";
  return 0;
}

int Decode(const fs::path& path, const fs::path& target, std::ostream& out) {
  const UnpackedBlock block = ReadSkinFile(path);
  WriteWholeFile(target, block.bytes());
  out << "wrote " << target.string() << ": " << block.size() << " bytes\n";
  return 0;
}

int Encode(const fs::path& source, const fs::path& path, std::ostream& out) {
  const std::vector<std::uint8_t> block = ReadWholeFile(source);
  const std::vector<std::uint8_t> file = PackToFile(block);
  WriteWholeFile(path, file);
  out << "wrote " << path.string() << ": " << file.size() << " bytes\n";
  return 0;
}

int Preview(const fs::path& path, const fs::path& target, std::ostream& out) {
  const SkinSource skin = ReadSkin(path, ReadSkinFile(path));
  Raster bitmap;
  std::string error;
  if (!DibToRaster(skin.bitmap, bitmap, error)) throw Failure{path.string() + ": " + error};
  const std::vector<ContrastResult> contrast = CheckTextContrast(skin, bitmap);
  const std::vector<std::uint8_t> png = EncodePng(MakeContactSheet(skin, bitmap, contrast));
  WriteWholeFile(target, png);
  WriteContrastReport(contrast, skin, out);
  out << "wrote " << target.string() << ": " << png.size() << " bytes\n";
  return 0;
}

}  // namespace

int RunTbxTool(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty() || (args.size() == 1 && (args[0] == "help" || args[0] == "--help" || args[0] == "-h"))) {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? 2 : 0;
  }
  const std::string& command = args[0];
  const std::size_t expected = command == "info" ? 2 : 3;
  const bool known = command == "info" || command == "unpack" || command == "pack" || command == "decode" ||
                     command == "encode" || command == "preview";
  if (!known) {
    err << "tbxtool: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
  }
  if (args.size() != expected) {
    err << "tbxtool: " << command << " takes " << expected - 1 << " argument(s)\n" << kUsage;
    return 2;
  }
  try {
    const fs::path a(args[1]);
    if (command == "info") return Info(a, out);
    const fs::path b(args[2]);
    if (command == "unpack") return Unpack(a, b, out);
    if (command == "pack") return Pack(a, b, out);
    if (command == "decode") return Decode(a, b, out);
    if (command == "preview") return Preview(a, b, out);
    return Encode(a, b, out);
  } catch (const Failure& failure) {
    err << "tbxtool: " << failure.message << "\n";
  } catch (const std::exception& e) {
    err << "tbxtool: " << e.what() << "\n";
  }
  return 1;
}

}  // namespace tebix::tbx
