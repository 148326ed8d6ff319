// The full-upgrade bonus editor (Form8, "机体改满奖励"): pick a bonus in
// List1, edit it in the frame "项目编辑", write it back with "写入".
#include "editor/editors/core/shared_lists.h"
#include "editor/editors/editor_windows.h"
#include "editor/editors/full_upgrade_bonus_editor_ids.h"
#include "editor/editors/layouts/full_upgrade_bonus_layout.h"
#include "editor/editors/record_form.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form8;
ShownRecord g_shown;

const FormTable& Bonuses() {
  static const FormTable table = [] {
    FormTable t{&FullUpgradeBonusLayout(), GameFileKind::SharedBin, IDC_FORM8_LIST1, {}};
    t.ids = {{"Text1", IDC_FORM8_TEXT1},   {"Text2", IDC_FORM8_TEXT2},   {"Text3", IDC_FORM8_TEXT3},
             {"Text4", IDC_FORM8_TEXT4},   {"Text5", IDC_FORM8_TEXT5},   {"Text6", IDC_FORM8_TEXT6},
             {"Text7", IDC_FORM8_TEXT7},   {"Text8", IDC_FORM8_TEXT8},   {"Text9", IDC_FORM8_TEXT9},
             {"Text10", IDC_FORM8_TEXT10}, {"Text12", IDC_FORM8_TEXT12}, {"Text13", IDC_FORM8_TEXT13},
             {"Text14", IDC_FORM8_TEXT14}, {"Combo1", IDC_FORM8_COMBO1}};
    AddControlArray(t.ids, "Combo2", IDC_FORM8_COMBO2_0, kTerrainCombos);
    AddControlArray(t.ids, "Combo3", IDC_FORM8_COMBO3_0, kTerrainCombos);
    return t;
  }();
  return table;
}

void Load(HWND form) {
  g_shown = {};
  FillItems(form, IDC_FORM8_LIST1, FullUpgradeBonusNames());
  FillItems(form, IDC_FORM8_COMBO1, GrantedUnitSkillNames());
  for (int k = 0; k < kTerrainCombos; ++k) FillItems(form, IDC_FORM8_COMBO2_0 + k, TerrainScale());
  for (int k = 0; k < kTerrainCombos; ++k) FillItems(form, IDC_FORM8_COMBO3_0 + k, TerrainScale());
}

INT_PTR CALLBACK Form8Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form8.closes(form, message, wParam, {IDC_FORM8_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      Load(form);
      return TRUE;
    case WM_COMMAND:
      return HandleTableCommand(form, wParam, {{&Bonuses(), IDC_FORM8_COMMAND2, &g_shown}});
  }
  return FALSE;
}

void OpenFullUpgradeBonusEditor(HWND) {
  g_form8.open(IDD_FORM8, Form8Proc);
}

const EditorRegistration kRegistration{7, &OpenFullUpgradeBonusEditor};

}  // namespace

}  // namespace vdk::editors
