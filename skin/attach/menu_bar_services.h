// The menu bar of a skinned top-level window as the frame sees it.
//
// The frame reserves the bar's rows (skin metric 13 each), lays the bar out
// and reports it to the system as the private hit code 0x1234; drawing the
// bar, finding the item under the pointer and tracking its drop-downs belong
// to the menu renderer, which registers the services below at engine start.
// Until it does, the frame keeps a small bar of its own: the skin
// background, the item texts, and a click opening the item's drop-down.
#pragma once

#include <windows.h>

namespace tebix {

class SkinnedWindow;

// The frame object's menu-bar fields, shared with the menu renderer. The
// frame owns it; the services read and write it.
struct MenuBarState {
  HMENU menu = nullptr;          // the window's menu (none for a WS_CHILD window)
  RECT system_bar{};             // the system's bar rectangle (screen coordinates)
  int system_row_height = 0;     // SM_CYMENU
  int rows = 0;                  // rows the system laid the bar out in
  RECT bar{};                    // the skinned bar (window coordinates; empty: none)
  POINT origin{};                // the window's screen origin at the last layout
  bool hot = false;              // the pointer is over the bar
  int tracked_item = -1;         // -1 none, -2 the system menu is shown
  int hot_item = -1;             // the item drawn hot, -1 none
  int* frame_state = nullptr;    // the frame's caption-button state (9 while a bar item is open)
  bool active = true;            // the window is drawn active
  int left_border = 0;           // widths of the frame style's left and right border parts
  int right_border = 0;
  int bottom_border_top = 0;     // top of the frame's bottom border (window coordinates)
};

struct MenuBarServices {
  // Lays the bar out after the frame has set `menu`, `system_bar`,
  // `system_row_height`, `rows`, `bar` and `origin` (converts the items as
  // the renderer needs them).
  void (*layout)(HWND window, MenuBarState& bar) = nullptr;
  // Paints the bar into the window DC `dc` (null: the renderer takes one),
  // with `hot_item` drawn hot or open.
  void (*paint)(HWND window, MenuBarState& bar, HDC dc, int hot_item) = nullptr;
  // The item under the screen point, or -1.
  int (*hit_test)(HWND window, const MenuBarState& bar, POINT screen) = nullptr;
  // Tracking: WM_NCLBUTTONDOWN / WM_NCLBUTTONDBLCLK on the bar, WM_NCMOUSEMOVE
  // on the bar, WM_TIMER, WM_ENTERMENULOOP, WM_EXITMENULOOP,
  // WM_CAPTURECHANGED, WM_MENUSELECT. Returns true when it handled the
  // message and `result` is its result; false passes it on.
  bool (*message)(SkinnedWindow& self, MenuBarState& bar, UINT message, WPARAM wparam, LPARAM lparam,
                  LRESULT& result) = nullptr;
  // Stops tracking (timers killed, tracked item -1).
  void (*stop_tracking)(HWND window, MenuBarState& bar) = nullptr;
  // Gives the bar's converted items their own type back (the frame's undo).
  void (*undo)(HWND window, MenuBarState& bar) = nullptr;
};

void SetMenuBarServices(const MenuBarServices& services);
// The registered services; every pointer is null until they are registered.
const MenuBarServices& MenuBars();

}  // namespace tebix
