// Calls of the real system functions behind the intercepted entry points, for
// the replacements and for the library's own drawing: through the trampoline
// while the entry is patched, straight to the system otherwise.
#pragma once

#include <windows.h>

#include "skin/attach/interception.h"

namespace tebix::real {

template <HookedFunction F, typename Fn>
Fn As() {
  return reinterpret_cast<Fn>(RealFunction(F));
}

inline BOOL MoveWindow(HWND w, int x, int y, int cx, int cy, BOOL repaint) {
  return As<HookedFunction::kMoveWindow, decltype(&::MoveWindow)>()(w, x, y, cx, cy, repaint);
}
inline BOOL TextOutA(HDC dc, int x, int y, LPCSTR s, int n) {
  return As<HookedFunction::kTextOutA, decltype(&::TextOutA)>()(dc, x, y, s, n);
}
inline BOOL TextOutW(HDC dc, int x, int y, LPCWSTR s, int n) {
  return As<HookedFunction::kTextOutW, decltype(&::TextOutW)>()(dc, x, y, s, n);
}
inline BOOL ExtTextOutA(HDC dc, int x, int y, UINT o, const RECT* r, LPCSTR s, UINT n, const INT* dx) {
  return As<HookedFunction::kExtTextOutA, decltype(&::ExtTextOutA)>()(dc, x, y, o, r, s, n, dx);
}
inline BOOL ExtTextOutW(HDC dc, int x, int y, UINT o, const RECT* r, LPCWSTR s, UINT n, const INT* dx) {
  return As<HookedFunction::kExtTextOutW, decltype(&::ExtTextOutW)>()(dc, x, y, o, r, s, n, dx);
}
inline int DrawTextExA(HDC dc, LPSTR s, int n, LPRECT r, UINT f, LPDRAWTEXTPARAMS p) {
  return As<HookedFunction::kDrawTextExA, decltype(&::DrawTextExA)>()(dc, s, n, r, f, p);
}
inline int DrawTextExW(HDC dc, LPWSTR s, int n, LPRECT r, UINT f, LPDRAWTEXTPARAMS p) {
  return As<HookedFunction::kDrawTextExW, decltype(&::DrawTextExW)>()(dc, s, n, r, f, p);
}
inline HDC BeginPaint(HWND w, PAINTSTRUCT* ps) {
  return As<HookedFunction::kBeginPaint, decltype(&::BeginPaint)>()(w, ps);
}
inline BOOL EndPaint(HWND w, const PAINTSTRUCT* ps) {
  return As<HookedFunction::kEndPaint, decltype(&::EndPaint)>()(w, ps);
}
inline HDC GetDC(HWND w) {
  return As<HookedFunction::kGetDC, decltype(&::GetDC)>()(w);
}
inline HDC GetDCEx(HWND w, HRGN clip, DWORD flags) {
  return As<HookedFunction::kGetDCEx, decltype(&::GetDCEx)>()(w, clip, flags);
}
inline HDC GetWindowDC(HWND w) {
  return As<HookedFunction::kGetWindowDC, decltype(&::GetWindowDC)>()(w);
}
inline int ReleaseDC(HWND w, HDC dc) {
  return As<HookedFunction::kReleaseDC, decltype(&::ReleaseDC)>()(w, dc);
}
inline BOOL GetScrollInfo(HWND w, int bar, LPSCROLLINFO si) {
  return As<HookedFunction::kGetScrollInfo, decltype(&::GetScrollInfo)>()(w, bar, si);
}
inline int GetScrollPos(HWND w, int bar) {
  return As<HookedFunction::kGetScrollPos, decltype(&::GetScrollPos)>()(w, bar);
}
inline BOOL GetScrollRange(HWND w, int bar, LPINT lo, LPINT hi) {
  return As<HookedFunction::kGetScrollRange, decltype(&::GetScrollRange)>()(w, bar, lo, hi);
}
inline BOOL GetScrollBarInfo(HWND w, LONG object, PSCROLLBARINFO info) {
  return As<HookedFunction::kGetScrollBarInfo, decltype(&::GetScrollBarInfo)>()(w, object, info);
}
inline int SetScrollInfo(HWND w, int bar, LPCSCROLLINFO si, BOOL redraw) {
  return As<HookedFunction::kSetScrollInfo, decltype(&::SetScrollInfo)>()(w, bar, si, redraw);
}
inline int SetScrollPos(HWND w, int bar, int pos, BOOL redraw) {
  return As<HookedFunction::kSetScrollPos, decltype(&::SetScrollPos)>()(w, bar, pos, redraw);
}
inline BOOL SetScrollRange(HWND w, int bar, int lo, int hi, BOOL redraw) {
  return As<HookedFunction::kSetScrollRange, decltype(&::SetScrollRange)>()(w, bar, lo, hi, redraw);
}
inline BOOL EnableScrollBar(HWND w, UINT bar, UINT arrows) {
  return As<HookedFunction::kEnableScrollBar, decltype(&::EnableScrollBar)>()(w, bar, arrows);
}

}  // namespace tebix::real
