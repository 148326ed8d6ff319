#include "bench/skin_cost/control_window.h"

#include <commctrl.h>

#include <stdexcept>
#include <string>

namespace vdk::bench {
namespace {

constexpr int kMargin = 8, kGap = 8;
constexpr int kClientWidth = 1232;

// Lays cells out left to right in rows, starting a new row when a cell
// does not fit; a row is as tall as its tallest cell.
class Flow {
 public:
  explicit Flow(int top) : y_(top) {}

  RECT Place(int width, int height) {
    if (x_ + width > kClientWidth - kMargin && x_ > kMargin) NewRow();
    const RECT cell{x_, y_, x_ + width, y_ + height};
    x_ += width + kGap;
    if (height > rowHeight_) rowHeight_ = height;
    return cell;
  }
  void NewRow() {
    y_ += rowHeight_ + kGap;
    x_ = kMargin;
    rowHeight_ = 0;
  }
  // The y below everything placed so far.
  int Bottom() const { return y_ + rowHeight_; }

 private:
  int x_ = kMargin;
  int y_;
  int rowHeight_ = 0;
};

class Builder {
 public:
  Builder(ControlWindow& form, HFONT font) : form_(form), font_(font) {}

  HWND Add(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y, int width,
           int height) {
    HWND control = CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, form_.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)), GetModuleHandleW(nullptr), nullptr);
    if (!control) {
      const std::wstring name(className);
      throw std::runtime_error("cannot create a control of class " + std::string(name.begin(), name.end()));
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    form_.controls.push_back(control);
    return control;
  }
  HWND Add(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, const RECT& r) {
    return Add(className, text, style, exStyle, r.left, r.top, r.right - r.left, r.bottom - r.top);
  }

 private:
  ControlWindow& form_;
  HFONT font_;
  int nextId_ = 1000;
};

std::wstring Numbered(const wchar_t* stem, int n) {
  return stem + std::to_wstring(n);
}

void FillList(HWND list, UINT add, const wchar_t* stem, int count) {
  for (int i = 0; i < count; ++i)
    SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(Numbered(stem, i + 1).c_str()));
}

void AddListView(Builder& b, const RECT& r) {
  HWND view = b.Add(WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE, r);
  SendMessageW(view, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  const wchar_t* headings[] = {L"Name", L"Value", L"Note"};
  for (int c = 0; c < 3; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = c == 0 ? 110 : 80;
    column.pszText = const_cast<wchar_t*>(headings[c]);
    SendMessageW(view, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
  }
  for (int i = 0; i < 25; ++i) {
    std::wstring name = Numbered(L"Record ", i + 1), value = std::to_wstring(i * 37 % 1000);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = name.data();
    SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = value.data();
    SendMessageW(view, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

void AddTreeView(Builder& b, const RECT& r) {
  HWND tree = b.Add(WC_TREEVIEWW, L"", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_TABSTOP,
                    WS_EX_CLIENTEDGE, r);
  for (int root = 0; root < 4; ++root) {
    std::wstring text = Numbered(L"Group ", root + 1);
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text.data();
    auto parent = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    for (int leaf = 0; leaf < 5; ++leaf) {
      std::wstring leafText = Numbered(L"Entry ", leaf + 1);
      insert.hParent = parent;
      insert.item.pszText = leafText.data();
      SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
    }
    if (root < 2) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  }
}

void AddTabControl(Builder& b, const RECT& r) {
  HWND tabs = b.Add(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, 0, r);
  const wchar_t* pages[] = {L"General", L"Details", L"Growth", L"Costs"};
  for (int i = 0; i < 4; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(pages[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

std::wstring ManyLines() {
  std::wstring text;
  for (int i = 1; i <= 30; ++i)
    text += L"Line " + std::to_wstring(i) + L" of a longer note that runs past the right edge\r\n";
  return text;
}

// A group box with four buttons of one style inside.
void AddButtonGroup(Builder& b, Flow& flow, const wchar_t* caption, DWORD buttonStyle, const wchar_t* stem) {
  const RECT r = flow.Place(144, 98);
  b.Add(L"Button", caption, BS_GROUPBOX, 0, r);
  for (int i = 0; i < 4; ++i) {
    const DWORD first = i == 0 ? WS_GROUP : 0;
    b.Add(L"Button", Numbered(stem, i + 1).c_str(), buttonStyle | WS_TABSTOP | first, 0, r.left + 10,
          r.top + 18 + i * 19, 126, 18);
  }
}

// A label and an edit box beside it.
HWND AddEditField(Builder& b, Flow& flow, int n, DWORD editStyle) {
  const RECT r = flow.Place(164, 22);
  b.Add(L"Static", Numbered(L"Field ", n).c_str(), SS_LEFT, 0, r.left, r.top + 3, 56, 18);
  const std::wstring text = (editStyle & ES_NUMBER) ? std::to_wstring(n * 11) : Numbered(L"value ", n);
  return b.Add(L"Edit", text.c_str(), ES_AUTOHSCROLL | WS_TABSTOP | editStyle, WS_EX_CLIENTEDGE, r.left + 60,
               r.top, 104, 22);
}

// A label and a combo box beside it, filled and with an item chosen.
void AddComboField(Builder& b, Flow& flow, int n, DWORD comboStyle) {
  const RECT r = flow.Place(164, 24);
  b.Add(L"Static", Numbered(L"Choice ", n).c_str(), SS_LEFT, 0, r.left, r.top + 4, 56, 18);
  HWND combo = b.Add(L"ComboBox", L"", comboStyle | WS_VSCROLL | WS_TABSTOP, 0, r.left + 60, r.top, 104, 220);
  FillList(combo, CB_ADDSTRING, L"Option ", 20);
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(n % 20), 0);
}

INT_PTR CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

// An etched line across the window.
void AddSeparator(Builder& b, Flow& flow) {
  b.Add(L"Static", L"", SS_ETCHEDHORZ, 0, flow.Place(kClientWidth - 2 * kMargin, 2));
  flow.NewRow();
}

}  // namespace

void InitCommonControlClasses() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                                     ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
                                                     ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS |
                                                     ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  if (!done) throw std::runtime_error("InitCommonControlsEx failed");
}

ControlWindow CreateControlWindow() {
  InitCommonControlClasses();
  ControlWindow form;

  // An empty dialog template with the usual dialog font; the controls are
  // added afterwards, as a program that builds its form in code does.
  std::vector<WORD> tmpl(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* header = reinterpret_cast<DLGTEMPLATE*>(tmpl.data());
  header->style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  header->cx = 600;
  header->cy = 400;
  tmpl.push_back(0);  // no menu
  tmpl.push_back(0);  // the standard dialog class
  for (const wchar_t* c = L"Skin cost: 200 controls"; *c; ++c) tmpl.push_back(static_cast<WORD>(*c));
  tmpl.push_back(0);
  tmpl.push_back(8);  // point size
  for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) tmpl.push_back(static_cast<WORD>(*c));
  tmpl.push_back(0);
  form.window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                           reinterpret_cast<DLGTEMPLATE*>(tmpl.data()), nullptr, FormProc, 0);
  if (!form.window) throw std::runtime_error("cannot create the form");
  auto font = reinterpret_cast<HFONT>(SendMessageW(form.window, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  Builder b(form, font);

  // Toolbar along the top, status bar along the bottom.
  HWND toolbar = b.Add(TOOLBARCLASSNAMEW, L"", TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0, 0);
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
  const int images[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, -1, STD_CUT,  STD_COPY,  STD_PASTE,
                        -1,          STD_UNDO,     STD_REDOW,    -1, STD_FIND, STD_PRINT, STD_HELP};
  int command = 100;
  for (int image : images) {
    TBBUTTON button{};
    button.iBitmap = image < 0 ? 0 : image;
    button.idCommand = image < 0 ? 0 : command++;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = image < 0 ? BTNS_SEP : BTNS_BUTTON;
    SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
  SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
  RECT toolbarRect{};
  GetWindowRect(toolbar, &toolbarRect);

  HWND status = b.Add(STATUSCLASSNAMEW, L"Ready", 0, 0, 0, 0, 0, 0);
  const int parts[] = {400, 800, -1};
  SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"200 controls"));
  SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"plain or skinned"));

  Flow flow(toolbarRect.bottom - toolbarRect.top + kGap);

  // The large views.
  AddListView(b, flow.Place(260, 120));
  AddListView(b, flow.Place(260, 120));
  AddTreeView(b, flow.Place(170, 120));
  AddTreeView(b, flow.Place(170, 120));
  AddTabControl(b, flow.Place(150, 120));
  AddTabControl(b, flow.Place(150, 120));
  flow.NewRow();

  // Multi-line edits and list boxes.
  const std::wstring lines = ManyLines();
  for (int i = 0; i < 4; ++i)
    b.Add(
        L"Edit", lines.c_str(),
        ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
        WS_EX_CLIENTEDGE, flow.Place(140, 80));
  for (int i = 0; i < 7; ++i) {
    const DWORD selection = i < 5 ? LBS_NOTIFY : LBS_NOTIFY | LBS_EXTENDEDSEL;
    HWND list = b.Add(L"ListBox", L"", selection | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                      WS_EX_CLIENTEDGE, flow.Place(80, 80));
    FillList(list, LB_ADDSTRING, L"Item ", 30);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    if (i == 0) form.list = list;
  }
  flow.NewRow();

  // Option and check box groups.
  for (int g = 0; g < 4; ++g)
    AddButtonGroup(b, flow, Numbered(L"Mode ", g + 1).c_str(), BS_AUTORADIOBUTTON, L"Option ");
  for (int g = 0; g < 4; ++g)
    AddButtonGroup(b, flow, Numbered(L"Flags ", g + 1).c_str(), g == 3 ? BS_AUTO3STATE : BS_AUTOCHECKBOX,
                   L"Flag ");
  flow.NewRow();
  AddSeparator(b, flow);

  // Label and edit fields (plain, password, read-only), then label and
  // combo box fields (drop-down lists and drop-downs).
  for (int n = 1; n <= 24; ++n) {
    const DWORD style = n == 7 || n == 8 ? ES_PASSWORD : n == 15 || n == 16 ? ES_READONLY : 0;
    HWND edit = AddEditField(b, flow, n, style);
    if (n == 1) form.edit = edit;
  }
  for (int n = 1; n <= 16; ++n) AddComboField(b, flow, n, n <= 12 ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  flow.NewRow();
  AddSeparator(b, flow);

  // Number fields with up-down arrows, date and time pickers, hot-key and
  // address controls.
  for (int i = 0; i < 3; ++i) {
    const RECT r = flow.Place(120, 22);
    b.Add(L"Static", Numbered(L"Count ", i + 1).c_str(), SS_RIGHT, 0, r.left, r.top + 3, 56, 18);
    b.Add(L"Edit", L"", ES_NUMBER | WS_TABSTOP, WS_EX_CLIENTEDGE, r.left + 60, r.top, 60, 22);
    HWND spin = b.Add(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 0,
                      0, 0, 0, 0);
    SendMessageW(spin, UDM_SETRANGE32, 0, 999);
    SendMessageW(spin, UDM_SETPOS32, 0, 10 * (i + 1));
  }
  {
    const RECT r = flow.Place(190, 22);
    b.Add(L"Static", L"Date", SS_RIGHT, 0, r.left, r.top + 3, 52, 18);
    b.Add(DATETIMEPICK_CLASSW, L"", DTS_SHORTDATEFORMAT | WS_TABSTOP, 0, r.left + 56, r.top, 134, 22);
    b.Add(DATETIMEPICK_CLASSW, L"", DTS_TIMEFORMAT | WS_TABSTOP, 0, flow.Place(100, 22));
  }
  for (int i = 0; i < 3; ++i) {
    HWND hotKey = b.Add(HOTKEY_CLASSW, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, flow.Place(104, 22));
    SendMessageW(hotKey, HKM_SETHOTKEY, MAKEWORD('A' + i, HOTKEYF_CONTROL), 0);
    if (i == 0) form.hotKey = hotKey;
  }
  for (int i = 0; i < 3; ++i) {
    HWND address = b.Add(WC_IPADDRESSW, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, flow.Place(124, 22));
    SendMessageW(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10 + i));
  }
  flow.NewRow();

  // Bars, sliders, simple combo boxes, an animation, scroll bars.
  for (int i = 0; i < 3; ++i) {
    HWND bar = b.Add(PROGRESS_CLASSW, L"", 0, 0, flow.Place(146, 18));
    SendMessageW(bar, PBM_SETRANGE32, 0, 100);
    SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(25 * (i + 1)), 0);
  }
  for (int i = 0; i < 3; ++i) {
    HWND slider = b.Add(TRACKBAR_CLASSW, L"", TBS_AUTOTICKS | WS_TABSTOP, 0, flow.Place(146, 30));
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
    SendMessageW(slider, TBM_SETPOS, TRUE, 5 * (i + 1));
  }
  for (int i = 0; i < 2; ++i) {
    HWND combo = b.Add(L"ComboBox", L"", CBS_SIMPLE | WS_VSCROLL | WS_TABSTOP, 0, flow.Place(100, 80));
    FillList(combo, CB_ADDSTRING, L"Entry ", 15);
  }
  b.Add(ANIMATE_CLASSW, L"", ACS_CENTER | ACS_TRANSPARENT, 0, flow.Place(48, 48));
  flow.NewRow();
  for (int i = 0; i < 6; ++i) {
    const bool vertical = i >= 3;
    HWND bar = b.Add(L"ScrollBar", L"", vertical ? SBS_VERT : SBS_HORZ, 0,
                     vertical ? flow.Place(17, 80) : flow.Place(150, 17));
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 10 * (i + 1), 0};
    SetScrollInfo(bar, SB_CTL, &info, FALSE);
  }

  // Push buttons (plain, default, flat), check boxes drawn as buttons, and
  // check boxes on their own.
  for (int i = 0; i < 20; ++i) {
    const DWORD style = i == 0 || i == 10   ? BS_DEFPUSHBUTTON
                        : i == 5 || i == 15 ? BS_PUSHBUTTON | BS_FLAT
                                            : BS_PUSHBUTTON;
    b.Add(L"Button", Numbered(L"Action ", i + 1).c_str(), style | WS_TABSTOP, 0, flow.Place(88, 25));
  }
  for (int i = 0; i < 2; ++i)
    b.Add(L"Button", Numbered(L"Toggle ", i + 1).c_str(), BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, 0,
          flow.Place(88, 25));
  for (int i = 0; i < 4; ++i) {
    HWND check = b.Add(L"Button", Numbered(L"Setting ", i + 1).c_str(), BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                       flow.Place(88, 20));
    SendMessageW(check, BM_SETCHECK, i % 2 ? BST_CHECKED : BST_UNCHECKED, 0);
    if (i == 1) form.checkBox = check;
  }

  if (form.controls.size() != kControlCount)
    throw std::runtime_error("the form has " + std::to_string(form.controls.size()) + " controls, not 200");

  // Size the window to its contents and let the bars take their places.
  RECT statusRect{};
  GetWindowRect(status, &statusRect);
  RECT frame{0, 0, kClientWidth, flow.Bottom() + kMargin + (statusRect.bottom - statusRect.top)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(form.window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(form.window, GWL_EXSTYLE)));
  SetWindowPos(form.window, nullptr, 4, 4, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(status, WM_SIZE, 0, 0);
  SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
  return form;
}

void PumpUntilIdle(int limitMs) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(limitMs);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (GetTickCount64() >= end) break;
  }
}

void ShowAndPaint(const ControlWindow& form) {
  ShowWindow(form.window, SW_SHOW);
  UpdateWindow(form.window);
  PumpUntilIdle();
}

}  // namespace vdk::bench
