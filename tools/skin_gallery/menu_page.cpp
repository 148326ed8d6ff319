// The menus page: a context menu with every kind of item, a long menu that
// scrolls, a form whose menu bar wraps onto two rows and an MDI form whose
// maximised child puts its buttons into the frame's menu bar.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/skin_gallery/page_builders.h"
#include "tools/skin_gallery/page_kit.h"

namespace gallery::pages {
namespace {

constexpr wchar_t kOwnerClass[] = L"GalleryMenuOwner";
constexpr ULONG_PTR kOwnDrawnData = 0x6A11;  // the item the owner draws itself
constexpr UINT kFirstLongItem = 1000;
constexpr int kLongItems = 80;

enum Command : UINT {
  kPlain = 1,
  kDisabled,
  kChecked,
  kRadioOne,
  kRadioTwo,
  kDefault,
  kCopy,
  kPicture,
  kOwnDrawn,
  kWide,
  kInnerOne,
  kInnerTwo,
};

struct OwnerState {
  HBITMAP picture = nullptr;
  std::wstring chosen = L"Right-click here, or use the buttons below.";
};

OwnerState* StateOf(HWND owner) {
  return reinterpret_cast<OwnerState*>(GetWindowLongPtrW(owner, GWLP_USERDATA));
}

// A 16 x 16 picture of four coloured squares.
HBITMAP MakePicture() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF colours[] = {RGB(220, 40, 40), RGB(40, 160, 40), RGB(40, 80, 220), RGB(230, 180, 20)};
  for (int i = 0; i < 4; ++i) {
    const RECT r{(i % 2) * 8, (i / 2) * 8, (i % 2) * 8 + 8, (i / 2) * 8 + 8};
    HBRUSH brush = CreateSolidBrush(colours[i]);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

HMENU ContextMenu(OwnerState& state) {
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kPlain, L"&Plain item");
  AppendMenuW(menu, MF_STRING | MF_GRAYED, kDisabled, L"&Disabled item");
  AppendMenuW(menu, MF_STRING | MF_CHECKED, kChecked, L"&Checked item");
  AppendMenuW(menu, MF_STRING, kRadioOne, L"Radio &one");
  AppendMenuW(menu, MF_STRING, kRadioTwo, L"Radio &two");
  CheckMenuRadioItem(menu, kRadioOne, kRadioTwo, kRadioTwo, MF_BYCOMMAND);
  AppendMenuW(menu, MF_STRING, kDefault, L"D&efault item");
  SetMenuDefaultItem(menu, kDefault, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kCopy, L"Cop&y\tCtrl+C");
  const HMENU inner = CreatePopupMenu();
  AppendMenuW(inner, MF_STRING, kInnerOne, L"Inner item");
  AppendMenuW(inner, MF_STRING | MF_CHECKED, kInnerTwo, L"Inner checked item");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), L"&Submenu");
  MENUITEMINFOW picture{};
  picture.cbSize = sizeof picture;
  picture.fMask = MIIM_STRING | MIIM_ID | MIIM_BITMAP;
  picture.wID = kPicture;
  picture.dwTypeData = const_cast<wchar_t*>(L"P&icture item");
  picture.hbmpItem = state.picture;
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &picture);
  AppendMenuW(menu, MF_OWNERDRAW, kOwnDrawn, reinterpret_cast<LPCWSTR>(kOwnDrawnData));
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kWide, L"\x4E2D\x6587\x83DC\x5355\x9879 (wide text)");
  return menu;
}

HMENU LongMenu() {
  const HMENU menu = CreatePopupMenu();
  for (int i = 0; i < kLongItems; ++i) {
    const std::wstring text = L"Entry " + std::to_wstring(i + 1);
    AppendMenuW(menu, MF_STRING, kFirstLongItem + i, text.c_str());
  }
  return menu;
}

void ShowMenu(HWND owner, bool long_menu, POINT at) {
  OwnerState* state = StateOf(owner);
  if (state == nullptr) return;
  const HMENU menu = long_menu ? LongMenu() : ContextMenu(*state);
  SetForegroundWindow(GetAncestor(owner, GA_ROOT));
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                     nullptr));
  DestroyMenu(menu);
  if (command == 0) return;
  state->chosen = L"Chosen: command " + std::to_wstring(command);
  InvalidateRect(owner, nullptr, TRUE);
}

void DrawOwnItem(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH back = CreateSolidBrush(selected ? RGB(255, 236, 170) : RGB(250, 250, 240));
  FillRect(item.hDC, &r, back);
  DeleteObject(back);
  RECT stripe{r.left + 4, r.top + 3, r.left + 10, r.bottom - 3};
  HBRUSH accent = CreateSolidBrush(RGB(30, 110, 200));
  FillRect(item.hDC, &stripe, accent);
  DeleteObject(accent);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(30, 110, 200));
  r.left += 16;
  DrawTextW(item.hDC, L"Drawn by the application", -1, &r, DT_SINGLELINE | DT_VCENTER);
}

LRESULT CALLBACK OwnerProc(HWND owner, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: {
      auto* state = new OwnerState;
      state->picture = MakePicture();
      SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      return 0;
    }
    case WM_NCDESTROY:
      if (OwnerState* state = StateOf(owner)) {
        if (state->picture != nullptr) DeleteObject(state->picture);
        delete state;
        SetWindowLongPtrW(owner, GWLP_USERDATA, 0);
      }
      break;
    case WM_CONTEXTMENU: {
      POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (at.x == -1 && at.y == -1) {
        at = {0, 0};
        ClientToScreen(owner, &at);
      }
      ShowMenu(owner, false, at);
      return 0;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (item->CtlType == ODT_MENU && item->itemData == kOwnDrawnData) {
        item->itemWidth = 150;
        item->itemHeight = 22;
        return TRUE;
      }
      break;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlType == ODT_MENU && item->itemData == kOwnDrawnData) {
        DrawOwnItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(owner, &ps);
      RECT r;
      GetClientRect(owner, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
      SetBkMode(dc, TRANSPARENT);
      const HGDIOBJ old = SelectObject(dc, kit::Font());
      if (OwnerState* state = StateOf(owner)) {
        DrawTextW(dc, state->chosen.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
      }
      SelectObject(dc, old);
      EndPaint(owner, &ps);
      return 0;
    }
  }
  return DefWindowProcW(owner, message, wparam, lparam);
}

void RegisterOwnerClass() {
  WNDCLASSW wc{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), kOwnerClass, &wc)) return;
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kOwnerClass;
  RegisterClassW(&wc);
}

// A bar with more items than one row holds in the form's width.
HMENU WrappingBar() {
  const HMENU bar = CreateMenu();
  const wchar_t* names[] = {L"&File", L"&Edit", L"&View", L"&Insert", L"F&ormat", L"&Tools", L"T&able",
                            L"&Window", L"&Help"};
  UINT id = 2000;
  for (const wchar_t* name : names) {
    const HMENU drop_down = CreatePopupMenu();
    AppendMenuW(drop_down, MF_STRING, id++, L"&First entry");
    AppendMenuW(drop_down, MF_STRING, id++, L"&Second entry\tF2");
    AppendMenuW(drop_down, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(drop_down, MF_STRING | MF_CHECKED, id++, L"&Checked entry");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(drop_down), name);
  }
  AppendMenuW(bar, MF_STRING, id, L"&Run");  // a bar item without a drop-down
  return bar;
}

HWND OpenWrappingForm(HWND root) {
  return CreateWindowExA(0, "ThunderRT6FormDC", "Form with a two-row menu bar",
                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 300, 200, root, WrappingBar(),
                         GetModuleHandleA(nullptr), nullptr);
}

HWND OpenMdiFormWithMaximisedChild(HWND root) {
  const HMENU bar = CreateMenu();
  const HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 3001, L"&New");
  AppendMenuW(file, MF_STRING, 3002, L"&Open...");
  const HMENU window_menu = CreatePopupMenu();
  AppendMenuW(window_menu, MF_STRING, 3003, L"&Cascade");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window_menu), L"&Window");
  const HWND form = CreateWindowExA(0, "ThunderRT6MDIForm", "MDI form, maximised child",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 340, 220, root, bar,
                                    GetModuleHandleA(nullptr), nullptr);
  if (form == nullptr) return nullptr;
  CLIENTCREATESTRUCT ccs{window_menu, 0xFF00};
  const HWND client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                                      form, nullptr, GetModuleHandleW(nullptr), &ccs);
  SetWindowLongPtrA(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
  RECT area;
  GetClientRect(form, &area);
  MoveWindow(client, 0, 0, area.right, area.bottom, TRUE);
  MDICREATESTRUCTA child{"ThunderRT6FormDC", "Maximised child", GetModuleHandleA(nullptr), 0, 0, 200, 120,
                         WS_MAXIMIZE, 0};
  SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child));
  return form;
}

}  // namespace

void BuildMenus(HWND panel) {
  constexpr int kLeft = 16;
  RegisterOwnerClass();
  kit::Heading(panel, L"Context menus", kLeft, 12, 500);
  kit::Label(panel,
             L"Plain, disabled, checked, radio and default items, a separator, an accelerator after a tab, a "
             L"submenu, a picture, an item the application draws itself and wide text.",
             kLeft, 34, 720, 32);
  const HWND owner = kit::Create(panel, kOwnerClass, L"", 0, 0, kLeft, 70, 480, 48);
  const HWND context = kit::Create(panel, L"Button", L"Open the context menu", BS_PUSHBUTTON | WS_TABSTOP, 0, kLeft,
                                   128, 200, 26);
  const HWND long_menu = kit::Create(panel, L"Button", L"Open a long menu", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                     kLeft + 216, 128, 200, 26);
  auto below = [](HWND button) {
    RECT r;
    GetWindowRect(button, &r);
    return POINT{r.left, r.bottom};
  };
  kit::OnClick(context, [owner, context, below] { ShowMenu(owner, false, below(context)); });
  kit::OnClick(long_menu, [owner, long_menu, below] { ShowMenu(owner, true, below(long_menu)); });

  kit::Heading(panel, L"Menu bars", kLeft, 170, 500);
  const HWND root = GetAncestor(panel, GA_ROOT);
  const bool show = IsWindowVisible(root);
  struct Framed {
    const wchar_t* description;
    HWND frame;
  };
  const Framed framed[] = {
      {L"A form whose menu bar wraps onto two rows; the last item has no drop-down.", OpenWrappingForm(root)},
      {L"An MDI form whose maximised child shows its icon and buttons in the menu bar.",
       OpenMdiFormWithMaximisedChild(root)},
  };
  RECT panel_rect;
  GetWindowRect(panel, &panel_rect);
  int y = 194;
  for (std::size_t i = 0; i < std::size(framed); ++i, y += 36) {
    const HWND frame = framed[i].frame;
    if (frame == nullptr) continue;
    kit::AdoptFrame(panel, frame);
    SetWindowPos(frame, HWND_TOP, panel_rect.left + 60 + 360 * static_cast<int>(i), panel_rect.top + 270, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    if (show) ShowWindow(frame, SW_SHOWNOACTIVATE);
    const HWND button = kit::Create(panel, L"Button", L"Show", BS_PUSHBUTTON | WS_TABSTOP, 0, kLeft, y, 72, 26);
    kit::OnClick(button, [frame] {
      ShowWindow(frame, SW_SHOWNORMAL);
      BringWindowToTop(frame);
    });
    kit::Label(panel, framed[i].description, 100, y + 5, 640);
  }
  if (show) SetActiveWindow(root);
}

}  // namespace gallery::pages
