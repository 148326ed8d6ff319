#include "skin/render/date_time_picker.h"

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/client_edge.h"
#include "skin/render/date_layout.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"
#include "skin/render/scroll_bar_engine.h"

namespace tebix {
namespace {

// While the picker handles a click, its own GetDC/GetWindowDC calls get no
// DC: it cannot paint its plain drop button over the skin's.
constexpr int kNoOwnDc = 6;

class DateTimePicker : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;

  bool pressed = false;
  // Inside the picker's own handling of a button-down, which takes the
  // focus itself: the focus it takes must not undo the press.
  bool pressing = false;
  // Whether the picker has an up-down child instead of a drop button;
  // looked up again after the picker's style changes.
  bool up_down_known = false;
  bool has_up_down = false;
  // The drop button as last painted (window coordinates), for the hit test.
  RECT drop_button{};
  DcRedirect no_own_dc{kNoOwnDc};
};

DateTimePicker& Picker(SkinnedWindow& self) {
  return static_cast<DateTimePicker&>(self);
}

bool HasUpDownChild(HWND window) {
  return FindWindowExA(window, nullptr, "msctls_updown32", nullptr) != nullptr ||
         FindWindowExA(window, nullptr, "msvb_lib_updown", nullptr) != nullptr;
}

// The frame and the drop button, through the real window DC.
void PaintFrame(DateTimePicker& picker) {
  const HWND window = picker.window();
  RECT outer{}, client{};
  if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client)) return;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&client, origin.x - outer.left, origin.y - outer.top);
  OffsetRect(&outer, -outer.left, -outer.top);
  if (!picker.up_down_known) {
    picker.has_up_down = HasUpDownChild(window);
    picker.up_down_known = true;
  }
  const EdgeState state = EdgeStateOf(window);
  picker.drop_button = picker.has_up_down
                           ? RECT{}
                           : ToRect(dates::DropButton(ToLayout(outer), ToLayout(client),
                                                      SkinMetric(dates::kDropSpanMetric)));
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  if (!EqualRect(&outer, &client)) {
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    ComposeInBackBuffer(dc, 0, 0, outer.right, outer.bottom,
                        [&](HDC buffer) { DrawEdgeRing(buffer, outer, client, state); });
    RestoreDC(dc, saved);
  }
  const RECT& b = picker.drop_button;
  if (!IsRectEmpty(&b)) {
    const int part = dates::DropButtonPart(state == EdgeState::kDisabled, picker.pressed);
    ComposeInBackBuffer(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, [&](HDC buffer) {
      DrawBarPart(buffer, RECT{0, 0, b.right - b.left, b.bottom - b.top}, part);
    });
  }
  real::ReleaseDC(window, dc);
}

// A mouse message passed on while the picker's own DCs are withheld.
LRESULT PassOnWithoutDc(DateTimePicker& picker, UINT message, WPARAM wparam, LPARAM lparam) {
  DcRedirect* before = SwapDcRedirect(picker.window(), &picker.no_own_dc);
  const LRESULT result = picker.CallPrevious(message, wparam, lparam);
  if (IsWindow(picker.window())) SwapDcRedirect(picker.window(), before);
  return result;
}

bool OnDropButton(const DateTimePicker& picker, LPARAM lparam) {
  // The click is in client coordinates; the button in window coordinates.
  RECT outer{};
  GetWindowRect(picker.window(), &outer);
  POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  ClientToScreen(picker.window(), &at);
  at.x -= outer.left;
  at.y -= outer.top;
  return PtInRect(&picker.drop_button, at) != FALSE;
}

LRESULT DateTimePickerProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  DateTimePicker& picker = Picker(self);
  const HWND window = self.window();
  switch (message) {
    case WM_SETFOCUS:
      if (!picker.pressing) picker.pressed = false;
      PaintFrame(picker);
      return self.CallPrevious(message, wparam, lparam);
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(window)) InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_PAINT: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(window)) PaintFrame(picker);
      return result;
    }
    case WM_NCPAINT:
      return 0;
    case WM_LBUTTONDOWN: {
      if (OnDropButton(picker, lparam)) {
        picker.pressed = true;
        PaintFrame(picker);
      }
      const bool outer = picker.pressing;
      picker.pressing = true;
      const LRESULT result = PassOnWithoutDc(picker, message, wparam, lparam);
      picker.pressing = outer;
      return result;
    }
    case WM_MOUSEMOVE:
      // The button was let go elsewhere (over the dropped calendar).
      if (picker.pressed && (wparam & MK_LBUTTON) == 0) {
        picker.pressed = false;
        PaintFrame(picker);
      }
      break;
    case WM_LBUTTONUP: {
      picker.pressed = false;
      PaintFrame(picker);
      return PassOnWithoutDc(picker, message, wparam, lparam);
    }
    case WM_STYLECHANGED:
    case WM_PARENTNOTIFY:
      // An up-down child may have come or gone.
      picker.up_down_known = false;
      break;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateDateTimePicker(HWND window) {
  return std::make_unique<DateTimePicker>(window);
}

}  // namespace

const RendererEntry kDateTimePickerRenderer = {RendererId::kDateTimePicker, &CreateDateTimePicker,
                                               &DateTimePickerProc};

}  // namespace tebix
