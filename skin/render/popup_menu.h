// The popup menu window ("#32768"): context menus, drop-downs of menu bars
// and system menus, painted completely from the skin, with a window region
// cut from the menu background's key colour.
#pragma once

#include <windows.h>

#include "skin/attach/creation_hook.h"

namespace tebix {

extern const RendererEntry kPopupMenuRenderer;

// Registers the owner-drawn menu handler and the engine's menu callbacks;
// the stop takes them away.
void StartMenus();
void StopMenus();

// The popup window showing `menu` now, or null.
HWND PopupWindowOf(HMENU menu);

}  // namespace tebix
