#include "editor/about_box.h"

#include "editor/main_window.h"
#include "editor/resource.h"
#include "editor/ui/forms.h"

namespace vdk {

namespace {

HWND g_form13 = nullptr;

void Close(HWND form) {
  if (HWND main = MainWindow()) EnableWindow(main, TRUE);
  DestroyWindow(form);
}

INT_PTR CALLBACK Form13Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_FORM13_COMMAND1 || LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        Close(form);
        return TRUE;
      }
      break;
    case WM_CLOSE:
      Close(form);
      return TRUE;
    case WM_DESTROY:
      g_form13 = nullptr;
      ui::FormDestroyed(form);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void ShowAboutBox(HWND) {
  if (ui::BringForward(g_form13)) return;
  g_form13 = ui::CreateForm(IDD_FORM13, nullptr, Form13Proc);
}

}  // namespace vdk
