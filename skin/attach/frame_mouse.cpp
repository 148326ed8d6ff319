// The frame under the mouse: hit test, caption-button states and clicks,
// moving and sizing, the system menu and the sizing cursors.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/attach/frame.h"
#include "skin/attach/scroll_bar_services.h"

namespace tebix {
namespace {

constexpr UINT kPopupSystemMenu = 0x313;

bool HasScrollBars(const FrameWindow& f) {
  return (f.last_style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

// The point of a non-client mouse message relative to the window.
POINT WindowPoint(const FrameWindow& f, LPARAM lparam) {
  RECT wr{};
  GetWindowRect(f.window(), &wr);
  return {GET_X_LPARAM(lparam) - wr.left, GET_Y_LPARAM(lparam) - wr.top};
}

void SetButtonState(FrameWindow& f, int state) {
  if (state == f.button_state) return;
  f.button_state = state;
  RedrawCaption(f);
}

// Hover needs to end when the pointer leaves the window.
void TrackLeave(FrameWindow& f) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, f.window(), 0};
  TrackMouseEvent(&track);
}

bool IsSizingCode(int code) {
  return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

// A tool-frame window whose own procedure moves and sizes it.
bool PressGoesToPrevious(const FrameWindow& f) {
  if (f.choice != frame::Choice::kTool) return false;
  return f.type == FrameType::kMdiChildForm || f.type == FrameType::kMfcMain;
}

}  // namespace

LRESULT ScrollMessage(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam, bool pass_on) {
  if (ScrollBars().message != nullptr) return ScrollBars().message(f, f.scroll, message, wparam, lparam, true);
  return pass_on ? f.CallPrevious(message, wparam, lparam) : 0;
}

LRESULT OnNcHitTest(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  if (f.layout.strip.empty() && f.layout.client.empty() && f.layout.menu_bar.empty()) LayOutFrame(f);
  const POINT p = WindowPoint(f, lparam);
  const int code = frame::HitTest(f.layout, f.last_style, p.x, p.y);
  if (code == frame::hit::kMenuBar) {
    f.menu_bar.hot = true;
    return code;
  }
  if (f.menu_bar.hot) MenuBarLeave(f);
  if (code != frame::hit::kNowhere) return code;
  const LRESULT result = HasScrollBars(f) ? ScrollMessage(f, WM_NCHITTEST, wparam, lparam, true)
                                          : f.CallPrevious(WM_NCHITTEST, wparam, lparam);
  if (result == HTMENU || result == HTHSCROLL || result == HTVSCROLL) return HTNOWHERE;
  return result;
}

LRESULT OnNcMouseMove(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const frame::Button button = frame::ButtonOfHit(static_cast<int>(wparam));
  if (button != frame::Button::kNone) {
    const int state = f.button_state == frame::PressedState(button) ? f.button_state : frame::HoverState(button);
    if (state != f.button_state) {
      SetButtonState(f, state);
      TrackLeave(f);  // once per button entered, not per move
    }
  } else if (wparam == static_cast<WPARAM>(frame::hit::kMenuBar)) {
    MenuBarHover(f, lparam);
  } else if (f.button_state != frame::kMenuOpenState) {
    SetButtonState(f, 0);
  }
  return HasScrollBars(f) ? ScrollMessage(f, WM_NCMOUSEMOVE, wparam, lparam, true) : 0;
}

LRESULT OnNcMouseLeave(FrameWindow& f) {
  // A press that left the window is not released over a button any more.
  f.button_down = false;
  if (f.button_state != frame::kMenuOpenState) SetButtonState(f, 0);
  if (f.menu_bar.hot) MenuBarLeave(f);
  return 0;
}

LRESULT OnNcLButtonDown(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const int code = static_cast<int>(wparam);
  if (code != frame::hit::kMenuBar && code != HTSYSMENU) StopMenuTracking(f);
  if (code == frame::hit::kMenuBar) return MenuBarPress(f, wparam, lparam);
  if (code == HTCAPTION || IsSizingCode(code)) {
    if (PressGoesToPrevious(f)) {
      const LRESULT result = f.CallPrevious(WM_NCLBUTTONDOWN, wparam, lparam);
      if (f.type == FrameType::kMdiChildForm) {
        f.active = true;
        RepaintFrame(f);
      }
      return result;
    }
    if (const unsigned command = frame::PressCommand(code, f.last_style)) {
      SendMessageW(f.window(), WM_SYSCOMMAND, command, lparam);
    }
    return 0;
  }
  if (code == HTSYSMENU) {
    if (f.menu_bar.tracked_item != -1) {  // a second click only closes
      f.menu_bar.tracked_item = -1;
      return 0;
    }
    f.menu_bar.tracked_item = -2;
    f.menu_bar.hot_item = -1;
    RECT wr{};
    GetWindowRect(f.window(), &wr);
    const frame::Borders b = f.record() != nullptr ? frame::BordersOf(*f.record()) : frame::Borders{};
    const int x = std::max(0, static_cast<int>(wr.left) + b.left);
    const int y = std::max(0, static_cast<int>(wr.top) + b.caption);
    SendMessageW(f.window(), kPopupSystemMenu, 0, MAKELPARAM(x, y));
    // The menu has closed by the time the call returns.
    f.menu_bar.tracked_item = -1;
    return 0;
  }
  const frame::Button button = frame::ButtonOfHit(code);
  if (button != frame::Button::kNone) {
    f.button_down = true;
    SetButtonState(f, frame::PressedState(button));
    return 0;
  }
  return HasScrollBars(f) ? ScrollMessage(f, WM_NCLBUTTONDOWN, wparam, lparam, false) : 0;
}

LRESULT OnNcLButtonUp(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const frame::Button button = frame::ButtonOfHit(static_cast<int>(wparam));
  if (button != frame::Button::kNone) {
    const bool pressed = f.button_down;
    f.button_down = false;
    SetButtonState(f, 0);
    // Only a press that began on a caption button clicks one.
    if (!pressed) return 0;
    if (const unsigned command = frame::ButtonCommand(button, f.last_style)) {
      SendMessageW(f.window(), WM_SYSCOMMAND, command, lparam);
    }
    return 0;
  }
  f.button_down = false;
  if (frame::IsPressedState(f.button_state)) SetButtonState(f, 0);
  return HasScrollBars(f) ? ScrollMessage(f, WM_NCLBUTTONUP, wparam, lparam, false) : 0;
}

LRESULT OnNcLButtonDblClk(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  switch (static_cast<int>(wparam)) {
    case HTCAPTION:
      if (const unsigned command = frame::CaptionDoubleClickCommand(f.last_style)) {
        SendMessageW(f.window(), WM_SYSCOMMAND, command, lparam);
      }
      return 0;
    case HTSYSMENU:
      if (f.last_style & WS_SYSMENU) SendMessageW(f.window(), WM_SYSCOMMAND, SC_CLOSE, lparam);
      return 0;
    case frame::hit::kMenuBar:
      return MenuBarPress(f, wparam, lparam);
  }
  return HasScrollBars(f) ? ScrollMessage(f, WM_NCLBUTTONDBLCLK, wparam, lparam, false) : 0;
}

LRESULT OnNcRButtonUp(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  if (wparam == HTCAPTION || wparam == HTSYSMENU) SendMessageW(f.window(), kPopupSystemMenu, 0, lparam);
  return 0;
}

LRESULT OnSystemMenu(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  GetSystemMenu(f.window(), FALSE);
  const bool lock = GetSystemMetrics(SM_CYCAPTION) == 19;
  if (lock) LockWindowUpdate(f.window());
  const LRESULT result = f.CallPrevious(kPopupSystemMenu, wparam, lparam);
  if (lock) LockWindowUpdate(nullptr);
  return result;
}

LRESULT OnSysCommand(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const unsigned command = static_cast<unsigned>(wparam) & 0xFFFF;
  const bool maximizing = (command & 0xF030) == 0xF030;
  const bool was_maximizing = f.maximizing;
  if (f.type == FrameType::kMdiChildForm || f.type == FrameType::kMfcMdiChild) f.maximizing = maximizing;
  ++f.system_commands;
  LRESULT result;
  const unsigned base = command & 0xFFF0;
  if (GetSystemMetrics(SM_CYCAPTION) == 19 && (base == SC_CONTEXTHELP || base == SC_MINIMIZE)) {
    LockWindowUpdate(f.window());
    result = f.CallPrevious(WM_SYSCOMMAND, wparam, lparam);
    LockWindowUpdate(nullptr);
  } else {
    result = f.CallPrevious(WM_SYSCOMMAND, wparam, lparam);
    if (maximizing || (command & 0xF120) == 0xF120) {
      if (IsWindow(f.window()) && !f.undone) {
        f.region_pending = true;
        RepaintFrame(f);
      }
    }
  }
  --f.system_commands;
  f.maximizing = was_maximizing;
  return result;
}

LRESULT OnSetCursor(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const int code = static_cast<short>(LOWORD(lparam));
  if (reinterpret_cast<HWND>(wparam) == f.window()) {
    static const LPCTSTR kCursors[] = {nullptr, IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZENESW};
    if (const int cursor = frame::SizingCursor(code)) {
      SetCursor(LoadCursor(nullptr, kCursors[cursor]));
      f.sizing_cursor = true;
      return 0;
    }
    if (code == HTCLIENT) {
      if (f.menu_bar.hot) MenuBarLeave(f);
      if (f.sizing_cursor) {
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        f.sizing_cursor = false;
      }
      f.CallPrevious(WM_SETCURSOR, wparam, lparam);
      return 0;
    }
  }
  if (f.sizing_cursor) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    f.sizing_cursor = false;
  }
  return f.CallPrevious(WM_SETCURSOR, wparam, lparam);
}

}  // namespace tebix
