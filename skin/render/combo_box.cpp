#include "skin/render/combo_box.h"

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/client_edge.h"
#include "skin/render/layout_rect_win32.h"
#include "skin/render/off_screen.h"
#include "skin/render/scroll_bar_engine.h"
#include "skin/render/scrolled_rules.h"

namespace tebix {
namespace {

// Redirect type of the one-shot clip to the item rectangle.
constexpr int kClipToItem = 1;

class ComboBox : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

ComboBox& Combo(SkinnedWindow& self) {
  return static_cast<ComboBox&>(self);
}

// The combo's geometry for one paint, in window coordinates.
struct ComboPlace {
  RECT frame{};   // the window rectangle at 0,0; a simple combo's ends above its list
  RECT item{};    // the item (client coordinates as the control gives it)
  RECT button{};  // the drop button as the control places it, window coordinates
  POINT client_origin{};  // the client area's top-left in the window
  bool pressed = false;
};

bool PlaceOf(HWND window, ComboPlace& place) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  RECT window_rect{};
  if (!GetComboBoxInfo(window, &info) || !GetWindowRect(window, &window_rect)) return false;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  place.client_origin = {origin.x - window_rect.left, origin.y - window_rect.top};
  const bool simple = (GetWindowLongW(window, GWL_STYLE) & 3) == CBS_SIMPLE;
  int list_top = 0;
  RECT list{};
  if (simple && info.hwndList != nullptr && GetWindowRect(info.hwndList, &list)) list_top = list.top - window_rect.top;
  place.frame = ToRect(scrolled::ComboFrame(window_rect.right - window_rect.left,
                                            window_rect.bottom - window_rect.top, simple, list_top));
  place.item = info.rcItem;
  place.button = info.rcButton;
  OffsetRect(&place.button, place.client_origin.x, place.client_origin.y);
  place.pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
  return true;
}

// The frame around the item and the drop button, composed off screen and
// laid around the item the control painted.
void PaintFrame(ComboBox& combo, const ComboPlace& place) {
  const HWND window = combo.window();
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  RECT item = place.item;
  OffsetRect(&item, place.client_origin.x, place.client_origin.y);
  const auto state = static_cast<EdgeState>(scrolled::ComboFrameState(IsWindowEnabled(window) != FALSE, HasFocus(window)));
  const RECT button = ToRect(scrolled::DropButton(ToLayout(place.button), ToLayout(place.frame), SkinMetric(20)));
  // Composed off screen and copied around the item: the window DC's clip is
  // never changed (that costs round trips to the window server).
  const RECT& frame = place.frame;
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC buffer = BackBufferDc(0);
  if (buffer != nullptr && width > 0 && height > 0) {
    const int saved = SaveDC(buffer);
    const RECT all{0, 0, width, height};
    FillRect(buffer, &all, BackgroundBrush());
    SetViewportOrgEx(buffer, -frame.left, -frame.top, nullptr);
    DrawEdgeRing(buffer, frame, item, state);
    if (!IsRectEmpty(&button)) {
      FillRect(buffer, &button, BackgroundBrush());
      DrawBarPart(buffer, button, scrolled::DropButtonPart(place.pressed));
    }
    RestoreDC(buffer, saved);
    BlitAround(dc, frame, item, buffer, 0, 0);
  }
  real::ReleaseDC(window, dc);
}

LRESULT Paint(ComboBox& combo, WPARAM wparam, LPARAM lparam) {
  const HWND window = combo.window();
  ComboPlace place;
  if (!PlaceOf(window, place)) return combo.CallPrevious(WM_PAINT, wparam, lparam);
  if ((GetWindowLongW(window, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) {
    // The control paints its selected item and focus only inside the item.
    PaintRedirect record{};
    record.type = kClipToItem;
    record.clip = &place.item;
    SetPaintRedirect(window, &record);
    combo.CallPrevious(WM_PAINT, wparam, lparam);
    SetPaintRedirect(window, nullptr);
  } else if (wparam == 0) {
    // The edit box paints the text; the combo's own painting is skipped.
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
  }
  PaintFrame(combo, place);
  return 0;
}

LRESULT ComboBoxProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  ComboBox& combo = Combo(self);
  switch (message) {
    case WM_PAINT:
      return Paint(combo, wparam, lparam);
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT:
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (IsWindow(self.window())) InvalidateRect(self.window(), nullptr, TRUE);
      return result;
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateComboBox(HWND window) {
  return std::make_unique<ComboBox>(window);
}

}  // namespace

const RendererEntry kComboBoxRenderer = {RendererId::kComboBox, &CreateComboBox, &ComboBoxProc};

}  // namespace tebix
