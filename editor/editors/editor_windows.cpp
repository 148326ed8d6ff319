#include "editor/editors/editor_windows.h"

#include <array>
#include <string>

#include "editor/editor_list.h"
#include "editor/ui/forms.h"

namespace vdk {

namespace {

// One opener per entry of the main window's list, in list order.
std::array<EditorOpener, kEditorList.size()>& Openers() {
  static std::array<EditorOpener, kEditorList.size()> openers{};
  return openers;
}

}  // namespace

EditorRegistration::EditorRegistration(int listIndex, EditorOpener open) {
  if (listIndex >= 0 && static_cast<std::size_t>(listIndex) < Openers().size())
    Openers()[static_cast<std::size_t>(listIndex)] = open;
}

void OpenRecordEditor(int listIndex, HWND mainWindow) {
  if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= Openers().size()) return;
  if (EditorOpener open = Openers()[static_cast<std::size_t>(listIndex)]) {
    open(mainWindow);
    return;
  }
  ui::ShowMessage(mainWindow,
                  std::wstring(L"“") + kEditorList[static_cast<std::size_t>(listIndex)].listText + L"”编辑器尚未完成。",
                  MB_OK | MB_ICONINFORMATION);
}

}  // namespace vdk
