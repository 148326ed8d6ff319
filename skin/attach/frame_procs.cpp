// The frame procedures, one message table per kind of frame, and their
// creators. The handlers they share live here and in the other frame_*.cpp
// files; each table lists exactly the messages its kind of window skins.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "skin/attach/engine_messages.h"
#include "skin/attach/frame.h"
#include "skin/attach/paint_redirect.h"
#include "skin/attach/scroll_bar_services.h"
#include "skin/core/skin_data.h"

namespace tebix {
namespace {

constexpr UINT kPopupSystemMenu = 0x313;
constexpr UINT kDrawCaption = 0xAE;  // the system's own caption drawing
constexpr UINT kFramePosFlags = 0x637;
// The scroll-bar engine's timers: first repeat, repeat, hover poll.
constexpr WPARAM kScrollTimerFirst = 0x3005, kScrollTimerLast = 0x3007;

FrameWindow& Frame(SkinnedWindow& self) {
  return static_cast<FrameWindow&>(self);
}

// --- set-up and geometry --------------------------------------------------------------

LRESULT OnCreate(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (message == WM_CREATE && lparam != 0) {
    result = f.CallPrevious(message, wparam, lparam);
    if (result == -1) return result;
  }
  if (!f.initialised) InitialiseFrame(f);
  else f.MarkAttached();
  return result;
}

LRESULT OnNcCalcSize(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  if (lparam == 0) return f.CallPrevious(WM_NCCALCSIZE, wparam, lparam);
  // Both forms start with the proposed window rectangle.
  RECT* rect = wparam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0] : reinterpret_cast<RECT*>(lparam);
  const RECT window = *rect;
  const LRESULT result = f.CallPrevious(WM_NCCALCSIZE, wparam, lparam);
  *rect = window;
  CalculateClient(f, *rect);
  return wparam ? result : 0;
}

LRESULT OnWindowPosChanged(FrameWindow& f, LPARAM lparam) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
  // Someone else's SetWindowRgn: the skin's region comes back at the next paint.
  if (pos != nullptr && (pos->flags & SWP_FRAMECHANGED) && !f.setting_region && RegionDiffers(f)) {
    f.region_pending = true;
  }
  LayOutFrame(f);
  return f.CallPrevious(WM_WINDOWPOSCHANGED, 0, lparam);
}

LRESULT OnStyleChanged(FrameWindow& f, WPARAM wparam, LPARAM lparam, bool repaint_first) {
  if (repaint_first) RepaintFrame(f);
  const LRESULT result = f.CallPrevious(WM_STYLECHANGED, wparam, lparam);
  if (RechooseFrame(f)) {
    f.region_pending = true;
    SetWindowPos(f.window(), nullptr, 0, 0, 0, 0, kFramePosFlags);
  }
  return result;
}

LRESULT OnSize(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = f.CallPrevious(WM_SIZE, wparam, lparam);
  if (f.region_pending && f.visible()) PaintFrame(f);
  return result;
}

LRESULT OnGetMinMaxInfo(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = f.CallPrevious(WM_GETMINMAXINFO, wparam, lparam);
  if (const auto* info = reinterpret_cast<const MINMAXINFO*>(lparam)) {
    f.max_track = info->ptMaxTrackSize;
    f.has_max_track = true;
  }
  return result;
}

LRESULT OnWindowPosChanging(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  f.CallPrevious(WM_WINDOWPOSCHANGING, wparam, lparam);
  return 0;
}

// --- activation --------------------------------------------------------------------------

LRESULT OnNcActivate(FrameWindow& f, WPARAM wparam) {
  const bool active = wparam != 0;
  // Told inactive while it is the thread's active window: the system may
  // be activating it before it becomes the foreground window, and will not
  // say so again once it is. Look again when the activation is over.
  if (!active && !f.child && GetActiveWindow() == f.window()) {
    PostMessageW(f.window(), kActivationCheckMessage, 0, 0);
  }
  if (active == f.active) return 1;
  f.active = active;
  RepaintFrame(f);
  return 1;
}

LRESULT OnActivationCheck(FrameWindow& f) {
  const HWND w = f.window();
  if (!f.active && GetActiveWindow() == w && GetForegroundWindow() == w) {
    f.active = true;
    RepaintFrame(f);
  }
  return 0;
}

void SetActive(FrameWindow& f, bool active) {
  if (active == f.active) return;
  f.active = active;
  if (f.visible()) SendMessageW(f.window(), WM_NCPAINT, 1, 0);
}

// The active flag from WM_ACTIVATE; the window's own handling (the focus)
// still runs.
LRESULT OnActivate(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  SetActive(f, LOWORD(wparam) != WA_INACTIVE);
  return f.CallPrevious(WM_ACTIVATE, wparam, lparam);
}

// MDI child form: the system's caption drawing is kept off with redraw
// turned off around its WM_NCACTIVATE.
LRESULT OnMdiChildNcActivate(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const HWND w = f.window();
  SendMessageW(w, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = f.CallPrevious(WM_NCACTIVATE, wparam, lparam);
  SendMessageW(w, WM_SETREDRAW, TRUE, 0);
  // Turning redraw off validated the window: what was pending is painted again.
  if (f.visible()) RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  const bool active = wparam != 0;
  if (active != f.active) {
    f.active = active;
    RepaintFrame(f);
  }
  return result;
}

LRESULT OnMdiActivate(FrameWindow& f, WPARAM wparam, LPARAM lparam, bool call_previous) {
  const LRESULT result = call_previous ? f.CallPrevious(WM_MDIACTIVATE, wparam, lparam) : 0;
  SetActive(f, reinterpret_cast<HWND>(wparam) != f.window());
  return result;
}

// MFC MDI child frame: WM_NCACTIVATE is followed only as far as the active
// window agrees.
LRESULT OnMfcChildNcActivate(FrameWindow& f, WPARAM wparam) {
  const HWND w = f.window();
  bool changed = false;
  if (wparam) {
    if (!f.active && GetActiveWindow() == w) f.active = changed = true;
  } else if (f.active && GetActiveWindow() != w) {
    f.active = false;
    changed = true;
  }
  if (changed && f.visible()) SendMessageW(w, WM_NCPAINT, 1, 0);
  return 1;
}

// --- MDI child maximised -------------------------------------------------------------------

frame::Rect MaximizedRect(FrameWindow& f) {
  RECT area{};
  GetClientRect(GetParent(f.window()), &area);
  return frame::MdiMaximizedRect(FrameInsets(f), {area.right - area.left, area.bottom - area.top});
}

LRESULT OnMdiChildGetMinMaxInfo(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = f.CallPrevious(WM_GETMINMAXINFO, wparam, lparam);
  auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
  if (info == nullptr) return result;
  if (f.choice != frame::Choice::kNone) {
    RechooseFrame(f);
    if ((f.last_style & WS_MAXIMIZE) && f.system_commands == 0) f.maximizing = true;
    const frame::Rect max = MaximizedRect(f);
    info->ptMaxPosition = {max.left, max.top};
    info->ptMaxSize = {max.width(), max.height()};
    info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, info->ptMaxSize.x);
    info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, info->ptMaxSize.y);
  }
  f.max_track = info->ptMaxTrackSize;
  f.has_max_track = true;
  return result;
}

// While maximised the child keeps its skin frame outside the MDI client
// area: its client area fills the area exactly, however often the system
// asks.
LRESULT OnMdiChildWindowPosChanging(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  f.CallPrevious(WM_WINDOWPOSCHANGING, wparam, lparam);
  auto* pos = reinterpret_cast<WINDOWPOS*>(lparam);
  if (pos == nullptr || f.choice == frame::Choice::kNone) return 0;
  const bool zoomed = (GetWindowLongW(f.window(), GWL_STYLE) & WS_MAXIMIZE) != 0;
  if (!zoomed) {
    f.maximizing = false;
    return 0;
  }
  const frame::Rect max = MaximizedRect(f);
  if (!(pos->flags & SWP_NOSIZE)) {
    pos->cx = max.width();
    pos->cy = max.height();
  }
  if (!(pos->flags & SWP_NOMOVE)) {
    pos->x = max.left;
    pos->y = max.top;
  }
  return 0;
}

// --- caption text --------------------------------------------------------------------------

LRESULT OnSetText(FrameWindow& f, WPARAM wparam, LPARAM lparam, bool serve_copy) {
  if (f.unicode()) {
    f.caption_wide = lparam != 0 ? reinterpret_cast<const wchar_t*>(lparam) : L"";
  } else {
    f.caption_ansi = lparam != 0 ? reinterpret_cast<const char*>(lparam) : "";
  }
  if (serve_copy) f.caption_kept = true;
  const HWND w = f.window();
  const bool locked = f.visible() && LockWindowUpdate(w);
  const LRESULT result = f.CallPrevious(WM_SETTEXT, wparam, lparam);
  if (locked) LockWindowUpdate(nullptr);
  RepaintFrame(f);
  return result;
}

// Length of the longest prefix of `text` that fits `bytes` without
// splitting a double-byte character.
std::size_t AnsiFit(const std::string& text, std::size_t bytes) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
    if (i + step > bytes) break;
    i += step;
  }
  return i;
}

// The kept copy, cut to the caller's buffer (wParam: characters for a wide
// window, bytes for an ANSI one) and always terminated.
LRESULT OnGetText(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  if (!f.caption_kept) return f.CallPrevious(WM_GETTEXT, wparam, lparam);
  if (lparam == 0 || wparam == 0) return 0;
  const std::size_t room = static_cast<std::size_t>(wparam) - 1;
  if (f.unicode()) {
    auto* buffer = reinterpret_cast<wchar_t*>(lparam);
    const std::size_t n = std::min(room, f.caption_wide.size());
    std::wmemcpy(buffer, f.caption_wide.data(), n);
    buffer[n] = L'\0';
    return static_cast<LRESULT>(n);
  }
  auto* buffer = reinterpret_cast<char*>(lparam);
  const std::size_t n = AnsiFit(f.caption_ansi, room);
  std::memcpy(buffer, f.caption_ansi.data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT OnSetIcon(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = f.CallPrevious(WM_SETICON, wparam, lparam);
  ReadIcon(f);
  RepaintFrame(f);
  return result;
}

LRESULT OnFormGetIcon(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = f.CallPrevious(WM_GETICON, wparam, lparam);
  if (!f.owner_get_icon && f.visible()) {
    ReadIcon(f);
    RepaintFrame(f);
  }
  return result;
}

// --- client area -----------------------------------------------------------------------------

LRESULT OnFormPaint(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  if (!f.initialised) InitialiseFrame(f);
  PaintRedirect record;
  record.type = 1001;
  SetPaintRedirect(f.window(), &record);
  f.CallPrevious(WM_PAINT, wparam, lparam);
  SetPaintRedirect(f.window(), nullptr);
  return 0;
}

LRESULT OnCtlColorStatic(FrameWindow& f, WPARAM wparam, LPARAM lparam) {
  const HBRUSH brush = SkinBackgroundBrush();
  if (brush == nullptr) return f.CallPrevious(WM_CTLCOLORSTATIC, wparam, lparam);
  const auto dc = reinterpret_cast<HDC>(wparam);
  const auto control = reinterpret_cast<HWND>(lparam);
  SetBkMode(dc, TRANSPARENT);
  const bool enabled = control != nullptr ? IsWindowEnabled(control) != FALSE : IsWindowEnabled(f.window()) != FALSE;
  SetTextColor(dc, SkinColour(enabled ? 61 : 62));
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT OnClientMouse(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam) {
  return ScrollMessage(f, message, wparam, lparam, true);
}

// The scroll bars' own timers, and the loss of the mouse while the bars hold
// it, belong to the bars rather than to the menu bar.
bool ForScrollBars(const FrameWindow& f, UINT message, WPARAM wparam) {
  if (message == WM_TIMER) return wparam >= kScrollTimerFirst && wparam <= kScrollTimerLast;
  if (message == WM_CAPTURECHANGED) return f.scroll.captured != 0 || f.scroll.dragging != 0;
  return false;
}

LRESULT OnMenuTracking(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam) {
  if (ForScrollBars(f, message, wparam)) return ScrollMessage(f, message, wparam, lparam, true);
  LRESULT result = 0;
  if (!MenuBarMessage(f, message, wparam, lparam, result)) result = f.CallPrevious(message, wparam, lparam);
  if (message == WM_MENUSELECT && GetSystemMetrics(SM_CYCAPTION) == 19) RepaintFrame(f);
  return result;
}

LRESULT OnDetach(FrameWindow& f) {
  UndoFrame(f);
  return 0;
}

// --- the tables ----------------------------------------------------------------------------------

// Messages every frame handles the same way; `handled` false for others.
LRESULT CommonMessage(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam, bool& handled) {
  handled = true;
  switch (message) {
    case WM_CREATE:
    case kAttachMessage: return OnCreate(f, message, wparam, lparam);
    case WM_NCCALCSIZE: return OnNcCalcSize(f, wparam, lparam);
    case WM_NCHITTEST: return OnNcHitTest(f, wparam, lparam);
    case WM_NCPAINT: PaintFrame(f); return 0;
    case WM_NCMOUSEMOVE: return OnNcMouseMove(f, wparam, lparam);
    case WM_NCMOUSELEAVE: return OnNcMouseLeave(f);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(f, wparam, lparam);
    case WM_NCLBUTTONUP: return OnNcLButtonUp(f, wparam, lparam);
    case WM_NCLBUTTONDBLCLK: return OnNcLButtonDblClk(f, wparam, lparam);
    case WM_NCRBUTTONDOWN: return 0;
    case WM_NCRBUTTONUP: return OnNcRButtonUp(f, wparam, lparam);
    case kPopupSystemMenu: return OnSystemMenu(f, wparam, lparam);
    case WM_SYSCOMMAND: return OnSysCommand(f, wparam, lparam);
    case WM_SETCURSOR: return OnSetCursor(f, wparam, lparam);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(f, lparam);
    case WM_SETICON: return OnSetIcon(f, wparam, lparam);
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(f, wparam, lparam);
    case kDetachMessage: return OnDetach(f);
    case kActivationCheckMessage: return OnActivationCheck(f);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP: return OnClientMouse(f, message, wparam, lparam);
    case WM_TIMER:
    case WM_CAPTURECHANGED:
    case WM_MENUSELECT:
    case WM_MEASUREITEM:  // the menu bar's converted items, measured and drawn without a popup
    case WM_DRAWITEM: return OnMenuTracking(f, message, wparam, lparam);
  }
  handled = false;
  return 0;
}

LRESULT DialogFrameProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  FrameWindow& f = Frame(self);
  if (f.undone) return self.CallPrevious(message, wparam, lparam);
  switch (message) {
    case WM_NCACTIVATE: return OnNcActivate(f, wparam);
    case kDrawCaption: return 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(f, wparam, lparam);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(f, wparam, lparam);
    case WM_STYLECHANGED: return OnStyleChanged(f, wparam, lparam, false);
    case WM_SIZE: return OnSize(f, wparam, lparam);
    case WM_SETTEXT: return OnSetText(f, wparam, lparam, true);
    case WM_GETTEXT: return OnGetText(f, wparam, lparam);
    case WM_ERASEBKGND: return EraseWithSkinBackground(f.window(), reinterpret_cast<HDC>(wparam));
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return OnMenuTracking(f, message, wparam, lparam);
  }
  bool handled = false;
  const LRESULT result = CommonMessage(f, message, wparam, lparam, handled);
  return handled ? result : self.CallPrevious(message, wparam, lparam);
}

// Form windows and MDI forms.
LRESULT FormFrameProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  FrameWindow& f = Frame(self);
  if (f.undone) return self.CallPrevious(message, wparam, lparam);
  switch (message) {
    case WM_NCACTIVATE: return OnNcActivate(f, wparam);
    case kDrawCaption: return 0;
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(f, wparam, lparam);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(f, wparam, lparam);
    case WM_STYLECHANGED: return OnStyleChanged(f, wparam, lparam, true);
    case WM_SIZE: return OnSize(f, wparam, lparam);
    case WM_SETTEXT: return OnSetText(f, wparam, lparam, false);
    case WM_GETICON: return OnFormGetIcon(f, wparam, lparam);
    case WM_PAINT: return OnFormPaint(f, wparam, lparam);
    case WM_ERASEBKGND: return EraseWithSkinBackground(f.window(), reinterpret_cast<HDC>(wparam));
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return OnMenuTracking(f, message, wparam, lparam);
  }
  bool handled = false;
  const LRESULT result = CommonMessage(f, message, wparam, lparam, handled);
  return handled ? result : self.CallPrevious(message, wparam, lparam);
}

LRESULT MdiChildFormFrameProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  FrameWindow& f = Frame(self);
  if (f.undone) return self.CallPrevious(message, wparam, lparam);
  switch (message) {
    case WM_ACTIVATE: return OnActivate(f, wparam, lparam);
    case WM_NCACTIVATE: return OnMdiChildNcActivate(f, wparam, lparam);
    case WM_MDIACTIVATE: return OnMdiActivate(f, wparam, lparam, true);
    case kDrawCaption: return 0;
    case WM_GETMINMAXINFO: return OnMdiChildGetMinMaxInfo(f, wparam, lparam);
    case WM_WINDOWPOSCHANGING: return OnMdiChildWindowPosChanging(f, wparam, lparam);
    case WM_STYLECHANGED: return OnStyleChanged(f, wparam, lparam, true);
    case WM_SIZE: return OnSize(f, wparam, lparam);
    case WM_SETTEXT: return OnSetText(f, wparam, lparam, true);
    case WM_GETTEXT: return OnGetText(f, wparam, lparam);
    case WM_GETICON: return OnFormGetIcon(f, wparam, lparam);
    case WM_PAINT: return OnFormPaint(f, wparam, lparam);
    case WM_ERASEBKGND: return EraseWithSkinBackground(f.window(), reinterpret_cast<HDC>(wparam));
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return OnMenuTracking(f, message, wparam, lparam);
  }
  bool handled = false;
  const LRESULT result = CommonMessage(f, message, wparam, lparam, handled);
  return handled ? result : self.CallPrevious(message, wparam, lparam);
}

// MFC main frames paint their own client area.
LRESULT MfcMainFrameProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  FrameWindow& f = Frame(self);
  if (f.undone) return self.CallPrevious(message, wparam, lparam);
  switch (message) {
    case WM_ACTIVATE: return OnActivate(f, wparam, lparam);
    case WM_NCACTIVATE: return OnNcActivate(f, wparam);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(f, wparam, lparam);
    case WM_WINDOWPOSCHANGING:
      if (f.choice == frame::Choice::kTool) return OnWindowPosChanging(f, wparam, lparam);
      return self.CallPrevious(message, wparam, lparam);
    case WM_STYLECHANGED: return OnStyleChanged(f, wparam, lparam, false);
    case WM_SETTEXT: return OnSetText(f, wparam, lparam, true);
    case WM_GETTEXT: return OnGetText(f, wparam, lparam);
  }
  bool handled = false;
  const LRESULT result = CommonMessage(f, message, wparam, lparam, handled);
  return handled ? result : self.CallPrevious(message, wparam, lparam);
}

LRESULT MfcMdiChildFrameProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  FrameWindow& f = Frame(self);
  if (f.undone) return self.CallPrevious(message, wparam, lparam);
  switch (message) {
    case WM_ACTIVATE: return OnActivate(f, wparam, lparam);
    case WM_NCACTIVATE: return OnMfcChildNcActivate(f, wparam);
    case WM_MDIACTIVATE: return OnMdiActivate(f, wparam, lparam, false);
    case WM_GETMINMAXINFO: return OnMdiChildGetMinMaxInfo(f, wparam, lparam);
    case WM_WINDOWPOSCHANGING: return OnMdiChildWindowPosChanging(f, wparam, lparam);
    case WM_STYLECHANGED: return OnStyleChanged(f, wparam, lparam, true);
    case WM_SETTEXT: return OnSetText(f, wparam, lparam, true);
    case WM_GETTEXT: return OnGetText(f, wparam, lparam);
    case WM_GETICON: return OnFormGetIcon(f, wparam, lparam);
    case WM_ERASEBKGND: return EraseWithSkinBackground(f.window(), reinterpret_cast<HDC>(wparam));
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP: return OnMenuTracking(f, message, wparam, lparam);
  }
  bool handled = false;
  const LRESULT result = CommonMessage(f, message, wparam, lparam, handled);
  return handled ? result : self.CallPrevious(message, wparam, lparam);
}

template <FrameType kType>
std::unique_ptr<SkinnedWindow> CreateFrame(HWND window) {
  auto frame = std::make_unique<FrameWindow>(window, kType);
  SetFrameObject(window, frame.get());
  return frame;
}

}  // namespace

const RendererEntry kDialogFrameRenderer = {RendererId::kDialogFrame, &CreateFrame<FrameType::kDialog>,
                                            &DialogFrameProc};
const RendererEntry kFormFrameRenderer = {RendererId::kFormFrame, &CreateFrame<FrameType::kForm>, &FormFrameProc};
const RendererEntry kMdiChildFormFrameRenderer = {RendererId::kMdiChildFormFrame,
                                                  &CreateFrame<FrameType::kMdiChildForm>, &MdiChildFormFrameProc};
const RendererEntry kMdiFormFrameRenderer = {RendererId::kMdiFormFrame, &CreateFrame<FrameType::kMdiForm>,
                                             &FormFrameProc};
const RendererEntry kMfcMainFrameRenderer = {RendererId::kMfcMainFrame, &CreateFrame<FrameType::kMfcMain>,
                                             &MfcMainFrameProc};
const RendererEntry kMfcMdiChildFrameRenderer = {RendererId::kMfcMdiChildFrame,
                                                 &CreateFrame<FrameType::kMfcMdiChild>, &MfcMdiChildFrameProc};

}  // namespace tebix
