// skin_gallery.exe: a host program for the skinning library that shows real
// windows of every class the library recognises, page by page.
//
//   skin_gallery.exe [SKINFILE] [--page NAME] [--shift H,S,B] [--no-skin]
//
// The skin is attached before the gallery creates its first window, as a
// program using the library does.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "tools/skin_gallery/gallery_window.h"
#include "tools/skin_gallery/options.h"
#include "tools/skin_gallery/pages.h"
#include "tools/skin_gallery/tebix_library.h"

namespace {

constexpr wchar_t kTitle[] = L"Skin gallery";

std::vector<std::wstring> Arguments() {
  int count = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; argv && i < count; ++i) arguments.emplace_back(argv[i]);
  LocalFree(argv);
  return arguments;
}

std::filesystem::path ProgramFolder() {
  wchar_t path[MAX_PATH * 4] = L"";
  GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return std::filesystem::path(path).parent_path();
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab and arrow keys move between controls in every window of the gallery.
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const std::vector<std::wstring> arguments = Arguments();
  const gallery::ParsedOptions parsed = gallery::ParseOptions(arguments);
  if (!parsed.error.empty()) {
    MessageBoxW(nullptr, (parsed.error + L"\n\nUsage:\n" + gallery::kUsage).c_str(), kTitle,
                MB_ICONERROR | MB_OK);
    return 2;
  }
  const gallery::Options& options = parsed.options;
  gallery::RegisterStandInClasses(instance);

  gallery::TebixLibrary library;
  gallery::GallerySetup setup;
  std::error_code error;
  setup.skinFile =
      gallery::ResolveSkinFile(options.skinFile, std::filesystem::current_path(error), ProgramFolder());
  if (options.noSkin) {
    setup.status = L"Plain run (--no-skin): the library is not loaded.";
  } else {
    library.Load();
    setup.library = &library;
    if (options.shifted && library.attachExt) {
      const int result = library.attachExt(gallery::AnsiPath(setup.skinFile).c_str(), "", options.hue,
                                           options.saturation, options.brightness);
      setup.status = L"Tebix_Attach_Ext(\"" + setup.skinFile.wstring() + L"\", \"\", " +
                     std::to_wstring(options.hue) + L", " + std::to_wstring(options.saturation) + L", " +
                     std::to_wstring(options.brightness) + L") returned " + std::to_wstring(result);
      if (!std::filesystem::exists(setup.skinFile, error)) setup.status += L" (the file does not exist)";
    } else if (library.attachEx) {
      const int result = library.attachEx(gallery::AnsiPath(setup.skinFile).c_str(), "");
      setup.status =
          L"Tebix_Attach_Ex(\"" + setup.skinFile.wstring() + L"\", \"\") returned " + std::to_wstring(result);
      if (!std::filesystem::exists(setup.skinFile, error)) setup.status += L" (the file does not exist)";
    } else {
      setup.status =
          library.module ? L"Not attached: Tebix_Attach_Ex is missing." : L"Not attached: no library.";
    }
    const std::wstring problems = library.Problems();
    if (!problems.empty()) MessageBoxW(nullptr, problems.c_str(), kTitle, MB_ICONWARNING | MB_OK);
  }

  setup.firstPage = options.page.empty() ? &gallery::Pages().front() : gallery::FindPage(options.page);
  if (!setup.firstPage) {
    setup.status = L"There is no page \"" + options.page + L"\". " + setup.status;
    setup.firstPage = &gallery::Pages().front();
  }
  if (!gallery::CreateGalleryWindow(instance, setup, show)) return 1;
  return RunMessageLoop();
}
