#include "tools/skin_gallery/options.h"

#include <system_error>

namespace gallery {

ParsedOptions ParseOptions(std::span<const std::wstring> arguments) {
  ParsedOptions parsed;
  Options& options = parsed.options;
  bool skinGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& argument = arguments[i];
    if (argument == L"--no-skin") {
      options.noSkin = true;
    } else if (argument == L"--page") {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        parsed.error = L"--page needs a page name.";
        return parsed;
      }
      options.page = arguments[++i];
    } else if (argument.starts_with(L"--page=")) {
      options.page = argument.substr(7);
      if (options.page.empty()) {
        parsed.error = L"--page needs a page name.";
        return parsed;
      }
    } else if (argument.starts_with(L"--") || argument == L"-h" || argument == L"/?") {
      parsed.error = L"Unknown option: " + argument;
      return parsed;
    } else if (skinGiven) {
      parsed.error = L"Only one skin file can be given; \"" + argument + L"\" is one too many.";
      return parsed;
    } else if (argument.empty()) {
      parsed.error = L"The skin file name is empty.";
      return parsed;
    } else {
      options.skinFile = argument;
      skinGiven = true;
    }
  }
  return parsed;
}

std::filesystem::path ResolveSkinFile(const std::filesystem::path& file,
                                      const std::filesystem::path& currentFolder,
                                      const std::filesystem::path& programFolder) {
  if (file.is_absolute()) return file;
  std::error_code error;
  const std::filesystem::path here = currentFolder / file;
  if (std::filesystem::is_regular_file(here, error)) return here.lexically_normal();
  return (programFolder / file).lexically_normal();
}

}  // namespace gallery
