// Opening the record editors from the main window's list.
#pragma once

#include <windows.h>

namespace vdk {

// Shows the editor at `listIndex` of the main window's list, or brings it
// forward if it is already open.
void OpenRecordEditor(int listIndex, HWND mainWindow);

// What every editor window offers the main window's list: open (or bring
// forward) the editor.
using EditorOpener = void (*)(HWND mainWindow);

}  // namespace vdk
