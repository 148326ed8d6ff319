#include "editor/help_window.h"

#include "editor/name_lists.h"
#include "editor/resource.h"
#include "editor/shell.h"
#include "editor/ui/forms.h"
#include "editor/ui/side_form.h"

namespace vdk {

namespace {

ui::SideForm g_form12;

// Clears Text1 and fills it with one help text, line by line.
void ShowHelpText(HWND form, const char* name) {
  ui::SetText(form, IDC_FORM12_TEXT1, L"");
  try {
    ui::SetText(form, IDC_FORM12_TEXT1, LoadHelpText(ProgramFolder(), name));
  } catch (const std::exception& e) {
    ui::ShowFailure(form, e);
  }
}

INT_PTR CALLBACK Form12Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      ShowHelpText(form, kInstructionsText);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_FORM12_COMMAND2:
          ShowHelpText(form, kInstructionsText);
          return TRUE;
        case IDC_FORM12_COMMAND3:
          ShowHelpText(form, kQuestionsText);
          return TRUE;
      }
      break;
  }
  return g_form12.closes(form, message, wParam, {IDC_FORM12_COMMAND1}) ? TRUE : FALSE;
}

}  // namespace

void ShowHelpWindow(HWND) { g_form12.open(IDD_FORM12, Form12Proc); }

}  // namespace vdk
