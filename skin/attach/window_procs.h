// A window's procedure read, replaced and called with the ANSI or the wide
// functions, as the caller says: a procedure is always put back and called
// with the functions it was taken with, so a wide window stays wide.
#pragma once

#include <windows.h>

namespace tebix {

inline WNDPROC CurrentProc(HWND window, bool unicode) {
  return reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                           : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Installs `proc`; returns the procedure that was in place.
inline WNDPROC SetProc(HWND window, bool unicode, WNDPROC proc) {
  const auto value = reinterpret_cast<LONG_PTR>(proc);
  return reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                           : SetWindowLongPtrA(window, GWLP_WNDPROC, value));
}

// Calls `proc`, or the default procedure when it is null.
inline LRESULT CallProc(WNDPROC proc, bool unicode, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (proc == nullptr) {
    return unicode ? DefWindowProcW(window, message, wparam, lparam)
                   : DefWindowProcA(window, message, wparam, lparam);
  }
  return unicode ? CallWindowProcW(proc, window, message, wparam, lparam)
                 : CallWindowProcA(proc, window, message, wparam, lparam);
}

}  // namespace tebix
