// The page table, the page panel that hosts a page, and the helpers the
// page builders share (page_kit.h).
#include "tools/skin_gallery/pages.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <string>

#include "tools/skin_gallery/page_builders.h"
#include "tools/skin_gallery/page_kit.h"

namespace gallery {

namespace {

constexpr wchar_t kPanelClass[] = L"GalleryPage";

constexpr Page kPages[] = {
    {L"frames", L"Frames", pages::BuildFrames},
    {L"buttons", L"Buttons", pages::BuildButtons},
    {L"edits", L"Edit, list and combo boxes", pages::BuildEdits},
    {L"tabs", L"Tabs and pictures", pages::BuildTabs},
    {L"scrollbars", L"Scroll bars", pages::BuildScrollBars},
    {L"ranges", L"Progress, trackbars, up-downs, headers", pages::BuildRanges},
    {L"bars", L"Status bars and toolbars", pages::BuildBars},
    {L"menus", L"Menus", pages::BuildMenus},
    {L"dates", L"Dates", pages::BuildDates},
    {L"grids", L"Data controls and grids", pages::BuildGrids},
    {L"other", L"Other windows", pages::BuildOther},
};

constexpr Charset U = Charset::kUnicode;
constexpr Charset A = Charset::kAnsi;
constexpr Charset E = Charset::kEither;

constexpr ShownClass kShown[] = {
    {L"frames", L"#32770", U, false},
    {L"frames", L"ThunderRT6FormDC", A, false},
    {L"frames", L"ThunderFormDC", A, false},
    {L"frames", L"ThunderRT6MDIForm", A, false},
    {L"frames", L"ThunderMDIForm", A, false},
    {L"frames", L"MDIClient", U, false},
    {L"frames", L"Afx:400000:8:10003:0:1234", U, false},
    {L"frames", L"Afx:400000:b:10003:6:0", U, false},
    {L"frames", L"Afx:400000:0:10003:10:0", U, false},
    {L"frames", L"AfxFrameOrView42s", U, false},
    {L"frames", L"AfxControlBar42s", U, false},

    {L"buttons", L"Button", U, false},
    {L"buttons", L"ThunderRT6CommandButton", A, false},
    {L"buttons", L"ThunderCommandButton", A, false},
    {L"buttons", L"ThunderRT6CheckBox", A, false},
    {L"buttons", L"ThunderCheckBox", A, false},
    {L"buttons", L"ThunderRT6OptionButton", A, false},
    {L"buttons", L"ThunderOptionButton", A, false},
    {L"buttons", L"ThunderRT6Frame", A, false},
    {L"buttons", L"ThunderFrame", A, false},

    {L"edits", L"Edit", U, false},
    {L"edits", L"RICHEDIT", E, false},
    {L"edits", L"ListBox", U, false},
    {L"edits", L"ComboBox", U, false},
    {L"edits", L"ComboLBox", E, false},
    {L"edits", L"SysListView32", U, false},
    {L"edits", L"SysHeader32", U, false},
    {L"edits", L"SysTreeView32", U, false},
    {L"edits", L"ThunderRT6TextBox", A, false},
    {L"edits", L"ThunderTextBox", A, false},
    {L"edits", L"ThunderRT6ListBox", A, false},
    {L"edits", L"ThunderListBox", A, false},
    {L"edits", L"ThunderRT6ComboBox", A, false},
    {L"edits", L"ThunderComboBox", A, false},
    {L"edits", L"ThunderRT6DriveListBox", A, false},
    {L"edits", L"ThunderDriveListBox", A, false},
    {L"edits", L"ThunderRT6DirListBox", A, false},
    {L"edits", L"ThunderDirListBox", A, false},
    {L"edits", L"ThunderRT6FileListBox", A, false},
    {L"edits", L"ThunderFileListBox", A, false},
    {L"edits", L"TreeView20WndClass", U, false},
    {L"edits", L"ListView20WndClass", U, false},
    {L"edits", L"RichTextWndClass", E, false},

    {L"tabs", L"SysTabControl32", U, false},
    {L"tabs", L"TabStrip20WndClass", U, false},
    {L"tabs", L"SSTabCtlWndClass", U, false},
    {L"tabs", L"ThunderRT6PictureBoxDC", A, false},
    {L"tabs", L"ThunderPictureBoxDC", A, false},

    {L"scrollbars", L"ScrollBar", U, false},
    {L"scrollbars", L"ThunderRT6HScrollBar", A, false},
    {L"scrollbars", L"ThunderHScrollBar", A, false},
    {L"scrollbars", L"ThunderRT6VScrollBar", A, false},
    {L"scrollbars", L"ThunderVScrollBar", A, false},

    {L"ranges", L"msctls_progress32", U, false},
    {L"ranges", L"msctls_trackbar32", U, false},
    {L"ranges", L"msctls_updown32", U, false},
    {L"ranges", L"SysHeader32", U, false},
    {L"ranges", L"ProgressBar20WndClass", U, false},
    {L"ranges", L"Slider20WndClass", U, false},
    {L"ranges", L"UpDown20WndClass", U, false},
    {L"ranges", L"UpDownWndClass", U, false},
    {L"ranges", L"msvb_lib_updown", U, false},
    {L"ranges", L"msvb_lib_header", U, false},

    {L"bars", L"#32768", E, true},
    {L"bars", L"msctls_statusbar32", U, false},
    {L"bars", L"ToolbarWindow32", U, false},
    {L"bars", L"StatusBar20WndClass", U, false},
    {L"bars", L"Toolbar20WndClass", U, false},
    {L"bars", L"msvb_lib_toolbar", U, false},

    {L"dates", L"SysDateTimePick32", U, false},
    {L"dates", L"SysMonthCal32", U, false},
    {L"dates", L"DTPicker20WndClass", U, false},
    {L"dates", L"MonthView20WndClass", U, false},
    {L"dates", L"msvb_lib_monthview", U, false},

    {L"grids", L"ApexGrid.19", U, false},
    {L"grids", L"DataGridWndClass", U, false},
    {L"grids", L"DataComboWndClass", U, false},
    {L"grids", L"DBComboWndClass", U, false},
    {L"grids", L"DBListWndClass", U, false},
    {L"grids", L"DataListWndClass", U, false},
    {L"grids", L"MSFlexGridWndClass", U, false},
    {L"grids", L"MSHFlexGridWndClass", U, false},
    {L"grids", L"VSFlexGrid8L", U, false},

    {L"other", L"msctls_hotkey32", U, false},
    {L"other", L"SysIPAddress32", U, false},
    {L"other", L"SysAnimate32", U, false},
    {L"other", L"Static", U, false},
    {L"other", L"GalleryPlain", U, false},
};

// What a panel keeps: the click actions of its buttons, its frames, and the
// pop-ups its controls made for themselves (drop-down lists and calendars,
// tooltips), which the controls destroy again.
struct PanelState {
  std::map<HWND, std::function<void()>> clicks;
  std::vector<HWND> frames;
  std::vector<HWND> popups;
};

PanelState* StateOf(HWND panel) {
  return reinterpret_cast<PanelState*>(GetWindowLongPtrW(panel, GWLP_USERDATA));
}

bool IsPanel(HWND window) {
  wchar_t name[32] = L"";
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring_view(name) == kPanelClass;
}

// The owner-drawn button of the buttons page: the panel, its parent, draws it.
void DrawOwnerDrawnButton(const DRAWITEMSTRUCT& item) {
  const bool pressed = item.itemState & ODS_SELECTED;
  RECT r = item.rcItem;
  const HBRUSH fill = CreateSolidBrush(pressed ? RGB(70, 110, 170) : RGB(110, 150, 210));
  FillRect(item.hDC, &r, fill);
  DeleteObject(fill);
  DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  wchar_t text[64] = L"";
  GetWindowTextW(item.hwndItem, text, static_cast<int>(std::size(text)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(255, 255, 255));
  if (pressed) OffsetRect(&r, 1, 1);
  DrawTextW(item.hDC, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(item.hDC, &r);
  }
}

bool IsScrollBarControl(HWND control) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  return control && SendMessageW(control, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PanelState));
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) {
        PanelState* state = StateOf(panel);
        const auto found = state->clicks.find(reinterpret_cast<HWND>(lParam));
        if (found != state->clicks.end()) {
          const std::function<void()> action = found->second;  // it may close the page
          action();
        }
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_BUTTON) break;
      DrawOwnerDrawnButton(item);
      return TRUE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      // Standalone scroll bars follow the user; trackbars and up-downs
      // (which also report here) keep their own position.
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (IsScrollBarControl(control)) kit::Scroll(control, SB_CTL, wParam);
      return 0;
    }
    case WM_DESTROY:
      for (HWND frame : StateOf(panel)->frames) {
        if (IsWindow(frame)) DestroyWindow(frame);
      }
      break;
    case WM_NCDESTROY:
      delete StateOf(panel);
      SetWindowLongPtrW(panel, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(panel, message, wParam, lParam);
}

void RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, kPanelClass, &wc)) return;
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  RegisterClassExW(&wc);
}

bool SameText(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return std::towlower(x) == std::towlower(y);
         });
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

void AddDescendants(HWND window, std::vector<HWND>& windows) {
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&windows));
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

std::span<const Page> Pages() {
  return kPages;
}

const Page* FindPage(std::wstring_view key) {
  for (const Page& page : kPages) {
    if (SameText(key, page.name) || SameText(key, page.title)) return &page;
  }
  if (!key.empty() && key.size() <= 2 &&
      std::all_of(key.begin(), key.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
    const std::size_t number = std::stoul(std::wstring(key));
    if (number >= 1 && number <= std::size(kPages)) return &kPages[number - 1];
  }
  return nullptr;
}

std::span<const ShownClass> ShownClasses() {
  return kShown;
}

HWND BuildPage(const Page& page, HWND parent, const RECT& area) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterStandInClasses(instance);
  RegisterPanelClass(instance);
  const HWND panel = CreateWindowExW(
      WS_EX_CONTROLPARENT, kPanelClass, page.title, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, area.left,
      area.top, area.right - area.left, area.bottom - area.top, parent, nullptr, instance, nullptr);
  if (!panel) return nullptr;
  const std::vector<HWND> before = TopLevelWindows();
  page.build(panel);
  PanelState& state = *StateOf(panel);
  for (HWND window : TopLevelWindows()) {
    if (std::find(before.begin(), before.end(), window) == before.end() &&
        std::find(state.frames.begin(), state.frames.end(), window) == state.frames.end()) {
      state.popups.push_back(window);
    }
  }
  return panel;
}

void ClosePage(HWND panel) {
  if (IsWindow(panel)) DestroyWindow(panel);
}

std::vector<HWND> PageWindows(HWND panel) {
  std::vector<HWND> windows;
  if (!IsWindow(panel)) return windows;
  AddDescendants(panel, windows);
  const PanelState& state = *StateOf(panel);
  for (const auto* topLevel : {&state.frames, &state.popups}) {
    for (HWND window : *topLevel) {
      if (!IsWindow(window)) continue;
      windows.push_back(window);
      AddDescendants(window, windows);
    }
  }
  return windows;
}

namespace kit {

namespace {
WORD g_nextId = 1000;

WORD NextId() {
  if (g_nextId >= 0xF000) g_nextId = 1000;
  return g_nextId++;
}

// Children get an id; top-level windows (owned frames) none.
HMENU IdFor(DWORD style) {
  return (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(NextId())) : nullptr;
}
}  // namespace

HFONT Font() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT BoldFont() {
  static const HFONT bold = [] {
    LOGFONTW font{};
    GetObjectW(Font(), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
  }();
  return bold;
}

HWND Create(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x,
            int y, int width, int height) {
  style |= WS_CHILD | WS_VISIBLE;
  const HWND window = CreateWindowExW(exStyle, className, text, style, x, y, width, height, parent,
                                      IdFor(style), GetModuleHandleW(nullptr), nullptr);
  if (window) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  return window;
}

HWND CreateA(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y,
             int width, int height) {
  style |= WS_CHILD | WS_VISIBLE;
  const HWND window = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                      IdFor(style), GetModuleHandleW(nullptr), nullptr);
  if (window) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  return window;
}

HWND Heading(HWND parent, const wchar_t* text, int x, int y, int width) {
  const HWND heading =
      Create(parent, L"Static", text, SS_LEFT | SS_NOPREFIX, 0, x, y, width, kLabelHeight + 2);
  SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  return heading;
}

HWND Label(HWND parent, const wchar_t* text, int x, int y, int width, int height) {
  return Create(parent, L"Static", text, SS_LEFT | SS_NOPREFIX, 0, x, y, width, height);
}

void OnClick(HWND control, std::function<void()> action) {
  const HWND panel = GetParent(control);
  if (!IsPanel(panel)) return;
  StateOf(panel)->clicks[control] = std::move(action);
}

void AdoptFrame(HWND panel, HWND frame) {
  if (frame && IsPanel(panel)) StateOf(panel)->frames.push_back(frame);
}

HWND PanelOf(HWND window) {
  for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
    if (IsPanel(w)) return w;
  }
  return nullptr;
}

int Scroll(HWND window, int bar, WPARAM code) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(window, bar, &info)) return 0;
  const int page = std::max(1, static_cast<int>(info.nPage));
  const int last = std::max(info.nMin, info.nMax - std::max(0, static_cast<int>(info.nPage) - 1));
  int position = info.nPos;
  switch (LOWORD(code)) {
    case SB_LINEUP:
      position -= 1;
      break;
    case SB_LINEDOWN:
      position += 1;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = info.nMin;
      break;
    case SB_BOTTOM:
      position = last;
      break;
    default:
      return info.nPos;
  }
  position = std::clamp(position, info.nMin, last);
  if (position != info.nPos) {
    SCROLLINFO update{sizeof update, SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(window, bar, &update, TRUE);
  }
  return position;
}

void SetScroll(HWND window, int bar, int minimum, int maximum, int page, int position) {
  SCROLLINFO info{
      sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, minimum, maximum, static_cast<UINT>(page), position, 0};
  SetScrollInfo(window, bar, &info, TRUE);
}

void Column::Heading(const wchar_t* text) {
  kit::Heading(parent_, text, x_, y_, width_);
  y_ += kLabelHeight + 4;
}

void Column::Label(const wchar_t* text) {
  kit::Label(parent_, text, x_, y_, width_);
  y_ += kLabelHeight + 1;
}

HWND Column::Add(const wchar_t* className, const wchar_t* text, DWORD style, int height, DWORD exStyle) {
  const HWND window = Create(parent_, className, text, style, exStyle, x_, y_, width_, height);
  y_ += height + kGap;
  return window;
}

HWND Column::AddA(const char* className, const char* text, DWORD style, int height, DWORD exStyle) {
  const HWND window = CreateA(parent_, className, text, style, exStyle, x_, y_, width_, height);
  y_ += height + kGap;
  return window;
}

HWND Column::AddCombo(const wchar_t* className, DWORD style, int listHeight) {
  const HWND window = Create(parent_, className, L"", style, 0, x_, y_, width_, listHeight);
  y_ += kRowHeight + kGap;
  return window;
}

HWND Column::AddComboA(const char* className, DWORD style, int listHeight) {
  const HWND window = CreateA(parent_, className, "", style, 0, x_, y_, width_, listHeight);
  y_ += kRowHeight + kGap;
  return window;
}

}  // namespace kit

}  // namespace gallery
