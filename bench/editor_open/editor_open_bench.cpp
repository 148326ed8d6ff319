// Opens the unit, pilot and weapon editors of the real program a few times
// each and prints how long it takes from pressing "进入编辑" until the first
// record is shown. The unit editor shows unit 0 as it opens; the pilot and
// weapon editors show nothing until a record is chosen, so their time runs
// on until the first name has been clicked and its record is shown.
//
//   editor_open_bench [rounds] [--hold SECONDS]
//
// --hold leaves each editor open that long after it is measured (to look at
// it or take a screenshot).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/gui_driver/gui_driver.h"
#include "tools/samples/sample_files.h"

namespace {

using namespace vdk::gui;
using Clock = std::chrono::steady_clock;

struct Editor {
  const char* name;
  int listIndex;
  const wchar_t* caption;
  int chooser;     // list box to click; 0: the record is shown as the editor opens
  int firstField;  // a text box that is filled once a record is shown
};

// Control ids of the main window and of the three editors.
constexpr int kForm1List1 = 1006, kForm1Command4 = 1007;
const Editor kEditors[] = {
    {"unit", 0, L"机体能力", 0, 2005},       // Form2 Text1 (HP)
    {"pilot", 1, L"机师能力", 3001, 3010},   // Form3 List1, Text2 (SP)
    {"weapon", 2, L"武器性能", 4001, 4010},  // Form4 List1, Text4 (attack)
};

HWND FindWindowOf(const Program& program, const wchar_t* caption) {
  for (HWND w : TopLevelWindows(program.processId()))
    if (Text(w) == caption) return w;
  return nullptr;
}

double Measure(const Program& program, const Editor& editor, int holdSeconds) {
  HWND main = program.mainWindow();
  SendMessageW(Control(main, kForm1List1), LB_SETCURSEL, static_cast<WPARAM>(editor.listIndex), 0);
  const Clock::time_point start = Clock::now();
  Click(main, kForm1Command4);
  HWND form = nullptr;
  if (!WaitUntil([&] { return (form = FindWindowOf(program, editor.caption)) != nullptr; }, 30000))
    throw std::runtime_error("the editor did not open");
  if (editor.chooser) {
    // The first name appears as soon as the list is filled; click it.
    if (!WaitUntil([&] { return SendMessageW(Control(form, editor.chooser), LB_GETCOUNT, 0, 0) > 0; }, 30000))
      throw std::runtime_error("the chooser stayed empty");
    SelectListItem(form, editor.chooser, 0);
  }
  if (!WaitUntil([&] { return !ControlText(form, editor.firstField).empty(); }, 30000))
    throw std::runtime_error("no record was shown");
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (holdSeconds > 0) Sleep(static_cast<DWORD>(holdSeconds) * 1000);
  PostMessageW(form, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !IsWindow(form); });
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = 5, hold = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--hold") == 0 && i + 1 < argc)
      hold = std::atoi(argv[++i]);
    else
      rounds = std::max(1, std::atoi(argv[i]));
  }
  try {
    TempFolder folder;
    vdk::samples::WrittenPaths files;
    std::string error;
    if (!vdk::samples::WriteSampleFiles(folder.path(), files, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    Program program(folder.path());
    program.chooseGameFiles(files.sharedBin, files.exe);
    std::printf("open to first record shown, ms, %d rounds\n", rounds);
    for (const Editor& editor : kEditors) {
      std::vector<double> times;
      for (int r = 0; r < rounds; ++r) times.push_back(Measure(program, editor, r == 0 ? hold : 0));
      std::sort(times.begin(), times.end());
      std::printf("%-6s (list %d)   min %7.1f  median %7.1f  max %7.1f\n", editor.name, editor.listIndex,
                  times.front(), times[times.size() / 2], times.back());
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "benchmark failed: %s\n", failure.what());
    return 1;
  }
  return 0;
}
