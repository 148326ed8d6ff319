// The pilot ability editor (Form3, "机师能力"): pick a pilot in List1, edit
// stats, spirit commands, skills with their growth rows, trust-bonus codes
// and boarding flags, write them back with "写入".
#include <windows.h>

#include <array>
#include <exception>
#include <filesystem>

#include "editor/editors/editor_windows.h"
#include "editor/editors/layouts/pilot_layout.h"
#include "editor/editors/name_list_loading.h"
#include "editor/editors/pilot_editor_ids.h"
#include "editor/editors/record_form.h"
#include "editor/game_paths.h"
#include "editor/shell.h"
#include "editor/ui/forms.h"

namespace vdk::editors {

namespace {

EditorWindow g_window;
HWND g_form3 = nullptr;
NameList g_names;  // read on opening, dropped once the form holds them
ShownRecord g_shown;
GrowthRows g_rows;

constexpr int kRowIds[kPilotSkills] = {IDC_FORM3_TEXT13_0, IDC_FORM3_TEXT17_0, IDC_FORM3_TEXT18_0,
                                       IDC_FORM3_TEXT19_0, IDC_FORM3_TEXT20_0, IDC_FORM3_TEXT21_0};

const FormTable& Pilots() {
  static const FormTable table = [] {
    FormTable t{&PilotLayout(), GameFileKind::SharedBin, IDC_FORM3_LIST1, {}};
    for (int k = 0; k < 7; ++k) t.ids["Text" + std::to_string(2 + k)] = IDC_FORM3_TEXT2 + k;
    t.ids["Combo3"] = IDC_FORM3_COMBO3;
    t.ids["Combo2"] = IDC_FORM3_COMBO2;
    t.ids["Text16"] = IDC_FORM3_TEXT16;
    for (int s = 0; s < kPilotSkills; ++s)
      t.ids[kSkillRows[static_cast<std::size_t>(s)].code] = IDC_FORM3_TEXT22 + s;
    AddControlArray(t.ids, "Combo1", IDC_FORM3_COMBO1_0, 6);
    AddControlArray(t.ids, "Text9", IDC_FORM3_TEXT9_0, 6);
    AddControlArray(t.ids, "Text10", IDC_FORM3_TEXT10_0, 6);
    AddControlArray(t.ids, "Combo7", IDC_FORM3_COMBO7_0, kPilotSkills);
    AddControlArray(t.ids, "Text27", IDC_FORM3_TEXT27_0, 16);
    AddControlArray(t.ids, "Check1", IDC_FORM3_CHECK1_0, 8);
    AddControlArray(t.ids, "Check2", IDC_FORM3_CHECK2_0, 8);
    return t;
  }();
  return table;
}

// The nine level boxes of skill s's growth row.
const FormTable& GrowthRow(int s) {
  static const std::array<FormTable, kPilotSkills> tables = [] {
    std::array<FormTable, kPilotSkills> t;
    for (int k = 0; k < kPilotSkills; ++k) {
      t[static_cast<std::size_t>(k)] = {&GrowthRowLayout(k), GameFileKind::SharedBin, IDC_FORM3_LIST1, {}};
      AddControlArray(t[static_cast<std::size_t>(k)].ids, kSkillRows[static_cast<std::size_t>(k)].levels,
                      kRowIds[k], kGrowthLevels);
    }
    return t;
  }();
  return tables.at(static_cast<std::size_t>(s));
}

void PutPilot(HWND form) {
  PutValues(form, Pilots(), g_shown.values);
  for (int s = 0; s < kPilotSkills; ++s) {
    PutValues(form, GrowthRow(s), g_shown.values);
    // A skill without a row of its own has nothing to edit.
    for (int level = 0; level < kGrowthLevels; ++level)
      EnableWindow(GetDlgItem(form, kRowIds[s] + level), g_rows[static_cast<std::size_t>(s)].has_value());
  }
}

void Show(HWND form) {
  const int pilot = SelectedItem(form, IDC_FORM3_LIST1);
  g_shown.record = -1;
  if (pilot < 0) return;
  try {
    g_shown.values = ShowPilot(SharedBinPath, static_cast<std::uint32_t>(pilot), g_rows);
  } catch (const std::exception& failure) {
    SendDlgItemMessageW(form, IDC_FORM3_LIST1, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    ui::ShowFailure(form, failure);
    return;
  }
  g_shown.record = pilot;
  PutPilot(form);
}

void FocusEntry(HWND form, int id) {
  HWND control = GetDlgItem(form, id);
  SendMessageW(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  SendMessageW(control, EM_SETSEL, 0, -1);
}

int IdOf(const std::string& control) {
  if (auto it = Pilots().ids.find(control); it != Pilots().ids.end()) return it->second;
  for (int s = 0; s < kPilotSkills; ++s)
    if (auto it = GrowthRow(s).ids.find(control); it != GrowthRow(s).ids.end()) return it->second;
  return 0;
}

// The pilot and its shown growth rows are checked together and written
// together, or not at all.
void Write(HWND form) {
  if (g_shown.record < 0) return;
  ReadValues(form, Pilots(), g_shown.values);
  for (int s = 0; s < kPilotSkills; ++s) ReadValues(form, GrowthRow(s), g_shown.values);
  std::vector<FieldError> errors;
  try {
    errors = WritePilot(SharedBinPath, static_cast<std::uint32_t>(g_shown.record), g_rows, g_shown.values);
  } catch (const std::exception& failure) {
    ui::ShowFailure(form, failure);
    return;
  }
  if (!errors.empty()) {
    ui::ShowMessage(form, JoinMessages(errors) + L"\r\n没有写入任何数据。", MB_OK | MB_ICONWARNING);
    if (int id = IdOf(errors.front().control)) FocusEntry(form, id);
    return;
  }
  PutPilot(form);
}

// Skills of one pilot that share a growth row show one row: typing into one
// copy types into the other, so that writing them both keeps the entry.
void MirrorSharedRow(HWND form, int id) {
  static bool mirroring = false;
  if (mirroring) return;
  for (int s = 0; s < kPilotSkills; ++s) {
    if (id < kRowIds[s] || id >= kRowIds[s] + kGrowthLevels) continue;
    if (!g_rows[static_cast<std::size_t>(s)]) return;
    const std::wstring text = ui::GetText(form, id);
    mirroring = true;
    for (int other = 0; other < kPilotSkills; ++other)
      if (other != s && g_rows[static_cast<std::size_t>(other)] == g_rows[static_cast<std::size_t>(s)])
        ui::SetText(form, kRowIds[other] + (id - kRowIds[s]), text);
    mirroring = false;
    return;
  }
}

// "查看机师代码": the pilot code list, opened with the program the shell
// associates with text files. Nothing happens without the list; a shell that
// cannot open it says so instead of staying silent.
void ShowPilotCodes(HWND form) {
  const std::filesystem::path list = DataFilePath(ProgramFolder(), kPilot2Names.name);
  std::error_code error;
  if (!std::filesystem::exists(list, error)) return;
  if (OpenDocument(list.wstring()) <= 32)
    ui::ShowMessage(form, L"无法打开文件：" + list.wstring(), MB_OK | MB_ICONWARNING);
}

void Load(HWND form, const NameList& pilots) {
  g_shown = {};
  g_rows = {};
  for (int k = 0; k < 6; ++k) FillItems(form, IDC_FORM3_COMBO1_0 + k, SpiritCommandNames());
  FillItems(form, IDC_FORM3_COMBO2, SpiritCommandNames());
  for (int k = 0; k < kPilotSkills; ++k) FillItems(form, IDC_FORM3_COMBO7_0 + k, PilotSkillList());
  FillItems(form, IDC_FORM3_COMBO3, PilotAceBonusNames());
  FillItems(form, IDC_FORM3_LIST1, ItemsOf(pilots));
}

INT_PTR CALLBACK Form3Proc(HWND form, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_DESTROY) g_form3 = nullptr;
  if (g_window.closes(form, message, wParam, {IDC_FORM3_COMMAND3})) return TRUE;
  switch (message) {
    case WM_INITDIALOG:
      g_form3 = form;
      Load(form, g_names);
      g_names = {};
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_FORM3_LIST1:
          if (HIWORD(wParam) == LBN_SELCHANGE) Show(form);
          return TRUE;
        case IDC_FORM3_COMMAND1:
          ShowPilotCodes(form);
          return TRUE;
        case IDC_FORM3_COMMAND2:
          Write(form);
          return TRUE;
        default:
          if (HIWORD(wParam) == EN_CHANGE) MirrorSharedRow(form, LOWORD(wParam));
          break;
      }
      break;
  }
  return FALSE;
}

void OpenPilotEditor(HWND mainWindow) {
  // An open editor is only brought forward; a new one reads its list first.
  if (!g_form3 && !ReadNameLists(mainWindow, {{&kPilotNames, &g_names}})) return;
  g_window.open(IDD_FORM3, Form3Proc);
}

const EditorRegistration kRegistration{1, &OpenPilotEditor};

}  // namespace

}  // namespace vdk::editors
