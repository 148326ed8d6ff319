// The unit ability editor (Form2, "机体能力"): pick a unit in Combo19, edit
// its stats, terrain word, boarding flags, sixteen weapon slots and
// abilities, write it back with "写入".
#include <windows.h>

#include "editor/editors/core/shared_lists.h"
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/unit_layout.h"
#include "editor/editors/long_list.h"
#include "editor/editors/name_list_loading.h"
#include "editor/editors/record_form.h"
#include "editor/editors/unit_editor_ids.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_window;
HWND g_form2 = nullptr;
ShownRecord g_shown;
bool g_loaded = false;

const FormTable& Units() {
  static const FormTable table = [] {
    FormTable t{&UnitLayout(), GameFileKind::SharedBin, IDC_FORM2_COMBO19, {}};
    t.ids = {{"Text1", IDC_FORM2_TEXT1},     {"Text2", IDC_FORM2_TEXT2},     {"Text3", IDC_FORM2_TEXT3},
             {"Text4", IDC_FORM2_TEXT4},     {"Text5", IDC_FORM2_TEXT5},     {"Text6", IDC_FORM2_TEXT6},
             {"Text7", IDC_FORM2_TEXT7},     {"Text8", IDC_FORM2_TEXT8},     {"Text9", IDC_FORM2_TEXT9},
             {"Text11", IDC_FORM2_TEXT11},   {"Text12", IDC_FORM2_TEXT12},   {"Text13", IDC_FORM2_TEXT13},
             {"Text14", IDC_FORM2_TEXT14},   {"Text16", IDC_FORM2_TEXT16},   {"Text17", IDC_FORM2_TEXT17},
             {"Text18", IDC_FORM2_TEXT18},   {"Combo18", IDC_FORM2_COMBO18}, {"Combo20", IDC_FORM2_COMBO20},
             {"Combo21", IDC_FORM2_COMBO21}, {"Combo22", IDC_FORM2_COMBO22}, {"Combo23", IDC_FORM2_COMBO23},
             {"Combo24", IDC_FORM2_COMBO24}, {"Check3", IDC_FORM2_CHECK3},   {"Check4", IDC_FORM2_CHECK4},
             {"Check5", IDC_FORM2_CHECK5},   {"Check6", IDC_FORM2_CHECK6}};
    AddControlArray(t.ids, "Combo1", IDC_FORM2_COMBO1_0, 5);
    AddControlArray(t.ids, "Check1", IDC_FORM2_CHECK1_0, 8);
    AddControlArray(t.ids, "Check2", IDC_FORM2_CHECK2_0, 8);
    for (int slot = 0; slot < kWeaponSlots; ++slot)
      t.ids["Combo" + std::to_string(kFirstWeaponCombo + slot)] = IDC_FORM2_COMBO2 + slot;
    return t;
  }();
  return table;
}

// The unit and weapon names, read afresh on every opening and dropped once
// the form holds them.
struct UnitNames {
  NameList units;
  NameList weapons;
} g_names;

// The sixteen weapon combo boxes offer the 3,560 weapon names each: one
// copy of the names serves them all, and a box takes them in as items only
// when it is first opened or typed in.
void FillWeaponSlots(HWND form, const SharedNames& weapons) {
  for (int slot = 0; slot < kWeaponSlots; ++slot) OfferLongList(GetDlgItem(form, IDC_FORM2_COMBO2 + slot), weapons);
}

void Load(HWND form, UnitNames& names) {
  g_shown = {};
  g_loaded = false;
  for (int k = 0; k < 5; ++k) FillItems(form, IDC_FORM2_COMBO1_0 + k, UnitAbilityNames());
  FillItems(form, IDC_FORM2_COMBO18, FullUpgradeBonusNames());
  for (int id : {IDC_FORM2_COMBO20, IDC_FORM2_COMBO21, IDC_FORM2_COMBO22, IDC_FORM2_COMBO23})
    FillItems(form, id, TerrainScale());
  FillItems(form, IDC_FORM2_COMBO24, UnitSizeNames());
  FillItems(form, IDC_FORM2_COMBO19, ItemsOf(names.units));
  FillWeaponSlots(form, std::make_shared<const std::vector<std::wstring>>(std::move(names.weapons.names)));
  SendDlgItemMessageW(form, IDC_FORM2_COMBO19, CB_SETCURSEL, 0, 0);
  EnableWindow(GetDlgItem(form, IDC_FORM2_COMBO19), TRUE);
  EnableWindow(GetDlgItem(form, IDC_FORM2_COMMAND2), TRUE);
  g_loaded = true;
  ShowTableRecord(form, Units(), g_shown);
}

INT_PTR CALLBACK Form2Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_DESTROY) {
    g_form2 = nullptr;
    g_loaded = false;
  }
  if (g_window.closes(form, message, wParam, {IDC_FORM2_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_form2 = form;
      Load(form, g_names);
      g_names = {};
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_FORM2_COMMAND5) {
        MessageBoxW(form, kUpgradeStepHelp, kUpgradeStepHelpTitle, MB_OKCANCEL | MB_ICONINFORMATION);
        return TRUE;
      }
      // Until the lists are in, choosing a unit shows nothing.
      if (LOWORD(wParam) == IDC_FORM2_COMBO19 && !g_loaded) return TRUE;
      return HandleTableCommand(form, wParam, {{&Units(), IDC_FORM2_COMMAND2, &g_shown}});
  }
  return FALSE;
}

void OpenUnitEditor(HWND mainWindow) {
  // An open editor is only brought forward; a new one reads its lists first.
  if (!g_form2 &&
      !ReadNameLists(mainWindow, {{&kUnitNames, &g_names.units}, {&kWeaponNames, &g_names.weapons}}))
    return;
  g_window.open(IDD_FORM2, Form2Proc);
}

const EditorRegistration kRegistration{0, &OpenUnitEditor};

}  // namespace

}  // namespace vdk::editors
