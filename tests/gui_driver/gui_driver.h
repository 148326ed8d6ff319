// Drives the real vdkedit.exe from a test: starts it in a working folder,
// finds its windows, reads and sets controls, presses buttons, answers
// message boxes and Open dialogs. Everything goes through window messages
// to the other process, as a user's mouse and keyboard would.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vdk::gui {

// How long the wait functions wait by default.
inline constexpr int kDefaultTimeoutMs = 10000;
// How long a starting program may take to show its main window.
inline constexpr int kStartTimeoutMs = 30000;

// The folder of the running test program: vdkedit.exe and its data folder
// are built into the same folder.
std::filesystem::path BuildFolder();

// A vdkedit.exe started by a test. The destructor ends it if still running.
class Program {
 public:
  // Starts `exe` (default: vdkedit.exe beside the test) with `workFolder` as
  // its current folder and waits for the main window. Throws
  // std::runtime_error when the program does not start or shows no window.
  explicit Program(const std::filesystem::path& workFolder = {}, std::filesystem::path exe = {});
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD processId() const { return process_.dwProcessId; }
  HWND mainWindow() const { return mainWindow_; }
  bool running() const;
  // Waits for the process to end; returns false on timeout.
  bool waitForExit(int timeoutMs = kDefaultTimeoutMs) const;

  // Top-level visible window of this program whose caption equals `caption`.
  HWND waitForWindow(std::wstring_view caption, int timeoutMs = kDefaultTimeoutMs) const;
  // True while a visible window with that caption exists.
  bool hasWindow(std::wstring_view caption) const;

  // Presses "打开SHARED.BIN" / "打开VDKX_418.06" and picks the files in the
  // Open dialogs; waits until the main window shows the paths.
  void chooseGameFiles(const std::filesystem::path& sharedBin, const std::filesystem::path& exe) const;
  // Selects `listIndex` in the main window's list, presses "进入编辑" and
  // waits for the window with `caption`.
  HWND openEditor(int listIndex, std::wstring_view caption) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
};

// Any program started by a test, without waiting for a window. The
// destructor ends it if still running.
class Process {
 public:
  Process(const std::filesystem::path& exe, const std::filesystem::path& workFolder);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD processId() const { return process_.dwProcessId; }
  // The exit code, or nothing when the program is still running after the wait.
  std::optional<DWORD> waitForExit(int timeoutMs = kDefaultTimeoutMs) const;

 private:
  PROCESS_INFORMATION process_{};
};

// Caption of the main window.
inline constexpr wchar_t kMainCaption[] = L"铁卫VDK静态修改器V1.20";

// Waits until `condition` holds, pumping this thread's messages; false on
// timeout.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = kDefaultTimeoutMs) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(10);
  }
}

// Visible top-level windows of a process, optionally only of one class.
std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className = nullptr);

// --- Controls ---------------------------------------------------------------

std::wstring Text(HWND window);
std::wstring ClassName(HWND window);
HWND Control(HWND dialog, int id);  // throws std::runtime_error when missing
std::wstring ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, std::wstring_view text);
bool IsEnabled(HWND dialog, int id);

// List box and combo box items and selection.
std::vector<std::wstring> ListItems(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
int ListSelection(HWND list);
int ComboSelection(HWND combo);
// Selects an item and sends the owner the notification a user's click
// would (LBN_SELCHANGE / CBN_SELCHANGE).
void SelectListItem(HWND dialog, int id, int index);
void SelectComboItem(HWND dialog, int id, int index);

// Clicks a button (push, check or option) as the mouse would. Returns at
// once; what the click opens is found with the wait functions.
void Click(HWND dialog, int id);
// Posts a left click (button down, button up) at `point` of the window's
// client area, as the mouse would give it.
void ClickAt(HWND window, POINT point);
bool IsChecked(HWND dialog, int id);
// Sets a check box or option button to `checked` by clicking it if needed.
void SetChecked(HWND dialog, int id, bool checked);

// Selects tab `index` of a tab control and tells its owner (TCN_SELCHANGE).
void SelectTab(HWND dialog, int id, int index);

// Child windows of `parent` (all levels) of a class.
std::vector<HWND> Children(HWND parent, const wchar_t* className = nullptr);

// --- Message boxes and the Open dialog ---------------------------------------

struct MessageBoxInfo {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;
};

// The next message box shown by the process (a dialog with message text).
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, int timeoutMs = kDefaultTimeoutMs);
// Presses the box's button (IDOK, IDYES, ...) and waits until it is gone.
void Dismiss(const MessageBoxInfo& box, int button = IDOK);

// The Open dialog shown by the process, or null when none comes in time.
HWND WaitForOpenDialog(DWORD processId, int timeoutMs = kDefaultTimeoutMs);

// Waits for the Open dialog, enters `file` as the file name and presses
// "Open" (or "Cancel" when `file` is empty); waits until it is gone.
void AnswerOpenDialog(DWORD processId, const std::filesystem::path& file);

// --- Looking at the screen ----------------------------------------------------

// For a person checking what a test shows: with VDK_GUI_LOOK_MS set, waits
// that many milliseconds; with VDK_GUI_SHOTS set to a folder, saves the
// whole screen there as `name`.bmp once the program has painted. Does
// nothing otherwise.
void LookAt(std::string_view name = {});

// --- Test files ----------------------------------------------------------------

// A fresh empty folder under the temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// vdkedit.exe and its data folder copied into `folder` beside a stand-in
// skin library that attaches nothing; returns the copy of the program.
// Throws std::runtime_error when a piece is not built.
std::filesystem::path PrepareUnskinnedCopy(const std::filesystem::path& folder);

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& file);
void WriteFileBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes);

}  // namespace vdk::gui
