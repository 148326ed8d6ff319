#include "tests/gui_driver/gui_driver.h"

#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vdk::gui {

namespace {

// How long another process's window may take to answer: first use of a
// fresh Wine prefix on a busy machine can keep a window busy for seconds.
constexpr UINT kAnswerTimeoutMs = 20000;

// Messages to another process's window: never wait forever on a hung one.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs, &result))
    throw std::runtime_error("a window did not answer message " + std::to_string(message));
  return static_cast<LRESULT>(result);
}

std::string Narrow(std::wstring_view text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

struct EnumState {
  DWORD processId;
  const wchar_t* className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto& state = *reinterpret_cast<EnumState*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != state.processId || !IsWindowVisible(window)) return TRUE;
  if (state.className && ClassName(window) != state.className) return TRUE;
  state.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  auto& state = *reinterpret_cast<EnumState*>(param);
  if (!state.className || ClassName(window) == state.className) state.found.push_back(window);
  return TRUE;
}

bool IsMessageBox(HWND dialog) {
  // The message text is a static control with id 0xFFFF; the Open dialog
  // and the program's own forms have none.
  HWND text = GetDlgItem(dialog, 0xFFFF);
  return text && ClassName(text) == L"Static";
}

// The item texts of a list or combo box, through its count, length and
// text messages.
std::vector<std::wstring> Items(HWND box, UINT countMessage, UINT lengthMessage, UINT textMessage) {
  std::vector<std::wstring> items;
  const auto count = Send(box, countMessage);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = Send(box, lengthMessage, static_cast<WPARAM>(i));
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    Send(box, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    items.push_back(item);
  }
  return items;
}

HWND FindOpenDialog(DWORD processId) {
  for (HWND dialog : TopLevelWindows(processId, L"#32770")) {
    if (GetDlgItem(dialog, 0x47C) || GetDlgItem(dialog, 0x480)) return dialog;  // cmb13 / edt1
  }
  return nullptr;
}

}  // namespace

std::filesystem::path BuildFolder() {
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return std::filesystem::path(std::wstring(path, length)).parent_path();
}

// --- Program -------------------------------------------------------------------

namespace {

PROCESS_INFORMATION Launch(const std::filesystem::path& exe, const std::filesystem::path& workFolder) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  // The program's standard handles go to NUL: a program (or a helper process
  // it starts) that outlives its test must not hold the test runner's output
  // pipe open.
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                           OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (nul != INVALID_HANDLE_VALUE) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
  }
  const std::wstring folder = workFolder.empty() ? exe.parent_path().wstring() : workFolder.wstring();
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, nul != INVALID_HANDLE_VALUE,
                                      0, nullptr, folder.c_str(), &startup, &process);
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (!started) throw std::runtime_error("cannot start " + Narrow(exe.wstring()));
  return process;
}

}  // namespace

Process::Process(const std::filesystem::path& exe, const std::filesystem::path& workFolder)
    : process_(Launch(exe, workFolder)) {}

Process::~Process() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::optional<DWORD> Process::waitForExit(int timeoutMs) const {
  if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

Program::Program(const std::filesystem::path& workFolder, std::filesystem::path exe) {
  if (exe.empty()) exe = BuildFolder() / L"vdkedit.exe";
  process_ = Launch(exe, workFolder);
  // A cold start on a busy machine can take many seconds under Wine.
  mainWindow_ = waitForWindow(kMainCaption, kStartTimeoutMs);
  if (!mainWindow_) {
    TerminateProcess(process_.hProcess, 1);
    throw std::runtime_error("the main window did not appear");
  }
}

Program::~Program() {
  if (!process_.hProcess) return;
  if (running()) {
    // Close every window politely first, then make sure.
    if (mainWindow_ && IsWindow(mainWindow_)) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 2000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Program::running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

bool Program::waitForExit(int timeoutMs) const {
  return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

HWND Program::waitForWindow(std::wstring_view caption, int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(processId()))
          if (Text(window) == caption) {
            found = window;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

bool Program::hasWindow(std::wstring_view caption) const {
  for (HWND window : TopLevelWindows(processId()))
    if (Text(window) == caption) return true;
  return false;
}

void Program::chooseGameFiles(const std::filesystem::path& sharedBin, const std::filesystem::path& exe) const {
  constexpr int kCommand2 = 1002, kText2 = 1001, kCommand3 = 1004, kText3 = 1003;
  Click(mainWindow_, kCommand2);
  AnswerOpenDialog(processId(), sharedBin);
  if (!WaitUntil([&] { return !ControlText(mainWindow_, kText2).empty(); }))
    throw std::runtime_error("SHARED.BIN was not taken");
  Click(mainWindow_, kCommand3);
  AnswerOpenDialog(processId(), exe);
  if (!WaitUntil([&] { return !ControlText(mainWindow_, kText3).empty(); }))
    throw std::runtime_error("VDKX_418.06 was not taken");
}

HWND Program::openEditor(int listIndex, std::wstring_view caption) const {
  constexpr int kList1 = 1006, kCommand4 = 1007;
  Send(Control(mainWindow_, kList1), LB_SETCURSEL, static_cast<WPARAM>(listIndex), 0);
  Click(mainWindow_, kCommand4);
  return waitForWindow(caption);
}

std::vector<HWND> TopLevelWindows(DWORD processId, const wchar_t* className) {
  EnumState state{processId, className, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

// --- Controls --------------------------------------------------------------------

std::wstring Text(HWND window) {
  const auto length = Send(window, WM_GETTEXTLENGTH);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256];
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

HWND Control(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) throw std::runtime_error("no control with id " + std::to_string(id));
  return control;
}

std::wstring ControlText(HWND dialog, int id) { return Text(Control(dialog, id)); }

void SetControlText(HWND dialog, int id, std::wstring_view text) {
  const std::wstring copy(text);
  Send(Control(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(Control(dialog, id)) != FALSE; }

std::vector<std::wstring> ListItems(HWND list) { return Items(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }

std::vector<std::wstring> ComboItems(HWND combo) {
  return Items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ListSelection(HWND list) { return static_cast<int>(Send(list, LB_GETCURSEL)); }
int ComboSelection(HWND combo) { return static_cast<int>(Send(combo, CB_GETCURSEL)); }

void SelectListItem(HWND dialog, int id, int index) {
  HWND list = Control(dialog, id);
  Send(list, LB_SETCURSEL, static_cast<WPARAM>(index));
  Send(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SelectComboItem(HWND dialog, int id, int index) {
  HWND combo = Control(dialog, id);
  Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
  Send(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Click(HWND dialog, int id) { PostMessageW(Control(dialog, id), BM_CLICK, 0, 0); }

void ClickAt(HWND window, POINT point) {
  const LPARAM at = MAKELPARAM(point.x, point.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
}

bool IsChecked(HWND dialog, int id) { return Send(Control(dialog, id), BM_GETCHECK) == BST_CHECKED; }

void SetChecked(HWND dialog, int id, bool checked) {
  if (IsChecked(dialog, id) == checked) return;
  // A click posted to the button is handled after this returns: wait for it.
  Click(dialog, id);
  if (!WaitUntil([&] { return IsChecked(dialog, id) == checked; }))
    throw std::runtime_error("check box " + std::to_string(id) + " did not change");
}

void SelectTab(HWND dialog, int id, int index) {
  HWND tab = Control(dialog, id);
  // The notification carries a pointer that must live in the dialog's
  // process, so the tab control is asked to send it itself through a click
  // on the tab's rectangle.
  RECT rect{};
  DWORD pid = 0;
  GetWindowThreadProcessId(tab, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) throw std::runtime_error("cannot reach the tab control's process");
  void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
  Send(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
  SIZE_T read = 0;
  ReadProcessMemory(process, remote, &rect, sizeof rect, &read);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(tab, WM_LBUTTONUP, 0, point);
}

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
  EnumState state{0, className, {}};
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

// --- Message boxes and the Open dialog --------------------------------------------

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, int timeoutMs) {
  std::optional<MessageBoxInfo> box;
  WaitUntil(
      [&] {
        for (HWND dialog : TopLevelWindows(processId, L"#32770"))
          if (IsMessageBox(dialog)) {
            box = MessageBoxInfo{dialog, Text(dialog), Text(GetDlgItem(dialog, 0xFFFF))};
            return true;
          }
        return false;
      },
      timeoutMs);
  return box;
}

void Dismiss(const MessageBoxInfo& box, int button) {
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  if (!WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }))
    throw std::runtime_error("the message box stayed open");
}

HWND WaitForOpenDialog(DWORD processId, int timeoutMs) {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindOpenDialog(processId)) != nullptr; }, timeoutMs);
  return dialog;
}

void AnswerOpenDialog(DWORD processId, const std::filesystem::path& file) {
  HWND dialog = WaitForOpenDialog(processId);
  if (dialog == nullptr) throw std::runtime_error("the Open dialog did not appear");
  if (file.empty()) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  } else {
    const int nameId = GetDlgItem(dialog, 0x47C) ? 0x47C : 0x480;
    SetControlText(dialog, nameId, file.wstring());
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  if (!WaitUntil([&] { return !IsWindow(dialog); })) throw std::runtime_error("the Open dialog stayed open");
}

// --- Looking at the screen -------------------------------------------------------

namespace {

// The screen as a bottom-up 24-bit BMP file.
void SaveScreen(const std::filesystem::path& file) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u, size = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER head{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
                        sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&head), sizeof head);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace

void LookAt(std::string_view name) {
  if (const char* ms = std::getenv("VDK_GUI_LOOK_MS")) Sleep(static_cast<DWORD>(std::atoi(ms)));
  const char* folder = std::getenv("VDK_GUI_SHOTS");
  if (folder == nullptr || name.empty()) return;
  Sleep(400);  // the program's paints
  SaveScreen(std::filesystem::path(folder) / (std::string(name) + ".bmp"));
}

// --- Test files ----------------------------------------------------------------------

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("vdk-gui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path PrepareUnskinnedCopy(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  const fs::path bin = BuildFolder();
  const fs::path standIn = bin / L"spy_skin" / L"Tebix_VB6.dll";
  for (const fs::path& needed : {bin / L"vdkedit.exe", standIn, bin / L"data"})
    if (!fs::exists(needed)) throw std::runtime_error("missing " + needed.string() + " (build it first)");
  fs::copy_file(bin / L"vdkedit.exe", folder / L"vdkedit.exe");
  fs::copy_file(standIn, folder / L"Tebix_VB6.dll");
  fs::copy(bin / L"data", folder / L"data", fs::copy_options::recursive);
  return folder / L"vdkedit.exe";
}

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + Narrow(file.wstring()));
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Narrow(file.wstring()));
}

}  // namespace vdk::gui
