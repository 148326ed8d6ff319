// The special ammunition material editor (Form7, "特殊弹素材"): pick a
// material in List1, edit its changes, terrain raises and special property,
// write it back with "写入".
#include "editor/editors/ammo_material_editor_ids.h"
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/ammo_material_layout.h"
#include "editor/editors/record_form.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form7;
ShownRecord g_shown;

constexpr int kOptions = static_cast<int>(std::size(kSpecialPropertyCodes));

const FormTable& Materials() {
  static const FormTable table = [] {
    FormTable t{&AmmoMaterialLayout(), GameFileKind::SharedBin, IDC_FORM7_LIST1, {}};
    for (int n = 1; n <= 11; ++n) t.ids["Text" + std::to_string(n)] = IDC_FORM7_TEXT1 + n - 1;
    return t;
  }();
  return table;
}

// The option buttons show the special property: all clear first, then the
// one whose code the record holds (none for another code).
void ShowProperty(HWND form) {
  const int selected = g_shown.values["Option1"].selection;
  for (int k = 0; k < kOptions; ++k)
    CheckDlgButton(form, IDC_FORM7_OPTION1_0 + k, k == selected ? BST_CHECKED : BST_UNCHECKED);
}

// The chosen option, or none: then the stored code is written back as it was.
void ReadProperty(HWND form, FormValues& values) {
  int selected = -1;
  for (int k = 0; k < kOptions; ++k)
    if (IsDlgButtonChecked(form, IDC_FORM7_OPTION1_0 + k) == BST_CHECKED) selected = k;
  values["Option1"].selection = selected;
}

void ShowTerrainNote(HWND form) {
  MessageBoxW(form, kTerrainNote, kTerrainNoteTitle, MB_OKCANCEL | MB_ICONINFORMATION);
}

INT_PTR CALLBACK Form7Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form7.closes(form, message, wParam, {IDC_FORM7_COMMAND4})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_shown = {};
      FillItems(form, IDC_FORM7_LIST1, AmmoMaterialNames());
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_FORM7_LIST1:
          if (HIWORD(wParam) == LBN_SELCHANGE && ShowTableRecord(form, Materials(), g_shown))
            ShowProperty(form);
          return TRUE;
        case IDC_FORM7_COMMAND3:
          WriteTableRecord(form, Materials(), g_shown,
                           [form](FormValues& values) { ReadProperty(form, values); });
          return TRUE;
        case IDC_FORM7_COMMAND1:
          ShowTerrainNote(form);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

void OpenAmmoMaterialEditor(HWND) {
  g_form7.open(IDD_FORM7, Form7Proc);
}

const EditorRegistration kRegistration{5, &OpenAmmoMaterialEditor};

}  // namespace

}  // namespace vdk::editors
