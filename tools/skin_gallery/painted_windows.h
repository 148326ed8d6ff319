// Window procedures of the stand-ins that paint themselves (stand_ins.h):
// grids, data lists and combos, picture boxes, the tabbed dialog control and
// windows that show a line of text (MFC control bars and views, the plain
// class). Forms and frames are in frame_windows.h. The controls also draw
// themselves into the DC of WM_PRINTCLIENT.
#pragma once

#include <windows.h>

namespace gallery::painted {

// Grids: a header row and column in one colour, white cells with lines and
// text, the rest of the window button face. Clicking selects a cell, drawn
// at once through GetDC. "DataGridWndClass" also draws its current-cell
// marker through GetDC after every paint. With WS_HSCROLL/WS_VSCROLL the
// grid scrolls by columns and rows.
LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A data list: rows of text on button face, the selected row highlighted;
// with WS_VSCROLL it scrolls by rows.
LRESULT CALLBACK DataListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A data combo: the current item on white and an 18-pixel drop button at
// the right; clicking the button steps to the next item.
LRESULT CALLBACK DataComboProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The tabbed dialog control: a row of tabs over a raised body; clicking a
// tab selects it.
LRESULT CALLBACK TabbedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// VB6 picture boxes (ANSI): shapes and black text on button face.
// "ThunderPictureBoxDC" draws a stroke over its picture through GetDC after
// every paint, as a program drawing outside its Paint event would.
LRESULT CALLBACK PictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A window that shows its window text on its class background, used for the
// MFC control bar, view and caption-less window and for the plain class.
LRESULT CALLBACK NoteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace gallery::painted
