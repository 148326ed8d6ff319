// What the skin costs the real program: start-up and the opening of its
// record editors, skinned against unskinned, in one run.
//
// Skinned is vdkedit.exe as built, beside Tebix_VB6.dll. Unskinned is a
// copy of vdkedit.exe in a folder of its own with the data folder and a
// stand-in Tebix_VB6.dll that takes the skin and does nothing with it (the
// program always loads the library from its own folder). Both run at the
// same time on the same game files, and the measurements alternate between
// them (who goes first changes every round), so that a slower moment of
// the machine falls on both alike.
//
// Start-up: from starting the process until its main window is shown and
// painted (nothing of it or its controls left to paint).
// Opening an editor: from pressing "进入编辑" until the first record is
// shown. The unit editor shows unit 0 as it opens; the others show nothing
// until a record is chosen, so their time runs on until the first item of
// the chooser (a list or a combo box) has been picked and its record shown.
//
//   editor_open_bench [rounds (default 15)] [--hold SECONDS] [--only NAME]
//
// --only measures only the rows named, separated by commas ("start-up", or
// an editor's name as the table prints it), for looking at a window with a
// tracer or profiler.
// --hold leaves each editor of the skinned program open that long after it
// is first measured (to look at it or take a screenshot). Under Wine, run
// it with bench/run_under_wine.sh (see there why).
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/editors/ace_bonus_editor_ids.h"
#include "editor/editors/ammo_material_editor_ids.h"
#include "editor/editors/combination_attack_editor_ids.h"
#include "editor/editors/enhancement_part_editor_ids.h"
#include "editor/editors/full_upgrade_bonus_editor_ids.h"
#include "editor/editors/pilot_editor_ids.h"
#include "editor/editors/skill_effect_editor_ids.h"
#include "editor/editors/skill_training_editor_ids.h"
#include "editor/editors/unit_editor_ids.h"
#include "editor/editors/upgrade_cost_editor_ids.h"
#include "editor/editors/weapon_editor_ids.h"
#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace {

using namespace vdk::gui;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

enum class Chooser { kNone, kList, kCombo };

struct Editor {
  const char* name;
  int listIndex;
  const wchar_t* caption;
  Chooser chooser;  // how a record is picked; kNone: shown as the editor opens
  int chooserId;
  int firstField;  // a text box that is filled once a record is shown
};

// Control ids of the main window and of the editors, in list order.
constexpr int kForm1List1 = 1006, kForm1Command4 = 1007;
const Editor kEditors[] = {
    {"unit", 0, L"机体能力", Chooser::kNone, 0, IDC_FORM2_TEXT1},                  // HP
    {"pilot", 1, L"机师能力", Chooser::kList, IDC_FORM3_LIST1, IDC_FORM3_TEXT2},   // SP
    {"weapon", 2, L"武器性能", Chooser::kList, IDC_FORM4_LIST1, IDC_FORM4_TEXT4},  // attack
    {"combination", 3, L"合体技", Chooser::kList, IDC_FORM5_LIST1, IDC_FORM5_TEXT1},
    {"part", 4, L"芯片性能", Chooser::kList, IDC_FORM6_LIST1, IDC_FORM6_TEXT1},
    {"ammo", 5, L"特殊弹素材", Chooser::kList, IDC_FORM7_LIST1, IDC_FORM7_TEXT1},
    {"ace", 6, L"ACE奖励", Chooser::kCombo, IDC_FORM14_COMBO1, IDC_FORM14_TEXT1},
    {"upgrade", 7, L"机体改满奖励", Chooser::kList, IDC_FORM8_LIST1, IDC_FORM8_TEXT1},
    {"training", 8, L"机师技能养成", Chooser::kList, IDC_FORM9_LIST1, IDC_FORM9_TEXT2},
    {"cost", 9, L"改造费用", Chooser::kCombo, IDC_FORM10_COMBO1, IDC_FORM10_TEXT1_0},
    {"effect", 10, L"机体机师技能效果", Chooser::kCombo, IDC_FORM11_COMBO1, IDC_FORM11_TEXT1},
};

// As WaitUntil, but looks every millisecond: the driver's wait looks
// every 10 ms, which is much of an editor that opens in 30.
template <typename Condition>
bool Poll(Condition condition, int timeoutMs = 30000) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(1);
  }
}

HWND FindWindowOf(DWORD processId, const wchar_t* caption) {
  for (HWND w : TopLevelWindows(processId))
    if (Text(w) == caption) return w;
  return nullptr;
}

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Waits until the program has finished what closing an editor left it to
// do, so that none of it runs into the next measurement.
void Settle(const Program& program) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(program.mainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
  if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, program.processId())) {
    WaitForInputIdle(process, 10000);
    CloseHandle(process);
  }
}

double MeasureOpen(const Program& program, const Editor& editor, int holdSeconds) {
  HWND main = program.mainWindow();
  SendMessageW(Control(main, kForm1List1), LB_SETCURSEL, static_cast<WPARAM>(editor.listIndex), 0);
  const Clock::time_point start = Clock::now();
  Click(main, kForm1Command4);
  HWND form = nullptr;
  if (!Poll([&] { return (form = FindWindowOf(program.processId(), editor.caption)) != nullptr; }))
    throw std::runtime_error(std::string("the ") + editor.name + " editor did not open");
  if (editor.chooser != Chooser::kNone) {
    // The first item appears as soon as the chooser is filled; pick it.
    const bool list = editor.chooser == Chooser::kList;
    const UINT count = list ? LB_GETCOUNT : CB_GETCOUNT;
    if (!Poll([&] { return SendMessageW(Control(form, editor.chooserId), count, 0, 0) > 0; }))
      throw std::runtime_error(std::string("the chooser of the ") + editor.name + " editor stayed empty");
    if (!ControlText(form, editor.firstField).empty())
      throw std::runtime_error(std::string("the ") + editor.name +
                               " editor shows a record before one is chosen");
    if (list)
      SelectListItem(form, editor.chooserId, 0);
    else
      SelectComboItem(form, editor.chooserId, 0);
  }
  if (!Poll([&] { return !ControlText(form, editor.firstField).empty(); }))
    throw std::runtime_error(std::string("the ") + editor.name + " editor showed no record");
  const double ms = Ms(Clock::now() - start);
  if (holdSeconds > 0) Sleep(static_cast<DWORD>(holdSeconds) * 1000);
  PostMessageW(form, WM_CLOSE, 0, 0);
  if (!WaitUntil([&] { return !IsWindow(form); }))
    throw std::runtime_error(std::string("the ") + editor.name + " editor did not close");
  Settle(program);
  return ms;
}

BOOL CALLBACK CheckPainted(HWND child, LPARAM unpainted) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
  }
  return TRUE;
}

// Whether the window is shown and neither it nor a child of it has anything
// left to paint.
bool Painted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  EnumChildWindows(window, &CheckPainted, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

// From starting the program until its main window is shown and painted,
// with every control on it; then the program is closed again.
double MeasureStart(const fs::path& exe, const fs::path& workFolder) {
  const Clock::time_point start = Clock::now();
  Process process(exe, workFolder);
  HWND main = nullptr;
  if (!Poll([&] { return (main = FindWindowOf(process.processId(), kMainCaption)) != nullptr && Painted(main); }))
    throw std::runtime_error("the main window did not appear");
  const double ms = Ms(Clock::now() - start);
  PostMessageW(main, WM_CLOSE, 0, 0);
  if (!process.waitForExit()) throw std::runtime_error("the program did not end when its main window closed");
  return ms;
}

// Where the process loaded Tebix_VB6.dll from (empty: not loaded).
fs::path SkinLibraryOf(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  fs::path found;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
    if (lstrcmpiW(module.szModule, L"Tebix_VB6.dll") == 0) found = module.szExePath;
  CloseHandle(snapshot);
  return found;
}

// Makes sure each program has the library it is meant to have.
void CheckLibrary(const Program& program, const fs::path& expected) {
  const fs::path loaded = SkinLibraryOf(program.processId());
  std::error_code failed;
  if (loaded.empty() || !fs::equivalent(loaded, expected, failed))
    throw std::runtime_error("the program runs with " +
                             (loaded.empty() ? std::string("no skin library") : loaded.string()) + ", not " +
                             expected.string());
}

struct Summary {
  double min, median, max;
};

Summary Summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return {v.front(), n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2, v.back()};
}

// The aims: every editor's first record within 150 ms skinned and at most
// 1.2 times the unskinned time; start-up within 400 ms.
constexpr double kEditorLimitMs = 150, kStartLimitMs = 400, kRatioLimit = 1.2;

// One row; returns whether it meets its aim (printed as the last column).
bool PrintRow(const std::string& label, const std::vector<double>& skinned, const std::vector<double>& unskinned,
              double limitMs, bool ratioCounts) {
  const Summary s = Summarise(skinned), u = Summarise(unskinned);
  const double ratio = s.median / u.median;
  const bool met = s.median < limitMs && (!ratioCounts || ratio <= kRatioLimit);
  std::printf("%-20s %8.1f %8.1f %8.1f   %8.1f %8.1f %8.1f   %6.2f   %s\n", label.c_str(), s.min, s.median, s.max,
              u.min, u.median, u.max, ratio, met ? "met" : "MISSED");
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 15, hold = 0;
  const char* only = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--hold") == 0 && i + 1 < argc)
      hold = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
      only = argv[++i];
    else
      rounds = std::max(1, std::atoi(argv[i]));
  }
  try {
    // The stand-in writes a log only when asked to; it must not be here.
    SetEnvironmentVariableW(L"VDK_SPY_LOG", nullptr);
    TempFolder gameFolder, copyFolder;
    vdk::samples::WrittenPaths files;
    std::string error;
    if (!vdk::samples::WriteSampleFiles(gameFolder.path(), files, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    const fs::path skinnedExe = BuildFolder() / L"vdkedit.exe";
    const fs::path unskinnedExe = PrepareUnskinnedCopy(copyFolder.path());

    // Start-up, after one unmeasured start of each; who goes first changes
    // every round.
    const auto wanted = [only](const char* name) {
      if (only == nullptr) return true;
      const std::string list = std::string(",") + only + ",";
      return list.find(std::string(",") + name + ",") != std::string::npos;
    };
    const fs::path exes[2] = {skinnedExe, unskinnedExe};
    if (wanted("start-up")) {
      for (const fs::path& exe : exes) MeasureStart(exe, gameFolder.path());
    }
    std::vector<double> startTimes[2];
    for (int r = 0; r < rounds && wanted("start-up"); ++r) {
      for (int turn = 0; turn < 2; ++turn) {
        const int which = (turn + r) % 2;
        startTimes[which].push_back(MeasureStart(exes[which], gameFolder.path()));
      }
    }

    // The editors, with both programs running. The first opening of each
    // editor counts as a round like the others.
    Program skinned(gameFolder.path(), skinnedExe), unskinned(gameFolder.path(), unskinnedExe);
    skinned.chooseGameFiles(files.sharedBin, files.exe);
    unskinned.chooseGameFiles(files.sharedBin, files.exe);
    CheckLibrary(skinned, skinnedExe.parent_path() / L"Tebix_VB6.dll");
    CheckLibrary(unskinned, unskinnedExe.parent_path() / L"Tebix_VB6.dll");

    std::printf(
        "vdkedit.exe skinned (beside Tebix_VB6.dll) against unskinned (a copy beside a stand-in), %d "
        "rounds\n",
        rounds);
    std::printf("(checked: each loaded the Tebix_VB6.dll of its own folder)\n\n");
    std::printf("%-20s %26s   %26s   %6s   %s\n", "ms", "skinned: min median max", "unskinned: min median max",
                "ratio", "aim");
    int missed = 0;
    if (wanted("start-up") && !PrintRow("start-up", startTimes[0], startTimes[1], kStartLimitMs, false)) ++missed;
    std::fflush(stdout);
    for (const Editor& editor : kEditors) {
      if (!wanted(editor.name)) continue;
      std::vector<double> times[2];
      for (int r = 0; r < rounds; ++r) {
        // Who goes first changes every round.
        for (int turn = 0; turn < 2; ++turn) {
          const int which = (turn + r) % 2;
          times[which].push_back(
              MeasureOpen(which == 0 ? skinned : unskinned, editor, which == 0 && r == 0 ? hold : 0));
        }
      }
      const std::string label = std::string(editor.name) + " (list " + std::to_string(editor.listIndex) + ")";
      if (!PrintRow(label, times[0], times[1], kEditorLimitMs, true)) ++missed;
      std::fflush(stdout);
    }
    std::printf("ratio: skinned median / unskinned median\n");
    std::printf("aim: start-up under %.0f ms skinned; each editor under %.0f ms skinned and at most %.1f x unskinned: "
                "%d row(s) missed\n",
                kStartLimitMs, kEditorLimitMs, kRatioLimit, missed);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "benchmark failed: %s\n", failure.what());
    return 1;
  }
  return 0;
}
