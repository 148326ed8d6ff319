#include "skin/render/toolbar.h"

#include <commctrl.h>

#include <vector>

#include "skin/attach/paint_redirect.h"
#include "skin/attach/real_functions.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_data.h"
#include "skin/render/bar_layout.h"
#include "skin/render/bar_paint.h"
#include "skin/render/layout_rect_win32.h"

namespace tebix {
namespace {

using bars::BarText;
using bars::Mouse;
using layout::Rect;

static_assert(bars::kDtCentre == DT_CENTER && bars::kDtRight == DT_RIGHT && bars::kDtVCentre == DT_VCENTER &&
              bars::kDtBottom == DT_BOTTOM && bars::kDtSingleLine == DT_SINGLELINE);

constexpr UINT kPollMilliseconds = 1;

// The image-list functions of the common-controls module the toolbar's
// class comes from: an image list works only with the functions of the
// module that made it.
struct ImageListFunctions {
  decltype(&ImageList_Draw) draw = nullptr;
  decltype(&ImageList_GetIconSize) size = nullptr;
};

ImageListFunctions FindImageListFunctions(HWND window) {
  ImageListFunctions f;
  for (HMODULE module : {reinterpret_cast<HMODULE>(GetClassLongPtrW(window, GCLP_HMODULE)),
                         GetModuleHandleW(L"comctl32.dll")}) {
    if (module == nullptr) continue;
    f.draw =
        reinterpret_cast<decltype(f.draw)>(reinterpret_cast<void*>(GetProcAddress(module, "ImageList_Draw")));
    f.size = reinterpret_cast<decltype(f.size)>(
        reinterpret_cast<void*>(GetProcAddress(module, "ImageList_GetIconSize")));
    if (f.draw != nullptr && f.size != nullptr) return f;
  }
  return {};
}

class Toolbar : public SkinnedWindow {
 public:
  explicit Toolbar(HWND window) : SkinnedWindow(window), images_(FindImageListFunctions(window)) {}
  ~Toolbar() override {
    if (polling) KillTimer(window(), kToolbarHoverTimer);
  }

  Mouse mouse = Mouse::kNormal;
  int hot = -1;
  bool polling = false;

  const ImageListFunctions& images() const { return images_; }

  void StartPoll() {
    if (!polling) polling = SetTimer(window(), kToolbarHoverTimer, kPollMilliseconds, nullptr) != 0;
  }
  void StopPoll() {
    if (polling) KillTimer(window(), kToolbarHoverTimer);
    polling = false;
  }

 private:
  ImageListFunctions images_;
};

// The button under a point of the client area, -1 for none.
int ButtonAt(HWND window, POINT at) {
  const int count = static_cast<int>(SendMessageW(window, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (SendMessageW(window, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)) && PtInRect(&r, at)) return i;
  }
  return -1;
}

BarText ButtonText(HWND window, bool unicode, int command) {
  BarText text;
  text.unicode = unicode;
  // Asked for its length first: a longer text is never cut or overrun.
  const LRESULT length = SendMessageW(window, unicode ? TB_GETBUTTONTEXTW : TB_GETBUTTONTEXTA, command, 0);
  if (length <= 0 || length > 0x10000) return text;
  const auto n = static_cast<size_t>(length);
  if (unicode) {
    std::vector<wchar_t> buffer(n + 1);
    SendMessageW(window, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = L'\0';
    text.wide = buffer.data();
  } else {
    std::vector<char> buffer(n + 1);
    SendMessageA(window, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    text.narrow = buffer.data();
  }
  return text;
}

void DrawButtons(const Toolbar& self, HDC dc) {
  const HWND window = self.window();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const bool flat = (style & TBSTYLE_FLAT) != 0;
  const bool list = (style & TBSTYLE_LIST) != 0;
  const int count = static_cast<int>(SendMessageW(window, TB_BUTTONCOUNT, 0, 0));
  const auto normal = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TB_GETIMAGELIST, 0, 0));
  auto hot_list = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TB_GETHOTIMAGELIST, 0, 0));
  auto disabled_list = reinterpret_cast<HIMAGELIST>(SendMessageW(window, TB_GETDISABLEDIMAGELIST, 0, 0));
  if (hot_list == nullptr) hot_list = normal;
  if (disabled_list == nullptr) disabled_list = normal;
  const ImageListFunctions& images = self.images();
  int image_width = 0, image_height = 0;
  if (normal != nullptr && images.size != nullptr) images.size(normal, &image_width, &image_height);

  SelectObject(dc, BackgroundBrush());
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (!SendMessageW(window, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
    if (button.fsState & TBSTATE_HIDDEN) continue;
    RECT item_rect{};
    if (!SendMessageW(window, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item_rect))) continue;
    const Rect item = ToLayout(item_rect);
    if (button.fsStyle & BTNS_SEP) {
      if (flat) {
        const int width = bars::PartSize(bars::kFlatSeparatorPart).cx;
        bars::DrawPart(dc, bars::PlaceFlatSeparator(item, width), bars::kFlatSeparatorPart);
      }
      continue;
    }
    bars::ButtonState state;
    state.enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    state.checked = ((button.fsStyle & BTNS_CHECK) && (button.fsState & TBSTATE_CHECKED)) ||
                    (button.fsState & TBSTATE_PRESSED);
    state.hot = i == self.hot;
    state.mouse = self.mouse;
    state.flat = flat;
    const bars::ButtonLook look = bars::LookOfButton(state);
    if (look.face != bars::kNoPart) bars::DrawPart(dc, item, look.face);

    const BarText text = ButtonText(window, self.unicode(), button.idCommand);
    const bool drop_down = (button.fsStyle & BTNS_DROPDOWN) != 0;
    const bars::ButtonLayout layout =
        bars::LayOutButton(item, list, drop_down, !text.empty(), image_width, image_height);
    if (layout.arrow) bars::DrawGlyph(dc, bars::kDropDownGlyph, layout.arrow_x, layout.arrow_y, RGB(0, 0, 0));
    if (!text.empty()) {
      const HGDIOBJ old_font = SelectObject(dc, bars::TextFont(window, text));
      SetTextColor(dc, SkinColour(look.text_colour));
      text.Draw(dc, layout.text, layout.text_flags | DT_NOPREFIX);
      SelectObject(dc, old_font);
    }
    const HIMAGELIST list_to_draw = look.images == bars::Images::kHot        ? hot_list
                                    : look.images == bars::Images::kDisabled ? disabled_list
                                                                             : normal;
    // I_IMAGENONE and I_IMAGECALLBACK are negative; the high word names another list.
    if (list_to_draw != nullptr && images.draw != nullptr && button.iBitmap >= 0) {
      images.draw(list_to_draw, LOWORD(button.iBitmap), dc, layout.image_x, layout.image_y, ILD_TRANSPARENT);
    }
  }
}

// The client area less every visible child (a combo box on the toolbar).
void ClipAroundChildren(HWND window, HDC dc, const RECT& client) {
  HRGN clip = CreateRectRgnIndirect(&client);
  if (clip == nullptr) return;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    if (HRGN hole = CreateRectRgnIndirect(&r)) {
      CombineRgn(clip, clip, hole, RGN_DIFF);
      DeleteObject(hole);
    }
  }
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
}

void Paint(const Toolbar& self, HDC target) {
  const HWND window = self.window();
  auto draw = [&](HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    const int saved = SaveDC(dc);
    ClipAroundChildren(window, dc, client);
    bars::PaintOffScreen(window, dc, [&](HDC memory) { DrawButtons(self, memory); });
    RestoreDC(dc, saved);
  };
  if (target != nullptr) {
    draw(target);
  } else if (HDC dc = real::GetDC(window)) {
    draw(dc);
    real::ReleaseDC(window, dc);
  }
}

// The border ring outside the client area: the skin's bar frame.
void PaintBorder(HWND window) {
  RECT window_rect{};
  GetWindowRect(window, &window_rect);
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  if (EqualRect(&client, &window_rect)) return;  // no border to paint
  OffsetRect(&client, -window_rect.left, -window_rect.top);
  OffsetRect(&window_rect, -window_rect.left, -window_rect.top);
  HDC dc = real::GetWindowDC(window);
  if (dc == nullptr) return;
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  FillRect(dc, &window_rect, BackgroundBrush());
  bars::DrawPart(dc, ToLayout(window_rect), bars::kBarFramePart);
  real::ReleaseDC(window, dc);
}

bool StillAttached(const Toolbar& self) {
  return ObjectOf(self.window()) == &self;
}

LRESULT ToolbarProc(SkinnedWindow& base, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = static_cast<Toolbar&>(base);
  const HWND window = self.window();
  switch (message) {
    case WM_PAINT:
      if (wparam != 0) {
        Paint(self, reinterpret_cast<HDC>(wparam));
        return 0;
      }
      bars::PassPaintOnSuppressed(self, wparam, lparam);
      if (StillAttached(self)) Paint(self, nullptr);
      return 0;
    case WM_PRINTCLIENT:
      Paint(self, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_NCPAINT:
      PaintBorder(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER: {
      if (wparam != kToolbarHoverTimer) break;
      POINT at{};
      RECT r{};
      GetCursorPos(&at);
      GetWindowRect(window, &r);
      if (!PtInRect(&r, at) && self.mouse != Mouse::kPressed) {
        self.StopPoll();
        self.mouse = Mouse::kNormal;
        self.hot = -1;
        Paint(self, nullptr);
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (self.mouse != Mouse::kPressed) {
        self.StartPoll();
        const int hot =
            ButtonAt(window, {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
        if (hot != self.hot || self.mouse != Mouse::kHot) {
          self.hot = hot;
          self.mouse = Mouse::kHot;
          Paint(self, nullptr);
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // Painted after the control has taken the press, so that the look
      // and the control's own button state agree.
      const int hit =
          ButtonAt(window, {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))});
      if (hit >= 0 || message == WM_LBUTTONDBLCLK) {
        if (hit >= 0) self.hot = hit;
        self.mouse = Mouse::kPressed;
        self.StartPoll();
      }
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (StillAttached(self)) Paint(self, nullptr);
      return result;
    }
    case WM_LBUTTONUP: {
      self.mouse = Mouse::kHot;
      self.StartPoll();
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      if (StillAttached(self)) Paint(self, nullptr);
      return result;
    }
    case WM_EXITMENULOOP:
      self.mouse = Mouse::kNormal;
      Paint(self, nullptr);
      break;
  }
  return self.CallPrevious(message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateToolbar(HWND window) {
  return std::make_unique<Toolbar>(window);
}

}  // namespace

const RendererEntry kToolbarRenderer = {RendererId::kToolbar, &CreateToolbar, &ToolbarProc};

}  // namespace tebix
