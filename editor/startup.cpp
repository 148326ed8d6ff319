// Module2: the program's entry routine. It attaches the built-in skin, then
// shows the main window and runs until the last form closes or "退出".
#include <windows.h>

#include <commctrl.h>

#include "editor/main_window.h"
#include "editor/skin_attachment.h"
#include "editor/ui/forms.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);

  if (!vdk::AttachBuiltInSkin()) return 1;

  if (!vdk::ShowMainWindow()) return 1;
  return vdk::ui::RunMessageLoop();
}
