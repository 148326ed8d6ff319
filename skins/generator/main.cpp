// skingen THEME.txt FOLDER: paints a skin from a theme file and writes it as
// a skin source folder (the tables as text and the bitmap as BMP), which
// `tbxtool pack` turns into a skin file.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "skins/generator/skin_painter.h"
#include "skins/generator/theme.h"
#include "tools/tbxtool/skin_source.h"

namespace {

namespace fs = std::filesystem;

bool WriteFile(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: skingen THEME.txt FOLDER\n";
    return 2;
  }
  const fs::path theme_path(argv[1]);
  const fs::path folder(argv[2]);
  std::ifstream in(theme_path, std::ios::binary);
  if (!in) {
    std::cerr << "skingen: cannot read " << theme_path.string() << "\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  tebix::skins::Theme theme;
  std::string error;
  if (!tebix::skins::ParseTheme(text, theme, error)) {
    std::cerr << "skingen: " << theme_path.string() << ": " << error << "\n";
    return 1;
  }
  const tebix::tbx::SkinSource skin = tebix::skins::PaintSkin(theme);
  std::error_code ec;
  fs::create_directories(folder, ec);
  const std::string tables = tebix::tbx::WriteSkinTables(skin);
  const std::vector<std::uint8_t> bmp = tebix::tbx::MakeBmpFile(skin.bitmap);
  if (!WriteFile(folder / tebix::tbx::kTablesFileName, tables.data(), tables.size()) ||
      !WriteFile(folder / tebix::tbx::kBitmapFileName, bmp.data(), bmp.size())) {
    std::cerr << "skingen: cannot write into " << folder.string() << "\n";
    return 1;
  }
  std::cout << "skingen: " << theme.name << " -> " << folder.string() << "\n";
  return 0;
}
