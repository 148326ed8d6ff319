// The pages of controls: buttons; edit, list and combo boxes; tabs and
// pictures; scroll bars; progress bars, trackbars, up-downs and headers;
// menus, status bars and toolbars; dates; data controls and grids; and the
// windows the library leaves alone.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "tools/skin_gallery/page_builders.h"
#include "tools/skin_gallery/page_kit.h"
#include "tools/skin_gallery/pages.h"

namespace gallery {

namespace {

using kit::Column;
using kit::kGap;
using kit::kLabelHeight;
using kit::kRowHeight;

// Column lefts of a page split into four and into three.
constexpr int kQuarter[] = {16, 200, 384, 568};
constexpr int kQuarterWidth = 172;
constexpr int kThird[] = {16, 264, 512};
constexpr int kThirdWidth = 232;

template <typename... Items>
void AddItems(HWND box, UINT message, Items... items) {
  for (const wchar_t* item : {items...}) SendMessageW(box, message, 0, reinterpret_cast<LPARAM>(item));
}

template <typename... Items>
void AddItemsA(HWND box, UINT message, Items... items) {
  for (const char* item : {items...}) SendMessageA(box, message, 0, reinterpret_cast<LPARAM>(item));
}

void SetCheck(HWND button, WPARAM state) {
  SendMessageW(button, BM_SETCHECK, state, 0);
}

WPARAM Check(HWND button) {
  return static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0));
}

void SetImage(HWND button, WPARAM type, HANDLE image) {
  SendMessageW(button, BM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
}

// The images of the buttons page, made once and kept for the program's life.
HICON ButtonIcon() {
  static const HICON icon = static_cast<HICON>(LoadImageW(nullptr, MAKEINTRESOURCEW(32516), IMAGE_ICON, 16, 16,
                                                          LR_SHARED));  // the information icon
  return icon;
}

HBITMAP ButtonBitmap() {
  static const HBITMAP bitmap = [] {
    HDC screen = GetDC(nullptr);
    const HBITMAP made = CreateCompatibleBitmap(screen, 48, 14);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, made);
    for (int i = 0; i < 6; ++i) {  // six coloured bands
      const RECT band{i * 8, 0, i * 8 + 8, 14};
      const HBRUSH brush = CreateSolidBrush(RGB(40 * i, 180 - 25 * i, 90 + 30 * i));
      FillRect(dc, &band, brush);
      DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return made;
  }();
  return bitmap;
}

// The images of the tabs page: three coloured squares, made once and kept.
HIMAGELIST TabImages() {
  static const HIMAGELIST images = [] {
    const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    for (COLORREF colour : {RGB(200, 60, 40), RGB(40, 150, 60), RGB(50, 80, 200)}) {
      const HBITMAP square = CreateCompatibleBitmap(screen, 16, 16);
      const HGDIOBJ old = SelectObject(dc, square);
      const RECT all{0, 0, 16, 16}, inner{3, 3, 13, 13};
      FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // the mask colour
      const HBRUSH brush = CreateSolidBrush(colour);
      FillRect(dc, &inner, brush);
      DeleteObject(brush);
      SelectObject(dc, old);
      ImageList_AddMasked(list, square, RGB(255, 255, 255));
      DeleteObject(square);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return list;
  }();
  return images;
}

// A label with the control under it.
HWND Labelled(HWND panel, const wchar_t* label, const wchar_t* className, const wchar_t* text, DWORD style,
              DWORD exStyle, int x, int y, int width, int height) {
  kit::Label(panel, label, x, y, width);
  return kit::Create(panel, className, text, style, exStyle, x, y + kLabelHeight + 1, width, height);
}

}  // namespace

namespace pages {

// --- Buttons ------------------------------------------------------------------

void BuildButtons(HWND panel) {
  const HICON icon = ButtonIcon();
  const HBITMAP bitmap = ButtonBitmap();

  Column push(panel, kQuarter[0], 12, kQuarterWidth);
  push.Heading(L"Push buttons");
  push.Add(L"Button", L"Push button", BS_PUSHBUTTON | WS_TABSTOP, 26);
  push.Add(L"Button", L"Default push button", BS_DEFPUSHBUTTON | WS_TABSTOP, 26);
  push.Add(L"Button", L"Owner-drawn button", BS_OWNERDRAW | WS_TABSTOP, 26);
  push.Label(L"User button (old style):");
  push.Add(L"Button", L"User button", BS_USERBUTTON | WS_TABSTOP, 26);
  push.Add(L"Button", L"Disabled button", BS_PUSHBUTTON | WS_DISABLED, 26);
  SetImage(push.Add(L"Button", L"Icon and caption", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 30), IMAGE_ICON, icon);
  push.Add(L"Button", L"A multi-line push button whose caption wraps", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP,
           36);
  push.Label(L"Caption alignment:");
  // Every value of the alignment nibble, two buttons a row.
  const struct {
    const wchar_t* text;
    DWORD style;
  } aligned[] = {{L"Left", BS_LEFT},          {L"Right", BS_RIGHT},   {L"Centre", BS_CENTER},
                 {L"Top", BS_TOP},            {L"Bottom", BS_BOTTOM}, {L"VCentre", BS_VCENTER},
                 {L"Top left", BS_TOP | BS_LEFT}, {L"Bottom right", BS_BOTTOM | BS_RIGHT}};
  const int half = (kQuarterWidth - kGap) / 2;
  for (int i = 0; i < static_cast<int>(std::size(aligned)); ++i) {
    kit::Create(panel, L"Button", aligned[i].text, BS_PUSHBUTTON | aligned[i].style, 0,
                push.x() + (i % 2) * (half + kGap), push.y() + (i / 2) * 38, half, 34);
  }
  push.Skip(4 * 38);
  push.Label(L"Bitmap only:");
  SetImage(push.Add(L"Button", L"", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP, 28), IMAGE_BITMAP, bitmap);

  Column checks(panel, kQuarter[1], 12, kQuarterWidth);
  checks.Heading(L"Check boxes");
  const HWND manual = checks.Add(L"Button", L"Check box", BS_CHECKBOX | WS_TABSTOP, 20);
  kit::OnClick(manual,
               [manual] { SetCheck(manual, Check(manual) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); });
  SetCheck(checks.Add(L"Button", L"Automatic check box", BS_AUTOCHECKBOX | WS_TABSTOP, 20), BST_CHECKED);
  const HWND threeState = checks.Add(L"Button", L"Three-state check box", BS_3STATE | WS_TABSTOP, 20);
  SetCheck(threeState, BST_INDETERMINATE);
  kit::OnClick(threeState, [threeState] { SetCheck(threeState, (Check(threeState) + 1) % 3); });
  SetCheck(checks.Add(L"Button", L"Automatic three-state", BS_AUTO3STATE | WS_TABSTOP, 20),
           BST_INDETERMINATE);
  SetCheck(checks.Add(L"Button", L"Disabled check box", BS_AUTOCHECKBOX | WS_DISABLED, 20), BST_CHECKED);
  SetCheck(checks.Add(L"Button", L"Disabled indeterminate", BS_AUTO3STATE | WS_DISABLED, 20), BST_INDETERMINATE);
  checks.Add(L"Button", L"Text on the left", BS_AUTOCHECKBOX | BS_LEFTTEXT | WS_TABSTOP, 20);
  checks.Add(L"Button", L"Centred", BS_AUTOCHECKBOX | BS_CENTER | WS_TABSTOP, 20);
  checks.Add(L"Button", L"Right-aligned", BS_AUTOCHECKBOX | BS_RIGHT | WS_TABSTOP, 20);
  checks.Add(L"Button", L"Glyph at the top of a tall box", BS_AUTOCHECKBOX | BS_TOP | BS_MULTILINE | WS_TABSTOP,
             36);
  checks.Add(L"Button", L"Glyph and text at the bottom", BS_AUTOCHECKBOX | BS_BOTTOM | WS_TABSTOP, 30);
  SetImage(checks.Add(L"Button", L"", BS_AUTOCHECKBOX | BS_BITMAP | WS_TABSTOP, 22), IMAGE_BITMAP, bitmap);
  checks.Label(L"Push-like:");
  SetCheck(checks.Add(L"Button", L"Push-like, checked", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 26),
           BST_CHECKED);
  SetCheck(checks.Add(L"Button", L"Push-like, indeterminate", BS_AUTO3STATE | BS_PUSHLIKE | WS_TABSTOP, 26),
           BST_INDETERMINATE);
  checks.Add(L"Button", L"Push-like, unchecked", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 26);

  const int x = kQuarter[2];
  kit::Heading(panel, L"Option buttons", x, 12, kQuarterWidth);
  kit::Create(panel, L"Button", L"Group box", BS_GROUPBOX, 0, x, 32, kQuarterWidth, 124);
  const HWND first = kit::Create(panel, L"Button", L"Option button", BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP,
                                 0, x + 10, 52, kQuarterWidth - 20, 20);
  const HWND second =
      kit::Create(panel, L"Button", L"Second option", BS_RADIOBUTTON, 0, x + 10, 74, kQuarterWidth - 20, 20);
  SetCheck(first, BST_CHECKED);
  for (HWND option : {first, second}) {
    kit::OnClick(option, [first, second, option] {
      SetCheck(first, option == first ? BST_CHECKED : BST_UNCHECKED);
      SetCheck(second, option == second ? BST_CHECKED : BST_UNCHECKED);
    });
  }
  SetCheck(kit::Create(panel, L"Button", L"Automatic option", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0,
                       x + 10, 100, kQuarterWidth - 20, 20),
           BST_CHECKED);
  kit::Create(panel, L"Button", L"Second automatic", BS_AUTORADIOBUTTON, 0, x + 10, 122, kQuarterWidth - 20,
              20);
  Column options(panel, x, 166, kQuarterWidth);
  options.Add(L"Button", L"Disabled option", BS_AUTORADIOBUTTON | WS_GROUP | WS_DISABLED, 20);
  SetCheck(options.Add(L"Button", L"Disabled, chosen", BS_AUTORADIOBUTTON | WS_GROUP | WS_DISABLED, 20),
           BST_CHECKED);
  options.Add(L"Button", L"Text on the left", BS_AUTORADIOBUTTON | BS_LEFTTEXT | WS_GROUP | WS_TABSTOP, 20);
  options.Add(L"Button", L"Centred option", BS_AUTORADIOBUTTON | BS_CENTER | WS_GROUP, 20);
  SetCheck(options.Add(L"Button", L"Push-like option", BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_GROUP, 26),
           BST_CHECKED);
  options.Add(L"Button", L"Caption on the right", BS_GROUPBOX | BS_RIGHT, 44);
  options.Add(L"Button", L"Centred caption", BS_GROUPBOX | BS_CENTER, 44);
  options.Add(L"Button", L"Disabled group", BS_GROUPBOX | WS_DISABLED, 44);
  options.Add(L"Button", L"", BS_GROUPBOX, 30);

  Column vb(panel, kQuarter[3], 12, kQuarterWidth);
  vb.Heading(L"VB6 buttons");
  vb.AddA("ThunderRT6CommandButton", "ThunderRT6CommandButton", BS_PUSHBUTTON | WS_TABSTOP, 26);
  vb.AddA("ThunderCommandButton", "ThunderCommandButton", BS_PUSHBUTTON | WS_TABSTOP, 26);
  vb.AddA("ThunderRT6CommandButton", "Graphical button", BS_OWNERDRAW | WS_TABSTOP, 44);
  vb.AddA("ThunderRT6CommandButton", "Disabled", BS_PUSHBUTTON | WS_DISABLED, 26);
  vb.AddA("ThunderRT6CheckBox", "ThunderRT6CheckBox", BS_AUTOCHECKBOX | WS_TABSTOP, 20);
  SetCheck(vb.AddA("ThunderCheckBox", "ThunderCheckBox", BS_AUTOCHECKBOX | WS_TABSTOP, 20), BST_CHECKED);
  SetCheck(vb.AddA("ThunderRT6CheckBox", "Disabled check box", BS_AUTOCHECKBOX | WS_DISABLED, 20), BST_CHECKED);
  SetCheck(vb.AddA("ThunderRT6OptionButton", "ThunderRT6OptionButton",
                   BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 20),
           BST_CHECKED);
  vb.AddA("ThunderOptionButton", "ThunderOptionButton", BS_AUTORADIOBUTTON, 20);
  for (const char* frame : {"ThunderRT6Frame", "ThunderFrame"}) {
    // A frame holds its controls as the runtime's does: as its children.
    const HWND holder = vb.AddA(frame, frame, BS_GROUPBOX | WS_GROUP | WS_CLIPCHILDREN, 70);
    const bool rt6 = std::string_view(frame).starts_with("ThunderRT6");
    SetCheck(kit::CreateA(holder, rt6 ? "ThunderRT6CheckBox" : "ThunderCheckBox", "Inside the frame",
                          BS_AUTOCHECKBOX | WS_TABSTOP, 0, 10, 20, vb.width() - 20, 20),
             BST_CHECKED);
    kit::CreateA(holder, rt6 ? "ThunderRT6OptionButton" : "ThunderOptionButton", "Option inside",
                 BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 10, 44, vb.width() - 20, 20);
  }
  vb.Label(L"Push box (left as it is):");
  vb.Add(L"Button", L"Push box", BS_PUSHBOX | WS_TABSTOP, 26);
}

// --- Edit, list and combo boxes ---------------------------------------------

namespace {

void FillListView(HWND list) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const wchar_t* columns[] = {L"Name", L"Size", L"Type"};
  const int widths[] = {70, 44, 50};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(columns[i]);
    column.cx = widths[i];
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  const std::array<std::array<const wchar_t*, 3>, 5> rows = {{{L"readme.txt", L"2 KB", L"Text"},
                                                              {L"logo.bmp", L"48 KB", L"Bitmap"},
                                                              {L"setup.ini", L"1 KB", L"Settings"},
                                                              {L"notes.rtf", L"9 KB", L"Rich text"},
                                                              {L"data.csv", L"17 KB", L"Table"}}};
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(rows[row][0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < 3; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<wchar_t*>(rows[row][column]);
      SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
  }
  // Enough further rows for the list to scroll.
  for (int row = static_cast<int>(rows.size()); row < 24; ++row) {
    wchar_t name[32], size[16];
    wsprintfW(name, L"archive%02d.dat", row);
    wsprintfW(size, L"%d KB", row * 7 % 90 + 1);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = name;
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = size;
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 2;
    item.pszText = const_cast<wchar_t*>(L"Data");
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  }
  ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, const wchar_t* text) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<wchar_t*>(text);
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTreeView(HWND tree) {
  const HTREEITEM documents = AddTreeItem(tree, TVI_ROOT, L"Documents");
  AddTreeItem(tree, documents, L"Letters");
  AddTreeItem(tree, documents, L"Reports");
  const HTREEITEM pictures = AddTreeItem(tree, TVI_ROOT, L"Pictures");
  AddTreeItem(tree, pictures, L"Holidays");
  AddTreeItem(tree, TVI_ROOT, L"Music");
  // Enough further items for the tree to scroll, one of them wide.
  for (int i = 1; i <= 10; ++i) {
    wchar_t text[48];
    wsprintfW(text, i == 5 ? L"Archive %d with a name wider than the tree" : L"Archive %d", i);
    AddTreeItem(tree, TVI_ROOT, text);
  }
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(documents));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(documents));
}

constexpr DWORD kListStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
constexpr int kVbListHeight = 44;

// A VB6 list-type control under a label naming its class.
HWND VbControl(Column& column, const char* className, DWORD style, int height, bool combo = false) {
  column.Label(std::wstring(className, className + std::char_traits<char>::length(className)).c_str());
  if (combo) return column.AddComboA(className, style, height);
  return column.AddA(className, "", style, height, WS_EX_CLIENTEDGE);
}

// The client window of an MDI frame (a view client): the skin's border; its
// bars come and go with children that reach beyond it, and it has none.
void AddViewClient(HWND panel, Column& column) {
  column.Label(L"MDIClient (view client)");
  CLIENTCREATESTRUCT create{nullptr, 0xFF00};
  const HWND client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDIClient", nullptr,
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, column.x(), column.y(),
                                      column.width(), 64, panel, nullptr, GetModuleHandleW(nullptr), &create);
  (void)client;
  column.Skip(70);
}

}  // namespace

void BuildEdits(HWND panel) {
  Column edits(panel, kQuarter[0], 12, kQuarterWidth);
  edits.Heading(L"Edit boxes");
  edits.Add(L"Edit", L"Single-line edit box", ES_AUTOHSCROLL | WS_TABSTOP, kRowHeight, WS_EX_CLIENTEDGE);
  edits.Add(L"Edit",
            L"A multi-line edit box\r\nwith both scroll bars.\r\nThird line\r\nFourth line\r\nFifth line\r\n"
            L"A line long enough to scroll sideways, and then some more.",
            ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, 64,
            WS_EX_CLIENTEDGE);
  edits.Add(L"Edit", L"Read-only edit box", ES_READONLY | ES_AUTOHSCROLL, kRowHeight, WS_EX_CLIENTEDGE);
  edits.Add(L"Edit", L"Disabled edit box", ES_AUTOHSCROLL | WS_DISABLED, kRowHeight, WS_EX_CLIENTEDGE);
  edits.Label(L"Rich edit box (RICHEDIT)");
  kit::Create(panel, L"RICHEDIT",
              L"Rich edit box: text that the control draws itself.\r\nSecond line\r\nThird line\r\nFourth line",
              ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, edits.x(), edits.y(),
              edits.width(), 44);

  Column lists(panel, kQuarter[1], 12, kQuarterWidth);
  lists.Heading(L"List and combo boxes");
  AddItems(lists.Add(L"ListBox", L"", kListStyle, 48, WS_EX_CLIENTEDGE), LB_ADDSTRING, L"List box",
           L"Second item", L"Third item", L"Fourth item", L"Fifth item", L"Sixth item");
  const HWND simple = lists.Add(L"ComboBox", L"", CBS_SIMPLE | WS_VSCROLL | WS_TABSTOP, 72);
  AddItems(simple, CB_ADDSTRING, L"Simple combo box", L"Second item", L"Third item", L"Fourth item");
  SendMessageW(simple, CB_SETCURSEL, 0, 0);
  const HWND dropDown = lists.AddCombo(L"ComboBox", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 140);
  AddItems(dropDown, CB_ADDSTRING, L"Drop-down combo box", L"Second item", L"Third item");
  SendMessageW(dropDown, CB_SETCURSEL, 0, 0);
  const HWND dropList = lists.AddCombo(L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 140);
  AddItems(dropList, CB_ADDSTRING, L"Drop-down list", L"Second item", L"Third item", L"Fourth item",
           L"Fifth item", L"Sixth item", L"Seventh item", L"Eighth item", L"Ninth item", L"Tenth item");
  SendMessageW(dropList, CB_SETCURSEL, 0, 0);
  for (const DWORD style : {CBS_DROPDOWN, CBS_DROPDOWNLIST}) {
    const HWND disabled = lists.AddCombo(L"ComboBox", style | WS_VSCROLL | WS_TABSTOP, 140);
    AddItems(disabled, CB_ADDSTRING, style == CBS_DROPDOWN ? L"Disabled drop-down" : L"Disabled drop-down list");
    SendMessageW(disabled, CB_SETCURSEL, 0, 0);
    EnableWindow(disabled, FALSE);
  }

  Column views(panel, kQuarter[2], 12, kQuarterWidth);
  views.Heading(L"List view and tree view");
  FillListView(
      views.Add(L"SysListView32", L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, 108, WS_EX_CLIENTEDGE));
  FillTreeView(views.Add(L"SysTreeView32", L"",
                         TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                         108, WS_EX_CLIENTEDGE));

  Column activeX(panel, kQuarter[3], 12, kQuarterWidth);
  activeX.Heading(L"ActiveX controls");
  activeX.Label(L"TreeView20WndClass");
  FillTreeView(activeX.Add(L"TreeView20WndClass", L"",
                           TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | WS_TABSTOP, 64,
                           WS_EX_CLIENTEDGE));
  activeX.Label(L"ListView20WndClass");
  FillListView(activeX.Add(L"ListView20WndClass", L"", LVS_REPORT | WS_TABSTOP, 64, WS_EX_CLIENTEDGE));
  activeX.Label(L"RichTextWndClass");
  kit::Create(panel, L"RichTextWndClass", L"Rich text box of the ActiveX control.",
              ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, activeX.x(),
              activeX.y(), activeX.width(), 44);

  // The VB6 runtime's text, list and combo boxes, ANSI windows.
  constexpr int kTop = 282;
  kit::Heading(panel, L"VB6 text, list and combo boxes", kQuarter[0], kTop, 400);
  Column a(panel, kQuarter[0], kTop + 22, kQuarterWidth);
  a.Label(L"ThunderRT6TextBox");
  a.AddA("ThunderRT6TextBox", "Text1", ES_AUTOHSCROLL | WS_TABSTOP, kRowHeight, WS_EX_CLIENTEDGE);
  a.Label(L"ThunderTextBox");
  a.AddA("ThunderTextBox", "Text2", ES_AUTOHSCROLL | WS_TABSTOP, kRowHeight, WS_EX_CLIENTEDGE);
  for (const char* name : {"ThunderRT6ComboBox", "ThunderComboBox"}) {
    const HWND combo = VbControl(a, name, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 120, true);
    AddItemsA(combo, CB_ADDSTRING, "Combo1", "Second item", "Third item");
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
  }

  Column b(panel, kQuarter[1], kTop + 22, kQuarterWidth);
  for (const char* name : {"ThunderRT6DriveListBox", "ThunderDriveListBox"}) {
    const HWND drives = VbControl(b, name, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 120, true);
    AddItemsA(drives, CB_ADDSTRING, "c: [System]", "d: [Data]", "e: [Backup]");
    SendMessageA(drives, CB_SETCURSEL, 0, 0);
  }
  AddItemsA(VbControl(b, "ThunderRT6ListBox", kListStyle, kVbListHeight), LB_ADDSTRING, "List1",
            "Second item", "Third item", "Fourth item");

  Column c(panel, kQuarter[2], kTop + 22, kQuarterWidth);
  AddItemsA(VbControl(c, "ThunderListBox", kListStyle, kVbListHeight), LB_ADDSTRING, "List2", "Second item",
            "Third item", "Fourth item");
  for (const char* name : {"ThunderRT6DirListBox", "ThunderDirListBox"}) {
    AddItemsA(VbControl(c, name, kListStyle, kVbListHeight), LB_ADDSTRING, "c:\\", "  Projects",
              "    Gallery", "      skins");
  }

  Column d(panel, kQuarter[3], kTop + 22, kQuarterWidth);
  for (const char* name : {"ThunderRT6FileListBox", "ThunderFileListBox"}) {
    AddItemsA(VbControl(d, name, kListStyle, kVbListHeight), LB_ADDSTRING, "about.frm", "gallery.vbp",
              "main.bas", "tebix.tbx");
  }
  AddViewClient(panel, d);
}

// --- Tabs and pictures ----------------------------------------------------------

void BuildTabs(HWND panel) {
  struct TabCase {
    const wchar_t* label;
    const wchar_t* className;
    DWORD style;
    bool images;
    int tabs;  // how many of the captions below
    bool chinese;
  };
  const TabCase tabs[] = {
      {L"Tabs on top", L"SysTabControl32", 0, false, 3, false},
      {L"At the bottom, with images", L"SysTabControl32", TCS_BOTTOM, true, 3, false},
      {L"On the left (TCS_VERTICAL)", L"SysTabControl32", TCS_VERTICAL | TCS_MULTILINE, false, 3, false},
      {L"On the right (| TCS_RIGHT)", L"SysTabControl32", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, true, 3, false},
      {L"Several rows (TCS_MULTILINE)", L"SysTabControl32", TCS_MULTILINE, false, 7, false},
      {L"Buttons with images", L"SysTabControl32", TCS_BUTTONS, true, 3, false},
      {L"Disabled", L"SysTabControl32", WS_DISABLED, false, 3, false},
      {L"Unicode, Chinese captions", L"SysTabControl32", 0, false, 2, true},
      {L"Tab strip (TabStrip20WndClass)", L"TabStrip20WndClass", TCS_BOTTOM, false, 3, false},
  };
  const wchar_t* const captions[] = {L"General", L"Colours", L"Fonts", L"Layout", L"Keys", L"Sound", L"About"};
  const wchar_t* const chinese[] = {L"\x57FA\x672C\x53C2\x6570", L"\x6B66\x5668\x5C5E\x6027"};
  constexpr int kCellHeight = 166, kControlHeight = 128;
  for (int i = 0; i < static_cast<int>(std::size(tabs)); ++i) {
    const TabCase& c = tabs[i];
    const int x = kQuarter[i % 4], y = 12 + (i / 4) * kCellHeight;
    const HWND tab = Labelled(panel, c.label, c.className, L"", c.style | WS_TABSTOP | WS_CLIPSIBLINGS, 0, x, y,
                              kQuarterWidth, kControlHeight);
    if (c.images) SendMessageW(tab, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(TabImages()));
    for (int n = 0; n < c.tabs; ++n) {
      TCITEMW item{};
      item.mask = TCIF_TEXT | (c.images ? TCIF_IMAGE : 0);
      item.pszText = const_cast<wchar_t*>(c.chinese ? chinese[n] : captions[n]);
      item.iImage = n;
      SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, c.tabs > 3 ? 4 : 1, 0);
  }
  const int y = 12 + 2 * kCellHeight;
  Labelled(panel, L"Tabbed dialog (SSTabCtlWndClass)", L"SSTabCtlWndClass", L"", WS_TABSTOP, 0, kQuarter[1], y,
           kQuarterWidth, kControlHeight);
  kit::Label(panel, L"Picture box", kQuarter[2], y, kQuarterWidth);
  kit::CreateA(panel, "ThunderRT6PictureBoxDC", "Picture1", WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, kQuarter[2],
               y + kLabelHeight + 1, kQuarterWidth, kControlHeight);
  kit::Label(panel, L"Picture box, drawn on via GetDC", kQuarter[3], y, kQuarterWidth);
  kit::CreateA(panel, "ThunderPictureBoxDC", "Picture2", WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, kQuarter[3],
               y + kLabelHeight + 1, kQuarterWidth, kControlHeight);
}

// --- Scroll bars ----------------------------------------------------------------

void BuildScrollBars(HWND panel) {
  constexpr int kLeft = 16, kRight = 392, kWidth = 352, kBar = 17;
  kit::Heading(panel, L"Scroll bar controls (ScrollBar)", kLeft, 12, kWidth);
  kit::Heading(panel, L"VB6 scroll bars", kRight, 12, kWidth);

  struct BarCase {
    int x, y;
    int labelWidth;
    const wchar_t* label;
    const char* className;  // VB6 classes are ANSI; nullptr: "ScrollBar"
    DWORD style;
    int width, height;
  };
  const BarCase bars[] = {
      {kLeft, 34, kWidth, L"Horizontal", nullptr, SBS_HORZ, kWidth, kBar},
      {kLeft, 74, kWidth, L"Horizontal, disabled", nullptr, SBS_HORZ | WS_DISABLED, kWidth, kBar},
      {kLeft, 114, 90, L"Vertical", nullptr, SBS_VERT, kBar, 120},
      {kLeft + 100, 114, 170, L"Size box (SBS_SIZEBOX)", nullptr, SBS_SIZEBOX, 20, 20},
      {kLeft + 100, 174, 170, L"Size grip (SBS_SIZEGRIP)", nullptr, SBS_SIZEGRIP, 20, 20},
      {kRight, 34, kWidth, L"ThunderRT6HScrollBar", "ThunderRT6HScrollBar", SBS_HORZ, kWidth, kBar},
      {kRight, 74, kWidth, L"ThunderHScrollBar", "ThunderHScrollBar", SBS_HORZ, kWidth, kBar},
      {kRight, 114, 170, L"ThunderRT6VScrollBar", "ThunderRT6VScrollBar", SBS_VERT, kBar, 120},
      {kRight + 180, 114, 170, L"ThunderVScrollBar", "ThunderVScrollBar", SBS_VERT, kBar, 120},
  };
  for (const BarCase& bar : bars) {
    kit::Label(panel, bar.label, bar.x, bar.y, bar.labelWidth);
    const int top = bar.y + kLabelHeight + 2;
    const HWND control = bar.className ? kit::CreateA(panel, bar.className, "", bar.style | WS_TABSTOP, 0,
                                                      bar.x, top, bar.width, bar.height)
                                       : kit::Create(panel, L"ScrollBar", L"", bar.style | WS_TABSTOP, 0,
                                                     bar.x, top, bar.width, bar.height);
    if (!(bar.style & (SBS_SIZEBOX | SBS_SIZEGRIP))) kit::SetScroll(control, SB_CTL, 0, 100, 10, 30);
  }

  // Scroll bars a window carries itself, set through SetScrollInfo: grids
  // of a class the library draws generically (their own painting over the
  // skin background, the skin's bars around it) that scroll their cells,
  // with both bars, then with the vertical one on the left; and an
  // owner-drawn button, which the same renderer shows.
  constexpr int kTop = 270;
  kit::Heading(panel, L"Window scroll bars", kLeft, kTop, 700);
  const HWND both = Labelled(panel, L"WS_HSCROLL | WS_VSCROLL (VSFlexGrid8L)", L"VSFlexGrid8L", L"",
                             WS_HSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kLeft, kTop + 22, 300, 190);
  const HWND left = Labelled(panel, L"With WS_EX_LEFTSCROLLBAR", L"VSFlexGrid8L", L"",
                             WS_HSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE | WS_EX_LEFTSCROLLBAR, 330,
                             kTop + 22, 260, 190);
  for (HWND grid : {both, left}) {
    kit::SetScroll(grid, SB_HORZ, 0, 3, 2, 0);
    kit::SetScroll(grid, SB_VERT, 0, 39, 8, 0);
  }
  kit::SetScroll(both, SB_VERT, 0, 39, 8, 12);  // scrolled a little: the thumb off the top
  InvalidateRect(both, nullptr, TRUE);
  Labelled(panel, L"Owner-drawn button", L"Button", L"Owner-drawn", BS_OWNERDRAW | WS_TABSTOP, 0, 604, kTop + 22,
           140, 32);
}

// --- Progress bars, trackbars, up-downs, headers -------------------------------

namespace {

HWND UpDown(HWND panel, const wchar_t* className, DWORD style, int x, int y, int width, int height) {
  const HWND upDown = kit::Create(panel, className, L"", style | UDS_ARROWKEYS, 0, x, y, width, height);
  SendMessageW(upDown, UDM_SETRANGE32, 0, 100);
  SendMessageW(upDown, UDM_SETPOS32, 0, 42);
  return upDown;
}

// An edit box with an up-down on its right, buddied to it. A vertical one
// sits on the edit box's edge (UDS_ALIGNRIGHT); a horizontal one keeps its
// own width beside it, which the alignment would narrow to a vertical one's.
HWND BuddiedUpDown(HWND panel, DWORD style, int x, int y, int editWidth, int upDownWidth, int position) {
  const HWND buddy = kit::Create(panel, L"Edit", L"", ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE, x, y, editWidth,
                                 kRowHeight);
  const DWORD align = (style & UDS_HORZ) ? 0 : UDS_ALIGNRIGHT;
  const HWND upDown = UpDown(panel, L"msctls_updown32", style | UDS_SETBUDDYINT | align,
                             x + editWidth + (align ? 0 : 2), y + (align ? 0 : 1), upDownWidth,
                             kRowHeight - (align ? 0 : 2));
  SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  SendMessageW(upDown, UDM_SETPOS32, 0, position);
  // Wine leaves a horizontal up-down without a first paint until something covers it.
  InvalidateRect(upDown, nullptr, TRUE);
  return upDown;
}

// An image list of `count` sixteen-pixel images drawn side by side on one
// strip with a black pen: draw(dc, i, x) draws image i at column x; what it
// leaves of the magenta key shows through.
template <typename Draw>
HIMAGELIST DrawnImages(int count, Draw draw) {
  constexpr int kSize = 16;
  constexpr COLORREF kKey = RGB(255, 0, 255);
  const HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, count, 0);
  HDC screen = GetDC(nullptr);
  const HBITMAP strip = CreateCompatibleBitmap(screen, kSize * count, kSize);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ oldBitmap = SelectObject(dc, strip);
  const RECT all{0, 0, kSize * count, kSize};
  const HBRUSH key = CreateSolidBrush(kKey);
  FillRect(dc, &all, key);
  DeleteObject(key);
  const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  const HGDIOBJ oldPen = SelectObject(dc, pen);
  for (int i = 0; i < count; ++i) draw(dc, i, i * kSize);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  ImageList_AddMasked(list, strip, kKey);
  DeleteObject(strip);
  return list;
}

// Four sixteen-pixel images for the header columns: a page, a clock, a
// person and a bar chart, roughly, each in its own colour.
HIMAGELIST MakeHeaderImages() {
  static HIMAGELIST list = nullptr;
  if (list != nullptr) return list;
  const COLORREF colours[] = {RGB(40, 110, 220), RGB(220, 160, 20), RGB(40, 160, 70), RGB(200, 40, 40)};
  list = DrawnImages(4, [&](HDC dc, int i, int x) {
    const HBRUSH fill = CreateSolidBrush(colours[i]);
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    switch (i) {
      case 0: Rectangle(dc, x + 3, 1, x + 13, 15); break;
      case 1: Ellipse(dc, x + 1, 1, x + 15, 15); MoveToEx(dc, x + 8, 4, nullptr); LineTo(dc, x + 8, 8); LineTo(dc, x + 11, 10); break;
      case 2: Ellipse(dc, x + 5, 1, x + 11, 7); Rectangle(dc, x + 3, 8, x + 13, 15); break;
      default: Rectangle(dc, x + 1, 9, x + 5, 15); Rectangle(dc, x + 6, 5, x + 10, 15); Rectangle(dc, x + 11, 1, x + 15, 15); break;
    }
    SelectObject(dc, oldBrush);
    DeleteObject(fill);
  });
  return list;
}

// Columns of a header; `images` gives each column its image.
void FillHeader(HWND header, const int (&widths)[4], bool images) {
  const wchar_t* titles[] = {L"Name", L"Size", L"Modified", L"Owner"};
  if (images) SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(MakeHeaderImages()));
  for (int i = 0; i < 4; ++i) {
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<wchar_t*>(titles[i]);
    item.cxy = widths[i];
    // A right-aligned title shows left-aligned under the skin.
    item.fmt = HDF_STRING | (i == 1 ? HDF_RIGHT : HDF_LEFT);
    if (images) {
      item.mask |= HDI_IMAGE;
      item.fmt |= HDF_IMAGE;
      item.iImage = i;
    }
    SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

// A list view in report mode, whose header the skin draws as any other.
void ReportList(HWND panel, int x, int y, int width, int height) {
  const HWND list = kit::Create(panel, L"SysListView32", L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP,
                                WS_EX_CLIENTEDGE, x, y, width, height);
  const wchar_t* titles[] = {L"File", L"Size", L"Type"};
  const int widths[] = {96, 56, 70};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = i == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = widths[i];
    column.pszText = const_cast<wchar_t*>(titles[i]);
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  const wchar_t* rows[][3] = {{L"SHARED.BIN", L"2 140 KB", L"Data"},
                              {L"VDKX_418.06", L"4 410 KB", L"Program"},
                              {L"unit.txt", L"9 KB", L"Text"}};
  for (int r = 0; r < 3; ++r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = r;
    item.pszText = const_cast<wchar_t*>(rows[r][0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < 3; ++c) {
      item.iSubItem = c;
      item.pszText = const_cast<wchar_t*>(rows[r][c]);
      SendMessageW(list, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
    }
  }
}

}  // namespace

void BuildRanges(HWND panel) {
  // Progress bars: both orientations, the ends of the range, an empty range.
  Column progress(panel, 16, 12, 200);
  progress.Heading(L"Progress bars");
  struct ProgressCase {
    const wchar_t* label;
    const wchar_t* className;
    DWORD style;
    int low, high, position;
    bool enabled;
  };
  for (const ProgressCase& bar :
       {ProgressCase{L"Horizontal, at 60 %", L"msctls_progress32", 0, 0, 100, 60, true},
        ProgressCase{L"Smooth (PBS_SMOOTH), at 30 %", L"msctls_progress32", PBS_SMOOTH, 0, 100, 30, true},
        ProgressCase{L"At 0", L"msctls_progress32", 0, 0, 100, 0, true},
        ProgressCase{L"At the maximum", L"msctls_progress32", 0, 0, 100, 100, true},
        ProgressCase{L"Range 5..5: the track alone", L"msctls_progress32", 0, 5, 5, 5, true},
        ProgressCase{L"Disabled, at 50 %", L"msctls_progress32", 0, 0, 100, 50, false},
        ProgressCase{L"ProgressBar20WndClass, at 75 %", L"ProgressBar20WndClass", 0, 0, 100, 75, true}}) {
    progress.Label(bar.label);
    const HWND control = kit::Create(panel, bar.className, L"", bar.style, 0, progress.x(), progress.y(),
                                     progress.width(), 16);
    SendMessageW(control, PBM_SETRANGE32, bar.low, bar.high);
    SendMessageW(control, PBM_SETPOS, bar.position, 0);
    EnableWindow(control, bar.enabled);
    progress.Skip(16 + kGap);
  }
  progress.Label(L"Vertical (PBS_VERTICAL): 40 %, 0, full");
  for (int i = 0; i < 3; ++i) {
    const HWND control = kit::Create(panel, L"msctls_progress32", L"", PBS_VERTICAL, 0, progress.x() + i * 40,
                                     progress.y(), 20, 90);
    SendMessageW(control, PBM_SETPOS, i == 0 ? 40 : i == 1 ? 0 : 100, 0);
  }

  // Trackbars: each tick side in both orientations, disabled.
  Column tracks(panel, 244, 12, 232);
  tracks.Heading(L"Trackbars");
  struct TrackCase {
    const wchar_t* label;
    const wchar_t* className;
    DWORD style;
    bool enabled;
  };
  for (const TrackCase& track :
       {TrackCase{L"Ticks below", L"msctls_trackbar32", TBS_AUTOTICKS, true},
        TrackCase{L"Ticks above (TBS_TOP)", L"msctls_trackbar32", TBS_AUTOTICKS | TBS_TOP, true},
        TrackCase{L"Both sides (TBS_BOTH)", L"msctls_trackbar32", TBS_AUTOTICKS | TBS_BOTH, true},
        TrackCase{L"Disabled", L"msctls_trackbar32", TBS_AUTOTICKS, false},
        TrackCase{L"Slider20WndClass", L"Slider20WndClass", TBS_AUTOTICKS, true}}) {
    tracks.Label(track.label);
    const HWND control = kit::Create(panel, track.className, L"", track.style | WS_TABSTOP, 0, tracks.x(),
                                     tracks.y(), tracks.width(), 30);
    SendMessageW(control, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(control, TBM_SETPOS, TRUE, 4);
    EnableWindow(control, track.enabled);
    tracks.Skip(30 + kGap);
  }
  tracks.Label(L"Vertical: ticks right, left, both; disabled");
  struct VerticalCase {
    DWORD style;
    bool enabled;
  };
  int column = 0;
  for (const VerticalCase& track : {VerticalCase{TBS_AUTOTICKS, true}, VerticalCase{TBS_AUTOTICKS | TBS_LEFT, true},
                                    VerticalCase{TBS_AUTOTICKS | TBS_BOTH, true}, VerticalCase{TBS_AUTOTICKS, false}}) {
    const HWND control = kit::Create(panel, L"msctls_trackbar32", L"", track.style | TBS_VERT | WS_TABSTOP, 0,
                                     tracks.x() + column++ * 56, tracks.y(), 44, 110);
    SendMessageW(control, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(control, TBM_SETPOS, TRUE, 6);
    EnableWindow(control, track.enabled);
  }

  // Up-downs: buddied in both orientations, the wrapping classes, disabled.
  const int x = 504, width = 240;
  kit::Heading(panel, L"Up-down controls", x, 12, width);
  kit::Label(panel, L"Buddied; horizontal (UDS_HORZ), buddied", x, 34, width);
  BuddiedUpDown(panel, 0, x, 52, 70, 18, 42);
  BuddiedUpDown(panel, UDS_HORZ, x + 120, 52, 70, 36, 7);
  kit::Label(panel, L"msctls_updown32, UpDown20WndClass, UpDownWndClass, msvb_lib_updown, disabled", x, 80,
             width, 2 * kLabelHeight);
  int left = x;
  for (const wchar_t* className :
       {L"msctls_updown32", L"UpDown20WndClass", L"UpDownWndClass", L"msvb_lib_updown", L"msctls_updown32"}) {
    const HWND control = UpDown(panel, className, 0, left, 116, 18, 36);
    if (left == x + 4 * 30) EnableWindow(control, FALSE);
    left += 30;
  }

  // Headers: images, hot tracking, reordered columns, and one in a list view.
  int y = 162;
  kit::Heading(panel, L"Headers", x, y, width);
  const int imageWidths[] = {66, 50, 70, 52};
  FillHeader(Labelled(panel, L"Images, hot tracking (HDS_HOTTRACK)", L"SysHeader32", L"",
                      HDS_BUTTONS | HDS_HORZ | HDS_HOTTRACK, 0, x, y + 22, width, 24),
             imageWidths, true);
  y += 22 + kLabelHeight + 1 + 24 + kGap;
  const int widths[] = {70, 46, 70, 52};
  const HWND reordered = Labelled(panel, L"Reordered: Modified, Name, Size, Owner", L"SysHeader32", L"",
                                  HDS_BUTTONS | HDS_HORZ | HDS_DRAGDROP | HDS_HOTTRACK, 0, x, y, width, 24);
  FillHeader(reordered, widths, false);
  const int order[] = {2, 0, 1, 3};
  SendMessageW(reordered, HDM_SETORDERARRAY, 4, reinterpret_cast<LPARAM>(order));
  y += kLabelHeight + 1 + 24 + kGap;
  FillHeader(Labelled(panel, L"msvb_lib_header", L"msvb_lib_header", L"", HDS_BUTTONS | HDS_HORZ, 0, x, y, width,
                      24),
             widths, false);
  y += kLabelHeight + 1 + 24 + kGap;
  kit::Label(panel, L"List view in report mode", x, y, width);
  ReportList(panel, x, y + kLabelHeight + 1, width, 500 - (y + kLabelHeight + 1));
}

// --- Menus, status bars, toolbars -------------------------------------------------

namespace {

constexpr std::array<const wchar_t*, 12> kMenuItems = {
    L"nothing", L"Open",  L"Rename",  L"Show hidden files", L"Small icons", L"Large icons",
    L"Details", L"Paste", L"By name", L"By date",           L"By size",     L"Properties"};

// Sixteen-pixel images drawn in one colour: a page, a folder, a disk,
// scissors, two sheets, a clipboard, a printer and a lens, roughly.
HIMAGELIST MakeToolbarImages(COLORREF colour) {
  const HBRUSH fill = CreateSolidBrush(colour);
  const HIMAGELIST list = DrawnImages(8, [fill](HDC dc, int i, int x) {
    const HGDIOBJ oldBrush = SelectObject(dc, fill);
    switch (i) {
      case 0: Rectangle(dc, x + 3, 1, x + 13, 15); break;
      case 1: Rectangle(dc, x + 1, 4, x + 15, 13); Rectangle(dc, x + 1, 2, x + 7, 5); break;
      case 2: Rectangle(dc, x + 2, 2, x + 14, 14); Rectangle(dc, x + 5, 2, x + 11, 7); break;
      case 3: Ellipse(dc, x + 1, 9, x + 7, 15); Ellipse(dc, x + 9, 9, x + 15, 15); break;
      case 4: Rectangle(dc, x + 1, 1, x + 10, 12); Rectangle(dc, x + 6, 4, x + 15, 15); break;
      case 5: Rectangle(dc, x + 3, 2, x + 13, 15); Rectangle(dc, x + 6, 1, x + 10, 4); break;
      case 6: Rectangle(dc, x + 1, 6, x + 15, 13); Rectangle(dc, x + 4, 2, x + 12, 7); break;
      default: Ellipse(dc, x + 1, 1, x + 11, 11); MoveToEx(dc, x + 9, 9, nullptr); LineTo(dc, x + 15, 15); break;
    }
    SelectObject(dc, oldBrush);
  });
  DeleteObject(fill);
  return list;
}

// Normal, hot and disabled images, made once and kept for the program's life.
struct ToolbarImages {
  HIMAGELIST normal, hot, disabled;
};
const ToolbarImages& Images() {
  static const ToolbarImages images{MakeToolbarImages(RGB(40, 90, 200)), MakeToolbarImages(RGB(240, 140, 20)),
                                    MakeToolbarImages(RGB(160, 160, 160))};
  return images;
}

// The gap a toolbar leaves for a combo box child.
constexpr int kComboGap = 150;

// Buttons of every kind: plain, a drop-down, separators, a disabled one, a
// checked check button, and (with `comboGap`) a wide separator that a combo
// box child covers. Returns the index of that separator, or -1.
int FillToolbar(HWND toolbar, bool withText, bool comboGap) {
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  const ToolbarImages& images = Images();
  SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.normal));
  SendMessageW(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images.hot));
  SendMessageW(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(images.disabled));
  struct Item {
    int image;
    BYTE state, style;
    const wchar_t* text;
  };
  const Item items[] = {
      {0, TBSTATE_ENABLED, BTNS_BUTTON, L"New"},
      {1, TBSTATE_ENABLED, BTNS_DROPDOWN, L"Open"},
      {2, TBSTATE_ENABLED, BTNS_BUTTON, L"Save"},
      {0, 0, BTNS_SEP, nullptr},
      {3, TBSTATE_ENABLED, BTNS_BUTTON, L"Cut"},
      {4, TBSTATE_ENABLED, BTNS_BUTTON, L"Copy"},
      {5, 0, BTNS_BUTTON, L"Paste"},  // disabled
      {0, 0, BTNS_SEP, nullptr},
      {6, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, L"Print"},
      {7, TBSTATE_ENABLED, BTNS_BUTTON, L"\u67e5\u627e"},  // "find", wide text
  };
  int command = 200;
  for (const Item& item : items) {
    TBBUTTON button{};
    button.iBitmap = item.image;
    button.idCommand = item.style == BTNS_SEP ? 0 : command++;
    button.fsState = item.state;
    button.fsStyle = item.style;
    button.iString = withText && item.text ? reinterpret_cast<INT_PTR>(item.text) : -1;
    SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  if (!comboGap) return -1;
  TBBUTTON gap{};
  gap.iBitmap = kComboGap;  // a separator's width
  gap.fsStyle = BTNS_SEP;
  SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&gap));
  return static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0)) - 1;
}

// A combo box child over the toolbar's wide separator.
void AddToolbarCombo(HWND toolbar, int gapIndex) {
  RECT gap{};
  SendMessageW(toolbar, TB_GETITEMRECT, gapIndex, reinterpret_cast<LPARAM>(&gap));
  RECT client{};
  GetClientRect(toolbar, &client);
  const HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL,
                                     gap.left + 4, (client.bottom - 22) / 2, kComboGap - 8, 160, toolbar, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
  SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(kit::Font()), FALSE);
  AddItems(combo, CB_ADDSTRING, L"100 %", L"75 %", L"50 %");
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// Status part 2 is drawn by its parent: a meter of the part's value.
constexpr LPARAM kMeterValue = 42;
WNDPROC g_barsPanelProc = nullptr;

LRESULT CALLBACK BarsPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlType == ODT_STATIC && item.itemData == static_cast<ULONG_PTR>(kMeterValue)) {
      RECT meter = item.rcItem;
      InflateRect(&meter, -3, -4);
      FrameRect(item.hDC, &meter, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      InflateRect(&meter, -1, -1);
      meter.right = meter.left + (meter.right - meter.left) * static_cast<int>(item.itemData) / 100;
      const HBRUSH fill = CreateSolidBrush(RGB(40, 160, 60));
      FillRect(item.hDC, &meter, fill);
      DeleteObject(fill);
      return TRUE;
    }
  }
  return CallWindowProcW(g_barsPanelProc, panel, message, wParam, lParam);
}

void FillStatusBar(HWND statusBar) {
  const int rightEdges[] = {220, 400, 520, -1};
  SendMessageW(statusBar, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(rightEdges));
  SendMessageW(statusBar, SB_SETICON, 0, reinterpret_cast<LPARAM>(ButtonIcon()));
  SendMessageW(statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready \u5c31\u7eea"));
  SendMessageW(statusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"Line 12, column 4"));
  SendMessageW(statusBar, SB_SETTEXTW, 2 | SBT_OWNERDRAW, kMeterValue);
  SendMessageW(statusBar, SB_SETTEXTW, 3, reinterpret_cast<LPARAM>(L"INS"));
}

}  // namespace

void BuildBars(HWND panel) {
  constexpr int kLeft = 16, kWidth = 728;
  constexpr DWORD kPlaced = CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  kit::Heading(panel, L"Menus", kLeft, 12, 400);
  const HWND open = kit::Create(panel, L"Button", L"Open a context menu", BS_PUSHBUTTON | WS_TABSTOP, 0,
                                kLeft, 34, 180, 26);
  const HWND chosen = kit::Label(panel,
                                 L"The menu has default, checked, radio, disabled and separator items and a "
                                 L"submenu.",
                                 kLeft + 196, 39, 530);
  kit::OnClick(open, [open, chosen] {
    RECT r;
    GetWindowRect(open, &r);
    SetForegroundWindow(GetAncestor(open, GA_ROOT));
    const int command = ShowSampleMenu(GetParent(open), POINT{r.left, r.bottom});
    const std::wstring text =
        std::wstring(L"Chosen: ") + kMenuItems[static_cast<std::size_t>(command) % kMenuItems.size()];
    SetWindowTextW(chosen, text.c_str());
  });

  int y = 76;
  kit::Heading(panel, L"Toolbars", kLeft, y, 400);
  y += 22;
  struct ToolbarCase {
    const wchar_t* label;
    DWORD style;
    bool withText;
    bool combo;
    int height;
  };
  for (const ToolbarCase& bar :
       {ToolbarCase{L"Flat toolbar with a combo box child (ToolbarWindow32, TBSTYLE_FLAT)", TBSTYLE_FLAT, false,
                    true, 28},
        ToolbarCase{L"Raised toolbar with text (ToolbarWindow32)", 0, true, false, 42},
        ToolbarCase{L"Flat list toolbar with text (TBSTYLE_FLAT | TBSTYLE_LIST)", TBSTYLE_FLAT | TBSTYLE_LIST, true,
                    false, 26}}) {
    const HWND toolbar = Labelled(panel, bar.label, L"ToolbarWindow32", L"", bar.style | kPlaced, 0, kLeft, y,
                                  kWidth, bar.height);
    const int gap = FillToolbar(toolbar, bar.withText, bar.combo);
    if (gap >= 0) AddToolbarCombo(toolbar, gap);
    y += kLabelHeight + 1 + bar.height + 8;
  }
  // The VB runtime's toolbar: a container holding the toolbar itself.
  const HWND container = Labelled(panel, L"Container (Toolbar20WndClass) holding msvb_lib_toolbar",
                                  L"Toolbar20WndClass", L"", 0, 0, kLeft, y, kWidth, 34);
  const HWND vbToolbar = CreateWindowExW(0, L"msvb_lib_toolbar", L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | kPlaced,
                                         4, 3, 420, 28, container, nullptr, GetModuleHandleW(nullptr), nullptr);
  FillToolbar(vbToolbar, false, false);
  y += kLabelHeight + 1 + 34 + 8;

  kit::Heading(panel, L"Status bars", kLeft, y, 400);
  y += 22;
  if (g_barsPanelProc == nullptr || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(panel, GWLP_WNDPROC)) != BarsPanelProc) {
    g_barsPanelProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarsPanelProc)));
  }
  FillStatusBar(Labelled(panel, L"Icon, text and owner-drawn parts, size grip (msctls_statusbar32)",
                         L"msctls_statusbar32", L"", SBARS_SIZEGRIP | kPlaced, 0, kLeft, y, kWidth, 24));
  y += kLabelHeight + 1 + 24 + 8;
  const HWND simple = Labelled(panel, L"Simple mode (StatusBar20WndClass)", L"StatusBar20WndClass", L"", kPlaced, 0,
                               kLeft, y, kWidth, 22);
  SendMessageW(simple, SB_SIMPLE, TRUE, 0);
  SendMessageW(simple, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Simple mode: one text across the bar"));
}

// --- Dates --------------------------------------------------------------------------

// A calendar sized by the control to `months` months across (the width it
// asks for one month, the 6 px gap between months), no wider than `width`.
void FitCalendar(HWND calendar, int months, int width) {
  RECT one{};
  if (!SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&one)) || one.right <= 0) return;
  const int wanted = months * (one.right + 6) - 6;
  SetWindowPos(calendar, nullptr, 0, 0, std::min(wanted, width), one.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void BuildDates(HWND panel) {
  SYSTEMTIME date{};
  date.wYear = 2024;
  date.wMonth = 5;
  date.wDay = 17;
  date.wDayOfWeek = 5;
  date.wHour = 10;
  date.wMinute = 30;

  // Pickers down the first column.
  kit::Heading(panel, L"Date and time pickers", kThird[0], 12, kThirdWidth);
  struct PickerCase {
    const wchar_t* label;
    const wchar_t* className;
    DWORD style;
    bool enabled;
  };
  const PickerCase pickers[] = {
      {L"Short date (SysDateTimePick32)", L"SysDateTimePick32", DTS_SHORTDATEFORMAT, true},
      {L"Long date (DTPicker20WndClass)", L"DTPicker20WndClass", DTS_LONGDATEFORMAT, true},
      {L"Time with an up-down (DTS_UPDOWN)", L"SysDateTimePick32", DTS_TIMEFORMAT | DTS_UPDOWN, true},
      {L"With a check box (DTS_SHOWNONE)", L"SysDateTimePick32", DTS_SHORTDATEFORMAT | DTS_SHOWNONE, true},
      {L"Disabled", L"SysDateTimePick32", DTS_SHORTDATEFORMAT, false},
      {L"Disabled time (DTS_UPDOWN)", L"DTPicker20WndClass", DTS_TIMEFORMAT | DTS_UPDOWN, false},
  };
  int y = 34;
  for (const PickerCase& c : pickers) {
    const HWND picker = Labelled(panel, c.label, c.className, L"", c.style | WS_TABSTOP, 0, kThird[0], y,
                                 kThirdWidth, 24);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
    if (!c.enabled) EnableWindow(picker, FALSE);
    y += kLabelHeight + 1 + 24 + 8;
  }

  // Calendars in the other two columns: one month with today marked, one
  // with week numbers, and two months side by side.
  kit::Heading(panel, L"Month calendars", kThird[1], 12, kThirdWidth);
  struct CalendarCase {
    const wchar_t* label;
    const wchar_t* className;
    DWORD style;
    int x, y, months, width;
  };
  const CalendarCase calendars[] = {
      {L"One month, today (SysMonthCal32)", L"SysMonthCal32", 0, kThird[1], 34, 1, kThirdWidth},
      {L"Week numbers (MonthView20WndClass)", L"MonthView20WndClass", MCS_WEEKNUMBERS, kThird[2], 34, 1,
       kThirdWidth},
      {L"Two months (msvb_lib_monthview)", L"msvb_lib_monthview", 0, kThird[1], 248, 2,
       kThird[2] + kThirdWidth - kThird[1]},
  };
  for (const CalendarCase& c : calendars) {
    const HWND calendar =
        Labelled(panel, c.label, c.className, L"", c.style | WS_TABSTOP, 0, c.x, c.y, c.width, 180);
    SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&date));
    SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&date));
    FitCalendar(calendar, c.months, c.width);
  }
}

// --- Data controls and grids ----------------------------------------------------

void BuildGrids(HWND panel) {
  constexpr int kGridHeight = 140;
  kit::Heading(panel, L"Grids", kThird[0], 12, 400);
  const wchar_t* grids[] = {L"ApexGrid.19", L"DataGridWndClass", L"MSFlexGridWndClass",
                            L"MSHFlexGridWndClass", L"VSFlexGrid8L"};
  for (int i = 0; i < 5; ++i) {
    const int y = i < 3 ? 32 : 198;
    // The flex grids scroll their rows and columns with the skin's bars.
    const bool flex = i == 2 || i == 3;
    const DWORD bars = flex ? WS_VSCROLL | WS_HSCROLL : 0;
    const HWND grid = Labelled(panel, grids[i], grids[i], L"", WS_TABSTOP | bars, WS_EX_CLIENTEDGE, kThird[i % 3], y,
                               kThirdWidth, kGridHeight);
    if (flex) {
      // Scrolled one column in: the last columns end short of the right
      // edge, so the grid's own button-face background shows there.
      kit::SetScroll(grid, SB_VERT, 0, 39, 6, 0);
      kit::SetScroll(grid, SB_HORZ, 0, 3, 2, 1);
    }
  }

  int y = 198;
  for (const wchar_t* combo : {L"DataComboWndClass", L"DBComboWndClass"}) {
    Labelled(panel, combo, combo, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, kThird[2], y, kThirdWidth, 24);
    y += kLabelHeight + 1 + 24 + 12;
  }

  constexpr int kTop = 362;
  kit::Heading(panel, L"Data lists", kThird[0], kTop, 400);
  int x = kThird[0];
  for (const wchar_t* list : {L"DBListWndClass", L"DataListWndClass"}) {
    const HWND window = Labelled(panel, list, list, L"", WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, x,
                                 kTop + 22, kThirdWidth, 112);
    kit::SetScroll(window, SB_VERT, 0, 19, 6, 0);
    x = kThird[1];
  }
}

// --- Other windows ------------------------------------------------------------------

void BuildOther(HWND panel) {
  Column plain(panel, 16, 12, 260);
  plain.Heading(L"Plain bordered controls");
  plain.Label(L"Hot key (msctls_hotkey32)");
  const HWND hotKey = plain.Add(L"msctls_hotkey32", L"", WS_TABSTOP, kRowHeight, WS_EX_CLIENTEDGE);
  SendMessageW(hotKey, HKM_SETHOTKEY, MAKEWORD('G', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
  plain.Label(L"IP address (SysIPAddress32)");
  const HWND address = plain.Add(L"SysIPAddress32", L"", WS_TABSTOP, kRowHeight, WS_EX_CLIENTEDGE);
  SendMessageW(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
  plain.Label(L"Animation, no clip loaded (SysAnimate32)");
  plain.Add(L"SysAnimate32", L"", ACS_CENTER, 60, WS_EX_CLIENTEDGE);

  Column alone(panel, 320, 12, 420);
  alone.Heading(L"Windows the library leaves alone");
  alone.Label(L"Static text (Static)");
  alone.Add(L"Static",
            L"A static text control. The skin library does not know its class, so it stays as the system "
            L"draws it.",
            SS_LEFT, 34);
  alone.Label(L"A class of the gallery's own (GalleryPlain)");
  alone.Add(L"GalleryPlain",
            L"GalleryPlain: a window class no skin knows. It keeps the colours its program paints, whatever "
            L"skin is attached.",
            0, 80, WS_EX_CLIENTEDGE);
}

}  // namespace pages

int ShowSampleMenu(HWND owner, POINT screenPoint) {
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&Open");
  SetMenuDefaultItem(menu, 1, FALSE);
  AppendMenuW(menu, MF_STRING, 2, L"&Rename");
  AppendMenuW(menu, MF_STRING | MF_CHECKED, 3, L"Show &hidden files");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, 4, L"&Small icons");
  AppendMenuW(menu, MF_STRING, 5, L"&Large icons");
  AppendMenuW(menu, MF_STRING, 6, L"&Details");
  CheckMenuRadioItem(menu, 4, 6, 6, MF_BYCOMMAND);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 7, L"&Paste");
  const HMENU sort = CreatePopupMenu();
  AppendMenuW(sort, MF_STRING, 8, L"By &name");
  AppendMenuW(sort, MF_STRING, 9, L"By &date");
  AppendMenuW(sort, MF_STRING, 10, L"By &size");
  CheckMenuRadioItem(sort, 8, 10, 8, MF_BYCOMMAND);
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sort), L"Sort &by");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, 11, L"P&roperties");
  const int command =
      static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                      screenPoint.x, screenPoint.y, 0, GetAncestor(owner, GA_ROOT), nullptr));
  DestroyMenu(menu);
  return command;
}

}  // namespace gallery
