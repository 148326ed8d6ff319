// The main window (Form1): the two game-file choices, the list of record
// editors, and the help, disc-image tool, about and exit commands.
#pragma once

#include <windows.h>

namespace vdk {

HWND ShowMainWindow();
// The main window while it exists (editors re-enable it and set its caption).
HWND MainWindow();

// Open-dialog filters: the description, then the exact file name.
inline constexpr wchar_t kSharedBinFilter[] = L"SHARED.BIN(SHARED.BIN) \0SHARED.BIN\0";
inline constexpr wchar_t kExecutableFilter[] = L"VDKX_418.06(VDKX_418.06) \0VDKX_418.06\0";

inline constexpr const wchar_t* kOpenSharedBinFirst = L"请先打开SHARED.BIN文件再进入修改";
inline constexpr const wchar_t* kOpenExecutableFirst = L"请先打开VDKX_418.06文件再进入修改";

}  // namespace vdk
