// The frame object: set-up, the client rectangle, the layout, the size the
// MoveWindow replacement asks for, and the undo when the library lets go.
#include "skin/attach/frame.h"

#include <algorithm>
#include <vector>

#include "skin/attach/engine_messages.h"
#include "skin/attach/frame_size.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/window_table.h"
#include "skin/core/skin_data.h"

namespace tebix {
namespace {

constexpr char kOwnerGetIconProperty[] = "OwnerGetIcon";

std::uint32_t StyleOf(HWND window, int index) {
  return static_cast<std::uint32_t>(GetWindowLongW(window, index));
}

void ReadScrollBar(HWND window, int bar, ScrollBarState& block, bool shown) {
  block = {};
  block.info.cbSize = sizeof block.info;
  block.info.fMask = SIF_ALL;
  if (!real::GetScrollInfo(window, bar, &block.info)) {
    block.info = {};
    block.info.cbSize = sizeof block.info;
  }
  block.info.fMask = SIF_ALL;
  block.shown = shown ? 1 : 0;
}

// The scroll record as the frame sets it up: the system's bar state, which
// bars the styles show, and nothing hot or pressed.
void SetUpScrollState(FrameWindow& f) {
  const HWND w = f.window();
  ScrollState& s = f.scroll;
  s = {};
  ReadScrollBar(w, SB_HORZ, s.horizontal, (f.last_style & WS_HSCROLL) != 0);
  ReadScrollBar(w, SB_VERT, s.vertical, (f.last_style & WS_VSCROLL) != 0);
  s.left_scrollbar = (f.last_ex_style & WS_EX_LEFTSCROLLBAR) != 0 ? 1 : 0;
  s.last_track_pos = -1;
  s.scroll_code = -1;
  s.scroll_message = -1;
  SetScrollState(w, &s);
}

// Gives the system the bar state the skin kept, so that the window's own
// bars show what the program set once the skin lets go.
void HandBackScrollState(FrameWindow& f) {
  const HWND w = f.window();
  for (auto [bar, block] : {std::pair{SB_HORZ, &f.scroll.horizontal}, std::pair{SB_VERT, &f.scroll.vertical}}) {
    SCROLLINFO info = block->info;
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (info.nMax != 0 || info.nMin != 0 || info.nPos != 0) real::SetScrollInfo(w, bar, &info, FALSE);
  }
}

void Resize(HWND window, frame::Size size, UINT extra_flags) {
  SetWindowPos(window, nullptr, 0, 0, size.width, size.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | extra_flags);
}

}  // namespace

FrameWindow::FrameWindow(HWND window, FrameType frame_type) : SkinnedWindow(window), type(frame_type) {
  last_style = StyleOf(window, GWL_STYLE);
  last_ex_style = StyleOf(window, GWL_EXSTYLE);
  child = (last_style & WS_CHILD) != 0;
  choice = frame::ChooseFrame(last_style, last_ex_style);
  menu_bar.frame_state = &button_state;
}

FrameWindow::~FrameWindow() {
  // A window that is still listed with this object (the library is letting
  // it go) must not keep pointers into it.
  if (WindowRecord* r = FindRecord(window()); r != nullptr) {
    if (r->frame == this) SetFrameObject(window(), nullptr);
    if (r->scroll == &scroll) SetScrollState(window(), nullptr);
  }
  if (saved_region != nullptr) DeleteObject(saved_region);
}

const FrameStyle* FrameWindow::record() const {
  if (choice == frame::Choice::kNone) return nullptr;
  return &SkinFrameStyle(static_cast<FrameKind>(choice));
}

bool RechooseFrame(FrameWindow& f) {
  const HWND w = f.window();
  f.last_style = StyleOf(w, GWL_STYLE);
  f.last_ex_style = StyleOf(w, GWL_EXSTYLE);
  f.child = (f.last_style & WS_CHILD) != 0;
  const frame::Choice choice = f.undone ? frame::Choice::kNone : frame::ChooseFrame(f.last_style, f.last_ex_style);
  if (choice == f.choice) return false;
  f.choice = choice;
  return true;
}

frame::Insets FrameInsets(const FrameWindow& f) {
  const FrameStyle* record = f.record();
  const frame::Borders borders = record != nullptr ? frame::BordersOf(*record) : frame::Borders{};
  const frame::Extras extras{f.menu_bar.menu != nullptr ? f.menu_bar.rows : 0, SkinMetric(13), SkinMetric(17),
                             SkinMetric(14)};
  return frame::SkinInsets(f.choice, borders, f.last_style, f.last_ex_style, extras);
}

frame::Insets SystemInsets(const FrameWindow& f) {
  RECT r{0, 0, 0, 0};
  const bool menu = f.menu_bar.menu != nullptr;
  AdjustWindowRectEx(&r, f.last_style & ~(WS_HSCROLL | WS_VSCROLL), menu ? TRUE : FALSE, f.last_ex_style);
  frame::Insets insets{-r.left, -r.top, r.right, r.bottom};
  if (menu && f.menu_bar.rows > 1) insets.top += (f.menu_bar.rows - 1) * GetSystemMetrics(SM_CYMENU);
  if (f.last_style & WS_VSCROLL) {
    ((f.last_ex_style & WS_EX_LEFTSCROLLBAR) ? insets.left : insets.right) += GetSystemMetrics(SM_CXVSCROLL);
  }
  if (f.last_style & WS_HSCROLL) insets.bottom += GetSystemMetrics(SM_CYHSCROLL);
  return insets;
}

void CalculateClient(FrameWindow& f, RECT& rect) {
  RechooseFrame(f);
  f.menu_bar.menu = f.child ? nullptr : GetMenu(f.window());
  f.menu_bar.rows = MenuRows(f);
  const frame::Rect window{rect.left, rect.top, rect.right, rect.bottom};
  const frame::Rect client = frame::ClientOf(window, FrameInsets(f));
  rect = {client.left, client.top, client.right, client.bottom};
}

bool LayOutFrame(FrameWindow& f) {
  const HWND w = f.window();
  if (RechooseFrame(f)) {
    f.region_pending = true;
    SetWindowPos(w, nullptr, 0, 0, 0, 0, 0x263F);
  }
  RECT wr{};
  GetWindowRect(w, &wr);
  if (wr.right - wr.left != f.window_rect.right - f.window_rect.left ||
      wr.bottom - wr.top != f.window_rect.bottom - f.window_rect.top) {
    f.region_pending = true;
  }
  RECT client{};
  GetClientRect(w, &client);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  OffsetRect(&client, origin.x - wr.left, origin.y - wr.top);
  f.window_rect = wr;
  frame::LayoutInput in;
  in.choice = f.choice;
  in.record = f.record();
  in.width = wr.right - wr.left;
  in.height = wr.bottom - wr.top;
  in.style = f.last_style;
  in.ex_style = f.last_ex_style;
  in.has_icon = f.icon != nullptr;
  in.client = {client.left, client.top, client.right, client.bottom};
  in.menu_rows = f.menu_bar.menu != nullptr ? f.menu_bar.rows : 0;
  in.menu_row_height = SkinMetric(13);
  f.layout = frame::LayOut(in);
  LayOutMenuBar(f);
  return f.layout.has_frame;
}

void ReadCaption(FrameWindow& f) {
  const HWND w = f.window();
  if (f.unicode()) {
    const int length = GetWindowTextLengthW(w);
    std::wstring text(static_cast<std::size_t>(std::max(0, length)) + 1, L'\0');
    const int got = GetWindowTextW(w, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(0, got)));
    f.caption_wide = std::move(text);
  } else {
    const int length = GetWindowTextLengthA(w);
    std::string text(static_cast<std::size_t>(std::max(0, length)) + 1, '\0');
    const int got = GetWindowTextA(w, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(0, got)));
    f.caption_ansi = std::move(text);
  }
}

void ReadIcon(FrameWindow& f) {
  const HWND w = f.window();
  auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(w, GCLP_HICON));
  if (icon == nullptr) {
    f.owner_get_icon = true;
    SetPropA(w, kOwnerGetIconProperty, reinterpret_cast<HANDLE>(1));
    icon = reinterpret_cast<HICON>(SendMessageW(w, WM_GETICON, ICON_BIG, 0));
    RemovePropA(w, kOwnerGetIconProperty);
    f.owner_get_icon = false;
  }
  f.icon = icon;
}

void InitialiseFrame(FrameWindow& f) {
  const HWND w = f.window();
  RechooseFrame(f);
  SetUpScrollState(f);
  ReadCaption(f);
  ReadIcon(f);
  f.menu_bar.menu = f.child ? nullptr : GetMenu(w);
  f.menu_bar.rows = MenuRows(f);
  f.region_pending = true;
  f.initialised = true;
  f.MarkAttached();
  // Drawn active only when it is: a window shown without activation never
  // gets the WM_NCACTIVATE that would say it is not.
  if (f.child) {
    const HWND client = GetParent(w);
    f.active = client != nullptr && reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == w;
  } else {
    f.active = GetActiveWindow() == w && GetForegroundWindow() == w;
  }

  // The client area keeps the size the system's frame gave it.
  RECT wr{};
  GetWindowRect(w, &wr);
  const bool sized = (f.last_style & (WS_MINIMIZE | WS_MAXIMIZE)) == 0;
  if (f.choice != frame::Choice::kNone && sized && !IsRectEmpty(&wr)) {
    const frame::Size current{wr.right - wr.left, wr.bottom - wr.top};
    const frame::Size wanted = frame::CompensatedSize(current, SystemInsets(f), FrameInsets(f));
    if (!(wanted == current)) Resize(w, wanted, f.visible() ? 0 : SWP_NOREDRAW);
  }
  GetSystemMenu(w, FALSE);
}

bool QueryFrameSize(HWND, void* object, FrameSize* out) {
  auto* f = static_cast<FrameWindow*>(object);
  if (f == nullptr || out == nullptr || f->undone || f->choice == frame::Choice::kNone) return false;
  const frame::Borders b = frame::BordersOf(*f->record());
  *out = {};
  out->caption = f->choice == frame::Choice::kNormal ? FrameCaption::kNormal
                 : f->choice == frame::Choice::kTool ? FrameCaption::kMdiChild
                                                     : FrameCaption::kNone;
  out->caption_height = b.caption;
  out->left_width = b.left;
  out->right_width = b.right;
  out->bottom_height = b.bottom;
  if (f->menu_bar.menu != nullptr) {
    f->menu_bar.rows = MenuRows(*f);
    LayOutMenuBar(*f);
    const int row = std::clamp(SkinMetric(13), 0, frame::kMaxPieceSize);
    out->menu_extra_height = (row - GetSystemMetrics(SM_CYMENU)) * std::clamp(f->menu_bar.rows, 0, frame::kMaxMenuRows);
  }
  // The replacement converts from a sizable system frame with a caption of
  // the frame's kind. The window's own system frame may differ (a dialog
  // frame is thinner, scroll bars and menu rows have their own sizes): the
  // difference goes into the caption height and left border width it is
  // given, so that the client area comes out exactly as the caller meant.
  const frame::Insets system = SystemInsets(*f);
  const frame::Insets skin = FrameInsets(*f);
  const int caption_sys = out->caption == FrameCaption::kNormal     ? GetSystemMetrics(SM_CYCAPTION)
                          : out->caption == FrameCaption::kMdiChild ? GetSystemMetrics(SM_CYSMCAPTION)
                                                                    : 0;
  const int want_dx = skin.left + skin.right - system.left - system.right;
  const int want_dy = skin.top + skin.bottom - system.top - system.bottom;
  out->left_width = want_dx - out->right_width + 2 * GetSystemMetrics(SM_CXFRAME);
  out->caption_height =
      want_dy - out->bottom_height + 2 * GetSystemMetrics(SM_CYFRAME) + caption_sys - out->menu_extra_height;
  out->has_limits = f->has_max_track;
  out->limit_width = f->max_track.x;
  out->limit_height = f->max_track.y;
  return true;
}

void UndoFrame(FrameWindow& f) {
  if (f.undone) return;
  const HWND w = f.window();
  StopMenuTracking(f);
  if (MenuBars().undo != nullptr) MenuBars().undo(w, f.menu_bar);
  RECT client{};
  GetClientRect(w, &client);
  const bool had_frame = f.choice != frame::Choice::kNone;
  f.undone = true;
  f.choice = frame::Choice::kNone;
  HandBackScrollState(f);
  // No region: the system frame is rectangular.
  f.setting_region = true;
  SetWindowRgn(w, nullptr, FALSE);
  f.setting_region = false;
  if (f.saved_region != nullptr) DeleteObject(f.saved_region);
  f.saved_region = nullptr;
  // Back to the system's frame around the same client area.
  const bool sized = (f.last_style & (WS_MINIMIZE | WS_MAXIMIZE)) == 0;
  if (had_frame && sized) {
    const frame::Insets system = SystemInsets(f);
    Resize(w, {client.right + system.left + system.right, client.bottom + system.top + system.bottom},
           SWP_FRAMECHANGED | (f.visible() ? 0 : SWP_NOREDRAW));
  } else {
    SetWindowPos(w, nullptr, 0, 0, 0, 0, kFrameChangedRepaint);
  }
}

void StartFrames() {
  SetFrameSizeQuery(&QueryFrameSize);
}

void StopFrames() {
  SetFrameSizeQuery(nullptr);
  SetMenuBarServices({});
  ReleaseFrameFonts();
}

}  // namespace tebix
