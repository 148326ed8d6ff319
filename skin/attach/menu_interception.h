// The one-shot owner-drawn menu interception.
//
// Menu items the skin made owner-drawn are measured and drawn through their
// owner window: the system sends it WM_MEASUREITEM and WM_DRAWITEM for them.
// While a popup menu window exists on the skinned thread, a hook on sent
// messages catches those two messages for menus and puts a one-shot
// procedure on the receiving window, which gives that one message to the
// menu renderer's handler and then puts the window's own procedure back.
// Without a popup menu no such hook is installed, so ordinary messages pay
// nothing for it.
#pragma once

#include <windows.h>

namespace tebix {

// Draws or measures the skin's owner-drawn items (and sees a popup's
// WM_INITMENUPOPUP, to convert it after its owner); passes everything else to
// `saved` (called with the A or W functions as `unicode` says).
using OwnerDrawnMenuHandler = LRESULT (*)(HWND window, UINT message, WPARAM wparam, LPARAM lparam, WNDPROC saved,
                                          bool unicode);
void SetOwnerDrawnMenuHandler(OwnerDrawnMenuHandler handler);

// Called by the creation hook for popup menu windows ("#32768").
void MenuWindowCreated(HWND window);
void MenuWindowDestroyed(HWND window);
// Engine stop: unhooks and puts back any procedure still swapped.
void StopMenuInterception();

// Whether the hook on sent messages is installed now.
bool MenuHookInstalled();

}  // namespace tebix
