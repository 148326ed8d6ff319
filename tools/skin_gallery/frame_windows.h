// Window procedures of the stand-in forms and frames: VB6 forms and MDI
// forms (ANSI, as the runtime makes them) and MFC main and MDI child frames.
// The frames page (frame_windows.cpp) opens one of each.
#pragma once

#include <windows.h>

namespace gallery::frames {

// "ThunderRT6FormDC", "ThunderFormDC": a form, or an MDI child form when
// created through an MDI client (WS_EX_MDICHILD).
LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "ThunderRT6MDIForm", "ThunderMDIForm": an MDI form around an "MDIClient".
LRESULT CALLBACK MdiFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "Afx:400000:8:..." main frames, with or without an MDI client.
LRESULT CALLBACK MfcFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "Afx:400000:b:..." MDI child frames holding a view.
LRESULT CALLBACK MfcChildFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace gallery::frames
