// Reading the name lists of an editor that is opening: the main window's
// caption says so meanwhile, and a missing or short list is reported.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>

#include "editor/editors/core/record_editor.h"
#include "editor/name_lists.h"

namespace vdk::editors {

// Reads each file into its list. On failure shows the message naming the
// file and returns false: the editor then does not open.
bool ReadNameLists(HWND mainWindow, std::initializer_list<std::pair<const NameListFile*, NameList*>> lists);

// The names of a list as list-box items (valid while the list lives).
ItemList ItemsOf(const NameList& list);

}  // namespace vdk::editors
