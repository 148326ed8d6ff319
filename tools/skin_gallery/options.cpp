#include "tools/skin_gallery/options.h"

#include <cwchar>
#include <system_error>

namespace gallery {

namespace {

// "H,S,B": three integers and nothing else.
bool ParseShift(const std::wstring& text, Options& options) {
  int values[3] = {};
  const wchar_t* p = text.c_str();
  for (int i = 0; i < 3; ++i) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(p, &end, 10);
    if (end == p || value < -100000 || value > 100000) return false;
    values[i] = static_cast<int>(value);
    p = end;
    if (i < 2 && *p++ != L',') return false;
  }
  if (*p != L'\0') return false;
  options.shifted = true;
  options.hue = values[0];
  options.saturation = values[1];
  options.brightness = values[2];
  return true;
}

}  // namespace

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
    } else if (argument == L"--shift" || argument.starts_with(L"--shift=")) {
      const bool separate = argument == L"--shift";
      if (separate && i + 1 == arguments.size()) {
        parsed.error = L"--shift needs three numbers: hue,saturation,brightness.";
        return parsed;
      }
      if (!ParseShift(separate ? arguments[++i] : argument.substr(8), options)) {
        parsed.error = L"--shift needs three numbers: hue,saturation,brightness.";
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
