// Entry point of Tebix_VB6.dll. Loading the library starts the engine for
// the loading thread; unloading it with FreeLibrary stops it. When the
// process is ending, nothing is undone: other threads are gone, the
// windows go with the process, and the library stays mapped until the end.
#include <windows.h>

#include "skin/core/engine.h"
#include "skin/library_main.h"

// The C++ runtime linked into the library keeps an emergency pool for
// exceptions that it frees only when asked; an unloaded library must not
// leave it behind.
namespace __gnu_cxx {
void __freeres() noexcept;
}

namespace tebix {
namespace {
HMODULE g_module = nullptr;
}  // namespace

HMODULE LibraryModule() { return g_module; }

}  // namespace tebix

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      tebix::g_module = instance;
      DisableThreadLibraryCalls(instance);
      tebix::StartEngine(instance);
      break;
    case DLL_PROCESS_DETACH:
      if (reserved == nullptr) {  // FreeLibrary, not process exit
        tebix::StopEngine();
        __gnu_cxx::__freeres();
      }
      break;
  }
  return TRUE;
}
