#include "tests/skin_library/library_support.h"

#include <fstream>
#include <iterator>

namespace tebix::test {
namespace {

template <typename Fn>
void Bind(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}


const std::uint8_t* FollowJumps(const std::uint8_t* code) {
  for (int i = 0; i < 4 && code != nullptr; ++i) {
    if (code[0] == 0xFF && code[1] == 0x25) {
      code = **reinterpret_cast<const std::uint8_t* const* const*>(code + 2);
    } else if (code[0] == 0xE9) {
      code = code + 5 + *reinterpret_cast<const std::int32_t*>(code + 1);
    } else {
      break;
    }
  }
  return code;
}

}  // namespace

Library::Library() {
  module_ = LoadLibraryW(L"Tebix_VB6.dll");
  if (module_ == nullptr) return;
  Bind(module_, "Tebix_Attach", Attach);
  Bind(module_, "Tebix_Attach_Ex", AttachEx);
  Bind(module_, "Tebix_Attach_Ext", AttachExt);
  Bind(module_, "Tebix_Attach_Res", AttachRes);
  Bind(module_, "Tebix_Detach", Detach);
  Bind(module_, "Tebix_Detach_Ex", DetachEx);
  Bind(module_, "Tebix_Adjust_HSV", AdjustHsv);
  Bind(module_, "Tebix_GetColor", GetColor);
  Bind(module_, "Tebix_Alpha", Alpha);
  Bind(module_, "Tebix_Map", Map);
}

Library::~Library() {
  Unload();
}

void Library::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
}

std::string BuildFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::vector<unsigned char> DefaultSkin() {
  std::ifstream in(BuildFolder() + "tebix.tbx", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

int GdiObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) return static_cast<int>(counted);
  // Wine keeps the process's handle table where the process environment
  // block points: 24-byte entries, the object type in byte 14.
  std::uint8_t* peb = nullptr;
  asm("movl %%fs:0x30, %0" : "=r"(peb));
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0x94);
  if (table == nullptr) return -1;
  int live = 0;
  for (int i = 0; i < 0x10000; ++i) live += table[i * 24 + 14] != 0;
  return live;
}

std::size_t HeapBytesInUse() {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  std::size_t bytes = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

EntryBytes InterceptedEntryBytes() {
  struct Entry {
    const char* module;
    const char* name;
  };
  static const Entry kEntries[] = {
      {"user32", "MoveWindow"},      {"gdi32", "TextOutA"},          {"gdi32", "TextOutW"},
      {"gdi32", "ExtTextOutA"},      {"gdi32", "ExtTextOutW"},       {"user32", "DrawTextExA"},
      {"user32", "DrawTextExW"},     {"user32", "BeginPaint"},       {"user32", "EndPaint"},
      {"user32", "GetDC"},           {"user32", "GetDCEx"},          {"user32", "GetWindowDC"},
      {"user32", "ReleaseDC"},       {"user32", "GetScrollInfo"},    {"user32", "GetScrollPos"},
      {"user32", "GetScrollRange"},  {"user32", "GetScrollBarInfo"}, {"user32", "SetScrollInfo"},
      {"user32", "SetScrollPos"},    {"user32", "SetScrollRange"},   {"user32", "EnableScrollBar"},
  };
  EntryBytes bytes;
  for (const Entry& e : kEntries) {
    const auto* code = FollowJumps(
        reinterpret_cast<const std::uint8_t*>(GetProcAddress(GetModuleHandleA(e.module), e.name)));
    std::array<std::uint8_t, 16> first{};
    if (code != nullptr) std::copy(code, code + 16, first.begin());
    bytes.push_back(first);
  }
  return bytes;
}

}  // namespace tebix::test
