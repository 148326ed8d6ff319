// The engine's lifecycle: started when the library is loaded, for the
// thread that loads it; stopped when the library is unloaded.
#pragma once

#include <windows.h>

namespace tebix {

// Engine start (a second call does nothing). Sets the started marker; on a
// system older than Windows 2000 the start ends there and the engine never
// skins anything. Otherwise installs the interception, makes the drawing
// surfaces and installs the creation hook for the calling thread.
void StartEngine(HMODULE library);

// Engine stop, for an unload while the process goes on: the drawing
// surfaces, the skin's GDI objects, the interception, every window's
// subclass and properties, the hooks and the skin model, in that order.
void StopEngine();

// True once the start went through (surfaces, interception, hook).
bool EngineRunning();

// 0 on Windows 5.x, 1 on 6.0 and later; renderers consult it.
int SystemVersionFlag();

// The folder of the library, with its trailing backslash.
const char* LibraryFolder();

// Callbacks the menu renderer registers: give the owner-drawn menu items
// back their own type and data, and free the menu-bar list.
struct MenuListCallbacks {
  void (*restore_menu_items)() = nullptr;
  void (*free_menu_bars)() = nullptr;
};
void SetMenuListCallbacks(MenuListCallbacks callbacks);
void RestoreMenuItems();
void FreeMenuBars();

}  // namespace tebix
