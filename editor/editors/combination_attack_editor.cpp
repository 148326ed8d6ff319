// The combination attack editor (Form5, "合体技"): pick an attack in List1,
// choose its weapons, units and pilots on the three tab pages, set the
// multiplier (with a converter between its hex byte and the decimal factor)
// and write it back with "写入".
#include <windows.h>

#include <commctrl.h>

#include <array>

#include "editor/editors/combination_attack_editor_ids.h"
#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/combination_attack_layout.h"
#include "editor/editors/long_list.h"
#include "editor/editors/name_list_loading.h"
#include "editor/editors/record_form.h"
#include "editor/name_lists.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_window;
HWND g_form5 = nullptr;  // while the form exists
ShownRecord g_shown;

constexpr int kCombos = 3 * kParticipantSlots;

const FormTable& Attacks() {
  static const FormTable table = [] {
    FormTable t{
        &CombinationAttackLayout(), GameFileKind::SharedBin, IDC_FORM5_LIST1, {{"Text1", IDC_FORM5_TEXT1}}};
    for (int n = 1; n <= kCombos; ++n) t.ids["Combo" + std::to_string(n)] = IDC_FORM5_COMBO1 + n - 1;
    return t;
  }();
  return table;
}

// The names of the participants, one list per kind (weapon.txt, unit2.txt,
// pilot2.txt), read afresh each time the editor opens and kept only until
// its combo boxes hold them.
using ParticipantNames = std::array<NameList, 3>;
ParticipantNames g_names;

// Each kind's names are kept once for its four boxes, which take them in
// as items only when first opened or typed in.
void FillParticipants(HWND form, ParticipantNames& names) {
  for (int kind = 0; kind < 3; ++kind) {
    const SharedNames shared = std::make_shared<const std::vector<std::wstring>>(std::move(names[kind].names));
    for (int slot = 0; slot < kParticipantSlots; ++slot)
      OfferLongList(GetDlgItem(form, IDC_FORM5_COMBO1 + kParticipantKinds[kind].firstCombo - 1 + slot), shared);
  }
}

// Shows the four combo boxes of one tab page and hides the others.
void ShowPage(HWND form, int page) {
  for (int n = 0; n < kCombos; ++n)
    ShowWindow(GetDlgItem(form, IDC_FORM5_COMBO1 + n), n / kParticipantSlots == page ? SW_SHOW : SW_HIDE);
}

void SetUpTabs(HWND form) {
  HWND tab = GetDlgItem(form, IDC_FORM5_SSTAB1);
  for (int page = 0; page < 3; ++page) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(kParticipantKinds[page].page);
    SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
  }
  // Below the combo boxes it frames, so that they get the clicks.
  SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowPage(form, 0);
}

// Puts the guard's replacement into a converter box that went out of range,
// and gives it the focus.
void GuardBox(HWND form, int id, std::optional<std::string> (*guard)(std::string_view)) {
  const std::string text = ui::GetAsciiText(form, id);
  if (const auto replacement = guard(text); replacement && *replacement != text) {
    ui::SetAsciiText(form, id, *replacement);
    SetFocus(GetDlgItem(form, id));
  }
}

// "→" and "←": converts one box into the other, or asks for an entry.
void Convert(HWND form, int from, int to, std::optional<std::string> (*convert)(std::string_view),
             const wchar_t* prompt) {
  if (const auto converted = convert(ui::GetAsciiText(form, from))) {
    ui::SetAsciiText(form, to, *converted);
    return;
  }
  ui::ShowMessage(form, prompt);
  SetFocus(GetDlgItem(form, from));
}

INT_PTR CALLBACK Form5Proc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) g_form5 = nullptr;
  if (g_window.closes(form, message, wParam, {IDC_FORM5_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_form5 = form;
      g_shown = {};
      FillItems(form, IDC_FORM5_LIST1, CombinationAttackNames());
      FillParticipants(form, g_names);
      g_names = {};
      SetUpTabs(form);
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_FORM5_SSTAB1 && header->code == TCN_SELCHANGE)
        ShowPage(form, static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
      return TRUE;
    }
    case WM_COMMAND:
      if (HandleTableCommand(form, wParam, {{&Attacks(), IDC_FORM5_COMMAND2, &g_shown}})) return TRUE;
      switch (LOWORD(wParam)) {
        case IDC_FORM5_COMMAND7:
          Convert(form, IDC_FORM5_TEXT1, IDC_FORM5_TEXT2, &MultiplierToDecimal, kEnterHexFirst);
          return TRUE;
        case IDC_FORM5_COMMAND4:
          Convert(form, IDC_FORM5_TEXT2, IDC_FORM5_TEXT1, &MultiplierToHex, kEnterDecimalFirst);
          return TRUE;
        case IDC_FORM5_COMMAND6:
          ui::ShowMessage(form, kConverterNote);
          return TRUE;
        case IDC_FORM5_TEXT1:
          if (HIWORD(wParam) == EN_CHANGE) GuardBox(form, IDC_FORM5_TEXT1, &GuardHexMultiplier);
          return TRUE;
        case IDC_FORM5_TEXT2:
          if (HIWORD(wParam) == EN_CHANGE) GuardBox(form, IDC_FORM5_TEXT2, &GuardDecimalMultiplier);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

void OpenCombinationAttackEditor(HWND mainWindow) {
  // An open editor is only brought forward; a new one reads its lists first.
  if (!g_form5 && !ReadNameLists(mainWindow, {{&kWeaponNames, &g_names[0]},
                                              {&kUnit2Names, &g_names[1]},
                                              {&kPilot2Names, &g_names[2]}}))
    return;
  g_window.open(IDD_FORM5, Form5Proc);
}

const EditorRegistration kRegistration{3, &OpenCombinationAttackEditor};

}  // namespace

}  // namespace vdk::editors
