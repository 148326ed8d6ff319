// The gallery's main window: the page list on the left, the page in the
// middle, the library's controls on the right and a status line that shows
// what every call into the library returned.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "tools/skin_gallery/pages.h"
#include "tools/skin_gallery/tebix_library.h"

namespace gallery {

// Control ids of the main window, for GUI tests.
enum ControlId : int {
  kPageListId = 100,
  kHueId,
  kSaturationId,
  kBrightnessId,
  kAlphaId,
  kDetachId,
  kReattachId,
  kDetachPageId,
  kMapPageId,
  kStatusId,
};

inline constexpr wchar_t kGalleryClass[] = L"SkinGalleryWindow";

struct GallerySetup {
  TebixLibrary* library = nullptr;  // nullptr for a plain run
  std::filesystem::path skinFile;   // what "Re-attach" attaches
  const Page* firstPage = nullptr;
  std::wstring status;  // the first status line
};

// Creates and shows the main window and opens the first page.
HWND CreateGalleryWindow(HINSTANCE instance, const GallerySetup& setup, int show);

}  // namespace gallery
