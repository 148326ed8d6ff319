// The library's replacements for the intercepted functions. Each has the exact
// signature of the function it replaces; the hook table points the patched
// entries at them.
#pragma once

#include <windows.h>

namespace tebix {

BOOL WINAPI SkinMoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);

BOOL WINAPI SkinTextOutA(HDC dc, int x, int y, LPCSTR text, int count);
BOOL WINAPI SkinTextOutW(HDC dc, int x, int y, LPCWSTR text, int count);
BOOL WINAPI SkinExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                            const INT* dx);
BOOL WINAPI SkinExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                            const INT* dx);
int WINAPI SkinDrawTextExA(HDC dc, LPSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);
int WINAPI SkinDrawTextExW(HDC dc, LPWSTR text, int count, LPRECT rect, UINT format, LPDRAWTEXTPARAMS params);

HDC WINAPI SkinBeginPaint(HWND window, PAINTSTRUCT* ps);
BOOL WINAPI SkinEndPaint(HWND window, const PAINTSTRUCT* ps);
HDC WINAPI SkinGetDC(HWND window);
HDC WINAPI SkinGetDCEx(HWND window, HRGN clip, DWORD flags);
HDC WINAPI SkinGetWindowDC(HWND window);
int WINAPI SkinReleaseDC(HWND window, HDC dc);

BOOL WINAPI SkinGetScrollInfo(HWND window, int bar, LPSCROLLINFO info);
int WINAPI SkinGetScrollPos(HWND window, int bar);
BOOL WINAPI SkinGetScrollRange(HWND window, int bar, LPINT min_pos, LPINT max_pos);
BOOL WINAPI SkinGetScrollBarInfo(HWND window, LONG object, PSCROLLBARINFO info);
int WINAPI SkinSetScrollInfo(HWND window, int bar, LPCSCROLLINFO info, BOOL redraw);
int WINAPI SkinSetScrollPos(HWND window, int bar, int pos, BOOL redraw);
BOOL WINAPI SkinSetScrollRange(HWND window, int bar, int min_pos, int max_pos, BOOL redraw);
BOOL WINAPI SkinEnableScrollBar(HWND window, UINT bar, UINT arrows);

}  // namespace tebix
