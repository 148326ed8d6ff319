// The weapon editor (Form4, "武器性能"): pick a weapon in List1, edit it on
// the two tab pages and write it back with "写入"; set one upgrade class in
// every weapon at once; find the weapons of a given attack power.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <vector>

#include "editor/editors/core/shared_lists.h"
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/weapon_layout.h"
#include "editor/editors/name_list_loading.h"
#include "editor/editors/record_form.h"
#include "editor/editors/weapon_editor_ids.h"
#include "editor/game_paths.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_window;
HWND g_form4 = nullptr;
NameList g_names;  // read on opening, dropped once the form holds them
ShownRecord g_shown;
// The records the last search found, in the order of List2.
std::vector<std::uint32_t> g_matches;

const FormTable& Weapons() {
  static const FormTable table = [] {
    FormTable t{&WeaponLayout(), GameFileKind::SharedBin, IDC_FORM4_LIST1, {}};
    t.ids = {{"Text1", IDC_FORM4_TEXT1},   {"Text3", IDC_FORM4_TEXT3},   {"Text4", IDC_FORM4_TEXT4},
             {"Text5", IDC_FORM4_TEXT5},   {"Text6", IDC_FORM4_TEXT6},   {"Text7", IDC_FORM4_TEXT7},
             {"Text8", IDC_FORM4_TEXT8},   {"Text9", IDC_FORM4_TEXT9},   {"Text10", IDC_FORM4_TEXT10},
             {"Text11", IDC_FORM4_TEXT11}, {"Text12", IDC_FORM4_TEXT12}, {"Text13", IDC_FORM4_TEXT13},
             {"Text15", IDC_FORM4_TEXT15}, {"Text16", IDC_FORM4_TEXT16}, {"Text19", IDC_FORM4_TEXT19},
             {"Combo1", IDC_FORM4_COMBO1}, {"Combo2", IDC_FORM4_COMBO2}, {"Combo3", IDC_FORM4_COMBO3},
             {"Combo4", IDC_FORM4_COMBO4}, {"Combo5", IDC_FORM4_COMBO5}, {"Combo6", IDC_FORM4_COMBO6},
             {"Combo7", IDC_FORM4_COMBO7}, {"Combo8", IDC_FORM4_COMBO8}};
    AddControlArray(t.ids, "Check1", IDC_FORM4_CHECK1_0, 8);
    AddControlArray(t.ids, "Check2", IDC_FORM4_CHECK2_0, 8);
    return t;
  }();
  return table;
}

// The page a control sits on, by its id: 0 "基本参数", 1 "武器属性", -1 both.
int PageOf(int id) {
  if ((id >= IDC_FORM4_LIST2 && id < IDC_FORM4_TEXT1) ||
      (id >= IDC_FORM4_PAGE1_LABEL && id < IDC_FORM4_PAGE2_LABEL))
    return 0;
  if ((id >= IDC_FORM4_TEXT1 && id < IDC_FORM4_PAGE1_LABEL) ||
      (id >= IDC_FORM4_PAGE2_LABEL && id < IDC_FORM4_FRAME1))
    return 1;
  return -1;
}

void ShowPage(HWND form, int page) {
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int on = PageOf(GetDlgCtrlID(child));
    if (on >= 0) ShowWindow(child, on == page ? SW_SHOW : SW_HIDE);
  }
  // The page's frames are drawn over the tab's body: repaint them together.
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SetUpTabs(HWND form) {
  HWND tab = GetDlgItem(form, IDC_FORM4_SSTAB1);
  const wchar_t* pages[] = {L"基本参数", L"武器属性"};
  for (int page = 0; page < 2; ++page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(pages[page]);
    SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
  }
  // Below the controls of its pages, so that they get the clicks.
  SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowPage(form, 0);
}

// "改造效果统一" / "改造价格统一": the class chosen in Combo2 / Combo3 goes
// into every weapon; nothing happens while nothing is chosen. The shown
// record keeps its controls.
void SetClassOfEveryWeapon(HWND form, UpgradeClass which) {
  FormValues values = g_shown.values;
  ReadValues(form, Weapons(), values);
  try {
    SetUpgradeClassOfEveryWeapon(SharedBinPath, which, values);
  } catch (const std::exception& failure) {
    ui::ShowFailure(form, failure);
  }
}

void ClearSearch(HWND form) {
  g_matches.clear();
  SendDlgItemMessageW(form, IDC_FORM4_LIST2, LB_RESETCONTENT, 0, 0);
}

// "查找": the weapons whose attack power is the number in Text17.
void Search(HWND form) {
  ClearSearch(form);
  std::uint16_t attack = 0;
  if (!ParseAttack(ui::GetAsciiText(form, IDC_FORM4_TEXT17), attack)) {
    ui::ShowMessage(form, kAttackSearchHint, MB_OK | MB_ICONWARNING);
    SetFocus(GetDlgItem(form, IDC_FORM4_TEXT17));
    return;
  }
  std::vector<AttackMatch> found;
  try {
    found = FindWeaponsByAttack(SharedBinPath, attack);
  } catch (const std::exception& failure) {
    ui::ShowFailure(form, failure);
    return;
  }
  HWND list = GetDlgItem(form, IDC_FORM4_LIST2);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  for (const AttackMatch& match : found) {
    g_matches.push_back(match.record);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(match.line.c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// A found weapon chosen in List2 is chosen and shown in List1.
void ShowMatch(HWND form) {
  const int j = SelectedItem(form, IDC_FORM4_LIST2);
  if (j < 0 || static_cast<std::size_t>(j) >= g_matches.size()) return;
  SendDlgItemMessageW(form, IDC_FORM4_LIST1, LB_SETCURSEL, g_matches[static_cast<std::size_t>(j)], 0);
  ShowTableRecord(form, Weapons(), g_shown);
}

void Load(HWND form, const NameList& weapons) {
  g_shown = {};
  g_matches.clear();
  FillItems(form, IDC_FORM4_COMBO1, RequiredSkillNames());
  FillItems(form, IDC_FORM4_COMBO2, UpgradeEffectNames());
  FillItems(form, IDC_FORM4_COMBO3, UpgradePriceNames());
  for (int id : {IDC_FORM4_COMBO4, IDC_FORM4_COMBO5, IDC_FORM4_COMBO6, IDC_FORM4_COMBO7})
    FillItems(form, id, TerrainScale());
  FillItems(form, IDC_FORM4_COMBO8, WeaponKindNames());
  FillItems(form, IDC_FORM4_LIST1, ItemsOf(weapons));
  SetUpTabs(form);
}

INT_PTR CALLBACK Form4Proc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) g_form4 = nullptr;
  if (g_window.closes(form, message, wParam, {IDC_FORM4_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_form4 = form;
      Load(form, g_names);
      g_names = {};
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_FORM4_SSTAB1 && header->code == TCN_SELCHANGE)
        ShowPage(form, static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_FORM4_COMMAND1:
          SetClassOfEveryWeapon(form, UpgradeClass::Effect);
          return TRUE;
        case IDC_FORM4_COMMAND6:
          SetClassOfEveryWeapon(form, UpgradeClass::Price);
          return TRUE;
        case IDC_FORM4_COMMAND4:
          Search(form);
          return TRUE;
        case IDC_FORM4_COMMAND5:
          ClearSearch(form);
          ui::SetText(form, IDC_FORM4_TEXT17, L"");
          return TRUE;
        case IDC_FORM4_LIST2:
          if (HIWORD(wParam) == LBN_SELCHANGE) ShowMatch(form);
          return TRUE;
      }
      return HandleTableCommand(form, wParam, {{&Weapons(), IDC_FORM4_COMMAND2, &g_shown}});
  }
  return FALSE;
}

void OpenWeaponEditor(HWND mainWindow) {
  // An open editor is only brought forward; a new one reads its list first.
  if (!g_form4 && !ReadNameLists(mainWindow, {{&kWeapon2Names, &g_names}})) return;
  g_window.open(IDD_FORM4, Form4Proc);
}

const EditorRegistration kRegistration{2, &OpenWeaponEditor};

}  // namespace

}  // namespace vdk::editors
