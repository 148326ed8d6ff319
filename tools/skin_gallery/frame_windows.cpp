// The frames page: a dialog box, VB6 forms and MDI forms, MFC main and MDI
// child frames, opened as top-level windows owned by the gallery.
#include "tools/skin_gallery/frame_windows.h"

#include <algorithm>
#include <string>
#include <vector>

#include "tools/skin_gallery/page_builders.h"
#include "tools/skin_gallery/page_kit.h"

namespace gallery::frames {

namespace {

// Menu commands of the frames.
enum : UINT {
  kNew = 100,
  kOpen,
  kSave,
  kClose,
  kCascade,
  kTile,
  kToolbar,
  kStatusBar,
};
constexpr UINT kFirstMdiChild = 0xFF00;

HINSTANCE Instance() {
  return GetModuleHandleW(nullptr);
}

// Two menus: "File", and "Window" for MDI frames or "View" for the others.
HMENU FrameMenu(bool mdi) {
  const HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kNew, L"&New");
  AppendMenuW(file, MF_STRING, kOpen, L"&Open...");
  AppendMenuW(file, MF_STRING | MF_GRAYED, kSave, L"&Save");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, kClose, L"&Close");
  const HMENU second = CreatePopupMenu();
  if (mdi) {
    AppendMenuW(second, MF_STRING, kCascade, L"&Cascade");
    AppendMenuW(second, MF_STRING, kTile, L"&Tile");
  } else {
    AppendMenuW(second, MF_STRING | MF_CHECKED, kToolbar, L"&Toolbar");
    AppendMenuW(second, MF_STRING | MF_CHECKED, kStatusBar, L"&Status bar");
  }
  const HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(second), mdi ? L"&Window" : L"&View");
  return bar;
}

void ToggleCheck(HWND frame, UINT command) {
  const HMENU menu = GetMenu(frame);
  const bool checked = GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED;
  CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED));
}

// Handles the menu commands every frame shares; false for other commands.
bool FrameCommand(HWND frame, HWND mdiClient, UINT command) {
  switch (command) {
    case kClose:
      ShowWindow(frame, SW_HIDE);
      return true;
    case kCascade:
      if (mdiClient) SendMessageW(mdiClient, WM_MDICASCADE, 0, 0);
      return true;
    case kTile:
      if (mdiClient) SendMessageW(mdiClient, WM_MDITILE, MDITILE_HORIZONTAL, 0);
      return true;
    case kToolbar:
    case kStatusBar:
      ToggleCheck(frame, command);
      return true;
    case kNew:
    case kOpen:
    case kSave:
      return true;
  }
  return false;
}

HWND CreateMdiClient(HWND frame, HMENU windowMenu, DWORD exStyle) {
  CLIENTCREATESTRUCT client{windowMenu, kFirstMdiChild};
  return CreateWindowExW(exStyle, L"MDIClient", nullptr,
                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, frame,
                         nullptr, Instance(), &client);
}

// --- Dialog template in memory --------------------------------------------

class DialogTemplate {
 public:
  DialogTemplate(const wchar_t* title, DWORD style, short width, short height, DWORD exStyle = 0) {
    Dword(style | DS_SETFONT);
    Dword(exStyle);
    for (WORD value : {WORD{0}, WORD{0}, WORD{0}, static_cast<WORD>(width), static_cast<WORD>(height), WORD{0}, WORD{0}})
      words_.push_back(value);
    String(title);
    words_.push_back(8);
    String(L"MS Shell Dlg");
  }

  // A control of a predefined class, given by its atom (0x80 button,
  // 0x81 edit, 0x82 static).
  void Add(WORD id, WORD classAtom, const wchar_t* text, DWORD style, short x, short y, short width,
           short height) {
    if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    for (short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
    for (WORD value : {id, WORD{0xFFFF}, classAtom}) words_.push_back(value);
    String(text);
    words_.push_back(0);
    ++words_[4];  // the template's item count
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void String(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        ShowWindow(dialog, SW_HIDE);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

HWND OpenDialog(HWND owner) {
  DialogTemplate dialog(L"Dialog box", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 200, 112);
  dialog.Add(0xFFFF, 0x82,
             L"A dialog box made from a template in memory: the class the system gives every dialog.",
             SS_LEFT, 7, 7, 186, 18);
  dialog.Add(0xFFFF, 0x82, L"Name:", SS_LEFT, 7, 32, 30, 10);
  dialog.Add(101, 0x81, L"Sample text", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 40, 30, 110, 12);
  dialog.Add(102, 0x80, L"Remember the choice", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 50, 120, 10);
  dialog.Add(103, 0x80, L"Ask every time", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 7, 64, 120, 10);
  dialog.Add(IDOK, 0x80, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 88, 92, 50, 14);
  dialog.Add(IDCANCEL, 0x80, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 143, 92, 50, 14);
  return CreateDialogIndirectParamW(Instance(), dialog.get(), owner, DialogProc, 0);
}

// A dialog with a help button in its caption and no minimize or maximize
// box: the help button takes the maximize button's place.
HWND OpenHelpDialog(HWND owner) {
  DialogTemplate dialog(L"Dialog box with help", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CONTEXTHELP,
                        200, 90);
  dialog.Add(0xFFFF, 0x82, L"DS_CONTEXTHELP without minimize and maximize boxes: the help button sits where "
                           L"the maximize button would.",
             SS_LEFT, 7, 7, 186, 28);
  dialog.Add(IDOK, 0x80, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 143, 70, 50, 14);
  return CreateDialogIndirectParamW(Instance(), dialog.get(), owner, DialogProc, 0);
}

// A sizable tool window: the skin's small caption with a close button only.
HWND OpenToolDialog(HWND owner) {
  DialogTemplate dialog(L"Tool window", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 160, 80,
                        WS_EX_TOOLWINDOW);
  dialog.Add(0xFFFF, 0x82, L"A dialog box with WS_EX_TOOLWINDOW: the tool frame.", SS_LEFT, 7, 7, 146, 28);
  dialog.Add(IDCANCEL, 0x80, L"Close", BS_PUSHBUTTON | WS_TABSTOP, 103, 60, 50, 14);
  return CreateDialogIndirectParamW(Instance(), dialog.get(), owner, DialogProc, 0);
}

// --- VB6 forms --------------------------------------------------------------

void PaintForm(HWND form) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(form, &ps);
  if (dc) {
    char className[64] = "";
    GetClassNameA(form, className, static_cast<int>(std::size(className)));
    const std::string text = std::string("A VB6 form: ") + className;
    const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TextOutA(dc, 12, 10, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, oldFont);
  }
  EndPaint(form, &ps);
}

// A command button and a text box, of the runtime the form belongs to.
void AddFormControls(HWND form) {
  char className[64] = "";
  GetClassNameA(form, className, static_cast<int>(std::size(className)));
  const bool rt6 = std::string_view(className).starts_with("ThunderRT6");
  kit::CreateA(form, rt6 ? "ThunderRT6TextBox" : "ThunderTextBox", "Text1", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
               12, 34, 150, 22);
  kit::CreateA(form, rt6 ? "ThunderRT6CommandButton" : "ThunderCommandButton", "Command1", BS_PUSHBUTTON, 0,
               12, 64, 100, 26);
}

HWND OpenForm(HWND owner, const char* className, const char* caption, DWORD style, HMENU menu) {
  const HWND form =
      CreateWindowExA(0, className, caption, style, 0, 0, 320, 220, owner, menu, Instance(), nullptr);
  if (form) AddFormControls(form);
  return form;
}

HWND OpenMdiForm(HWND owner, const char* className, const char* childClass, const char* caption) {
  const HMENU menu = FrameMenu(true);
  const HWND form = CreateWindowExA(0, className, caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 320,
                                    220, owner, menu, Instance(), nullptr);
  if (!form) return nullptr;
  const HWND client = CreateMdiClient(form, GetSubMenu(menu, 1), WS_EX_CLIENTEDGE);
  SetWindowLongPtrA(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
  RECT area;
  GetClientRect(form, &area);
  MoveWindow(client, 0, 0, area.right, area.bottom, TRUE);
  MDICREATESTRUCTA child{childClass, "Form1", Instance(), 8, 8, 240, 124, 0, 0};
  const auto created =
      reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
  if (created) AddFormControls(created);
  return form;
}

// An MDI form whose children show the MDI child frames: a normal child and a
// tool-frame child side by side, or one maximised child.
HWND OpenMdiFormWithChildren(HWND owner, bool maximized) {
  const HMENU menu = FrameMenu(true);
  const HWND form = CreateWindowExA(0, "ThunderRT6MDIForm", maximized ? "MDI form, maximised child" : "MDI form, two children",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 320, 220, owner, menu, Instance(),
                                    nullptr);
  if (!form) return nullptr;
  const HWND client = CreateMdiClient(form, GetSubMenu(menu, 1), WS_EX_CLIENTEDGE);
  SetWindowLongPtrA(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
  RECT area;
  GetClientRect(form, &area);
  MoveWindow(client, 0, 0, area.right, area.bottom, TRUE);
  if (maximized) {
    MDICREATESTRUCTA child{"ThunderRT6FormDC", "Maximised", Instance(), 0, 0, 200, 120, WS_MAXIMIZE, 0};
    const auto created =
        reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
    if (created) AddFormControls(created);
    return form;
  }
  MDICREATESTRUCTA normal{"ThunderRT6FormDC", "Normal", Instance(), 4, 4, 170, 110, 0, 0};
  if (const auto created =
          reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&normal))))
    AddFormControls(created);
  CreateWindowExA(WS_EX_MDICHILD | WS_EX_TOOLWINDOW, "ThunderRT6FormDC", "Tool", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE,
                  180, 20, 120, 90, client, nullptr, Instance(), nullptr);
  return form;
}

// --- MFC frames ---------------------------------------------------------------

constexpr wchar_t kMfcFrameClass[] = L"Afx:400000:8:10003:0:1234";
constexpr wchar_t kMfcChildFrameClass[] = L"Afx:400000:b:10003:6:0";
constexpr wchar_t kMfcPlainClass[] = L"Afx:400000:0:10003:10:0";
constexpr int kControlBarHeight = 28;
constexpr UINT kToolbarId = 0xE800;    // where MFC puts its toolbar
constexpr UINT kFirstPaneId = 0xE900;  // and its view or MDI client

// What an MFC main frame holds: a control bar and an MDI client, or one
// caption-less window filling it.
struct MfcFrameParts {
  HWND bar = nullptr;
  HWND client = nullptr;
  HWND body = nullptr;
};

MfcFrameParts* PartsOf(HWND frame) {
  return reinterpret_cast<MfcFrameParts*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
}

void LayOutMfcFrame(HWND frame) {
  const MfcFrameParts* parts = PartsOf(frame);
  if (!parts) return;
  RECT area;
  GetClientRect(frame, &area);
  int top = 0;
  if (parts->bar) {
    MoveWindow(parts->bar, 0, 0, area.right, kControlBarHeight, TRUE);
    top = kControlBarHeight;
  }
  const HWND pane = parts->client ? parts->client : parts->body;
  if (pane) MoveWindow(pane, 0, top, area.right, std::max<int>(0, area.bottom - top), TRUE);
}

HWND OpenMfcMdiFrame(HWND owner) {
  const HMENU menu = FrameMenu(true);
  const HWND frame = CreateWindowExW(0, kMfcFrameClass, L"MFC frame with an MDI child",
                                     WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 320, 220, owner, menu,
                                     Instance(), nullptr);
  if (!frame) return nullptr;
  auto* parts = new MfcFrameParts;
  parts->bar =
      CreateWindowExW(0, L"AfxControlBar42s", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, frame,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kToolbarId)), Instance(), nullptr);
  parts->client = CreateMdiClient(frame, GetSubMenu(menu, 1), WS_EX_CLIENTEDGE);
  SetWindowLongW(parts->client, GWL_ID, kFirstPaneId);
  SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(parts));
  LayOutMfcFrame(frame);
  MDICREATESTRUCTW child{kMfcChildFrameClass, L"Document1", Instance(), 6, 6, 240, 104, 0, 0};
  SendMessageW(parts->client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child));
  return frame;
}

HWND OpenMfcScrolledFrame(HWND owner) {
  const HWND frame = CreateWindowExW(0, kMfcFrameClass, L"MFC frame with scroll bars",
                                     WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN, 0, 0,
                                     320, 220, owner, FrameMenu(false), Instance(), nullptr);
  if (!frame) return nullptr;
  auto* parts = new MfcFrameParts;
  parts->body =
      CreateWindowExW(0, kMfcPlainClass,
                      L"Afx:400000:0:10003:10:0 - an MFC window without a caption, inside a frame "
                      L"that carries its own horizontal and vertical scroll bars.",
                      WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstPaneId)), Instance(), nullptr);
  SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(parts));
  kit::SetScroll(frame, SB_HORZ, 0, 199, 50, 20);
  kit::SetScroll(frame, SB_VERT, 0, 299, 80, 60);
  LayOutMfcFrame(frame);
  return frame;
}

// --- The page ---------------------------------------------------------------

struct FrameEntry {
  const wchar_t* description;
  HWND (*open)(HWND owner);
};

const FrameEntry kFrames[] = {
    {L"Dialog box made from a template in memory (#32770).", OpenDialog},
    {L"Dialog box with a help button and no minimize or maximize box (DS_CONTEXTHELP).", OpenHelpDialog},
    {L"Tool window: a sizable dialog box with WS_EX_TOOLWINDOW.", OpenToolDialog},
    {L"VB6 form with a menu bar, a text box and a command button (ThunderRT6FormDC).",
     [](HWND owner) {
       return OpenForm(owner, "ThunderRT6FormDC", "VB6 form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                       FrameMenu(false));
     }},
    {L"VB6 form of the older runtime with a fixed border and no menu (ThunderFormDC).",
     [](HWND owner) {
       return OpenForm(owner, "ThunderFormDC", "VB6 form, fixed border",
                       WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, nullptr);
     }},
    {L"VB6 MDI form: an MDIClient holding an MDI child form (ThunderRT6MDIForm, ThunderRT6FormDC).",
     [](HWND owner) { return OpenMdiForm(owner, "ThunderRT6MDIForm", "ThunderRT6FormDC", "VB6 MDI form"); }},
    {L"VB6 MDI form of the older runtime with its MDI child form (ThunderMDIForm, ThunderFormDC).",
     [](HWND owner) { return OpenMdiForm(owner, "ThunderMDIForm", "ThunderFormDC", "VB6 MDI form, older"); }},
    {L"VB6 MDI form with a normal and a tool-frame MDI child form.",
     [](HWND owner) { return OpenMdiFormWithChildren(owner, false); }},
    {L"VB6 MDI form with a maximised MDI child form.",
     [](HWND owner) { return OpenMdiFormWithChildren(owner, true); }},
    {L"MFC main frame: a control bar and an MDIClient with an MDI child frame holding a view "
     L"(Afx:400000:8:..., AfxControlBar42s, Afx:400000:b:..., AfxFrameOrView42s).",
     OpenMfcMdiFrame},
    {L"MFC main frame with horizontal and vertical scroll bars around an MFC window without a caption "
     L"(Afx:400000:0:...).",
     OpenMfcScrolledFrame},
};

// Where the frames go: in six columns below the gallery when the screen
// has room there, else cascaded over the page.
std::vector<RECT> FramePlaces(HWND root, HWND panel, int count) {
  RECT work, rootRect, panelRect;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(root, &rootRect);
  GetWindowRect(panel, &panelRect);
  constexpr int kColumns = 6;
  const int rows = (count + kColumns - 1) / kColumns;
  std::vector<RECT> places;
  if (work.bottom - rootRect.bottom >= rows * 180) {
    const int width = (work.right - work.left) / kColumns;
    const int height = std::min<int>(260, (work.bottom - rootRect.bottom) / rows);
    for (int i = 0; i < count; ++i) {
      const int left = work.left + (i % kColumns) * width, top = rootRect.bottom + (i / kColumns) * height;
      places.push_back({left, top, left + width, top + height});
    }
  } else {
    for (int i = 0; i < count; ++i) {
      const int left = panelRect.left + 40 + 28 * i, top = panelRect.top + 30 + 28 * i;
      places.push_back({left, top, left + 330, top + 230});
    }
  }
  return places;
}

void ArrangeFrames(HWND panel, const std::vector<HWND>& frames, bool show) {
  const HWND root = GetAncestor(panel, GA_ROOT);
  const std::vector<RECT> places = FramePlaces(root, panel, static_cast<int>(frames.size()));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const RECT& r = places[i];
    SetWindowPos(frames[i], HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    if (show) ShowWindow(frames[i], SW_SHOWNOACTIVATE);
  }
}

}  // namespace

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool mdiChild = GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_MDICHILD;
  switch (message) {
    case WM_PAINT:
      PaintForm(form);
      return 0;
    case WM_CLOSE:
      // A form hides; its Show button on the frames page brings it back. An
      // MDI child form stays where it is.
      if (!mdiChild) ShowWindow(form, SW_HIDE);
      return 0;
    case WM_COMMAND:
      if (!lParam && FrameCommand(form, nullptr, LOWORD(wParam))) return 0;
      break;
  }
  return mdiChild ? DefMDIChildProcA(form, message, wParam, lParam)
                  : DefWindowProcA(form, message, wParam, lParam);
}

LRESULT CALLBACK MdiFormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto client = reinterpret_cast<HWND>(GetWindowLongPtrA(form, GWLP_USERDATA));
  switch (message) {
    case WM_CLOSE:
      ShowWindow(form, SW_HIDE);
      return 0;
    case WM_COMMAND:
      if (!lParam && FrameCommand(form, client, LOWORD(wParam))) return 0;
      break;
  }
  return DefFrameProcA(form, client, message, wParam, lParam);
}

LRESULT CALLBACK MfcFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  MfcFrameParts* parts = PartsOf(frame);
  const HWND client = parts ? parts->client : nullptr;
  switch (message) {
    case WM_SIZE:
      // The frame lays out its bar and pane itself (the default would give
      // the MDI client the whole client area).
      LayOutMfcFrame(frame);
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!lParam) {
        kit::Scroll(frame, message == WM_HSCROLL ? SB_HORZ : SB_VERT, wParam);
        return 0;
      }
      break;
    case WM_CLOSE:
      ShowWindow(frame, SW_HIDE);
      return 0;
    case WM_COMMAND:
      if (!lParam && FrameCommand(frame, client, LOWORD(wParam))) return 0;
      break;
    case WM_NCDESTROY:
      delete parts;
      SetWindowLongPtrW(frame, GWLP_USERDATA, 0);
      break;
  }
  return client ? DefFrameProcW(frame, client, message, wParam, lParam)
                : DefWindowProcW(frame, message, wParam, lParam);
}

LRESULT CALLBACK MfcChildFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExW(WS_EX_CLIENTEDGE, L"AfxFrameOrView42s",
                      L"AfxFrameOrView42s - the document's view inside an MDI child frame.",
                      WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstPaneId)), Instance(), nullptr);
      break;
    case WM_SIZE:
      if (const HWND view = GetWindow(frame, GW_CHILD))
        MoveWindow(view, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      break;  // the MDI child's own handling follows
    case WM_CLOSE:
      return 0;
  }
  return DefMDIChildProcW(frame, message, wParam, lParam);
}

}  // namespace gallery::frames

namespace gallery::pages {

void BuildFrames(HWND panel) {
  using frames::kFrames;
  const HWND root = GetAncestor(panel, GA_ROOT);
  const bool show = IsWindowVisible(root);
  std::vector<HWND> opened;
  for (const auto& entry : kFrames) {
    const HWND frame = entry.open(root);
    kit::AdoptFrame(panel, frame);
    opened.push_back(frame);
  }
  frames::ArrangeFrames(panel, opened, show);
  if (show) SetActiveWindow(root);  // the gallery keeps the focus

  kit::Heading(panel, L"Top-level frames", 16, 12, 700);
  kit::Label(panel,
             L"Each frame opens as a window of its own beside the gallery. Closing a frame hides it; its "
             L"Show button brings it back.",
             16, 34, 720, 32);
  int y = 70;
  for (std::size_t i = 0; i < opened.size(); ++i, y += 36) {
    const HWND frame = opened[i];
    const HWND button = kit::Create(panel, L"Button", L"Show", BS_PUSHBUTTON | WS_TABSTOP, 0, 16, y, 72, 26);
    kit::OnClick(button, [frame] {
      ShowWindow(frame, SW_SHOWNORMAL);
      BringWindowToTop(frame);
    });
    kit::Label(panel, kFrames[i].description, 100, y + 1, 640, 32);
  }
  const HWND arrange = kit::Create(panel, L"Button", L"Show all and arrange", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                   16, y + 4, 160, 26);
  kit::OnClick(arrange, [panel, opened] { frames::ArrangeFrames(panel, opened, true); });
}

}  // namespace gallery::pages
