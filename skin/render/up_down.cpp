#include "skin/render/up_down.h"

#include <windowsx.h>

#include <cstring>

#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/render/button_paint.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"
#include "skin/render/range_paint.h"

namespace tebix {
namespace {

using ranges::Box;
using ranges::Mouse;

class UpDown : public SkinnedWindow {
 public:
  UpDown(HWND window, bool inside_picker) : SkinnedWindow(window), inside_picker(inside_picker) {}
  const bool inside_picker;  // a date/time picker's: 1 px less at the right and bottom
  Mouse mouse = Mouse::kNormal;
  bool tracking = false;      // hover and leave tracking armed
  bool pointer_in = false;    // `pointer` is where the mouse was last seen over the control
  POINT pointer{};
  int held = -1;              // the button the left button went down on
};

bool IsPickerClass(HWND window) {
  char name[64] = {};
  if (window == nullptr || GetClassNameA(window, name, sizeof name) == 0) return false;
  return std::strcmp(name, "SysDateTimePick32") == 0 || std::strcmp(name, "DTPicker20WndClass") == 0;
}

ranges::UpDownHalves HalvesOf(const UpDown& self, const Box& client, bool horizontal) {
  return ranges::SplitUpDown(ranges::UpDownArea(client, self.inside_picker), horizontal);
}

void Draw(UpDown& self, HDC dc, const Box& client) {
  const HWND window = self.window();
  const bool horizontal = (GetWindowLongW(window, GWL_STYLE) & ranges::kUpDownHorizontal) != 0;
  const ranges::UpDownHalves halves = HalvesOf(self, client, horizontal);
  const int hot = self.pointer_in ? ranges::HalfAt(halves, self.pointer.x, self.pointer.y) : -1;
  const ranges::UpDownLook look =
      ranges::LookOfUpDown(horizontal, IsWindowEnabled(window) != FALSE, self.mouse, hot, self.held);
  ranges::DrawRangePart(dc, halves.first, look.first);
  ranges::DrawRangePart(dc, halves.second, look.second);
}

// Onto `dc` (the client area's; the real GetDC's when null), composed off screen.
void Paint(UpDown& self, HDC dc) {
  RECT client{};
  GetClientRect(self.window(), &client);
  auto draw = [&](HDC target) {
    ComposeInBackBuffer(target, 0, 0, client.right, client.bottom,
                        [&](HDC buffer) { Draw(self, buffer, ToLayout(client)); });
  };
  if (dc != nullptr) {
    draw(dc);
  } else {
    WithWindowDc(self.window(), draw);
  }
}

// The ring between the window and client rectangles, in the skin background.
void PaintRing(HWND window) {
  const ranges::WindowGeometry g = ranges::GeometryOf(window);
  if (g.width == g.client.width() && g.height == g.client.height()) return;
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, g.client_x, g.client_y, g.client_x + g.client.width(), g.client_y + g.client.height());
  const RECT all{0, 0, g.width, g.height};
  FillRect(dc, &all, BackgroundBrush());
  RestoreDC(dc, saved);
  real::ReleaseDC(window, dc);
}

void SetPointer(UpDown& self, LPARAM lparam) {
  self.pointer = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  self.pointer_in = true;
}

int HalfUnder(const UpDown& self) {
  RECT client{};
  GetClientRect(self.window(), &client);
  const bool horizontal = (GetWindowLongW(self.window(), GWL_STYLE) & ranges::kUpDownHorizontal) != 0;
  return self.pointer_in ? ranges::HalfAt(HalvesOf(self, ToLayout(client), horizontal), self.pointer.x,
                                          self.pointer.y)
                         : -1;
}

LRESULT UpDownProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<UpDown&>(base);
  const HWND window = self.window();
  switch (message) {
    case WM_PAINT:
      if (wparam != 0) {  // painting into a DC of the caller's
        Paint(self, reinterpret_cast<HDC>(wparam));
        return 0;
      }
      WithPaintDc(window, [&self](HDC dc) { Paint(self, dc); });
      return 0;
    case WM_PRINTCLIENT:
      Paint(self, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      PaintRing(window);
      return 0;
    case WM_MOUSEMOVE: {
      const int before = HalfUnder(self);
      SetPointer(self, lparam);
      // Hot follows the pointer from one button to the other.
      if (self.mouse == Mouse::kHot && HalfUnder(self) != before) Paint(self, nullptr);
      self.tracking = TrackHover(window, self.tracking, self.mouse == Mouse::kNormal ? button::Mouse::kNormal
                                                                                    : button::Mouse::kHot);
      return PassOnQuietly(self, message, wparam, lparam);
    }
    case WM_MOUSEHOVER:
      if (self.mouse != Mouse::kPressed) {
        SetPointer(self, lparam);
        self.mouse = Mouse::kHot;
        Paint(self, nullptr);
      }
      return PassOnQuietly(self, message, wparam, lparam);
    case WM_MOUSELEAVE:
      self.tracking = false;
      self.pointer_in = false;
      if (self.mouse != Mouse::kPressed) {
        self.mouse = Mouse::kNormal;
        Paint(self, nullptr);
      }
      return PassOnQuietly(self, message, wparam, lparam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPointer(self, lparam);
      self.mouse = Mouse::kPressed;
      self.held = HalfUnder(self);
      Paint(self, nullptr);
      return PassOnQuietly(self, message, wparam, lparam);
    case WM_LBUTTONUP: {
      SetPointer(self, lparam);
      RECT client{};
      GetClientRect(window, &client);
      self.pointer_in = PtInRect(&client, self.pointer) != FALSE;
      self.mouse = self.pointer_in ? Mouse::kHot : Mouse::kNormal;
      self.held = -1;
      Paint(self, nullptr);
      return PassOnQuietly(self, message, wparam, lparam);
    }
    case WM_CAPTURECHANGED:
      // The control let the mouse go without a release reaching it.
      if (self.mouse == Mouse::kPressed && reinterpret_cast<HWND>(lparam) != window) {
        self.mouse = Mouse::kNormal;
        self.held = -1;
        Paint(self, nullptr);
      }
      return self.CallPrevious(message, wparam, lparam);
    case WM_ENABLE: {
      const LRESULT result = PassOnQuietly(self, message, wparam, lparam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
  }
  return PassOnQuietly(self, message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateUpDown(HWND window) {
  return std::make_unique<UpDown>(window, IsPickerClass(GetParent(window)));
}

}  // namespace

const RendererEntry kUpDownRenderer = {RendererId::kUpDown, &CreateUpDown, &UpDownProc};

}  // namespace tebix
