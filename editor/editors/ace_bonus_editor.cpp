// The ace bonus editor (Form14, "ACE奖励"): pick a bonus in the drop-down at
// the top of the frame, edit its boosts, spirit command and effect class,
// write it back with "写入".
#include "editor/editors/ace_bonus_editor_ids.h"
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/ace_bonus_layout.h"
#include "editor/editors/layouts/pilot_layout.h"
#include "editor/editors/record_form.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form14;
ShownRecord g_shown;

const FormTable& Bonuses() {
  static const FormTable table = [] {
    FormTable t{&AceBonusLayout(),
                GameFileKind::SharedBin,
                IDC_FORM14_COMBO1,
                {{"Combo2", IDC_FORM14_COMBO2},
                 {"Combo3", IDC_FORM14_COMBO3},
                 {"Text18", IDC_FORM14_TEXT18},
                 {"Text19", IDC_FORM14_TEXT19}}};
    for (int n = 1; n <= 16; ++n) t.ids["Text" + std::to_string(n)] = IDC_FORM14_TEXT1 + n - 1;
    return t;
  }();
  return table;
}

INT_PTR CALLBACK Form14Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form14.closes(form, message, wParam, {IDC_FORM14_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_shown = {};
      FillItems(form, IDC_FORM14_COMBO1, AceBonusNames());
      FillItems(form, IDC_FORM14_COMBO3, SpiritCommandNames());
      FillItems(form, IDC_FORM14_COMBO2, AceEffectClassNames());
      return TRUE;
    case WM_COMMAND:
      return HandleTableCommand(form, wParam, {{&Bonuses(), IDC_FORM14_COMMAND2, &g_shown}});
  }
  return FALSE;
}

void OpenAceBonusEditor(HWND) {
  g_form14.open(IDD_FORM14, Form14Proc);
}

const EditorRegistration kRegistration{6, &OpenAceBonusEditor};

}  // namespace

}  // namespace vdk::editors
