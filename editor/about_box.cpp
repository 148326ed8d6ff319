#include "editor/about_box.h"

#include "editor/resource.h"
#include "editor/ui/side_form.h"

namespace vdk {

namespace {

ui::SideForm g_form13;

INT_PTR CALLBACK Form13Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (g_form13.closes(form, message, wParam, {IDC_FORM13_COMMAND1, IDOK})) return TRUE;
  return FALSE;
}

}  // namespace

void ShowAboutBox(HWND) { g_form13.open(IDD_FORM13, Form13Proc); }

}  // namespace vdk
