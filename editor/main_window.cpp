#include "editor/main_window.h"

#include <commdlg.h>

#include <filesystem>
#include <string>

#include "editor/about_box.h"
#include "editor/disc_image_tool.h"
#include "editor/editor_list.h"
#include "editor/editors/editor_windows.h"
#include "editor/game_paths.h"
#include "editor/help_window.h"
#include "editor/resource.h"
#include "editor/shell.h"
#include "editor/ui/forms.h"

namespace vdk {

namespace {

HWND g_form1 = nullptr;

// Shows the Open dialog with `filter`; keeps `path` as it was on cancel.
void ChooseGameFile(HWND form, const wchar_t* filter, std::size_t filterLength, std::filesystem::path& path,
                    int textId) {
  wchar_t fileName[MAX_PATH * 4] = L"";
  std::wstring filterText(filter, filterLength);  // the embedded NULs stay
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = form;
  ofn.lpstrFilter = filterText.c_str();
  ofn.lpstrFile = fileName;
  ofn.nMaxFile = static_cast<DWORD>(std::size(fileName));
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return;
  path = fileName;
  ui::SetText(form, textId, path.wstring());
}

void EnterEditor(HWND form) {
  if (SharedBinPath.empty()) {
    ui::ShowMessage(form, kOpenSharedBinFirst);
    return;
  }
  if (ExePath.empty()) {
    ui::ShowMessage(form, kOpenExecutableFirst);
    return;
  }
  const auto index = SendDlgItemMessageW(form, IDC_FORM1_LIST1, LB_GETCURSEL, 0, 0);
  if (index < 0) return;
  OpenRecordEditor(static_cast<int>(index), form);
}

INT_PTR CALLBACK Form1Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      g_form1 = form;
      for (const auto& entry : kEditorList)
        SendDlgItemMessageW(form, IDC_FORM1_LIST1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.listText));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_FORM1_COMMAND2:
          ChooseGameFile(form, kSharedBinFilter, std::size(kSharedBinFilter), SharedBinPath, IDC_FORM1_TEXT2);
          return TRUE;
        case IDC_FORM1_COMMAND3:
          ChooseGameFile(form, kExecutableFilter, std::size(kExecutableFilter), ExePath, IDC_FORM1_TEXT3);
          return TRUE;
        case IDC_FORM1_COMMAND4:
          EnterEditor(form);
          return TRUE;
        case IDC_FORM1_LIST1:
          if (HIWORD(wParam) == LBN_DBLCLK) EnterEditor(form);
          return TRUE;
        case IDC_FORM1_COMMAND5:
          ShowHelpWindow(form);
          return TRUE;
        case IDC_FORM1_COMMAND6:
          RunCommandLine(DiscImageToolCommand(ProgramFolder().wstring()));
          return TRUE;
        case IDC_FORM1_COMMAND7:
          ShowAboutBox(form);
          return TRUE;
        case IDC_FORM1_COMMAND8:
          // Ends the program at once; open editors close without their own close code.
          PostQuitMessage(0);
          return TRUE;
        case IDCANCEL:
          DestroyWindow(form);
          return TRUE;
      }
      break;
    case WM_CLOSE:
      DestroyWindow(form);
      return TRUE;
    case WM_DESTROY:
      g_form1 = nullptr;
      ui::FormDestroyed(form);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

HWND ShowMainWindow() {
  // Owned by nobody: the editors are separate top-level windows beside it.
  return ui::CreateForm(IDD_FORM1, nullptr, Form1Proc);
}

HWND MainWindow() { return g_form1; }

}  // namespace vdk
