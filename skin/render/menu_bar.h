// The menu bar of a skinned frame: its items converted with the menu-bar
// flag, drawn in the skin's rows, hit-tested and tracked, its drop-downs
// opened by the skin under the skinned item. Registered with the frame as
// its menu-bar services.
#pragma once

#include <windows.h>

namespace tebix {

void RegisterMenuBarServices();
void ClearMenuBarServices();

// While the skin places drop-downs: the place for the popup of `menu`.
bool DropDownPlace(HMENU menu, POINT& at);
// Frees the drop-down position list.
void FreeDropDownPlaces();

}  // namespace tebix
