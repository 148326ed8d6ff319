#include "editor/help_window.h"

#include "editor/main_window.h"
#include "editor/name_lists.h"
#include "editor/resource.h"
#include "editor/shell.h"
#include "editor/ui/forms.h"

namespace vdk {

namespace {

HWND g_form12 = nullptr;

// Clears Text1 and fills it with one help text, line by line.
void ShowHelpText(HWND form, const char* name) {
  ui::SetText(form, IDC_FORM12_TEXT1, L"");
  try {
    ui::SetText(form, IDC_FORM12_TEXT1, LoadHelpText(ProgramFolder(), name));
  } catch (const std::exception& e) {
    ui::ShowFailure(form, e);
  }
}

void Close(HWND form) {
  if (HWND main = MainWindow()) EnableWindow(main, TRUE);
  DestroyWindow(form);
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
        case IDC_FORM12_COMMAND1:
        case IDCANCEL:
          Close(form);
          return TRUE;
      }
      break;
    case WM_CLOSE:
      Close(form);
      return TRUE;
    case WM_DESTROY:
      g_form12 = nullptr;
      ui::FormDestroyed(form);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void ShowHelpWindow(HWND) {
  if (ui::BringForward(g_form12)) return;
  g_form12 = ui::CreateForm(IDD_FORM12, nullptr, Form12Proc);
}

}  // namespace vdk
