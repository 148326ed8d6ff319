#include "editor/shell.h"

#include <shellapi.h>

#include <vector>

namespace vdk {

std::filesystem::path ProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), n)).parent_path();
    buffer.resize(buffer.size() * 2);
  }
}

INT_PTR OpenDocument(const std::wstring& target) {
  // The target travels as 8-bit text in the system's code page.
  const int n = WideCharToMultiByte(CP_ACP, 0, target.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, target.c_str(), -1, ansi.data(), n, nullptr, nullptr);
  return reinterpret_cast<INT_PTR>(
      ShellExecuteA(GetDesktopWindow(), "Open", ansi.c_str(), "", "C:\\", SW_SHOWNORMAL));
}

void RunCommandLine(const std::wstring& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  std::wstring mutableLine = commandLine;
  if (CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace vdk
