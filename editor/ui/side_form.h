// A form shown beside the main window (an editor, the help window, the about
// box): made once, brought forward when opened again, and closed by its
// close buttons, its close box and Escape, which also enable the main window.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace vdk::ui {

// Enables the main window again and closes `form`.
void CloseSideForm(HWND form);

class SideForm {
 public:
  // Makes the form from its dialog template, or brings it forward.
  void open(int templateId, DLGPROC proc);
  // Handles the closing messages of the form: its close buttons, IDCANCEL,
  // WM_CLOSE and WM_DESTROY. True when the message was one of them.
  bool closes(HWND form, UINT message, WPARAM wParam, std::initializer_list<int> closeButtons);

 private:
  HWND form_ = nullptr;
};

}  // namespace vdk::ui
