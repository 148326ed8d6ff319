#include "tools/skin_gallery/stand_ins.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "tools/skin_gallery/frame_windows.h"
#include "tools/skin_gallery/pages.h"
#include "tools/skin_gallery/painted_windows.h"

namespace gallery {

namespace {

LRESULT CALLBACK VbCommandButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

using frames::FormProc;
using frames::MdiFormProc;
using frames::MfcChildFrameProc;
using frames::MfcFrameProc;
using painted::DataComboProc;
using painted::DataListProc;
using painted::GridProc;
using painted::NoteProc;
using painted::PictureBoxProc;
using painted::TabbedDialogProc;

constexpr StandIn kStandIns[] = {
    // The VB6 runtime's controls: superclasses of the standard controls.
    // The command button draws its graphical style itself, as the runtime does.
    {"ThunderRT6CommandButton", "Button", VbCommandButtonProc, 0},
    {"ThunderCommandButton", "Button", VbCommandButtonProc, 0},
    {"ThunderRT6CheckBox", "Button", nullptr, 0},
    {"ThunderCheckBox", "Button", nullptr, 0},
    {"ThunderRT6OptionButton", "Button", nullptr, 0},
    {"ThunderOptionButton", "Button", nullptr, 0},
    {"ThunderRT6Frame", "Button", nullptr, 0},
    {"ThunderFrame", "Button", nullptr, 0},
    {"ThunderRT6TextBox", "Edit", nullptr, 0},
    {"ThunderTextBox", "Edit", nullptr, 0},
    {"ThunderRT6ListBox", "ListBox", nullptr, 0},
    {"ThunderListBox", "ListBox", nullptr, 0},
    {"ThunderRT6ComboBox", "ComboBox", nullptr, 0},
    {"ThunderComboBox", "ComboBox", nullptr, 0},
    {"ThunderRT6DriveListBox", "ComboBox", nullptr, 0},
    {"ThunderDriveListBox", "ComboBox", nullptr, 0},
    {"ThunderRT6DirListBox", "ListBox", nullptr, 0},
    {"ThunderDirListBox", "ListBox", nullptr, 0},
    {"ThunderRT6FileListBox", "ListBox", nullptr, 0},
    {"ThunderFileListBox", "ListBox", nullptr, 0},
    {"ThunderRT6HScrollBar", "ScrollBar", nullptr, 0},
    {"ThunderHScrollBar", "ScrollBar", nullptr, 0},
    {"ThunderRT6VScrollBar", "ScrollBar", nullptr, 0},
    {"ThunderVScrollBar", "ScrollBar", nullptr, 0},
    // The VB6 runtime's forms and picture boxes paint themselves.
    {"ThunderRT6FormDC", nullptr, FormProc, COLOR_BTNFACE},
    {"ThunderFormDC", nullptr, FormProc, COLOR_BTNFACE},
    {"ThunderRT6MDIForm", nullptr, MdiFormProc, COLOR_APPWORKSPACE},
    {"ThunderMDIForm", nullptr, MdiFormProc, COLOR_APPWORKSPACE},
    {"ThunderRT6PictureBoxDC", nullptr, PictureBoxProc, COLOR_BTNFACE},
    {"ThunderPictureBoxDC", nullptr, PictureBoxProc, COLOR_BTNFACE},
    // ActiveX controls that wrap a common control.
    {"TreeView20WndClass", "SysTreeView32", nullptr, 0},
    {"ListView20WndClass", "SysListView32", nullptr, 0},
    {"RichTextWndClass", kRichEditClass, nullptr, 0},
    {"TabStrip20WndClass", "SysTabControl32", nullptr, 0},
    {"ProgressBar20WndClass", "msctls_progress32", nullptr, 0},
    {"Slider20WndClass", "msctls_trackbar32", nullptr, 0},
    {"UpDown20WndClass", "msctls_updown32", nullptr, 0},
    {"UpDownWndClass", "msctls_updown32", nullptr, 0},
    {"msvb_lib_updown", "msctls_updown32", nullptr, 0},
    {"msvb_lib_header", "SysHeader32", nullptr, 0},
    {"StatusBar20WndClass", "msctls_statusbar32", nullptr, 0},
    {"msvb_lib_toolbar", "ToolbarWindow32", nullptr, 0},
    {"DTPicker20WndClass", "SysDateTimePick32", nullptr, 0},
    {"MonthView20WndClass", "SysMonthCal32", nullptr, 0},
    {"msvb_lib_monthview", "SysMonthCal32", nullptr, 0},
    // ActiveX controls without a standard counterpart paint themselves.
    {"SSTabCtlWndClass", nullptr, TabbedDialogProc, COLOR_BTNFACE},
    {"ApexGrid.19", nullptr, GridProc, COLOR_BTNFACE},
    {"DataGridWndClass", nullptr, GridProc, COLOR_BTNFACE},
    {"MSFlexGridWndClass", nullptr, GridProc, COLOR_BTNFACE},
    {"MSHFlexGridWndClass", nullptr, GridProc, COLOR_BTNFACE},
    {"VSFlexGrid8L", nullptr, GridProc, COLOR_BTNFACE},
    {"DataComboWndClass", nullptr, DataComboProc, COLOR_BTNFACE},
    {"DBComboWndClass", nullptr, DataComboProc, COLOR_BTNFACE},
    {"DBListWndClass", nullptr, DataListProc, COLOR_BTNFACE},
    {"DataListWndClass", nullptr, DataListProc, COLOR_BTNFACE},
    // MFC: frames named as MFC names its registered classes
    // ("Afx:<instance>:<style>:<cursor>:<brush>:<icon>"), its views and bars.
    {"Afx:400000:8:10003:0:1234", nullptr, MfcFrameProc, COLOR_APPWORKSPACE},
    {"Afx:400000:b:10003:6:0", nullptr, MfcChildFrameProc, COLOR_WINDOW},
    {"Afx:400000:0:10003:10:0", nullptr, NoteProc, COLOR_BTNFACE},
    {"AfxFrameOrView42s", nullptr, NoteProc, COLOR_WINDOW},
    {"AfxControlBar42s", nullptr, NoteProc, COLOR_BTNFACE},
    // The VB runtime's toolbar container, which holds the toolbar window itself.
    {"Toolbar20WndClass", nullptr, NoteProc, COLOR_BTNFACE},
    // A class no skin knows: the library leaves it as it is.
    {"GalleryPlain", nullptr, NoteProc, COLOR_INFOBK},
};

// The standard button's procedure under the command buttons (ANSI, as the runtime's classes are).
WNDPROC g_buttonProc = nullptr;

bool IsGraphical(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// The runtime paints a graphical command button (its owner-drawn style)
// itself: its picture above its caption on the button face, through
// BeginPaint; the standard style is the system's button.
LRESULT CALLBACK VbCommandButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && IsGraphical(window)) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (dc) {
      RECT client{};
      GetClientRect(window, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      const bool pressed = SendMessageA(window, BM_GETSTATE, 0, 0) & BST_PUSHED;
      const int shift = pressed ? 1 : 0;
      DrawIconEx(dc, (client.right - 16) / 2 + shift, 7 + shift, LoadIconW(nullptr, IDI_INFORMATION), 16, 16, 0,
                 nullptr, DI_NORMAL);
      char text[128] = "";
      GetWindowTextA(window, text, sizeof text);
      const HGDIOBJ oldFont =
          SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, IsWindowEnabled(window) ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT));
      RECT textRect{shift, 26 + shift, client.right + shift, client.bottom};
      DrawTextA(dc, text, -1, &textRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
      SelectObject(dc, oldFont);
      EndPaint(window, &ps);
    }
    return 0;
  }
  if (message == WM_ERASEBKGND && IsGraphical(window)) return 1;
  return CallWindowProcA(g_buttonProc, window, message, wParam, lParam);
}

std::wstring Widen(const char* text) {
  return std::wstring(text, text + std::strlen(text));  // class names are ASCII
}

bool RegisterSuperclass(HINSTANCE instance, const char* base, const char* name, bool ansi, WNDPROC own = nullptr) {
  if (ansi) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(instance, base, &wc)) return false;
    if (own) {  // a procedure of its own in front of the base class's
      g_buttonProc = wc.lpfnWndProc;
      wc.lpfnWndProc = own;
    }
    wc.lpszClassName = name;
    wc.hInstance = instance;
    return RegisterClassExA(&wc) != 0;
  }
  const std::wstring baseName = Widen(base), className = Widen(name);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, baseName.c_str(), &wc)) return false;
  wc.lpszClassName = className.c_str();
  wc.hInstance = instance;
  return RegisterClassExW(&wc) != 0;
}

bool RegisterPainted(HINSTANCE instance, const StandIn& standIn, bool ansi) {
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  const auto brush = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(standIn.background + 1));
  constexpr UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  if (ansi) {
    WNDCLASSEXA wc{sizeof wc, style,   standIn.paint, 0,      0, instance, nullptr, arrow,
                   brush,     nullptr, standIn.name,  nullptr};
    return RegisterClassExA(&wc) != 0;
  }
  const std::wstring className = Widen(standIn.name);
  WNDCLASSEXW wc{sizeof wc, style,   standIn.paint,     0,      0, instance, nullptr, arrow,
                 brush,     nullptr, className.c_str(), nullptr};
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

std::span<const StandIn> StandIns() {
  return kStandIns;
}

bool IsVbRuntimeClass(const char* name) {
  return std::strncmp(name, "Thunder", 7) == 0;
}

void RegisterStandInClasses(HINSTANCE instance) {
  static bool registered = false;
  if (registered) return;
  registered = true;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES |
                                                     ICC_USEREX_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // riched32.dll registers "RICHEDIT"; where it is missing, an edit box
  // stands in for it.
  LoadLibraryW(L"riched32.dll");
  WNDCLASSEXA richEdit{};
  richEdit.cbSize = sizeof richEdit;
  if (!GetClassInfoExA(instance, kRichEditClass, &richEdit)) {
    RegisterSuperclass(instance, "Edit", kRichEditClass, false);
  }

  for (const StandIn& standIn : kStandIns) {
    const bool ansi = IsVbRuntimeClass(standIn.name);
    if (standIn.base) {
      RegisterSuperclass(instance, standIn.base, standIn.name, ansi, standIn.paint);
    } else {
      RegisterPainted(instance, standIn, ansi);
    }
  }
}

}  // namespace gallery
