#include "skin/core/engine.h"

#include <string>

#include "skin/attach/creation_hook.h"
#include "skin/attach/interception.h"
#include "skin/attach/paint_redirect.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/engine_state.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/renderers.h"

namespace tebix {
namespace {

bool g_running = false;
int g_version_flag = 0;
char g_folder[MAX_PATH + 1] = {};
MenuListCallbacks g_menus;

// The system's major and minor version, as the system reports it to
// programs without a compatibility manifest.
bool SystemVersion(DWORD& major, DWORD& minor) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL ok = GetVersionExA(&info);
#pragma GCC diagnostic pop
  major = info.dwMajorVersion;
  minor = info.dwMinorVersion;
  return ok != FALSE;
}

void RememberFolder(HMODULE library) {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(library, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  std::string folder(path, length);
  folder.resize(folder.find_last_of('\\') + 1);  // npos + 1 == 0: no folder
  lstrcpynA(g_folder, folder.c_str(), sizeof g_folder);
}

COLORREF ClientTextColour(bool enabled) {
  return SkinColour(enabled ? 61 : 62);
}

}  // namespace

void StartEngine(HMODULE library) {
  if (EngineStarted()) return;
  SetEngineStarted(true);
  RememberFolder(library);
  DWORD major = 0, minor = 0;
  if (!SystemVersion(major, minor) || VersionFlagFor(major) < 0) return;
  g_version_flag = VersionFlagFor(major);

  InstallInterception();
  if (!StartDrawingSurfaces()) {
    RemoveInterception();
    return;
  }
  SetSkinModelHooks({&RestoreMenuItems, &AttachAllWindows});
  SetClientPaintLook({&SkinBackgroundBrush, &ClientTextColour});
  StartRenderers();
  if (!InstallCreationHook()) {
    StopDrawingSurfaces();
    RemoveInterception();
    return;
  }
  g_running = true;
}

void StopEngine() {
  if (!EngineStarted()) return;
  if (g_running) {
    StopDrawingSurfaces();
    ReleaseSkinObjects();
    RemoveInterception();
    ReleaseAllWindows();
    RestoreMenuItems();
    FreeMenuBars();
    RemoveCreationHook();
    SetSkinModelHooks({});
    SetClientPaintLook({});
    StopRenderers();
    g_running = false;
  }
  SetEngineStarted(false);
  FreeSkinModel();
}

bool EngineRunning() {
  return g_running;
}

int SystemVersionFlag() {
  return g_version_flag;
}

const char* LibraryFolder() {
  return g_folder;
}

void SetMenuListCallbacks(MenuListCallbacks callbacks) {
  g_menus = callbacks;
}

void RestoreMenuItems() {
  if (g_menus.restore_menu_items != nullptr) g_menus.restore_menu_items();
}

void FreeMenuBars() {
  if (g_menus.free_menu_bars != nullptr) g_menus.free_menu_bars();
}

}  // namespace tebix
