// Opening the record editors from the main window's list. Each editor window
// registers its opener for its list index with a file-scope EditorRegistration.
#pragma once

#include <windows.h>

namespace vdk {

// Opens the editor (or brings it forward if it is already open).
using EditorOpener = void (*)(HWND mainWindow);

// Shows the editor at `listIndex` of the main window's list. An index with no
// registered editor says so in a message box.
void OpenRecordEditor(int listIndex, HWND mainWindow);

// File-scope registration: `const EditorRegistration kRegistration{0, &OpenUnitEditor};`
struct EditorRegistration {
  EditorRegistration(int listIndex, EditorOpener open);
};

}  // namespace vdk
