// A record editor's form: moving FormValues between the core and the dialog's
// controls, and the show and write commands around them with every failure
// reported in a message box. A dialog names which control id shows which
// field; everything else is the layout's.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "editor/editor_list.h"
#include "editor/editors/core/record_editor.h"
#include "editor/ui/side_form.h"

namespace vdk::editors {

// Control name ("Text1", "Combo2(0)") -> dialog item id.
using ControlIds = std::map<std::string, int>;

// Adds `array`(0) .. `array`(count - 1) with ids firstId, firstId + 1, ...
void AddControlArray(ControlIds& ids, const std::string& array, int firstId, int count);

// One table shown on a form: its layout, its game file, the list or combo
// box that chooses the record and the controls of the fields.
struct FormTable {
  const RecordLayout* layout;
  GameFileKind file;
  int chooser;
  ControlIds ids;
};

// The record a table's controls show, and its values as last shown or
// written (with what the controls cannot hold: extra list values, the
// state of option buttons).
struct ShownRecord {
  int record = -1;  // -1: none
  FormValues values;
};

// Replaces the items of a list box or combo box.
void FillItems(HWND dialog, int id, const ItemList& items);
// The selected item of a list box or combo box, -1 for none.
int SelectedItem(HWND dialog, int id);

// Puts the values of the table's text, list and check fields into their
// controls. A list value without an item of its own gets an extra item
// after the list's items (ExtraItemText); the extra item of the previous
// record goes first.
void PutValues(HWND dialog, const FormTable& table, const FormValues& values);
// Reads those controls into `values`. A list keeps its extra value while
// the extra item stays selected.
void ReadValues(HWND dialog, const FormTable& table, FormValues& values);

// Reads the record chosen in the table's chooser from its game file and
// shows it. A file that cannot be read is reported, the choice is cleared
// and no record counts as shown (so a write cannot put one record's values
// into another); false then.
bool ShowTableRecord(HWND dialog, const FormTable& table, ShownRecord& shown);

// Writes the controls back into the shown record; with none shown nothing
// happens. Every entry is checked first; entries that cannot be converted
// are reported together, the focus moves to the first of them and nothing
// is written. `beforeWrite` may adjust the values read from the controls.
// On success the controls show what was written (digits padded, hex in
// upper case). Returns true when the record was written.
bool WriteTableRecord(HWND dialog, const FormTable& table, ShownRecord& shown,
                      const std::function<void(FormValues&)>& beforeWrite = {});

// The chooser and the write button of one table on a form.
struct TableCommands {
  const FormTable* table;
  int writeButton;
  ShownRecord* shown;
};

// WM_COMMAND of a form with plain tables: a new choice in a table's chooser
// shows its record, its write button writes it. True when handled.
bool HandleTableCommand(HWND dialog, WPARAM wParam, std::initializer_list<TableCommands> tables);

// The window of one editor form: made once, brought forward when opened
// again, closed by its "返回" buttons, its close box and Escape.
using EditorWindow = ui::SideForm;

}  // namespace vdk::editors
