#include "editor/editors/name_list_loading.h"

#include <exception>

#include "editor/shell.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

bool ReadNameLists(HWND mainWindow, std::initializer_list<std::pair<const NameListFile*, NameList*>> lists) {
  if (mainWindow) SetWindowTextW(mainWindow, kReadingCaption);
  bool read = true;
  try {
    for (const auto& [file, list] : lists) *list = LoadNameList(ProgramFolder(), *file);
  } catch (const std::exception& failure) {
    ui::ShowFailure(mainWindow, failure);
    read = false;
  }
  if (mainWindow) SetWindowTextW(mainWindow, kReadyCaption);
  return read;
}

ItemList ItemsOf(const NameList& list) {
  ItemList items;
  items.reserve(list.names.size());
  for (const std::wstring& name : list.names) items.push_back(name.c_str());
  return items;
}

}  // namespace vdk::editors
