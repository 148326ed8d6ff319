#include "editor/editors/record_form.h"

#include <algorithm>
#include <exception>

#include "editor/game_paths.h"
#include "editor/main_window.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

bool IsComboBox(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  return lstrcmpiW(name, L"ComboBox") == 0;
}

// Message numbers of the two kinds of list control.
struct ListMessages {
  UINT reset, add, remove, count, select, selected;
};

ListMessages MessagesFor(HWND control) {
  if (IsComboBox(control))
    return {CB_RESETCONTENT, CB_ADDSTRING, CB_DELETESTRING, CB_GETCOUNT, CB_SETCURSEL, CB_GETCURSEL};
  return {LB_RESETCONTENT, LB_ADDSTRING, LB_DELETESTRING, LB_GETCOUNT, LB_SETCURSEL, LB_GETCURSEL};
}

void AddItem(HWND control, const ListMessages& m, const wchar_t* text) {
  SendMessageW(control, m.add, 0, reinterpret_cast<LPARAM>(text));
}

const std::filesystem::path& GameFilePath(GameFileKind kind) {
  return kind == GameFileKind::Executable ? ExePath : SharedBinPath;
}

}  // namespace

void AddControlArray(ControlIds& ids, const std::string& array, int firstId, int count) {
  for (int k = 0; k < count; ++k) ids[Element(array, k)] = firstId + k;
}

void FillItems(HWND dialog, int id, const ItemList& items) {
  HWND control = GetDlgItem(dialog, id);
  const ListMessages m = MessagesFor(control);
  SendMessageW(control, WM_SETREDRAW, FALSE, 0);
  SendMessageW(control, m.reset, 0, 0);
  for (const wchar_t* item : items) AddItem(control, m, item);
  SendMessageW(control, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(control, nullptr, TRUE);
}

int SelectedItem(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return static_cast<int>(SendMessageW(control, MessagesFor(control).selected, 0, 0));
}

void PutValues(HWND dialog, const FormTable& table, const FormValues& values) {
  for (const Field& field : table.layout->fields) {
    auto id = table.ids.find(field.control);
    auto value = values.find(field.control);
    if (id == table.ids.end() || value == values.end()) continue;
    HWND control = GetDlgItem(dialog, id->second);
    switch (field.codec.shown) {
      case Shown::List: {
        const ListMessages m = MessagesFor(control);
        const int items = field.codec.itemCount;
        while (static_cast<int>(SendMessageW(control, m.count, 0, 0)) > items)
          SendMessageW(control, m.remove, static_cast<WPARAM>(items), 0);
        if (value->second.extra) AddItem(control, m, ExtraItemText(*value->second.extra).c_str());
        SendMessageW(control, m.select, static_cast<WPARAM>(value->second.selection), 0);
        break;
      }
      case Shown::Check:
        CheckDlgButton(dialog, id->second, value->second.checked ? BST_CHECKED : BST_UNCHECKED);
        break;
      case Shown::Options:
        break;  // the form's own option buttons
      default:
        ui::SetAsciiText(dialog, id->second, value->second.text);
        break;
    }
  }
}

void ReadValues(HWND dialog, const FormTable& table, FormValues& values) {
  for (const Field& field : table.layout->fields) {
    auto id = table.ids.find(field.control);
    if (id == table.ids.end()) continue;
    ControlValue& value = values[field.control];
    switch (field.codec.shown) {
      case Shown::List:
        value.selection = SelectedItem(dialog, id->second);
        if (value.selection != field.codec.itemCount) value.extra.reset();
        break;
      case Shown::Check:
        value.checked = IsDlgButtonChecked(dialog, id->second) == BST_CHECKED;
        break;
      case Shown::Options:
        break;
      default:
        value.text = ui::GetAsciiText(dialog, id->second);
        break;
    }
  }
}

bool ShowTableRecord(HWND dialog, const FormTable& table, ShownRecord& shown) {
  const int record = SelectedItem(dialog, table.chooser);
  shown.record = -1;
  if (record < 0) return false;
  try {
    shown.values = ShowRecord(GameFilePath(table.file), *table.layout, static_cast<std::uint32_t>(record));
  } catch (const std::exception& failure) {
    HWND chooser = GetDlgItem(dialog, table.chooser);
    SendMessageW(chooser, MessagesFor(chooser).select, static_cast<WPARAM>(-1), 0);
    ui::ShowFailure(dialog, failure);
    return false;
  }
  shown.record = record;
  PutValues(dialog, table, shown.values);
  return true;
}

bool WriteTableRecord(HWND dialog, const FormTable& table, ShownRecord& shown,
                      const std::function<void(FormValues&)>& beforeWrite) {
  if (shown.record < 0) return false;
  ReadValues(dialog, table, shown.values);
  if (beforeWrite) beforeWrite(shown.values);
  std::vector<FieldError> errors;
  try {
    errors = WriteRecord(GameFilePath(table.file), *table.layout, static_cast<std::uint32_t>(shown.record),
                         shown.values);
  } catch (const std::exception& failure) {
    ui::ShowFailure(dialog, failure);
    return false;
  }
  if (!errors.empty()) {
    ui::ShowMessage(dialog, JoinMessages(errors) + L"\r\n没有写入任何数据。", MB_OK | MB_ICONWARNING);
    auto id = table.ids.find(errors.front().control);
    if (id != table.ids.end()) {
      HWND control = GetDlgItem(dialog, id->second);
      SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
      SendMessageW(control, EM_SETSEL, 0, -1);
    }
    return false;
  }
  PutValues(dialog, table, shown.values);
  return true;
}

bool HandleTableCommand(HWND dialog, WPARAM wParam, std::initializer_list<TableCommands> tables) {
  const int id = LOWORD(wParam);
  for (const TableCommands& t : tables) {
    if (id == t.table->chooser) {
      // LBN_SELCHANGE and CBN_SELCHANGE are the same code.
      if (HIWORD(wParam) == CBN_SELCHANGE) ShowTableRecord(dialog, *t.table, *t.shown);
      return true;
    }
    if (id == t.writeButton) {
      WriteTableRecord(dialog, *t.table, *t.shown);
      return true;
    }
  }
  return false;
}

}  // namespace vdk::editors
