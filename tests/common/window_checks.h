// What the skin tests look at on a window, as any host could.
#pragma once

#include <windows.h>

namespace tebix::test {

inline bool HasProperty(HWND window, const char* name) {
  return GetPropA(window, name) != nullptr;
}

// The window's procedure, read with the functions of its own kind.
inline WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                                           : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Handles every queued message of this thread.
inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace tebix::test
