// The upgrade cost editor (Form10, "改造费用"): two tables of VDKX_418.06,
// each with a drop-down that picks the row, its fifteen stage costs and its
// own write button.
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/upgrade_cost_layout.h"
#include "editor/editors/record_form.h"
#include "editor/editors/upgrade_cost_editor_ids.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form10;
ShownRecord g_unitRow;
ShownRecord g_weaponRow;

FormTable CostTable(const RecordLayout& layout, int chooser, const char* array, int firstBox) {
  FormTable t{&layout, GameFileKind::Executable, chooser, {}};
  AddControlArray(t.ids, array, firstBox, kUpgradeStages);
  return t;
}

const FormTable& UnitCosts() {
  static const FormTable table =
      CostTable(UnitUpgradeCostLayout(), IDC_FORM10_COMBO1, "Text1", IDC_FORM10_TEXT1_0);
  return table;
}

const FormTable& WeaponCosts() {
  static const FormTable table =
      CostTable(WeaponUpgradeCostLayout(), IDC_FORM10_COMBO2, "Text2", IDC_FORM10_TEXT2_0);
  return table;
}

INT_PTR CALLBACK Form10Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form10.closes(form, message, wParam, {IDC_FORM10_COMMAND2, IDC_FORM10_COMMAND4})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_unitRow = {};
      g_weaponRow = {};
      FillItems(form, IDC_FORM10_COMBO1, UnitUpgradeRowNames());
      FillItems(form, IDC_FORM10_COMBO2, WeaponUpgradeRowNames());
      return TRUE;
    case WM_COMMAND:
      return HandleTableCommand(form, wParam,
                                {{&UnitCosts(), IDC_FORM10_COMMAND1, &g_unitRow},
                                 {&WeaponCosts(), IDC_FORM10_COMMAND3, &g_weaponRow}});
  }
  return FALSE;
}

void OpenUpgradeCostEditor(HWND) {
  g_form10.open(IDD_FORM10, Form10Proc);
}

const EditorRegistration kRegistration{9, &OpenUpgradeCostEditor};

}  // namespace

}  // namespace vdk::editors
