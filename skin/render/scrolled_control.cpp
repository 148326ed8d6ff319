#include "skin/render/scrolled_control.h"

#include "skin/attach/engine_messages.h"
#include "skin/attach/real_functions.h"
#include "skin/core/engine.h"
#include "skin/render/client_edge.h"
#include "skin/render/query_messages.h"
#include "skin/render/scroll_bar_engine.h"
#include "skin/render/scrolled_rules.h"

namespace tebix {
namespace {

constexpr LONG kBarStyles = WS_HSCROLL | WS_VSCROLL;
// Beside the bars' own timers (0x3005 to 0x3007).
constexpr UINT_PTR kRepaintTimer = 0x3008;

ScrolledControl& Control(SkinnedWindow& self) {
  return static_cast<ScrolledControl&>(self);
}

// The atom the running system gave the combo box class, looked up once.
unsigned SystemComboBoxAtom() {
  static const unsigned atom = [] {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    return static_cast<unsigned>(GetClassInfoExW(nullptr, L"ComboBox", &info));
  }();
  return atom;
}

// Whether the control's parent is a combo box, found out once.
bool InComboBox(ScrolledControl& control) {
  if (control.parent_atom < 0) {
    HWND parent = GetParent(control.window());
    control.parent_atom = parent != nullptr ? static_cast<long>(GetClassLongW(parent, GCW_ATOM) & 0xFFFF) : 0;
  }
  return scrolled::IsComboBoxParent(static_cast<unsigned>(control.parent_atom), SystemComboBoxAtom());
}

// The border and the bars onto the window DC, in the state the control
// follows.
void PaintFrame(ScrolledControl& control) {
  const HWND window = control.window();
  if (HDC dc = real::GetWindowDC(window)) {
    DrawClientEdge(dc, window, EdgeStateOf(window));
    PaintScrollBars(window, control.state, dc);
    real::ReleaseDC(window, dc);
  }
}

bool ReadOwnInfo(HWND window, int bar, SCROLLINFO& info) {
  info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  return real::GetScrollInfo(window, bar, &info) != FALSE;
}

bool SameInfo(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

// Takes over into the block what the control set on its own bars since
// they were last seen, and repaints the frame then: the system may have
// drawn its own bar over the skinned one as the control set it. A change a
// program made through the scroll functions lives in the block only and is
// left alone.
void TakeOverOwnInfo(ScrolledControl& control) {
  ScrollState& state = control.state;
  if (state.dragging || (!state.horizontal.shown && !state.vertical.shown)) return;
  const HWND window = control.window();
  bool changed = false;
  const struct {
    int bar;
    ScrollBarState& block;
  } bars[] = {{SB_HORZ, state.horizontal}, {SB_VERT, state.vertical}};
  for (const auto& b : bars) {
    if (!b.block.shown) continue;
    SCROLLINFO own;
    SCROLLINFO& seen = control.seen[b.bar];
    if (!ReadOwnInfo(window, b.bar, own) || SameInfo(own, seen)) continue;
    seen = own;
    b.block.info.nMin = own.nMin;
    b.block.info.nMax = own.nMax;
    b.block.info.nPage = own.nPage;
    b.block.info.nPos = own.nPos;
    b.block.info.nTrackPos = own.nPos;
    changed = true;
  }
  // Repainted once the control is idle: filling a list sets its bars once
  // per item, and one repaint serves them all.
  if (changed && state.painted && !control.repaint_pending && IsWindowVisible(window)) {
    control.repaint_pending = SetTimer(window, kRepaintTimer, 0, nullptr) != 0;
    if (!control.repaint_pending) PaintFrame(control);
  }
}

// The repaint the control's own bar changes asked for.
bool RepaintTimer(ScrolledControl& control, WPARAM timer) {
  if (timer != kRepaintTimer) return false;
  KillTimer(control.window(), kRepaintTimer);
  control.repaint_pending = false;
  PaintFrame(control);
  return true;
}

LRESULT Attach(ScrolledControl& control, UINT message, WPARAM wparam, LPARAM lparam) {
  control.MarkAttached();
  const LRESULT result = AttachScrollBars(control, control.state, message, wparam, lparam);
  for (int bar : {SB_HORZ, SB_VERT}) ReadOwnInfo(control.window(), bar, control.seen[bar]);
  return result;
}

void CompleteAttachment(ScrolledControl& control) {
  if (!control.attached()) Attach(control, kAttachMessage, 0, 0);
}

LRESULT NcPaint(ScrolledControl& control) {
  CompleteAttachment(control);
  PaintFrame(control);
  control.state.painted = 1;
  return 0;
}

LRESULT FocusOrEnable(ScrolledControl& control, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = control.CallPrevious(message, wparam, lparam);
  if (control.traits.focus_repaint && IsWindow(control.window())) PaintFrame(control);
  return result;
}

LRESULT Scroll(ScrolledControl& control, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = control.CallPrevious(message, wparam, lparam);
  if (control.traits.end_scroll_repaint && LOWORD(wparam) == SB_ENDSCROLL && IsWindow(control.window())) {
    PaintFrame(control);
  }
  return result;
}

LRESULT Wheel(ScrolledControl& control, WPARAM wparam, LPARAM lparam) {
  const int code = scrolled::WheelLineCode(SystemVersionFlag(), InComboBox(control), static_cast<std::uint32_t>(wparam));
  if (code < 0) return control.CallPrevious(WM_MOUSEWHEEL, wparam, lparam);
  SendMessageW(control.window(), WM_VSCROLL, static_cast<WPARAM>(code), 0);
  return 0;
}

// The list printed with its non-client area (a drop-down list is printed
// before it is shown, to animate its opening): the border and the bars go
// into the printed image too.
LRESULT Print(ScrolledControl& control, WPARAM wparam, LPARAM lparam) {
  CompleteAttachment(control);
  const LRESULT result = control.CallPrevious(WM_PRINT, wparam, lparam);
  HDC dc = reinterpret_cast<HDC>(wparam);
  if ((lparam & PRF_NONCLIENT) != 0 && dc != nullptr && IsWindow(control.window())) {
    control.state.painted = 1;
    PrintClientEdge(dc, control.window(), EdgeStateOf(control.window()));
    PrintScrollBars(control.window(), control.state, dc);
  }
  return result;
}

LRESULT Handle(ScrolledControl& control, UINT message, WPARAM wparam, LPARAM lparam) {
  SkinnedWindow& self = control;
  const ScrolledTraits& traits = control.traits;
  switch (message) {
    case WM_CREATE:
    case kAttachMessage:
      return Attach(control, message, wparam, lparam);
    case kDetachMessage:
      if (control.repaint_pending) KillTimer(control.window(), kRepaintTimer);
      control.repaint_pending = false;
      DetachScrollBars(control.window(), control.state);
      return 0;
    case WM_NCCALCSIZE:
      return ScrollBarsCalcSize(control, control.state, wparam, lparam);
    case WM_NCPAINT:
      return NcPaint(control);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      return FocusOrEnable(control, message, wparam, lparam);
    case WM_HSCROLL:
    case WM_VSCROLL:
      return Scroll(control, message, wparam, lparam);
    case WM_MOUSEWHEEL:
      if (traits.wheel_by_line) return Wheel(control, wparam, lparam);
      break;
    case WM_PRINT:
      if (traits.drop_list) return Print(control, wparam, lparam);
      break;
    case WM_NCHITTEST:
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_TIMER:
      if (RepaintTimer(control, wparam)) return 0;
      [[fallthrough]];
    case WM_CAPTURECHANGED: {
      const bool allow_capture = !traits.drop_list || scrolled::DropListMayCapture(InComboBox(control));
      return ScrollBarsMessage(control, control.state, message, wparam, lparam, allow_capture);
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

}  // namespace

ScrolledControl::ScrolledControl(HWND window, const ScrolledTraits& traits)
    : SkinnedWindow(window), traits(traits) {}

std::unique_ptr<SkinnedWindow> CreateScrolledControl(HWND window, const ScrolledTraits& traits) {
  return std::make_unique<ScrolledControl>(window, traits);
}

LRESULT ScrolledControlProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  ScrolledControl& control = Control(self);
  const HWND window = control.window();
  if (OnlyAsks(message)) {
    ++control.depth;
    const LRESULT answer = Handle(control, message, wparam, lparam);
    --control.depth;
    return answer;
  }
  const LONG bars_before = GetWindowLongW(window, GWL_STYLE) & kBarStyles;
  ++control.depth;
  const LRESULT result = Handle(control, message, wparam, lparam);
  --control.depth;
  if (message == WM_SETREDRAW) control.redraw_off = wparam == FALSE;
  if (message == WM_NCCALCSIZE) {
    // The client area this worked out allows for these bars, unless they
    // changed while it was being worked out.
    const LONG bars = GetWindowLongW(window, GWL_STYLE) & kBarStyles;
    control.framed_bars = bars == bars_before ? bars : -1;
  }
  // (A window destroyed during the message has no record left, so it is
  // not attached either.)
  if (message == kDetachMessage || control.depth != 0 || !control.attached()) return result;
  // With its redrawing off a control shows nothing, bars included: what it
  // set meanwhile is taken over when redrawing is turned on again.
  if (!control.redraw_off) TakeOverOwnInfo(control);
  // A control that shows or hides a bar while its frame is being worked
  // out (a tree view does, from inside its own resizing) can be left with a
  // client area that allows for neither: the frame is worked out once more.
  // Not when the last working out already allowed for the bars as they are
  // now (a bar shown by the system comes with a frame change of its own).
  // Once: a control whose bars come and go with its own size must not set
  // off another round from inside this one.
  const LONG bars = GetWindowLongW(window, GWL_STYLE) & kBarStyles;
  if (!control.reframing && bars != bars_before && bars != control.framed_bars) {
    control.reframing = true;
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    control.reframing = false;
  }
  return result;
}

}  // namespace tebix
