// The skinning library as the gallery uses it: loaded by name and its
// exports resolved by name, any of which may be missing while the library
// is being built up. A missing export leaves its pointer null.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace gallery {

inline constexpr wchar_t kLibraryName[] = L"Tebix_VB6.dll";

struct TebixLibrary {
  // Every export uses the standard calling convention and 32-bit values.
  using Attach = int(WINAPI*)();
  using AttachEx = int(WINAPI*)(const char* pathOrNull, const char* password);
  using AttachExt = int(WINAPI*)(const char* path, const char* password, int hue, int saturation,
                                 int brightness);
  using AttachRes = int(WINAPI*)(const void* block, int length, const char* password, int hue, int saturation,
                                 int brightness);
  using Detach = int(WINAPI*)();
  using DetachEx = int(WINAPI*)(HWND window);
  using AdjustHsv = int(WINAPI*)(int hue, int saturation, int brightness);
  using GetColor = COLORREF(WINAPI*)(HWND window, int x, int y);
  using Alpha = int(WINAPI*)(HWND window, int alpha);
  using Map = int(WINAPI*)(HWND window, int value);

  HMODULE module = nullptr;
  DWORD loadError = 0;  // GetLastError of a failed load
  Attach attach = nullptr;
  AttachEx attachEx = nullptr;
  AttachExt attachExt = nullptr;
  AttachRes attachRes = nullptr;
  Detach detach = nullptr;
  DetachEx detachEx = nullptr;
  AdjustHsv adjustHsv = nullptr;
  GetColor getColor = nullptr;
  Alpha alpha = nullptr;
  Map map = nullptr;
  std::vector<std::string> missing;  // names of the exports not found

  // Loads the library with LoadLibraryW (the standard search order looks in
  // the program's own folder first) and resolves every export. False when
  // the library itself could not be loaded.
  bool Load();

  // What to tell the user about a missing library or missing exports; empty
  // when everything is there.
  std::wstring Problems() const;
};

// `path` in the ANSI code page, as the attach functions take it; the short
// form of the path when the long one has characters the code page lacks.
std::string AnsiPath(const std::filesystem::path& path);

}  // namespace gallery
