// The skinning library as a host uses it, and what the tests measure about
// the process around it.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

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

// Answers the library's message boxes from another thread and keeps their texts.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
  // The texts of the boxes answered so far, and forgets them.
  std::vector<std::wstring> Take();

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::wstring> texts_;
  CRITICAL_SECTION lock_;
  std::thread thread_;
};

// Live GDI objects of the process (the shared handle table where the system
// does not count them itself).
int GdiObjectCount();
// Bytes in use in every heap of the process.
std::size_t HeapBytesInUse();

// The first bytes of the code behind the 21 entry points the library patches
// (after the jumps the patcher follows).
using EntryBytes = std::vector<std::array<std::uint8_t, 16>>;
EntryBytes InterceptedEntryBytes();

// What a host sees of a window.
bool HasProperty(HWND window, const char* name);
WNDPROC ProcOf(HWND window);
void Pump();

}  // namespace tebix::test
