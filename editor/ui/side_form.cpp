#include "editor/ui/side_form.h"

#include <algorithm>

#include "editor/main_window.h"
#include "editor/ui/forms.h"

namespace vdk::ui {

void CloseSideForm(HWND form) {
  if (HWND main = MainWindow()) EnableWindow(main, TRUE);
  DestroyWindow(form);
}

void SideForm::open(int templateId, DLGPROC proc) {
  if (BringForward(form_)) return;
  form_ = CreateForm(templateId, nullptr, proc);
}

bool SideForm::closes(HWND form, UINT message, WPARAM wParam, std::initializer_list<int> closeButtons) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id != IDCANCEL && std::find(closeButtons.begin(), closeButtons.end(), id) == closeButtons.end())
        return false;
      CloseSideForm(form);
      return true;
    }
    case WM_CLOSE:
      CloseSideForm(form);
      return true;
    case WM_DESTROY:
      if (form_ == form) form_ = nullptr;
      FormDestroyed(form);
      return true;
  }
  return false;
}

}  // namespace vdk::ui
