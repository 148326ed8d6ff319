// The skinning library as a host uses it, and what the tests measure about
// the process around it.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/message_boxes.h"
#include "tests/common/window_checks.h"

namespace tebix::test {

// Tebix_VB6.dll loaded by name for the lifetime of the object; unloaded
// (FreeLibrary) by Unload or the destructor.
class Library {
 public:
  Library();
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool loaded() const { return module_ != nullptr; }
  void Unload();

  int (WINAPI* Attach)() = nullptr;
  int (WINAPI* AttachEx)(const char*, const char*) = nullptr;
  int (WINAPI* AttachExt)(const char*, const char*, int, int, int) = nullptr;
  int (WINAPI* AttachRes)(const void*, int, const char*, int, int, int) = nullptr;
  int (WINAPI* Detach)() = nullptr;
  int (WINAPI* DetachEx)(HWND) = nullptr;
  int (WINAPI* AdjustHsv)(int, int, int) = nullptr;
  COLORREF (WINAPI* GetColor)(HWND, int, int) = nullptr;
  int (WINAPI* Alpha)(HWND, int) = nullptr;
  int (WINAPI* Map)(HWND, int) = nullptr;

 private:
  HMODULE module_ = nullptr;
};

// Folder of the test program, where the library and the skins are built.
std::string BuildFolder();
// The default skin file's bytes.
std::vector<unsigned char> DefaultSkin();

// Live GDI objects of the process (the shared handle table where the system
// does not count them itself).
int GdiObjectCount();
// Bytes in use in every heap of the process.
std::size_t HeapBytesInUse();

// The first bytes of the code behind the 21 entry points the library patches
// (after the jumps the patcher follows).
using EntryBytes = std::vector<std::array<std::uint8_t, 16>>;
EntryBytes InterceptedEntryBytes();

}  // namespace tebix::test
