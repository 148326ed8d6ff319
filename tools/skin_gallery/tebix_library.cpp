#include "tools/skin_gallery/tebix_library.h"

#include <algorithm>

namespace gallery {

namespace {

template <typename Function>
void Resolve(HMODULE module, const char* name, Function& slot, std::vector<std::string>& missing) {
  slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!slot) missing.emplace_back(name);
}

// The ANSI form of `text`, or nothing when a character has no ANSI form.
bool ToAnsi(const std::wstring& text, std::string& ansi) {
  ansi.clear();
  if (text.empty()) return true;
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(),
                                         static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return false;
  ansi.resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()), ansi.data(),
                      length, nullptr, &lossy);
  return !lossy;
}

}  // namespace

bool TebixLibrary::Load() {
  module = LoadLibraryW(kLibraryName);
  if (!module) {
    loadError = GetLastError();
    return false;
  }
  missing.clear();
  Resolve(module, "Tebix_Attach", attach, missing);
  Resolve(module, "Tebix_Attach_Ex", attachEx, missing);
  Resolve(module, "Tebix_Attach_Ext", attachExt, missing);
  Resolve(module, "Tebix_Attach_Res", attachRes, missing);
  Resolve(module, "Tebix_Detach", detach, missing);
  Resolve(module, "Tebix_Detach_Ex", detachEx, missing);
  Resolve(module, "Tebix_Adjust_HSV", adjustHsv, missing);
  Resolve(module, "Tebix_GetColor", getColor, missing);
  Resolve(module, "Tebix_Alpha", alpha, missing);
  Resolve(module, "Tebix_Map", map, missing);
  return true;
}

std::wstring TebixLibrary::Problems() const {
  if (!module) {
    return std::wstring(kLibraryName) + L" could not be loaded (error " + std::to_wstring(loadError) +
           L"). The gallery runs unskinned.";
  }
  if (missing.empty()) return {};
  std::wstring text = std::wstring(kLibraryName) + L": ";
  for (std::size_t i = 0; i < missing.size(); ++i) {
    if (i) text += L", ";
    text.append(missing[i].begin(), missing[i].end());
  }
  text += L" not found. The gallery carries on; what needs them is greyed out.";
  return text;
}

std::string AnsiPath(const std::filesystem::path& path) {
  std::string ansi;
  if (ToAnsi(path.wstring(), ansi)) return ansi;
  wchar_t shortPath[MAX_PATH * 2] = L"";
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath, static_cast<DWORD>(std::size(shortPath)));
  if (length > 0 && length < std::size(shortPath) && ToAnsi(shortPath, ansi)) return ansi;
  // No ANSI form at all: pass the best the code page can do; the library
  // reports the file it cannot open.
  const std::wstring wide = path.wstring();
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
  ansi.resize(static_cast<std::size_t>(std::max(size, 0)));
  if (size > 0) {
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), ansi.data(), size, nullptr,
                        nullptr);
  }
  return ansi;
}

}  // namespace gallery
