// The pilot skill training editor (Form9, "机师技能养成"): pick a skill in
// List1, edit the PP of its nine levels and who can train it, write it back
// with "写入".
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/skill_training_layout.h"
#include "editor/editors/record_form.h"
#include "editor/editors/skill_training_editor_ids.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_form9;
ShownRecord g_shown;

const FormTable& Training() {
  static const FormTable table = [] {
    FormTable t{&SkillTrainingLayout(), GameFileKind::SharedBin, IDC_FORM9_LIST1, {}};
    t.ids = {{"Text10", IDC_FORM9_TEXT10}, {"Text2", IDC_FORM9_TEXT2}};
    AddControlArray(t.ids, "Text1", IDC_FORM9_TEXT1_0, kTrainingLevels);
    return t;
  }();
  return table;
}

void ShowTrainingType(HWND form) {
  CheckRadioButton(form, IDC_FORM9_OPTION1, IDC_FORM9_OPTION3,
                   IDC_FORM9_OPTION1 + TrainingTypeButton(g_shown.values));
}

void Show(HWND form) {
  if (ShowTableRecord(form, Training(), g_shown)) ShowTrainingType(form);
}

// The type digit follows the button the user chose since the record was
// shown; with none chosen it comes from Text2.
void ChooseTrainingType(int button) {
  if (g_shown.record < 0) return;
  ControlValue& group = g_shown.values[kTrainingTypeGroup];
  group.selection = button;
  group.extra.reset();
}

void Write(HWND form) {
  // Shown again from the file, so that the buttons match the digit written.
  if (WriteTableRecord(form, Training(), g_shown, KeepTypedTrainingType)) Show(form);
}

// "该技能养成PP消耗1": every PP box 1; the file changes on "写入".
void AllCostsToOne(HWND form) {
  FormValues ones;
  SetAllTrainingCostsToOne(ones);
  for (const auto& [control, value] : ones) ui::SetAsciiText(form, Training().ids.at(control), value.text);
}

INT_PTR CALLBACK Form9Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (g_form9.closes(form, message, wParam, {IDC_FORM9_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_shown = {};
      FillItems(form, IDC_FORM9_LIST1, TrainedSkillNames());
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_FORM9_LIST1:
          if (HIWORD(wParam) == LBN_SELCHANGE) Show(form);
          return TRUE;
        case IDC_FORM9_OPTION1:
        case IDC_FORM9_OPTION2:
        case IDC_FORM9_OPTION3:
          if (HIWORD(wParam) == BN_CLICKED) ChooseTrainingType(LOWORD(wParam) - IDC_FORM9_OPTION1);
          return TRUE;
        case IDC_FORM9_COMMAND2:
          Write(form);
          return TRUE;
        case IDC_FORM9_COMMAND4:
          AllCostsToOne(form);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

void OpenSkillTrainingEditor(HWND) {
  g_form9.open(IDD_FORM9, Form9Proc);
}

const EditorRegistration kRegistration{8, &OpenSkillTrainingEditor};

}  // namespace

}  // namespace vdk::editors
