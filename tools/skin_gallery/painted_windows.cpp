#include "tools/skin_gallery/painted_windows.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "tools/skin_gallery/page_kit.h"

namespace gallery::painted {

namespace {

constexpr COLORREF kHeaderColour = RGB(198, 212, 234);
constexpr COLORREF kLineColour = RGB(150, 150, 150);
constexpr COLORREF kCellColour = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

bool HasClass(HWND window, std::wstring_view name) {
  wchar_t className[64] = L"";
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  return name == className;
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void Text(HDC dc, std::wstring_view text, RECT r, UINT format, COLORREF colour) {
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// The state a painted control keeps in GWLP_USERDATA.
int State(HWND window) {
  return static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
void SetState(HWND window, int value) {
  SetWindowLongPtrW(window, GWLP_USERDATA, value);
}

int ScrollPosition(HWND window, int bar) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (!(style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL))) return 0;
  return GetScrollPos(window, bar);
}

// Draws through GetDC, outside the paint cycle.
template <typename Draw>
void DrawNow(HWND window, Draw draw) {
  const HDC dc = GetDC(window);
  if (!dc) return;
  draw(dc);
  ReleaseDC(window, dc);
}

// --- Grids ----------------------------------------------------------------

constexpr int kRowHeaderWidth = 30;
constexpr int kColumnWidth = 46;
constexpr int kGridRowHeight = 18;
constexpr int kGridColumns = 4;

// A grid that scrolls has rows to scroll through; the others end early
// enough to show their button-face background below the cells.
int GridRows(HWND window) {
  return (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) ? 40 : 6;
}

constexpr std::array<const wchar_t*, 10> kTrees = {L"Alder", L"Birch", L"Cedar", L"Elm", L"Fir",
                                                   L"Hazel", L"Larch", L"Maple", L"Oak", L"Rowan"};

std::wstring CellText(int row, int column) {
  if (column == 0) return kTrees[static_cast<std::size_t>(row) % kTrees.size()];
  return std::to_wstring((row + 3) * (column + 5) * 37 % 1000);
}

std::wstring ColumnTitle(int column) {
  return std::wstring(1, static_cast<wchar_t>(L'A' + column));
}

// Selection is kept as row * 256 + column + 1; 0 is none.
int SelectedRow(HWND window) {
  return State(window) ? (State(window) - 1) / 256 : -1;
}
int SelectedColumn(HWND window) {
  return State(window) ? (State(window) - 1) % 256 : -1;
}

void DrawGrid(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, GetSysColor(COLOR_BTNFACE));
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  const HPEN pen = CreatePen(PS_SOLID, 1, kLineColour);
  const HGDIOBJ oldPen = SelectObject(dc, pen);

  const int firstRow = ScrollPosition(window, SB_VERT);
  const int firstColumn = ScrollPosition(window, SB_HORZ);
  const int right =
      std::min<int>(client.right, kRowHeaderWidth + (kGridColumns - firstColumn) * kColumnWidth);
  const int rows = GridRows(window);
  const int bottom = std::min<int>(client.bottom, (1 + rows - firstRow) * kGridRowHeight);

  Fill(dc, {0, 0, kRowHeaderWidth, kGridRowHeight}, kHeaderColour);
  for (int column = firstColumn, x = kRowHeaderWidth; column < kGridColumns && x < right;
       ++column, x += kColumnWidth) {
    const RECT r{x, 0, x + kColumnWidth, kGridRowHeight};
    Fill(dc, r, kHeaderColour);
    Text(dc, ColumnTitle(column), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kBlack);
  }
  for (int row = firstRow, y = kGridRowHeight; row < rows && y < bottom; ++row, y += kGridRowHeight) {
    const RECT header{0, y, kRowHeaderWidth, y + kGridRowHeight};
    Fill(dc, header, kHeaderColour);
    Text(dc, std::to_wstring(row + 1), header, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kBlack);
    for (int column = firstColumn, x = kRowHeaderWidth; column < kGridColumns && x < right;
         ++column, x += kColumnWidth) {
      const bool selected = row == SelectedRow(window) && column == SelectedColumn(window);
      RECT cell{x, y, x + kColumnWidth, y + kGridRowHeight};
      Fill(dc, cell, selected ? GetSysColor(COLOR_HIGHLIGHT) : kCellColour);
      InflateRect(&cell, -4, 0);
      Text(dc, CellText(row, column), cell,
           (column == 0 ? DT_LEFT : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
           selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kBlack);
    }
  }
  // Cell lines.
  for (int x = kRowHeaderWidth; x <= right; x += kColumnWidth) Line(dc, x, 0, x, bottom);
  Line(dc, right - 1, 0, right - 1, bottom);
  for (int y = kGridRowHeight; y <= bottom; y += kGridRowHeight) Line(dc, 0, y, right, y);
  Line(dc, 0, bottom - 1, right, bottom - 1);

  SelectObject(dc, oldPen);
  DeleteObject(pen);
  SelectObject(dc, oldFont);
}

// The data grid's current-record marker: a black triangle in the row header
// of the selected row (the first row when none is selected).
void DrawRecordMarker(HWND window, HDC dc) {
  const int row = std::max(0, SelectedRow(window)) - ScrollPosition(window, SB_VERT);
  if (row < 0) return;
  const int y = (row + 1) * kGridRowHeight + kGridRowHeight / 2;
  const POINT triangle[] = {{6, y - 4}, {6, y + 4}, {10, y}};
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  Polygon(dc, triangle, 3);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

void SelectCell(HWND window, int x, int y) {
  if (x < kRowHeaderWidth || y < kGridRowHeight) return;
  const int row = ScrollPosition(window, SB_VERT) + y / kGridRowHeight - 1;
  const int column = ScrollPosition(window, SB_HORZ) + (x - kRowHeaderWidth) / kColumnWidth;
  if (row >= GridRows(window) || column >= kGridColumns) return;
  SetState(window, row * 256 + column + 1);
  DrawNow(window, [&](HDC dc) {
    DrawGrid(window, dc);
    if (HasClass(window, L"DataGridWndClass")) DrawRecordMarker(window, dc);
  });
}

// --- Data lists and combos ------------------------------------------------

constexpr std::array<const wchar_t*, 20> kCustomers = {
    L"Anders", L"Berglund", L"Chang",  L"Da Silva", L"Eriksen", L"Fontaine", L"Garcia",
    L"Hansen", L"Ivanova",  L"Jensen", L"Kowalski", L"Larsen",  L"Moreau",   L"Nakamura",
    L"Olsen",  L"Petrov",   L"Quinn",  L"Rossi",    L"Schmidt", L"Tanaka"};
constexpr int kListRowHeight = 17;

void DrawDataList(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, GetSysColor(COLOR_BTNFACE));
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  const int first = ScrollPosition(window, SB_VERT);
  const int selected = State(window) - 1;
  for (int item = first, y = 1; item < static_cast<int>(kCustomers.size()) && y < client.bottom;
       ++item, y += kListRowHeight) {
    RECT row{1, y, client.right - 1, y + kListRowHeight};
    const bool isSelected = item == selected;
    if (isSelected) Fill(dc, row, GetSysColor(COLOR_HIGHLIGHT));
    row.left += 4;
    Text(dc, kCustomers[static_cast<std::size_t>(item)], row, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
         isSelected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kBlack);
  }
  SelectObject(dc, oldFont);
}

constexpr std::array<const wchar_t*, 4> kRegions = {L"North region", L"East region", L"South region",
                                                    L"West region"};
constexpr int kDropButtonWidth = 18;
constexpr int kPressed = 0x100;

RECT DropButton(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right - kDropButtonWidth, client.top, client.right, client.bottom};
}

void DrawDataCombo(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, GetSysColor(COLOR_BTNFACE));
  RECT item{client.left + 2, client.top + 2, client.right - kDropButtonWidth - 2, client.bottom - 2};
  Fill(dc, item, kCellColour);
  item.left += 3;
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  const auto index = static_cast<std::size_t>(State(window) & 0xFF) % kRegions.size();
  Text(dc, kRegions[index], item, DT_LEFT | DT_VCENTER | DT_SINGLELINE, kBlack);
  SelectObject(dc, oldFont);
  RECT button = DropButton(window);
  DrawFrameControl(dc, &button, DFC_SCROLL,
                   DFCS_SCROLLCOMBOBOX | ((State(window) & kPressed) ? DFCS_PUSHED | DFCS_FLAT : 0));
}

// --- Tabbed dialog, picture box, notes ------------------------------------

constexpr std::array<const wchar_t*, 3> kTabs = {L"General", L"Details", L"Notes"};
constexpr int kTabHeight = 22;

void DrawTabbedDialog(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, GetSysColor(COLOR_BTNFACE));
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  RECT body{client.left, client.top + kTabHeight, client.right, client.bottom};
  DrawEdge(dc, &body, EDGE_RAISED, BF_RECT);
  const int tabWidth = client.right / static_cast<int>(kTabs.size());
  const int selected = State(window);
  for (int tab = 0; tab < static_cast<int>(kTabs.size()); ++tab) {
    const bool isSelected = tab == selected;
    RECT r{tab * tabWidth, isSelected ? 0 : 3, (tab + 1) * tabWidth, kTabHeight + (isSelected ? 2 : 0)};
    Fill(dc, r, GetSysColor(COLOR_BTNFACE));
    DrawEdge(dc, &r, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
    Text(dc, kTabs[static_cast<std::size_t>(tab)], r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kBlack);
  }
  RECT note{body.left + 10, body.top + 12, body.right - 10, body.bottom - 8};
  const std::wstring text = std::wstring(L"Contents of the ") + kTabs[static_cast<std::size_t>(selected)] +
                            L" tab, drawn by the control itself.";
  Text(dc, text, note, DT_LEFT | DT_WORDBREAK, kBlack);
  SelectObject(dc, oldFont);
}

void DrawPicture(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  Fill(dc, client, GetSysColor(COLOR_BTNFACE));
  const HBRUSH sun = CreateSolidBrush(RGB(240, 180, 40));
  const HBRUSH sea = CreateSolidBrush(RGB(60, 120, 200));
  const HGDIOBJ oldBrush = SelectObject(dc, sun);
  Ellipse(dc, client.right - 60, 10, client.right - 20, 50);
  SelectObject(dc, sea);
  Rectangle(dc, 10, client.bottom - 40, client.right - 10, client.bottom - 10);
  SelectObject(dc, oldBrush);
  DeleteObject(sun);
  DeleteObject(sea);
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  char caption[64] = "";
  GetWindowTextA(window, caption, static_cast<int>(std::size(caption)));
  SetTextColor(dc, kBlack);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 8, 8, caption, static_cast<int>(std::char_traits<char>::length(caption)));
  SelectObject(dc, oldFont);
}

void DrawStroke(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  const HPEN pen = CreatePen(PS_SOLID, 2, RGB(200, 30, 30));
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  const int y = client.bottom / 2 + 4;
  const POINT stroke[] = {{12, y}, {30, y - 12}, {48, y + 6}, {66, y - 10}, {84, y + 4}};
  Polyline(dc, stroke, 5);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

void DrawControlBar(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  RECT grip{3, 3, 6, client.bottom - 3};
  DrawEdge(dc, &grip, BDR_RAISEDINNER, BF_RECT);
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  const wchar_t* buttons[] = {L"New", L"Open", L"Save"};
  int x = 10;
  for (const wchar_t* text : buttons) {
    RECT r{x, 2, x + 44, client.bottom - 2};
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    Text(dc, text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, kBlack);
    x += 46;
  }
  RECT note{x + 8, 0, client.right, client.bottom};
  Text(dc, L"AfxControlBar42s", note, DT_LEFT | DT_VCENTER | DT_SINGLELINE, kBlack);
  SelectObject(dc, oldFont);
}

void DrawNote(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  const HGDIOBJ oldFont = SelectObject(dc, kit::Font());
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  InflateRect(&client, -6, -4);
  Text(dc, text, client, DT_LEFT | DT_WORDBREAK, GetSysColor(COLOR_WINDOWTEXT));
  SelectObject(dc, oldFont);
}

template <typename Draw>
LRESULT Paint(HWND window, Draw draw) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  if (dc) draw(dc);
  EndPaint(window, &ps);
  return 0;
}

}  // namespace

LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window, [&](HDC dc) { DrawGrid(window, dc); });
      if (HasClass(window, L"DataGridWndClass")) {
        DrawNow(window, [&](HDC dc) { DrawRecordMarker(window, dc); });
      }
      return 0;
    case WM_PRINTCLIENT:
      DrawGrid(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window);
      SelectCell(window, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      kit::Scroll(window, message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK DataListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return Paint(window, [&](HDC dc) { DrawDataList(window, dc); });
    case WM_PRINTCLIENT:
      DrawDataList(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN: {
      SetFocus(window);
      const int item =
          ScrollPosition(window, SB_VERT) + (static_cast<short>(HIWORD(lParam)) - 1) / kListRowHeight;
      if (item >= 0 && item < static_cast<int>(kCustomers.size())) SetState(window, item + 1);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case WM_VSCROLL:
      kit::Scroll(window, SB_VERT, wParam);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK DataComboProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return Paint(window, [&](HDC dc) { DrawDataCombo(window, dc); });
    case WM_PRINTCLIENT:
      DrawDataCombo(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN: {
      SetFocus(window);
      const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const RECT button = DropButton(window);
      if (PtInRect(&button, point)) {
        SetState(window, State(window) | kPressed);
        SetCapture(window);
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
    }
    case WM_LBUTTONUP:
      if (State(window) & kPressed) {
        ReleaseCapture();
        SetState(window, ((State(window) & 0xFF) + 1) % static_cast<int>(kRegions.size()));
        InvalidateRect(window, nullptr, FALSE);
      }
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK TabbedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return Paint(window, [&](HDC dc) { DrawTabbedDialog(window, dc); });
    case WM_PRINTCLIENT:
      DrawTabbedDialog(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN: {
      SetFocus(window);
      RECT client;
      GetClientRect(window, &client);
      const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
      const int tabWidth = std::max<int>(1, client.right / static_cast<int>(kTabs.size()));
      if (y < kTabHeight && x / tabWidth < static_cast<int>(kTabs.size())) {
        SetState(window, x / tabWidth);
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint(window, [&](HDC dc) { DrawPicture(window, dc); });
    char className[32] = "";
    GetClassNameA(window, className, static_cast<int>(std::size(className)));
    if (std::string_view(className) == "ThunderPictureBoxDC") {
      DrawNow(window, [&](HDC dc) { DrawStroke(window, dc); });
    }
    return 0;
  }
  if (message == WM_PRINTCLIENT) {
    DrawPicture(window, reinterpret_cast<HDC>(wParam));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK NoteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    if (HasClass(window, L"AfxControlBar42s"))
      return Paint(window, [&](HDC dc) { DrawControlBar(window, dc); });
    return Paint(window, [&](HDC dc) { DrawNote(window, dc); });
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace gallery::painted
