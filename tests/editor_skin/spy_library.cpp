// A stand-in for the skinning library, built under its file name into a
// folder of its own: it skins nothing and, when VDK_SPY_LOG names a file,
// writes there how the program called it. Built twice: with the attach
// function, and (SPY_WITHOUT_ATTACH) without it.
#include <windows.h>

#include <cstdint>
#include <cstdio>

#ifndef SPY_WITHOUT_ATTACH
namespace {

BOOL CALLBACK CountDialog(HWND window, LPARAM param) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0) ++*reinterpret_cast<int*>(param);
  return TRUE;
}

// Dialogs of the calling thread: the main window is one.
int CountThreadDialogs() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountDialog, reinterpret_cast<LPARAM>(&count));
  return count;
}

std::uint32_t Fnv1a(const void* block, int length) {
  std::uint32_t hash = 2166136261u;
  const auto* p = static_cast<const unsigned char*>(block);
  for (int i = 0; p != nullptr && i < length; ++i) hash = (hash ^ p[i]) * 16777619u;
  return hash;
}

}  // namespace
#endif

extern "C" {

#ifndef SPY_WITHOUT_ATTACH
__declspec(dllexport) int WINAPI Tebix_Attach_Res(const void* block, int length, const char* password, int hue,
                                                  int saturation, int brightness) {
  char path[MAX_PATH] = {};
  if (GetEnvironmentVariableA("VDK_SPY_LOG", path, sizeof path) == 0) return 0;
  FILE* log = std::fopen(path, "a");
  if (log == nullptr) return 0;
  const auto* bytes = static_cast<const char*>(block);
  const bool magic = block != nullptr && length >= 4 && bytes[0] == '.' && bytes[1] == 'T' && bytes[2] == 'B' &&
                     bytes[3] == 'X';
  std::fprintf(log, "length=%d password=[%s] hue=%d saturation=%d brightness=%d magic=%d hash=%08x dialogs=%d\n",
               length, password != nullptr ? password : "(null)", hue, saturation, brightness, magic ? 1 : 0,
               static_cast<unsigned>(Fnv1a(block, length)), CountThreadDialogs());
  std::fclose(log);
  return 0;
}
#endif

__declspec(dllexport) int WINAPI Tebix_Attach() { return 0; }
}
