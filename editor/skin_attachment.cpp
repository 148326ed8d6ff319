#include "editor/skin_attachment.h"

#include <windows.h>

#include <string>

#include "editor/ui/forms.h"

namespace vdk {
namespace {

using AttachFromMemory = int(WINAPI*)(const void* block, int length, const char* password, int hue,
                                      int saturation, int brightness);

}  // namespace

bool AttachBuiltInSkin() {
  // The standard search order: the program's own folder first.
  HMODULE library = LoadLibraryW(kSkinLibrary);
  if (library == nullptr) {
    ui::ShowMessage(nullptr, std::wstring(L"找不到文件: ") + kSkinLibrary, MB_OK | MB_ICONERROR);
    return false;
  }
  const auto attach =
      reinterpret_cast<AttachFromMemory>(reinterpret_cast<void*>(GetProcAddress(library, kAttachFromMemory)));
  if (attach == nullptr) {
    const std::string name(kAttachFromMemory);
    ui::ShowMessage(nullptr,
                    std::wstring(L"在 ") + kSkinLibrary + L" 中找不到入口点 " + std::wstring(name.begin(), name.end()),
                    MB_OK | MB_ICONERROR);
    return false;
  }
  // The program's own skin; the library copies what it keeps while the call runs.
  const void* block = nullptr;
  DWORD length = 0;
  if (HRSRC resource = FindResourceW(nullptr, L"COMPACT", L"TBX")) {
    length = SizeofResource(nullptr, resource);
    if (HGLOBAL loaded = LoadResource(nullptr, resource)) block = LockResource(loaded);
  }
  attach(block, static_cast<int>(length), "", 0, 0, 0);  // the result is not looked at
  return true;
}

}  // namespace vdk
