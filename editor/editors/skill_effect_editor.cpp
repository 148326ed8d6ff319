// The unit and pilot skill effect editor (Form11, "机体机师技能效果"): the
// defensive unit skills and the two fighting styles of VDKX_418.06, each
// with a drop-down that picks the record and its own write button.
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/skill_effect_layout.h"
#include "editor/editors/record_form.h"
#include "editor/editors/skill_effect_editor_ids.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form11;
ShownRecord g_defence;
ShownRecord g_style;

const FormTable& DefensiveSkills() {
  static const FormTable table{&DefensiveSkillLayout(),
                               GameFileKind::Executable,
                               IDC_FORM11_COMBO1,
                               {{"Text1", IDC_FORM11_TEXT1},
                                {"Text2", IDC_FORM11_TEXT2},
                                {"Combo2", IDC_FORM11_COMBO2},
                                {"Text3", IDC_FORM11_TEXT3}}};
  return table;
}

const FormTable& FightingStyles() {
  static const FormTable table = [] {
    FormTable t{&FightingStyleLayout(), GameFileKind::Executable, IDC_FORM11_COMBO3, {}};
    AddControlArray(t.ids, "Text4", IDC_FORM11_TEXT4_0, kFightingStyleLevels);
    AddControlArray(t.ids, "Text5", IDC_FORM11_TEXT5_0, kFightingStyleLevels);
    return t;
  }();
  return table;
}

INT_PTR CALLBACK Form11Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form11.closes(form, message, wParam, {IDC_FORM11_COMMAND2, IDC_FORM11_COMMAND4})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_defence = {};
      g_style = {};
      FillItems(form, IDC_FORM11_COMBO1, DefensiveSkillNames());
      FillItems(form, IDC_FORM11_COMBO2, DefenceTypeNames());
      FillItems(form, IDC_FORM11_COMBO3, FightingStyleNames());
      return TRUE;
    case WM_COMMAND:
      return HandleTableCommand(form, wParam,
                                {{&DefensiveSkills(), IDC_FORM11_COMMAND1, &g_defence},
                                 {&FightingStyles(), IDC_FORM11_COMMAND3, &g_style}});
  }
  return FALSE;
}

void OpenSkillEffectEditor(HWND) {
  g_form11.open(IDD_FORM11, Form11Proc);
}

const EditorRegistration kRegistration{10, &OpenSkillEffectEditor};

}  // namespace

}  // namespace vdk::editors
