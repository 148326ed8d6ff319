#include "skin/render/scroll_bar_engine.h"

#include <windowsx.h>

#include "skin/attach/creation_hook.h"
#include "skin/attach/engine_messages.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/scroll_bar_services.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/draw_skin_part.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_resources.h"
#include "skin/render/client_edge.h"
#include "skin/render/off_screen.h"

namespace tebix {
namespace {

using scroll::Element;

// Recalculates the frame without moving, sizing, activating or redrawing.
constexpr UINT kRecalculateFrame = 0x263F;
// A child with this style bit shows no thumb on an empty range.
constexpr LONG kNoThumbOnEmptyRange = 0x2000;

scroll::BarInfo InfoOf(const ScrollBarState& bar) {
  return {bar.info.nMin, bar.info.nMax, bar.info.nPage, bar.info.nPos};
}

bool AnyBarShown(const ScrollState& state) {
  return state.horizontal.shown || state.vertical.shown;
}

// The window's rectangle on the screen and its client rectangle relative to
// the window's top-left.
struct WindowPlace {
  RECT window{};
  RECT client{};  // window coordinates
};

WindowPlace PlaceOf(HWND window) {
  WindowPlace place;
  GetWindowRect(window, &place.window);
  GetClientRect(window, &place.client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&place.client, origin.x - place.window.left, origin.y - place.window.top);
  return place;
}

// A message's point made relative to the window's top-left: `screen` for
// non-client messages, otherwise client coordinates.
POINT WindowPoint(HWND window, LPARAM lparam, bool screen) {
  POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  const WindowPlace place = PlaceOf(window);
  if (screen) {
    p.x -= place.window.left;
    p.y -= place.window.top;
  } else {
    p.x += place.client.left;
    p.y += place.client.top;
  }
  return p;
}

// Where each rectangle of the block stands in the window-free layout.
constexpr struct {
  RECT ScrollState::*state;
  scroll::Rect scroll::WindowBars::*bars;
} kBarRects[] = {
    {&ScrollState::left_arrow, &scroll::WindowBars::left_arrow},
    {&ScrollState::horizontal_track, &scroll::WindowBars::horizontal_track},
    {&ScrollState::right_arrow, &scroll::WindowBars::right_arrow},
    {&ScrollState::horizontal_thumb, &scroll::WindowBars::horizontal_thumb},
    {&ScrollState::up_arrow, &scroll::WindowBars::up_arrow},
    {&ScrollState::vertical_track, &scroll::WindowBars::vertical_track},
    {&ScrollState::down_arrow, &scroll::WindowBars::down_arrow},
    {&ScrollState::vertical_thumb, &scroll::WindowBars::vertical_thumb},
    {&ScrollState::size_box, &scroll::WindowBars::size_box},
};

scroll::WindowBars BarsOf(const ScrollState& state) {
  scroll::WindowBars bars;
  for (const auto& r : kBarRects) bars.*r.bars = ToLayout(state.*r.state);
  return bars;
}

Element HitTest(const ScrollState& state, POINT p) {
  return scroll::HitTestWindowBars(BarsOf(state), state.horizontal.shown != 0, state.vertical.shown != 0, p.x, p.y);
}

bool IsVertical(Element e) {
  return e == Element::kUpArrow || e == Element::kVerticalThumb || e == Element::kDownArrow ||
         e == Element::kVerticalTrack;
}

void Repaint(HWND window, ScrollState& state) {
  PaintScrollBars(window, state, nullptr);
}

// Sets the mouse state and hot element; repaints when either changed.
void SetMouse(HWND window, ScrollState& state, int mouse_state, Element hot) {
  if (state.mouse_state == mouse_state && state.hot_element == static_cast<int>(hot)) return;
  state.mouse_state = mouse_state;
  state.hot_element = static_cast<int>(hot);
  Repaint(window, state);
}

void SendScroll(HWND window, UINT message, int code, int position) {
  SendMessageW(window, message, MAKEWPARAM(code, position), 0);
}

// The hit codes a thumb drag is kept under.
constexpr int kHorizontalThumbDrag = 0x3006;
constexpr int kVerticalThumbDrag = 0x3007;

bool DragsVertically(const ScrollState& state) {
  return state.drag_kind == kVerticalThumbDrag;
}

// A thumb drag ends: the window hears the last position, then the end.
void EndDrag(HWND window, ScrollState& state) {
  if (!state.dragging) return;
  const UINT scroll_message = DragsVertically(state) ? WM_VSCROLL : WM_HSCROLL;
  state.dragging = 0;
  SendScroll(window, scroll_message, SB_THUMBPOSITION, state.last_track_pos);
  SendScroll(window, scroll_message, SB_ENDSCROLL, 0);
}

// The client edge and the bars onto the window DC.
void PaintNonClient(HWND window, ScrollState& state) {
  if (HDC dc = real::GetWindowDC(window)) {
    DrawClientEdge(dc, window);
    PaintScrollBars(window, state, dc);
    real::ReleaseDC(window, dc);
  }
}

// --- Hover -------------------------------------------------------------------

void Hover(HWND window, ScrollState& state, POINT p) {
  if (state.mouse_state == 2) return;
  const Element hot = HitTest(state, p);
  if (hot != Element::kNone) {
    if (state.mouse_state != 1) SetTimer(window, kHoverTimer, kHoverPoll, nullptr);
    SetMouse(window, state, 1, hot);
  } else if (state.mouse_state != 0) {
    SetMouse(window, state, 0, Element::kNone);
  }
}

void PollHover(HWND window, ScrollState& state) {
  if (state.dragging) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT r{};
  GetWindowRect(window, &r);
  const POINT p{cursor.x - r.left, cursor.y - r.top};
  if (HitTest(state, p) != Element::kNone) return;
  KillTimer(window, kHoverTimer);
  if (state.mouse_state != 0) SetMouse(window, state, 0, Element::kNone);
}

// --- Press, drag, release -------------------------------------------------------

LRESULT Press(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam,
              bool allow_capture) {
  const HWND window = self.window();
  const bool non_client = message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK;
  UpdateScrollGeometry(window, state);
  const POINT p = WindowPoint(window, lparam, non_client);
  const Element element = HitTest(state, p);
  if (element == Element::kNone) return self.CallPrevious(message, wparam, lparam);
  const bool vertical = IsVertical(element);
  const UINT scroll_message = vertical ? WM_VSCROLL : WM_HSCROLL;
  int code = -1;
  switch (element) {
    case Element::kHorizontalThumb:
    case Element::kVerticalThumb: {
      const ScrollBarState& bar = vertical ? state.vertical : state.horizontal;
      state.dragging = 1;
      state.drag_kind = scroll::HitCodeOf(element);
      state.scroll_code = SB_THUMBTRACK;
      state.drag_anchor = vertical ? p.y : p.x;
      state.last_track_pos = bar.info.nPos;
      break;
    }
    case Element::kUpArrow:
    case Element::kLeftArrow: code = SB_LINEUP; break;
    case Element::kDownArrow:
    case Element::kRightArrow: code = SB_LINEDOWN; break;
    case Element::kVerticalTrack:
      code = scroll::PageCode(ToLayout(state.vertical_thumb), true, p.x, p.y);
      break;
    case Element::kHorizontalTrack:
      code = scroll::PageCode(ToLayout(state.horizontal_thumb), false, p.x, p.y);
      break;
    case Element::kNone: break;
  }
  if (code >= 0) {
    state.scroll_message = static_cast<int32_t>(scroll_message);
    state.scroll_code = code;
  }
  state.mouse_state = 2;
  state.hot_element = static_cast<int>(element);
  Repaint(window, state);
  if (code >= 0) {
    SetTimer(window, kFirstRepeatTimer, kFirstRepeatDelay, nullptr);
    SendScroll(window, scroll_message, code, 0);
  } else if (allow_capture && GetCapture() != window) {
    SetCapture(window);
    state.captured = 1;
  }
  return 0;
}

void Drag(HWND window, ScrollState& state, POINT p) {
  const bool vertical = DragsVertically(state);
  ScrollBarState& bar = vertical ? state.vertical : state.horizontal;
  RECT& thumb = vertical ? state.vertical_thumb : state.horizontal_thumb;
  const RECT& track = vertical ? state.vertical_track : state.horizontal_track;
  const RECT& first = vertical ? state.up_arrow : state.left_arrow;
  const RECT& second = vertical ? state.down_arrow : state.right_arrow;
  if (!scroll::InDragZone(ToLayout(first), ToLayout(track), ToLayout(second), vertical, p.x, p.y)) return;
  if (DragThumb(state, bar.info, thumb, track, vertical, vertical ? p.y : p.x)) {
    SendScroll(window, vertical ? WM_VSCROLL : WM_HSCROLL, SB_THUMBTRACK, state.last_track_pos);
  }
  Repaint(window, state);
}

LRESULT Release(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam,
                bool allow_capture) {
  const HWND window = self.window();
  if (state.mouse_state == 2 || state.dragging || state.captured) {
    const POINT p = WindowPoint(window, lparam, message == WM_NCLBUTTONUP);
    if (state.captured && allow_capture) {
      state.captured = 0;
      if (GetCapture() == window) ReleaseCapture();
    }
    EndDrag(window, state);
    StopAutoRepeat(window);
    UpdateScrollGeometry(window, state);
    const Element hot = HitTest(state, p);
    if (hot != Element::kNone) SetTimer(window, kHoverTimer, kHoverPoll, nullptr);
    else KillTimer(window, kHoverTimer);
    state.mouse_state = hot != Element::kNone ? 1 : 0;
    state.hot_element = static_cast<int>(hot);
    Repaint(window, state);
  }
  // A non-client release stays a non-client message: its point is on the
  // screen and its wParam a hit code, neither of which the window's own
  // client handling could make sense of.
  return self.CallPrevious(message, wparam, lparam);
}

// --- Hit test and timers ------------------------------------------------------------

LRESULT HitTestMessage(SkinnedWindow& self, ScrollState& state, WPARAM wparam, LPARAM lparam) {
  const HWND window = self.window();
  if (AnyBarShown(state)) {
    const Element element = HitTest(state, WindowPoint(window, lparam, true));
    if (element != Element::kNone) return scroll::HitCodeOf(element);
  }
  // Off the bars an arrow or track press stops repeating (the timers only
  // run while pressed, so only then are they stopped) and shows released.
  if (state.mouse_state == 2 && !state.dragging) {
    StopAutoRepeat(window);
    SetMouse(window, state, 0, Element::kNone);
  }
  const LRESULT hit = self.CallPrevious(WM_NCHITTEST, wparam, lparam);
  return hit == HTHSCROLL || hit == HTVSCROLL ? HTNOWHERE : hit;
}

LRESULT Timer(SkinnedWindow& self, ScrollState& state, WPARAM wparam, LPARAM lparam) {
  const HWND window = self.window();
  if (wparam == kHoverTimer) {
    PollHover(window, state);
    return 0;
  }
  const bool repeat_timer = StepAutoRepeat(window, state, wparam, [&] {
    SendScroll(window, static_cast<UINT>(state.scroll_message), state.scroll_code, 0);
  });
  return repeat_timer ? 0 : self.CallPrevious(WM_TIMER, wparam, lparam);
}

// The mouse went elsewhere (another window took it, a mode was cancelled):
// a drag ends as a release would end it, so that the window hears the end
// and the bars are not left frozen.
void CaptureLost(HWND window, ScrollState& state, HWND taker) {
  if (!state.captured || taker == window) return;
  state.captured = 0;
  EndDrag(window, state);
  if (state.mouse_state == 2) StopAutoRepeat(window);
  SetMouse(window, state, 0, Element::kNone);
}

LRESULT ScrollMessage(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = self.CallPrevious(message, wparam, lparam);
  if (LOWORD(wparam) == SB_ENDSCROLL && IsWindow(self.window())) PaintNonClient(self.window(), state);
  return result;
}

// --- Painting ----------------------------------------------------------------------

const SkinPart* PartAt(int index) {
  const SkinData* data = CurrentSkinData();
  if (data == nullptr || index < 0 || index >= static_cast<int>(data->parts.size())) return nullptr;
  return &data->parts[static_cast<std::size_t>(index)];
}

// The part for an element: disabled look, else pressed or hot when it is
// the hot element, else normal.
int ElementPart(const ScrollState& state, Element element, int normal, bool disabled, bool has_states) {
  if (disabled) return normal + 3;
  if (has_states && state.hot_element == static_cast<int>(element)) {
    if (state.mouse_state == 1) return normal + 1;
    if (state.mouse_state == 2) return normal + 2;
  }
  return normal;
}

RECT Offset(const RECT& r, int dx, int dy) {
  return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

struct BarParts {
  Element first, thumb, second, track;
  int first_part, thumb_part, second_part, track_part;
};

// Draws one bar in back buffer 1 and copies it to `dc`.
void PaintBar(HDC dc, const ScrollState& state, bool vertical) {
  const ScrollBarState& bar = vertical ? state.vertical : state.horizontal;
  const RECT& first = vertical ? state.up_arrow : state.left_arrow;
  const RECT& second = vertical ? state.down_arrow : state.right_arrow;
  const RECT& track = vertical ? state.vertical_track : state.horizontal_track;
  const RECT& thumb = vertical ? state.vertical_thumb : state.horizontal_thumb;
  const BarParts parts = vertical ? BarParts{Element::kUpArrow, Element::kVerticalThumb, Element::kDownArrow,
                                             Element::kVerticalTrack, kUpArrowPart, kVerticalThumbPart,
                                             kDownArrowPart, kVerticalTrackPart}
                                  : BarParts{Element::kLeftArrow, Element::kHorizontalThumb, Element::kRightArrow,
                                             Element::kHorizontalTrack, kLeftArrowPart, kHorizontalThumbPart,
                                             kRightArrowPart, kHorizontalTrackPart};
  const int left = first.left, top = first.top;
  const bool disabled = bar.disabled != 0;
  ComposeInBackBuffer(dc, left, top, second.right - left, second.bottom - top, [&](HDC buffer) {
    DrawBarPart(buffer, Offset(track, left, top),
                ElementPart(state, parts.track, parts.track_part, disabled, false));
    if (!disabled && !IsRectEmpty(&thumb)) {
      DrawBarPart(buffer, Offset(thumb, left, top), ElementPart(state, parts.thumb, parts.thumb_part, false, true));
    }
    DrawBarPart(buffer, Offset(first, left, top), ElementPart(state, parts.first, parts.first_part, disabled, true));
    DrawBarPart(buffer, Offset(second, left, top),
                ElementPart(state, parts.second, parts.second_part, disabled, true));
  });
}

// The scroll functions changed a bar: repaint it on the window's own thread
// (the back buffers are the skinned thread's), or have it repainted there.
void RepaintAfterChange(HWND window, ScrollState* state) {
  if (state == nullptr) return;
  if (GetCurrentThreadId() == SkinnedThread()) {
    PaintScrollBars(window, *state, nullptr);
  } else {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_NOCHILDREN);
  }
}

}  // namespace

scroll::BarMetrics CurrentBarMetrics() {
  return {SkinMetric(14), SkinMetric(15), SkinMetric(16), SkinMetric(17), SkinMetric(18), SkinMetric(19)};
}

void DrawBarPart(HDC dc, const RECT& rect, int index) {
  const SkinPart* part = PartAt(index);
  HDC source = SkinBitmapDc();
  if (part == nullptr || source == nullptr || !SkinLoaded()) return;
  DrawSkinPart(dc, rect, *part, source);
}

LRESULT AttachScrollBars(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = self.window();
  ReadScrollState(window, state);
  SetScrollState(window, &state);
  LRESULT result = 0;
  if (message == WM_CREATE) result = self.CallPrevious(message, wparam, lparam);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG ex_style = GetWindowLongW(window, GWL_EXSTYLE);
  state.horizontal.shown = (style & WS_HSCROLL) != 0;
  state.vertical.shown = (style & WS_VSCROLL) != 0;
  state.left_scrollbar = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  state.horizontal.disabled = 1;
  state.vertical.disabled = 1;
  // The frame is worked out again for the skin's bar sizes; a window with
  // no bar has none to allow for (one shown later comes with a frame change
  // of its own).
  if (result != -1 && (style & (WS_HSCROLL | WS_VSCROLL)) != 0) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kRecalculateFrame);
  }
  return result;
}

void ReadScrollState(HWND window, ScrollState& state) {
  state = ScrollState{};
  state.horizontal.info.cbSize = sizeof(SCROLLINFO);
  state.horizontal.info.fMask = kAllScrollInfo;
  state.vertical.info = state.horizontal.info;
  real::GetScrollInfo(window, SB_HORZ, &state.horizontal.info);
  real::GetScrollInfo(window, SB_VERT, &state.vertical.info);
  state.last_track_pos = -1;
  state.scroll_code = -1;
  state.scroll_message = -1;
}

void StopAutoRepeat(HWND window) {
  KillTimer(window, kFirstRepeatTimer);
  KillTimer(window, kRepeatTimer);
}

bool DragThumb(ScrollState& state, SCROLLINFO& info, RECT& thumb, const RECT& track, bool vertical, int along) {
  const int track_start = vertical ? track.top : track.left;
  const int track_length = vertical ? track.bottom - track.top : track.right - track.left;
  const int thumb_start = vertical ? thumb.top : thumb.left;
  const int thumb_length = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
  const int offset =
      scroll::MoveThumb(thumb_start - track_start, along - state.drag_anchor, track_length, thumb_length);
  if (vertical) {
    thumb.top = track_start + offset;
    thumb.bottom = thumb.top + thumb_length;
  } else {
    thumb.left = track_start + offset;
    thumb.right = thumb.left + thumb_length;
  }
  const int position =
      scroll::DragPosition({info.nMin, info.nMax, info.nPage, info.nPos}, offset, track_length, thumb_length);
  info.nTrackPos = position;
  state.drag_anchor = along;
  if (position == state.last_track_pos) return false;
  state.last_track_pos = position;
  info.nPos = position;
  return true;
}

void DetachScrollBars(HWND window, ScrollState& state) {
  if (state.mouse_state == 2 || state.dragging) StopAutoRepeat(window);
  if (state.mouse_state != 0) KillTimer(window, kHoverTimer);
  if (state.captured && GetCapture() == window) ReleaseCapture();
  state.captured = 0;
  state.dragging = 0;
  state.mouse_state = 0;
  state.hot_element = 0;
  // The system kept the bars' old information all along: it takes over
  // what the program set meanwhile, so that its bars go on from there.
  const struct {
    int bar;
    const ScrollBarState& block;
  } bars[] = {{SB_HORZ, state.horizontal}, {SB_VERT, state.vertical}};
  for (const auto& b : bars) {
    if (!b.block.shown) continue;
    SCROLLINFO info = b.block.info;
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    real::SetScrollInfo(window, b.bar, &info, FALSE);
  }
}

LRESULT ScrollBarsCalcSize(SkinnedWindow& self, ScrollState& state, WPARAM wparam, LPARAM lparam) {
  const HWND window = self.window();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG ex_style = GetWindowLongW(window, GWL_EXSTYLE);
  // The first rectangle is the same with either wParam.
  RECT* r = lparam != 0 ? reinterpret_cast<RECT*>(lparam) : nullptr;
  const scroll::BarMetrics m = CurrentBarMetrics();
  const bool vertical = (style & WS_VSCROLL) != 0;
  const bool horizontal = (style & WS_HSCROLL) != 0;
  if (r != nullptr && wparam) {
    // Widened so that the system's subtraction of its own bar sizes leaves
    // exactly the skin's taken off.
    const int system_width = GetSystemMetrics(SM_CXVSCROLL);
    const int system_height = GetSystemMetrics(SM_CYHSCROLL);
    if (vertical) {
      if (ex_style & WS_EX_LEFTSCROLLBAR) r->left += m.vertical_width - system_width;
      else r->right += system_width - m.vertical_width;
    }
    if (horizontal) r->bottom += system_height - m.horizontal_height;
  }
  state.vertical.shown = vertical;
  state.horizontal.shown = horizontal;
  if (vertical) state.left_scrollbar = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  return self.CallPrevious(WM_NCCALCSIZE, wparam, lparam);
}

LRESULT ScrollBarsNcPaint(SkinnedWindow& self, ScrollState& state) {
  PaintNonClient(self.window(), state);
  state.painted = 1;
  return 0;
}

LRESULT ScrollBarsMessage(SkinnedWindow& self, ScrollState& state, UINT message, WPARAM wparam, LPARAM lparam,
                          bool allow_capture) {
  const HWND window = self.window();
  // A window without bars (and no press or drag of its bars under way) is left alone.
  if (!AnyBarShown(state) && !state.dragging && !state.captured && state.mouse_state == 0) {
    return self.CallPrevious(message, wparam, lparam);
  }
  switch (message) {
    case WM_NCHITTEST:
      return HitTestMessage(self, state, wparam, lparam);
    case WM_NCMOUSEMOVE:
      Hover(window, state, WindowPoint(window, lparam, true));
      return self.CallPrevious(message, wparam, lparam);
    case WM_MOUSEMOVE:
      if (state.dragging) {
        Drag(window, state, WindowPoint(window, lparam, false));
        return 0;
      }
      Hover(window, state, WindowPoint(window, lparam, false));
      return self.CallPrevious(message, wparam, lparam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return Press(self, state, message, wparam, lparam, allow_capture);
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      return Release(self, state, message, wparam, lparam, allow_capture);
    case WM_TIMER:
      return Timer(self, state, wparam, lparam);
    case WM_HSCROLL:
    case WM_VSCROLL:
      return ScrollMessage(self, state, message, wparam, lparam);
    case WM_CAPTURECHANGED:
      CaptureLost(window, state, reinterpret_cast<HWND>(lparam));
      return self.CallPrevious(message, wparam, lparam);
  }
  return self.CallPrevious(message, wparam, lparam);
}

void UpdateScrollGeometry(HWND window, ScrollState& state) {
  if (state.dragging) return;
  const WindowPlace place = PlaceOf(window);
  const scroll::BarMetrics m = CurrentBarMetrics();
  const bool horizontal = state.horizontal.shown != 0, vertical = state.vertical.shown != 0;
  scroll::WindowBars bars =
      scroll::LayOutWindowBars(ToLayout(place.client), m, horizontal, vertical, state.left_scrollbar != 0);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const bool child_without_thumb = (style & WS_CHILD) && (style & kNoThumbOnEmptyRange);
  auto place_thumb = [&](ScrollBarState& bar, const scroll::Rect& track, const RECT& current, int min_length,
                         bool is_vertical, int drag_kind) {
    if (!bar.shown) return scroll::Rect{};
    scroll::ThumbRules rules;
    rules.min_length = min_length;
    rules.empty_range_hides = bar.disabled != 0 || child_without_thumb;
    if (state.scroll_code == SB_THUMBTRACK && state.drag_kind == drag_kind && bar.info.nPage == 0 &&
        !IsRectEmpty(&current)) {
      rules.dragged_offset = is_vertical ? current.top - track.top : current.left - track.left;
    }
    const int length = is_vertical ? track.height() : track.width();
    const scroll::Thumb thumb = scroll::ComputeThumb(length, InfoOf(bar), rules);
    if (thumb.present) bar.disabled = 0;
    return scroll::ThumbRect(track, thumb, is_vertical);
  };
  bars.horizontal_thumb = place_thumb(state.horizontal, bars.horizontal_track, state.horizontal_thumb,
                                      m.horizontal_min_thumb, false, kHorizontalThumbDrag);
  bars.vertical_thumb =
      place_thumb(state.vertical, bars.vertical_track, state.vertical_thumb, m.vertical_min_thumb, true,
                  kVerticalThumbDrag);
  if (!horizontal) state.horizontal.disabled = 0;
  if (!vertical) state.vertical.disabled = 0;
  for (const auto& r : kBarRects) state.*r.state = ToRect(bars.*r.bars);
}

void PaintScrollBars(HWND window, ScrollState& state, HDC dc) {
  if (!AnyBarShown(state) || !IsWindowVisible(window)) return;
  HDC target = dc;
  if (target == nullptr) target = real::GetWindowDC(window);
  if (target == nullptr) return;
  PrintScrollBars(window, state, target);
  if (dc == nullptr) real::ReleaseDC(window, target);
}

void PrintScrollBars(HWND window, ScrollState& state, HDC dc) {
  if (!AnyBarShown(state) || dc == nullptr) return;
  UpdateScrollGeometry(window, state);
  if (state.horizontal.shown) PaintBar(dc, state, false);
  if (state.vertical.shown) PaintBar(dc, state, true);
  if (state.horizontal.shown && state.vertical.shown) FillRect(dc, &state.size_box, BackgroundBrush());
}

void RegisterScrollBarServices() {
  ScrollBarServices services;
  services.message = &ScrollBarsMessage;
  services.paint = &PaintScrollBars;
  services.client_edge = &DrawClientEdge;
  SetScrollBarServices(services);
  SetScrollBarPainter(&RepaintAfterChange);
}

void ClearScrollBarServices() {
  SetScrollBarServices({});
  SetScrollBarPainter(nullptr);
}

}  // namespace tebix
