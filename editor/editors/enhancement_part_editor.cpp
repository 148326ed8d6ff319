// The enhancement part editor (Form6, "芯片性能"): pick a part in List1, edit
// its bonuses, price and granted skill, write it back with "写入".
#include "editor/editors/editor_windows.h"
#include "editor/editors/enhancement_part_editor_ids.h"
#include "editor/editors/layouts/enhancement_part_layout.h"
#include "editor/editors/layouts/unit_layout.h"
#include "editor/editors/record_form.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form6;
ShownRecord g_shown;

const FormTable& Parts() {
  static const FormTable table = [] {
    FormTable t{
        &EnhancementPartLayout(), GameFileKind::SharedBin, IDC_FORM6_LIST1, {{"Combo1", IDC_FORM6_COMBO1}}};
    for (int n = 1; n <= 17; ++n) t.ids["Text" + std::to_string(n)] = IDC_FORM6_TEXT1 + n - 1;
    return t;
  }();
  return table;
}

INT_PTR CALLBACK Form6Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form6.closes(form, message, wParam, {IDC_FORM6_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_shown = {};
      FillItems(form, IDC_FORM6_LIST1, EnhancementPartNames());
      FillItems(form, IDC_FORM6_COMBO1, UnitAbilityNames());
      return TRUE;
    case WM_COMMAND:
      return HandleTableCommand(form, wParam, {{&Parts(), IDC_FORM6_COMMAND2, &g_shown}});
  }
  return FALSE;
}

void OpenEnhancementPartEditor(HWND) {
  g_form6.open(IDD_FORM6, Form6Proc);
}

const EditorRegistration kRegistration{4, &OpenEnhancementPartEditor};

}  // namespace

}  // namespace vdk::editors
