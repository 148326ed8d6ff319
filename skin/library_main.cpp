// Entry point of Tebix_VB6.dll. Loading the library remembers its module
// handle (the default skin is looked for beside it); the engine's start and
// stop hang off process attach and detach.
#include <windows.h>

#include "skin/library_main.h"

namespace tebix {
namespace {
HMODULE g_module = nullptr;
}  // namespace

HMODULE LibraryModule() { return g_module; }

}  // namespace tebix

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) tebix::g_module = instance;
  return TRUE;
}
