// The help window (Form12): instructions and frequently asked questions.
#pragma once

#include <windows.h>

namespace vdk {

void ShowHelpWindow(HWND mainWindow);

}  // namespace vdk
