#include "skin/render/tab_control.h"

#include "skin/attach/paint_redirect.h"
#include "skin/attach/skinned_window.h"
#include "skin/core/skin_resources.h"
#include "skin/render/button_paint.h"
#include "skin/render/off_screen.h"
#include "skin/render/tab_paint.h"

namespace tebix {
namespace {

// Redirect type whose BeginPaint clips the control's own painting to a
// rectangle; given an empty one, the control paints a single pixel at the origin.
constexpr int kClipToNothing = 4;

class TabWindow : public SkinnedWindow {
 public:
  using SkinnedWindow::SkinnedWindow;
};

// The tab control: into back buffer 1, clipped to what needs painting,
// then onto the paint DC.
void PaintTabControlNow(SkinnedWindow& self) {
  PAINTSTRUCT ps{};
  const HDC dc = BeginPaint(self.window(), &ps);
  if (dc == nullptr) return;
  const RECT& area = ps.rcPaint;
  HDC buffer = BackBufferDc(1);
  if (buffer == nullptr) {  // no drawing surfaces: straight onto the screen
    PaintTabControl(dc, self.window(), self.unicode(), tab::Family::kTabControl);
  } else if (area.right > area.left && area.bottom > area.top) {
    const int saved_buffer = SaveDC(buffer);
    const int saved_dc = SaveDC(dc);
    HRGN clip = CreateRectRgn(area.left, area.top, area.right + 1, area.bottom + 1);
    SelectClipRgn(buffer, clip);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    PaintTabControl(buffer, self.window(), self.unicode(), tab::Family::kTabControl);
    BitBlt(dc, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
    RestoreDC(dc, saved_dc);
    RestoreDC(buffer, saved_buffer);
  }
  EndPaint(self.window(), &ps);
}

// What either tab window does not paint itself: a change of enabled state
// repaints the whole control, and the hot tracking that would draw the hot
// tab at once through the window's DC is kept off the screen (the skin
// draws every tab).
LRESULT PassOn(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ENABLE: {
      const LRESULT result = self.CallPrevious(message, wparam, lparam);
      InvalidateRect(self.window(), nullptr, TRUE);
      return result;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: {
      DcSuppression quiet(self.window());
      return self.CallPrevious(message, wparam, lparam);
    }
  }
  return self.CallPrevious(message, wparam, lparam);
}

LRESULT TabControlProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      if (wparam != 0) {  // painting into a DC of the caller's
        PaintTabControl(reinterpret_cast<HDC>(wparam), self.window(), self.unicode(), tab::Family::kTabControl);
        return 0;
      }
      PaintTabControlNow(self);
      return 0;
    case WM_PRINTCLIENT:
      PaintTabControl(reinterpret_cast<HDC>(wparam), self.window(), self.unicode(), tab::Family::kTabControl);
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return PassOn(self, message, wparam, lparam);
}

// The tab strip: its own painting clipped away, then the skin's through the
// window's DC via a client-sized memory bitmap.
void PaintTabStripNow(SkinnedWindow& self) {
  const RECT nothing{0, 0, 0, 0};
  PaintRedirect record;
  record.type = kClipToNothing;
  record.clip = &nothing;
  PassPaintOn(self, record);
  WithWindowDc(self.window(), [&self](HDC dc) {
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    if (!MakeClientMemoryDc(self.window(), dc, memory, bitmap)) return;
    RECT client{};
    GetClientRect(self.window(), &client);
    PaintTabControl(memory, self.window(), self.unicode(), tab::Family::kTabStrip);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    DiscardMemoryDc(memory, bitmap);
  });
}

LRESULT TabStripProc(SkinnedWindow& self, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      PaintTabStripNow(self);
      return 0;
    case WM_ERASEBKGND:
      return EraseWithSkinBackground(self.window(), reinterpret_cast<HDC>(wparam));
    case WM_NCPAINT:
      return 0;
  }
  return PassOn(self, message, wparam, lparam);
}

std::unique_ptr<SkinnedWindow> CreateTabWindow(HWND window) {
  return std::make_unique<TabWindow>(window);
}

}  // namespace

const RendererEntry kTabControlRenderer = {RendererId::kTabControl, &CreateTabWindow, &TabControlProc};
const RendererEntry kTabStripRenderer = {RendererId::kTabStrip, &CreateTabWindow, &TabStripProc};

}  // namespace tebix
