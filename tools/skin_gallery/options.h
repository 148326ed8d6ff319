// The gallery's command line:
//   skin_gallery.exe [SKINFILE] [--page NAME] [--shift H,S,B] [--no-skin]
#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace gallery {

inline constexpr wchar_t kUsage[] =
    L"skin_gallery.exe [SKINFILE] [--page NAME] [--shift H,S,B] [--no-skin]\n\n"
    L"SKINFILE  the skin to attach (default tebix.tbx; a relative path not found in the\n"
    L"          current folder is taken from the program's folder)\n"
    L"--page    the page to open: its name, title or number\n"
    L"--shift   hue, saturation and brightness shifts to attach the skin with (e.g. 120,0,0)\n"
    L"--no-skin load no library: the plain look, for comparison";

struct Options {
  std::wstring skinFile = L"tebix.tbx";
  std::wstring page;  // empty: the first page
  bool noSkin = false;
  bool shifted = false;  // --shift given
  int hue = 0, saturation = 0, brightness = 0;
};

struct ParsedOptions {
  Options options;
  std::wstring error;  // empty when the arguments are good
};

// Parses the arguments that follow the program name. "--page" takes the
// next argument or the text after "--page=".
ParsedOptions ParseOptions(std::span<const std::wstring> arguments);

// The skin file to attach: an absolute path as it is; a relative one in
// `currentFolder` when it exists there, else in `programFolder`.
std::filesystem::path ResolveSkinFile(const std::filesystem::path& file,
                                      const std::filesystem::path& currentFolder,
                                      const std::filesystem::path& programFolder);

}  // namespace gallery
