// The about box (Form13).
#pragma once

#include <windows.h>

namespace vdk {

void ShowAboutBox(HWND mainWindow);

}  // namespace vdk
