// The skinned frame of top-level windows: dialogs, forms, MDI child forms,
// MDI forms and MFC main and MDI child frames.
//
// The window keeps its own procedure for its client area; the frame draws
// and operates the whole non-client area: caption with icon, text and
// buttons, the borders, the menu bar and the in-window scroll bars, and cuts
// the window region from the skin's key pixels. Each kind of frame has its
// own message table (frame_procs.cpp) built from the shared handlers below.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "skin/attach/creation_hook.h"
#include "skin/attach/frame_layout.h"
#include "skin/attach/frame_size.h"
#include "skin/attach/menu_bar_services.h"
#include "skin/attach/scroll_state.h"
#include "skin/attach/skinned_window.h"

namespace tebix {

// Posted by a top-level frame to itself to look at its activation again.
inline constexpr UINT kActivationCheckMessage = 0x6A3A;

enum class FrameType : int { kDialog, kForm, kMdiChildForm, kMdiForm, kMfcMain, kMfcMdiChild };

class FrameWindow : public SkinnedWindow {
 public:
  FrameWindow(HWND window, FrameType type);
  ~FrameWindow() override;

  FrameType type;
  frame::Choice choice = frame::Choice::kNone;  // the frame style record in use
  bool child = false;                           // WS_CHILD
  bool initialised = false;
  bool undone = false;  // the library is letting go: everything passes on

  RECT window_rect{};  // screen coordinates, at the last layout
  frame::Layout layout;
  bool active = true;
  int button_state = 0;  // see frame::HoverState
  bool button_down = false;  // a caption button was pressed and not yet released
  std::uint32_t last_style = 0, last_ex_style = 0;

  HICON icon = nullptr;
  bool owner_get_icon = false;  // the frame itself is asking for the icon

  HRGN saved_region = nullptr;  // a copy of the region the frame last set
  bool setting_region = false;  // "SetWindowRgn": the frame's own SetWindowRgn is running
  bool region_pending = true;
  int region_rebuilds = 0;
  bool sizing_cursor = false;

  bool has_max_track = false;
  POINT max_track{};

  // The caption as the frame draws it: wide for a wide window, 8-bit for
  // an ANSI one. `caption_kept` once a WM_SETTEXT went through the frame:
  // WM_GETTEXT is then served from the copy.
  std::wstring caption_wide;
  std::string caption_ansi;
  bool caption_kept = false;

  ScrollState scroll{};
  MenuBarState menu_bar;

  bool maximizing = false;  // MDI child: a maximised geometry is being applied
  int system_commands = 0;  // WM_SYSCOMMAND calls on the stack

  const FrameStyle* record() const;
  std::uint32_t style() const { return last_style; }
  bool visible() const { return IsWindowVisible(window()) != FALSE; }
};

// --- frame.cpp: set-up, layout, size ------------------------------------------------

// WM_CREATE / 0x6A30: style, scroll record, size compensation, system menu.
void InitialiseFrame(FrameWindow& f);
// Re-chooses the frame style from the window's styles; true when it changed.
bool RechooseFrame(FrameWindow& f);
// The skin frame's insets for the window's current styles and menu.
frame::Insets FrameInsets(const FrameWindow& f);
// The system frame's insets for the window's styles (what the system would
// draw without the skin).
frame::Insets SystemInsets(const FrameWindow& f);
// WM_NCCALCSIZE after the previous procedure: the skin's client rectangle.
void CalculateClient(FrameWindow& f, RECT& rect);
// The layout: false when the window has no frame to paint.
bool LayOutFrame(FrameWindow& f);
// The MoveWindow replacement's query.
bool QueryFrameSize(HWND window, void* frame, FrameSize* out);
// 0x6A21: give the window back to the system frame with its client size.
void UndoFrame(FrameWindow& f);
// Reads the window text into the caption cache.
void ReadCaption(FrameWindow& f);
// The icon: class icon, else WM_GETICON ICON_BIG with "OwnerGetIcon" set.
void ReadIcon(FrameWindow& f);

// --- frame_paint.cpp ------------------------------------------------------------------

// WM_NCPAINT: frame, scroll bars, region when pending, menu bar.
void PaintFrame(FrameWindow& f);
// Redraws the caption strip only (button states), through the window DC.
void RedrawCaption(FrameWindow& f);
// Repaints the whole non-client area when visible.
void RepaintFrame(FrameWindow& f);
// The fonts the frame made itself (engine stop).
void ReleaseFrameFonts();

// --- frame_region.cpp -----------------------------------------------------------------

void RebuildRegion(FrameWindow& f);
// After a size change or a foreign SetWindowRgn: pending when the window's
// region is not the one the frame set.
bool RegionDiffers(const FrameWindow& f);

// --- frame_mouse.cpp ------------------------------------------------------------------

LRESULT OnNcHitTest(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnNcMouseMove(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnNcMouseLeave(FrameWindow& f);
LRESULT OnNcLButtonDown(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnNcLButtonUp(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnNcLButtonDblClk(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnNcRButtonUp(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnSetCursor(FrameWindow& f, WPARAM wparam, LPARAM lparam);
LRESULT OnSystemMenu(FrameWindow& f, WPARAM wparam, LPARAM lparam);  // 0x313
LRESULT OnSysCommand(FrameWindow& f, WPARAM wparam, LPARAM lparam);
// The in-window scroll bars, when the engine is registered; else `fallback`.
LRESULT ScrollMessage(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam, bool pass_on);

// --- frame_menu_bar.cpp ---------------------------------------------------------------

// Lays the bar out after the system did (menu, rows, rectangles).
void LayOutMenuBar(FrameWindow& f);
// Rows the bar takes (0 without a menu), from the system's own layout.
int MenuRows(const FrameWindow& f);
void PaintMenuBar(FrameWindow& f, HDC dc, int hot_item);
void RedrawMenuBar(FrameWindow& f);
int MenuBarItemAt(FrameWindow& f, POINT screen);
LRESULT MenuBarPress(FrameWindow& f, WPARAM wparam, LPARAM lparam);
void MenuBarHover(FrameWindow& f, LPARAM lparam);
void MenuBarLeave(FrameWindow& f);
void StopMenuTracking(FrameWindow& f);
// Menu-bar tracking messages: handled by the menu renderer when registered.
bool MenuBarMessage(FrameWindow& f, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// --- frame_procs.cpp ------------------------------------------------------------------

extern const RendererEntry kDialogFrameRenderer;
extern const RendererEntry kFormFrameRenderer;
extern const RendererEntry kMdiChildFormFrameRenderer;
extern const RendererEntry kMdiFormFrameRenderer;
extern const RendererEntry kMfcMainFrameRenderer;
extern const RendererEntry kMfcMdiChildFrameRenderer;

// At engine start and stop: the MoveWindow query.
void StartFrames();
void StopFrames();

}  // namespace tebix
