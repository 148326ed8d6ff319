#include "skin/render/scroll_bar.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/attach/engine_messages.h"
#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/replacements.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/off_screen.h"
#include "skin/render/scroll_bar_engine.h"
#include "skin/render/scroll_geometry.h"

namespace tebix {
namespace {

constexpr LONG kSizeBoxStyles = SBS_SIZEBOX | SBS_SIZEGRIP;
// Elements of the single bar.
constexpr int kNoElement = 0, kFirstArrow = 1, kThumb = 2, kSecondArrow = 3, kTrack = 4;

class ScrollBarControl : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;

  LONG style = 0;
  // Only the vertical slots are used: they describe the single bar, whatever
  // its orientation (SB_CTL reads and writes the vertical SCROLLINFO).
  ScrollState state{};
  // The control paints nothing itself outside WM_PAINT, which the skin does:
  // its own drawing through GetDC and the like finds no DC.
  DcRedirect no_own_drawing{6};
  int mouse_state = 0;  // 0 normal, 1 hot, 2 pressed
  int hot = kNoElement;
  bool hover_capture = false;  // the capture is held to see the pointer leave

  bool vertical() const { return (style & SBS_VERT) != 0; }
  bool size_box() const { return (style & kSizeBoxStyles) != 0; }
  HWND parent() const { return GetParent(window()); }
  UINT scroll_message() const { return vertical() ? WM_VSCROLL : WM_HSCROLL; }
};

ScrollBarControl& Control(SkinnedWindow& self) {
  return static_cast<ScrollBarControl&>(self);
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Aligned bars take the skin's bar size, keeping the aligned edge.
void ApplyAlignment(ScrollBarControl& bar) {
  const LONG align = bar.style & (SBS_LEFTALIGN | SBS_RIGHTALIGN);
  if (align == 0) return;
  const HWND window = bar.window();
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, bar.parent(), reinterpret_cast<POINT*>(&r), 2);
  const scroll::BarMetrics m = CurrentBarMetrics();
  const int size = bar.vertical() ? m.vertical_width : m.horizontal_height;
  if (size <= 0) return;
  const bool keep_start = (align & SBS_LEFTALIGN) != 0;  // left, or top
  constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
  if (bar.vertical()) {
    if (r.right - r.left == size) return;
    const int left = keep_start ? r.left : r.right - size;
    SetWindowPos(window, nullptr, left, r.top, size, r.bottom - r.top, kFlags);
  } else {
    if (r.bottom - r.top == size) return;
    const int top = keep_start ? r.top : r.bottom - size;
    SetWindowPos(window, nullptr, r.left, top, r.right - r.left, size, kFlags);
  }
}

scroll::StandaloneBar BarOf(const ScrollBarControl& bar) {
  const ScrollState& s = bar.state;
  return {ToLayout(s.up_arrow), ToLayout(s.vertical_track), ToLayout(s.down_arrow),
          ToLayout(s.vertical_thumb)};
}

void UpdateGeometry(ScrollBarControl& bar) {
  if (bar.state.dragging || bar.size_box()) return;
  ApplyAlignment(bar);
  const SIZE size = WindowSize(bar.window());
  const scroll::BarMetrics m = CurrentBarMetrics();
  const bool vertical = bar.vertical();
  scroll::StandaloneBar layout =
      scroll::LayOutStandaloneBar(size.cx, size.cy, vertical, vertical ? m.vertical_arrow : m.horizontal_arrow);
  const SCROLLINFO& si = bar.state.vertical.info;
  scroll::ThumbRules rules;
  rules.min_length = vertical ? m.vertical_min_thumb : m.horizontal_min_thumb;
  rules.longer_removed = true;
  const RECT& current = bar.state.vertical_thumb;
  if (bar.state.scroll_code == SB_THUMBTRACK && si.nPage == 0 && !IsRectEmpty(&current)) {
    rules.dragged_offset =
        vertical ? current.top - layout.track.top : current.left - layout.track.left;
  }
  const int length = vertical ? layout.track.height() : layout.track.width();
  const scroll::Thumb thumb = scroll::ComputeThumb(length, {si.nMin, si.nMax, si.nPage, si.nPos}, rules);
  layout.thumb = scroll::ThumbRect(layout.track, thumb, vertical);
  bar.state.up_arrow = ToRect(layout.first_arrow);
  bar.state.vertical_track = ToRect(layout.track);
  bar.state.down_arrow = ToRect(layout.second_arrow);
  bar.state.vertical_thumb = ToRect(layout.thumb);
}

int HitTest(const ScrollBarControl& bar, POINT p) {
  if (bar.size_box()) return kNoElement;
  return scroll::HitTestStandaloneBar(BarOf(bar), p.x, p.y);
}

int PartFor(const ScrollBarControl& bar, int element, int normal) {
  if (bar.hot != element) return normal;
  if (bar.mouse_state == 1) return normal + 1;
  if (bar.mouse_state == 2) return normal + 2;
  return normal;
}

void Draw(ScrollBarControl& bar, HDC buffer, SIZE size) {
  if (bar.size_box()) {
    const SkinData* data = CurrentSkinData();
    if (data == nullptr) return;
    const SkinPart& grip = data->parts[kSizeGripPart];
    DrawBarPart(buffer, {size.cx - grip.width, size.cy - grip.height, size.cx, size.cy}, kSizeGripPart);
    return;
  }
  UpdateGeometry(bar);
  const ScrollState& s = bar.state;
  const bool v = bar.vertical();
  if (IsWindowEnabled(bar.window())) {
    DrawBarPart(buffer, s.vertical_track, v ? kVerticalTrackPart : kHorizontalTrackPart);
    DrawBarPart(buffer, s.up_arrow, PartFor(bar, kFirstArrow, v ? kUpArrowPart : kLeftArrowPart));
    DrawBarPart(buffer, s.down_arrow, PartFor(bar, kSecondArrow, v ? kDownArrowPart : kRightArrowPart));
    if (!IsRectEmpty(&s.vertical_thumb)) {
      DrawBarPart(buffer, s.vertical_thumb, PartFor(bar, kThumb, v ? kVerticalThumbPart : kHorizontalThumbPart));
    }
  } else {
    DrawBarPart(buffer, s.up_arrow, (v ? kUpArrowPart : kLeftArrowPart) + 3);
    DrawBarPart(buffer, s.vertical_track, (v ? kVerticalTrackPart : kHorizontalTrackPart) + 3);
    DrawBarPart(buffer, s.down_arrow, (v ? kDownArrowPart : kRightArrowPart) + 3);
  }
}

// The whole window, composed in back buffer 1 over the skin background.
void Paint(ScrollBarControl& bar) {
  const HWND window = bar.window();
  if (!IsWindowVisible(window)) return;
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  const SIZE size = WindowSize(window);
  ComposeInBackBuffer(dc, 0, 0, size.cx, size.cy, [&](HDC buffer) { Draw(bar, buffer, size); });
  real::ReleaseDC(window, dc);
}

void Invalidate(ScrollBarControl& bar) {
  InvalidateRect(bar.window(), nullptr, FALSE);
}

void SetMouse(ScrollBarControl& bar, int mouse_state, int hot) {
  if (bar.mouse_state == mouse_state && bar.hot == hot) return;
  bar.mouse_state = mouse_state;
  bar.hot = hot;
  Paint(bar);
}

void SendToParent(ScrollBarControl& bar, int code, int position) {
  SendMessageW(bar.parent(), bar.scroll_message(), MAKEWPARAM(code, position),
               reinterpret_cast<LPARAM>(bar.window()));
}

// Reads the control's own scroll information into the block.
void ReadOwnInfo(ScrollBarControl& bar) {
  SCROLLINFO info{sizeof info, kAllScrollInfo, 0, 0, 0, 0, 0};
  if (bar.CallPrevious(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info))) {
    info.fMask = kAllScrollInfo;
    bar.state.vertical.info = info;
  }
}

LRESULT Attach(ScrollBarControl& bar, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = bar.window();
  bar.MarkAttached();
  ReadScrollState(window, bar.state);
  ReadOwnInfo(bar);
  SetScrollState(window, &bar.state);
  SetDcRedirect(window, &bar.no_own_drawing);
  LRESULT result = 0;
  if (message == WM_CREATE) {
    result = bar.CallPrevious(WM_CREATE, wparam, lparam);
  } else {
    CREATESTRUCTW empty{};
    bar.CallPrevious(WM_CREATE, 0, reinterpret_cast<LPARAM>(&empty));
    if (IsWindowVisible(window)) InvalidateRect(window, nullptr, TRUE);
  }
  bar.style = GetWindowLongW(window, GWL_STYLE);
  return result;
}

// Before the control is let go: timers and capture given up, and the
// control's own information set to what the program set meanwhile.
void Detach(ScrollBarControl& bar) {
  StopAutoRepeat(bar.window());
  bar.state.dragging = 0;
  if (GetCapture() == bar.window()) ReleaseCapture();
  if (!bar.attached()) return;
  SCROLLINFO info = bar.state.vertical.info;
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  bar.CallPrevious(SBM_SETSCROLLINFO, FALSE, reinterpret_cast<LPARAM>(&info));
}

void CompleteAttachment(ScrollBarControl& bar) {
  if (!bar.attached()) Attach(bar, kAttachMessage, 0, 0);
}

POINT PointOf(LPARAM lparam) {
  return {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
}

// A thumb drag ends: the parent hears the last position, then the end.
void EndDrag(ScrollBarControl& bar) {
  if (!bar.state.dragging) return;
  bar.state.dragging = 0;
  SendToParent(bar, SB_THUMBPOSITION, bar.state.last_track_pos);
  SendToParent(bar, SB_ENDSCROLL, 0);
}

// --- Mouse -----------------------------------------------------------------------

LRESULT MouseMove(ScrollBarControl& bar, WPARAM wparam, LPARAM lparam) {
  const HWND window = bar.window();
  const POINT p = PointOf(lparam);
  ScrollState& s = bar.state;
  if (s.dragging) {
    const bool v = bar.vertical();
    if (!scroll::InDragZone(ToLayout(s.up_arrow), ToLayout(s.vertical_track), ToLayout(s.down_arrow), v, p.x,
                            p.y)) {
      return 0;
    }
    if (DragThumb(s, s.vertical.info, s.vertical_thumb, s.vertical_track, v, v ? p.y : p.x)) {
      SendToParent(bar, SB_THUMBTRACK, s.last_track_pos);
    }
    Invalidate(bar);
    return 0;
  }
  if (bar.mouse_state != 2) {
    const int element = HitTest(bar, p);
    if (element != kNoElement) {
      if (GetCapture() != window) {
        SetCapture(window);
        bar.hover_capture = true;
      }
      SetMouse(bar, 1, element);
    } else {
      const int was = bar.mouse_state;
      bar.mouse_state = 0;
      bar.hot = kNoElement;
      if (bar.hover_capture) {
        bar.hover_capture = false;
        if (GetCapture() == window) ReleaseCapture();
      }
      if (was != 0) Paint(bar);
    }
  }
  return bar.CallPrevious(WM_MOUSEMOVE, wparam, lparam);
}

LRESULT ButtonDown(ScrollBarControl& bar, UINT message, WPARAM wparam, LPARAM lparam) {
  const HWND window = bar.window();
  bar.style = GetWindowLongW(window, GWL_STYLE);
  if (bar.size_box()) return bar.CallPrevious(message, wparam, lparam);
  UpdateGeometry(bar);
  const POINT p = PointOf(lparam);
  const int element = HitTest(bar, p);
  if (element == kNoElement) {
    // A press off the bar while the hover capture was held belongs elsewhere.
    SetMouse(bar, 0, kNoElement);
    if (GetCapture() == window) ReleaseCapture();
    bar.hover_capture = false;
    return bar.CallPrevious(message, wparam, lparam);
  }
  ScrollState& s = bar.state;
  bar.mouse_state = 2;
  bar.hot = element;
  Paint(bar);
  int code = -1;
  switch (element) {
    case kFirstArrow: code = SB_LINEUP; break;
    case kSecondArrow: code = SB_LINEDOWN; break;
    case kTrack: code = scroll::PageCode(ToLayout(s.vertical_thumb), bar.vertical(), p.x, p.y); break;
    case kThumb:
      s.dragging = 1;
      s.drag_kind = bar.vertical() ? 0x3007 : 0x3006;
      s.scroll_code = SB_THUMBTRACK;
      s.drag_anchor = bar.vertical() ? p.y : p.x;
      s.last_track_pos = s.vertical.info.nPos;
      break;
  }
  if (code >= 0) {
    s.scroll_code = code;
    s.scroll_message = static_cast<int32_t>(bar.scroll_message());
    SendToParent(bar, code, 0);
    SetTimer(window, kFirstRepeatTimer, kFirstRepeatDelay, nullptr);
    Invalidate(bar);
  }
  if (GetCapture() != window) SetCapture(window);
  bar.hover_capture = false;
  return 0;
}

LRESULT ButtonUp(ScrollBarControl& bar, WPARAM wparam, LPARAM lparam) {
  const HWND window = bar.window();
  EndDrag(bar);
  StopAutoRepeat(bar.window());
  UpdateGeometry(bar);
  const int element = HitTest(bar, PointOf(lparam));
  bar.mouse_state = element != kNoElement ? 1 : 0;
  bar.hot = element;
  // Still over the bar: the capture stays to see the pointer leave.
  bar.hover_capture = element != kNoElement;
  if (!bar.hover_capture && GetCapture() == window) ReleaseCapture();
  Paint(bar);
  return bar.CallPrevious(WM_LBUTTONUP, wparam, lparam);
}

LRESULT Timer(ScrollBarControl& bar, WPARAM wparam, LPARAM lparam) {
  const bool repeat_timer = StepAutoRepeat(bar.window(), bar.state, wparam, [&] {
    SendToParent(bar, bar.state.scroll_code, 0);
    Invalidate(bar);
  });
  return repeat_timer ? 0 : bar.CallPrevious(WM_TIMER, wparam, lparam);
}

// Someone else took the mouse: a press or drag under way ends as a release would.
void CaptureLost(ScrollBarControl& bar, HWND taker) {
  if (taker == bar.window()) return;
  bar.hover_capture = false;
  EndDrag(bar);
  if (bar.mouse_state == 2) StopAutoRepeat(bar.window());
  SetMouse(bar, 0, kNoElement);
}

// The control's own messages go to the block, which the scroll functions
// keep, so that messages and functions agree.
LRESULT ScrollBarMessage(ScrollBarControl& bar, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!bar.attached()) return bar.CallPrevious(message, wparam, lparam);
  const HWND window = bar.window();
  switch (message) {
    case SBM_GETPOS:
      return SkinGetScrollPos(window, SB_CTL);
    case SBM_GETRANGE: {
      int minimum = 0, maximum = 0;
      SkinGetScrollRange(window, SB_CTL, &minimum, &maximum);
      if (wparam) *reinterpret_cast<LPINT>(wparam) = minimum;
      if (lparam) *reinterpret_cast<LPINT>(lparam) = maximum;
      return 0;
    }
    case SBM_GETSCROLLINFO: {
      auto* info = reinterpret_cast<SCROLLINFO*>(lparam);
      if (info == nullptr || (info->fMask & SIF_ALL) == 0) return FALSE;
      return SkinGetScrollInfo(window, SB_CTL, info);
    }
  }
  // Not passed on: the control's own handling calls the scroll functions,
  // which would change the block a second time.
  switch (message) {
    case SBM_SETPOS:
      return SkinSetScrollPos(window, SB_CTL, static_cast<int>(wparam), lparam != 0);
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int old = bar.state.vertical.info.nPos;
      SkinSetScrollRange(window, SB_CTL, static_cast<int>(wparam), static_cast<int>(lparam), TRUE);
      // The position follows the range it must lie in.
      SkinSetScrollPos(window, SB_CTL, old, TRUE);
      const int now = bar.state.vertical.info.nPos;
      return now != old ? old : 0;
    }
    case SBM_SETSCROLLINFO: {
      const auto* info = reinterpret_cast<const SCROLLINFO*>(lparam);
      if (info == nullptr) return bar.state.vertical.info.nPos;
      return SkinSetScrollInfo(window, SB_CTL, info, static_cast<BOOL>(wparam));
    }
  }
  return 0;
}

LRESULT ScrollBarProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  ScrollBarControl& bar = Control(self);
  switch (message) {
    case WM_CREATE:
    case kAttachMessage:
      return Attach(bar, message, wparam, lparam);
    case kDetachMessage:
      Detach(bar);
      return 0;
    case WM_PAINT: {
      CompleteAttachment(bar);
      PAINTSTRUCT ps{};
      BeginPaint(bar.window(), &ps);
      EndPaint(bar.window(), &ps);
      Paint(bar);
      return 0;
    }
    case WM_NCPAINT:
      CompleteAttachment(bar);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      return MouseMove(bar, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return ButtonDown(bar, message, wparam, lparam);
    case WM_LBUTTONUP:
      return ButtonUp(bar, wparam, lparam);
    case WM_TIMER:
      return Timer(bar, wparam, lparam);
    case WM_CAPTURECHANGED:
      CaptureLost(bar, reinterpret_cast<HWND>(lparam));
      return bar.CallPrevious(message, wparam, lparam);
    case WM_ENABLE:
    case WM_STYLECHANGED: {
      const LRESULT result = bar.CallPrevious(message, wparam, lparam);
      bar.style = GetWindowLongW(bar.window(), GWL_STYLE);
      Invalidate(bar);
      return result;
    }
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_SETSCROLLINFO:
    case SBM_GETPOS:
    case SBM_GETRANGE:
    case SBM_GETSCROLLINFO:
      return ScrollBarMessage(bar, message, wparam, lparam);
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateScrollBar(HWND window) {
  return std::make_unique<ScrollBarControl>(window);
}

}  // namespace

const RendererEntry kScrollBarRenderer = {RendererId::kScrollBar, &CreateScrollBar, &ScrollBarProc};

}  // namespace tebix
